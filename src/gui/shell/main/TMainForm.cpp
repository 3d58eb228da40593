// TMainForm.cpp: the main window: start-up, documents, modes and routing.
#include "shell/main/TMainForm.h"

#include "composition/frames/FrameLayoutFile.h"
#include "composition/frames/TInsiemeCornici.h"
#include "composition/frames/TUVApage.h"
#include "conversion/ExportSettings.h"
#include "conversion/TFexp.h"
#include "conversion/TUVAtoHtml.h"
#include "model/ObjectKind.h"
#include "model/TUVAtesto.h"
#include "shell/AppSettings.h"
#include "shell/DialogCache.h"
#include "shell/LocalizedWindows.h"
#include "shell/ProgramOptions.h"
#include "shell/QuorDialog.h"
#include "shell/QuorText.h"
#include "shell/TFabout.h"
#include "shell/WindowPlacement.h"
#include "shell/main/MainFormCommands.h"
#include "shell/navigation/LinkRouting.h"
#include "shell/navigation/ShellRules.h"
#include "textengine/TUVATextAttributes.h"
#include "textengine/TUVAParaAttributes.h"
#include "textengine/TUVAbox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

#include <filesystem>
#include <fstream>

namespace quor {

QUOR_REGISTER_LOCALIZED_WINDOW(TMainForm, QStringLiteral("MainForm"));

namespace {

constexpr int kGoToFixedItems = 2;   // "All pages..." and the separator N37
const char* const kPanelTexts[] = {"HY modified", "P modified"};

QString Screen(const std::string& s) { return ScreenText(s); }

bool Has(const char* flags, char f) { return flags && std::strchr(flags, f) != nullptr; }

} // namespace

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent), m_dialogs(std::make_unique<DialogCache>()), m_goTo(kGoToFixedItems)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Quor"));
    resize(900, 700);
    setAcceptDrops(true);
    mainUVAset.SetMessages(m_messages);
    mainUVAtoHtml = std::make_unique<TUVAtoHtml>();
    mainUVAtoHtml->LinkedUVAset = &mainUVAset;

    m_editor = new TInsiemeCornici(this);
    m_editor->setObjectName(QStringLiteral("Editor"));
    m_editor->SetLinkedUVAset(&mainUVAset);
    // The main window's configuration of the page editor.
    m_editor->SetAnimated(true);
    m_editor->ShowNested = true;
    m_editor->SaveOnExit = true;
    m_editor->ShowBoundaries = true;
    m_editor->AutoJump = false;
    m_editor->ActivePreview = true;
    m_editor->SetLineStep(10);
    m_editor->SetBarWidth(10);
    m_editor->setToolTip(QStringLiteral("Muovi per creare cornici"));
    setCentralWidget(m_editor);

    connect(m_editor, &TUVACustomFrameSet::OnPageChanged, this, &TMainForm::EditorPageChanged);
    connect(m_editor, &TUVACustomFrameSet::OnDoLink, this, &TMainForm::EditorDoLink);
    connect(m_editor, &TUVACustomFrameSet::OnSelectionChange, this, &TMainForm::EditorSelectionChange);
    connect(m_editor, &TUVACustomFrameSet::OnEditStart, this, &TMainForm::EditorSelectionChange);
    connect(m_editor, &TUVACustomFrameSet::OnFrameSetChanged, this, &TMainForm::RefreshStatus);
    connect(m_editor, &TUVACustomFrameSet::OnDropFile, this, &TMainForm::EditorDropFile);

    BuildMenus();
    BuildToolbars();
    BuildStatusBar();

    // Localisation first, then the settings.
    ApplyWindowLocalization(this);
    m_placement = std::make_unique<WindowPlacement>(this, AppSettings());
    m_dialogs->SetLimit(ReadDialogLimit(AppSettings()));
    LoadHtmlExportOptions(*mainUVAtoHtml, AppSettings());
    m_recent.SetExamplesFolder((std::filesystem::path(ProgramDir()) / "es_uva").string());
    m_recent.Load(AppSettings());
    RebuildRecentMenu();
    SetCaption(std::string(kUntitled));

    m_timerSave.setObjectName(QStringLiteral("TimerSave"));
    connect(&m_timerSave, &QTimer::timeout, this, &TMainForm::SaveReminderTick);
    m_timerNextAction.setObjectName(QStringLiteral("TimerNextAction"));
    m_timerNextAction.setSingleShot(true);
    m_timerNextAction.setInterval(300);
    connect(&m_timerNextAction, &QTimer::timeout, this, &TMainForm::NextActionTick);
    AskPassword = [this]() -> std::optional<std::string> {
        bool ok = false;
        const QString text = QInputDialog::getText(this, QStringLiteral("Modo editor"),
                                                   ScreenText("Introduci la password per l'edit"),
                                                   QLineEdit::Password, QString(), &ok);
        if (!ok)
            return std::nullopt;
        return Cp1252Text(text);
    };
    ApplyOptions();
    SetEditMode(false);
    qApp->installEventFilter(this);
}

TMainForm::~TMainForm()
{
    qApp->removeEventFilter(this);
    m_editor->SetLinkedUVAset(nullptr);
}

