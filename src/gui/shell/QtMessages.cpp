#include "shell/QtMessages.h"

#include "shell/QuorText.h"

#include <QMessageBox>

namespace quor {

Answer QtMessages::Show(MessageKind kind, std::string_view text)
{
    QMessageBox box;
    box.setObjectName(QStringLiteral("QuorMessageBox"));
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(ScreenText(MessageTitle(kind)));
    box.setText(ScreenText(text));
    box.setTextFormat(Qt::PlainText);
    switch (kind) {
    case MessageKind::Information:
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageKind::Warning:
        box.setIcon(QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageKind::Error:
        box.setIcon(QMessageBox::Critical);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageKind::YesNo:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        break;
    case MessageKind::YesNoCancel:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    }
    box.exec();
    const auto* clicked = box.clickedButton();
    const auto button = clicked ? box.standardButton(const_cast<QAbstractButton*>(clicked)) : QMessageBox::NoButton;
    switch (button) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        break;
    }
    if (kind == MessageKind::YesNo)
        return Answer::No;
    if (kind == MessageKind::YesNoCancel)
        return Answer::Cancel;
    return Answer::Ok;
}

} // namespace quor
