// MarkupReaderFuzz.cpp: arbitrary bytes through the markup reader; whatever reads
// is written and read again, and a second writing must read back unchanged. The
// same bytes taken as version-1 text must convert into markup that reads.
#include "base/IFontMetrics.h"
#include "model/ParagraphStyle.h"
#include "textengine/EmbeddedControl.h"
#include "textengine/MarkupReader.h"
#include "textengine/MarkupWriter.h"
#include "textengine/Version1Converter.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace quor;

class Control : public IEmbeddedControl {
public:
    Control(std::uint32_t number, int kind, int cells) : m_number(number), m_kind(kind), m_cells(cells) {}
    std::uint32_t RegistryNumber() const override { return m_number; }
    int ObjectKind() const override { return m_kind; }
    int Width() const override { return 30; }
    int Height() const override { return 20; }
    int CellCount() const override { return static_cast<int>(m_cells.size()); }
    ParagraphList* CellParagraphs(int cell) override
    {
        return cell >= 0 && cell < CellCount() ? &m_cells[static_cast<std::size_t>(cell)] : nullptr;
    }
    void Reset()
    {
        for (auto& c : m_cells)
            c.clear();
    }

private:
    std::uint32_t m_number;
    int m_kind;
    std::vector<ParagraphList> m_cells;
};

class Registry : public IControlRegistry {
public:
    IEmbeddedControl* FindControl(std::uint32_t number) override
    {
        switch (number) {
        case 1: return &table;
        case 2: return &inner;
        case 3: return &picture;
        default: return nullptr;
        }
    }
    Control table{1, kObjectKindTable, 2};
    Control inner{2, kObjectKindTable, 1};
    Control picture{3, kObjectKindPicturePlacement, 0};
};

// Every reference exists; kind 8 is a 2 x 2 table, kinds 5/6 make placements.
class Version1Objects : public IVersion1Objects {
public:
    std::int32_t PageTextColour() const override { return 0x123456; }
    std::int32_t PageLinkColour() const override { return 0xFF0000; }
    bool Exists(std::int32_t ref) const override { return (ref & 1) == 0; }
    std::int32_t ConvertedAttachment(std::int32_t ref) override { return (ref & 2) ? -1 : 0x03000001; }
    std::int32_t MakePlacement(std::int32_t ref) override { return 0x10000000 + (ref & 0xFF); }
    std::int32_t ConvertFormInput(std::int32_t ref) override { return (ref & 4) ? 0x0B000002 : -1; }
    std::optional<TableShape> Table(std::int32_t ref) const override
    {
        if ((ref >> 24) != 8)
            return std::nullopt;
        return TableShape{2, 2, ref & 3};
    }
};

void CheckAll(const ParagraphList& pars)
{
    for (const auto& p : pars)
        if (!p || !p->Check())
            std::abort();
}

std::string WriteAll(const ParagraphList& pars)
{
    std::string out;
    MarkupWriter::WriteParagraphs(pars, out);
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static StyleTable styles;
    static FixedMetrics metrics(7, 11, 3);
    static Registry registry;
    registry.table.Reset();
    registry.inner.Reset();

    MarkupReadOptions opts;
    opts.styles = &styles;
    opts.metrics = &metrics;
    opts.controls = &registry;
    opts.mode = size > 0 && (data[0] & 1) ? 1 : 0;

    // The reader gets exactly the input bytes: anything read beyond them is a fault.
    const std::string_view markup(reinterpret_cast<const char*>(data), size);
    const ParagraphList first = MarkupReader::ReadAll(markup, opts);
    CheckAll(first);

    // Box-style reading stops at cell ends and must not loop.
    {
        ParagraphList box;
        MarkupCursor cur{markup, 0};
        MarkupReader::ReadParagraphs(box, cur, ParagraphKind::Own, nullptr, opts);
        CheckAll(box);
        if (cur.pos > size)
            std::abort();
    }

    // Every writer mode on every paragraph, over a few ranges.
    for (const auto& p : first) {
        for (int mode = mwWhole; mode <= mwSnapshot; ++mode) {
            std::string out;
            MarkupWriter::WriteParagraph(*p, out, static_cast<MarkupWriteMode>(mode));
            MarkupWriter::WriteParagraph(*p, out, static_cast<MarkupWriteMode>(mode), p->Length() / 2 + 1,
                                         p->Length() / 3);
        }
    }

    const std::string once = WriteAll(first);
    const ParagraphList second = MarkupReader::ReadAll(once, opts);
    CheckAll(second);
    const std::string twice = WriteAll(second);
    // The first writing may still change values (bytes above 127 are written
    // AND 127); from then on reading and writing must be a fixed point.
    const ParagraphList third = MarkupReader::ReadAll(twice, opts);
    CheckAll(third);
    if (opts.mode == 0 && WriteAll(third) != twice)
        std::abort();

    Version1Objects v1;
    const std::string converted = Version1Converter::Convert(markup, v1);
    if (converted.empty() || converted.find('\0') != converted.size() - 1)
        std::abort();
    CheckAll(MarkupReader::ReadAll(converted, opts));
    return 0;
}