void TMainForm::SetMessages(IMessages* messages)
{
    m_messages = messages ? messages : &m_boxMessages;
    mainUVAset.SetMessages(m_messages);
}

std::string TMainForm::ProgramDir() const
{
    return QCoreApplication::applicationDirPath().toStdString();
}

// --- building the window ---

QAction* TMainForm::MakeAction(const CommandDef& def, QWidget* owner)
{
    auto* a = new QAction(QString::fromLatin1(def.designed), owner);
    a->setObjectName(QString::fromLatin1(def.name));
    if (def.shortcut && *def.shortcut)
        a->setShortcut(QKeySequence(QString::fromLatin1(def.shortcut)));
    a->setCheckable(Has(def.flags, 'c'));
    if (def.handler) {
        auto handler = def.handler;
        connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    } else {
        a->setEnabled(false);
        a->setProperty("quorPending", true);
    }
    if (Has(def.flags, 'e'))
        m_editingActions.push_back(a);
    if (Has(def.flags, 'p'))
        m_previewActions.push_back(a);
    m_actions.insert(a->objectName().toLower(), a);
    return a;
}

void TMainForm::BuildMenus()
{
    for (const MenuDef& d : MainFormMenus()) {
        auto* menu = new QMenu(QString::fromLatin1(d.designed), this);
        menu->setObjectName(QString::fromLatin1(d.name));
        m_menus.insert(menu->objectName().toLower(), menu);
    }
    const QStringList topLevel = {"FileMenu",    "EditMenu",    "SearchMenu",   "InsertMenu", "FormatMenu",
                                  "HypertextMenu", "PublishMenu", "ToolsMenu", "HelpMenu"};
    for (const QString& name : topLevel)
        menuBar()->addMenu(Menu(name));
    for (const CommandDef& c : MainFormCommands()) {
        QMenu* menu = Menu(QString::fromLatin1(c.menu));
        const QString name = QString::fromLatin1(c.name);
        if (name == QLatin1String("-") || name.startsWith(QLatin1String("N3")) || name.startsWith(QLatin1String("N2"))) {
            QAction* sep = menu->addSeparator();
            if (name != QLatin1String("-"))
                sep->setObjectName(name);
            continue;
        }
        if (name.startsWith('@')) {
            menu->addMenu(Menu(name.mid(1)));
            continue;
        }
        menu->addAction(MakeAction(c, menu));
    }
    m_fileMenu = Menu("FileMenu");
    m_recentSeparator = m_fileMenu->addSeparator();
    m_recentSeparator->setObjectName(QStringLiteral("Nrecent"));
    connect(Menu("HypertextMenu"), &QMenu::aboutToShow, this, &TMainForm::RebuildGoToMenu);
}

void TMainForm::BuildToolbars()
{
    for (const ToolbarDef& t : MainFormToolbars()) {
        auto* bar = new QToolBar(QString::fromLatin1(t.designed), this);
        bar->setObjectName(QString::fromLatin1(t.name));
        addToolBar(Qt::TopToolBarArea, bar);
        for (const CommandDef& b : t.buttons)
            bar->addAction(MakeAction(b, bar));
        const QString name = bar->objectName();
        if (name == QLatin1String("ToolbarHistory")) {
            m_historyCombo = new QComboBox(bar);
            m_historyCombo->setObjectName(QStringLiteral("HistoryCombo"));
            m_historyCombo->setMinimumContentsLength(30);
            m_historyCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            bar->addWidget(m_historyCombo);
            connect(m_historyCombo, &QComboBox::activated, this, [this](int index) {
                if (m_historyBusy || !m_history.Select(index))
                    return;
                NavigateToAddress(m_history.Entries()[static_cast<std::size_t>(index)]);
            });
        } else if (name == QLatin1String("ToolbarEdit")) {
            m_pageNumber = new QSpinBox(bar);
            m_pageNumber->setObjectName(QStringLiteral("PageNumber"));
            m_pageNumber->setRange(0, 0xFFFFFF);
            bar->addWidget(m_pageNumber);
            connect(m_pageNumber, &QSpinBox::editingFinished, this, [this] {
                if (m_refreshing)
                    return;
                ShowPage(PageSpinValue(m_pageNumber->text().toStdString()));
            });
            connect(m_pageNumber, &QSpinBox::valueChanged, this, [this](int v) {
                const bool red = PageSpinOutOfRange(v, mainUVAset.ObjectCount(testoHtml));
                m_pageNumber->setStyleSheet(red ? QStringLiteral("QSpinBox { color: red; }") : QString());
            });
            m_editToolbars.push_back(bar);
        } else if (name == QLatin1String("ToolbarFormato") || name == QLatin1String("ToolbarParag")) {
            m_editToolbars.push_back(bar);
        }
        if (name == QLatin1String("ToolbarParag") || name == QLatin1String("ToolbarEdit"))
            insertToolBarBreak(bar);
    }
}

void TMainForm::BuildStatusBar()
{
    const int widths[] = {100, 80, 80, 50};
    for (int i = 0; i < 4; ++i) {
        m_panels[i] = new QLabel(this);
        m_panels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        m_panels[i]->setMinimumWidth(widths[i]);
        if (i == 1)
            m_panels[i]->setAlignment(Qt::AlignCenter);
        statusBar()->addWidget(m_panels[i], i == 3 ? 1 : 0);
    }
}

