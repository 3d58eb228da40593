// MarkupWriter.cpp: paragraph headers, run tags, links, objects and escaped text.
#include "textengine/MarkupWriter.h"

#include "textengine/EmbeddedControl.h"
#include "textengine/MarkupEntities.h"

#include <algorithm>
#include <vector>

namespace quor {

namespace {

// Tables whose cells are being written; a table found inside its own cells is
// written as its tag only instead of recursing for ever.
constexpr int kMaxTableDepth = 32;

struct WriteState {
    std::vector<const IEmbeddedControl*> openTables;
};

void WriteParagraphImpl(const TUVAparag& par, std::string& out, MarkupWriteMode mode, int end, int start,
                        WriteState& state);

void Hex(std::string& out, std::uint32_t v, int digits, const char* alphabet)
{
    for (int i = digits - 1; i >= 0; --i)
        out.push_back(alphabet[(v >> (4 * i)) & 0xF]);
}

constexpr const char* kLower = "0123456789abcdef";

void Colour(std::string& out, char letter, std::int32_t colour)
{
    out.push_back(letter);
    out += MarkupWriter::ColourHex(colour);
    out.push_back(' ');
}

void Number(std::string& out, const char* letters, std::int64_t v)
{
    out += letters;
    out += std::to_string(v);
    out.push_back(' ');
}

void Name(std::string& out, const std::string& name)
{
    out += "F\"";
    out += name;
    out += "\" ";
}

// The overridden font attributes c, F, s, y, p of a run font.
void RunAttributes(std::string& out, const TUVAFontStyle& f)
{
    if (f.Overrides(kFontAttrColour))
        Colour(out, 'c', f.OwnColour());
    if (f.Overrides(kFontAttrName))
        Name(out, f.OwnName());
    if (f.Overrides(kFontAttrSize))
        Number(out, "s", f.OwnSize());
    if (f.Overrides(kFontAttrStyle))
        Number(out, "y", f.OwnStyle());
    if (f.Overrides(kFontAttrPosition))
        Number(out, "p", f.OwnPosition());
}

void FullRunTag(std::string& out, const TMyFont& f)
{
    out += "<Y ";
    Colour(out, 'c', f.colour);
    Name(out, f.name);
    Number(out, "s", f.size);
    Number(out, "y", f.style);
    Number(out, "p", f.position);
    out += ">";
}

void Header(std::string& out, const TUVAParaStyle& st)
{
    out += "<Z S";
    out += std::to_string(st.StyleId());
    out.push_back(' ');
    if (st.Overrides(kParaColour))
        Colour(out, 'c', st.OwnInt(kParaColour));
    if (st.Overrides(kParaName))
        Name(out, st.OwnName());
    if (st.Overrides(kParaSize))
        Number(out, "s", st.OwnInt(kParaSize));
    if (st.Overrides(kParaStyle))
        Number(out, "y", st.OwnInt(kParaStyle));
    if (st.Overrides(kParaPosition))
        Number(out, "p", st.OwnInt(kParaPosition) & 127);
    if (st.Overrides(kParaReserved))
        Number(out, "P", st.OwnInt(kParaReserved) & 127);
    if (st.Overrides(kParaAlignment))
        Number(out, "A", st.OwnInt(kParaAlignment) & 127);
    if (st.Overrides(kParaNumbering))
        Number(out, "N", st.OwnInt(kParaNumbering) & 127);
    if (st.Overrides(kParaUnit))
        Number(out, "M", st.OwnInt(kParaUnit) & 127);
    if (st.Overrides(kParaLineHeight))
        Number(out, "L", st.OwnInt(kParaLineHeight));
    if (st.Overrides(kParaFirstIndent))
        Number(out, "I", st.OwnInt(kParaFirstIndent));
    if (st.Overrides(kParaLeftIndent))
        Number(out, "l", st.OwnInt(kParaLeftIndent));
    if (st.Overrides(kParaRightIndent))
        Number(out, "r", st.OwnInt(kParaRightIndent));
    if (st.Overrides(kParaSpaceAbove))
        Number(out, "t", st.OwnInt(kParaSpaceAbove));
    if (st.Overrides(kParaSpaceBelow))
        Number(out, "b", st.OwnInt(kParaSpaceBelow));
    if (st.Overrides(kParaLinkColour))
        Colour(out, 'C', st.OwnInt(kParaLinkColour));
    if (st.Overrides(kParaLinkSize))
        Number(out, "S", st.OwnInt(kParaLinkSize));
    if (st.Overrides(kParaLinkStyle))
        Number(out, "Y", st.OwnInt(kParaLinkStyle));
    out += ">";
}

void WriteCells(IEmbeddedControl& table, std::string& out, WriteState& state)
{
    const bool open =
        std::find(state.openTables.begin(), state.openTables.end(), &table) != state.openTables.end();
    if (open || static_cast<int>(state.openTables.size()) >= kMaxTableDepth)
        return;
    state.openTables.push_back(&table);
    const int cells = table.CellCount();
    for (int c = 0; c < cells; ++c) {
        const ParagraphList* list = table.CellParagraphs(c);
        bool wrote = false;
        if (list) {
            for (const auto& p : *list) {
                if (p) {
                    WriteParagraphImpl(*p, out, mwWhole, -1, 0, state);
                    wrote = true;
                }
            }
        }
        // A bare "<T>" would read back as a header and pull the following text
        // into the cell; a cell without paragraphs is written as an empty one.
        if (!wrote)
            out += "<Z S1 >";
        out += "<T>";
    }
    state.openTables.pop_back();
}

void WriteParagraphImpl(const TUVAparag& par, std::string& out, MarkupWriteMode mode, int end, int start,
                        WriteState& state)
{
    const int len = par.Length();
    if (end < 0 || end > len)
        end = len;
    start = std::clamp(start, 0, end);
    // Snapshots write the whole paragraph; start..end only selects the tables
    // that carry their cell texts.
    const int tableStart = start;
    const int tableEnd = end;
    if (mode == mwSnapshot) {
        start = 0;
        end = len;
    }

    const TUVAParaStyle& st = par.Style();
    if (par.IsTableParagraph() || mode != mwContinue) {
        Header(out, st);
    } else {
        FullRunTag(out, st.EffectiveFont());
    }

    const auto& recs = par.Records();
    const auto& fonts = par.RunFonts();
    TMyFont current = st.EffectiveFont();
    std::int32_t prevLink = -1;
    std::size_t lastRunTag = std::string::npos; // where the loop's last run tag starts, while nothing follows it

    for (int i = 0; i < end; ++i) {
        const TCharRec& rec = recs[static_cast<std::size_t>(i)];
        if (rec.runFont >= 0 && rec.runFont < static_cast<int>(fonts.size())) {
            const TUVAFontStyle& rf = fonts[static_cast<std::size_t>(rec.runFont)];
            current = rf.Effective();
            if (i >= start) {
                if (lastRunTag != std::string::npos)
                    out.erase(lastRunTag);
                lastRunTag = out.size();
                out += "<Y ";
                RunAttributes(out, rf);
                out += ">";
            }
        } else if (i > 0 && i == start) {
            lastRunTag = out.size();
            FullRunTag(out, current);
        }
        if (rec.link != prevLink && i >= start) {
            if (rec.link == -1) {
                out += "<%>";
            } else {
                out += "<$";
                Hex(out, static_cast<std::uint32_t>(rec.link), 8, kLower);
                out += ">";
            }
            prevLink = rec.link;
        }
        if (i < start)
            continue;
        lastRunTag = std::string::npos;
        if (const EmbeddedObject* obj = par.ObjectAt(i)) {
            const std::uint32_t number = obj->control ? obj->control->RegistryNumber() : obj->number;
            out += "<$FF";
            Hex(out, number & 0xFFFFFF, 6, kLower);
            out += ">";
            if (obj->kind == kObjectKindTable && obj->control) {
                if (mode == mwWhole || (mode == mwSnapshot && i >= tableStart && i < tableEnd))
                    WriteCells(*obj->control, out, state);
                else if (mode == mwSnapshot)
                    out += "<@>";
            }
            continue;
        }
        const char c = par.Text()[static_cast<std::size_t>(i)];
        if (c == '\0')
            continue; // a NUL would end the stored markup and lose everything after it
        MarkupEntities::AppendEscaped(out, c);
    }
    if (prevLink != -1)
        out += "<%>";
}

} // namespace

std::string MarkupWriter::ColourHex(std::int32_t colour)
{
    const auto v = static_cast<std::uint32_t>(colour);
    std::string s;
    Hex(s, v & 0xFF, 2, "0123456789ABCDEF");
    Hex(s, (v >> 8) & 0xFF, 2, "0123456789ABCDEF");
    Hex(s, (v >> 16) & 0xFF, 2, "0123456789ABCDEF");
    return s;
}

void MarkupWriter::WriteParagraph(const TUVAparag& par, std::string& out, MarkupWriteMode mode, int end, int start)
{
    WriteState state;
    WriteParagraphImpl(par, out, mode, end, start, state);
}

void MarkupWriter::WriteParagraphs(const ParagraphList& pars, std::string& out, std::size_t first, std::size_t last)
{
    last = std::min(last, pars.size());
    for (std::size_t i = first; i < last; ++i)
        if (pars[i])
            WriteParagraph(*pars[i], out, mwWhole);
}

std::string MarkupWriter::SaveBoxText(const ParagraphList& pars, std::size_t headerCount, std::size_t footerCount)
{
    std::string out;
    const std::size_t n = pars.size();
    const std::size_t first = std::min(headerCount, n);
    const std::size_t last = footerCount >= n - first ? first : n - footerCount;
    WriteParagraphs(pars, out, first, last);
    out.push_back('\0');
    return out;
}

} // namespace quor
