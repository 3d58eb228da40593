#include "model/UvaFileReader.h"
#include "base/WrappingInt.h"

#include "model/AnsiCase.h"
#include "model/ObjectKind.h"
#include "model/TUVAoggetto.h"
#include "model/TUVAset.h"
#include "model/records/AttachedFileRecord.h"
#include "model/records/EmbeddedName.h"
#include "model/records/ImageRecord.h"
#include "model/records/RecordCorrections.h"
#include "model/records/TableRecord.h"

#include <algorithm>
#include <cstring>
#include <span>

namespace quor {

namespace {

constexpr int kMaxKnownKind = 26;
// Smallest record accepted for a stored kind (older versions wrote shorter
// records than today's, but never this short).
constexpr int kMinRecordSize = 16;

// Kinds whose records are stored; 14, 15 (reserved), 25 (none) and 26 (not yet
// a kind) never are.
bool IsStoredKind(int kind)
{
    return kind >= 0 && kind < none && RecordSizeOf(kind) > 0;
}

std::int32_t LittleI32(const std::uint8_t* p)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
                                     (static_cast<std::uint32_t>(p[2]) << 16) |
                                     (static_cast<std::uint32_t>(p[3]) << 24));
}

// Fills in the header fields version 1 did not have.
void CompleteVersion1Header(HeaderBytes& h, const std::string& fileName)
{
    header::SetAuthors(h, "");
    header::SetRights(h, "");
    header::SetCompany(h, "");
    header::SetPassword(h, "");
    header::SetExportPrefix(h, ExportPrefixFromFileName(fileName, 8));
    header::SetGlobalHeaderPage(h, -1);
    header::SetGlobalFooterPage(h, -1);
    header::SetPageTreeObject(h, 0);
    header::SetCustomTreeObject(h, 0);
    header::SetBackgroundColour(h, 0xC0C0C0);
    header::SetTextColour(h, 0x000000);
    header::SetLinkColour(h, 0xFF0000);
    header::SetVisitedLinkColour(h, 0x0000FF);
    header::SetBackgroundImage(h, -1);
    header::SetLanguage(h, 1033);
}

// Embedded file name of an attached file or image (kinds 2, 3, 5, 6).
std::string EmbeddedFileName(const TUVAoggetto& obj)
{
    const auto* p = obj.Record().data();
    if (obj.Kind() == zipLink || obj.Kind() == genLink)
        return records::ConstAttachedFileRecord(p).FileName();
    return records::ConstImageRecord(p).FileName();
}

bool EmbeddedNameUsed(const TUVAset& doc, std::string_view lowerName)
{
    for (int kind : {genLink, zipLink, immagine, mappaClic}) {
        for (const auto& obj : doc.List(kind)) {
            if (obj && AnsiLower(EmbeddedFileName(*obj)) == lowerName)
                return true;
        }
    }
    return false;
}

struct BlockSpec {
    std::int64_t position = -1;
    std::int64_t length = -1;
};

BlockSpec ContentSpec(const TUVAoggetto& obj)
{
    const KindInfo& info = KindInfoOf(obj.Kind());
    if (info.contentPos < 0 || info.contentLen < 0)
        return {};
    BlockSpec spec;
    spec.position = obj.I32(static_cast<std::size_t>(info.contentPos));
    if (obj.Kind() == tabellaHtml) {
        spec.length = records::ConstTableRecord(obj.Record().data()).ContentLength();
    } else {
        spec.length = obj.I32(static_cast<std::size_t>(info.contentLen));
        if (obj.Kind() == multiMedia && spec.length == -1)
            spec.length = 0;
    }
    return spec;
}

BlockSpec PropertiesSpec(const TUVAoggetto& obj)
{
    const KindInfo& info = KindInfoOf(obj.Kind());
    if (info.propertiesPos < 0 || info.propertiesLen < 0)
        return {};
    return {obj.I32(static_cast<std::size_t>(info.propertiesPos)), obj.I32(static_cast<std::size_t>(info.propertiesLen))};
}

bool IsLazyKind(int kind)
{
    return kind == zipLink || kind == genLink || kind == immagine || kind == mappaClic;
}

} // namespace

std::string ExportPrefixFromFileName(const std::string& fileName, std::size_t maxChars)
{
    std::string name = records::WithoutFolder(fileName);
    name = AnsiLower(name.substr(0, maxChars));
    const auto dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name;
}

UvaFileReader::UvaFileReader(std::shared_ptr<RandomAccessSource> source) : m_source(std::move(source)) {}

