// HtmlBodyWriter.cpp: page markup to HTML body text.
#include "conversion/HtmlBodyWriter.h"

#include "conversion/HtmlText.h"
#include "conversion/SpecialLinkHtml.h"
#include "conversion/TUVAtoHtml.h"
#include "model/ObjectKind.h"
#include "model/PageTextUpgrade.h"
#include "model/ParagraphStyle.h"
#include "model/TUVAset.h"
#include "model/TUVAtesto.h"
#include "model/Units.h"
#include "model/records/ButtonRecord.h"
#include "model/records/FormInputRecord.h"
#include "model/records/FormStartRecord.h"
#include "model/records/MultimediaRecord.h"
#include "model/records/PageRecord.h"
#include "model/records/PlacementRecord.h"
#include "model/records/ShortObjectRecord.h"
#include "model/records/TableRecord.h"
#include "textengine/MarkupEntities.h"
#include "textengine/MarkupLexer.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <optional>

namespace quor {

namespace {

constexpr std::array<std::string_view, 4> kAlignmentNames = {"left", "right", "center", "justify"};
constexpr std::array<std::string_view, 6> kUnitNames = {"cm", "mm", "in", "pt", "pc", "px"};
constexpr std::array<std::string_view, 6> kImageAlignments = {"LEFT", "RIGHT", "CENTER", "TOP", "MIDDLE", "BOTTOM"};
constexpr std::array<std::string_view, 3> kCellAlignments = {"TOP", "MIDDLE", "BOTTOM"};
constexpr std::array<std::string_view, 4> kFrameTargets = {"_top ", "_self ", "_parent ", "_blank "};
constexpr std::array<std::string_view, 4> kButtonTypes = {"", "submit", "image", "reset"};
constexpr std::array<std::string_view, 3> kFormMethods = {"", "GET", "POST"};
constexpr std::array<int, 7> kHtmlFontSizes = {8, 10, 12, 14, 19, 27, 34};
constexpr std::string_view kQuickTimeUrl = "http://www.apple.com/quicktime/download/";
constexpr std::string_view kPictureInText = "bug: ogg immagine non deve + esser presente qui";

// Pages included into pages through "!RefP:" references, at most.
constexpr std::size_t kMaxNestedBodies = 16;

constexpr std::uint8_t kBold = 1, kItalic = 2, kUnderline = 4, kStrike = 8;

char At(std::string_view t, std::size_t i) { return i < t.size() ? t[i] : '\0'; }

std::string Upper(std::string_view s)
{
    std::string out(s);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

// A font face placed in a single-quoted style attribute.
std::string StyleFace(std::string_view face)
{
    std::string out;
    for (char ch : html::EscapeAttribute(face)) {
        if (ch == '\'')
            out += "&#39;";
        else
            out += ch;
    }
    return out;
}

// Reads the attributes of a markup tag as the markup reader does (MarkupLexer):
// each a letter, a value and a space, looked for only at the current position.
class AttributeReader {
public:
    AttributeReader(const MarkupLexer& lex, std::size_t pos) : m_lex(lex), m_p(pos) {}

    std::optional<std::int32_t> Int(char letter) { return m_lex.Decimal(m_p, letter); }
    std::optional<std::int32_t> Colour(char letter) { return m_lex.Colour(m_p, letter); }
    std::optional<std::string> Face() { return m_lex.FontName(m_p); }
    // Index just after the tag's ">" (or the end of the text).
    std::size_t End() const { return m_lex.AfterClose(m_p); }

private:
    const MarkupLexer& m_lex;
    std::size_t m_p;
};

// The font attributes of a run tag or paragraph header: c, F", s, i, g, y, p.
void ReadFontAttributes(AttributeReader& in, TMyFont& font)
{
    if (const auto c = in.Colour('c'))
        font.colour = *c;
    if (auto f = in.Face())
        font.name = std::move(*f);
    if (const auto s = in.Int('s'))
        font.size = *s;
    if (const auto i = in.Int('i'))
        font.style = static_cast<std::uint8_t>(*i == 1 ? (font.style | kItalic) : (font.style & ~kItalic));
    if (const auto g = in.Int('g'))
        font.style = static_cast<std::uint8_t>(*g == 1 ? (font.style | kBold) : (font.style & ~kBold));
    if (const auto y = in.Int('y'))
        font.style = static_cast<std::uint8_t>(*y & 15);
    if (const auto p = in.Int('p'))
        font.position = static_cast<std::uint8_t>(*p);
}

void OpenFormatting(std::string& out, std::uint8_t style, std::uint8_t position)
{
    if (style & kBold)
        out += "<B>";
    if (style & kItalic)
        out += "<I>";
    if (position == 1)
        out += "<SUB>";
    else if (position == 2)
        out += "<SUP>";
}

void ClosePosition(std::string& out, std::uint8_t position)
{
    if (position == 1)
        out += "</SUB>";
    else if (position == 2)
        out += "</SUP>";
}

std::string Num(long long v) { return std::to_string(v); }

// Title of a link target for TITLE and ALT texts.
std::string TargetTitle(TUVAoggetto& target)
{
    if (target.Kind() == testoHtml)
        return static_cast<TUVAtesto&>(target).Title();
    const std::string d = target.GetDescription();
    return d.substr(0, d.find('|'));
}

bool IsLinkKind(int kind)
{
    return kind == testoHtml || kind == internetLink || kind == zipLink || kind == genLink || kind == programma ||
           kind == speclink;
}

// A comment's text can never close the comment early.
std::string CommentSafe(std::string s)
{
    std::size_t pos = 0;
    while ((pos = s.find("--", pos)) != std::string::npos)
        s.replace(pos, 2, "- -");
    return s;
}

// The pairs of lines of a property text at `offset`: i32 line count, then
// lines ended by CR LF, CR or LF, taken in pairs (a trailing odd line is
// ignored); names are compared in lower case.
std::vector<std::pair<std::string, std::string>> NamedLines(const std::vector<std::uint8_t>& b, std::size_t offset)
{
    std::vector<std::pair<std::string, std::string>> pairs;
    if (offset + 4 > b.size())
        return pairs;
    const std::int64_t count = static_cast<std::int32_t>(b[offset] | (b[offset + 1] << 8) | (b[offset + 2] << 16) |
                                                         (static_cast<std::uint32_t>(b[offset + 3]) << 24));
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t k = offset + 4; k < b.size(); ++k) {
        const char c = static_cast<char>(b[k]);
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && k + 1 < b.size() && b[k + 1] == '\n')
                ++k;
        } else {
            line += c;
        }
    }
    if (!line.empty())
        lines.push_back(line);
    const std::size_t used = static_cast<std::size_t>(std::clamp<std::int64_t>(count, 0, static_cast<std::int64_t>(lines.size())));
    for (std::size_t k = 0; k + 1 < used; k += 2)
        pairs.emplace_back(html::LowerAscii(lines[k]), lines[k + 1]);
    return pairs;
}

