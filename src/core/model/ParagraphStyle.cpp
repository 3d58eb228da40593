// ParagraphStyle.cpp: encode and decode of the kind-17 record; the style table.
#include "model/ParagraphStyle.h"

#include <algorithm>
#include <cstring>

namespace quor {

namespace {

const ParagraphStyle& Cleared()
{
    static const ParagraphStyle kCleared{};
    return kCleared;
}

void PutI16(std::span<std::uint8_t> r, std::size_t off, std::int32_t v)
{
    const auto u = static_cast<std::uint16_t>(v);
    r[off] = static_cast<std::uint8_t>(u);
    r[off + 1] = static_cast<std::uint8_t>(u >> 8);
}

void PutI32(std::span<std::uint8_t> r, std::size_t off, std::int32_t v)
{
    const auto u = static_cast<std::uint32_t>(v);
    for (std::size_t i = 0; i < 4; ++i)
        r[off + i] = static_cast<std::uint8_t>(u >> (8 * i));
}

void PutName(std::span<std::uint8_t> r, std::size_t off, std::string_view s)
{
    const std::size_t n = std::min(s.size(), kStyleNameCapacity);
    r[off] = static_cast<std::uint8_t>(n);
    std::memcpy(r.data() + off + 1, s.data(), n);
    std::memset(r.data() + off + 1 + n, 0, kStyleNameCapacity - n);
}

} // namespace

std::int32_t ParagraphStyle::ReadI16(std::span<const std::uint8_t> r, std::size_t off)
{
    if (off + 2 > r.size()) {
        const ParagraphStyle d = Cleared();
        switch (off) {
        case StyleOffset::kFontSize: return d.fontSize;
        case StyleOffset::kLinkSize: return d.linkSize;
        case StyleOffset::kLeftIndent: return d.leftIndent;
        case StyleOffset::kRightIndent: return d.rightIndent;
        case StyleOffset::kLineHeight: return d.lineHeight;
        default: return 0;
        }
    }
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(r[off] | (r[off + 1] << 8)));
}

std::int32_t ParagraphStyle::ReadI32(std::span<const std::uint8_t> r, std::size_t off)
{
    if (off + 4 > r.size())
        return off == StyleOffset::kLinkColour ? Cleared().linkColour : 0;
    std::uint32_t u = 0;
    for (std::size_t i = 0; i < 4; ++i)
        u |= static_cast<std::uint32_t>(r[off + i]) << (8 * i);
    return static_cast<std::int32_t>(u);
}

std::uint8_t ParagraphStyle::ReadU8(std::span<const std::uint8_t> r, std::size_t off)
{
    if (off >= r.size()) {
        switch (off) {
        case StyleOffset::kLinkStyle: return Cleared().linkStyle;
        case StyleOffset::kUnit: return Cleared().unit;
        default: return 0;
        }
    }
    return r[off];
}

std::string ParagraphStyle::ReadName(std::span<const std::uint8_t> r, std::size_t off)
{
    if (off >= r.size())
        return off == StyleOffset::kFontName ? Cleared().fontName : std::string();
    std::size_t n = std::min<std::size_t>(r[off], kStyleNameCapacity);
    n = std::min(n, r.size() - off - 1);
    return std::string(reinterpret_cast<const char*>(r.data() + off + 1), n);
}

void ParagraphStyle::WriteI16(std::span<std::uint8_t> r, std::size_t off, std::int32_t v)
{
    if (off + 2 <= r.size())
        PutI16(r, off, v);
}

void ParagraphStyle::WriteI32(std::span<std::uint8_t> r, std::size_t off, std::int32_t v)
{
    if (off + 4 <= r.size())
        PutI32(r, off, v);
}

void ParagraphStyle::WriteU8(std::span<std::uint8_t> r, std::size_t off, std::uint8_t v)
{
    if (off < r.size())
        r[off] = v;
}

void ParagraphStyle::WriteName(std::span<std::uint8_t> r, std::size_t off, std::string_view name)
{
    if (off + 1 + kStyleNameCapacity <= r.size())
        PutName(r, off, name);
}

