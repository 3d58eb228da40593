// CommandLine.cpp: the start-up command line.
#include "shell/navigation/CommandLine.h"

#include <cctype>

namespace quor {

CommandLineRequest ParseCommandLine(const std::vector<std::string>& args)
{
    CommandLineRequest r;
    if (args.empty())
        return r;
    std::string sw = args[0].size() > 1 && args[0][0] == '/' ? args[0].substr(1) : std::string();
    for (char& c : sw)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    // Paths begin with "/" here too: only the four switch names are switches.
    if (sw == "PRINT" || sw == "PQUOR" || sw == "PFTP" || sw == "INIT") {
        if (sw == "PRINT")
            r.action = StartAction::Print;
        else if (sw == "PQUOR")
            r.action = StartAction::PublishQuor;
        else if (sw == "PFTP")
            r.action = StartAction::PublishFtp;
        else if (sw == "INIT")
            r.init = true;
        if (args.size() > 1)
            r.file = args[1];
        return r;
    }
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (i)
            r.file += ' ';
        r.file += args[i];
    }
    return r;
}

} // namespace quor