const std::string* Find(const std::vector<std::pair<std::string, std::string>>& pairs, const std::string& name)
{
    for (const auto& [n, v] : pairs) {
        if (n == name)
            return &v;
    }
    return nullptr;
}

} // namespace

// The value of property `name` of a custom-object instance, as its template
// writes it: colours as six digits, objects by their file name, no text for
// properties of type 0 or 10 and above, other values as they are.
std::string HtmlBodyWriter::PropertyValue(TUVAoggetto& instance,
                                          const std::vector<std::pair<std::string, std::string>>& types,
                                          const std::vector<std::pair<std::string, std::string>>& values,
                                          const std::string& name)
{
    (void)instance;
    const std::string* typeText = Find(types, name);
    if (!typeText)
        return {};
    const int type = MarkupLexer::Decimal(*typeText);
    const std::string* found = Find(values, name);
    const std::string value = found ? *found : std::string();
    if (type <= 0 || type >= 10)
        return {};
    if (type == 3)
        return value.size() >= 7 ? value.substr(1, 6) : std::string("000000");
    if (type >= 6 && type <= 8) {
        TUVAoggetto* ref = value.empty() ? nullptr : m_doc->GetObjectByRef(MarkupLexer::Decimal(value));
        if (!ref || ref->IsDeleted())
            return {};
        AddResource(ref);
        return m_conv.ExportedName(ref, kPageFile);
    }
    return value;
}

HtmlBodyWriter::HtmlBodyWriter(TUVAtoHtml& converter, HtmlFileContext& context)
    : m_conv(converter), m_ctx(context), m_doc(converter.LinkedUVAset)
{
}

std::string HtmlBodyWriter::FontSizeCode(int points)
{
    static constexpr std::array<std::string_view, 7> kCodes = {"-2", "-1", "+0", "+1", "+2", "+3", "+4"};
    for (std::size_t i = 0; i < kHtmlFontSizes.size(); ++i) {
        if (kHtmlFontSizes[i] >= points)
            return std::string(kCodes[i]);
    }
    return "+4";
}

std::string HtmlBodyWriter::Length(std::int32_t pixels) const
{
    const int unit = m_states.Current().unit;
    const bool known = unit >= 0 && unit < static_cast<int>(kUnitNames.size());
    const float value = known ? PixelsToUnit(pixels, unit, m_conv.PixelsPerInch) : static_cast<float>(pixels);
    return Num(std::lround(value)) + std::string(known ? kUnitNames[static_cast<std::size_t>(unit)] : "px");
}

void HtmlBodyWriter::AddResource(TUVAoggetto* object)
{
    if (!object || !m_ctx.resources || object->IsDeleted())
        return;
    if (object->Kind() == immagineNew) {
        AddResource(m_doc ? m_doc->GetObject(immagine, object->I32(0)) : nullptr);
        return;
    }
    // Only stored files are written: pictures and attached files.
    if (object->Kind() == immagine || object->Kind() == genLink)
        m_ctx.resources->Add(object);
}

// A picture named by an i32 field: a bare index of a picture, or an ObjectRef
// of a picture or picture placement.
TUVAoggetto* HtmlBodyWriter::Picture(std::int32_t value)
{
    if (!m_doc || value < 0)
        return nullptr;
    TUVAoggetto* obj = RefKind(value) == 0 ? m_doc->GetObject(immagine, value) : m_doc->GetObjectByRef(value);
    if (!obj || obj->IsDeleted())
        return nullptr;
    if (obj->Kind() == immagineNew) {
        obj = m_doc->GetObject(immagine, obj->I32(0));
        if (!obj || obj->IsDeleted())
            return nullptr;
    }
    return obj->Kind() == immagine ? obj : nullptr;
}

// ---------------------------------------------------------------------------
// Passes and the text walk

void HtmlBodyWriter::WriteBody(std::string& out, int mode, TUVAtesto* page)
{
    if (!page || !m_doc)
        return;
    // A page never includes itself, and inclusions stop at a fixed depth.
    if (m_ctx.bodyChain.size() >= kMaxNestedBodies)
        return;
    for (const TUVAtesto* p : m_ctx.bodyChain) {
        if (p == page)
            return;
    }
    m_ctx.bodyChain.push_back(page);
    m_page = page;
    UpgradeLegacyPageText(*page);

    if (mode == kBodyTagAndContent || mode == kBodyTagOnly) {
        const records::ConstPageRecord rec(page->Record().data());
        out += "<BODY";
        if (TUVAoggetto* bg = Picture(rec.BackgroundImage()); bg && rec.BackgroundImage() >= 0) {
            out += " BACKGROUND=\"" + html::EscapeAttribute(m_conv.ExportedName(bg, m_ctx.kind)) + "\"";
            AddResource(bg);
        }
        out += " TEXT=#" + html::ColourHex(static_cast<std::int32_t>(rec.TextColour())) + " LINK=#" +
               html::ColourHex(static_cast<std::int32_t>(rec.LinkColour())) + " VLINK=#" +
               html::ColourHex(static_cast<std::int32_t>(rec.VisitedColour())) + " BGCOLOR=#" +
               html::ColourHex(static_cast<std::int32_t>(rec.BackgroundColour())) + " >\r\n" +
               "<BASE TARGET=\"_top\">\r\n";
    }
    m_passStart = out.size();
    if (mode != kBodyTagOnly) {
        const std::string text = page->Text();
        std::string_view t(text);
        if (const std::size_t nul = t.find('\0'); nul != std::string_view::npos)
            t = t.substr(0, nul);
        Walk(out, t);
    }
    WritePending(out);
    out += "&nbsp;";
    CloseInline(out);
    ParagraphEnd(out);
    m_ctx.bodyChain.pop_back();
}

void HtmlBodyWriter::Walk(std::string& out, std::string_view t)
{
    const MarkupLexer lex(t, t.size());
    std::size_t i = 0;
    while (i < t.size()) {
        const auto c = static_cast<unsigned char>(t[i]);
        if (c == '&') {
            i = CopyEntity(out, t, i);
            continue;
        }
        if (c != '<') {
            ++i;
            if (c < 32)
                continue;
            if (c == ' ') {
                WritePending(out);
                out += m_previousSpace ? "&nbsp;" : " ";
                m_previousSpace = true;
            } else {
                m_previousSpace = false;
                WritePending(out);
                html::AppendTextChar(out, c);
            }
            continue;
        }
        const char tag = At(t, i + 1);
        auto skipTag = [&](std::size_t from) { return lex.AfterClose(from); };
        switch (tag) {
        case '$': {
            const auto ref = static_cast<std::int32_t>(lex.RefValue(i));
            i = skipTag(i + 2);
            Object(out, ref);
            break;
        }
        case '%':
            out += "</A>";
            m_openLink = nullptr;
            i = skipTag(i + 1);
            break;
        case 'T':
            i = skipTag(i + 1);
            if (!m_tables.empty())
                CellStep(out);
            break;
        case 'Y':
            i = FontChange(t, i);
            break;
        case 'Z':
            i = Paragraph(out, t, i);
            break;
        case 'D':
        case 'F':
        case 'R':
            i = lex.SkipBlock(i);
            break;
        default:
            i = skipTag(i + 1);
            break;
        }
    }
}

