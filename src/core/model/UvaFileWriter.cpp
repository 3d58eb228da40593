#include "model/UvaFileWriter.h"
#include "base/WrappingInt.h"

#include "model/BackingFile.h"
#include "model/ObjectKind.h"
#include "model/OutputFile.h"
#include "model/PageTextUpgrade.h"
#include "model/TUVAoggetto.h"
#include "model/TUVAset.h"
#include "model/TUVAtesto.h"
#include "model/UvaFileReader.h"
#include "model/records/EmbeddedName.h"
#include "model/records/FrameMapRecord.h"
#include "model/records/PageRecord.h"
#include "model/records/TableRecord.h"

#include <algorithm>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace quor {

namespace {

constexpr const char* kErrorWriting = "Error writing file ";
constexpr const char* kErrorOpening = "Error in file opening: ";

UvaFileWriter::FrameSetHtmlProvider& FrameSetHtml()
{
    static UvaFileWriter::FrameSetHtmlProvider provider;
    return provider;
}

void PutI32(std::vector<std::uint8_t>& out, std::int32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i)));
}

// Which blocks the writer stores for a kind.
struct KindBlocks {
    bool content = false;
    bool properties = false;
    bool frameSetHtml = false;
};

KindBlocks BlocksOf(int kind)
{
    switch (kind) {
    case testoHtml:
    case tabellaHtml:
    case speclink:
    case shortObj:
    case custom:
    case dbloc:
    case inputStat:
    case inputDin:
    case multiMedia:
        return {true, true, false};
    case genLink:
    case immagine:
        return {true, false, false};
    case mappaFrame:
        return {true, false, true};
    case immagineNew:
    case bottoneCGI:
    case inizioForm:
        return {false, true, false};
    default:
        return {};
    }
}

} // namespace

struct UvaFileWriter::Block {
    enum class From { Memory, Text, Disk, External } from = From::Memory;
    const std::vector<std::uint8_t>* bytes = nullptr;
    std::string text;
    std::shared_ptr<IContentSource> source;
    std::uint64_t offset = 0;
    std::string path;
    std::uint64_t length = 0;
};

struct UvaFileWriter::Plan {
    std::vector<std::uint8_t> head;   // header, kind table, record-area length, records
    std::vector<Block> blocks;        // the data area, in order
    std::uint64_t dataLength = 0;
};

void UvaFileWriter::SetFrameSetHtmlProvider(FrameSetHtmlProvider provider)
{
    FrameSetHtml() = std::move(provider);
}

HeaderBytes PrepareHeaderForSave(const HeaderBytes& current, const std::string& targetName, int version)
{
    HeaderBytes h = current;
    header::SetLastKind(h, kLastStoredKind);
    header::SetVersion(h, static_cast<std::int16_t>(version));
    header::SetRevision(h, WrappingAdd(header::Revision(h), 1));
    header::SetPixelsPerInch(h, static_cast<std::int16_t>(TUVAset::ScreenPixelsPerInch()));
    if (header::ExportPrefix(h).empty())
        header::SetExportPrefix(h, ExportPrefixFromFileName(targetName, 16));
    if (header::Title(h) == "Untitled") {
        std::string title = records::WithoutFolder(targetName);
        const auto dot = title.rfind('.');
        if (dot != std::string::npos)
            title.erase(dot);
        title += '.';
        header::SetTitle(h, title.substr(0, 79));
    }
    return h;
}

UvaFileWriter::UvaFileWriter(TUVAset& doc, std::string targetName, int version)
    : m_doc(doc), m_target(std::move(targetName)), m_header(PrepareHeaderForSave(doc.Header(), m_target, version))
{
}

UvaFileWriter::~UvaFileWriter() = default;

