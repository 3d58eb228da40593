// MarkupWriter.h: writes paragraphs as text markup (grammar in MarkupReader.h).
#pragma once

#include "textengine/TUVAparag.h"

#include <string>

namespace quor {

enum MarkupWriteMode : int {
    mwWhole = 0,    // saving, clipboard, export: tables are followed by their cell texts
    mwLive = 1,     // re-parsing in place: objects as tags only
    mwContinue = 2, // a fragment continuing the preceding paragraph: run-tag header
    mwSnapshot = 3, // undo snapshot: whole paragraph; tables in start..end-1 with their
                    // cell texts, other tables followed by "<@>"
};

class MarkupWriter {
public:
    // Appends the markup of characters start..end-1 of `par` to `out`. An end
    // below 0 or beyond the text means the text length; a start outside 0..end is
    // cut into it.
    static void WriteParagraph(const TUVAparag& par, std::string& out, MarkupWriteMode mode, int end = -1,
                               int start = 0);

    // Writes paragraphs [first, last) in mode mwWhole, one after the other.
    static void WriteParagraphs(const ParagraphList& pars, std::string& out, std::size_t first = 0,
                                std::size_t last = static_cast<std::size_t>(-1));

    // A box's stored text: its own paragraphs (the `headerCount` first and the
    // `footerCount` last are left out) in mode mwWhole, then one NUL byte.
    static std::string SaveBoxText(const ParagraphList& pars, std::size_t headerCount = 0,
                                   std::size_t footerCount = 0);

    // "RRGGBB" (upper-case digits) of a colour value 0x00BBGGRR.
    static std::string ColourHex(std::int32_t colour);
};

} // namespace quor
