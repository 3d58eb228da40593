// TUVAboxEditor.h: the editing logic of a text box that needs no widget: caret
// and selection, key moves, typing, splitting, joining and deleting, and the
// typing and deletion runs. Every change goes through one gateway that records
// the undo step first, then changes the paragraphs, then lays them out again;
// a guard refuses a change that starts while another one is running.
#pragma once

#include "base/IMessages.h"
#include "textengine/BoxNavigation.h"
#include "textengine/IUndoRecorder.h"
#include "textengine/TUVAboxModel.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quor {

class TUVATextAttributes;
class TUVAParaAttributes;
class IControlRegistry;
struct RefTranslation;

// Who made the selection: keyboard and mouse selections can be extended with
// Shift and a move; any other (double click, select all, a command) is replaced.
enum class SelectionOrigin { Keys, Mouse, Other };

// Messages of editing.
inline constexpr std::string_view kSelectionMustExist = "SelectionMustExists";
inline constexpr std::string_view kReplaceAcrossParagraphs =
    "Funzione non disponibile per parole non comprese interamente in un paragrafo.";
// Shown when an object is to be inserted while the caret stands in no paragraph.
inline constexpr std::string_view kInternalError = "err";
// Undo captions of formatted insertions.
inline constexpr std::string_view kDropInsertion = "Drop insertion";
inline constexpr std::string_view kClipboardInsertion = "Clipboard insertion";

// Where the objects and local links of inserted markup are found. Without a
// registry an object tag reads as a plain space; `linkMap` translates local
// link values (top byte 0x6F) of markup that comes from another text.
struct MarkupInsertion {
    IControlRegistry* controls = nullptr;
    const RefTranslation* linkMap = nullptr;
};

class TUVAboxEditor {
public:
    // `undo` and `messages` may be null (nothing recorded, nothing shown).
    TUVAboxEditor(TUVAboxModel& box, IUndoRecorder* undo = nullptr, IMessages* messages = nullptr);
    ~TUVAboxEditor();

    TUVAboxModel& Box() { return m_box; }
    const TUVAboxModel& Box() const { return m_box; }
    TUVATextAttributes& TextAttributes() { return *m_text; }
    TUVAParaAttributes& ParaAttributes() { return *m_para; }

    // Caret and selection. The caret is the active end of a selection.
    const TCaretPos& Caret() const { return m_caret; }
    const TCaretPos& Anchor() const { return m_anchor; }
    bool HasSelection() const { return m_hasSelection && !m_caret.SamePlace(m_anchor); }
    TCaretPos SelectionStart() const; // ordered; the caret without a selection
    TCaretPos SelectionEnd() const;
    // Puts the caret at a position (cut to the box) and drops the selection.
    void SetCaret(int para, int index, int lineHint = -1);
    void Select(int anchorPara, int anchorIndex, int activePara, int activeIndex,
                SelectionOrigin origin = SelectionOrigin::Other);
    void SelectAll();
    void ClearSelection();
    // The selected characters, paragraphs joined with nothing between them.
    std::string SelectedText() const;
    // The selection as markup (mode mwWhole), the form in which it is dragged
    // and copied: the first paragraph from the selection start, the ones
    // between whole, the last up to the selection end (a selection ending at a
    // paragraph start gives an empty last paragraph, i.e. the break). Empty
    // without a selection. `paragraphs` receives the number of paragraphs.
    std::string SelectedMarkup(int* paragraphs = nullptr) const;

    // A navigation key. With Shift the selection is extended (exit codes are
    // dropped, so it never leaves the box); without, a shown selection only
    // collapses to its start or end. Returns the exit code (0 when the caret
    // moved or stayed inside the box).
    int Move(NavKey key, bool ctrl = false, bool shift = false);

    // Typing a character (codes from 32 up; others are refused).
    bool TypeChar(char c);
    void SetAutoEngQuote(bool on) { m_autoEngQuote = on; }
    // Enter: splits the paragraph at the caret (a selection is deleted first).
    bool SplitParagraph();
    // Deletes the selection; without one shows "SelectionMustExists".
    bool DeleteSelection();
    bool Backspace();
    bool Delete();
    // Replaces the selected characters position by position within one paragraph.
    bool ReplaceSelection(std::string_view text);

