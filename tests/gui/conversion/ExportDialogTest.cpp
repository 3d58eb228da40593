// Export dialog and HTML options dialog: texts, formats offered, page choice,
// the export into a folder with its files and settings, and the main window's
// export command.
#include "../../core/conversion/HtmlExportFixture.h"

#include "conversion/ExportSettings.h"
#include "conversion/TFexp.h"
#include "conversion/TFopzExp.h"
#include "conversion/TUVAListHtmlToTx.h"
#include "mainwindow/MainWindowFixture.h"
#include "shell/AppSettings.h"
#include "shell/MemorySettingsStore.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>

namespace quor::testing {
namespace {

template <class T>
T* Child(QWidget& w, const char* name)
{
    T* child = w.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

QStringList Column(const TUVAListHtmlToTx& list, int column)
{
    QStringList out;
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        out << list.topLevelItem(i)->text(column);
    return out;
}

std::vector<bool> Checked(const TUVAListHtmlToTx& list)
{
    return list.CheckMarks();
}

class ExportDialogTest : public HtmlExportTest {
protected:
    void SetUp() override { SetAppSettings(&settings); }
    void TearDown() override { SetAppSettings(nullptr); }

    // Cover page (0) with a picture, page 1, a deleted page 2, page 3.
    void BuildSite()
    {
        TUVAoggetto* pic = AddPicture("photo.gif", "GIF89a-bytes");
        AddPage("<Z S0 >cover" + Ref(immagineNew, AddPlacement(pic)->Index()), "Cover");
        AddPage("<Z S0 >one", "One");
        TUVAtesto* gone = AddPage("<Z S0 >gone", "Gone");
        AddPage("<Z S0 >three", "Three");
        gone->Clear();
    }
    std::string SiteFolder() const { return (out.Path() / "site").string() + "/"; }

    MemorySettingsStore settings;
    TempFolder out;
};

TEST_F(ExportDialogTest, ShowsEnglishTextsAndOffersOnlyHtml)
{
    TFexp dialog;
    EXPECT_EQ(dialog.windowTitle(), "Export");
    EXPECT_EQ(Child<QPushButton>(dialog, "BExport")->text(), "&Export");
    EXPECT_EQ(Child<QPushButton>(dialog, "BCurrent")->text(), "&Current page");
    EXPECT_EQ(Child<QLabel>(dialog, "LFolder")->text(), "&Target folder:");
    auto* formats = Child<QComboBox>(dialog, "CBFormat");
    auto* model = qobject_cast<QStandardItemModel*>(formats->model());
    ASSERT_TRUE(model);
    ASSERT_EQ(formats->count(), 5);
    EXPECT_EQ(formats->itemText(0), "HTML");
    EXPECT_TRUE(model->item(0)->isEnabled());
    for (int i = 1; i < formats->count(); ++i)
        EXPECT_FALSE(model->item(i)->isEnabled()) << formats->itemText(i).toStdString();
    EXPECT_EQ(formats->itemText(4), "DOC (Word): one file only");
    EXPECT_FALSE(dialog.SelectFormat(kFormatAscii));
    EXPECT_EQ(dialog.Format(), kFormatHtml);

    TFopzExp options;
    EXPECT_EQ(options.windowTitle(), "Options");
    EXPECT_EQ(Child<QCheckBox>(options, "CBSepImage")->text(), "Pictures in a separate folder");
    EXPECT_EQ(Child<QLabel>(options, "LExtension")->text(), "Extension of page files: ");
}

TEST_F(ExportDialogTest, ExportsTheCheckedPagesIntoTheFolderAndStoresTheChoices)
{
    BuildSite();
    TFexp dialog;
    dialog.Setup(&conv, &messages, 1);
    dialog.SetFolder(SiteFolder());
    TUVAListHtmlToTx& list = *dialog.List();
    // The style sheet and the live pages (sorted by type, then title); every item checked.
    EXPECT_EQ(Column(list, TUVAListHtmlToTx::colTitle), (QStringList{"Text styles", "Cover", "One", "Three"}));
    EXPECT_EQ(Column(list, TUVAListHtmlToTx::colFile),
              (QStringList{"ab_style.css", "ab_index.html", "ab_000001.html", "ab_000003.html"}));
    EXPECT_EQ(Column(list, TUVAListHtmlToTx::colSize), (QStringList{"", "", "", ""}));   // nothing written yet
    EXPECT_EQ(Checked(list), (std::vector<bool>{true, true, true, true}));

    QTest::mouseClick(Child<QPushButton>(dialog, "BExport"), Qt::LeftButton);
    EXPECT_TRUE(messages.Texts().empty());
    EXPECT_EQ(FilesBelow(out.Path() / "site"), (std::vector<std::string>{"ab_000001.html", "ab_000003.html",
                                                                          "ab_i000000.gif", "ab_index.html",
                                                                          "ab_style.css"}));
    EXPECT_EQ(ReadFile(out.Path() / "site" / "ab_i000000.gif"), "GIF89a-bytes");
    EXPECT_EQ(dialog.StatusText().toStdString(), "Export done: 5 files written into " + SiteFolder());
    // The list now shows the sizes of the written files and keeps its marks.
    for (const QString& size : Column(list, TUVAListHtmlToTx::colSize))
        EXPECT_GT(size.toInt(), 0);
    EXPECT_EQ(Checked(list), (std::vector<bool>{true, true, true, true}));
    // Progress went through the dialog but is not left on the converter.
    EXPECT_FALSE(conv.OnExpProgress);
    EXPECT_FALSE(conv.WriteRedirects);

    EXPECT_EQ(settings.ReadValue("exp\\0", "expPathInWindow"), SiteFolder());
    EXPECT_EQ(settings.ReadValue("exp\\0", "largh"), "210");
    EXPECT_EQ(settings.ReadValue("exp\\0", "lungh"), "297");
    EXPECT_EQ(settings.ReadValue("exp\\0", "sx"), "15");
    // A new dialog starts in the stored folder.
    TFexp again;
    EXPECT_EQ(again.Folder(), SiteFolder());
}

TEST_F(ExportDialogTest, AllNoneAndCurrentPageChooseWhatIsExported)
{
    BuildSite();
    TFexp dialog;
    dialog.Setup(&conv, &messages, 3);
    dialog.SetFolder(SiteFolder());
    auto* all = Child<QPushButton>(dialog, "BAll");
    EXPECT_EQ(all->text(), "All");
    QTest::mouseClick(all, Qt::LeftButton);
    EXPECT_EQ(all->text(), "None");
    EXPECT_EQ(Checked(*dialog.List()), (std::vector<bool>{true, true, true, true}));
    QTest::mouseClick(all, Qt::LeftButton);
    EXPECT_EQ(all->text(), "All");
    EXPECT_EQ(Checked(*dialog.List()), (std::vector<bool>{false, false, false, false}));

    // Current page: the style sheet and page 3 only.
    QTest::mouseClick(Child<QPushButton>(dialog, "BCurrent"), Qt::LeftButton);
    EXPECT_EQ(Checked(*dialog.List()), (std::vector<bool>{true, false, false, true}));
    // Choose: the highlighted rows are checked as well.
    dialog.List()->topLevelItem(2)->setSelected(true);
    QTest::mouseClick(Child<QPushButton>(dialog, "BChoose"), Qt::LeftButton);
    EXPECT_EQ(dialog.List()->CheckedPages(), (std::vector<int>{1, 3}));

    ASSERT_TRUE(dialog.Export());
    EXPECT_EQ(FilesBelow(out.Path() / "site"),
              (std::vector<std::string>{"ab_000001.html", "ab_000003.html", "ab_style.css"}));
}

TEST_F(ExportDialogTest, AFolderThatCannotBeCreatedIsReportedAndNothingIsWritten)
{
    BuildSite();
    {
        std::ofstream blocker(out.Path() / "file");
        blocker << "x";
    }
    const std::string folder = (out.Path() / "file" / "site").string() + "/";
    TFexp dialog;
    dialog.Setup(&conv, &messages, 0);
    dialog.SetFolder(folder);
    EXPECT_FALSE(dialog.Export());
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].kind, MessageKind::Error);
    EXPECT_EQ(messages.Messages()[0].text, "Error creating directory: \"" + folder + "\" check the \"path\" tab.");
    EXPECT_EQ(FilesBelow(out.Path()), std::vector<std::string>{"file"});
}

TEST_F(ExportDialogTest, ProposedNameChoosesFormatAndFolder)
{
    settings.WriteValue("exp\\0", "expPathInWindow", "/stored/");
    TFexp dialog;
    dialog.Setup(&conv, &messages, -1);
    EXPECT_EQ(dialog.Folder(), "/stored/");
    // No offered format takes ".rtf": the first format and its folder stay.
    dialog.Propose("/docs/book.rtf");
    EXPECT_EQ(dialog.Format(), kFormatHtml);
    EXPECT_EQ(dialog.Folder(), "/stored/");
    dialog.Propose("/docs/Book.HTM");
    EXPECT_EQ(dialog.Format(), kFormatHtml);
    EXPECT_EQ(dialog.Folder(), "/docs/");
}

TEST_F(ExportDialogTest, ProgressTextGuardsAnEmptyPhase)
{
    EXPECT_EQ(TFexp::ProgressText(0, 3, 1), "Exporting, phase 1: 0%");
    EXPECT_EQ(TFexp::ProgressText(2, 3, 2), "Exporting, phase 2: 66%");
    EXPECT_EQ(TFexp::ProgressText(5, 0, 3), "Exporting, phase 3: 0%");
    // Large counts do not overflow the percentage.
    EXPECT_EQ(TFexp::ProgressText(30000000, 40000000, 1), "Exporting, phase 1: 75%");
}

TEST_F(ExportDialogTest, HtmlOptionsAreStoredAndRenameTheListedFiles)
{
    BuildSite();
    TFexp dialog;
    dialog.Setup(&conv, &messages, 0);
    dialog.SetFolder(SiteFolder());
    TFopzExp options;
    options.SetFrom(conv);
    EXPECT_EQ(Child<QComboBox>(options, "CBExtension")->currentIndex(), 1);
    Child<QCheckBox>(options, "CBSepImage")->setChecked(true);
    Child<QComboBox>(options, "CBExtension")->setCurrentIndex(0);
    options.ApplyTo(conv);
    EXPECT_TRUE(conv.ExpSepImage);
    EXPECT_EQ(conv.ExpTipoExt, 0);
    EXPECT_EQ(settings.ReadValue("htmlexp", "expSepImage"), "1");
    EXPECT_EQ(settings.ReadValue("htmlexp", "expOrigName"), "0");
    EXPECT_EQ(settings.ReadValue("htmlexp", "expTipoExt"), "0");

    // The dialog's refill after the options keeps the check marks.
    dialog.Setup(&conv, &messages, 0);
    dialog.List()->topLevelItem(2)->setCheckState(0, Qt::Unchecked);
    const auto marks = Checked(*dialog.List());
    dialog.SetFolder(SiteFolder());   // refills, keeping marks
    EXPECT_EQ(Checked(*dialog.List()), marks);
    EXPECT_EQ(Column(*dialog.List(), TUVAListHtmlToTx::colFile),
              (QStringList{"ab_style.css", "ab_index.htm", "ab_000001.htm", "ab_000003.htm"}));
    ASSERT_TRUE(dialog.Export());
    EXPECT_TRUE(std::filesystem::exists(out.Path() / "site" / "images" / "ab_i000000.gif"));
    EXPECT_TRUE(std::filesystem::exists(out.Path() / "site" / "ab_index.htm"));
    EXPECT_FALSE(std::filesystem::exists(out.Path() / "site" / "ab_000001.htm"));
}

TEST_F(ExportDialogTest, EditingATitleRenamesThePage)
{
    BuildSite();
    TFexp dialog;
    dialog.Setup(&conv, &messages, 0);
    QTreeWidgetItem* item = dialog.List()->topLevelItem(2);
    ASSERT_EQ(item->text(0), "One");
    item->setText(0, QString::fromUtf8("Uno \xc3\xa8"));
    EXPECT_EQ(doc.GetPage(1)->Title(), "Uno \xe8");
    EXPECT_TRUE(doc.Modified());
}

class MainWindowExportTest : public MainWindowTest {};

TEST_F(MainWindowExportTest, ExportCommandsOpenTheDialogOnTheCommittedPages)
{
    m_window->SetEditMode(true);
    Settle();
    TypeAtEnd(QStringLiteral("XYZ"));
    int opened = 0;
    std::string folder;
    m_window->RunExportDialog = [&](TFexp& dialog) {
        ++opened;
        folder = dialog.Folder();
        dialog.SetFolder(FilePath("site"));
        EXPECT_TRUE(dialog.Export());
    };
    for (const char* name : {"Esporta1", "EsportaHtml1", "BFileExport"}) {
        QAction* a = m_window->Action(QString::fromLatin1(name));
        ASSERT_TRUE(a) << name;
        EXPECT_TRUE(a->isEnabled()) << name;
    }
    Trigger("Esporta1");
    ASSERT_EQ(opened, 1);
    // Proposed from the document's name: its folder.
    EXPECT_EQ(folder, m_dir.path().toStdString() + "/");
    TUVAtoHtml& conv = m_window->HtmlConverter();
    const std::string cover = conv.ExportedName(m_window->Document().GetPage(0), 0);
    const std::string page = ReadFile(std::filesystem::path(FilePath("site")) / cover);
    EXPECT_NE(page.find("XYZ"), std::string::npos) << page;
    EXPECT_TRUE(m_messages.Texts().empty());
}

} // namespace
} // namespace quor::testing