// An "&" sequence stored in the text. Named references are written with their
// ";" (175 as "&macr;"), numeric ones whole; an "&" that starts nothing known,
// and the markup's own "&&" escape, are written as "&amp;".
std::size_t HtmlBodyWriter::CopyEntity(std::string& out, std::string_view t, std::size_t i)
{
    WritePending(out);
    m_previousSpace = false;
    if (At(t, i + 1) == '#') {
        std::size_t j = i + 2;
        const bool hex = At(t, j) == 'x' || At(t, j) == 'X';
        if (hex)
            ++j;
        const std::size_t digitsStart = j;
        while (j < t.size() && (hex ? std::isxdigit(static_cast<unsigned char>(t[j])) != 0 : (t[j] >= '0' && t[j] <= '9')))
            ++j;
        if (j > digitsStart) {
            out.append(t.substr(i, j - i));
            out += ';';
            return At(t, j) == ';' ? j + 1 : j;
        }
        out += "&amp;";
        return i + 1;
    }
    if (At(t, i + 1) == '&') {
        out += "&amp;";
        std::size_t j = std::min(i + 3, t.size());
        return At(t, j) == ';' ? j + 1 : j;
    }
    const std::string_view rest = t.substr(i + 1);
    for (std::size_t n = 0; n < MarkupEntities::kNameCount; ++n) {
        const std::string_view name = MarkupEntities::Name(n);
        if (!rest.starts_with(name))
            continue;
        const unsigned char code = MarkupEntities::Code(n);
        if (n < 8)
            out += "&" + html::LowerAscii(name) + ";";
        else
            out += "&" + std::string(code == 175 ? std::string_view("macr") : name) + ";";
        if (code == 160)
            m_previousSpace = true;
        const std::size_t j = i + 1 + name.size();
        return At(t, j) == ';' ? j + 1 : j;
    }
    out += "&amp;";
    return i + 1;
}

std::size_t HtmlBodyWriter::FontChange(std::string_view t, std::size_t i)
{
    const MarkupLexer lex(t, t.size());
    AttributeReader in(lex, lex.RunAttributes(i));
    if (!m_pending)
        m_font = m_styleFont;
    ReadFontAttributes(in, m_font);
    m_pending = true;
    return in.End();
}

std::size_t HtmlBodyWriter::Paragraph(std::string& out, std::string_view t, std::size_t i)
{
    const MarkupLexer lex(t, t.size());
    AttributeReader in(lex, lex.HeaderAttributes(i));
    const std::int32_t styleIndex = in.Int('S').value_or(0);

    // 1, 2: the link is forgotten; the paragraph style gives the fonts.
    m_openLink = nullptr;
    m_previousSpace = false;
    m_styleIndex = styleIndex;
    ParagraphStyle style;
    if (TUVAoggetto* obj = m_doc->GetObject(stileParagrafo, styleIndex); obj && !obj->IsDeleted()) {
        style = ParagraphStyle::Decode(std::span<const std::uint8_t>(obj->Record().data(), obj->Record().size()));
        m_styleFont.name = style.fontName;
        m_styleFont.size = style.fontSize;
        m_styleFont.colour = style.colour;
        m_styleFont.style = style.styleBits;
        m_styleFont.position = style.position;
        m_styleLinkSize = style.linkSize;
        m_styleLinkColour = style.linkColour;
        m_styleLinkStyle = style.linkStyle;
    }

    // 3: the previous paragraph ends.
    if (m_paragraphOpen) {
        out += "&nbsp;";
        CloseInline(out);
        ParagraphEnd(out);
    }
    out += "<DIV";

    // 4: the current font: the style's with the header's font attributes.
    m_font = m_styleFont;
    ReadFontAttributes(in, m_font);

    // 5: the state takes the style's paragraph attributes and the font.
    THt2State& s = m_states.Current();
    s.alignment = style.alignment;
    s.leftMargin = style.leftIndent;
    s.rightMargin = style.rightIndent;
    s.topMargin = style.spaceAbove;
    s.bottomMargin = style.spaceBelow;
    s.firstIndent = style.firstIndent;
    s.lineHeight = style.lineHeight;
    s.unit = style.unit;
    s.numbering = style.numbering;
    s.linkSize = style.linkSize;
    s.linkColour = style.linkColour;
    s.linkStyle = style.linkStyle;
    s.face = m_font.name;
    s.colour = m_font.colour;
    s.size = m_font.size;
    s.style = m_font.style;
    s.position = m_font.position;

    // 6: the header's paragraph attributes override the state.
    const bool css = m_conv.ExpCSS == TExpCSS::ecUseCSS;
    std::string collected;
    in.Int('P');
    if (const auto a = in.Int('A')) {
        s.alignment = static_cast<std::uint8_t>(*a);
        if (css && *a >= 0 && *a < 4)
            collected += "text-align: " + std::string(kAlignmentNames[static_cast<std::size_t>(*a)]) + ";";
    }
    if (const auto n = in.Int('N')) {
        s.numbering = static_cast<std::uint8_t>(*n);
        if (css)
            collected += *n == 6 ? "list-style-type:decimal;" : *n == 10 ? "list-style-type:disc;" : "list-style-type:none;";
    }
    if (const auto m = in.Int('M'))
        s.unit = static_cast<std::uint8_t>(*m);
    // A line height of 0 or less means "automatic": no CSS length is written for it.
    if (const auto l = in.Int('L')) {
        s.lineHeight = *l;
        if (css && *l > 0)
            collected += "line-height: " + Length(*l) + ";";
    }
    if (const auto v = in.Int('I')) {
        s.firstIndent = *v;
        if (css)
            collected += "text-indent: " + Length(*v) + ";";
    }
    if (const auto v = in.Int('l')) {
        s.leftMargin = *v;
        if (css)
            collected += "margin-left: " + Length(*v) + ";";
    }
    if (const auto v = in.Int('r')) {
        s.rightMargin = *v;
        if (css)
            collected += "margin-right: " + Length(*v) + ";";
    }
    if (const auto v = in.Int('t')) {
        s.topMargin = *v;
        if (css)
            collected += "margin-top: " + Length(*v) + ";";
    }
    if (const auto v = in.Int('b')) {
        s.bottomMargin = *v;
        if (css)
            collected += "margin-bottom: " + Length(*v) + ";";
    }
    if (const auto c = in.Colour('C'))
        s.linkColour = *c;
    if (const auto v = in.Int('S'))
        s.linkSize = *v;
    if (const auto v = in.Int('Y'))
        s.linkStyle = static_cast<std::uint8_t>(s.linkStyle | (*v & 7));

    // 7, 8: alignment, class and inline style.
    if (s.alignment != 0 && s.alignment < kAlignmentNames.size())
        out += " ALIGN=" + std::string(kAlignmentNames[s.alignment]);
    out += " class=s" + Num(styleIndex) + " ";
    out += collected.empty() ? std::string(">") : " style='" + collected + "'>";
    out += "\r\n";

    // 9: numbering.
    if (s.numbering == 6) {
        out += "<!lisnum>" + Num(m_listCounter) + ". <!/lisnum>";
        ++m_listCounter;
    } else if (s.numbering == 10) {
        out += "<LI>";
        m_listCounter = 1;
    } else {
        m_listCounter = 1;
    }

    // 10: the paragraph's own font.
    const std::string fontTag = FontStartTag();
    out += fontTag;
    s.fontOpen = !fontTag.empty();
    OpenFormatting(out, m_font.style, m_font.position);
    m_pending = false;
    m_paragraphOpen = true;
    return in.End();
}

