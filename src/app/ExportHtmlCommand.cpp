// ExportHtmlCommand.cpp: quor export-html.
#include "ExportHtmlCommand.h"

#include "CommandLineMessages.h"

#include "base/Cp1252.h"
#include "conversion/TUVAtoHtml.h"
#include "model/ObjectKind.h"
#include "model/TUVAset.h"

#include <charconv>
#include <cstdio>
#include <filesystem>

namespace quor::app {

namespace {

constexpr const char* kUsage = "export-html FILE.uva DIR [--pages LIST] [--ppi N]";

std::optional<int> Number(std::string_view s)
{
    int v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || v < 0)
        return std::nullopt;
    return v;
}

std::optional<std::vector<int>> PageList(std::string_view list)
{
    std::vector<int> pages;
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        const std::string_view item = list.substr(0, comma);
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
        const std::size_t dash = item.find('-');
        const auto first = Number(item.substr(0, dash));
        const auto last = dash == std::string_view::npos ? first : Number(item.substr(dash + 1));
        if (!first || !last || *last < *first || *last - *first > 0xFFFFFF)
            return std::nullopt;
        for (int p = *first; p <= *last; ++p)
            pages.push_back(p);
    }
    return pages;
}

} // namespace

std::optional<ExportHtmlOptions> ParseExportHtmlArgs(const std::vector<std::string>& args, std::string& error)
{
    ExportHtmlOptions o;
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string a = args[i];
        std::string value;
        const bool pages = a == "--pages" || a.starts_with("--pages=");
        const bool ppi = a == "--ppi" || a.starts_with("--ppi=");
        if (pages || ppi) {
            if (const std::size_t eq = a.find('='); eq != std::string::npos) {
                value = a.substr(eq + 1);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                error = a + " needs a value";
                return std::nullopt;
            }
            if (pages) {
                o.pages = PageList(value);
                if (!o.pages) {
                    error = "bad page list: " + value;
                    return std::nullopt;
                }
            } else {
                const auto n = Number(value);
                if (!n || *n < 1 || *n > 10000) {
                    error = "bad resolution: " + value;
                    return std::nullopt;
                }
                o.pixelsPerInch = *n;
            }
        } else if (a.starts_with("--")) {
            error = "unknown option " + a;
            return std::nullopt;
        } else {
            paths.push_back(a);
        }
    }
    if (paths.size() != 2) {
        error = "FILE.uva and DIR are needed";
        return std::nullopt;
    }
    o.file = paths[0];
    o.folder = paths[1];
    return o;
}

int RunExportHtml(const std::vector<std::string>& args, bool answerYes)
{
    std::string error;
    const auto options = ParseExportHtmlArgs(args, error);
    if (!options) {
        std::fprintf(stderr, "quor: %s\nUsage: quor %s\n", error.c_str(), kUsage);
        return 2;
    }
    CommandLineMessages messages(answerYes);
    TUVAset doc;
    doc.SetMessages(&messages);
    if (!doc.LoadFromFile(options->file)) {
        for (const auto& line : doc.Errors())
            std::fprintf(stderr, "%s\n", CommandLineMessages::OneLine(line).c_str());
        std::fprintf(stderr, "quor: cannot load %s\n", options->file.c_str());
        return 1;
    }

    TUVAtoHtml conv;
    conv.LinkedUVAset = &doc;
    conv.ExportPath = options->folder;
    conv.PixelsPerInch = options->pixelsPerInch;
    // The export dialog's defaults.
    conv.ExpTipoExt = 0;
    conv.ExpAutoAlt = true;
    conv.ExpSepImage = false;
    conv.ExpOrigName = false;
    conv.WriteRedirects = true;

    std::vector<int> pages;
    if (options->pages) {
        pages = *options->pages;
    } else {
        for (int i = 0; i < doc.ObjectCount(testoHtml); ++i)
            pages.push_back(i);
    }
    const bool ok = conv.ExportPages(pages);
    const std::filesystem::path folder(options->folder);
    for (const auto& name : conv.WrittenFiles())
        std::printf("%s\n", (folder / Cp1252ToUtf8(name)).generic_string().c_str());
    std::fflush(stdout);
    if (!ok) {
        std::fprintf(stderr, "%s\n", CommandLineMessages::OneLine(conv.LastError()).c_str());
        return 1;
    }
    // Files that could not be written were reported (as a warning) already.
    return conv.ExportErrors().empty() ? 0 : 1;
}

} // namespace quor::app
