#include "model/pictures/PictureCache.h"

#include <algorithm>

namespace quor {

PicturePtr PictureCache::Find(const TUVAoggetto* image, const std::string& stamp) const
{
    for (const auto& e : m_entries) {
        if (e.image == image)
            return e.stamp == stamp ? e.picture : nullptr;
    }
    return nullptr;
}

bool PictureCache::Contains(const TUVAoggetto* image) const
{
    return std::any_of(m_entries.begin(), m_entries.end(), [&](const Entry& e) { return e.image == image; });
}

void PictureCache::Add(const TUVAoggetto* image, std::string stamp, PicturePtr picture, int capacity)
{
    auto it = std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry& e) { return e.image == image; });
    if (it != m_entries.end()) {
        if (it->stamp == stamp)
            return;
        m_entries.erase(it);
    }
    m_entries.push_back(Entry{image, std::move(stamp), std::move(picture)});
    const std::size_t limit = static_cast<std::size_t>(std::max(capacity, 0));
    if (m_entries.size() > limit)
        m_entries.erase(m_entries.begin(), m_entries.begin() + static_cast<std::ptrdiff_t>(m_entries.size() - limit));
}

void PictureCache::Remove(const TUVAoggetto* image)
{
    std::erase_if(m_entries, [&](const Entry& e) { return e.image == image; });
}

void PictureCache::Flush()
{
    while (!m_entries.empty())
        m_entries.pop_back();
}

std::vector<const TUVAoggetto*> PictureCache::Images() const
{
    std::vector<const TUVAoggetto*> out;
    for (const auto& e : m_entries)
        out.push_back(e.image);
    return out;
}

} // namespace quor