std::string HtmlBodyWriter::FontStartTag() const
{
    const TMyFont& f = m_font;
    const TMyFont& sf = m_styleFont;
    const bool timesFace = Upper(f.name) == "TIMES NEW ROMAN";
    std::string attributes;
    if (!(timesFace && f.size == 12 && f.colour == 0)) {
        if (f.size != 12)
            attributes += " SIZE=" + FontSizeCode(f.size);
        if (f.colour != 0)
            attributes += " COLOR=#" + html::ColourHex(f.colour);
        if (!timesFace)
            attributes += " FACE=\"" + html::EscapeAttribute(f.name) + "\"";
    }
    std::string style;
    if (f.colour != sf.colour)
        style += "color:#" + html::ColourHex(f.colour) + ";";
    if (f.name != sf.name)
        style += "font-family:\"" + StyleFace(f.name) + "\";";
    if (f.size != sf.size)
        style += "font-size:" + Num(f.size) + "pt;";
    if ((sf.style & kBold) && !(f.style & kBold))
        style += "font-weight:normal;";
    if ((sf.style & kItalic) && !(f.style & kItalic))
        style += "font-style:normal;";
    if ((f.style ^ sf.style) & (kUnderline | kStrike)) {
        if (f.style & kUnderline)
            style += "text-decoration:underline;";
        else if (f.style & kStrike)
            style += "text-decoration:line-through;";
        else
            style += "text-decoration:normal;";
    }
    if (attributes.empty() && style.empty())
        return {};
    return "<FONT" + (style.empty() ? std::string() : " style='" + style + "'") + attributes + ">";
}

void HtmlBodyWriter::WritePending(std::string& out)
{
    if (!m_pending)
        return;
    THt2State& s = m_states.Current();
    const TMyFont& f = m_font;
    const bool changed = f.colour != s.colour || f.name != s.face || f.size != s.size || f.style != s.style;
    const std::string tag = FontStartTag();
    if (tag.empty() && !(changed && s.fontOpen)) {
        if ((s.style & kItalic) && !(f.style & kItalic))
            out += "</I>";
        if ((s.style & kBold) && !(f.style & kBold))
            out += "</B>";
        if (s.position != f.position)
            ClosePosition(out, s.position);
        if (!(s.style & kBold) && (f.style & kBold))
            out += "<B>";
        if (!(s.style & kItalic) && (f.style & kItalic))
            out += "<I>";
        if (s.position != f.position)
            OpenFormatting(out, 0, f.position);
    } else {
        if (s.style & kItalic)
            out += "</I>";
        if (s.style & kBold)
            out += "</B>";
        ClosePosition(out, s.position);
        if (changed) {
            if (s.fontOpen)
                out += "</FONT>";
            out += tag;
            s.fontOpen = !tag.empty();
        }
        OpenFormatting(out, f.style, f.position);
    }
    s.colour = f.colour;
    s.size = f.size;
    s.face = f.name;
    s.style = f.style;
    s.position = f.position;
    m_pending = false;
}

void HtmlBodyWriter::CloseInline(std::string& out)
{
    const THt2State& s = m_states.Current();
    if (s.style & kItalic)
        out += "</I>";
    if (s.style & kBold)
        out += "</B>";
    ClosePosition(out, s.position);
    if (s.fontOpen)
        out += "</FONT>";
}

void HtmlBodyWriter::ParagraphEnd(std::string& out)
{
    if (m_states.Current().numbering != 0)
        out += "</LI>";
    out += "</DIV>\r\n";
}

// ---------------------------------------------------------------------------
// Objects

void HtmlBodyWriter::Object(std::string& out, std::int32_t ref)
{
    TUVAoggetto* obj = m_doc->GetObjectByRef(ref);
    if (!obj || obj->IsDeleted())
        return;
    const int kind = obj->Kind();
    if (IsLinkKind(kind)) {
        Link(out, obj);
        return;
    }
    WritePending(out);
    switch (kind) {
    case immagine:
    case mappaClic:
        m_doc->Messages().Error(kPictureInText);
        break;
    case tabellaHtml: Table(out, *obj); break;
    case shortObj: ShortObject(out, *obj); break;
    case immagineNew: Image(out, *obj); break;
    case inputStat: FormInput(out, *obj); break;
    case bottoneCGI: Button(out, *obj); break;
    case inizioForm: FormStart(out, *obj); break;
    case multiMedia: Multimedia(out, *obj); break;
    default: break;
    }
}

std::string HtmlBodyWriter::LinkTargetPart(TUVAoggetto* target)
{
    if (target->Kind() == speclink) {
        SpecialLinkHtml special(m_conv, m_ctx);
        return special.TargetPart(*target);
    }
    AddResource(target);
    return "HREF=\"" + html::EscapeAttribute(m_conv.ExportedName(target, kPageFile)) + "\" ";
}

std::string HtmlBodyWriter::ButtonClickPart(TUVAoggetto* target)
{
    if (target->Kind() == speclink) {
        SpecialLinkHtml special(m_conv, m_ctx);
        return special.ClickPart(*target);
    }
    AddResource(target);
    return " onClick=\"javascript:location='" + html::EscapeScriptUrl(m_conv.ExportedName(target, kPageFile)) + "'\" ";
}

