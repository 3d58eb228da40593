// BoxFixture.h: a text box in a window, loaded from markup, with a host that
// records what the box reports and an undo log that records the captions.
#pragma once

#include "composition/GuiEvents.h"
#include "textengine/ITextBoxHost.h"
#include "textengine/TUVAbox.h"

#include "base/RecordingMessages.h"
#include "model/ParagraphStyle.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quor::testing {

class RecordingHost : public ITextBoxHost {
public:
    void SelectionChanged(TUVAbox*) override { ++selectionReports; }
    void RulerPosChanged(TUVAbox*) override { ++rulerReports; }
    void DoLink(TUVAbox*, int link) override { links.push_back(link); }
    void Clicked(TUVAbox*) override { ++clicks; }
    void RememberBox(TUVAbox* box) override { remembered = box; }
    void CaretExit(TUVAbox*, int code) override { exits.push_back(code); }
    void Popup(TUVAbox*, BoxPopup popup, const QPoint&) override { popups.push_back(popup); }
    bool AutoEngQuote() const override { return autoQuote; }

    int selectionReports = 0;
    int rulerReports = 0;
    int clicks = 0;
    bool autoQuote = false;
    TUVAbox* remembered = nullptr;
    std::vector<int> links;
    std::vector<int> exits;
    std::vector<BoxPopup> popups;
};

class BoxFixture : public ::testing::Test {
protected:
    void Load(const std::string& markup, int width = 400)
    {
        window.resize(width + 20, 300);
        box = new TUVAbox(&window);
        box->move(10, 10);
        box->SetHost(&host);
        box->SetUndo(&undo, &messages);
        box->SetTextWidth(width);
        box->LoadText(markup, &styles);
        window.show();
        QApplication::setActiveWindow(&window);
        box->setFocus();
        QApplication::processEvents();
    }

    std::vector<std::string> Texts() const
    {
        std::vector<std::string> out;
        for (const auto& p : box->Model().Paragraphs())
            out.push_back(p->Text());
        return out;
    }

    // A point in the middle of character `index` of paragraph `para`.
    QPoint CharPoint(int para, int index) const
    {
        const TCaretPos c = box->Model().CaretAt(para, index);
        const int w = box->Model().At(para).Records()[static_cast<std::size_t>(index)].width;
        return {c.x + w / 2, c.y + c.height / 2};
    }

    void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(box, static_cast<Qt::Key>(key), mods); }
    void Type(const char* text) { QTest::keyClicks(box, QString::fromLatin1(text)); }

    StyleTable styles;
    QWidget window;
    TUVAbox* box = nullptr;
    RecordingHost host;
    UndoStepLog undo;
    RecordingMessages messages;
};

} // namespace quor::testing
