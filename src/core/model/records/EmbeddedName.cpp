#include "model/records/EmbeddedName.h"

#include "model/AnsiCase.h"

#include <cstdio>
#include <random>

namespace quor::records {

std::string WithoutFolder(std::string_view name)
{
    const auto slash = name.find_last_of("/\\");
    return std::string(slash == std::string_view::npos ? name : name.substr(slash + 1));
}

namespace {

std::string ExtensionOf(std::string_view name)
{
    const auto dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot));
}

} // namespace

std::string UniqueEmbeddedName(std::string_view name, const std::function<bool(std::string_view)>& isUsed)
{
    std::string candidate = WithoutFolder(name);
    const std::string ext = ExtensionOf(candidate);
    static thread_local std::mt19937 rng{std::random_device{}()};
    std::uniform_int_distribution<int> dist(0, 16777214);
    // 16.7 million candidates per extension; the loop ends long before they run out.
    while (isUsed(AnsiLower(candidate))) {
        char digits[8];
        std::snprintf(digits, sizeof digits, "%06X", dist(rng));
        candidate = "ed" + std::string(digits) + ext;
    }
    return candidate;
}

} // namespace quor::records
