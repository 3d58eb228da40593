// The main window on the offscreen platform: documents, the save question,
// typing kept across page changes, saves and reloads, and command routing.
#include "mainwindow/MainWindowFixture.h"

#include "model/HeaderLayout.h"
#include "shell/navigation/LinkRouting.h"
#include "textengine/TUVAParaAttributes.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QSpinBox>
#include <QToolBar>

#include <cstdio>

namespace quor::testing {
namespace {

TEST_F(MainWindowTest, OpensTheFileOnTheCommandLineAtItsCoverInEditMode)
{
    EXPECT_EQ(m_window->DocumentName(), m_path);
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("a.uva - Quor"));
    EXPECT_TRUE(m_window->EditMode());
    EXPECT_EQ(Page(), 0);
    EXPECT_NE(BoxText().find("Page 0"), std::string::npos);
    EXPECT_EQ(m_window->History().Entries(), (std::vector<std::string>{"quor://" + m_path + "|0"}));
    EXPECT_EQ(m_window->Recent().Files().back(), m_path);
    EXPECT_TRUE(m_window->StatusText(1).isEmpty());
    EXPECT_TRUE(m_messages.Messages().empty());
}

TEST_F(MainWindowTest, TypedTextSurvivesPageChangesSavesAndReloads)
{
    TypeAtEnd(QStringLiteral(" typed"));
    EXPECT_EQ(m_window->StatusText(2), QStringLiteral("P modified"));

    // Another page and back: the text went into the hypertext.
    m_window->PageNumber()->setValue(2);
    emit m_window->PageNumber()->editingFinished();
    Settle();
    EXPECT_EQ(Page(), 2);
    EXPECT_EQ(m_window->StatusText(1), QStringLiteral("HY modified"));
    m_window->GoToCover();
    Settle();
    EXPECT_NE(BoxText().find("Page 0 typed"), std::string::npos);

    // Save all writes it to the file and keeps the page shown.
    TypeAtEnd(QStringLiteral("!"));
    Trigger("FileSaveItem");
    EXPECT_EQ(Page(), 0);
    EXPECT_NE(StoredPageText(m_path, 0).find("Page 0 typed!"), std::string::npos);
    EXPECT_TRUE(m_window->StatusText(1).isEmpty());
    EXPECT_TRUE(m_window->StatusText(2).isEmpty());

    // Typing goes on after the save, then a reload of the file keeps everything.
    TypeAtEnd(QStringLiteral("?"));
    Trigger("FileSaveItem");
    m_window->OpenHypertext(m_path);
    Settle();
    EXPECT_NE(BoxText().find("Page 0 typed!?"), std::string::npos);
    EXPECT_NE(StoredPageText(m_path, 1).find("Page 1"), std::string::npos);
    EXPECT_TRUE(m_messages.Messages().empty());
}

TEST_F(MainWindowTest, CloseAsksTheSaveQuestionOnlyForChanges)
{
    EXPECT_TRUE(m_window->QuerySave());   // nothing changed: no question
    EXPECT_TRUE(m_messages.Messages().empty());
    TypeAtEnd(QStringLiteral("x"));

    m_messages.QueueAnswer(Answer::Cancel);
    EXPECT_FALSE(m_window->close());
    ASSERT_EQ(m_messages.Messages().size(), 1u);
    EXPECT_EQ(m_messages.Messages()[0].kind, MessageKind::YesNoCancel);
    EXPECT_EQ(m_messages.Messages()[0].text, "Save modifications to " + m_path + "?");
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_NE(BoxText().find("Page 0x"), std::string::npos);   // the typing is still there

    m_messages.QueueAnswer(Answer::Yes);
    EXPECT_TRUE(m_window->close());
    EXPECT_NE(StoredPageText(m_path, 0).find("Page 0x"), std::string::npos);
}

TEST_F(MainWindowTest, NoToTheSaveQuestionLeavesTheFileAsItWas)
{
    const std::string before = StoredPageText(m_path, 0);
    TypeAtEnd(QStringLiteral("lost"));
    m_messages.QueueAnswer(Answer::No);
    EXPECT_TRUE(m_window->close());
    EXPECT_EQ(StoredPageText(m_path, 0), before);
}

TEST_F(MainWindowTest, FailedSaveIsReportedAndKeepsTheWorkUnsaved)
{
    TypeAtEnd(QStringLiteral(" unsaved"));
    const std::string nowhere = m_path + "/x.uva";   // a "folder" that is a file
    EXPECT_FALSE(m_window->SaveInFormat(nowhere, 1, true));
    ASSERT_FALSE(m_messages.Messages().empty());
    EXPECT_EQ(m_messages.Messages().back().kind, MessageKind::Error);
    EXPECT_EQ(m_messages.Messages().back().text.rfind("Salvataggio non riuscito!", 0), 0u);
    EXPECT_EQ(m_window->DocumentName(), m_path);
    EXPECT_EQ(m_window->StatusText(1), QStringLiteral("HY modified"));
    EXPECT_NE(BoxText().find("Page 0 unsaved"), std::string::npos);
    // The close question still comes, so nothing is lost silently.
    m_messages.QueueAnswer(Answer::Cancel);
    EXPECT_FALSE(m_window->close());
}

TEST_F(MainWindowTest, DamagedFileFallsBackToAnUntitledHypertext)
{
    const std::string bad = FilePath("bad.uva");
    {
        std::FILE* f = std::fopen(bad.c_str(), "wb");
        std::fputs("MORVgarbage that is no hypertext", f);
        std::fclose(f);
    }
    m_window->OpenHypertext(bad);
    Settle();
    EXPECT_EQ(m_window->DocumentName(), "Untitled");
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Untitled - Quor"));
    for (const auto& f : m_window->Recent().Files())
        EXPECT_NE(f, bad);
    EXPECT_TRUE(Box());   // a page to type on
}

TEST_F(MainWindowTest, SaveAllOnAnUntitledHypertextIsSaveAs)
{
    Trigger("FileNewItem");
    EXPECT_EQ(m_window->DocumentName(), "Untitled");
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Untitled - Quor"));
    TypeAtEnd(QStringLiteral("fresh"));
    const std::string target = FilePath("new.uva");
    m_window->SetNextDialogPath(QString::fromStdString(target));
    Trigger("FileSaveItem");
    EXPECT_EQ(m_window->DocumentName(), target);
    EXPECT_EQ(m_window->Document().ExpPrefix(), "new");
    EXPECT_NE(StoredPageText(target, 0).find("fresh"), std::string::npos);
}

TEST_F(MainWindowTest, PreviewFollowsLinksAndPreviousReturns)
{
    Trigger("SolaLettura1");   // F11: read only
    EXPECT_FALSE(m_window->EditMode());
    EXPECT_TRUE(Box()->ReadOnly());
    FollowFirstLink();
    EXPECT_EQ(Page(), 1);
    FollowFirstLink();
    EXPECT_EQ(Page(), 2);
    EXPECT_EQ(m_window->History().Entries().size(), 3u);
    EXPECT_FALSE(m_window->Action("Bseguente")->isEnabled());

    Trigger("BPrecedente");
    EXPECT_EQ(Page(), 1);
    Trigger("Paginaprecedente1");
    EXPECT_EQ(Page(), 0);
    EXPECT_FALSE(m_window->Action("BPrecedente")->isEnabled());
    EXPECT_TRUE(m_window->Action("Bseguente")->isEnabled());
    EXPECT_EQ(m_window->HistoryCombo()->currentIndex(), 0);
    EXPECT_EQ(m_window->HistoryCombo()->count(), 3);

    // A page visited from the first entry goes in just after it.
    m_window->PageNumber()->setValue(2);
    emit m_window->PageNumber()->editingFinished();
    Settle();
    EXPECT_EQ(m_window->History().Selected(), 1);
    EXPECT_EQ(m_window->History().Entries()[1], "quor://" + m_path + "|2");
    EXPECT_EQ(m_window->History().Entries().size(), 4u);
    // Nothing was changed by browsing.
    EXPECT_TRUE(m_window->StatusText(1).isEmpty());
}

TEST_F(MainWindowTest, HistoryEntryOfAnotherFileAsksFirstAndCancelStays)
{
    const std::string other = WriteLinkedHypertext(FilePath("b.uva"), 2);
    m_window->OpenHypertext(other);
    Settle();
    m_window->OpenHypertext(m_path);
    Settle();
    TypeAtEnd(QStringLiteral("keep"));
    // The history holds b.uva|0 before a.uva|0.
    const auto& entries = m_window->History().Entries();
    ASSERT_GE(entries.size(), 2u);
    m_messages.QueueAnswer(Answer::Cancel);
    EXPECT_FALSE(m_window->NavigateToAddress("quor://" + other + "|1"));
    ASSERT_EQ(m_messages.Messages().size(), 1u);
    EXPECT_EQ(m_messages.Messages()[0].text, kLoadNewFileQuestion);
    EXPECT_EQ(m_window->DocumentName(), m_path);
    EXPECT_NE(BoxText().find("keep"), std::string::npos);

    m_messages.QueueAnswer(Answer::Yes);   // saves a.uva, then opens b.uva at page 1
    EXPECT_TRUE(m_window->NavigateToAddress("quor://" + other + "|1"));
    EXPECT_EQ(m_window->DocumentName(), other);
    EXPECT_EQ(Page(), 1);
    EXPECT_NE(StoredPageText(m_path, 0).find("keep"), std::string::npos);
}

TEST_F(MainWindowTest, EditAndPreviewShowTheirCommands)
{
    QMenu* format = m_window->Menu("FormatMenu");
    QToolBar* parag = m_window->findChild<QToolBar*>(QStringLiteral("ToolbarParag"));
    ASSERT_TRUE(format && parag);
    EXPECT_TRUE(format->menuAction()->isVisible());
    EXPECT_TRUE(parag->isVisible());
    EXPECT_FALSE(m_window->Action("Ricaricapagina1")->isVisible());
    Trigger("EditButton");   // the toggle button: up means preview
    EXPECT_FALSE(m_window->EditMode());
    EXPECT_FALSE(format->menuAction()->isVisible());
    EXPECT_FALSE(parag->isVisible());
    EXPECT_TRUE(m_window->Action("Ricaricapagina1")->isVisible());
    EXPECT_TRUE(m_window->Action("SolaLettura1")->isChecked());
    Trigger("SolaLettura1");
    EXPECT_TRUE(m_window->EditMode());
}

TEST_F(MainWindowTest, ProtectedHypertextOpensInPreviewAndAsksThePassword)
{
    {
        TUVAset doc;
        ASSERT_TRUE(doc.LoadFromFile(m_path));
        header::SetU8(doc.Header(), header::kReadOnly, 1);
        header::SetCounted(doc.Header(), header::kPassword, "secret");
        doc.SetModified(true);
        ASSERT_TRUE(doc.SaveToFile(m_path));
    }
    std::vector<std::optional<std::string>> answers = {std::string("wrong"), std::nullopt, std::string("secret")};
    std::size_t asked = 0;
    m_window->AskPassword = [&]() { return answers.at(asked++); };
    m_window->OpenHypertext(m_path);
    Settle();
    EXPECT_FALSE(m_window->EditMode());
    EXPECT_EQ(asked, 0u);   // opening never asks

    Trigger("EditButton");
    EXPECT_FALSE(m_window->EditMode());
    EXPECT_EQ(m_messages.Texts().back(), "Password errata!");
    Trigger("SolaLettura1");   // cancelled: no message, still preview
    EXPECT_FALSE(m_window->EditMode());
    EXPECT_EQ(m_messages.Messages().size(), 1u);
    Trigger("SolaLettura1");
    EXPECT_TRUE(m_window->EditMode());
    EXPECT_EQ(asked, 3u);
}

TEST_F(MainWindowTest, CommandsCarryTheirShortcutsAndPendingOnesAreDisabled)
{
    const std::pair<const char*, const char*> keys[] = {
        {"FileNewItem", "Ctrl+N"},  {"FileOpenItem", "Ctrl+F12"},   {"FileSaveItem", "Ctrl+S"},
        {"FileExitItem", "Alt+X"},  {"Selezionabrano1", "Ctrl+F2"}, {"SolaLettura1", "F11"},
        {"Seguicollegamento1", "F9"}, {"Paginacorrente1", "Ctrl+A"}, {"Paginapiu1", "Ctrl++"},
        {"Paginameno1", "Ctrl+-"},  {"Cerca1", "Ctrl+F"},            {"Album1", "F12"},
    };
    for (const auto& [name, key] : keys) {
        QAction* a = m_window->Action(QString::fromLatin1(name));
        ASSERT_TRUE(a) << name;
        EXPECT_EQ(a->shortcut(), QKeySequence(QString::fromLatin1(key))) << name;
    }
    for (const char* pending : {"FilePrintItem", "Cerca1", "Immagine1", "Importa1", "Controllopagina1"}) {
        QAction* a = m_window->Action(QString::fromLatin1(pending));
        ASSERT_TRUE(a) << pending;
        EXPECT_FALSE(a->isEnabled()) << pending;
    }
    // English captions from the localisation text.
    EXPECT_EQ(m_window->Action("FileSaveItem")->text(), QStringLiteral("&Save all"));
    EXPECT_EQ(m_window->Menu("HypertextMenu")->title(), QStringLiteral("&Hypertext"));
}

TEST_F(MainWindowTest, FormattingCommandsActOnTheBox)
{
    TUVAbox* box = Box();
    box->Editor().Select(0, 0, 0, 4);
    m_window->Action("BoldButton")->setChecked(true);
    m_window->ToggleBold();
    Settle();
    EXPECT_NE(BoxText().find("y1"), std::string::npos);
    m_window->AlignCenter();
    EXPECT_EQ(Box()->Editor().ParaAttributes().Alignment(), 2);
    EXPECT_EQ(m_window->StatusText(2), QStringLiteral("P modified"));
}

TEST_F(MainWindowTest, PageSpinClampsAndTurnsRedBeyondThePages)
{
    QSpinBox* spin = m_window->PageNumber();
    spin->setValue(3);
    EXPECT_TRUE(spin->styleSheet().contains(QStringLiteral("red")));
    spin->setValue(1);
    EXPECT_FALSE(spin->styleSheet().contains(QStringLiteral("red")));
    m_window->PagePlusOne();
    Settle();
    EXPECT_EQ(Page(), 2);
    m_window->PageMinusOne();
    m_window->PageMinusOne();
    m_window->PageMinusOne();   // stays at 0
    Settle();
    EXPECT_EQ(Page(), 0);
}

TEST_F(MainWindowTest, DroppedFilesOpenOnlyAFirstHypertext)
{
    const std::string other = WriteLinkedHypertext(FilePath("c.uva"), 2);
    m_window->DropFiles({QStringLiteral("/nowhere/x.gif"), QString::fromStdString(other)});
    Settle();
    EXPECT_EQ(m_window->DocumentName(), m_path);
    m_window->DropFiles({QString::fromStdString(other), QStringLiteral("/nowhere/x.gif")});
    Settle();
    EXPECT_EQ(m_window->DocumentName(), other);
}

TEST_F(MainWindowTest, BrowserPreviewExportsThePageAsAFileUrl)
{
    TypeAtEnd(QStringLiteral(" web"));
    const QString url = m_window->BrowserPreview(false, false);
    ASSERT_TRUE(url.startsWith(QStringLiteral("file:///"))) << url.toStdString();
    const QString file = QUrl(url).toLocalFile();
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << file.toStdString();
    EXPECT_TRUE(f.readAll().contains("Page 0 web"));
    // Committing the page for the export kept the typing in the editor.
    EXPECT_NE(BoxText().find("Page 0 web"), std::string::npos);
}

} // namespace
} // namespace quor::testing
