// Version1Converter.cpp: the old tag language (a small HTML-like set) to markup.
#include "textengine/Version1Converter.h"

#include "textengine/MarkupEntities.h"
#include "textengine/MarkupLexer.h"
#include "textengine/MarkupWriter.h"

#include <algorithm>
#include <vector>

namespace quor {

namespace {

constexpr std::int32_t kNoRef = -1;

std::string RefTag(std::int32_t ref)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string s = "<$";
    const auto v = static_cast<std::uint32_t>(ref);
    for (int i = 7; i >= 0; --i)
        s.push_back(kDigits[(v >> (4 * i)) & 0xF]);
    s.push_back('>');
    return s;
}

bool IsLinkKind(int kind) { return kind == 1 || kind == 3 || kind == 7 || kind == 10; }

bool MarksWritten(int kind) { return kind == 11 || kind == 16 || (kind >= 20 && kind <= 24); }

class Converter {
public:
    Converter(std::string_view text, IVersion1Objects& objects) : m_text(text), m_objects(objects)
    {
        m_textColour = objects.PageTextColour();
        m_linkColour = objects.PageLinkColour();
        ResetFont();
    }

    std::string Run();

private:
    char At(std::size_t i) const { return i < m_text.size() ? m_text[i] : '\0'; }

    void ResetFont()
    {
        m_colour = m_textColour;
        m_size = 12;
        m_name = "Times New Roman";
        m_bold = false;
        m_italic = false;
        m_position = 0;
    }
    void FontChange() { m_pending = true; }
    void RunTag();
    void NewParagraph();
    void Tag(std::size_t start, std::size_t end);
    void Reference(std::string_view tag);
    void EndCell(bool fromF);

    std::string_view m_text;
    IVersion1Objects& m_objects;
    std::string m_out;