QString TMainForm::StatusText(int panel) const
{
    return panel >= 0 && panel < 4 ? m_panels[panel]->text() : QString();
}

void TMainForm::ApplyOptions()
{
    const ProgramOptions o = ProgramOptions::Read(AppSettings());
    mainUVAset.MaxCacheImg = o.maxCacheImg;
    mainUVAset.UndoDeep = o.undoDeep;
    mainUVAset.MakeBackup = o.bak;
    mainUVAset.AutoAlt = o.alt;
    mainUVAset.DbDebug = o.dbDebug;
    mainUVAset.DbDebugMap = o.dbDebugMap;
    m_editor->AutoEngQuoteOn = o.virgolette;
    m_timerSave.stop();
    if (o.promemSave) {
        m_timerSave.setInterval(o.timeSave * 60 * 1000);
        m_timerSave.start();
    }
}

// --- start-up ---

void TMainForm::Start(const std::vector<std::string>& args)
{
    const CommandLineRequest req = ParseCommandLine(args);
    if (req.init)
        m_messages->Information(kNotInThisVersion);
    m_action = req.action;
    std::error_code ec;
    if (!args.empty() && !req.file.empty() && std::filesystem::exists(req.file, ec))
        OpenByType(std::filesystem::absolute(req.file, ec).lexically_normal().string(), false);
    else
        LoadLastFile();
    m_timerNextAction.start();
}

void TMainForm::LoadLastFile()
{
    const ProgramOptions o = ProgramOptions::Read(AppSettings());
    std::error_code ec;
    if (!o.lastFile.empty() && !o.atStartBlank && std::filesystem::exists(o.lastFile, ec))
        OpenByType(o.lastFile, false);
    else
        NewEmptyHypertext();
}

void TMainForm::NextActionTick()
{
    // Printing and publishing are not part of this build: say so once the window shows.
    if (m_action != StartAction::None)
        m_messages->Information(kNotInThisVersion);
    m_action = StartAction::None;
}

void TMainForm::SetCaption(const std::string& name)
{
    setWindowTitle(Screen(WindowCaption(name, (std::filesystem::path(ProgramDir()) / "es_uva").string())));
}

// --- documents ---

int TMainForm::CoverPage() const
{
    const int cover = mainUVAset.GetCoverPage();
    if (cover >= 0 && mainUVAset.GetPage(cover))
        return cover;
    for (int i = 0; i < mainUVAset.ObjectCount(testoHtml); ++i)
        if (mainUVAset.GetPage(i))
            return i;
    return 0;
}

bool TMainForm::OpenByType(const std::string& path, bool askToSave)
{
    switch (OpenKindOf(path)) {
    case OpenKind::Hypertext:
        if (askToSave && !QuerySave())
            return false;
        OpenHypertext(path);
        return true;
    case OpenKind::Refocus:
        Refocus();
        return true;
    case OpenKind::Html:
    case OpenKind::TextImport:
        // Importing documents is not part of this build.
        m_messages->Information(kNotInThisVersion);
        return false;
    case OpenKind::Ignored:
        return false;
    }
    return false;
}

void TMainForm::OpenHypertext(const std::string& path, bool asCopy)
{
    m_editor->SetMainPageNumber(-1);
    QApplication::processEvents();
    m_goTo.Clear();
    mainUVAset.ClearDocument();
    const bool loaded = mainUVAset.LoadFromFile(path);
    if (!loaded || mainUVAset.UVAFileName() != path) {
        m_recent.Remove(path);
        RebuildRecentMenu();
        if (mainUVAset.UVAFileName().empty()) {
            m_documentName = std::string(kUntitled);
            if (mainUVAset.ObjectCount(stileParagrafo) == 0)
                mainUVAset.NewDocument();
        }
    } else if (asCopy) {
        mainUVAset.RecordFileName(std::string());
        m_documentName = std::string(kUntitled);
    } else {
        m_documentName = path;
        m_lastFile = path;
        m_recent.Touch(path);
        RebuildRecentMenu();
    }
    SetCaption(m_documentName);
    for (int i = 0, listed = 0; i < mainUVAset.ObjectCount(testoHtml) && listed < 15; ++i) {
        if (TUVAtesto* p = mainUVAset.GetPage(i)) {
            m_goTo.Visit(i, p->Title());
            ++listed;
        }
    }
    ShowPage(CoverPage());
    mainUVAset.SetModified(false);
    m_hasBeenInEditMode = false;
    SetEditMode(mainUVAset.GetPassword() == ".");
    RefreshStatus();
}

void TMainForm::NewEmptyHypertext()
{
    m_documentName = std::string(kUntitled);
    SetCaption(m_documentName);
    m_editor->SetMainPageNumber(-1);
    QApplication::processEvents();
    mainUVAset.NewDocument();
    m_goTo.Clear();
    ShowPage(0);
    mainUVAset.SetModified(false);
    if (TUVApage* p = m_editor->CurrentPageView())
        p->SetModified(false);
    m_hasBeenInEditMode = false;
    SetEditMode(true);
    RefreshStatus();
}

