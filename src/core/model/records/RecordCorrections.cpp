#include "model/records/RecordCorrections.h"
#include "base/WrappingInt.h"

#include "model/links/AddressKind.h"
#include "model/records/AddressLinkRecord.h"
#include "model/records/AttachedFileRecord.h"
#include "model/records/ButtonRecord.h"
#include "model/records/ImageRecord.h"
#include "model/records/MultimediaRecord.h"
#include "model/records/PageRecord.h"
#include "model/records/TableRecord.h"

namespace quor::records {

namespace {

std::string Unique(const CorrectionContext& ctx, const std::string& name)
{
    return ctx.uniqueEmbeddedName ? ctx.uniqueEmbeddedName(name) : name;
}

void CorrectPage(PageRecord r, std::size_t stored, const CorrectionContext& ctx)
{
    if (stored >= 243)
        return;
    r.SetLanguage(1033);
    r.SetTextFormat(PageRecord::kLegacyText);
    r.SetRevision(WrappingAdd(ctx.documentRevision, -1));
    r.SetPageId("");
    r.SetSlideDelay(5);
    r.SetI32(PageRecord::kUnnamed223, -1);
    r.SetNextSlide(-1);
    r.SetHeaderPage(-1);
    r.SetFooterPage(-1);
}

void CorrectTable(TableRecord r, std::size_t stored)
{
    if (stored >= TableRecord::kSize)
        return;
    r.SetCellFormat(1);
    r.SetFixedWidth(300);
    for (std::size_t col = 0; col < TableRecord::kMaxColumns; ++col)
        r.SetColumnKind(col, 0);
    // Older tables kept one byte per column width at 97..146; widen in place,
    // last column first so no byte is overwritten before it is read.
    for (std::size_t col = TableRecord::kMaxColumns; col-- > 0;)
        r.SetColumnWidth(col, r.U8(TableRecord::kColumnWidths + col));
    r.SetWidthMode(1);
}

} // namespace

void ApplyLegacyCorrections(int kind, std::span<std::uint8_t> image, std::size_t stored,
                            const CorrectionContext& ctx)
{
    if (image.size() < kImageSize)
        return;
    std::uint8_t* p = image.data();
    switch (kind) {
    case 0:
        CorrectPage(PageRecord(p), stored, ctx);
        break;
    case 1: {
        AddressLinkRecord r(p);
        r.SetSubKind(links::CorrectedAddressSubKind(r.SubKind(), r.Address()));
        break;
    }
    case 2:
    case 3:
        if (stored < AttachedFileRecord::kSize) {
            AttachedFileRecord r(p);
            r.SetRevision(WrappingAdd(ctx.documentRevision, -1));
            r.SetFileName(Unique(ctx, r.FileName()));
        }
        break;
    case 5:
        if (stored < ImageRecord::kSize) {
            ImageRecord r(p);
            r.SetFileName(Unique(ctx, r.FileName()));
            r.SetOrigin(-1);
            r.SetU8(ImageRecord::kByte666, 0);
            r.SetRevision(WrappingAdd(ctx.documentRevision, -1));
        }
        break;
    case 6: {
        ImageRecord r(p);
        r.SetFileName(Unique(ctx, r.FileName()));
        break;
    }
    case 8:
        CorrectTable(TableRecord(p), stored);
        break;
    case 22:
        if (stored < ButtonRecord::kPropertiesPosition)
            ButtonRecord(p).SetNaturalWidth(-1);
        break;
    case 24: {
        MultimediaRecord r(p);
        const std::int32_t media = r.Media();
        if (r.MediaIsFile() && media != -1)
            r.SetMedia(static_cast<std::int32_t>((3u << 24) | (static_cast<std::uint32_t>(media) & 0xFFFFFFu)));
        break;
    }
    default:
        break;
    }
}

} // namespace quor::records