    std::int32_t m_textColour = 0;
    std::int32_t m_linkColour = 0;
    std::int32_t m_colour = 0;
    int m_size = 12;
    std::string m_name;
    bool m_bold = false;
    bool m_italic = false;
    int m_position = 0;
    bool m_pending = false;
    int m_alignment = 0;
    int m_tableAlignment = 0;
    int m_leftIndent = 0;
    int m_openCells = 0;
    std::vector<int> m_alignments;
    bool m_written = false;
};

void Converter::RunTag()
{
    m_out += "<Y c";
    m_out += MarkupWriter::ColourHex(m_colour);
    m_out += " F\"";
    m_out += m_name;
    m_out += "\" s";
    m_out += std::to_string(m_size);
    m_out += " y";
    m_out += std::to_string((m_bold ? 1 : 0) | (m_italic ? 2 : 0));
    m_out += " p";
    m_out += std::to_string(m_position);
    m_out += " >";
    m_pending = false;
}

void Converter::NewParagraph()
{
    m_out += m_openCells > 0 ? "<Z S1 " : "<Z S0 ";
    m_out += "A" + std::to_string(m_alignment) + " ";
    if (m_leftIndent > 0)
        m_out += "l" + std::to_string(m_leftIndent) + " ";
    m_out += "C" + MarkupWriter::ColourHex(m_linkColour) + " >";
    m_written = false;
    RunTag();
}

void Converter::EndCell(bool fromF)
{
    m_openCells = std::max(0, m_openCells - 1);
    if (fromF) {
        m_alignment = m_tableAlignment;
    } else if (!m_alignments.empty()) {
        m_alignment = m_alignments.back();
        m_alignments.pop_back();
    }
    // The font and indent go back first, so that the paragraph written next
    // states the font its text is read with.
    ResetFont();
    m_leftIndent = 0;
    m_out += "<T>";
    NewParagraph();
}

void Converter::Reference(std::string_view tag)
{
    // Characters that are not hex digits count as 0, as the markup reader reads them.
    const std::uint32_t v = MarkupLexer(tag, tag.size()).RefValue(0);
    std::int32_t ref = static_cast<std::int32_t>(v);
    const int kind = static_cast<int>(v >> 24);

    std::string written;
    int newKind = kind;
    if (kind == 2) {
        ref = m_objects.ConvertedAttachment(ref);
        if (ref == kNoRef)
            ref = 0;
        newKind = static_cast<int>(static_cast<std::uint32_t>(ref) >> 24);
        written = RefTag(ref);
    } else if (kind == 5 || kind == 6) {
        const std::int32_t placement = m_objects.MakePlacement(ref);
        if (placement != kNoRef) {
            ref = placement;
            newKind = 16;
            written = RefTag(ref);
        }
    } else if (kind == 20) {
        const std::int32_t copy = m_objects.ConvertFormInput(ref);
        if (copy != kNoRef) {
            ref = copy;
            newKind = 11;
            written = RefTag(ref);
        }
    }
    if (written.empty()) {
        written = std::string(tag.substr(0, std::min<std::size_t>(11, tag.size())));
        // A longer tag cut at 11 characters would lose its ">" and swallow the
        // text up to the next one when read.
        if (tag.size() > 11 && written.back() != '>')
            written.back() = '>';
    }

    const bool exists = m_objects.Exists(ref);
    const auto table = newKind == 8 && exists ? m_objects.Table(ref) : std::nullopt;
    if (exists && !IsLinkKind(newKind) && m_pending)
        RunTag();
    if (table) {
        m_alignments.push_back(m_alignment);
        if (m_written)
            NewParagraph();
    }
    m_out += written;
    if (MarksWritten(newKind))
        m_written = true;
    if (table) {
        m_alignment = table->alignment == 0 ? 0 : (table->alignment == 1 ? 1 : 2);
        m_tableAlignment = m_alignment;
        const long long cells = static_cast<long long>(std::max(0, table->rows)) * std::max(0, table->columns);
        m_openCells = static_cast<int>(std::min<long long>(m_openCells + cells, 1 << 30));
        ResetFont();
        NewParagraph();
    }
}

void Converter::Tag(std::size_t start, std::size_t end)
{
    // Positions in the old tag count from 1 at the "<".
    const std::string_view tag = m_text.substr(start, end - start);
    auto ch = [&](std::size_t n) { return n >= 1 && n <= tag.size() ? tag[n - 1] : '\0'; };
    const char letter = ch(2);
    switch (letter) {
    case 'B':
        if (ch(3) == '>') {
            m_bold = true;
            FontChange();
        } else {
            NewParagraph();
        }
        return;
    case 'C':
        m_alignment = 2;
        NewParagraph();
        return;
    case 'D':
        if (ch(3) == 'I') {
            m_alignment = ch(12) == 'R' ? 1 : 0;
            NewParagraph();
            return;
        }
        break;
    case 'F':
        if (ch(7) == 'C') {
            m_colour = MarkupLexer::Colour(tag.substr(std::min<std::size_t>(13, tag.size())));
            FontChange();
            return;
        }
        if (ch(7) == 'S') {
            static constexpr int kSizes[7] = {8, 10, 12, 14, 19, 27, 34};
            const char d = ch(12);
            if (d >= '1' && d <= '7')
                m_size = kSizes[d - '1']; // other digits keep the size
            FontChange();
            return;
        }
        break;
    case 'I':
        m_italic = true;
        FontChange();
        return;
    case 'L':
        NewParagraph();
        return;
    case 'P':
        m_name = "Courier New";
        FontChange();
        return;
    case 'T':
        if (ch(3) == 'T') {
            m_name = "Courier New";
            FontChange();
            return;
        }
        if (ch(3) == 'E' || ch(3) == 'F') {
            EndCell(ch(3) == 'F');
            return;
        }
        break;
    case 'U':
        m_leftIndent += 40;
        NewParagraph();
        return;
    case '/':
        if (ch(3) == 'B' || ch(3) == 'I') {
            (ch(3) == 'B' ? m_bold : m_italic) = false;
            FontChange();
            return;
        }
        if (ch(3) == 'P' || (ch(3) == 'T' && ch(4) == 'T')) {
            m_name = "Times New Roman";
            FontChange();
            return;
        }
        if (ch(3) == 'U') {
            m_leftIndent = std::max(0, m_leftIndent - 40);
            NewParagraph();
            return;
        }
        break;
    case '%':
        m_out += "<%>";
        return;
    case '$':
        Reference(tag);
        return;
    default:
        break;
    }
    // Any other tag is copied for the reader to ignore, except those whose letter
    // the reader acts on: a paragraph or run header, a cell end, or the start of a
    // skipped block (which would hide the rest of the page).
    switch (letter) {
    case 'D': case 'F': case 'R': case 'T': case 'Y': case 'Z':
        return;
    default:
        m_out += tag;
    }
}

std::string Converter::Run()
{
    m_out = "<Z S0 C" + MarkupWriter::ColourHex(m_linkColour) + " >";
    const MarkupLexer lex(m_text);
    const std::size_t end = lex.End();
    std::size_t i = 0;
    while (i < end) {
        const char c = m_text[i];
        if (c == '<') {
            const std::size_t tagEnd = lex.AfterClose(i + 1);
            Tag(i, tagEnd);
            i = tagEnd;
            continue;
        }
        if (static_cast<unsigned char>(c) < 0x20) {
            ++i;
            continue;
        }
        std::size_t len = 1;
        if (c == '&')
            len = MarkupEntities::Decode(m_text.substr(i, end - i)).consumed;
        if (m_pending)
            RunTag();
        m_out.append(m_text.substr(i, len));
        m_written = true;
        i += len;
    }
    m_out.push_back('\0');
    return m_out;
}

} // namespace

std::string Version1Converter::Convert(std::string_view oldText, IVersion1Objects& objects)
{
    Converter c(oldText, objects);
    return c.Run();
}

} // namespace quor
