// TTipForm.h: the tip window shown at start: a header, "Did you know...?", one tip
// drawn at random from the caller's list, the show-at-start box, Next and Close.
#pragma once

#include "shell/QuorDialog.h"

#include <QStringList>

class QCheckBox;
class QLabel;
class QPushButton;

namespace quor {

class TTipForm : public QuorDialog {
    Q_OBJECT
public:
    explicit TTipForm(QWidget* parent = nullptr);

    // An empty list shows "No tips available !"; a single tip disables Next.
    void SetTips(const QStringList& tips);
    void SetHeader(const QString& header);
    void SetShowAtStart(bool on);

    QString CurrentTip() const;
    QStringList Tips() const { return m_tips; }

    // The window of the program's start: caption "Loading in progress", header
    // "Welcome to Quor (editor)!", show-at-start ticked, the built-in tips. The
    // caller owns it and shows it without waiting.
    static TTipForm* CreateAtStart();

    // The tips of the build, one a line of the resource ":/tips/eng/tips.txt".
    static QStringList BuiltInTips();

public slots:
    void NextTip();   // draws another tip at random
    void CloseAndStore();   // stores "TipOfTheDay" from the box, then closes

protected:
    void showEvent(QShowEvent* event) override;

private:
    void UpdateNextButton();

    QStringList m_tips;
    quint32 m_seed = 0;
    bool m_seeded = false;
    QLabel* m_header;
    QLabel* m_didYouKnow;
    QLabel* m_tip;
    QCheckBox* m_showOnStart;
    QPushButton* m_next;
    QPushButton* m_close;
};

} // namespace quor