    // Inserts formatted text (markup of one or more paragraphs) at the caret,
    // replacing the selection (deleted first, as its own step). Records
    // `caption` ("Drop insertion", "Clipboard insertion") before the change.
    // The caret's paragraph is split and the inserted paragraphs go between the
    // halves: the first joins the text before the caret and takes its
    // paragraph style (unless that paragraph was empty and the inserted style
    // id is above 1), the text after the caret joins the last inserted one;
    // nothing is ever joined into a table's paragraph. Run fonts, links and the
    // paragraph attributes of the other paragraphs are kept. The caret ends
    // after the inserted text and the change is reported. False when nothing
    // was inserted (empty markup, refused).
    bool InsertMarkup(std::string_view markup, std::string_view caption, const MarkupInsertion& where = {});

    // Selects the word around character `index` of paragraph `para` (a double
    // click; see BoxNavigation::WordAt): the caret goes to the word's start and
    // the anchor to its end; runs and pending attributes end and the change is
    // reported.
    void SelectWord(int para, int index);

    // Inserts an embedded object at the caret; its control exists already and
    // `width` and `height` are its size. Pending attributes are dropped and a
    // selection is deleted first. A table gets a paragraph of its own (the
    // caret's paragraph is split around it); any other object never joins a
    // table's paragraph. Records "Object insertion" (snapshot), then inserts a
    // space holding the object, with the link value of the character before
    // the caret. The caret ends after the object. Returns where the object
    // stands, or nothing when refused ("err" when the caret is in no paragraph).
    std::optional<TCaretPos> InsertObject(const EmbeddedObject& object, int width, int height);

    // Reports to the box's view (IBoxView::SelectionChanged / RulerPosChanged).
    void NotifySelectionChanged();
    void NotifyRulerMoved();
    // After the box's text has been loaded: the caret goes to the start of the
    // own text, runs end, and both changes are reported.
    void TextLoaded();

    // Where messages are shown (may be null).
    IMessages* Messages() const { return m_messages; }

    // Runs and pending attributes.
    bool TypingRunOpen() const { return m_typingRun; }
    bool DeletionRunOpen() const { return m_deletionRun; }
    void EndRuns(); // typing and deletion runs and pending attributes end
    // Typing and deletion runs end; pending attributes stay (an attribute
    // chosen without a selection adds to those chosen before it).
    void EndEditRuns();

    // The editing gateway for the attribute objects: records `step` (filled
    // with the caret and selection) unless a change is already running, then
    // runs `change`. Returns false when refused.
    bool Change(UndoStep step, const std::function<void()>& change);
    bool Changing() const { return m_changing; }
    // Re-measures paragraphs first..last (fonts changed) and lays them out again.
    void Rebuild(int first, int last);
    // Recomputes caret and anchor geometry after layout.
    void RefreshCaret();

    // Objects whose characters were deleted are handed here (the widget frees
    // their controls).
    void SetObjectFreed(std::function<void(const EmbeddedObject&)> sink) { m_objectFreed = std::move(sink); }

private:
    UndoStep Step(std::string caption, UndoKind kind, int first, int last) const;
    void ShowError(std::string_view text);
    bool DeleteRange(const TCaretPos& s, const TCaretPos& e, bool recordStep);
    bool BackspaceKey();
    bool DeleteKey();
    // Runs Backspace or Delete: refused while another change runs; reports a
    // selection change when the key opened a new deletion record.
    bool DeletionKey(bool (TUVAboxEditor::*key)());
    void SplitAt(int para, int index);
    void SplitUnlaid(int para, int index); // as SplitAt, without laying out
    void JoinInto(int firstPara, int lastPara);

    TUVAboxModel& m_box;
    IUndoRecorder* m_undo;
    IMessages* m_messages;
    std::unique_ptr<TUVATextAttributes> m_text;
    std::unique_ptr<TUVAParaAttributes> m_para;
    TCaretPos m_caret;
    TCaretPos m_anchor;
    bool m_hasSelection = false;
    SelectionOrigin m_origin = SelectionOrigin::Other;
    bool m_typingRun = false;
    bool m_deletionRun = false;
    bool m_autoEngQuote = false;
    bool m_changing = false;
    bool m_recordOpened = false; // the last deletion opened a new undo record
    std::function<void(const EmbeddedObject&)> m_objectFreed;
};

} // namespace quor
