// GoToPageList.cpp: the visited pages of the "Go to page" menus.
#include "shell/navigation/GoToPageList.h"

#include <algorithm>

namespace quor {

bool GoToPageList::Visit(int page, const std::string& caption)
{
    for (auto& item : m_items) {
        if (item.page == page) {
            item.caption = caption;
            return false;
        }
    }
    if (MenuCount() > kGoToPageMenuLimit) {
        const int listed = kGoToPageMenuLimit - m_fixed;   // position 16 among the listed pages
        if (listed >= 0 && listed < static_cast<int>(m_items.size()))
            m_items.erase(m_items.begin() + listed);
    }
    m_items.insert(m_items.begin(), Item{caption, page});
    return true;
}

void GoToPageList::Remove(int page)
{
    m_items.erase(std::remove_if(m_items.begin(), m_items.end(), [page](const Item& i) { return i.page == page; }),
                  m_items.end());
}

} // namespace quor
