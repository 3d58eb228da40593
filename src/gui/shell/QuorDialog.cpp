#include "shell/QuorDialog.h"

#include "shell/AppSettings.h"
#include "shell/TZuLanguager.h"
#include "shell/TZuLanguagesStore.h"
#include "shell/WindowPlacement.h"

namespace quor {

bool ApplyWindowLocalization(QWidget* window)
{
    auto* languager = window->findChild<TZuLanguager*>(QString(), Qt::FindDirectChildrenOnly);
    if (!languager)
        languager = new TZuLanguager(window);
    const auto text = TZuLanguagesStore::LocalizationText(window->objectName());
    if (!text)
        return false;
    return languager->SetLocalizationString(*text);
}

QuorDialog::QuorDialog(QWidget* parent) : QDialog(parent), m_languager(new TZuLanguager(this)) {}

QuorDialog::~QuorDialog()
{
    if (m_placement && isVisible())
        m_placement->Save();
}

void QuorDialog::FinishCreation()
{
    ApplyWindowLocalization(this);
    m_placement = std::make_unique<WindowPlacement>(this, AppSettings());
    m_placement->Restore();
}

void QuorDialog::hideEvent(QHideEvent* event)
{
    if (m_placement)
        m_placement->Save();
    QDialog::hideEvent(event);
}

} // namespace quor
