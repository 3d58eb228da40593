// MarkupText.h: the plain text of a markup, for callers that need the words
// and not the formatting (search, titles, plain exports of small texts).
#pragma once

#include <string>
#include <string_view>

namespace quor {

class MarkupText {
public:
    // The characters of every paragraph (entities decoded, tags and skipped
    // blocks left out, table cells included as paragraphs of their own), with
    // `separator` between paragraphs. An embedded object stands as one space.
    static std::string PlainText(std::string_view markup, std::string_view separator = "\r\n");

    // True when the markup holds at least one paragraph header.
    static bool HasParagraph(std::string_view markup);
};

} // namespace quor
