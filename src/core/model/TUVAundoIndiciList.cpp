// TUVAundoIndiciList.cpp: numbered registry of controls.
#include "model/TUVAundoIndiciList.h"

#include <algorithm>

namespace quor {

int TUVAundoIndiciList::Add(IRegistryEntry* entry)
{
    const int number = m_next;
    Put(number, entry);
    return number;
}

void TUVAundoIndiciList::Put(int number, IRegistryEntry* entry)
{
    if (number < 0)
        return;
    const auto n = static_cast<std::size_t>(number);
    if (n >= m_entries.size())
        m_entries.resize(n + 1, nullptr);
    m_entries[n] = entry;
    m_next = std::max(m_next, number + 1);
}

IRegistryEntry* TUVAundoIndiciList::Get(int number) const
{
    if (number < 0 || static_cast<std::size_t>(number) >= m_entries.size())
        return nullptr;
    return m_entries[static_cast<std::size_t>(number)];
}

int TUVAundoIndiciList::NumberOf(const IRegistryEntry* entry) const
{
    if (!entry)
        return -1;
    auto it = std::find(m_entries.begin(), m_entries.end(), entry);
    return it == m_entries.end() ? -1 : static_cast<int>(it - m_entries.begin());
}

void TUVAundoIndiciList::Clear()
{
    m_entries.clear();
    m_next = 0;
}

} // namespace quor
