// WorkingFolder.cpp: per-document temporary folder.
#include "model/WorkingFolder.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#include <unistd.h>

namespace quor {

namespace fs = std::filesystem;

namespace {

std::atomic<unsigned> g_nextDocumentId{1};

std::string Hex8(unsigned v)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%08X", v);
    return buf;
}

std::string Hex3(unsigned v)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "%03X", v & 0xFFFu);
    return buf;
}

} // namespace

WorkingFolder::WorkingFolder() : m_documentId(g_nextDocumentId.fetch_add(1)) {}

WorkingFolder::~WorkingFolder()
{
    if (!m_created)
        return;
    std::error_code ec;
    fs::remove_all(fs::path(m_path), ec);
}

const std::string& WorkingFolder::Path()
{
    if (m_created)
        return m_path;
    std::error_code ec;
    const fs::path temp = fs::temp_directory_path(ec);
    if (ec || temp.empty()) {
        m_path.clear();
        return m_path;
    }
    const fs::path folder = temp / (Hex8(static_cast<unsigned>(::getpid())) + "_" + Hex8(m_documentId));
    fs::remove_all(folder, ec);
    ec.clear();
    fs::create_directories(folder, ec);
    if (ec || !fs::is_directory(folder)) {
        m_path.clear();
        return m_path;
    }
    m_path = folder.generic_string();
    while (m_path.size() > 1 && m_path.back() == '/')
        m_path.pop_back();
    m_created = true;
    return m_path;
}

void WorkingFolder::ClearFiles()
{
    if (!m_created)
        return;
    std::error_code ec;
    for (fs::directory_iterator it(m_path, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code fileEc;
        if (it->is_regular_file(fileEc) || it->is_symlink(fileEc))
            fs::remove(it->path(), fileEc);
    }
}

std::string WorkingFolder::MakeTempFileName(std::string_view name)
{
    const std::string& folder = Path();
    if (folder.empty())
        return {};
    std::string base(name);
    const auto slash = base.find_last_of("/\\");
    if (slash != std::string::npos)
        base.erase(0, slash + 1);
    std::string candidate = folder + "/" + base;
    static thread_local std::mt19937 rng{std::random_device{}()};
    std::uniform_int_distribution<unsigned> dist(0, 4095);
    std::error_code ec;
    while (fs::exists(fs::path(candidate), ec)) {
        const fs::path prev(candidate);
        candidate = folder + "/re" + Hex3(dist(rng)) + Hex3(dist(rng)) + prev.extension().string();
    }
    return candidate;
}

} // namespace quor
