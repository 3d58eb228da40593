// TUVAundoIndiciList.h: a control registry. Numbers the frame sets of a document,
// the page views of a frame set, and the boxes, objects and cells of a page view;
// undo records and markup object tags name controls by these numbers.
#pragma once

#include <cstddef>
#include <vector>

namespace quor {

// Anything a registry can number. Registries never own their entries.
class IRegistryEntry {
public:
    virtual ~IRegistryEntry() = default;
};

class TUVAundoIndiciList {
public:
    // Registers at the next number (counter starts at 0) and returns that number.
    int Add(IRegistryEntry* entry);
    // Puts an entry (or nullptr to remove one) at a given number; the list grows
    // with empty entries as needed and the counter moves past `number`.
    // Negative numbers are ignored.
    void Put(int number, IRegistryEntry* entry);
    void Remove(int number) { Put(number, nullptr); }
    // The entry at `number`; nullptr for a free or out-of-range number.
    IRegistryEntry* Get(int number) const;
    // Number of `entry`, or -1.
    int NumberOf(const IRegistryEntry* entry) const;
    int NextNumber() const { return m_next; }
    std::size_t Size() const { return m_entries.size(); }
    void Clear();

private:
    std::vector<IRegistryEntry*> m_entries;
    int m_next = 0;
};

} // namespace quor