std::string HtmlBodyWriter::LinkStartTag(TUVAoggetto* target)
{
    const THt2State& s = m_states.Current();
    std::string style;
    if (s.linkColour != m_styleLinkColour)
        style += "color:#" + html::ColourHex(s.linkColour) + ";";
    if (s.linkSize != m_styleLinkSize)
        style += "font-size:" + Num(s.linkSize) + "pt;";
    const std::uint8_t diff = static_cast<std::uint8_t>(s.linkStyle ^ m_styleLinkStyle);
    if (diff & kBold)
        style += (s.linkStyle & kBold) ? "font-weight:bold;" : "font-weight:normal;";
    if (diff & kItalic)
        style += (s.linkStyle & kItalic) ? "font-style:italic;" : "font-style:normal;";
    if (diff & kUnderline)
        style += (s.linkStyle & kUnderline) ? "text-decoration:underline;" : "text-decoration:normal;";
    std::string tag = "<A class=s" + Num(m_styleIndex) + " ";
    if (!style.empty())
        tag += " style='" + style + "' ";
    tag += LinkTargetPart(target);
    tag += " >";
    return tag;
}

void HtmlBodyWriter::Link(std::string& out, TUVAoggetto* target)
{
    WritePending(out);
    if (m_openLink)
        out += "</A>";
    m_openLink = target;
    out += LinkStartTag(target);
}

void HtmlBodyWriter::ShortObject(std::string& out, TUVAoggetto& obj)
{
    const records::ConstShortObjectRecord rec(obj.Record().data());
    switch (obj.SubKind()) {
    case records::ConstShortObjectRecord::kText:
        out += "<!--";
        if (rec.ExportAnnotation())
            out += CommentSafe(obj.ContentText());
        out += "-->";
        break;
    case records::ConstShortObjectRecord::kHtml:
        AppendExtraHtml(out, obj.AttributeText(), nullptr);
        break;
    case records::ConstShortObjectRecord::kOpenWindow: {
        TUVAoggetto* link = m_doc->GetObjectByRef(rec.Value());
        if (link && !link->IsDeleted() && link->Kind() == speclink) {
            SpecialLinkHtml special(m_conv, m_ctx);
            out += special.LoadTimeScript(*link);
        }
        break;
    }
    case records::ConstShortObjectRecord::kAnchor:
        if (m_openLink)
            out += "</A>";
        out += "<A NAME=\"an" + Num(rec.Value()) + "\"></A>";
        if (m_openLink)
            out += LinkStartTag(m_openLink);
        break;
    default:
        break;
    }
}

void HtmlBodyWriter::Image(std::string& out, TUVAoggetto& placement)
{
    const records::ConstPlacementRecord rec(placement.Record().data());
    TUVAoggetto* picture = m_doc->GetObject(immagine, rec.Image());
    if (!picture || picture->IsDeleted())
        return; // nothing to show
    auto live = [this](std::int32_t index) -> TUVAoggetto* {
        TUVAoggetto* o = index >= 0 ? m_doc->GetObject(immagine, index) : nullptr;
        return o && !o->IsDeleted() ? o : nullptr;
    };
    TUVAoggetto* lowRes = live(rec.LowResImage());
    TUVAoggetto* rollOver = live(rec.RollOverImage());
    AddResource(picture);
    AddResource(lowRes);
    AddResource(rollOver);
    const std::string h = html::Hex6(static_cast<std::uint32_t>(placement.Index()));
    const int kind = m_ctx.kind;

    // 1. Image map.
    auto zoneTarget = [&](std::size_t z) -> TUVAoggetto* {
        const std::int32_t ref = rec.ZoneTarget(z);
        TUVAoggetto* t = ref >= 0 ? m_doc->GetObjectByRef(ref) : nullptr;
        return t && !t->IsDeleted() ? t : nullptr;
    };
    bool hasMap = false;
    for (std::size_t z = 0; z < records::ConstPlacementRecord::kZoneCount && !hasMap; ++z)
        hasMap = zoneTarget(z) != nullptr;
    if (hasMap) {
        out += "<MAP NAME=ma" + h + " >\r\n";
        for (std::size_t z = 0; z < records::ConstPlacementRecord::kZoneCount; ++z) {
            TUVAoggetto* target = zoneTarget(z);
            if (!target)
                continue;
            const std::size_t base = records::ConstPlacementRecord::kZones + records::ConstPlacementRecord::kZoneSize * z;
            const int left = placement.I16(base + 8), top = placement.I16(base + 10);
            const int width = placement.I16(base + 12), height = placement.I16(base + 14);
            const std::string title = html::MakeAttributeSafe(TargetTitle(*target));
            out += "<AREA COORDS=" + Num(left) + "," + Num(top) + "," + Num(left + width) + "," + Num(top + height) +
                   " " + LinkTargetPart(target);
            if (m_conv.ExpAutoAlt)
                out += " ALT=\"" + title + "\"";
            out += " TITLE=\"" + title + "\">\r\n";
        }
        out += "</MAP>\r\n";
    }

    // 2. Roll-over.
    const std::string imageName = html::EscapeAttribute(m_conv.ExportedName(&placement, kind));
    if (rollOver) {
        if (m_openLink) {
            std::string tag = LinkStartTag(m_openLink);
            tag.resize(tag.size() - 2); // without its final " >"
            out += "</A>" + tag;
        } else {
            TUVAoggetto* self = m_ctx.filePage ? static_cast<TUVAoggetto*>(m_ctx.filePage) : m_page;
            out += "<A HREF=\"" + html::EscapeAttribute(m_conv.ExportedName(self, kPageFile)) + "\" ";
        }
        m_ctx.scriptNeeds |= kNeedBrowserTest | kNeedRollOver;
        m_ctx.preload.Add(rollOver);
        out += " onMouseOver=\"QuorF_over('i" + h + "','" + html::EscapeAttribute(m_conv.ExportedName(rollOver, kind)) +
               "');\"" + " onMouseOut=\"QuorF_over('i" + h + "','" + imageName + "');\" >";
    }

    // 3. The picture.
    const std::uint8_t align = rec.Alignment();
    const int width = rec.Percent() ? rec.NaturalWidth() * rec.Width() / 100 : rec.Width();
    const int height = rec.Percent() ? rec.NaturalHeight() * rec.Height() / 100 : rec.Height();
    out += "<IMG SRC=\"" + imageName + "\" BORDER=0 ALIGN=" +
           std::string(align < kImageAlignments.size() ? kImageAlignments[align] : "MIDDLE") + " ALT=\"" +
           html::MakeAttributeSafe(rec.Name()) + "\"";
    if (rollOver)
        out += " NAME=i" + h;
    if (hasMap)
        out += " USEMAP=#ma" + h;
    if (lowRes)
        out += " LOWSRC=\"" + html::EscapeAttribute(m_conv.ExportedName(lowRes, kind)) + "\"";
    out += " WIDTH=" + Num(width) + " HEIGHT=" + Num(height) + " ";
    AppendExtraHtml(out, placement.AttributeText(), nullptr);
    out += " >";

    // 4.
    if (rollOver && !m_openLink)
        out += "</A>";
}

