// BoxMouse.h: what mouse actions do in a text box, without the widget: press,
// move with the button down (selecting, or starting a drag of the selection),
// release (caret, link, context menu), double click (word selection) and
// hovering (pointer shape and link hint). The widget turns its events into
// these calls and carries out the returned action; selection changes are
// reported through the editor (IBoxView::SelectionChanged).
#pragma once

#include "textengine/TUVAboxEditor.h"

#include <functional>

namespace quor {

enum class BoxMouseButton { Left, Middle, Right };

// What the widget must do after a mouse call.
enum class BoxMouseAction {
    None,
    StartDrag,     // an armed drag starts: drag the selection (Ctrl state decides copy or move)
    FollowLink,    // the selection is cleared: stop the caret and post the link activation
    PopupGenLink,  // edit mode, generic link (kind 3): the generic-link menu
    PopupSpecLink, // edit mode, special link (kind 10): the special-link menu
    PopupSpelling, // on a character marked misspelt
    PopupOwn,      // the box's own context menu
    PopupInactive, // header or footer text, or an inactive box that is not read-only
};

// Pointer shapes over a box.
enum class BoxCursor {
    Text,      // the text cursor
    Arrow,     // read-only mode, header and footer text
    Link,      // cursor 4, over a link in edit mode
    LinkBrowse, // cursor 2, over a link in read-only mode or in header and footer text
    Drag,      // over the selection in edit mode
};

struct BoxMouseResult {
    BoxMouseAction action = BoxMouseAction::None;
    int link = -1;             // for FollowLink and the link menus
    bool reportClick = false;  // read-only mode: tell the host about the click
    bool rememberBox = false;  // read-only mode: the host remembers this box (and clears the selection of the one before)
};

struct BoxHover {
    BoxCursor cursor = BoxCursor::Text;
    int link = -1; // the link under the pointer (its description is the hint), -1 for none
};

class BoxMouse {
public:
    explicit BoxMouse(TUVAboxEditor& editor) : m_editor(editor) {}

    // Modes of the box: read-only (browse mode of the frame set) and inactive
    // (the box shows text that is not edited here); a box that is a table
    // itself shows no context menu.
    void SetModes(bool readOnly, bool inactive, bool isTable = false);
    bool ReadOnly() const { return m_readOnly; }
    bool Inactive() const { return m_inactive; }
    // Object kind of a link's target (3 generic link, 10 special link); without
    // it every link is followed.
    void SetLinkKinds(std::function<int(int link)> kinds) { m_linkKinds = std::move(kinds); }

    // A press with any button (Shift is ignored). In edit mode a press inside
    // the selection arms a drag; a right press elsewhere keeps the selection;
    // presses on header or footer text and in inactive boxes leave the caret;
    // otherwise the position under the pointer becomes caret and anchor.
    BoxMouseResult Press(int x, int y, BoxMouseButton button);
    // The press that belongs to a double click: ignored (the double click acts
    // at its release).
    void DoubleClickPress(int x, int y, BoxMouseButton button);
    // A move with the button down. Beyond 4 pixels from the press an armed drag
    // starts (StartDrag); otherwise selecting starts and the active end then
    // follows the pointer.
    BoxMouseResult Move(int x, int y);
    // A release. Returns the action the widget must carry out.
    BoxMouseResult Release(int x, int y, BoxMouseButton button);
    // A drag of the selection that StartDrag began has ended (dropped or cancelled).
    void DragEnded()
    {
        m_dragging = false;
        m_pressed = false;
    }

    // Forgets a press whose release the widget ignores (during a box update).
    void Reset()
    {
        m_pressed = false;
        m_selecting = false;
        m_dragArmed = false;
        m_dragging = false;
        m_doubleClick = false;
    }

    // Pointer shape and link under the pointer while no button is down.
    BoxHover Hover(int x, int y) const;

    bool Pressed() const { return m_pressed; }
    bool Selecting() const { return m_selecting; }
    bool DragArmed() const { return m_dragArmed; }
    bool Dragging() const { return m_dragging; }
    BoxMouseButton Button() const { return m_button; }

    // True when a position lies inside the selection.
    bool InSelection(const TCaretPos& pos) const;

private:
    bool EditMode() const { return !m_readOnly; }
    // Inactive boxes in edit mode show text that is not edited here.
    bool Frozen() const { return m_inactive && !m_readOnly; }
    BoxMouseResult DoubleClickRelease(int x, int y);
    BoxMouseResult ContextRelease(int x, int y);

    TUVAboxEditor& m_editor;
    std::function<int(int)> m_linkKinds;
    bool m_readOnly = false;
    bool m_inactive = false;
    bool m_isTable = false;

    bool m_pressed = false;
    bool m_notMoved = false;
    bool m_selecting = false;
    bool m_dragArmed = false;
    bool m_dragging = false;
    bool m_doubleClick = false;
    BoxMouseButton m_button = BoxMouseButton::Left;
    int m_pressX = 0;
    int m_pressY = 0;
    TCaretPos m_pressPos;
    TCaretPos m_anchor;
};

} // namespace quor
