// ParagraphEdit.h: changes to a paragraph's characters that keep its invariants:
// inserting and erasing characters with their records, cutting off a tail,
// appending another paragraph's characters. Run fonts and objects that no
// record uses any more are dropped from their lists (objects are reported).
#pragma once

#include "textengine/TUVAparag.h"

#include <functional>
#include <string>
#include <vector>

namespace quor {

// All of these work in place on the paragraph (no rebuild of its other
// characters), so a keystroke costs a move of the text after the caret.

// Characters taken out of a paragraph with everything they refer to; the
// records' run-font and object indexes point into the lists held here.
struct ParagraphTail {
    std::string text;
    std::vector<TCharRec> records; // text.size() + 1: the end record comes along
    std::vector<TUVAFontStyle> runFonts;
    std::vector<EmbeddedObject> objects;
};

class ParagraphEdit {
public:
    using ObjectSink = std::function<void(const EmbeddedObject&)>;

    // Inserts one character with its record before position `pos`.
    static void InsertChar(TUVAparag& par, int pos, char c, const TCharRec& rec);
    // Erases characters [from, to); their objects go to `freed`.
    static void Erase(TUVAparag& par, int from, int to, const ObjectSink& freed = {});
    // Replaces the character at `pos`, keeping its record but dropping an
    // object it held (reported to `freed`).
    static void ReplaceChar(TUVAparag& par, int pos, char c, const ObjectSink& freed = {});
    // Cuts characters [pos, length) off with the end record; the paragraph
    // gets a fresh end record (no run font, no object, no link).
    static ParagraphTail SplitOff(TUVAparag& par, int pos);
    // Appends a tail: its run fonts and objects are added to the paragraph's
    // lists and its end record becomes the paragraph's end record.
    static void Append(TUVAparag& par, ParagraphTail tail);
    // Gives the record at `pos` a run font of its own with the effective
    // values of `font`, based on the paragraph's style, unless it has one.
    static void EnsureRunFont(TUVAparag& par, int pos, const TMyFont& font);
    // Makes a run font refer to another style: attributes it overrides keep
    // their values, the others follow the new style.
    static void Rebase(TUVAFontStyle& font, const StyleBase& base);
};

} // namespace quor