UvaReadStatus UvaFileReader::Fail(std::string detail)
{
    m_detail = std::move(detail);
    return UvaReadStatus::Corrupt;
}

UvaReadStatus UvaFileReader::ReadLayout()
{
    m_layout = UvaFileLayout{};
    const std::uint64_t size = m_source->Size();
    if (size == 0)
        return UvaReadStatus::EmptyFile;
    if (size < kHeaderSize)
        return UvaReadStatus::TooShort;
    if (!m_source->ReadInto(0, m_layout.header))
        return Fail("header unreadable");
    HeaderBytes& h = m_layout.header;

    std::string magic = AnsiUpper(header::GetMagic(h));
    if (magic != "MORV")
        return UvaReadStatus::BadMagic;
    const int version = header::Version(h);
    const int lastKind = header::LastKind(h);
    if (version == 1 && lastKind < 8)
        return UvaReadStatus::Version1TooOld;
    if (version >= 3)
        return UvaReadStatus::NewerVersion;
    if (lastKind > kMaxKnownKind)
        return UvaReadStatus::TooManyKinds;
    m_layout.lastKind = lastKind;

    // Kind table and record-area length.
    const std::size_t tableSize = header::kKindEntrySize * static_cast<std::size_t>(lastKind + 1) + 4;
    if (size - kHeaderSize < tableSize)
        return Fail("kind table beyond the end of the file");
    std::vector<std::uint8_t> table(tableSize);
    if (!m_source->ReadInto(kHeaderSize, table))
        return Fail("kind table unreadable");
    m_layout.recordAreaStart = header::RecordAreaStart(lastKind);
    const std::int32_t recordAreaLength = LittleI32(table.data() + tableSize - 4);
    if (recordAreaLength < 0 || static_cast<std::uint64_t>(recordAreaLength) > size - m_layout.recordAreaStart)
        return Fail("record area longer than the file");
    m_layout.recordAreaLength = static_cast<std::uint64_t>(recordAreaLength);
    m_layout.dataAreaStart = m_layout.recordAreaStart + m_layout.recordAreaLength;

    for (int k = 0; k <= lastKind; ++k) {
        const std::uint8_t* e = table.data() + header::kKindEntrySize * static_cast<std::size_t>(k);
        UvaKindEntry entry{LittleI32(e + header::kKindEntryOffset), LittleI32(e + header::kKindEntryRecordSize),
                           LittleI32(e + header::kKindEntryCount)};
        if (!IsStoredKind(k)) {
            // Reserved kinds have no records; whatever the entry says is ignored.
            m_layout.kinds.push_back(UvaKindEntry{});
            continue;
        }
        if (entry.count < 0 || static_cast<std::uint32_t>(entry.count) > kIndexMask)
            return Fail("kind " + std::to_string(k) + ": bad record count");
        if (entry.count > 0) {
            // Each record becomes an object of about a kilobyte in memory; a floor
            // on the record size bounds that to a small multiple of the file size.
            const int minimum = std::min(RecordSizeOf(k), kMinRecordSize);
            if (entry.offset < 0 || entry.recordSize < minimum)
                return Fail("kind " + std::to_string(k) + ": bad record offset or size");
            // All records of the kind must lie inside the record area.
            const std::uint64_t span = static_cast<std::uint64_t>(entry.recordSize) *
                                       static_cast<std::uint64_t>(entry.count);
            if (static_cast<std::uint64_t>(entry.offset) > m_layout.recordAreaLength ||
                span > m_layout.recordAreaLength - static_cast<std::uint64_t>(entry.offset))
                return Fail("kind " + std::to_string(k) + ": records beyond the record area");
        }
        m_layout.kinds.push_back(entry);
    }
    return UvaReadStatus::Ok;
}

