// TUVAParaStyle.cpp: paragraph attribute overrides of a paragraph style.
#include "model/TUVAParaStyle.h"

#include "model/Units.h"

namespace quor {

namespace {

struct FieldInfo {
    std::size_t offset;
    int width; // 1, 2 or 4 bytes in the record
};

// Record field followed by each attribute (the name is handled apart).
constexpr FieldInfo kFields[kParaAttrCount] = {
    {StyleOffset::kColour, 4},      {StyleOffset::kFontName, 0},    {StyleOffset::kFontSize, 2},
    {StyleOffset::kStyleBits, 1},   {StyleOffset::kPosition, 1},    {StyleOffset::kReserved, 1},
    {StyleOffset::kAlignment, 1},   {StyleOffset::kNumbering, 1},   {StyleOffset::kUnit, 1},
    {StyleOffset::kLineHeight, 2},  {StyleOffset::kFirstIndent, 2}, {StyleOffset::kLeftIndent, 2},
    {StyleOffset::kRightIndent, 2}, {StyleOffset::kSpaceAbove, 2},  {StyleOffset::kSpaceBelow, 2},
    {StyleOffset::kLinkStyle, 1},   {StyleOffset::kLinkColour, 4},  {StyleOffset::kLinkSize, 2},
};

ParaAttr AttrOf(ParaMeasure m)
{
    switch (m) {
    case ParaMeasure::LineHeight: return kParaLineHeight;
    case ParaMeasure::FirstIndent: return kParaFirstIndent;
    case ParaMeasure::LeftIndent: return kParaLeftIndent;
    case ParaMeasure::RightIndent: return kParaRightIndent;
    case ParaMeasure::SpaceAbove: return kParaSpaceAbove;
    case ParaMeasure::SpaceBelow: return kParaSpaceBelow;
    }
    return kParaLeftIndent;
}

} // namespace

void TUVAParaStyle::SetBase(StyleBase base)
{
    m_base = base;
    m_font.SetBase(base);
}

void TUVAParaStyle::SetFlag(ParaAttr a, bool on)
{
    if (on)
        m_flags |= 1u << a;
    else
        m_flags &= ~(1u << a);
}

std::int32_t TUVAParaStyle::RecordInt(ParaAttr a) const
{
    const auto rec = m_base.Record();
    const FieldInfo& f = kFields[a];
    switch (f.width) {
    case 1: return ParagraphStyle::ReadU8(rec, f.offset);
    case 2: return ParagraphStyle::ReadI16(rec, f.offset);
    default: return ParagraphStyle::ReadI32(rec, f.offset);
    }
}

std::int32_t TUVAParaStyle::GetInt(ParaAttr a) const { return Overrides(a) ? m_own[a] : RecordInt(a); }

void TUVAParaStyle::SetInt(ParaAttr a, std::int32_t v)
{
    const bool differs = v != RecordInt(a);
    SetFlag(a, differs);
    if (differs)
        m_own[a] = v;
}

std::int32_t TUVAParaStyle::Colour() const { return GetInt(kParaColour); }
std::string TUVAParaStyle::Name() const
{
    return Overrides(kParaName) ? m_name : ParagraphStyle::ReadName(m_base.Record(), StyleOffset::kFontName);
}
std::int32_t TUVAParaStyle::Size() const { return GetInt(kParaSize); }
std::uint8_t TUVAParaStyle::Style() const { return static_cast<std::uint8_t>(GetInt(kParaStyle)); }
std::uint8_t TUVAParaStyle::Position() const { return static_cast<std::uint8_t>(GetInt(kParaPosition)); }
std::uint8_t TUVAParaStyle::Reserved() const { return static_cast<std::uint8_t>(GetInt(kParaReserved)); }
std::uint8_t TUVAParaStyle::Alignment() const { return static_cast<std::uint8_t>(GetInt(kParaAlignment)); }
std::uint8_t TUVAParaStyle::Numbering() const { return static_cast<std::uint8_t>(GetInt(kParaNumbering)); }
std::uint8_t TUVAParaStyle::Unit() const { return static_cast<std::uint8_t>(GetInt(kParaUnit)); }
std::int32_t TUVAParaStyle::LineHeight() const { return GetInt(kParaLineHeight); }
std::int32_t TUVAParaStyle::FirstIndent() const { return GetInt(kParaFirstIndent); }
std::int32_t TUVAParaStyle::LeftIndent() const { return GetInt(kParaLeftIndent); }
std::int32_t TUVAParaStyle::RightIndent() const { return GetInt(kParaRightIndent); }
std::int32_t TUVAParaStyle::SpaceAbove() const { return GetInt(kParaSpaceAbove); }
std::int32_t TUVAParaStyle::SpaceBelow() const { return GetInt(kParaSpaceBelow); }
std::uint8_t TUVAParaStyle::LinkStyle() const { return static_cast<std::uint8_t>(GetInt(kParaLinkStyle)); }
std::int32_t TUVAParaStyle::LinkColour() const { return GetInt(kParaLinkColour); }
std::int32_t TUVAParaStyle::LinkSize() const { return GetInt(kParaLinkSize); }

void TUVAParaStyle::SetColour(std::int32_t v) { SetInt(kParaColour, v); }
void TUVAParaStyle::SetName(std::string_view v)
{
    const bool differs = v != ParagraphStyle::ReadName(m_base.Record(), StyleOffset::kFontName);
    SetFlag(kParaName, differs);
    if (differs)
        m_name = std::string(v);
}
void TUVAParaStyle::SetSize(std::int32_t v) { SetInt(kParaSize, v); }
void TUVAParaStyle::SetStyle(std::uint8_t v) { SetInt(kParaStyle, v); }
void TUVAParaStyle::SetPosition(std::uint8_t v) { SetInt(kParaPosition, v); }
void TUVAParaStyle::SetReserved(std::uint8_t v) { SetInt(kParaReserved, v); }
void TUVAParaStyle::SetAlignment(std::uint8_t v) { SetInt(kParaAlignment, v); }
void TUVAParaStyle::SetNumbering(std::uint8_t v) { SetInt(kParaNumbering, v); }
void TUVAParaStyle::SetUnit(std::uint8_t v) { SetInt(kParaUnit, v); }
void TUVAParaStyle::SetLineHeight(std::int32_t v) { SetInt(kParaLineHeight, v); }
void TUVAParaStyle::SetFirstIndent(std::int32_t v) { SetInt(kParaFirstIndent, v); }
void TUVAParaStyle::SetLeftIndent(std::int32_t v) { SetInt(kParaLeftIndent, v); }
void TUVAParaStyle::SetRightIndent(std::int32_t v) { SetInt(kParaRightIndent, v); }
void TUVAParaStyle::SetSpaceAbove(std::int32_t v) { SetInt(kParaSpaceAbove, v); }
void TUVAParaStyle::SetSpaceBelow(std::int32_t v) { SetInt(kParaSpaceBelow, v); }
void TUVAParaStyle::SetLinkStyle(std::uint8_t v) { SetInt(kParaLinkStyle, v); }
void TUVAParaStyle::SetLinkColour(std::int32_t v) { SetInt(kParaLinkColour, v); }
void TUVAParaStyle::SetLinkSize(std::int32_t v) { SetInt(kParaLinkSize, v); }

std::int32_t TUVAParaStyle::MeasurePixels(ParaMeasure m) const { return GetInt(AttrOf(m)); }

void TUVAParaStyle::SetMeasurePixels(ParaMeasure m, std::int32_t pixels) { SetInt(AttrOf(m), pixels); }

float TUVAParaStyle::MeasureInUnit(ParaMeasure m) const { return PixelsToUnit(MeasurePixels(m), Unit()); }

void TUVAParaStyle::SetMeasureInUnit(ParaMeasure m, float value)
{
    SetMeasurePixels(m, UnitToPixels(value, Unit()));
}

void TUVAParaStyle::Assign(const TUVAParaStyle& src)
{
    if (&src == this)
        return;
    SetBase(src.m_base);
    SetColour(src.Colour());
    SetName(src.Name());
    SetStyle(src.Style());
    SetSize(src.Size());
    SetPosition(src.Position());
    SetAlignment(src.Alignment());
    SetReserved(src.Reserved());
    SetNumbering(src.Numbering());
    SetUnit(src.Unit());
    // Measures travel in the source's unit, as the paragraph dialog shows them.
    for (ParaMeasure m : {ParaMeasure::FirstIndent, ParaMeasure::LeftIndent, ParaMeasure::RightIndent,
                          ParaMeasure::SpaceAbove, ParaMeasure::SpaceBelow, ParaMeasure::LineHeight})
        SetMeasureInUnit(m, src.MeasureInUnit(m));
    SetLinkColour(src.LinkColour());
    SetLinkSize(src.LinkSize());
    SetLinkStyle(src.LinkStyle());
    m_font.Assign(src.m_font);
}

void TUVAParaStyle::Assign(const TUVAFontStyle& src)
{
    SetBase(src.Base());
    SetColour(src.Colour());
    SetName(src.Name());
    SetStyle(src.Style());
    SetSize(src.Size());
    SetPosition(src.Position());
    m_font.Assign(src);
}

void TUVAParaStyle::Assign(const FontSpec& platformFont, std::int32_t colour)
{
    SetColour(colour);
    SetName(platformFont.name);
    SetStyle(static_cast<std::uint8_t>(platformFont.style));
    SetSize(platformFont.size);
    m_font.Assign(platformFont, colour);
}

void TUVAParaStyle::Assign(const TMyFont& font)
{
    SetColour(font.colour);
    SetName(font.name);
    SetStyle(font.style);
    SetSize(font.size);
    SetPosition(font.position);
    m_font.Assign(font);
}

void TUVAParaStyle::AssignTo(TMyFont& font) const
{
    font.name = Name();
    font.size = Size();
    font.style = Style();
    font.colour = Colour();
    font.position = Position();
}

TMyFont TUVAParaStyle::EffectiveFont() const
{
    TMyFont f;
    AssignTo(f);
    return f;
}

} // namespace quor
