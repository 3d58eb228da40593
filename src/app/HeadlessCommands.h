// HeadlessCommands.h: the quor program's commands that need no display
// (dump, new, resave, export, ...). Each returns the process exit status:
// 0 success, 1 the work failed (messages on stderr), 2 usage error.
#pragma once

#include <string>
#include <vector>

namespace quor::app {

struct HeadlessCommand {
    const char* name;
    const char* usage;      // arguments after the command name
    int (*run)(const std::vector<std::string>& args, bool answerYes);
};

// Every command the program knows, in the order `quor --help` lists them.
const std::vector<HeadlessCommand>& Commands();

// The command named `name`, or nullptr.
const HeadlessCommand* FindCommand(const std::string& name);

} // namespace quor::app
