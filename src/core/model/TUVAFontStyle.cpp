// TUVAFontStyle.cpp: run font overrides of a paragraph style.
#include "model/TUVAFontStyle.h"

#include "model/TUVAParaStyle.h"

namespace quor {

std::span<const std::uint8_t> StyleBase::Record() const
{
    if (!source)
        return {};
    return source->StyleRecord(id);
}

void TUVAFontStyle::SetFlag(FontAttr a, bool on)
{
    if (on)
        m_flags |= 1u << a;
    else
        m_flags &= ~(1u << a);
}

std::int32_t TUVAFontStyle::Colour() const
{
    return Overrides(kFontAttrColour) ? m_colour : ParagraphStyle::ReadI32(m_base.Record(), StyleOffset::kColour);
}

std::string TUVAFontStyle::Name() const
{
    return Overrides(kFontAttrName) ? m_name : ParagraphStyle::ReadName(m_base.Record(), StyleOffset::kFontName);
}

std::int32_t TUVAFontStyle::Size() const
{
    return Overrides(kFontAttrSize) ? m_size : ParagraphStyle::ReadI16(m_base.Record(), StyleOffset::kFontSize);
}

std::uint8_t TUVAFontStyle::Style() const
{
    return Overrides(kFontAttrStyle) ? m_style : ParagraphStyle::ReadU8(m_base.Record(), StyleOffset::kStyleBits);
}

std::uint8_t TUVAFontStyle::Position() const
{
    return Overrides(kFontAttrPosition) ? m_position
                                        : ParagraphStyle::ReadU8(m_base.Record(), StyleOffset::kPosition);
}

void TUVAFontStyle::SetColour(std::int32_t v)
{
    const bool differs = v != ParagraphStyle::ReadI32(m_base.Record(), StyleOffset::kColour);
    SetFlag(kFontAttrColour, differs);
    if (differs)
        m_colour = v;
}

void TUVAFontStyle::SetName(std::string_view v)
{
    const bool differs = v != ParagraphStyle::ReadName(m_base.Record(), StyleOffset::kFontName);
    SetFlag(kFontAttrName, differs);
    if (differs)
        m_name = std::string(v);
}

void TUVAFontStyle::SetSize(std::int32_t v)
{
    const bool differs = v != ParagraphStyle::ReadI16(m_base.Record(), StyleOffset::kFontSize);
    SetFlag(kFontAttrSize, differs);
    if (differs)
        m_size = v;
}

void TUVAFontStyle::SetStyle(std::uint8_t v)
{
    const bool differs = v != ParagraphStyle::ReadU8(m_base.Record(), StyleOffset::kStyleBits);
    SetFlag(kFontAttrStyle, differs);
    if (differs)
        m_style = v;
}

void TUVAFontStyle::SetPosition(std::uint8_t v)
{
    const bool differs = v != ParagraphStyle::ReadU8(m_base.Record(), StyleOffset::kPosition);
    SetFlag(kFontAttrPosition, differs);
    if (differs)
        m_position = v;
}

void TUVAFontStyle::Assign(const TUVAFontStyle& src)
{
    if (&src == this)
        return;
    m_base = src.m_base;
    SetColour(src.Colour());
    SetName(src.Name());
    SetStyle(src.Style());
    SetPosition(src.Position());
    SetSize(src.Size());
}

void TUVAFontStyle::Assign(const TUVAParaStyle& src)
{
    m_base = src.Base();
    SetColour(src.Colour());
    SetName(src.Name());
    SetStyle(src.Style());
    SetSize(src.Size());
    SetPosition(src.Position());
}

void TUVAFontStyle::Assign(const FontSpec& platformFont, std::int32_t colour)
{
    SetColour(colour);
    SetName(platformFont.name);
    SetStyle(static_cast<std::uint8_t>(platformFont.style));
    SetSize(platformFont.size);
}

void TUVAFontStyle::Assign(const TMyFont& font)
{
    SetColour(font.colour);
    SetName(font.name);
    SetStyle(font.style);
    SetSize(font.size);
    SetPosition(font.position);
}

void TUVAFontStyle::AssignTo(TMyFont& font) const
{
    font.name = Name();
    font.size = Size();
    font.style = Style();
    font.colour = Colour();
    font.position = Position();
}

TMyFont TUVAFontStyle::Effective() const
{
    TMyFont f;
    AssignTo(f);
    return f;
}

} // namespace quor