bool TMainForm::QuerySave()
{
    if (!NeedsSaveQuestion(m_editor->PageModified(), mainUVAset.Modified(), m_hasBeenInEditMode))
        return true;
    const Answer a = m_messages->AskYesNoCancel(SaveQuestion(m_documentName));
    if (a == Answer::Cancel)
        return false;
    if (a == Answer::No)
        return true;
    m_saveSucceeded = false;
    SaveAll();
    return m_saveSucceeded;
}

void TMainForm::CommitPage()
{
    if (m_editor->PageModified())
        m_editor->CommitPages();
}

bool TMainForm::SaveInFormat(const std::string& path, int formatIndex, bool commitPage, bool asTemplate)
{
    m_saveSucceeded = true;
    const int format = SaveFormatIndex(path, formatIndex);
    if (format == 1)
        return SaveHypertext(path, asTemplate);
    // Exports to other formats are not part of this build.
    m_messages->Information(kNotInThisVersion);
    m_saveSucceeded = false;
    return false;
}

bool TMainForm::SaveHypertext(const std::string& path, bool asTemplate)
{
    const std::string examples = (std::filesystem::path(ProgramDir()) / "es_uva").string();
    if (m_recent.IsExample(path)) {
        const Answer a = m_messages->AskYesNoCancel(
            "Are you sure you want to save this file in the examples directory? Choose No to change file path.");
        if (a == Answer::Cancel) {
            m_saveSucceeded = false;
            return false;
        }
        if (a == Answer::No) {
            SaveAs();
            return m_saveSucceeded;
        }
    }
    const int page = m_editor->MainPageNumber();
    const bool wasModified = m_editor->PageModified() || mainUVAset.Modified();
    m_editor->SetMainPageNumber(-1);   // stores every page shown (SaveOnExit)
    const bool ok = mainUVAset.SaveToFile(path);
    if (ok) {
        m_documentName = path;
        m_lastFile = path;
        SetCaption(m_documentName);
        mainUVAset.SetModified(false);
        m_recent.Touch(path);
        RebuildRecentMenu();
    } else {
        m_saveSucceeded = false;
        std::string text = "Salvataggio non riuscito!";
        for (const auto& line : mainUVAset.Errors())
            text += "\r" + line;
        m_messages->Error(text);
    }
    if (!m_closing && page >= 0) {
        ShowPage(page);
        if (!ok && wasModified)
            mainUVAset.SetModified(true);   // what was not saved still counts as unsaved
    }
    RefreshStatus();
    return ok;
}

// --- file commands ---

QString TMainForm::AskOpenPath(const QString& filter)
{
    if (!m_nextDialogPath.isEmpty())
        return std::exchange(m_nextDialogPath, QString());
    QString dir;
    if (m_documentName != kUntitled)
        dir = QFileInfo(QString::fromStdString(m_documentName)).absolutePath();
    return QFileDialog::getOpenFileName(this, QStringLiteral("Open"), dir, filter);
}

QString TMainForm::AskSavePath(const QString& proposed, int* filterIndex)
{
    const QStringList filters = {
        QStringLiteral("Save Quor hypertext (*.uva)"),
        QStringLiteral("Save hypertext other formats (*.htm *.rtf *.txt *.asc *.c *.pas *.doc)"),
        QStringLiteral("Save current page in HTML (*.htm)"),
        QStringLiteral("Save current page in RTF (*.rtf)"),
        QStringLiteral("Save current page in TXT (*.txt *.asc *.c *.pas)"),
        QStringLiteral("All files (*)")};
    *filterIndex = 1;
    if (!m_nextDialogPath.isEmpty())
        return std::exchange(m_nextDialogPath, QString());
    QString selected = filters.front();
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save as"), proposed,
                                                      filters.join(QStringLiteral(";;")), &selected);
    *filterIndex = static_cast<int>(filters.indexOf(selected)) + 1;
    if (*filterIndex == 6)
        *filterIndex = -1;
    return path;
}

void TMainForm::NewHypertext()
{
    if (!QuerySave())
        return;
    NewEmptyHypertext();
}

void TMainForm::OpenFile()
{
    if (!QuerySave())
        return;
    const QString path = AskOpenPath(QStringLiteral("Quor hypertext (*.uva);;All files (*)"));
    if (!path.isEmpty())
        OpenByType(path.toStdString(), false);
}

void TMainForm::SaveAll()
{
    if (m_documentName == kUntitled) {
        SaveAs();
        return;
    }
    SaveInFormat(m_documentName, -1, true);
}

void TMainForm::SaveAs()
{
    QString proposed;
    if (m_documentName != kUntitled)
        proposed = QFileInfo(QString::fromStdString(m_documentName)).absolutePath() + '/' +
                   QFileInfo(QString::fromStdString(m_documentName)).completeBaseName();
    int filter = 1;
    QString path = AskSavePath(proposed, &filter);
    if (path.isEmpty()) {
        m_saveSucceeded = false;
        return;
    }
    if (filter == 1 && QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".uva");
    const std::string p = path.toStdString();
    mainUVAset.SetExpPrefix(ExportPrefixFor(p));
    SaveInFormat(p, filter, true);
}

