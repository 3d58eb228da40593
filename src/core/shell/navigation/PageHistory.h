// PageHistory.h: the pages visited, as "quor://" + file + "|" + page addresses
// in the order of insertion, with one selected entry. A page change inserts its
// address just after the selection unless the selected entry already is it;
// entries after the selection are kept.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quor {

class PageHistory {
public:
    // "quor://" + file + "|" + page.
    static std::string Address(std::string_view file, int page);

    // Returns true when the address was inserted (it differed from the selection).
    bool Record(const std::string& address);

    const std::vector<std::string>& Entries() const { return m_entries; }
    int Selected() const { return m_selected; }
    bool Empty() const { return m_entries.empty(); }
    // Selects an entry; false (nothing changes) outside the list.
    bool Select(int index);

    bool CanGoPrevious() const { return m_selected > 0; }
    bool CanGoNext() const { return m_selected >= 0 && m_selected + 1 < static_cast<int>(m_entries.size()); }
    // Moves the selection one step and returns the address to navigate to.
    std::optional<std::string> Previous();
    std::optional<std::string> Next();

private:
    std::vector<std::string> m_entries;
    int m_selected = -1;
};

} // namespace quor