void HtmlBodyWriter::FormInput(std::string& out, TUVAoggetto& obj)
{
    const records::ConstFormInputRecord rec(obj.Record().data());
    const int sub = obj.SubKind();
    const std::string name = html::EscapeAttribute(rec.Name());
    const std::string value = html::EscapeAttribute(rec.Value());
    switch (sub) {
    case 1:
    case 2:
    case 3:
        out += "<INPUT";
        out += sub == 2 ? " TYPE=password" : sub == 3 ? " TYPE=file" : "";
        out += " NAME=\"" + name + "\"";
        if (!value.empty())
            out += " VALUE=\"" + value + "\"";
        out += " SIZE=" + Num(rec.Width()) + " ";
        AppendExtraHtml(out, obj.AttributeText(), nullptr);
        out += ">\r\n";
        break;
    case 4: {
        out += "<TEXTAREA NAME=\"" + name + "\" ROWS=" + Num(rec.Rows()) + " COLS=" + Num(rec.Columns()) + " ";
        AppendExtraHtml(out, obj.AttributeText(), nullptr);
        out += ">\r\n";
        const std::string text = obj.ContentText();
        if (!text.empty())
            out += html::EscapeText(text);
        out += "\r\n</TEXTAREA>";
        break;
    }
    case 5:
    case 6:
    case 7:
        out += "<INPUT TYPE=";
        out += sub == 5 ? "hidden " : sub == 6 ? "radio " : "checkbox ";
        out += "NAME=\"" + name + "\" VALUE=\"" + value + "\" ";
        if (rec.Checked() && sub != 5)
            out += "CHECKED ";
        out += " ";
        AppendExtraHtml(out, obj.AttributeText(), nullptr);
        out += ">\r\n";
        break;
    case 8:
    case 9: {
        out += "<SELECT NAME=\"" + name + "\" ";
        if (sub == 8) {
            out += " SIZE=" + Num(rec.Width());
            if (rec.Multiple())
                out += " MULTIPLE";
        }
        out += " ";
        AppendExtraHtml(out, obj.AttributeText(), nullptr);
        out += " >";
        // Three lines per option: text, value, mark; an incomplete last group is ignored.
        std::vector<std::string> lines;
        const std::string text = obj.ContentText();
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find('\n', start);
            if (end == std::string::npos)
                end = text.size();
            std::string line = text.substr(start, end - start);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            lines.push_back(std::move(line));
            start = end + 1;
        }
        for (std::size_t k = 0; k + 2 < lines.size(); k += 3) {
            const char mark = lines[k + 2].empty() ? '\0' : lines[k + 2][0];
            out += "<OPTION VALUE=\"" + html::EscapeAttribute(lines[k + 1]) + "\"";
            if (mark == 'X' || mark == 'Y' || mark == 'x' || mark == 'y')
                out += " SELECTED";
            out += " >" + html::EscapeText(lines[k]) + "\r\n";
        }
        out += "</SELECT>";
        break;
    }
    case records::ConstFormInputRecord::kFloatingFrame:
        FloatingFrame(out, obj);
        break;
    default:
        break;
    }
}

// Floating-frame fields of the form-input record: 97 scrolling, 98/99 margin
// height/width, 100 border colour, 108 page shown, 116 show its frames,
// 117 target, 178 size in percent, 180/182 height/width.
void HtmlBodyWriter::FloatingFrame(std::string& out, TUVAoggetto& obj)
{
    TUVAtesto* page = m_doc->GetPage(obj.I32(108));
    if (!page || page->IsDeleted())
        return; // a frame that shows nothing is not written
    const int marginHeight = obj.U8(98), marginWidth = obj.U8(99);
    const std::string name = obj.Counted(records::ConstFormInputRecord::kName, records::ConstFormInputRecord::kNameCap);
    const std::string unit = obj.U8(178) >= 1 ? "%" : "";
    const std::uint8_t target = obj.U8(117);
    std::string source;
    if (obj.U8(116) == 1) {
        source = m_conv.ExportedName(page, kPageFile);
    } else {
        if (m_ctx.frameDocuments)
            m_ctx.frameDocuments->Add(page);
        source = m_conv.ExportedName(page, kFrameDocument);
    }
    out += "<IFRAME ";
    if (marginHeight != 0 || marginWidth != 0)
        out += " MARGINHEIGHT=" + Num(marginHeight) + " MARGINWIDTH=" + Num(marginWidth);
    else
        out += " FRAMEBORDER=\"no\" ";
    if (!name.empty())
        out += " NAME=\"" + html::EscapeAttribute(name) + "\"";
    out += " HEIGHT=" + Num(obj.I16(180)) + unit + " WIDTH=" + Num(obj.I16(182)) + unit + " ";
    out += " SRC=\"" + html::EscapeAttribute(source) + "\" TARGET=" +
           std::string(target < kFrameTargets.size() ? kFrameTargets[target] : kFrameTargets[0]) + " BORDERCOLOR=#" +
           html::ColourHex(obj.I32(100)) + " SCROLLING=" + (obj.U8(97) != 0 ? "yes" : "no") + " ";
    AppendExtraHtml(out, obj.AttributeText(), nullptr);
    out += ">\r\n</IFRAME>\r\n";
}

void HtmlBodyWriter::Button(std::string& out, TUVAoggetto& obj)
{
    const records::ConstButtonRecord rec(obj.Record().data());
    const int sub = obj.SubKind();
    TUVAoggetto* picture = Picture(rec.Image());
    const int width = rec.Percent() ? rec.NaturalWidth() * rec.Width() / 100 : rec.Width();
    const int height = rec.Percent() ? rec.NaturalHeight() * rec.Height() / 100 : rec.Height();
    TUVAoggetto* target = rec.Link() >= 0 ? m_doc->GetObjectByRef(rec.Link()) : nullptr;
    if (target && target->IsDeleted())
        target = nullptr;
    if (sub == 3 && picture) {
        AddResource(picture);
        out += "<A HREF=\"#\" onclick=\"document.forms[" + Num(std::max(0, m_formCounter - 1)) +
               "].reset()\"><IMG SRC=\"" + html::EscapeAttribute(m_conv.ExportedName(picture, m_ctx.kind)) +
               "\" BORDER=0 WIDTH=" + Num(width) + " HEIGHT=" + Num(height) + " ></A>\r\n";
        return;
    }
    out += "<INPUT TYPE=" + std::string(sub >= 0 && sub < 4 ? kButtonTypes[static_cast<std::size_t>(sub)] : "");
    if (!rec.Name().empty() && !target)
        out += " NAME=\"" + html::EscapeAttribute(rec.Name()) + "\" ";
    if (picture && (sub == 2 || sub == 1)) {
        AddResource(picture);
        out += " SRC=\"" + html::EscapeAttribute(m_conv.ExportedName(picture, m_ctx.kind)) + "\" BORDER=0 WIDTH=" +
               Num(width) + " HEIGHT=" + Num(height);
    }
    out += " VALUE=\"" + html::EscapeAttribute(rec.Caption()) + "\"  ";
    AppendExtraHtml(out, obj.AttributeText(), nullptr);
    if (target)
        out += ButtonClickPart(target);
    out += ">\r\n";
}

