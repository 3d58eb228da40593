#include "HeadlessCommands.h"

#include "ExportHtmlCommand.h"
#include "FileCommands.h"

namespace quor::app {

const std::vector<HeadlessCommand>& Commands()
{
    static const std::vector<HeadlessCommand> commands = {
        {"new", "FILE.uva", RunNew},
        {"dump", "FILE.uva", RunDump},
        {"resave", "IN.uva OUT.uva", RunResave},
        {"export-html", "FILE.uva DIR [--pages LIST] [--ppi N]", RunExportHtml},
    };
    return commands;
}

const HeadlessCommand* FindCommand(const std::string& name)
{
    for (const auto& c : Commands()) {
        if (name == c.name)
            return &c;
    }
    return nullptr;
}

} // namespace quor::app
