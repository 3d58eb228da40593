// MarkupLexer.h: the lexical pieces of text markup, shared by the markup reader,
// the exporters and the scanners of stored page text, so that all of them cut
// a tag, a value or a reference in the same place.
//
//   attribute   letter, value, one space; a value runs from just after its letter
//               to the next space, which must stand within 12 characters
//   decimal     optional "-" then digits; empty or a lone "-" is 0; saturates
//   colour      RRGGBB from the value's first six characters -> 0x00BBGGRR
//   font name   F + quotation mark + name + quotation mark (+ one space)
//   reference   "<$" + 8 hex digits + ">"
//   tag         "<" up to and including the next ">"
//   skipped     "<D".."<d>", "<F".."<f>", "<R".."<r>" (to the end when unclosed)
//
// A lexer sees the markup up to its end (the first NUL, or a given end); every
// look goes through At(), which reads '\0' at and beyond that end, so no
// position a caller computes can take a read outside the markup.
#pragma once

#include "base/IMessages.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quor {

// Told when a value or a font name runs into the end of the markup.
inline constexpr std::string_view kTruncatedLine = "Truncated line!";

class MarkupLexer {
public:
    // How far after its letter a value's closing space is looked for.
    static constexpr std::size_t kValueLookahead = 12;
    // "<$" + 8 hex digits + ">".
    static constexpr std::size_t kRefTagLength = 11;

    // The markup ends at its first NUL, or at the end of `markup`. `messages`
    // (may be null) is told "Truncated line!" when a value or a font name runs
    // into the end.
    explicit MarkupLexer(std::string_view markup, IMessages* messages = nullptr);
    // The markup is data[0, end) (end clamped to the data); the caller has
    // already found its end, so nothing is searched.
    MarkupLexer(std::string_view data, std::size_t end, IMessages* messages = nullptr);

    std::string_view Text() const { return m_text; }
    std::size_t End() const { return m_text.size(); }
    char At(std::size_t i) const { return i < m_text.size() ? m_text[i] : '\0'; }

    // Position of `c` at or after `from`, or npos.
    std::size_t Find(char c, std::size_t from) const;
    // Just after the next ">" at or after `from`, or End().
    std::size_t AfterClose(std::size_t from) const;

    // D, F and R open a skipped block.
    static bool IsSkippedBlockLetter(char letter) { return letter == 'D' || letter == 'F' || letter == 'R'; }
    // At a "<" whose letter opens a skipped block: just after the closing tag
    // ("<", the letter in lower case, ">"), or End() when it is missing.
    // Anywhere else: `lt` unchanged.
    std::size_t SkipBlock(std::size_t lt) const;

    // Where the attributes of a paragraph header at `lt` start: after the three
    // characters "<Z ", whatever they are.
    std::size_t HeaderAttributes(std::size_t lt) const;
    // Where the attributes of a run tag at `lt` start: after "<Y" and one space
    // when there is one.
    std::size_t RunAttributes(std::size_t lt) const;

    // The 32-bit value of the reference tag at `lt` ("<$" then 8 characters):
    // characters that are not hex digits, and those past the end, count as 0.
    std::uint32_t RefValue(std::size_t lt) const;
    // A well-formed reference tag at `lt`: "<$", 8 hex digits, ">".
    bool IsRefTag(std::size_t lt, std::uint32_t* value = nullptr) const;

    // Attribute readers. Each looks only at `pos`: when the attribute's letter
    // stands there and its value is complete, `pos` moves past the value's
    // space and the value is returned; otherwise nullopt and `pos` is kept.
    // A value whose space would lie past the end is "Truncated line!" (an
    // error); one with no space within the look-ahead is simply absent.
    std::optional<std::string_view> Value(std::size_t& pos, char letter) const;
    std::optional<std::int32_t> Decimal(std::size_t& pos, char letter) const;
    std::optional<std::int32_t> Colour(std::size_t& pos, char letter) const;
    // F + quotation mark + name + quotation mark, then one space if present. A
    // name with no closing quotation mark is "Truncated line!" (information).
    std::optional<std::string> FontName(std::size_t& pos) const;

    // 0..15, or -1 for a character that is not a hex digit.
    static int HexDigit(char c);
    // Optional "-" then digits, up to the first other character; empty or a lone
    // "-" is 0; saturates at the int32 range.
    static std::int32_t Decimal(std::string_view v);
    // The first six characters as red, green, blue pairs (missing or non-hex
    // digits count as 0), as the colour value 0x00BBGGRR.
    static std::int32_t Colour(std::string_view v);

private:
    std::string_view m_text;
    IMessages* m_messages = nullptr;
};

} // namespace quor
