// TUVAparag.h: the data of one paragraph of formatted text, as the markup reader
// builds it and the writer, layout and editing use it: the 8-bit text, one
// TCharRec per position plus one for the end, the run-font list, the embedded
// objects, the paragraph attributes and the layout fields.
//
// Invariants (kept by every member function; Check() verifies them):
// - Records().size() == Text().size() + 1;
// - a record's runFont is -1 or an index into RunFonts();
// - a record's object is -1 or an index into Objects(); such a position holds a space.
#pragma once

#include "model/TUVAParaStyle.h"
#include "textengine/TCharRec.h"
#include "textengine/TUVAline.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quor {

class TUVAbox;
class IEmbeddedControl;
class TUVAparag;

// A box's (or a table cell's) paragraphs, in order.
using ParagraphList = std::vector<std::unique_ptr<TUVAparag>>;

// Which text of a box a paragraph belongs to.
enum class ParagraphKind : int { Own = 0, Header = 1, Footer = 2 };

// An object whose control stands in the text.
struct EmbeddedObject {
    IEmbeddedControl* control = nullptr; // not owned
    std::uint32_t number = 0;            // registry number of the control
    int kind = -1;                       // object kind (8 is a table)
};

inline constexpr int kObjectKindTable = 8;
inline constexpr int kObjectKindPicturePlacement = 16;

class TUVAparag {
public:
    explicit TUVAparag(TUVAbox* box = nullptr, ParagraphKind kind = ParagraphKind::Own);

    TUVAbox* Box() const { return m_box; }
    void SetBox(TUVAbox* box) { m_box = box; }
    ParagraphKind Kind() const { return m_kind; }
    void SetKind(ParagraphKind kind) { m_kind = kind; }

    // Text: one byte per position; an embedded object occupies a space.
    const std::string& Text() const { return m_text; }
    int Length() const { return static_cast<int>(m_text.size()); }

    // Records: Length() + 1 of them.
    const std::vector<TCharRec>& Records() const { return m_records; }
    std::vector<TCharRec>& Records() { return m_records; }
    TCharRec& EndRecord() { return m_records.back(); }
    const TCharRec& EndRecord() const { return m_records.back(); }

    TUVAParaStyle& Style() { return m_style; }
    const TUVAParaStyle& Style() const { return m_style; }

    const std::vector<TUVAFontStyle>& RunFonts() const { return m_runFonts; }
    std::vector<TUVAFontStyle>& RunFonts() { return m_runFonts; }
    int AddRunFont(const TUVAFontStyle& font); // returns its index

    const std::vector<EmbeddedObject>& Objects() const { return m_objects; }
    std::vector<EmbeddedObject>& Objects() { return m_objects; }
    int AddObject(const EmbeddedObject& object); // returns its index

    // Appends a character: the current end record becomes the character's
    // record (filled from `rec`, keeping its run-font and object indexes) and a
    // new end record with run font -1, object -1 and link `nextLink` follows.
    void AppendChar(char c, std::int32_t width, std::int32_t height, std::int32_t ascent,
                    std::int32_t nextLink);

    // Inserts characters before position `pos` (cut to 0..Length()), each with
    // its record from `records` (a missing record is a default one). A record's
    // run-font and object indexes must name entries of this paragraph's lists;
    // any other index becomes -1, and so does an object on a character that is
    // not a space. The lines are dropped until the next layout; spelling marks
    // that matched the text are kept in step (new characters unmarked).
    void InsertChars(int pos, std::string_view text, std::span<const TCharRec> records = {});
    // Erases the characters [from, to) (cut to the text) with their records;
    // the end record stays. Run fonts and objects that those records used and
    // no remaining record uses are dropped from their lists (the indexes of
    // the others are renumbered); the dropped objects are returned so that
    // their controls can be freed. Lines and spelling marks as for InsertChars.
    std::vector<EmbeddedObject> EraseChars(int from, int to);
    // Replaces the end record; a run font only the old one used is dropped.
    // The end holds no object: its object index becomes -1.
    void SetEndRecord(const TCharRec& rec);

    // Back to an empty paragraph: no text, one end record, no run fonts, objects or lines.
    // The style, kind and box stay.
    void Clear();

    // Run font in force at a position (the nearest record at or before it that
    // starts a run font), or null when the paragraph font applies. Positions are
    // cut to 0..Length(); -1 gives null.
    const TUVAFontStyle* RunFontAt(int pos) const;
    // Effective font at a position: the run font's, else the paragraph's.
    TMyFont FontAt(int pos) const;
    // The embedded object at a position, or null.
    const EmbeddedObject* ObjectAt(int pos) const;
    // True when the first character is a space holding a table.
    bool IsTableParagraph() const;

    // Layout data (filled by layout).
    std::vector<TUVAline>& Lines() { return m_lines; }
    const std::vector<TUVAline>& Lines() const { return m_lines; }
    int defaultLineHeight = 0; // height of the paragraph font
    int topY = 0;
    int bottomY = 0;
    int layoutWidth = 0;
    std::string spellMarks;    // one character per position: '!' misspelt, ' ' correct

    // True when the invariants above hold.
    bool Check() const;

private:
    // Drops the run fonts and objects among the candidates that no record uses;
    // returns the dropped objects.
    std::vector<EmbeddedObject> DropUnused(std::vector<int> fonts, std::vector<int> objects);
    // A record's indexes made valid for this paragraph at position `pos` (before insertion).
    TCharRec Sanitized(const TCharRec& rec, char c) const;

    TUVAbox* m_box = nullptr;
    ParagraphKind m_kind = ParagraphKind::Own;
    std::string m_text;
    std::vector<TCharRec> m_records;
    TUVAParaStyle m_style;
    std::vector<TUVAFontStyle> m_runFonts;
    std::vector<EmbeddedObject> m_objects;
    std::vector<TUVAline> m_lines;
};

} // namespace quor
