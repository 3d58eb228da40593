#include "HeadlessCommands.h"

#include "FileCommands.h"

namespace quor::app {

const std::vector<HeadlessCommand>& Commands()
{
    static const std::vector<HeadlessCommand> commands = {
        {"new", "FILE.uva", RunNew},
        {"dump", "FILE.uva", RunDump},
        {"resave", "IN.uva OUT.uva", RunResave},
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
