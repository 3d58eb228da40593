// ITextBoxHost.h: what a text box reports to the frame set that holds it, and
// the few things it asks of it. Every call has a do-nothing default, so a box
// also works alone (tests, previews).
#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

namespace quor {

class TUVAbox;

// Context menus a box asks its host to show.
enum class BoxPopup { Own, Spelling, Inactive, GenericLink, SpecialLink };

class ITextBoxHost {
public:
    virtual ~ITextBoxHost() = default;

    // The caret or the selection changed (the frame set's OnSelectionChange).
    virtual void SelectionChanged(TUVAbox* box) {}
    // The ruler should show this box's current paragraph (OnRulerPosChanged).
    virtual void RulerPosChanged(TUVAbox* box) {}
    // A link is followed; posted, so it never runs inside the key or mouse event (OnDoLink).
    virtual void DoLink(TUVAbox* box, int link) {}
    // Files dropped on the box in edit mode (OnDropFile).
    virtual void DropFiles(TUVAbox* box, const QStringList& files) {}
    // Hypertext files dropped on a read-only or inactive box: open them.
    virtual void OpenHypertextFiles(TUVAbox* box, const QStringList& files) {}
    // A bitmap was pasted (OnImageFromClip).
    virtual void ImageFromClip(TUVAbox* box) {}
    // A press in read-only mode.
    virtual void Clicked(TUVAbox* box) {}
    // Read-only mode: this box now holds the selection; the host clears the
    // selection of the box it remembered before.
    virtual void RememberBox(TUVAbox* box) {}
    // The caret tried to leave the box (codes 1..4) or enter a table (5..8).
    virtual void CaretExit(TUVAbox* box, int exitCode) {}
    virtual void Popup(TUVAbox* box, BoxPopup popup, const QPoint& globalPos) {}

    // The frame set is enabled (links are followed only then).
    virtual bool Enabled() const { return true; }
    virtual bool AutoEngQuote() const { return false; }
    // A wrapper frame set ignores dropped files.
    virtual bool IsWrapper() const { return false; }
    // Object kind of a link's target (3 generic link, 10 special link), -1 unknown.
    virtual int LinkKind(int link) const { return -1; }
    // Hint shown over a link.
    virtual QString LinkDescription(int link) const { return {}; }
};

} // namespace quor
