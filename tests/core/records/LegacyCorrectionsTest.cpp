// Corrections applied to records written by older versions (shorter records
// read over an image of 0xFF bytes).
#include "model/records/AddressLinkRecord.h"
#include "model/records/ButtonRecord.h"
#include "model/records/ImageRecord.h"
#include "model/records/MultimediaRecord.h"
#include "model/records/RecordCorrections.h"
#include "model/records/TableRecord.h"

#include <array>
#include <gtest/gtest.h>

namespace quor::records {
namespace {

using Image = std::array<std::uint8_t, kImageSize>;

// An image as the reader builds it: 0xFF, then `stored` bytes of `fill`.
Image ReadImage(std::size_t stored, std::uint8_t fill = 0)
{
    Image img;
    img.fill(0xFF);
    std::fill_n(img.begin(), stored, fill);
    return img;
}

CorrectionContext Context(std::int32_t revision = 20)
{
    CorrectionContext ctx;
    ctx.documentRevision = revision;
    ctx.uniqueEmbeddedName = [](std::string_view name) { return "u-" + std::string(name); };
    return ctx;
}

struct LinkCase {
    std::uint8_t stored;
    const char* address;
    std::uint8_t expected;
};

class AddressLinkSubKind : public ::testing::TestWithParam<LinkCase> {};

TEST_P(AddressLinkSubKind, IsDerivedFromThePrefixUnlessAlreadyKnown)
{
    const LinkCase& c = GetParam();
    Image img = ReadImage(133);
    AddressLinkRecord r(img.data());
    r.SetSubKind(c.stored);
    r.SetAddress(c.address);
    ApplyLegacyCorrections(1, img, 133, Context());
    EXPECT_EQ(r.SubKind(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, AddressLinkSubKind,
                         ::testing::Values(LinkCase{4, "mailto:me@example.org", 8}, LinkCase{4, "http://x", 7},
                                           LinkCase{0, "quor:a.uva|3", 6}, LinkCase{4, "ftp://x", 4},
                                           LinkCase{9, "ftp://x", 9}, LinkCase{5, "mailto:me", 5},
                                           LinkCase{7, "mailto:me", 7}, LinkCase{4, "HTTP://upper", 4}));

TEST(LegacyCorrections, ShortTableGetsPercentColumnsAndWidenedWidths)
{
    Image img = ReadImage(219);
    img[97] = 30;
    img[98] = 45;
    img[146] = 7;
    ApplyLegacyCorrections(8, img, 219, Context());
    ConstTableRecord r(img.data());
    EXPECT_EQ(r.ColumnWidth(0), 30);
    EXPECT_EQ(r.ColumnWidth(1), 45);
    EXPECT_EQ(r.ColumnWidth(49), 7);
    for (std::size_t col = 0; col < 50; ++col)
        EXPECT_EQ(r.ColumnKind(col), 0) << col;
    EXPECT_EQ(r.WidthMode(), 1);
    EXPECT_EQ(r.FixedWidth(), 300);
    EXPECT_EQ(r.CellFormat(), 1);

    Image full = ReadImage(220, 3);
    const Image before = full;
    ApplyLegacyCorrections(8, full, 220, Context());
    EXPECT_EQ(full, before);
}

TEST(LegacyCorrections, ShortImageGetsUniqueNameNoOriginAndOlderRevision)
{
    Image img = ReadImage(400);
    ImageRecord r(img.data());
    r.SetFileName("a.gif");
    ApplyLegacyCorrections(5, img, 400, Context(20));
    EXPECT_EQ(r.FileName(), "u-a.gif");
    EXPECT_EQ(r.Origin(), -1);
    EXPECT_EQ(r.U8(666), 0);
    EXPECT_EQ(r.Revision(), 19);

    // The old click map kind always gets a unique name, a full image never.
    Image map = ReadImage(667);
    ImageRecord(map.data()).SetFileName("m.gif");
    ApplyLegacyCorrections(6, map, 667, Context());
    EXPECT_EQ(ImageRecord(map.data()).FileName(), "u-m.gif");
    Image image = ReadImage(667);
    ImageRecord(image.data()).SetFileName("i.gif");
    ApplyLegacyCorrections(5, image, 667, Context());
    EXPECT_EQ(ImageRecord(image.data()).FileName(), "i.gif");
}

TEST(LegacyCorrections, ShortAttachedFileGetsUniqueNameAndOlderRevision)
{
    for (int kind : {2, 3}) {
        Image img = ReadImage(89);
        RecordView(img.data()).SetCounted(5, 79, "f.zip");
        ApplyLegacyCorrections(kind, img, 89, Context(5));
        EXPECT_EQ(RecordView(img.data()).Counted(5, 79), "u-f.zip") << kind;
        EXPECT_EQ(RecordView(img.data()).I32(89), 4) << kind;
    }
}

TEST(LegacyCorrections, ShortButtonHasNoNaturalImageWidth)
{
    Image img = ReadImage(190);
    ApplyLegacyCorrections(22, img, 190, Context());
    EXPECT_EQ(ConstButtonRecord(img.data()).NaturalWidth(), -1);
    Image full = ReadImage(203);
    ApplyLegacyCorrections(22, full, 203, Context());
    EXPECT_EQ(ConstButtonRecord(full.data()).NaturalWidth(), 0);
}

struct MediaCase {
    std::uint8_t subKind;
    std::int32_t stored;
    std::int32_t expected;
};

class MultimediaMedia : public ::testing::TestWithParam<MediaCase> {};

TEST_P(MultimediaMedia, SoundsAndVideosReferToAttachedFiles)
{
    const MediaCase& c = GetParam();
    Image img = ReadImage(46);
    MultimediaRecord r(img.data());
    r.SetSubKind(c.subKind);
    r.SetMedia(c.stored);
    ApplyLegacyCorrections(24, img, 46, Context());
    EXPECT_EQ(r.Media(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, MultimediaMedia,
                         ::testing::Values(MediaCase{1, 7, 0x03000007}, MediaCase{3, 0x05000002, 0x03000002},
                                           MediaCase{1, -1, -1}, MediaCase{6, 0x0C000001, 0x0C000001},
                                           MediaCase{5, 7, 7}));

} // namespace
} // namespace quor::records
