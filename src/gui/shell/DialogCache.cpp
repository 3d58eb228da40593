#include "shell/DialogCache.h"

#include <algorithm>

namespace quor {

namespace {
constexpr int kLowestLimit = 3;
}

DialogCache::DialogCache(int limit) : m_limit(std::max(limit, kLowestLimit)) {}

DialogCache::~DialogCache()
{
    Clear();
}

void DialogCache::SetLimit(int limit)
{
    m_limit = std::max(limit, kLowestLimit);
}

void DialogCache::DropDeleted()
{
    // A dialog may have been deleted by someone else (delete-on-close).
    m_slots.erase(std::remove_if(m_slots.begin(), m_slots.end(), [](const Slot& s) { return !s.dialog; }),
                  m_slots.end());
}

QWidget* DialogCache::Use(const QString& key, const std::function<QWidget*()>& create)
{
    DropDeleted();
    auto it = std::find_if(m_slots.begin(), m_slots.end(), [&](const Slot& s) { return s.key == key; });
    Slot slot;
    if (it != m_slots.end()) {
        slot = *it;
        m_slots.erase(it);
    } else {
        slot = {key, create()};
    }
    m_slots.push_back(slot);
    while (static_cast<int>(m_slots.size()) > m_limit) {
        if (m_slots.front().dialog) {
            m_slots.front().dialog->hide();
            m_slots.front().dialog->deleteLater();
        }
        m_slots.erase(m_slots.begin());
    }
    return slot.dialog;
}

QWidget* DialogCache::Find(const QString& key) const
{
    for (const auto& s : m_slots) {
        if (s.key == key && s.dialog)
            return s.dialog;
    }
    return nullptr;
}

QStringList DialogCache::Keys() const
{
    QStringList keys;
    for (const auto& s : m_slots) {
        if (s.dialog)
            keys << s.key;
    }
    return keys;
}

void DialogCache::Clear()
{
    for (auto& s : m_slots) {
        if (s.dialog)
            s.dialog->deleteLater();
    }
    m_slots.clear();
}

} // namespace quor
