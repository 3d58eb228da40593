// TMyFont.h: a plain font description, used wherever a font is computed or compared.
#pragma once

#include "base/IFontMetrics.h"

#include <cstdint>
#include <string>

namespace quor {

// Vertical position of text.
enum FontPosition : std::uint8_t {
    kPositionNormal = 0,
    kPositionSubscript = 1,
    kPositionSuperscript = 2,
};

class TMyFont {
public:
    std::string name;           // face name; empty when created
    std::uint8_t style = 0;     // FontStyleBits: 1 bold, 2 italic, 4 underline, 8 strike-out
    std::int32_t colour = 0;    // 0x00BBGGRR or 0x800000nn (system colour)
    std::int32_t size = 10;     // points
    std::uint8_t position = kPositionNormal;

    // Copies all five fields.
    void Assign(const TMyFont& other) { *this = other; }

    // The platform font it stands for: name, size and style (colour and
    // position are drawn, not measured).
    FontSpec ToFontSpec() const { return FontSpec{name, size, style}; }

    bool operator==(const TMyFont&) const = default;
};

} // namespace quor