UvaReadStatus UvaFileReader::ReadObjects(TUVAset& doc, const std::string& fileName)
{
    HeaderBytes h = m_layout.header;
    const int version = header::Version(h);
    if (version == 1)
        CompleteVersion1Header(h, fileName);
    doc.Header() = h;
    doc.SetDataAreaStart(static_cast<std::int64_t>(m_layout.dataAreaStart));
    doc.OldRefs().clear();
    doc.NewRefs().clear();

    // The record area in one read: it is bounded by the file size (checked in
    // ReadLayout) and holds only the fixed-size records, never the big blocks.
    std::vector<std::uint8_t> recordArea(m_layout.recordAreaLength);
    if (!m_source->ReadInto(m_layout.recordAreaStart, recordArea))
        return Fail("record area unreadable");

    const std::uint64_t fileSize = m_source->Size();
    const std::uint64_t dataStart = m_layout.dataAreaStart;
    records::CorrectionContext corrections;
    corrections.documentRevision = header::Revision(h);
    corrections.uniqueEmbeddedName = [&doc](std::string_view name) {
        return records::UniqueEmbeddedName(name, [&doc](std::string_view lower) { return EmbeddedNameUsed(doc, lower); });
    };

    // A block read from the data area; nullopt when absent, negative, or not
    // entirely inside the file (left out without a message).
    auto locate = [&](const BlockSpec& spec) -> std::optional<std::pair<std::uint64_t, std::size_t>> {
        if (spec.position < 0 || spec.length < 0)
            return std::nullopt;
        const std::uint64_t abs = dataStart + static_cast<std::uint64_t>(spec.position);
        if (abs >= fileSize || static_cast<std::uint64_t>(spec.length) > fileSize - abs)
            return std::nullopt;
        return std::make_pair(abs, static_cast<std::size_t>(spec.length));
    };
    auto readBlock = [&](const BlockSpec& spec) -> std::optional<ObjectContent> {
        const auto where = locate(spec);
        if (!where)
            return std::nullopt;
        std::vector<std::uint8_t> bytes;
        if (!m_source->Read(where->first, where->second, bytes))
            return std::nullopt;
        return ObjectContent(std::move(bytes));
    };

    for (int kind = 0; kind <= m_layout.lastKind; ++kind) {
        const UvaKindEntry& entry = m_layout.kinds[static_cast<std::size_t>(kind)];
        const std::size_t copy = std::min<std::size_t>(static_cast<std::size_t>(std::max(entry.recordSize, 0)),
                                                       kRecordImageSize);
        for (std::int32_t i = 0; i < entry.count; ++i) {
            std::unique_ptr<TUVAoggetto> obj = TUVAoggetto::CreateOfKind(&doc, kind);
            obj->SetIndex(i);
            RecordImage& image = obj->Record();
            image.fill(0xFF);
            const std::size_t at = static_cast<std::size_t>(entry.offset) +
                                   static_cast<std::size_t>(i) * static_cast<std::size_t>(entry.recordSize);
            std::memcpy(image.data(), recordArea.data() + at, copy);
            records::ApplyLegacyCorrections(kind, image, static_cast<std::size_t>(entry.recordSize), corrections);

            if (!obj->IsDeleted()) {
                const BlockSpec content = ContentSpec(*obj);
                if (IsLazyKind(kind)) {
                    if (const auto where = locate(content))
                        obj->SetContent(ObjectContent::OnDisk(m_source, where->first, where->second));
                } else if (auto block = readBlock(content)) {
                    obj->SetContent(std::move(*block));
                }
                if (auto block = readBlock(PropertiesSpec(*obj)))
                    obj->SetProperties(std::move(*block));
            }
            doc.AdoptObject(std::move(obj));
        }
    }

    // Version 1 kept pictures with click zones (kind 6) and attached files (kind 2)
    // in kinds of their own; they become kinds 5 and 3, and the translation lists
    // keep the old references in texts and zones working.
    if (version == 1) {
        const std::int32_t revision = header::Revision(h);
        for (const auto& [oldKind, newKind] : {std::pair{mappaClic, immagine}, std::pair{zipLink, genLink}}) {
            const int count = static_cast<int>(doc.List(oldKind).size());
            for (int i = 0; i < count; ++i) {
                std::unique_ptr<TUVAoggetto> obj = doc.EmptySlot(oldKind, i);
                if (!obj)
                    continue;
                obj->SetKind(newKind);
                if (newKind == immagine) {
                    obj->SetI32(records::ImageRecord::kOrigin, i);
                    obj->SetU8(records::ImageRecord::kByte666, 0);
                    obj->SetI32(records::ImageRecord::kRevision, WrappingAdd(revision, -1));
                }
                const int newIndex = doc.RegisterObject(newKind, -1, obj);
                if (newIndex >= 0)
                    doc.AddTranslation(MakeRef(oldKind, i), MakeRef(newKind, newIndex));
            }
            doc.ClearList(oldKind);
        }
    }

    if (doc.List(stileParagrafo).empty())
        doc.CreateDefaultStyles();
    else
        doc.AdoptDefaultStyles();
    return UvaReadStatus::Ok;
}

} // namespace quor
