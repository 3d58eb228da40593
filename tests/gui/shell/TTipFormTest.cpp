#include "shell/LocalizedWindows.h"
#include "shell/MemorySettingsStore.h"
#include "shell/AppSettings.h"
#include "shell/TFabout.h"
#include "shell/TTipForm.h"
#include "shell/TZuLanguager.h"
#include "shell/TZuLanguagesStore.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace quor {
namespace {

class TipForm : public ::testing::Test {
protected:
    MemorySettingsStore settings;
    void SetUp() override { SetAppSettings(&settings); }
    void TearDown() override { SetAppSettings(nullptr); }

    template <class T>
    static T* Child(QWidget& w, const char* name)
    {
        T* child = w.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
};

TEST_F(TipForm, ShowsItsEnglishTextsAfterCreation)
{
    TTipForm form;
    form.show();
    EXPECT_EQ(form.windowTitle(), "Tips");
    EXPECT_EQ(Child<QLabel>(form, "LDidYouKnow")->text(), "Did you know...?");
    EXPECT_EQ(Child<QCheckBox>(form, "CBShowOnStart")->text(), "&Show on next Start of application");
    EXPECT_EQ(Child<QPushButton>(form, "BNext")->text(), "&Next >");
    EXPECT_EQ(Child<QPushButton>(form, "BClose")->text(), "&Close");
}

TEST_F(TipForm, EmptyListAndSingleTip)
{
    TTipForm form;
    form.show();
    EXPECT_EQ(form.CurrentTip(), "No tips available !");
    EXPECT_FALSE(Child<QPushButton>(form, "BNext")->isEnabled());

    form.SetTips({"only one"});
    form.NextTip();
    EXPECT_EQ(form.CurrentTip(), "only one");
    EXPECT_FALSE(Child<QPushButton>(form, "BNext")->isEnabled());

    const QStringList tips{"a", "b", "c"};
    form.SetTips(tips);
    EXPECT_TRUE(Child<QPushButton>(form, "BNext")->isEnabled());
    QSet<QString> seen;
    for (int i = 0; i < 60; ++i) {
        QTest::mouseClick(Child<QPushButton>(form, "BNext"), Qt::LeftButton);
        ASSERT_TRUE(tips.contains(form.CurrentTip()));
        seen.insert(form.CurrentTip());
    }
    EXPECT_EQ(seen.size(), 3);   // drawn at random, not stuck on one
}

TEST_F(TipForm, CloseStoresTheShowAtStartBox)
{
    TTipForm form;
    form.SetShowAtStart(true);
    form.show();
    Child<QCheckBox>(form, "CBShowOnStart")->setChecked(false);
    QTest::mouseClick(Child<QPushButton>(form, "BClose"), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(settings.ReadOption("TipOfTheDay"), "0");

    TTipForm second;
    second.show();
    QTest::mouseClick(Child<QPushButton>(second, "BClose"), Qt::LeftButton);
    EXPECT_EQ(settings.ReadOption("tipoftheday"), "1");
}

TEST_F(TipForm, PlacementIsKeptUnderForms)
{
    {
        TTipForm form;
        form.show();
        form.move(140, 90);
        form.close();
    }
    EXPECT_FALSE(settings.ReadValue("forms\\TipForm", "geometry").empty());
    settings.WriteValue("forms\\TipForm", "geometry", "not a placement");
    TTipForm again;   // refuses the garbage quietly
    again.show();
    EXPECT_TRUE(again.isVisible());
}

TEST_F(TipForm, AtStartItCarriesTheBuiltInTips)
{
    std::unique_ptr<TTipForm> form(TTipForm::CreateAtStart());
    form->show();
    EXPECT_EQ(form->windowTitle(), "Loading in progress");
    EXPECT_EQ(Child<QLabel>(*form, "LHeader")->text(), "Welcome to Quor (editor)!");
    EXPECT_GE(form->Tips().size(), 5);
    EXPECT_TRUE(form->Tips().contains(form->CurrentTip()));
    EXPECT_TRUE(Child<QCheckBox>(*form, "CBShowOnStart")->isChecked());
}

TEST_F(TipForm, AboutBoxShowsItsEnglishTexts)
{
    TFabout about;
    EXPECT_EQ(about.windowTitle(), "About Quor");
    EXPECT_EQ(Child<QLabel>(about, "LVersion")->text(), QStringLiteral("Version " QUOR_VERSION));
    EXPECT_EQ(Child<QPushButton>(about, "BOk")->text(), "&Ok");
}

TEST(LocalizationTexts, EveryTextFitsItsWindow)
{
    MemorySettingsStore settings;
    SetAppSettings(&settings);
    const auto problems = LocalizedWindows::CheckAll(TZuLanguagesStore::DefaultLang());
    SetAppSettings(nullptr);
    for (const auto& p : problems)
        ADD_FAILURE() << p;
    // Every text compiled in belongs to a window that registered itself, so none goes unchecked.
    const QStringList texts = TZuLanguagesStore::Windows();
    EXPECT_TRUE(texts.contains("tipform"));
    EXPECT_TRUE(texts.contains("fabout"));
    for (const QString& name : texts)
        EXPECT_TRUE(LocalizedWindows::All().count(name)) << name.toStdString();
}

} // namespace
} // namespace quor
