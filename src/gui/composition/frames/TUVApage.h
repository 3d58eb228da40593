// TUVApage.h: the view of one page inside a frame: a scroll area holding the
// page's text box. It opens a working copy of the page (never the page itself),
// loads the box from the copy's markup, and on StorePage writes the box's text
// into the copy and stores the copy back at the page's index.
#pragma once

#include "model/PageWorkingCopy.h"
#include "textengine/DocumentStyleSource.h"
#include "textengine/IUndoRecorder.h"

#include <QScrollArea>

#include <memory>
#include <string>

namespace quor {

class TUVACustomFrameSet;
class TUVAbox;
class TUVAset;
class TUVAoggetto;

class TUVApage : public QScrollArea, private IUndoRecorder {
    Q_OBJECT
public:
    TUVApage(TUVACustomFrameSet* frameSet, QWidget* parent = nullptr);
    ~TUVApage() override;

    // Opens the live page `index` in a working copy and shows it; any other
    // index opens a new, empty page. A copy already open is stored or dropped
    // by the caller first (an open copy is discarded here).
    void OpenPage(int index);
    // Writes the box's text into the working copy and stores it back; does
    // nothing when nothing is open. A page whose slot was taken meanwhile is
    // stored as a new page, so the edits are never lost.
    PageWorkingCopy::StoreResult StorePage();
    // Drops the working copy without storing.
    void DiscardPage();

    bool IsOpen() const { return m_copy && m_copy->IsOpen(); }
    // Index of the page shown: its source index, or -1 for a page never stored.
    int PageIndex() const { return m_copy && m_copy->IsOpen() && !m_copy->IsNewPage() ? m_copy->SourceIndex() : m_storedIndex; }
    bool IsNewPage() const { return m_copy && m_copy->IsOpen() && m_copy->IsNewPage(); }
    bool Modified() const { return m_modified; }
    void SetModified(bool on) { m_modified = on; }
    // The page's title (its description).
    std::string Description() const;
    // The page holds objects the text box cannot show yet: it is shown read-only
    // so that storing can never drop them.
    bool HasUnshownObjects() const { return m_unshownObjects; }

    TUVAbox* Box() const { return m_box; }
    TUVACustomFrameSet* FrameSet() const { return m_frameSet; }
    PageWorkingCopy* WorkingCopy() const { return m_copy.get(); }

    void SetReadOnly(bool on);
    bool ReadOnly() const { return m_readOnly; }

    // The object a link value of the shown text designates: a local link of
    // the working copy (0x6F...), a page (0x00...), an attached file (0x03...).
    TUVAoggetto* LinkObject(int link) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Record(const UndoStep& step, const TUVAboxModel& box) override;
    void ApplyPageLook();
    void FitBox();

    TUVACustomFrameSet* m_frameSet;
    TUVAset* m_set = nullptr;
    std::unique_ptr<PageWorkingCopy> m_copy;
    std::unique_ptr<DocumentStyleSource> m_styles;
    TUVAbox* m_box = nullptr;
    bool m_modified = false;
    bool m_readOnly = false;
    bool m_unshownObjects = false;
    int m_storedIndex = -1;   // where the last store put the page
};

} // namespace quor
