// TUVAtoHtmlStyleSheet.cpp: the automatic style sheet: one DIV class and one
// A class per paragraph style.
#include "conversion/HtmlText.h"
#include "conversion/TUVAtoHtml.h"
#include "model/ObjectKind.h"
#include "model/ParagraphStyle.h"
#include "model/TUVAset.h"
#include "model/Units.h"

#include <array>
#include <cmath>

namespace quor {

namespace {

constexpr std::array<std::string_view, 4> kAlignmentNames = {"left", "right", "center", "justify"};
constexpr std::array<std::string_view, 6> kUnitNames = {"cm", "mm", "in", "pt", "pc", "px"};
constexpr std::uint8_t kBold = 1, kItalic = 2, kUnderline = 4, kStrike = 8;

// A font face inside a CSS string.
std::string CssString(std::string_view s)
{
    std::string out;
    for (char ch : s) {
        if (ch == '"' || ch == '\\')
            out += '\\';
        if (static_cast<unsigned char>(ch) >= 32)
            out += ch;
    }
    return out;
}

std::string StyleLength(std::int32_t pixels, int unit, int ppi)
{
    const bool known = unit >= 0 && unit < static_cast<int>(kUnitNames.size());
    const float value = known ? PixelsToUnit(pixels, unit, ppi) : static_cast<float>(pixels);
    return std::to_string(std::lround(value)) + std::string(known ? kUnitNames[static_cast<std::size_t>(unit)] : "px");
}

} // namespace

std::string TUVAtoHtml::StyleSheetText()
{
    std::string out = "/* Larkspur Quor automatic CSS */\r\n\r\n";
    if (!LinkedUVAset)
        return out;
    const auto& styles = LinkedUVAset->List(stileParagrafo);
    for (std::size_t i = 0; i < styles.size(); ++i) {
        const TUVAoggetto* obj = styles[i].get();
        if (!obj || obj->IsDeleted())
            continue;
        const ParagraphStyle st =
            ParagraphStyle::Decode(std::span<const std::uint8_t>(obj->Record().data(), obj->Record().size()));
        const std::string index = std::to_string(i);
        auto length = [&](std::int32_t px) { return StyleLength(px, st.unit, PixelsPerInch); };
        out += "/* " + html::CssCommentSafe(st.name.substr(0, 32)) + " */\r\n";
        out += "DIV.s" + index + " {\r\n";
        out += "\tfont-family:\"" + CssString(st.fontName) + "\";\r\n";
        out += "\tfont-size:" + std::to_string(st.fontSize) + "pt;\r\n";
        out += "\tcolor:#" + html::ColourHex(st.colour) + ";\r\n";
        if (st.styleBits & kItalic)
            out += "\tfont-style:italic;\r\n";
        if (st.styleBits & kBold)
            out += "\tfont-weight:bold;\r\n";
        if (st.styleBits & kUnderline)
            out += "\ttext-decoration:underline;\r\n";
        else if (st.styleBits & kStrike)
            out += "\ttext-decoration:line-through;\r\n";
        // A line height of 0 or less is "automatic": no length is written for it.
        if (st.lineHeight != -32000 && st.lineHeight > 0)
            out += "\tline-height:" + length(st.lineHeight) + ";\r\n";
        out += "\tmargin-left:" + length(st.leftIndent) + ";\r\n";
        out += "\tmargin-right:" + length(st.rightIndent) + ";\r\n";
        out += "\tmargin-top:" + length(st.spaceAbove) + ";\r\n";
        out += "\tmargin-bottom:" + length(st.spaceBelow) + ";\r\n";
        out += "\ttext-indent:" + length(st.firstIndent) + ";\r\n";
        out += "\ttext-align:" +
               std::string(st.alignment < kAlignmentNames.size() ? kAlignmentNames[st.alignment] : kAlignmentNames[0]) +
               ";\r\n";
        out += st.numbering == 6    ? "\tlist-style-type:decimal;"
               : st.numbering == 10 ? "\tlist-style-type:disc;"
                                    : "\tlist-style-type:none;";
        out += "\t}\r\n";
        out += "A.s" + index + " {\r\n";
        out += "\tcolor:#" + html::ColourHex(st.linkColour) + ";\r\n";
        if (st.linkSize > 0)
            out += "\tfont-size:" + std::to_string(st.linkSize) + "pt;\r\n";
        if (st.linkStyle & kItalic)
            out += "\tfont-style:italic;\r\n";
        if (st.linkStyle & kBold)
            out += "\tfont-weight:bold;\r\n";
        if (!(st.linkStyle & kUnderline))
            out += "\ttext-decoration:none;\r\n";
        else if (st.linkStyle & kStrike)
            out += "\ttext-decoration:line-through;\r\n";
        out += "\t}\r\n";
    }
    return out;
}

} // namespace quor
