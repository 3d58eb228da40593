// SelectionStream.h: the private stream in which a text selection travels
// between boxes (dragging) and through the clipboard ("Quor30 objects").
//
// Layout (little-endian):
//   i32 header           1 a text selection, 3 a single picture object
//   i32 n, n entries     local link objects     (written empty here)
//   i32 n, n entries     support objects        (written empty here)
//   i32 n, n entries     embedded objects       (written empty here)
//   i32 p                number of paragraphs, then their markup (mode mwWhole)
//   u8 0                 end of the markup
// The object blocks carry transfer records that only the document can read;
// a stream whose blocks are not empty is left to that reader.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quor {

// Name under which the stream is offered to the platform (clipboard, drags).
inline constexpr std::string_view kSelectionStreamMime = "application/x-quor30-objects";

struct SelectionMarkup {
    int paragraphs = 0;
    std::string markup; // without the final NUL
};

class SelectionStream {
public:
    // A text selection's stream: header 1, no objects, the paragraphs' markup.
    static std::vector<std::uint8_t> Write(std::string_view markup, int paragraphs);
    // The markup of a stream with empty object blocks. Nothing for any other
    // header, a stream with objects, a negative count or a stream cut short.
    // The markup ends at its NUL or, when that is missing, at the end.
    static std::optional<SelectionMarkup> Read(std::span<const std::uint8_t> bytes);
};

} // namespace quor
