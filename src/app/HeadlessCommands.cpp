#include "HeadlessCommands.h"

namespace quor::app {

const std::vector<HeadlessCommand>& Commands()
{
    static const std::vector<HeadlessCommand> commands = {
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
