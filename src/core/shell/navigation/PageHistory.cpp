// PageHistory.cpp: the visited-page list behind the history combo.
#include "shell/navigation/PageHistory.h"

namespace quor {

std::string PageHistory::Address(std::string_view file, int page)
{
    return "quor://" + std::string(file) + "|" + std::to_string(page);
}

bool PageHistory::Record(const std::string& address)
{
    if (m_selected >= 0 && m_entries[static_cast<std::size_t>(m_selected)] == address)
        return false;
    const auto at = m_entries.begin() + (m_selected + 1);
    m_entries.insert(at, address);
    ++m_selected;
    return true;
}

bool PageHistory::Select(int index)
{
    if (index < 0 || index >= static_cast<int>(m_entries.size()))
        return false;
    m_selected = index;
    return true;
}

std::optional<std::string> PageHistory::Previous()
{
    if (!CanGoPrevious())
        return std::nullopt;
    --m_selected;
    return m_entries[static_cast<std::size_t>(m_selected)];
}

std::optional<std::string> PageHistory::Next()
{
    if (!CanGoNext())
        return std::nullopt;
    ++m_selected;
    return m_entries[static_cast<std::size_t>(m_selected)];
}

} // namespace quor
