// TUVACustomFrameSet.h: the page editor: the root frame, the linked hypertext,
// the master page and its frame map, the history of visited pages, and the
// events through which everything that happens is published. Boxes report to
// it (ITextBoxHost); it never calls the main window.
#pragma once

#include "composition/frames/TUVAFramePanel.h"
#include "model/ObjectRef.h"
#include "textengine/ITextBoxHost.h"

#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quor {

class TUVAFrame;
class TUVApage;
class TUVAbox;
class TUVAoggetto;
class TUVAset;

inline constexpr std::string_view kMapProblem = "Map problem.";
inline constexpr std::string_view kMapFreeProblem =
    "Free imprevisto di mappa cornici. Potrebbe essere possibile continuare normalmente.";
inline constexpr std::string_view kDeleteChildrenFirst = "You should delete children before!";
inline constexpr std::string_view kModifyAnotherFrame = "You should modify another frame before.";
inline constexpr std::string_view kSaveDeletedFrame =
    "Save deleted frame?\nIf you save, you shall reuse the page  in another frame set, or as a single page. If not, "
    "frame will be lost.";
inline constexpr std::string_view kNoMasterForMap = "Nessuna cornice \xe8 stata registrata come master per la mappa cornici!";

class TUVACustomFrameSet : public TUVAFramePanel, public ITextBoxHost {
    Q_OBJECT
public:
    explicit TUVACustomFrameSet(QWidget* parent = nullptr);
    ~TUVACustomFrameSet() override;

    // The hypertext shown; setting it shows no page.
    TUVAset* LinkedUVAset() const { return m_set; }
    void SetLinkedUVAset(TUVAset* set);

    // The master page. -1 shows nothing; a number that names no page shows a
    // new empty page. Showing the page already shown only restores the focus.
    int MainPageNumber() const { return m_mainPage; }
    void SetMainPageNumber(int page);
    // Ends pending work, shows no page, empties the history, forgets the current control.
    void DropPages();
    // Stores every page shown (SaveOnExit or not) and shows them again.
    void CommitPages();

    bool SaveOnExit = false;
    bool ShowNested = true;
    bool AutoJump = true;
    bool ActivePreview = false;
    bool ShowBoundaries = true;
    bool Wrapper = false;
    bool AutoEngQuoteOn = false;

    TUVAFrame* RootFrame() const { return m_root; }
    std::vector<TUVApage*> PageViews() const;
    // The page view of the last focused box, else the first page view.
    TUVApage* CurrentPageView() const;
    TUVAbox* CurrentBox() const;
    // Any page shown has unsaved changes.
    bool PageModified() const;
    // The frames were split, resized or loaded since the page was shown.
    bool FramesModified() const { return m_framesChanged; }
    bool Busy() const { return m_busy; }

    // History of visited pages.
    void PushHistory(int page) { m_history.push_back(page); }
    const std::vector<int>& History() const { return m_history; }
    // Shows the page on top of the history without removing it; returns the page shown.
    int HistoryShowTop();
    // Removes the top entry and shows that page when it still exists.
    int HistoryGoBack();

    // Both run after the current input event.
    void PostLinkActivation(QWidget* source, int link);
    void PostGoToPage(int page);

    // Frameset layouts: i32 4660, i32 58, the frame records. `pageMode` 0: a
    // page never stored writes -1; 1: every frame writes its page's index.
    // Without frames the error "Errore in salvataggio frames." is shown.
    bool SaveFrameLayout(std::vector<std::uint8_t>& out, int pageMode);
    // An empty stream changes nothing; a stream that is not a layout shows
    // "File format error!". Mode 1 takes the layout without its pages.
    bool LoadFrameLayout(std::span<const std::uint8_t> bytes, int mode);

    // Splits `frame` (edit mode): see TUVAFrame::Split; asking for the other
    // direction of a split frame shows the error "?".
    bool SplitFrame(TUVAFrame* frame, bool rows, int size);
    // Deletes a frame dragged shut (posted) or now.
    void PostDeleteFrame(TUVAFrame* frame);
    bool DeleteFrame(TUVAFrame* frame);

    // From frames and page views.
    void FramesChanged();
    void PageModifiedChanged(TUVApage* page);

    // ITextBoxHost
    void SelectionChanged(TUVAbox* box) override;
    void RulerPosChanged(TUVAbox* box) override;
    void DoLink(TUVAbox* box, int link) override;
    void DropFiles(TUVAbox* box, const QStringList& files) override;
    void OpenHypertextFiles(TUVAbox* box, const QStringList& files) override;
    void ImageFromClip(TUVAbox* box) override;
    void Clicked(TUVAbox* box) override;
    void RememberBox(TUVAbox* box) override;
    bool Enabled() const override { return isEnabled(); }
    bool AutoEngQuote() const override { return AutoEngQuoteOn; }
    bool IsWrapper() const override { return Wrapper; }
    int LinkKind(int link) const override;
    QString LinkDescription(int link) const override;

    void SetReadOnly(bool on) override;

signals:
    void OnEditStart(QWidget* control);
    void OnEditStop(QWidget* control);
    void OnSelectionChange(QWidget* control);
    void OnRulerPosChanged(QWidget* control);
    void OnProperties(QWidget* control);
    void OnImageFromClip(QWidget* control);
    // `link` belongs to the document or to the source page's working copy; it
    // is valid during the call only.
    void OnDoLink(QWidget* source, TUVAoggetto* link);
    void OnClickFrame(TUVAFrame* frame);
    void OnPageChanged();
    void OnFrameSetChanged();
    void OnDropFile(const QStringList& files, TUVAbox* box);

protected:
    std::vector<TUVAFrame*> ChildFrames() const override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void LeavePage();
    void WriteBackFrameMap(int masterIndex);
    void ShowRoot(TUVAFrame* root);
    void FollowLink(QWidget* source, int link, TUVApage* page);
    TUVApage* PageOfBox(const TUVAbox* box) const;
    void FocusCurrent();
    void StartAutoAdvance(int page);

    TUVAset* m_set = nullptr;
    int m_mainPage = -1;
    TUVAFrame* m_root = nullptr;
    QPointer<TUVAbox> m_currentBox;
    std::vector<int> m_history;
    bool m_framesChanged = false;
    bool m_busy = false;
    QTimer m_autoAdvance;
    int m_autoAdvanceTarget = -1;
};

} // namespace quor
