#include "shell/QtMessages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace quor {
namespace {

struct Seen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool owned = true;
    Qt::WindowModality modality = Qt::NonModal;
};

// Answers the next message box with `button` (or Escape when NoButton) and notes what it showed.
void AnswerNextBox(QMessageBox::StandardButton button, Seen& seen)
{
    QTimer::singleShot(0, [button, &seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                box->parentWidget() != nullptr, box->windowModality()};
        if (button == QMessageBox::NoButton)
            box->reject();
        else
            box->button(button)->click();
    });
}

TEST(QtMessages, ShowsTheFiveStandardBoxes)
{
    struct Case {
        MessageKind kind;
        QMessageBox::StandardButton press;
        Answer answer;
        const char* title;
        QMessageBox::Icon icon;
    };
    const Case cases[] = {
        {MessageKind::Information, QMessageBox::Ok, Answer::Ok, "Information", QMessageBox::Information},
        {MessageKind::Warning, QMessageBox::Ok, Answer::Ok, "Warning!", QMessageBox::Warning},
        {MessageKind::Error, QMessageBox::Ok, Answer::Ok, "Error!", QMessageBox::Critical},
        {MessageKind::YesNo, QMessageBox::Yes, Answer::Yes, "Quor", QMessageBox::Question},
        {MessageKind::YesNo, QMessageBox::NoButton, Answer::No, "Quor", QMessageBox::Question},
        {MessageKind::YesNoCancel, QMessageBox::No, Answer::No, "Quor", QMessageBox::Question},
        {MessageKind::YesNoCancel, QMessageBox::NoButton, Answer::Cancel, "Quor", QMessageBox::Question},
    };
    QtMessages messages;
    for (const auto& c : cases) {
        Seen seen;
        AnswerNextBox(c.press, seen);
        EXPECT_EQ(messages.Show(c.kind, "Are you sure?\rRemember you can't undo. caff\xE8"), c.answer);
        EXPECT_EQ(seen.title, c.title);
        EXPECT_EQ(seen.icon, c.icon);
        EXPECT_EQ(seen.text, QString::fromUtf8("Are you sure?\nRemember you can't undo. caff\xC3\xA8"));
        EXPECT_FALSE(seen.owned);
        EXPECT_EQ(seen.modality, Qt::ApplicationModal);
    }
}

} // namespace
} // namespace quor
