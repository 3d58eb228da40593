// RecentFiles.h: the recent-file list of the "File" menu: at most five full
// paths, oldest first, kept in the settings key "RecentFile" as values "0" up.
#pragma once

#include <string>
#include <vector>

namespace quor {

class ISettingsStore;

inline constexpr int kMaxRecentFiles = 5;

class RecentFiles {
public:
    // Files inside `examplesFolder` (when not empty) never enter the list.
    void SetExamplesFolder(std::string folder) { m_examples = std::move(folder); }

    // Moves a listed file to the end; appends a new one, dropping the oldest
    // first when five are listed. Returns false for an empty path or an example.
    bool Touch(const std::string& path);
    void Remove(const std::string& path);
    const std::vector<std::string>& Files() const { return m_files; }

    // Reads values "0" to "4" (empty ones skipped); writes them oldest first and
    // removes the values left over from a longer list.
    void Load(const ISettingsStore& store);
    void Save(ISettingsStore& store) const;

    bool IsExample(const std::string& path) const;

private:
    std::vector<std::string> m_files;
    std::string m_examples;
};

} // namespace quor
