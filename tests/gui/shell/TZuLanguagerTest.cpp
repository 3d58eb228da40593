#include "shell/LocalizedWindows.h"
#include "shell/TZuLanguager.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace quor {
namespace {

// A window with one component of each kind the texts can reach, designed in Italian.
class SampleWindow : public QDialog {
public:
    SampleWindow()
    {
        setObjectName("FSample");
        setWindowTitle("Finestra");
        button = Make<QPushButton>("BOk", "&Conferma");
        button->setToolTip("Conferma e chiudi");
        label = Make<QLabel>("Label1", "Nome:");
        other = Make<QLabel>("LAltro", "Resta italiano");
        check = Make<QCheckBox>("CBMostra", "Mostra");
        group = Make<QGroupBox>("GBOpzioni", "Opzioni");
        edit = Make<QLineEdit>("EdNome", "senza nome");
        combo = Make<QComboBox>("RGKind");
        combo->addItems({"uno", "due", "tre"});
        list = Make<QListWidget>("LBElenco");
        list->addItems({"a", "b"});
        memo = Make<QPlainTextEdit>("MemoNote");
        memo->setPlainText("riga uno\nriga due");
        tabs = Make<QTabWidget>("PageControl1");
        tabs->addTab(new QWidget, "Generale");
        tabs->addTab(new QWidget, "Avanzate");
        tree = Make<QTreeWidget>("ListView1");
        tree->setHeaderLabels({"Nome", "Dimensione"});
        menu = new QMenu("&Aiuto", this);
        menu->setObjectName("MenuAiuto");
        action = menu->addAction("&Informazioni...");
        action->setObjectName("Informazioni1");
        action->setProperty("tag", 7);
        unnamed = new QLabel("senza nome", this);
        filterHolder = new QObject(this);
        filterHolder->setObjectName("OpenDialog");
        filterHolder->setProperty("filter", QString("Tutti (*.*)|*.*"));
        filterHolder->setProperty("title", QString("Apri"));
    }
    template <class T>
    T* Make(const char* name, const char* text = nullptr)
    {
        T* w = nullptr;
        if constexpr (std::is_constructible_v<T, QString, QWidget*>)
            w = new T(QString::fromUtf8(text), this);
        else
            w = new T(this);
        w->setObjectName(name);
        return w;
    }
    QPushButton* button;
    QLabel* label;
    QLabel* other;
    QCheckBox* check;
    QGroupBox* group;
    QLineEdit* edit;
    QComboBox* combo;
    QListWidget* list;
    QPlainTextEdit* memo;
    QTabWidget* tabs;
    QTreeWidget* tree;
    QMenu* menu;
    QAction* action;
    QLabel* unnamed;
    QObject* filterHolder;
};

std::string Lines(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* l : lines)
        text += std::string(l) + "\r\n";
    return text;
}

class Languager : public ::testing::Test {
protected:
    SampleWindow window;
    TZuLanguager* languager = new TZuLanguager(&window);
};

