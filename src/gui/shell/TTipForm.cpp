#include "shell/TTipForm.h"

#include "shell/AppSettings.h"
#include "shell/LocalizedWindows.h"
#include "shell/TZuLanguagesStore.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QVBoxLayout>

namespace quor {

// Registered as it appears at start, so that tools show it with its tips.
static const bool quorRegisteredTipForm =
    LocalizedWindows::Register(QStringLiteral("TipForm"), [] { return TTipForm::CreateAtStart(); });

namespace {
const char kNoTips[] = "No tips available !";
}

TTipForm::TTipForm(QWidget* parent) : QuorDialog(parent)
{
    // Designed texts; the localisation text replaces them below.
    setObjectName(QStringLiteral("TipForm"));
    setWindowTitle(QStringLiteral("Suggerimenti"));
    setModal(false);

    m_header = new QLabel(QStringLiteral("Benvenuto!"), this);
    m_header->setObjectName(QStringLiteral("LHeader"));
    QFont headerFont = m_header->font();
    headerFont.setPointSizeF(headerFont.pointSizeF() * 1.4);
    headerFont.setBold(true);
    m_header->setFont(headerFont);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("PanelTip"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 225));
    pal.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(pal);

    m_didYouKnow = new QLabel(QStringLiteral("Lo sapevi...?"), panel);
    m_didYouKnow->setObjectName(QStringLiteral("LDidYouKnow"));
    QFont bold = m_didYouKnow->font();
    bold.setBold(true);
    m_didYouKnow->setFont(bold);

    m_tip = new QLabel(panel);
    m_tip->setObjectName(QStringLiteral("LTip"));
    m_tip->setWordWrap(true);
    m_tip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_tip->setTextFormat(Qt::PlainText);
    m_tip->setMinimumSize(360, 110);

    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->addWidget(m_didYouKnow);
    panelLayout->addWidget(m_tip, 1);

    m_showOnStart = new QCheckBox(QStringLiteral("&Mostra al prossimo avvio dell'applicazione"), this);
    m_showOnStart->setObjectName(QStringLiteral("CBShowOnStart"));
    m_showOnStart->setChecked(true);

    m_next = new QPushButton(QStringLiteral("&Successivo >"), this);
    m_next->setObjectName(QStringLiteral("BNext"));
    m_close = new QPushButton(QStringLiteral("&Chiudi"), this);
    m_close->setObjectName(QStringLiteral("BClose"));
    m_close->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_showOnStart, 1);
    buttons->addWidget(m_next);
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_header);
    layout->addWidget(panel, 1);
    layout->addLayout(buttons);

    connect(m_next, &QPushButton::clicked, this, &TTipForm::NextTip);
    connect(m_close, &QPushButton::clicked, this, &TTipForm::CloseAndStore);

    FinishCreation();
    SetTips({});
}

TTipForm* TTipForm::CreateAtStart()
{
    auto* form = new TTipForm;
    form->setWindowTitle(QStringLiteral("Loading in progress"));
    form->SetHeader(QStringLiteral("Welcome to Quor (editor)!"));
    form->SetShowAtStart(true);
    form->SetTips(BuiltInTips());
    return form;
}

QStringList TTipForm::BuiltInTips()
{
    TZuLanguagesStore::EnsureResources();
    QFile f(QStringLiteral(":/tips/%1/tips.txt").arg(TZuLanguagesStore::DefaultLang()));
    QStringList tips;
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return tips;
    for (const QString& line : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            tips << line.trimmed();
    }
    return tips;
}

void TTipForm::SetTips(const QStringList& tips)
{
    m_tips = tips;
    if (m_tips.isEmpty())
        m_tips << QString::fromLatin1(kNoTips);
    m_tip->setText(m_tips.front());
    UpdateNextButton();
}

void TTipForm::SetHeader(const QString& header)
{
    m_header->setText(header);
}

void TTipForm::SetShowAtStart(bool on)
{
    m_showOnStart->setChecked(on);
}

QString TTipForm::CurrentTip() const
{
    return m_tip->text();
}

void TTipForm::UpdateNextButton()
{
    m_next->setEnabled(m_tips.size() > 1);
}

void TTipForm::NextTip()
{
    if (!m_seeded) {
        m_seed = static_cast<quint32>(QDateTime::currentMSecsSinceEpoch());
        m_seeded = true;
    }
    QRandomGenerator random(m_seed);
    m_seed = random.generate();
    m_tip->setText(m_tips.at(static_cast<qsizetype>(random.bounded(static_cast<quint32>(m_tips.size())))));
}

void TTipForm::CloseAndStore()
{
    AppSettings().WriteOptionFlag("TipOfTheDay", m_showOnStart->isChecked());
    close();
}

void TTipForm::showEvent(QShowEvent* event)
{
    // A fresh seed at each show, so that every start shows another tip.
    m_seed = static_cast<quint32>(QDateTime::currentMSecsSinceEpoch());
    m_seeded = true;
    NextTip();
    QuorDialog::showEvent(event);
}

} // namespace quor
