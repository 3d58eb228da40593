// CommandLine.h: what the program's command line asks for: nothing (open the
// last file), a file to open (arguments joined with single blanks, so unquoted
// paths with blanks work), or a switch ("/" + PRINT, PQUOR, PFTP or INIT in any
// case) followed by the file. Since paths begin with "/" as well, any other
// first argument is a path.
#pragma once

#include <string>
#include <vector>

namespace quor {

enum class StartAction { None = 0, Print = 1, PublishQuor = 2, PublishFtp = 3 };

struct CommandLineRequest {
    StartAction action = StartAction::None;
    bool init = false;       // "/INIT": the installation step runs at once
    std::string file;        // empty: load the last file
};

CommandLineRequest ParseCommandLine(const std::vector<std::string>& args);

} // namespace quor
