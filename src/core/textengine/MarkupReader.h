// MarkupReader.h: reads text markup into paragraphs.
//
// Grammar (8-bit Windows-1252 text, ended by a NUL or by the end of the buffer):
//   paragraph  "<Z S" id " " header-attributes ">" then text and tags
//   run tag    "<Y " c F" s i g y p ">"    (the font from here on)
//   link       "<$" 8 hex digits ">"       top byte 00, 03 or 6F
//   object     "<$FF" 6 hex digits ">"     a registered control (a table may be
//              followed by its cell texts, each ended by "<T>", or by "<@>")
//   link end   "<%>";  cell end "<T>";  skipped block "<D".."<d>", "<F".."<f>", "<R".."<r>"
//   any other tag is ignored; "&" sequences as in MarkupEntities; bytes below 0x20 dropped.
// Each attribute is a letter, a value and a space, looked for only at the
// current position, in the fixed order; a value ends at a space found within 12
// characters. The reader never looks beyond the end of the buffer.
#pragma once

#include "base/IFontMetrics.h"
#include "base/IMessages.h"
#include "model/ParagraphStyle.h"
#include "textengine/MarkupLexer.h"
#include "textengine/TUVAparag.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace quor {

class IControlRegistry;

// A read position in markup. The markup ends at the first NUL or at data.size().
struct MarkupCursor {
    std::string_view data;
    std::size_t pos = 0;

    char At(std::size_t i) const { return i < data.size() ? data[i] : '\0'; }
    bool AtEnd() const { return At(pos) == '\0'; }
};

// Parallel lists (old value, new value) for markup that brings its own style
// ids, link references or object numbers. A value not in the list is kept.
struct RefTranslation {
    std::vector<std::int32_t> from;
    std::vector<std::int32_t> to;

    std::int32_t Map(std::int32_t v) const;
};

// The reader says kTruncatedLine (MarkupLexer.h) for a value or font name cut off by the end.
// Error a box gives when asked to show text still in the version-1 form.
inline constexpr std::string_view kVersion1TextInBox = "baco; testo ver 1 ancora pres in uvaBox!";

struct MarkupReadOptions {
    const IStyleSource* styles = nullptr;     // kind-17 styles; null: the cleared style
    const IFontMetrics* metrics = nullptr;    // null: every size reads 0
    IControlRegistry* controls = nullptr;     // null: objects read as plain spaces
    IMessages* messages = nullptr;            // null: "Truncated line!" is not shown
    const RefTranslation* styleMap = nullptr;
    const RefTranslation* linkMap = nullptr;  // applies to 0x6F values
    const RefTranslation* objectMap = nullptr; // applies to the 24-bit object numbers
    int mode = 0;                             // 0 whole: tables read their cell texts; 1 live
};

class MarkupReader {
public:
    // Parses one paragraph from the cursor into `par` (emptied first, kind and
    // box kept) and leaves the cursor at the next paragraph header. Returns true
    // when the markup ended (cursor on the NUL / end) or a "<T>" ended a table
    // cell (cursor after it); false when another paragraph follows, or when no
    // "<" is left (then neither `par` nor the cursor changes).
    static bool ReadParagraph(TUVAparag& par, MarkupCursor& cur, const MarkupReadOptions& opts);

    // Reads paragraphs as a box loads one of its texts: until a read returns
    // true, the cursor stops moving or the markup is exhausted. A read that did
    // not move the cursor adds no paragraph (empty markup gives none).
    static void ReadParagraphs(ParagraphList& out, MarkupCursor& cur, ParagraphKind kind, TUVAbox* box,
                               const MarkupReadOptions& opts);

    // Every paragraph up to the end of the markup, continuing past "<T>" cell
    // ends (for readers that do not show tables, e.g. plain text).
    static ParagraphList ReadAll(std::string_view markup, const MarkupReadOptions& opts);

    // The paragraphs of a box: the header text (kind Header, from its start), the
    // own text (kind Own, from the cursor's position) and the footer text (kind
    // Footer, from its start), each read as ReadParagraphs does. An own text
    // that yields no paragraph gets one empty paragraph of style 0, so that a
    // box always has a paragraph to type into.
    struct BoxText {
        ParagraphList paragraphs;
        std::size_t headerCount = 0;
        std::size_t footerCount = 0;
    };
    static BoxText LoadBoxText(std::string_view header, MarkupCursor& own, std::string_view footer, TUVAbox* box,
                               const MarkupReadOptions& opts);
};

} // namespace quor
