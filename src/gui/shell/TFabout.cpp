#include "shell/TFabout.h"

#include "shell/LocalizedWindows.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quor {

QUOR_REGISTER_LOCALIZED_WINDOW(TFabout, QStringLiteral("Fabout"));

TFabout::TFabout(QWidget* parent) : QuorDialog(parent)
{
    // Designed texts; the localisation text replaces them below.
    setObjectName(QStringLiteral("Fabout"));
    setWindowTitle(QStringLiteral("Informazioni su Quor"));

    auto* product = new QLabel(QStringLiteral("Quor"), this);
    product->setObjectName(QStringLiteral("LProduct"));
    QFont big = product->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    product->setFont(big);

    auto* version = new QLabel(QStringLiteral("Versione %1"), this);
    version->setObjectName(QStringLiteral("LVersion"));
    auto* description = new QLabel(QStringLiteral("Editor di ipertesti"), this);
    description->setObjectName(QStringLiteral("LDescription"));
    auto* rights = new QLabel(QStringLiteral("Tutti i diritti riservati."), this);
    rights->setObjectName(QStringLiteral("LRights"));

    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("BOk"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(product, 0, Qt::AlignHCenter);
    layout->addWidget(version, 0, Qt::AlignHCenter);
    layout->addWidget(description, 0, Qt::AlignHCenter);
    layout->addSpacing(12);
    layout->addWidget(rights, 0, Qt::AlignHCenter);
    layout->addWidget(ok, 0, Qt::AlignHCenter);

    FinishCreation();
    // The version number follows the build, not the text.
    version->setText(version->text().arg(QStringLiteral(QUOR_VERSION)));
}

} // namespace quor
