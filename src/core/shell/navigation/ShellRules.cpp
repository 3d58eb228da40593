// ShellRules.cpp: the main window's decisions that need no window.
#include "shell/navigation/ShellRules.h"

#include <cctype>
#include <charconv>
#include <filesystem>

namespace quor {

namespace {

std::string Lower(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string FileNameOf(std::string_view path)
{
    const auto slash = path.find_last_of("/\\");
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

} // namespace

std::string LowerExtension(std::string_view path)
{
    const std::string name = FileNameOf(path);
    const auto dot = name.rfind('.');
    if (dot == std::string::npos)
        return {};
    return Lower(std::string_view(name).substr(dot));
}

OpenKind OpenKindOf(std::string_view path)
{
    const std::string ext = LowerExtension(path);
    if (ext == ".uva")
        return OpenKind::Hypertext;
    if (ext == ".gif" || ext == ".jpg")
        return OpenKind::Refocus;
    if (ext == ".htm" || ext == ".html")
        return OpenKind::Html;
    for (const char* t : {".txt", ".ini", ".asc", ".rtf", ".pas", ".c", ".cpp", ".doc", ".wri"})
        if (ext == t)
            return OpenKind::TextImport;
    return OpenKind::Ignored;
}

int SaveFormatIndex(std::string_view path, int index)
{
    const std::string ext = LowerExtension(path);
    for (const char* t : {".txt", ".c", ".pas", ".asc", ".ini"})
        if (ext == t)
            return 5;
    if (ext == ".uva")
        return 1;
    return index;
}

std::string WindowCaption(std::string_view documentName, std::string_view examplesFolder, std::string_view appTitle)
{
    std::string caption = FileNameOf(documentName);
    if (!examplesFolder.empty() && documentName != kUntitled) {
        namespace fs = std::filesystem;
        auto folder = fs::path(std::string(documentName)).parent_path().lexically_normal().string();
        auto examples = fs::path(std::string(examplesFolder)).lexically_normal().string();
        while (examples.size() > 1 && examples.back() == '/')
            examples.pop_back();
        if (folder == examples)
            caption += " [example]";
    }
    return caption + " - " + std::string(appTitle);
}

int PageSpinValue(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || v < 0)
        return 0;
    return v;
}

std::string SaveQuestion(std::string_view documentName)
{
    return "Save modifications to " + std::string(documentName) + "?";
}

std::string ExportPrefixFor(std::string_view path)
{
    std::string name = FileNameOf(path);
    const auto dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot);
    name = Lower(name);
    if (name.size() > 16)
        name.resize(16);
    return name;
}

} // namespace quor
