// ExportHtmlCommand.h: the headless command that exports a hypertext as a web
// site: quor export-html FILE.uva DIR [--pages LIST] [--ppi N].
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quor::app {

// Options of export-html after the two paths.
struct ExportHtmlOptions {
    std::string file;
    std::string folder;
    std::optional<std::vector<int>> pages;   // none: every page
    int pixelsPerInch = 96;
};

// Parses the arguments; an error text when they are not usable. LIST is page
// indexes and ranges separated by commas ("0,3,5-7").
std::optional<ExportHtmlOptions> ParseExportHtmlArgs(const std::vector<std::string>& args, std::string& error);

// Exports with the export dialog's default options (".htm" pages, automatic
// ALT texts for map areas, pictures beside the pages under generated names,
// redirect pages) and prints one line per file written. 0 success, 1 failure
// (the reason on stderr), 2 usage error.
int RunExportHtml(const std::vector<std::string>& args, bool answerYes);

} // namespace quor::app
