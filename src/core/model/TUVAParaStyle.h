// TUVAParaStyle.h: the attributes of one paragraph, held as overrides of its
// paragraph style (same rule as TUVAFontStyle), plus the paragraph font that
// the markup reader uses as its scratch run font.
#pragma once

#include "model/TUVAFontStyle.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quor {

// Attribute flags of a paragraph, in flag order (the first five are the font's).
enum ParaAttr : int {
    kParaColour = 0,
    kParaName,
    kParaSize,
    kParaStyle,
    kParaPosition,
    kParaReserved,
    kParaAlignment,
    kParaNumbering,
    kParaUnit,
    kParaLineHeight,
    kParaFirstIndent,
    kParaLeftIndent,
    kParaRightIndent,
    kParaSpaceAbove,
    kParaSpaceBelow,
    kParaLinkStyle,
    kParaLinkColour,
    kParaLinkSize,
    kParaAttrCount, // 18
};

// The six pixel measures that can also be read and set in the display unit.
enum class ParaMeasure { LineHeight, FirstIndent, LeftIndent, RightIndent, SpaceAbove, SpaceBelow };

class TUVAParaStyle {
public:
    TUVAParaStyle() = default;
    explicit TUVAParaStyle(StyleBase base) : m_base(base), m_font(base) {}

    const StyleBase& Base() const { return m_base; }
    int StyleId() const { return m_base.id; }
    // The paragraph and its paragraph font take the new base; flags and own values stay.
    void SetBase(StyleBase base);

    // Getters (effective values) and setters (override rule) of the 18 attributes.
    std::int32_t Colour() const;
    std::string Name() const;
    std::int32_t Size() const;
    std::uint8_t Style() const;
    std::uint8_t Position() const;
    std::uint8_t Reserved() const;
    std::uint8_t Alignment() const;
    std::uint8_t Numbering() const;
    std::uint8_t Unit() const;
    std::int32_t LineHeight() const;
    std::int32_t FirstIndent() const;
    std::int32_t LeftIndent() const;
    std::int32_t RightIndent() const;
    std::int32_t SpaceAbove() const;
    std::int32_t SpaceBelow() const;
    std::uint8_t LinkStyle() const;
    std::int32_t LinkColour() const;
    std::int32_t LinkSize() const;

    void SetColour(std::int32_t v);
    void SetName(std::string_view v);
    void SetSize(std::int32_t v);
    void SetStyle(std::uint8_t v);
    void SetPosition(std::uint8_t v);
    void SetReserved(std::uint8_t v);
    void SetAlignment(std::uint8_t v);
    void SetNumbering(std::uint8_t v);
    void SetUnit(std::uint8_t v);
    void SetLineHeight(std::int32_t v);
    void SetFirstIndent(std::int32_t v);
    void SetLeftIndent(std::int32_t v);
    void SetRightIndent(std::int32_t v);
    void SetSpaceAbove(std::int32_t v);
    void SetSpaceBelow(std::int32_t v);
    void SetLinkStyle(std::uint8_t v);
    void SetLinkColour(std::int32_t v);
    void SetLinkSize(std::int32_t v);

    // Pixel measures by name.
    std::int32_t MeasurePixels(ParaMeasure m) const;
    void SetMeasurePixels(ParaMeasure m, std::int32_t pixels);
    // The measure in the paragraph's effective unit, and its setter: the value is
    // taken in that unit, converted to pixels (nearest, ties to even) and set.
    float MeasureInUnit(ParaMeasure m) const;
    void SetMeasureInUnit(ParaMeasure m, float value);

    bool Overrides(ParaAttr a) const { return (m_flags >> a) & 1u; }
    bool AnyOverride() const { return m_flags != 0; }
    void ClearOverrides() { m_flags = 0; } // own values stay

    // Own values (meaningful only where the flag is set).
    std::int32_t OwnInt(ParaAttr a) const { return m_own[a]; }
    const std::string& OwnName() const { return m_name; }

    // The scratch run font of the markup reader; same base. The attribute setters
    // above never touch it.
    TUVAFontStyle& Font() { return m_font; }
    const TUVAFontStyle& Font() const { return m_font; }

    void Assign(const TUVAParaStyle& src);
    void Assign(const TUVAFontStyle& src);
    void Assign(const FontSpec& platformFont, std::int32_t colour);
    void Assign(const TMyFont& font);

    // Effective name, size, style bits, colour and position.
    void AssignTo(TMyFont& font) const;
    TMyFont EffectiveFont() const;

private:
    std::int32_t RecordInt(ParaAttr a) const;
    std::int32_t GetInt(ParaAttr a) const;
    void SetInt(ParaAttr a, std::int32_t v);
    void SetFlag(ParaAttr a, bool on);

    StyleBase m_base;
    unsigned m_flags = 0;
    std::int32_t m_own[kParaAttrCount] = {};
    std::string m_name;
    TUVAFontStyle m_font;
};

} // namespace quor