void TMainForm::SaveAsTemplate()
{
    const auto folder = std::filesystem::path(ProgramDir()) / "HypTemplates";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const std::string name = m_documentName == kUntitled
                                 ? std::string("Untitled1.uva")
                                 : std::filesystem::path(m_documentName).filename().string();
    int filter = 1;
    const QString path = AskSavePath(QString::fromStdString((folder / name).string()), &filter);
    if (path.isEmpty())
        return;
    const std::string p = path.toStdString();
    mainUVAset.SetExpPrefix(ExportPrefixFor(p));
    SaveInFormat(p, filter, true, true);
}

void TMainForm::Exit()
{
    close();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    m_closing = true;
    bool allowed = false;
    try {
        allowed = QuerySave();
    } catch (...) {
        allowed = false;
    }
    if (!allowed) {
        m_closing = false;
        m_editor->setEnabled(true);
        event->ignore();
        return;
    }
    m_timerSave.stop();
    m_editor->SetMainPageNumber(-1);
    m_editor->SetReadOnly(true);
    QApplication::processEvents();
    m_dialogs->Clear();
    ProgramOptions::Read(AppSettings());
    std::error_code ec;
    if (!m_lastFile.empty() && std::filesystem::exists(m_lastFile, ec))
        AppSettings().WriteOption("LastFile", m_lastFile);
    m_recent.Save(AppSettings());
    m_placement->Save();
    event->accept();
}

// --- mode and status ---

void TMainForm::SetEditMode(bool edit)
{
    const std::string password = mainUVAset.GetPassword();
    if (edit && password != "." && !password.empty()) {
        const std::optional<std::string> answer = AskPassword ? AskPassword() : std::nullopt;
        if (!answer || *answer != password) {
            if (answer)
                m_messages->Error("Password errata!");
            edit = false;
        }
    }
    m_editMode = edit;
    if (edit)
        m_hasBeenInEditMode = true;
    m_editor->SetReadOnly(!edit);
    for (QAction* a : m_editingActions)
        a->setVisible(edit);
    for (QAction* a : m_previewActions)
        a->setVisible(!edit);
    for (const char* name : {"EditMenu", "SearchMenu", "InsertMenu", "FormatMenu", "PublishMenu", "ToolsMenu"})
        Menu(name)->menuAction()->setVisible(edit || QLatin1String(name) == QLatin1String("PublishMenu"));
    for (QToolBar* bar : m_editToolbars) {
        bar->setVisible(edit);
        bar->setEnabled(edit);
    }
    if (QAction* a = Action("EditButton"))
        a->setChecked(edit);
    if (QAction* a = Action("SolaLettura1"))
        a->setChecked(!edit);
    if (edit) {
        if (TUVAbox* box = ActiveBox())
            box->setFocus();
    }
    RefreshStatus();
}

void TMainForm::RefreshStatus()
{
    m_panels[1]->setText(mainUVAset.Modified() ? QString::fromLatin1(kPanelTexts[0]) : QString());
    m_panels[2]->setText(m_editor->PageModified() ? QString::fromLatin1(kPanelTexts[1]) : QString());
    TUVApage* view = m_editor->CurrentPageView();
    TUVAbox* box = view ? view->Box() : nullptr;
    if (!view || !box) {
        m_panels[0]->clear();
        m_panels[3]->clear();
        return;
    }
    std::string text = "Text: \"" + view->Description() + "\"";
    if (m_editMode) {
        text += view->IsNewPage() ? std::string(" (new page)") : " @" + std::to_string(view->PageIndex());
        const TCaretPos pos = box->Editor().HasSelection() ? box->Editor().SelectionStart() : box->Editor().Caret();
        m_panels[0]->setText(QStringLiteral("%1: %2").arg(pos.paragraph).arg(pos.index));
    } else {
        text += ' ';
        m_panels[0]->clear();
    }
    m_panels[3]->setText(Screen(text));
}

TUVAbox* TMainForm::ActiveBox() const
{
    return m_editor->CurrentBox();
}

void TMainForm::RefreshToolbars()
{
    TUVAbox* box = ActiveBox();
    if (!box || !m_editMode)
        return;
    m_refreshing = true;
    TUVATextAttributes& text = box->Editor().TextAttributes();
    const std::uint8_t style = text.Style();
    Action("BoldButton")->setChecked(style & 1);
    Action("ItalicButton")->setChecked(style & 2);
    const TUVAParaAttributes& para = box->Editor().ParaAttributes();
    const int align = para.Alignment();
    Action("LeftAlign")->setChecked(align == 0);
    Action("RightAlign")->setChecked(align == 1);
    Action("CenterAlign")->setChecked(align == 2);
    Action("BulletsButton")->setChecked(para.Numbering() == 10);
    Action("NumberButton")->setChecked(para.Numbering() == 6);
    m_refreshing = false;
}

void TMainForm::EditorSelectionChange(QWidget*)
{
    RefreshToolbars();
    RefreshStatus();
}

// --- navigation ---

void TMainForm::ShowPage(int page)
{
    if (m_editor->Busy())
        return;
    m_editor->SetMainPageNumber(page);
}

