// MainWindowFixture.h: a main window on a small hypertext written to a temporary
// folder, with messages recorded and questions answered from a script.
#pragma once

#include "base/RecordingMessages.h"
#include "composition/frames/TInsiemeCornici.h"
#include "composition/frames/TUVApage.h"
#include "model/TUVAset.h"
#include "model/TUVAtesto.h"
#include "shell/main/TMainForm.h"
#include "textengine/TUVAbox.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace quor::testing {

// Page i reads "Page i" and links to page i + 1 (the last one to page 0).
inline std::string WriteLinkedHypertext(const std::string& path, int pages)
{
    TUVAset doc;
    doc.NewDocument();
    for (int i = 0; i < pages; ++i) {
        auto page = std::make_unique<TUVAtesto>(&doc);
        page->Clear();
        page->MarkInUse();
        page->SetTitle("Title " + std::to_string(i));
        const int next = (i + 1) % pages;
        page->SetText("<Z S0 >Page " + std::to_string(i) + "<Z S0 >" + RefTag(next) + "next<%>");
        doc.Register(std::move(page));
    }
    doc.SetModified(true);
    EXPECT_TRUE(doc.SaveToFile(path));
    return path;
}

// The stored text of page `index` of the file at `path`.
inline std::string StoredPageText(const std::string& path, int index)
{
    TUVAset doc;
    EXPECT_TRUE(doc.LoadFromFile(path));
    TUVAtesto* p = doc.GetPage(index);
    return p ? p->Text() : std::string();
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_path = WriteLinkedHypertext(FilePath("a.uva"), 3);
        m_window = std::make_unique<TMainForm>();
        m_window->SetMessages(&m_messages);
        m_window->resize(800, 600);
        m_window->show();
        m_window->Start({m_path});
        Settle();
    }
    void TearDown() override
    {
        // Nothing left to ask when the window goes.
        m_messages.SetDefaultAnswer(Answer::No);
        m_window.reset();
        QApplication::processEvents();
    }

    std::string FilePath(const char* name) const { return (m_dir.path() + '/' + name).toStdString(); }
    static void Settle()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
    TInsiemeCornici* Editor() const { return m_window->Editor(); }
    TUVAbox* Box() const { return Editor()->CurrentBox(); }
    int Page() const { return Editor()->MainPageNumber(); }
    // Types at the end of the current box's first paragraph.
    void TypeAtEnd(const QString& text)
    {
        TUVAbox* box = Box();
        ASSERT_TRUE(box);
        box->setFocus();
        box->Editor().SetCaret(box->Model().FirstOwn(), box->Model().At(box->Model().FirstOwn()).Length());
        QTest::keyClicks(box, text);
        Settle();
    }
    std::string BoxText() const { return Box() ? Box()->SaveText() : std::string(); }
    void Trigger(const char* action)
    {
        QAction* a = m_window->Action(QString::fromLatin1(action));
        ASSERT_TRUE(a) << action;
        a->trigger();
        Settle();
    }
    // Follows the link of the current page as a click in the box would.
    void FollowFirstLink()
    {
        TUVAbox* box = Box();
        ASSERT_TRUE(box);
        const int para = box->Model().FirstOwn() + 1;
        const int link = box->LinkAt(box->Editor().Box().CaretAt(para, 1));
        ASSERT_NE(link, -1);
        Editor()->PostLinkActivation(box, link);
        Settle();
    }

    QTemporaryDir m_dir;
    std::string m_path;
    RecordingMessages m_messages;
    std::unique_ptr<TMainForm> m_window;
};

} // namespace quor::testing
