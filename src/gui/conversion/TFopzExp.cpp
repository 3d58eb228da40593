#include "conversion/TFopzExp.h"

#include "conversion/ExportSettings.h"
#include "conversion/TUVAtoHtml.h"
#include "shell/AppSettings.h"
#include "shell/LocalizedWindows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quor {

QUOR_REGISTER_LOCALIZED_WINDOW(TFopzExp, QStringLiteral("FopzExp"));

TFopzExp::TFopzExp(QWidget* parent) : QuorDialog(parent)
{
    // Designed texts; the localisation text replaces them below.
    setObjectName(QStringLiteral("FopzExp"));
    setWindowTitle(QStringLiteral("Opzioni"));

    m_sepImage = new QCheckBox(QStringLiteral("Immagini in dir separata"), this);
    m_sepImage->setObjectName(QStringLiteral("CBSepImage"));
    m_origName = new QCheckBox(QStringLiteral("nomi originali per img e files"), this);
    m_origName->setObjectName(QStringLiteral("CBOrigName"));
    m_autoAlt = new QCheckBox(QStringLiteral("genera autom. \"alt\" per zone"), this);
    m_autoAlt->setObjectName(QStringLiteral("CBAutoAlt"));

    auto* extLabel = new QLabel(QStringLiteral("Estensione per files di pagina: "), this);
    extLabel->setObjectName(QStringLiteral("LExtension"));
    m_extension = new QComboBox(this);
    m_extension->setObjectName(QStringLiteral("CBExtension"));
    m_extension->addItems({QStringLiteral(".htm"), QStringLiteral(".html")});
    extLabel->setBuddy(m_extension);

    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("BOk"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Annulla"), this);
    cancel->setObjectName(QStringLiteral("BCancel"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* extRow = new QHBoxLayout;
    extRow->addWidget(extLabel);
    extRow->addWidget(m_extension);
    extRow->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_sepImage);
    layout->addWidget(m_origName);
    layout->addWidget(m_autoAlt);
    layout->addLayout(extRow);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    FinishCreation();
}

void TFopzExp::SetFrom(const TUVAtoHtml& conv)
{
    m_sepImage->setChecked(conv.ExpSepImage);
    m_origName->setChecked(conv.ExpOrigName);
    m_autoAlt->setChecked(conv.ExpAutoAlt);
    m_extension->setCurrentIndex(conv.ExpTipoExt == 0 ? 0 : 1);
}

void TFopzExp::ApplyTo(TUVAtoHtml& conv) const
{
    conv.ExpSepImage = m_sepImage->isChecked();
    conv.ExpOrigName = m_origName->isChecked();
    conv.ExpAutoAlt = m_autoAlt->isChecked();
    conv.ExpTipoExt = m_extension->currentIndex() == 0 ? 0 : 1;
    StoreHtmlExportOptions(conv, AppSettings());
}

bool TFopzExp::Execute(TUVAtoHtml& conv)
{
    SetFrom(conv);
    if (exec() != QDialog::Accepted)
        return false;
    ApplyTo(conv);
    return true;
}

} // namespace quor
