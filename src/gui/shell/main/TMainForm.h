// TMainForm.h: the main window. It owns the open hypertext (mainUVAset) and the
// page editor (Editor), runs the start-up order and the command line, opens,
// creates and saves hypertexts, keeps the title, the recent files, the
// edit/preview mode, the status bar and the page history, and routes every
// menu, toolbar and page-editor event.
#pragma once

#include "base/IMessages.h"
#include "model/TUVAset.h"
#include "shell/QtMessages.h"
#include "shell/navigation/CommandLine.h"
#include "shell/navigation/GoToPageList.h"
#include "shell/navigation/PageHistory.h"
#include "shell/navigation/RecentFiles.h"

#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QSpinBox;
class QToolBar;

namespace quor {

class DialogCache;
class TFexp;
class TInsiemeCornici;
class TUVAoggetto;
class TUVAbox;
class TUVAtoHtml;
class WindowPlacement;

inline constexpr std::string_view kSaveReminder = "Remember: do you want to save?";
inline constexpr std::string_view kNotInThisVersion = "This command is not available in this version.";

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // Obeys the command line (program arguments without the program name):
    // no argument loads the last file; a path opens it; a switch and a file.
    void Start(const std::vector<std::string>& args);

    TUVAset& Document() { return mainUVAset; }
    TInsiemeCornici* Editor() const { return m_editor; }
    const PageHistory& History() const { return m_history; }
    const RecentFiles& Recent() const { return m_recent; }
    const GoToPageList& GoToPages() const { return m_goTo; }
    const std::string& DocumentName() const { return m_documentName; }
    bool EditMode() const { return m_editMode; }
    // Where messages go (the message boxes unless a test installs its own).
    void SetMessages(IMessages* messages);
    IMessages& Messages() const { return *m_messages; }
    QAction* Action(const QString& name) const { return m_actions.value(name.toLower()); }
    QMenu* Menu(const QString& name) const { return m_menus.value(name.toLower()); }
    QComboBox* HistoryCombo() const { return m_historyCombo; }
    QSpinBox* PageNumber() const { return m_pageNumber; }
    QString StatusText(int panel) const;
    // Programs the answer to file dialogs (tests): the next Open or Save-as
    // dialog returns this path without showing.
    void SetNextDialogPath(const QString& path) { m_nextDialogPath = path; }
    // Asks for the edit password of a protected hypertext (an input box unless
    // a test installs its own); nullopt when the author cancels.
    std::function<std::optional<std::string>()> AskPassword;

    // --- documents ---
    // Opens by type; `askToSave` runs the save question first. Returns false when stopped.
    bool OpenByType(const std::string& path, bool askToSave);
    void OpenHypertext(const std::string& path, bool asCopy = false);
    void NewEmptyHypertext();
    // The save question; false aborts the calling command.
    bool QuerySave();
    // Saves (format by extension and `formatIndex`); returns success.
    bool SaveInFormat(const std::string& path, int formatIndex, bool commitPage, bool asTemplate = false);
    // Stores the pages being edited into the hypertext.
    void CommitPage();
    // Follows a "quor:" address (the history and quor links).
    bool NavigateToAddress(const std::string& address);
    void SetEditMode(bool edit);
    void RefreshStatus();

    // --- command handlers (menu, toolbar and keyboard) ---
    void NewHypertext();
    void OpenFile();
    void SaveAll();
    void SaveAs();
    void SaveAsTemplate();
    void Exit();
    void SelectAll();
    void PositionNormal();
    void PositionSuperscript();
    void PositionSubscript();
    void FollowLinkAtCaret();
    void SaveFrameLayout();
    void LoadFrameLayout();
    void GoToCover();
    void GoToContents();
    void ToggleReadOnly();
    void ToggleEditButton();
    void ToggleShowFrames();
    void ReloadPage();
    void HistoryPrevious();
    void HistoryNext();
    void PagePlusOne();
    void PageMinusOne();
    void PreviewCurrentPage();
    void PreviewAllPages();
    void Refocus();
    void ShowAbout();
    void OpenExamples();
    void ToggleBold();
    void ToggleItalic();
    void AlignLeft();
    void AlignCenter();
    void AlignRight();
    void ToggleBullets();
    void ToggleNumbers();
    void IncreaseIndent();
    void DecreaseIndent();

    // --- page-editor events ---
    void EditorPageChanged();
    void EditorDoLink(QWidget* source, TUVAoggetto* link);
    void EditorSelectionChange(QWidget* control);
    void EditorDropFile(const QStringList& files, TUVAbox* box);
    // Files dropped on the window (only the first one's type counts).
    void DropFiles(const QStringList& files);

    // Opens the page of `page` in the desktop's browser after exporting it; the
    // URL opened (tests read it without a browser when `open` is false).
    QString BrowserPreview(bool allPages, bool open = true);

    // --- export ---
    // The HTML converter of the main hypertext; its options come from the
    // settings at start and from the export dialog's HTML options.
    TUVAtoHtml& HtmlConverter() { return *mainUVAtoHtml; }
    // Commits the page being edited and opens the export dialog for the
    // document's name with ".htm".
    void ExportPages();
    // When set, runs the export dialog instead of showing it modally (tests).
    std::function<void(TFexp&)> RunExportDialog;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    void BuildToolbars();
    void BuildStatusBar();
    QAction* MakeAction(const struct CommandDef& def, QWidget* owner);
    void ApplyOptions();
    void LoadLastFile();
    void SetCaption(const std::string& name);
    void RebuildRecentMenu();
    void RebuildGoToMenu();
    void RefreshHistory();
    void RefreshToolbars();
    void ShowPage(int page);
    int CoverPage() const;
    void SaveReminderTick();
    void NextActionTick();
    bool SaveHypertext(const std::string& path, bool asTemplate);
    TUVAbox* ActiveBox() const;
    void AfterFormatting();
    std::string ProgramDir() const;
    QString AskOpenPath(const QString& filter);
    QString AskSavePath(const QString& proposed, int* filterIndex);

    TUVAset mainUVAset;
    std::unique_ptr<TUVAtoHtml> mainUVAtoHtml;
    TInsiemeCornici* m_editor = nullptr;
    QtMessages m_boxMessages;
    IMessages* m_messages = &m_boxMessages;
    std::unique_ptr<DialogCache> m_dialogs;
    std::unique_ptr<WindowPlacement> m_placement;
    PageHistory m_history;
    RecentFiles m_recent;
    GoToPageList m_goTo;
    std::string m_documentName{"Untitled"};
    std::string m_lastFile;
    StartAction m_action = StartAction::None;
    bool m_saveSucceeded = true;
    bool m_hasBeenInEditMode = false;
    bool m_editMode = false;
    bool m_closing = false;
    bool m_historyBusy = false;
    bool m_refreshing = false;
    QString m_nextDialogPath;

    QMap<QString, QAction*> m_actions;   // by lower-cased object name
    QMap<QString, QMenu*> m_menus;
    QList<QAction*> m_editingActions;
    QList<QAction*> m_previewActions;
    QList<QToolBar*> m_editToolbars;
    QMenu* m_fileMenu = nullptr;
    QAction* m_recentSeparator = nullptr;
    QList<QAction*> m_recentActions;
    QList<QAction*> m_goToActions;
    QComboBox* m_historyCombo = nullptr;
    QSpinBox* m_pageNumber = nullptr;
    QLabel* m_panels[4] = {};
    QTimer m_timerSave;
    QTimer m_timerNextAction;
};

} // namespace quor