ParagraphStyle ParagraphStyle::Decode(std::span<const std::uint8_t> r)
{
    namespace o = StyleOffset;
    ParagraphStyle s;
    s.state = ReadU8(r, o::kState);
    s.name = ReadName(r, o::kName);
    s.fontName = ReadName(r, o::kFontName);
    s.fontSize = static_cast<std::int16_t>(ReadI16(r, o::kFontSize));
    s.colour = ReadI32(r, o::kColour);
    s.styleBits = ReadU8(r, o::kStyleBits);
    s.linkSize = static_cast<std::int16_t>(ReadI16(r, o::kLinkSize));
    s.linkColour = ReadI32(r, o::kLinkColour);
    s.linkStyle = ReadU8(r, o::kLinkStyle);
    s.leftIndent = static_cast<std::int16_t>(ReadI16(r, o::kLeftIndent));
    s.rightIndent = static_cast<std::int16_t>(ReadI16(r, o::kRightIndent));
    s.spaceAbove = static_cast<std::int16_t>(ReadI16(r, o::kSpaceAbove));
    s.spaceBelow = static_cast<std::int16_t>(ReadI16(r, o::kSpaceBelow));
    s.lineHeight = static_cast<std::int16_t>(ReadI16(r, o::kLineHeight));
    s.firstIndent = static_cast<std::int16_t>(ReadI16(r, o::kFirstIndent));
    s.unit = ReadU8(r, o::kUnit);
    s.alignment = ReadU8(r, o::kAlignment);
    s.numbering = ReadU8(r, o::kNumbering);
    s.reserved = ReadU8(r, o::kReserved);
    s.position = ReadU8(r, o::kPosition);
    return s;
}

void ParagraphStyle::Encode(std::span<std::uint8_t> r) const
{
    namespace o = StyleOffset;
    if (r.size() < kStyleRecordSize)
        return;
    r[o::kState] = state;
    PutName(r, o::kName, name);
    PutName(r, o::kFontName, fontName);
    PutI16(r, o::kFontSize, fontSize);
    PutI32(r, o::kColour, colour);
    r[o::kStyleBits] = styleBits;
    PutI16(r, o::kLinkSize, linkSize);
    PutI32(r, o::kLinkColour, linkColour);
    r[o::kLinkStyle] = linkStyle;
    PutI16(r, o::kLeftIndent, leftIndent);
    PutI16(r, o::kRightIndent, rightIndent);
    PutI16(r, o::kSpaceAbove, spaceAbove);
    PutI16(r, o::kSpaceBelow, spaceBelow);
    PutI16(r, o::kLineHeight, lineHeight);
    PutI16(r, o::kFirstIndent, firstIndent);
    r[o::kUnit] = unit;
    r[o::kAlignment] = alignment;
    r[o::kNumbering] = numbering;
    r[o::kReserved] = reserved;
    r[o::kPosition] = position;
}

void ParagraphStyle::ClearRecord(std::span<std::uint8_t> r)
{
    std::fill(r.begin(), r.end(), std::uint8_t{0});
    Cleared().Encode(r);
}

StyleTable::StyleTable()
{
    ParagraphStyle plain;
    plain.state = 1;
    plain.name = "[no style]";
    Add(plain);
    ParagraphStyle inTable = plain;
    inTable.name = "[no style intab]";
    inTable.leftIndent = 0;
    inTable.rightIndent = 0;
    Add(inTable);
}

std::span<const std::uint8_t> StyleTable::StyleRecord(int id) const
{
    if (id < 0 || id >= Count())
        return {};
    return m_records[static_cast<std::size_t>(id)];
}

std::span<std::uint8_t> StyleTable::MutableRecord(int id)
{
    if (id < 0 || id >= Count())
        return {};
    return m_records[static_cast<std::size_t>(id)];
}

int StyleTable::Add(const ParagraphStyle& style)
{
    std::vector<std::uint8_t> image(kRecordImageSize, 0);
    ParagraphStyle::ClearRecord(image);
    style.Encode(image);
    m_records.push_back(std::move(image));
    return Count() - 1;
}

void StyleTable::Set(int id, const ParagraphStyle& style)
{
    auto r = MutableRecord(id);
    style.Encode(r);
}

ParagraphStyle StyleTable::Get(int id) const { return ParagraphStyle::Decode(StyleRecord(id)); }

} // namespace quor