TEST_F(Languager, SetsEveryKindOfPropertyByComponentName)
{
    const bool complete = languager->SetLocalizationString(Lines({
        "*_*fsample_caption", " Sample window",
        "*_*bok_caption", " &Confirm",
        "*_*BOK_HINT", " Confirm and close",
        "*_*label1_caption", " Name:",
        "*_*cbmostra_caption", " Show",
        "*_*gbopzioni_caption", " Options",
        "*_*ednome_text", " untitled",
        "*_.rgkind_items*count", " 3",
        "*_.rgkind_items*item0", " one",
        "*_.rgkind_items*item1", " two",
        "*_.rgkind_items*item2", " three",
        "*_.memonote_lines*count", " 1",
        "*_.memonote_lines*item0", " first line",
        "*_.pagecontrol1_tabs*count", " 2",
        "*_.pagecontrol1_tabs*item0", " General",
        "*_.pagecontrol1_tabs*item1", " Advanced",
        "*_.listview1_columns*count", " 2",
        "*_.listview1_columns*item0_caption", " Name",
        "*_.listview1_columns*item1_caption", " Size",
        "*_.listview1_columns*item1_width", " 80",
        "*_.listview1_columns*item1_alignment", " taRightJustify",
        "*_*menuaiuto_caption", " &Help",
        "*_*informazioni1_caption", " &About...",
        "*_*opendialog_filter", " All files (*.*)|*.*",
        "*_*opendialog_title", " Open",
    }));
    EXPECT_TRUE(complete);
    EXPECT_EQ(window.windowTitle(), "Sample window");
    EXPECT_EQ(window.button->text(), "&Confirm");
    EXPECT_EQ(window.button->toolTip(), "Confirm and close");
    EXPECT_EQ(window.label->text(), "Name:");
    EXPECT_EQ(window.check->text(), "Show");
    EXPECT_EQ(window.group->title(), "Options");
    EXPECT_EQ(window.edit->text(), "untitled");
    EXPECT_EQ(window.combo->itemText(2), "three");
    EXPECT_EQ(window.memo->toPlainText(), "first line");
    EXPECT_EQ(window.tabs->tabText(1), "Advanced");
    EXPECT_EQ(window.tree->headerItem()->text(1), "Size");
    EXPECT_EQ(window.tree->columnWidth(1), 80);
    EXPECT_EQ(window.tree->headerItem()->textAlignment(1) & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(window.menu->title(), "&Help");
    EXPECT_EQ(window.action->text(), "&About...");
    EXPECT_EQ(window.filterHolder->property("filter").toString(), "All files (*.*)|*.*");
    EXPECT_EQ(window.filterHolder->property("title").toString(), "Open");
    // Components without a key keep their designed texts.
    EXPECT_EQ(window.other->text(), "Resta italiano");
    EXPECT_EQ(window.unnamed->text(), "senza nome");
}

TEST_F(Languager, DecodesValuesOnTheWayIn)
{
    languager->SetLocalizationString(Lines({
        "*_*label1_caption", " first\xA7!second",
        "*_*lalto_caption", " x",
        "*_*laltro_caption", " l''albero \xA7\xA7 caff\xE8",
    }));
    EXPECT_EQ(window.label->text(), "first\nsecond");
    EXPECT_EQ(window.other->text(), QString::fromUtf8("l'albero \xC2\xA7 caff\xC3\xA8"));
}

TEST_F(Languager, CountsCapStringListsAndMissingItemsKeepTheDesign)
{
    languager->SetLocalizationString(Lines({
        "*_.rgkind_items*count", " 2",
        "*_.rgkind_items*item0", " one",
        "*_.rgkind_items*item1", " two",
        "*_.rgkind_items*item2", " three",
        "*_.lbelenco_items*count", " 3",
        "*_.lbelenco_items*item2", " c",
    }));
    ASSERT_EQ(window.combo->count(), 2);
    EXPECT_EQ(window.combo->itemText(1), "two");
    ASSERT_EQ(window.list->count(), 3);
    EXPECT_EQ(window.list->item(0)->text(), "a");   // no key for item 0
    EXPECT_EQ(window.list->item(2)->text(), "c");
}

TEST_F(Languager, NeverTouchesPropertiesThatAreNotLocalisable)
{
    const QFont font = window.label->font();
    languager->SetLocalizationString(Lines({
        "*_*informazioni1_tag", " 9",
        "*_*label1_font", " Arial",
        "*_.informazioni1_items*count", " 1",   // menu items localise caption, text and hint only
        "*_*label1_caption", " Name:",
    }));
    EXPECT_EQ(window.action->property("tag").toInt(), 7);
    EXPECT_EQ(window.label->font(), font);
    EXPECT_EQ(window.label->text(), "Name:");
}

TEST_F(Languager, FirstFailureStopsTheRestAndKeepsWhatWasSet)
{
    // Properties load in order: the window, then its components as created.
    const bool complete = languager->SetLocalizationString(Lines({
        "*_*fsample_caption", " Sample",
        "*_*laltro_caption", " Other",
        "*_.rgkind_items*count", " many",
        "*_.lbelenco_items*count", " 1",
    }));
    EXPECT_FALSE(complete);
    EXPECT_EQ(window.windowTitle(), "Sample");
    EXPECT_EQ(window.other->text(), "Other");   // created before the combo box
    EXPECT_EQ(window.combo->count(), 3);
    EXPECT_EQ(window.list->count(), 2);         // created after it
}

TEST_F(Languager, PropertiesListFollowsTheComponents)
{
    auto has = [&](const char* component, const char* property) {
        for (const auto& e : languager->PropertiesList()) {
            if (e.component == component && e.property == property)
                return true;
        }
        return false;
    };
    EXPECT_TRUE(has("fsample", "caption"));
    EXPECT_TRUE(has("bok", "hint"));
    EXPECT_TRUE(has("rgkind", "items"));
    EXPECT_TRUE(has("listview1", "columns"));
    EXPECT_TRUE(has("opendialog", "filter"));
    EXPECT_FALSE(has("informazioni1", "items"));
    EXPECT_FALSE(has("zulanguager1", "caption"));
    delete window.check;
    EXPECT_FALSE(has("cbmostra", "caption"));
    languager->SetLocalizationString(Lines({"*_*cbmostra_caption", " Show"}));   // no crash
}

TEST(LocalizationCheckOfWindow, FailsOnKeysThatNameNoComponentOrProperty)
{
    SampleWindow window;
    EXPECT_TRUE(LocalizedWindows::CheckWindow(&window, Lines({"*_*bok_caption", " OK"})).empty());
    const auto problems = LocalizedWindows::CheckWindow(&window, Lines({
        "*_*bok_caption", " OK",
        "*_*bannulla_caption", " Cancel",   // no such component
        "*_*label1_font", " Arial",         // not a localisable property
    }));
    EXPECT_EQ(problems.size(), 2u);
}

} // namespace
} // namespace quor