void HtmlBodyWriter::FormStart(std::string& out, TUVAoggetto& obj)
{
    const records::ConstFormStartRecord rec(obj.Record().data());
    std::size_t from = out.rfind("<DIV");
    if (from == std::string::npos || from < m_passStart)
        from = m_passStart;
    const std::string moved = out.substr(from);
    out.resize(from);
    if (m_formStarted)
        out += "</FORM>";
    out += "<FORM ";
    const int method = obj.SubKind();
    if (method == 1 || method == 2) {
        out += "TARGET=_top METHOD=" + std::string(kFormMethods[static_cast<std::size_t>(method)]) + " ACTION=\"" +
               html::EscapeAttribute(rec.Action()) + "\" ";
        if (rec.WriteEncoding() && !rec.Encoding().empty())
            out += " ENCTYPE=\"" + html::EscapeAttribute(rec.Encoding()) + "\" ";
    } else if (method == 4) {
        // A mail form is posted: the method is written as an attribute.
        out += "METHOD=POST ACTION=\"mailto:" + html::EscapeAttribute(rec.Action()) + "\" ENCTYPE=\"text/plain\" ";
    }
    out += " ";
    AppendExtraHtml(out, obj.AttributeText(), nullptr);
    out += ">\r\n";
    out += moved;
    ++m_formCounter;
    m_formStarted = true;
}

std::string HtmlBodyWriter::SizeWithUnit(TUVAoggetto& obj, int value)
{
    const records::ConstMultimediaRecord rec(obj.Record().data());
    return Num(value) + (rec.Percent() ? "%" : "");
}

void HtmlBodyWriter::Multimedia(std::string& out, TUVAoggetto& obj)
{
    const records::ConstMultimediaRecord rec(obj.Record().data());
    const int sub = obj.SubKind();
    if (sub == records::ConstMultimediaRecord::kEmbeddedProgram) {
        AppendExtraHtml(out, obj.AttributeText(), &obj);
        return;
    }
    if (sub == records::ConstMultimediaRecord::kCustomInstance) {
        PrototypeHtml(out, obj);
        return;
    }
    if (sub < 1 || sub > 4)
        return;
    TUVAoggetto* media = rec.Media() >= 0 ? m_doc->GetObjectByRef(rec.Media()) : nullptr;
    if (media && (media->IsDeleted() || media->Kind() == custom))
        media = nullptr;
    AddResource(media);
    const std::string mediaName = media ? html::EscapeAttribute(m_conv.ExportedName(media, m_ctx.kind)) : std::string();
    const bool autoStart = rec.Action() == 1;
    const int loops = rec.LoopCount();
    if (sub <= 2) {
        out += "<EMBED SRC=\"" + mediaName + "\"";
        if (autoStart)
            out += " AUTOSTART=true HIDDEN=true LOOP=" + (loops < 0 ? std::string("true") : Num(loops));
        else
            out += " CONTROLS=SMALLCONSOLE height=15";
        out += ">\r\n";
    } else {
        out += "<EMBED SRC=\"" + mediaName + "\" WIDTH=" + SizeWithUnit(obj, rec.Width()) +
               " HEIGHT=" + SizeWithUnit(obj, rec.Height());
        if (autoStart)
            out += " CONTROLLER=false AUTOSTART=true LOOP=" + std::string(loops == -1 ? "true" : "false");
        else
            out += " CONTROLS=true ";
        if (media && html::LowerAscii(html::SafeExtension(media->GetFileName())) == ".mov")
            out += " URL=\"" + std::string(kQuickTimeUrl) + "\"";
        out += " >";
    }
    if (TUVAoggetto* poster = Picture(rec.AlternativeImage())) {
        AddResource(poster);
        const std::uint8_t align = poster->U8(89);
        out += "<IMG BORDER=0 ALIGN=" +
               std::string(align < kImageAlignments.size() ? kImageAlignments[align] : "MIDDLE") + " ALT=\"" +
               html::MakeAttributeSafe(poster->GetName()) + "\" SRC=\"" +
               html::EscapeAttribute(m_conv.ExportedName(poster, m_ctx.kind)) + "\" HEIGHT=" +
               SizeWithUnit(obj, rec.Height()) + " WIDTH=" + SizeWithUnit(obj, rec.Width()) + " >";
    }
    out += "</EMBED>\r\n";
}

// The HTML of a custom-object instance: its prototype's template, whose
// "!ReCF:" references index the prototype's list of used objects.
void HtmlBodyWriter::PrototypeHtml(std::string& out, TUVAoggetto& obj)
{
    const records::ConstMultimediaRecord rec(obj.Record().data());
    TUVAoggetto* proto = m_doc->GetObjectByRef(rec.Media());
    if (!proto || proto->IsDeleted() || proto->Kind() != custom)
        return;
    // The prototype's content: i32 L, L bytes of ObjectRefs it uses, then the
    // declared properties (name, type); the instance's content holds their values.
    std::vector<std::int32_t> used;
    std::vector<std::pair<std::string, std::string>> types, values;
    if (ObjectContent* content = proto->Content()) {
        if (const auto* bytes = content->Bytes(); bytes && bytes->size() >= 4) {
            const auto& b = *bytes;
            const std::uint32_t len = b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
            for (std::size_t k = 4; k + 4 <= b.size() && k < 4 + static_cast<std::size_t>(len); k += 4)
                used.push_back(static_cast<std::int32_t>(b[k] | (b[k + 1] << 8) | (b[k + 2] << 16) |
                                                        (static_cast<std::uint32_t>(b[k + 3]) << 24)));
            if (len <= b.size() - 4)
                types = NamedLines(b, 4 + static_cast<std::size_t>(len));
        }
    }
    if (ObjectContent* content = obj.Content()) {
        if (const auto* bytes = content->Bytes())
            values = NamedLines(*bytes, 0);
    }
    const std::string text = proto->AttributeText();
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t pos = text.find("!Re", i);
        if (pos == std::string::npos) {
            out.append(text, i, std::string::npos);
            break;
        }
        out.append(text, i, pos - i);
        const std::string_view rest = std::string_view(text).substr(pos);
        if (rest.starts_with("!ReCF:") && rest.size() >= 14) {
            if (const auto index = ParseRefHex(rest.substr(6, 8))) {
                if (*index >= 0 && static_cast<std::size_t>(*index) < used.size()) {
                    TUVAoggetto* ref = m_doc->GetObjectByRef(used[static_cast<std::size_t>(*index)]);
                    if (ref && !ref->IsDeleted()) {
                        out += m_conv.ExportedName(ref, kPageFile);
                        AddResource(ref);
                    }
                }
                i = pos + 14;
                continue;
            }
        }
        if (rest.starts_with("!ReCP:")) {
            const std::size_t bang = text.find('!', pos + 6);
            if (bang != std::string::npos) {
                out += PropertyValue(obj, types, values, html::LowerAscii(text.substr(pos + 6, bang - pos - 6)));
                i = bang + 1;
                continue;
            }
        }
        if ((rest.starts_with("!RefX:") || rest.starts_with("!RefY:")) && rest.size() >= 14) {
            out += SizeWithUnit(obj, rest[4] == 'X' ? rec.Width() : rec.Height());
            i = pos + 14;
            continue;
        }
        out += "!Re";
        i = pos + 3;
    }
}

