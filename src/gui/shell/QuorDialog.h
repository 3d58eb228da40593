// QuorDialog.h: the base of the program's dialogs: the localisation text of the
// window is applied when it is created, and its placement is kept under "forms".
#pragma once

#include <QDialog>

#include <memory>

namespace quor {

class TZuLanguager;
class WindowPlacement;

// Applies the build's localisation text of `window` (found by its object name)
// through the window's TZuLanguager, creating one when it has none. Windows that
// are not QuorDialogs (the main window) call this first in their creation.
// Returns false when the window has no text or applying it stopped early.
bool ApplyWindowLocalization(QWidget* window);

class QuorDialog : public QDialog {
    Q_OBJECT
public:
    explicit QuorDialog(QWidget* parent = nullptr);
    ~QuorDialog() override;

    TZuLanguager* Languager() const { return m_languager; }

protected:
    // Derived constructors build their components with the designed (Italian)
    // texts, name the window and its components, then call this before anything
    // reads their texts: it applies the localisation text, then restores the
    // stored placement.
    void FinishCreation();

    void hideEvent(QHideEvent* event) override;

private:
    TZuLanguager* m_languager;
    std::unique_ptr<WindowPlacement> m_placement;
};

} // namespace quor
