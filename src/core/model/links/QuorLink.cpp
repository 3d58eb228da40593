#include "model/links/QuorLink.h"

#include <filesystem>
#include <system_error>

namespace quor::links {

bool HasRoot(std::string_view file)
{
    if (file.starts_with('/') || file.starts_with('\\'))
        return true;
    return file.size() >= 2 && file[1] == ':' &&
           ((file[0] >= 'A' && file[0] <= 'Z') || (file[0] >= 'a' && file[0] <= 'z'));
}

std::int32_t ParseQuorPage(std::string_view afterBar)
{
    const std::string_view text = afterBar.substr(0, 12);
    if (text.empty())
        return kCoverPageOfTarget;
    std::size_t i = 0;
    bool negative = false;
    if (text[0] == '+' || text[0] == '-') {
        negative = text[0] == '-';
        i = 1;
    }
    if (i == text.size())
        return 0;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return 0;
        value = value * 10 + (c - '0');
    }
    if (negative || value > INT32_MAX)
        return 0;
    return static_cast<std::int32_t>(value);
}

namespace {

bool SameFileOnDisk(const std::string& a, std::string_view b)
{
    if (a.empty() || b.empty())
        return false;
    std::error_code ec;
    const bool same = std::filesystem::equivalent(std::filesystem::path(a), std::filesystem::path(std::string(b)), ec);
    return !ec && same;
}

} // namespace

QuorLink ParseQuorLink(std::string_view address, std::string_view documentFile, std::int32_t coverPage)
{
    QuorLink link;
    if (!address.starts_with("quor:"))
        return link;
    link.isQuorLink = true;
    const std::size_t start = address.starts_with("quor://") ? 7 : 5;
    const std::size_t bar = address.find('|', start);
    if (bar != std::string_view::npos)
        link.file = std::string(address.substr(start, bar - start));

    link.sameFile = link.file == documentFile;
    if (!link.sameFile && !link.file.empty()) {
        if (!HasRoot(link.file)) {
            const auto slash = documentFile.find_last_of("/\\");
            if (slash != std::string_view::npos)
                link.file = std::string(documentFile.substr(0, slash + 1)) + link.file;
        }
        link.sameFile = SameFileOnDisk(link.file, documentFile);
    }

    if (bar == std::string_view::npos)
        link.page = coverPage;
    else
        link.page = ParseQuorPage(address.substr(bar + 1));
    return link;
}

} // namespace quor::links
