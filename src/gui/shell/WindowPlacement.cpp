#include "shell/WindowPlacement.h"

#include <QByteArray>

namespace quor {

namespace {
bool g_storageEnabled = true;
}

WindowPlacement::WindowPlacement(QWidget* window, ISettingsStore& store) : m_window(window), m_store(store) {}

void WindowPlacement::SetStorageEnabled(bool enabled)
{
    g_storageEnabled = enabled;
}

bool WindowPlacement::StorageEnabled()
{
    return g_storageEnabled;
}

std::string WindowPlacement::Key(const QWidget* window)
{
    return std::string(kFormsKey) + "\\" + window->objectName().toStdString();
}

void WindowPlacement::Restore()
{
    if (!m_window || m_window->objectName().isEmpty())
        return;
    const std::string text = m_store.ReadValue(Key(m_window), "geometry");
    if (text.empty())
        return;
    const QByteArray geometry = QByteArray::fromBase64(QByteArray::fromStdString(text));
    m_window->restoreGeometry(geometry);   // refuses data that is not a placement
}

void WindowPlacement::Save()
{
    if (!g_storageEnabled || !m_window || m_window->objectName().isEmpty())
        return;
    m_store.WriteValue(Key(m_window), "geometry", m_window->saveGeometry().toBase64().toStdString());
}

} // namespace quor