void HtmlBodyWriter::AppendExtraHtml(std::string& out, std::string_view text, TUVAoggetto* multimedia)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t pos = text.find("!Ref", i);
        if (pos == std::string_view::npos) {
            out.append(text.substr(i));
            break;
        }
        out.append(text.substr(i, pos - i));
        const std::string_view rest = text.substr(pos);
        const char letter = At(rest, 4);
        const auto ref = (rest.size() >= 14 && rest[5] == ':') ? ParseRefHex(rest.substr(6, 8)) : std::nullopt;
        const bool known = letter == 'I' || letter == 'L' || letter == 'F' || letter == 'P' || letter == 'X' || letter == 'Y';
        if (!ref || !known) {
            out += "!Ref";
            i = pos + 4;
            continue;
        }
        i = pos + 14;
        if (letter == 'X' || letter == 'Y') {
            if (multimedia) {
                const records::ConstMultimediaRecord rec(multimedia->Record().data());
                out += SizeWithUnit(*multimedia, letter == 'X' ? rec.Width() : rec.Height());
            }
            continue;
        }
        TUVAoggetto* obj = m_doc->GetObjectByRef(*ref);
        if (!obj || obj->IsDeleted())
            continue;
        if (letter == 'P') {
            if (obj->Kind() == testoHtml) {
                HtmlBodyWriter inner(m_conv, m_ctx);
                inner.WriteBody(out, kBodyContent, static_cast<TUVAtesto*>(obj));
            }
            continue;
        }
        out += m_conv.ExportedName(obj, kPageFile);
        if (obj->Kind() != testoHtml)
            AddResource(obj);
    }
}

// ---------------------------------------------------------------------------
// Tables

std::string HtmlBodyWriter::Background(std::uint32_t value)
{
    if (value < 0x1000000u)
        return " BGCOLOR=#" + html::ColourHex(static_cast<std::int32_t>(value));
    if ((value >> 24) == 3) {
        TUVAoggetto* picture = m_doc->GetObject(immagine, static_cast<int>(value & kIndexMask));
        if (picture && !picture->IsDeleted()) {
            AddResource(picture);
            return " background=\"" + html::EscapeAttribute(m_conv.ExportedName(picture, m_ctx.kind)) + "\"";
        }
    }
    return {};
}

void HtmlBodyWriter::Table(std::string& out, TUVAoggetto& table)
{
    const records::ConstTableRecord rec(table.Record().data());
    m_previousSpace = false;
    m_listCounter = 1;
    CloseInline(out);
    m_states.Push();
    m_states.ResetCurrent();
    m_tables.emplace_back(&table, 0);
    const std::string width = rec.WidthMode() == 1 ? Num(table.U8(89)) + "%" : Num(rec.FixedWidth());
    out += "<TABLE WIDTH=" + width + " BORDER=" + Num(table.U8(92)) + " CELLPADDING=" + Num(table.U8(90)) +
           " CELLSPACING=" + Num(table.U8(91)) + Background(static_cast<std::uint32_t>(table.I32(207))) + " ";
    AppendExtraHtml(out, table.AttributeText(), nullptr);
    out += ">\r\n";
    CellStep(out);
    m_paragraphOpen = false;
}

void HtmlBodyWriter::CellStep(std::string& out)
{
    TUVAoggetto& table = *m_tables.back().first;
    const int n = m_tables.back().second++;
    const records::ConstTableRecord rec(table.Record().data());
    const int rows = rec.Rows(), columns = rec.Columns();
    if (columns > 0 && n < rows * columns) {
        const int k = n % columns;
        if (k != 0) {
            out += "&nbsp;";
            CloseInline(out);
            ParagraphEnd(out);
            out += "</TD>\r\n";
        } else {
            if (n > 0) {
                out += "&nbsp;";
                CloseInline(out);
                ParagraphEnd(out);
                out += "</TD></TR>\r\n";
            }
            out += "<TR>\r\n";
        }
        m_states.ResetCurrent();
        out += "<TD";
        const auto col = static_cast<std::size_t>(k);
        if (col < records::ConstTableRecord::kMaxColumns) {
            if (rec.ColumnKind(col) == 0)
                out += " WIDTH=" + Num(rec.ColumnWidth(col)) + "%";
            else if (rec.ColumnKind(col) == 1)
                out += " WIDTH=" + Num(rec.ColumnWidth(col));
        }
        const std::uint8_t valign = table.U8(96);
        out += " VALIGN=\"" + std::string(valign < kCellAlignments.size() ? kCellAlignments[valign] : "TOP") + "\" ";
        if (ObjectContent* content = table.Content()) {
            const auto* bytes = content->Bytes();
            const std::size_t at = static_cast<std::size_t>(n) * 4;
            if (bytes && bytes->size() >= static_cast<std::size_t>(rows * columns) * 4 && at + 4 <= bytes->size()) {
                const auto& b = *bytes;
                out += Background(b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24));
            }
        }
        out += " >\r\n";
    } else {
        out += "\r\n&nbsp;";
        CloseInline(out);
        ParagraphEnd(out);
        out += "</TD></TR></TABLE>";
        m_states.Pop();
        CloseInline(out);
        ParagraphEnd(out);
        m_tables.pop_back();
    }
    m_paragraphOpen = false;
}

} // namespace quor