bool UvaFileWriter::BuildPlan(Plan& plan)
{
    auto& errors = m_doc.Errors();
    bool positionsFit = true;

    // Adds a block to the data area and returns its (position, length) for the record.
    auto addBlock = [&](Block block) -> std::pair<std::int32_t, std::int32_t> {
        const std::uint64_t position = plan.dataLength;
        if (position + block.length > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
            // Record fields hold 32-bit positions: a data area beyond 2 GiB cannot
            // be described, so the save must fail instead of writing a broken file.
            positionsFit = false;
            return {0, 0};
        }
        plan.dataLength += block.length;
        const auto length = static_cast<std::int32_t>(block.length);
        if (block.length > 0)
            plan.blocks.push_back(std::move(block));
        return {static_cast<std::int32_t>(position), length};
    };

    // Content of an object as a block: memory, the backing file, or the external file.
    auto contentBlock = [&](TUVAoggetto& obj) -> Block {
        Block b;
        if (ObjectContent* c = obj.Content()) {
            if (c->IsOnDisk()) {
                b.from = Block::From::Disk;
                b.source = c->Source();
                b.offset = c->DiskOffset();
                b.length = c->Size();
                return b;
            }
            b.bytes = c->Bytes();
            b.length = b.bytes ? b.bytes->size() : 0;
            return b;
        }
        const bool externalKind = obj.Kind() == genLink || obj.Kind() == immagine || obj.Kind() == immagineNew;
        if (externalKind && !obj.ExternalFile().empty()) {
            struct stat st {};
            if (::stat(obj.ExternalFile().c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
                errors.push_back(kErrorOpening + obj.ExternalFile());
                return b;
            }
            b.from = Block::From::External;
            b.path = obj.ExternalFile();
            b.length = static_cast<std::uint64_t>(st.st_size);
        }
        return b;
    };
    auto propertiesBlock = [&](TUVAoggetto& obj) -> Block {
        Block b;
        if (ObjectContent* p = obj.Properties()) {
            b.bytes = p->Bytes();
            if (!b.bytes) {
                errors.push_back(kErrorOpening + (p->Source() ? p->Source()->Name() : std::string()));
                return Block{};
            }
            b.length = b.bytes->size();
        }
        return b;
    };

    std::vector<std::uint8_t> records;
    std::vector<std::uint8_t> table;
    for (int kind = 0; kind <= kLastStoredKind; ++kind) {
        auto& list = m_doc.List(kind);
        const int size = RecordSizeOf(kind);
        PutI32(table, static_cast<std::int32_t>(records.size()));
        PutI32(table, size);
        // Kinds that are never stored (size 0) have no records to count.
        PutI32(table, size > 0 ? static_cast<std::int32_t>(list.size() & kIndexMask) : 0);
        const KindBlocks what = BlocksOf(kind);
        const KindInfo& info = KindInfoOf(kind);

        for (auto& slot : list) {
            if (size == 0)
                break;
            // An empty slot is stored as a deleted object so later indexes keep their place.
            std::unique_ptr<TUVAoggetto> placeholder;
            TUVAoggetto* obj = slot.get();
            if (!obj) {
                placeholder = TUVAoggetto::CreateCleared(&m_doc, kind);
                obj = placeholder.get();
            }
            if (kind == testoHtml && !obj->IsDeleted())
                UpgradeLegacyPageText(static_cast<TUVAtesto&>(*obj));
            RecordImage image = obj->Record();
            records::RecordView rec(image.data());

            if (!obj->IsDeleted()) {
                if (what.frameSetHtml) {
                    Block html;
                    html.from = Block::From::Text;
                    if (FrameSetHtml())
                        html.text = FrameSetHtml()(*obj);
                    html.length = html.text.size();
                    const auto [pos, len] = addBlock(std::move(html));
                    records::FrameMapRecord(image.data()).SetHtmlBlock(pos, len);
                }
                if (what.content) {
                    Block c = contentBlock(*obj);
                    if (kind == tabellaHtml && c.length > records::TableRecord::kMaxContentLength) {
                        // Never cut a table's cell data to fit the 16-bit length field.
                        errors.push_back(kErrorWriting);
                        c = Block{};
                    }
                    const auto [pos, len] = addBlock(std::move(c));
                    rec.SetI32(static_cast<std::size_t>(info.contentPos), pos);
                    if (kind == tabellaHtml)
                        records::TableRecord(image.data()).SetContentLength(static_cast<std::size_t>(len));
                    else
                        rec.SetI32(static_cast<std::size_t>(info.contentLen), len);
                }
                if (what.properties) {
                    const auto [pos, len] = addBlock(propertiesBlock(*obj));
                    rec.SetI32(static_cast<std::size_t>(info.propertiesPos), pos);
                    rec.SetI32(static_cast<std::size_t>(info.propertiesLen), len);
                }
            }
            records.insert(records.end(), image.begin(), image.begin() + size);
        }
    }
    if (!positionsFit)
        errors.push_back(kErrorWriting);

    plan.head.reserve(kHeaderSize + table.size() + 4 + records.size());
    plan.head.assign(m_header.begin(), m_header.end());
    plan.head.insert(plan.head.end(), table.begin(), table.end());
    PutI32(plan.head, static_cast<std::int32_t>(records.size()));
    plan.head.insert(plan.head.end(), records.begin(), records.end());
    return errors.empty();
}

bool UvaFileWriter::WriteBlock(OutputFile& out, const Block& block)
{
    switch (block.from) {
    case Block::From::Memory:
        return out.Write(std::span<const std::uint8_t>(block.bytes->data(), block.length));
    case Block::From::Text:
        return out.Write(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(block.text.data()),
                                                        block.text.size()));
    case Block::From::Disk: {
        if (auto* file = dynamic_cast<BackingFile*>(block.source.get()))
            return out.CopyFrom(file->Descriptor(), block.offset, block.length);
        // Another kind of source: through memory, a piece at a time.
        constexpr std::uint64_t kPiece = 1 << 20;
        std::vector<std::uint8_t> piece;
        for (std::uint64_t done = 0; done < block.length; done += piece.size()) {
            const auto n = static_cast<std::size_t>(std::min(kPiece, block.length - done));
            if (!block.source || !block.source->Read(block.offset + done, n, piece) || piece.size() != n) {
                m_doc.Errors().push_back(kErrorOpening + (block.source ? block.source->Name() : std::string()));
                return false;
            }
            if (!out.Write(piece))
                return false;
        }
        return true;
    }
    case Block::From::External: {
        const int fd = ::open(block.path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            m_doc.Errors().push_back(kErrorOpening + block.path);
            return false;
        }
        struct stat st {};
        const bool sizeKept = ::fstat(fd, &st) == 0 && static_cast<std::uint64_t>(st.st_size) == block.length;
        const bool ok = sizeKept && out.CopyFrom(fd, 0, block.length);
        ::close(fd);
        if (!sizeKept)
            m_doc.Errors().push_back(kErrorOpening + block.path);
        return ok;
    }
    }
    return false;
}

bool UvaFileWriter::Write(OutputFile& out)
{
    Plan plan;
    if (!BuildPlan(plan))
        return false;
    const std::size_t errorsBefore = m_doc.Errors().size();
    bool ok = out.Write(plan.head);
    for (const Block& block : plan.blocks) {
        if (!ok)
            break;
        ok = WriteBlock(out, block);
    }
    if (!ok && m_doc.Errors().size() == errorsBefore)
        m_doc.Errors().push_back(kErrorWriting);
    return ok && m_doc.Errors().empty();
}

} // namespace quor