void TMainForm::EditorPageChanged()
{
    const int page = m_editor->MainPageNumber();
    if (page < 0)
        return;
    if (!m_historyBusy) {
        m_history.Record(PageHistory::Address(m_documentName, page));
        RefreshHistory();
    }
    if (TUVAtesto* p = mainUVAset.GetPage(page))
        m_goTo.Visit(page, p->Title());
    m_refreshing = true;
    m_pageNumber->setValue(page);
    m_refreshing = false;
    RefreshStatus();
}

void TMainForm::RefreshHistory()
{
    m_historyBusy = true;
    m_historyCombo->clear();
    for (const auto& e : m_history.Entries())
        m_historyCombo->addItem(Screen(e));
    m_historyCombo->setCurrentIndex(m_history.Selected());
    m_historyBusy = false;
    for (const char* name : {"BPrecedente", "Paginaprecedente1"})
        Action(name)->setEnabled(m_history.CanGoPrevious());
    for (const char* name : {"Bseguente", "Paginasuccessiva1"})
        Action(name)->setEnabled(m_history.CanGoNext());
}

bool TMainForm::NavigateToAddress(const std::string& address)
{
    if (m_closing || m_editor->Busy())
        return false;
    const QuorAddressPlan plan = PlanQuorAddress(mainUVAset, m_documentName, address);
    if (plan.stop)
        return false;
    m_historyBusy = true;
    if (plan.otherFile) {
        if (m_editor->PageModified() || mainUVAset.Modified()) {
            const Answer a = m_messages->AskYesNoCancel(kLoadNewFileQuestion);
            if (a == Answer::Cancel) {
                m_historyBusy = false;
                RefreshHistory();
                return false;
            }
            if (a == Answer::Yes) {
                m_saveSucceeded = false;
                SaveAll();
                if (!m_saveSucceeded) {
                    m_historyBusy = false;
                    return false;
                }
            }
        }
        if (plan.file.empty())
            NewEmptyHypertext();
        else
            OpenHypertext(plan.file);
    }
    if (plan.page >= 0)
        ShowPage(plan.page);
    else
        ShowPage(CoverPage());
    m_historyBusy = false;
    // The page reached is the selected entry (or joins the history after it).
    if (m_editor->MainPageNumber() >= 0)
        m_history.Record(PageHistory::Address(m_documentName, m_editor->MainPageNumber()));
    RefreshHistory();
    return true;
}

void TMainForm::HistoryPrevious()
{
    if (auto a = m_history.Previous())
        NavigateToAddress(*a);
    else
        RefreshHistory();
}

void TMainForm::HistoryNext()
{
    if (auto a = m_history.Next())
        NavigateToAddress(*a);
    else
        RefreshHistory();
}

void TMainForm::PagePlusOne()
{
    const int v = m_pageNumber->value();
    if (v < mainUVAset.ObjectCount(testoHtml))
        ShowPage(v + 1);
}

void TMainForm::PageMinusOne()
{
    const int v = m_pageNumber->value();
    if (v > 0)
        ShowPage(v - 1);
}

void TMainForm::GoToCover()
{
    ShowPage(CoverPage());
}

void TMainForm::GoToContents()
{
    const int contents = mainUVAset.GetContentsPage();
    ShowPage(contents >= 0 && mainUVAset.GetPage(contents) ? contents : CoverPage());
}

void TMainForm::ReloadPage()
{
    const int page = m_editor->MainPageNumber();
    m_editor->SetMainPageNumber(-1);
    ShowPage(page);
}

void TMainForm::ToggleReadOnly()
{
    SetEditMode(!m_editMode);
}

void TMainForm::ToggleEditButton()
{
    SetEditMode(Action("EditButton")->isChecked());
}

void TMainForm::ToggleShowFrames()
{
    m_editor->SetShowFramesOnly(Action("Mostracornici1")->isChecked());
}

void TMainForm::RebuildGoToMenu()
{
    QMenu* menu = Menu("GoToPageMenu");
    for (QAction* a : m_goToActions) {
        menu->removeAction(a);
        a->deleteLater();
    }
    m_goToActions.clear();
    for (const auto& item : m_goTo.Items()) {
        if (!mainUVAset.GetPage(item.page))
            continue;
        auto* a = menu->addAction(Screen(item.caption.empty() ? std::to_string(item.page) : item.caption));
        const int page = item.page;
        connect(a, &QAction::triggered, this, [this, page] { ShowPage(page); });
        m_goToActions.push_back(a);
    }
}

void TMainForm::RebuildRecentMenu()
{
    for (QAction* a : m_recentActions) {
        m_fileMenu->removeAction(a);
        a->deleteLater();
    }
    m_recentActions.clear();
    for (const auto& f : m_recent.Files()) {
        auto* a = m_fileMenu->addAction(QString::fromStdString(f));
        const std::string path = f;
        connect(a, &QAction::triggered, this, [this, path] {
            if (QuerySave())
                OpenByType(path, false);
        });
        m_recentActions.push_back(a);
    }
    m_recentSeparator->setVisible(!m_recentActions.isEmpty());
}

