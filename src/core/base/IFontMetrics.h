// IFontMetrics.h: the one way the core measures text. Layout, printing and
// export measure through this, so they run headless with a fake and on screen
// with the fonts the document names.
#pragma once

#include <string>
#include <string_view>

namespace quor {

// Style bits as documents store them.
enum FontStyleBits : int {
    kFontBold = 1,
    kFontItalic = 2,
    kFontUnderline = 4,
    kFontStrikeOut = 8,
};

struct FontSpec {
    std::string name;   // face name as the document writes it ("Times New Roman")
    int size = 10;      // points
    int style = 0;      // FontStyleBits

    bool operator==(const FontSpec&) const = default;
};

// All measures are device pixels of the surface the metrics belong to.
class IFontMetrics {
public:
    virtual ~IFontMetrics() = default;

    // Advance width of Windows-1252 text set in one font.
    virtual int TextWidth(const FontSpec& font, std::string_view text) const = 0;
    virtual int Ascent(const FontSpec& font) const = 0;
    virtual int Descent(const FontSpec& font) const = 0;

    int Height(const FontSpec& font) const { return Ascent(font) + Descent(font); }
    // Pixels per inch of the surface (screen or printer).
    virtual int PixelsPerInch() const { return 96; }
};

// Every byte is `charWidth` pixels wide whatever the font, so expected line breaks
// are plain arithmetic in tests.
class FixedMetrics : public IFontMetrics {
public:
    explicit FixedMetrics(int charWidth = 10, int ascent = 12, int descent = 4)
        : m_charWidth(charWidth), m_ascent(ascent), m_descent(descent) {}

    int TextWidth(const FontSpec&, std::string_view text) const override
    {
        return static_cast<int>(text.size()) * m_charWidth;
    }
    int Ascent(const FontSpec&) const override { return m_ascent; }
    int Descent(const FontSpec&) const override { return m_descent; }

private:
    int m_charWidth;
    int m_ascent;
    int m_descent;
};

} // namespace quor
