// GoToPageList.h: the visited pages listed in the "Go to page" submenu and the
// page-number popup, after their fixed entries (separator included). The newest
// page stands just after the separator; a menu of more than 16 items in all
// loses its item at position 16 (the oldest listed page) before a new page joins.
#pragma once

#include <string>
#include <vector>

namespace quor {

inline constexpr int kGoToPageMenuLimit = 16;

class GoToPageList {
public:
    struct Item {
        std::string caption;
        int page = -1;
        bool operator==(const Item&) const = default;
    };

    // `fixedItems`: the entries of the menu up to and including the separator.
    explicit GoToPageList(int fixedItems) : m_fixed(fixedItems) {}

    // A listed page only has its caption refreshed (returns false); a new page
    // is inserted after the separator (returns true).
    bool Visit(int page, const std::string& caption);
    void Clear() { m_items.clear(); }
    // Pages no longer in the hypertext leave the list.
    void Remove(int page);

    const std::vector<Item>& Items() const { return m_items; }   // newest first
    int FixedItems() const { return m_fixed; }
    int MenuCount() const { return m_fixed + static_cast<int>(m_items.size()); }

private:
    int m_fixed;
    std::vector<Item> m_items;
};

} // namespace quor