void TMainForm::EditorDoLink(QWidget* source, TUVAoggetto* link)
{
    if (m_closing || !link || m_editor->MainPageNumber() < 0)
        return;
    const LinkAction a = PlanLink(mainUVAset, link, m_editor->MainPageNumber(), !m_editMode);
    switch (a.kind) {
    case LinkActionKind::Ignore:
        return;
    case LinkActionKind::ShowPage:
        ShowPage(a.page);
        return;
    case LinkActionKind::QuorAddress:
        NavigateToAddress(a.address);
        return;
    case LinkActionKind::OpenUrl:
        QDesktopServices::openUrl(QUrl(Screen(a.address)));
        return;
    case LinkActionKind::Program:
    case LinkActionKind::AttachedFile:
    case LinkActionKind::Unsupported:
        m_messages->Information(kUndefinedLink);
        return;
    }
}

void TMainForm::FollowLinkAtCaret()
{
    TUVAbox* box = ActiveBox();
    if (!box)
        return;
    const int link = box->LinkAt(box->Editor().Caret());
    if (link != -1)
        m_editor->PostLinkActivation(box, link);
}

QString TMainForm::BrowserPreview(bool allPages, bool open)
{
    if (allPages && (mainUVAset.Modified() || m_editor->PageModified())) {
        if (m_messages->AskYesNo("Need to save file locally. Can I go?"))
            SaveAll();
        else
            CommitPage();
    } else {
        CommitPage();
    }
    const int page = allPages ? CoverPage() : m_editor->MainPageNumber();
    if (!mainUVAset.GetPage(page))
        return {};
    TUVAtoHtml html;
    html.LinkedUVAset = &mainUVAset;
    html.ExportPath = (std::filesystem::path(mainUVAset.WorkingFolderPath()) / "TmpHP").string();
    bool ok = false;
    if (allPages) {
        std::vector<int> pages;
        for (int i = 0; i < mainUVAset.ObjectCount(testoHtml); ++i)
            if (mainUVAset.GetPage(i))
                pages.push_back(i);
        ok = html.ExportPages(pages);
    } else {
        ok = html.ExportPage(page);
    }
    if (!ok) {
        m_messages->Error(html.LastError().empty() ? std::string("Export failed.") : html.LastError());
        return {};
    }
    const std::string name = html.ExportedName(mainUVAset.GetPage(page), 0);
    const QUrl url = QUrl::fromLocalFile(QString::fromStdString((std::filesystem::path(html.ExportPath) / name).string()));
    if (open)
        QDesktopServices::openUrl(url);
    return url.toString();
}

void TMainForm::ExportPages()
{
    CommitPage();
    std::string proposed = mainUVAset.UVAFileName();
    proposed = proposed.empty() ? m_documentName + ".htm"
                                : std::filesystem::path(proposed).replace_extension(".htm").string();
    mainUVAtoHtml->PixelsPerInch = TUVAset::ScreenPixelsPerInch();
    TFexp dialog(this);
    dialog.Setup(mainUVAtoHtml.get(), m_messages, m_editor->MainPageNumber());
    dialog.Propose(proposed);
    if (RunExportDialog)
        RunExportDialog(dialog);
    else
        dialog.exec();
    RefreshStatus();
}

void TMainForm::PreviewCurrentPage()
{
    BrowserPreview(false);
}

void TMainForm::PreviewAllPages()
{
    BrowserPreview(true);
}

// --- dropped files ---

void TMainForm::DropFiles(const QStringList& files)
{
    if (files.isEmpty())
        return;
    const std::string first = files.front().toStdString();
    if (OpenKindOf(first) == OpenKind::Hypertext) {
        if (QuerySave())
            OpenHypertext(first);
        return;
    }
    OpenByType(first, true);
}

