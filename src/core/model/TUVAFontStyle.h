// TUVAFontStyle.h: the font attributes of a run, held as overrides of a
// paragraph style (own value + flag per attribute).
//
// Override rule: a getter returns the own value when its flag is set, else the
// style record's field at the moment of the call. A setter compares the new
// value with the record's field: equal clears the flag (the own value is kept
// but unused), different sets the flag and stores the value. Font names are
// compared exactly, letter case included. Without a base (or when the base id
// names no style) the fields of a cleared style stand in for the record.
#pragma once

#include "model/ParagraphStyle.h"
#include "model/TMyFont.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quor {

class TUVAParaStyle;

// Attribute flags of a font, in flag order.
enum FontAttr : int {
    kFontAttrColour = 0,
    kFontAttrName = 1,
    kFontAttrSize = 2,
    kFontAttrStyle = 3,
    kFontAttrPosition = 4,
    kFontAttrCount = 5,
};

// The base a style-override object refers to: a style id in a style source.
struct StyleBase {
    const IStyleSource* source = nullptr;
    int id = 0;

    std::span<const std::uint8_t> Record() const;
    bool operator==(const StyleBase&) const = default;
};

class TUVAFontStyle {
public:
    TUVAFontStyle() = default;
    explicit TUVAFontStyle(StyleBase base) : m_base(base) {}

    const StyleBase& Base() const { return m_base; }
    void SetBase(StyleBase base) { m_base = base; } // flags and own values stay

    std::int32_t Colour() const;
    std::string Name() const;
    std::int32_t Size() const;
    std::uint8_t Style() const;
    std::uint8_t Position() const;

    void SetColour(std::int32_t v);
    void SetName(std::string_view v);
    void SetSize(std::int32_t v);
    void SetStyle(std::uint8_t v);
    void SetPosition(std::uint8_t v);

    bool Overrides(FontAttr a) const { return (m_flags >> a) & 1u; }
    bool AnyOverride() const { return m_flags != 0; }
    // Own values (meaningful only where the flag is set).
    std::int32_t OwnColour() const { return m_colour; }
    const std::string& OwnName() const { return m_name; }
    std::int32_t OwnSize() const { return m_size; }
    std::uint8_t OwnStyle() const { return m_style; }
    std::uint8_t OwnPosition() const { return m_position; }

    // Base and effective values of another override object, through the setters.
    void Assign(const TUVAFontStyle& src);
    void Assign(const TUVAParaStyle& src);
    void Assign(const FontSpec& platformFont, std::int32_t colour); // base unchanged
    void Assign(const TMyFont& font);                               // base unchanged

    // Effective name, size, style bits, colour and position.
    void AssignTo(TMyFont& font) const;
    TMyFont Effective() const;

private:
    void SetFlag(FontAttr a, bool on);

    StyleBase m_base;
    unsigned m_flags = 0;
    std::int32_t m_colour = 0;
    std::string m_name;
    std::int32_t m_size = 0;
    std::uint8_t m_style = 0;
    std::uint8_t m_position = 0;
};

} // namespace quor
