// ExportList.h: an ordered list of objects in which each object appears once
// (the frame documents and resources an export collects, in order of first use).
#pragma once

#include <cstddef>
#include <unordered_set>
#include <vector>

namespace quor {

class TUVAoggetto;

class ExportList {
public:
    // Appends `object` unless it is null or already listed; true when appended.
    bool Add(TUVAoggetto* object)
    {
        if (!object || !m_seen.insert(object).second)
            return false;
        m_items.push_back(object);
        return true;
    }
    bool Contains(const TUVAoggetto* object) const { return m_seen.count(const_cast<TUVAoggetto*>(object)) != 0; }
    const std::vector<TUVAoggetto*>& Items() const { return m_items; }
    std::size_t Size() const { return m_items.size(); }
    bool Empty() const { return m_items.empty(); }
    TUVAoggetto* operator[](std::size_t i) const { return m_items[i]; }
    void Clear()
    {
        m_items.clear();
        m_seen.clear();
    }

private:
    std::vector<TUVAoggetto*> m_items;
    std::unordered_set<TUVAoggetto*> m_seen;
};

} // namespace quor