void TMainForm::EditorDropFile(const QStringList& files, TUVAbox*)
{
    DropFiles(files);
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event)
{
    QStringList files;
    for (const QUrl& u : event->mimeData()->urls())
        if (u.isLocalFile())
            files << u.toLocalFile();
    event->acceptProposedAction();
    QMetaObject::invokeMethod(this, [this, files] { DropFiles(files); }, Qt::QueuedConnection);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    // Ctrl alone with C, V, X or Z belongs to the clipboard and undo commands,
    // which are not in this build: the keys are swallowed so they do nothing.
    if (event->type() == QEvent::KeyPress && isActiveWindow()) {
        auto* k = static_cast<QKeyEvent*>(event);
        if (k->modifiers() == Qt::ControlModifier &&
            (k->key() == Qt::Key_C || k->key() == Qt::Key_V || k->key() == Qt::Key_X || k->key() == Qt::Key_Z))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// --- timers ---

void TMainForm::SaveReminderTick()
{
    m_timerSave.stop();
    if (m_messages->AskYesNo(kSaveReminder))
        SaveAll();
    ApplyOptions();
}

// --- formatting ---

void TMainForm::AfterFormatting()
{
    RefreshToolbars();
    RefreshStatus();
    if (TUVAbox* box = ActiveBox(); box && box->isVisible() && !m_editor->ReadOnly() && !m_editor->ShowFramesOnly())
        box->setFocus();
}

void TMainForm::SelectAll()
{
    if (TUVAbox* box = ActiveBox()) {
        box->Editor().SelectAll();
        box->update();
        AfterFormatting();
    }
}

void TMainForm::ToggleBold()
{
    TUVAbox* box = ActiveBox();
    if (m_refreshing || !box)
        return;
    const bool on = Action("BoldButton")->isChecked();
    box->ChangeStyleBits(on ? 1 : 0, on ? 0 : 1);
    AfterFormatting();
}

void TMainForm::ToggleItalic()
{
    TUVAbox* box = ActiveBox();
    if (m_refreshing || !box)
        return;
    const bool on = Action("ItalicButton")->isChecked();
    box->ChangeStyleBits(on ? 2 : 0, on ? 0 : 2);
    AfterFormatting();
}

void TMainForm::PositionNormal()
{
    if (TUVAbox* box = ActiveBox(); box && !m_refreshing) {
        box->Editor().TextAttributes().SetPosition(0);
        AfterFormatting();
    }
}

void TMainForm::PositionSuperscript()
{
    if (TUVAbox* box = ActiveBox(); box && !m_refreshing) {
        box->Editor().TextAttributes().SetPosition(2);
        AfterFormatting();
    }
}

void TMainForm::PositionSubscript()
{
    if (TUVAbox* box = ActiveBox(); box && !m_refreshing) {
        box->Editor().TextAttributes().SetPosition(1);
        AfterFormatting();
    }
}

void TMainForm::AlignLeft()
{
    if (TUVAbox* box = ActiveBox(); box && !m_refreshing) {
        box->Editor().ParaAttributes().SetAlignment(0);
        AfterFormatting();
    }
}

void TMainForm::AlignRight()
{
    if (TUVAbox* box = ActiveBox(); box && !m_refreshing) {
        box->Editor().ParaAttributes().SetAlignment(1);
        AfterFormatting();
    }
}

void TMainForm::AlignCenter()
{
    if (TUVAbox* box = ActiveBox(); box && !m_refreshing) {
        box->Editor().ParaAttributes().SetAlignment(2);
        AfterFormatting();
    }
}

void TMainForm::ToggleBullets()
{
    if (TUVAbox* box = ActiveBox(); box && !m_refreshing) {
        box->Editor().ParaAttributes().SetNumbering(Action("BulletsButton")->isChecked() ? 10 : 0);
        AfterFormatting();
    }
}

void TMainForm::ToggleNumbers()
{
    if (TUVAbox* box = ActiveBox(); box && !m_refreshing) {
        box->Editor().ParaAttributes().SetNumbering(Action("NumberButton")->isChecked() ? 6 : 0);
        AfterFormatting();
    }
}

void TMainForm::IncreaseIndent()
{
    if (TUVAbox* box = ActiveBox(); box && !m_refreshing) {
        TUVAParaAttributes& para = box->Editor().ParaAttributes();
        para.SetUnit(1);   // millimetres, as the ruler
        para.SetLeftIndent(para.LeftIndent() + 10);
        AfterFormatting();
    }
}

void TMainForm::DecreaseIndent()
{
    if (TUVAbox* box = ActiveBox(); box && !m_refreshing) {
        TUVAParaAttributes& para = box->Editor().ParaAttributes();
        para.SetUnit(1);
        const float left = para.LeftIndent() - 10;
        para.SetLeftIndent(left > 0 ? left : 0);
        if (para.LeftIndent() < para.FirstIndent())
            para.SetFirstIndent(0);
        AfterFormatting();
    }
}

// --- frameset layouts ---

void TMainForm::SaveFrameLayout()
{
    std::vector<std::uint8_t> bytes;
    if (!m_editor->SaveFrameLayout(bytes, 0))
        return;
    const auto folder = std::filesystem::path(ProgramDir()) / "FrameTemplates";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    QString path = m_nextDialogPath.isEmpty()
                       ? QFileDialog::getSaveFileName(this, QString(), QString::fromStdString(folder.string()),
                                                      QStringLiteral("File cornici (*.frm)"))
                       : std::exchange(m_nextDialogPath, QString());
    if (path.isEmpty())
        return;
    std::ofstream f(path.toStdString(), std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void TMainForm::LoadFrameLayout()
{
    const QString path = m_nextDialogPath.isEmpty()
                             ? QFileDialog::getOpenFileName(this, QString(), QString(), QStringLiteral("File cornici (*.frm)"))
                             : std::exchange(m_nextDialogPath, QString());
    if (path.isEmpty())
        return;
    std::ifstream f(path.toStdString(), std::ios::binary);
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    m_editor->LoadFrameLayout(bytes, 1);
    RefreshStatus();
}

// --- help ---

void TMainForm::Refocus()
{
    if (TUVAbox* box = ActiveBox(); box && box->isVisible())
        box->setFocus();
}

void TMainForm::ShowAbout()
{
    TFabout about(this);
    about.exec();
}

void TMainForm::OpenExamples()
{
    const auto path = std::filesystem::path(ProgramDir()) / "es_uva" / "index.uva";
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        m_messages->Information("Can't find examples directory. You may need to run setup to correct this problem. (" +
                                path.string() + ")");
        return;
    }
    OpenByType(path.string(), true);
}

} // namespace quor
