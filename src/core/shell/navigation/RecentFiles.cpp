// RecentFiles.cpp: the five most recently used files.
#include "shell/navigation/RecentFiles.h"

#include "shell/ISettingsStore.h"

#include <algorithm>
#include <filesystem>

namespace quor {

namespace {
constexpr std::string_view kRecentKey = "RecentFile";

// The folder as a plain path without a trailing separator.
std::filesystem::path Folder(const std::filesystem::path& p)
{
    auto s = p.lexically_normal().string();
    while (s.size() > 1 && s.back() == '/')
        s.pop_back();
    return s;
}
} // namespace

bool RecentFiles::IsExample(const std::string& path) const
{
    if (m_examples.empty())
        return false;
    return Folder(std::filesystem::path(path).parent_path()) == Folder(m_examples);
}

bool RecentFiles::Touch(const std::string& path)
{
    if (path.empty() || IsExample(path))
        return false;
    Remove(path);
    if (static_cast<int>(m_files.size()) >= kMaxRecentFiles)
        m_files.erase(m_files.begin());
    m_files.push_back(path);
    return true;
}

void RecentFiles::Remove(const std::string& path)
{
    m_files.erase(std::remove(m_files.begin(), m_files.end(), path), m_files.end());
}

void RecentFiles::Load(const ISettingsStore& store)
{
    m_files.clear();
    for (int i = 0; i < kMaxRecentFiles; ++i) {
        const std::string v = store.ReadValue(kRecentKey, std::to_string(i));
        if (!v.empty() && std::find(m_files.begin(), m_files.end(), v) == m_files.end())
            m_files.push_back(v);
    }
}

void RecentFiles::Save(ISettingsStore& store) const
{
    for (int i = 0; i < kMaxRecentFiles; ++i) {
        if (i < static_cast<int>(m_files.size()))
            store.WriteValue(kRecentKey, std::to_string(i), m_files[static_cast<std::size_t>(i)]);
        else
            store.RemoveValue(kRecentKey, std::to_string(i));
    }
}

} // namespace quor
