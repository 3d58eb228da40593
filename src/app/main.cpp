// main.cpp: the quor program. Headless commands run without a display; anything
// else starts the editor.
#include "HeadlessCommands.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#ifdef QUOR_HAVE_GUI
int RunGui(int argc, char** argv);   // GuiMain.cpp
#endif

namespace {

void PrintUsage(std::FILE* to)
{
    std::fprintf(to, "Usage: quor [FILE.uva | /PRINT FILE | /PQUOR FILE | /PFTP FILE | /INIT]\n");
    std::fprintf(to, "       quor COMMAND [--yes] ARGS...\n\nCommands:\n");
    for (const auto& c : quor::app::Commands())
        std::fprintf(to, "  %s %s\n", c.name, c.usage);
    std::fprintf(to, "  --version\n  --help\n");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 2) {
        const std::string first = argv[1];
        if (first == "--version" || first == "-v") {
            std::printf("Quor %s\n", QUOR_VERSION);
            return 0;
        }
        if (first == "--help" || first == "-h") {
            PrintUsage(stdout);
            return 0;
        }
        if (const auto* cmd = quor::app::FindCommand(first)) {
            std::vector<std::string> args;
            bool yes = false;
            for (int i = 2; i < argc; ++i) {
                if (std::strcmp(argv[i], "--yes") == 0)
                    yes = true;
                else
                    args.emplace_back(argv[i]);
            }
            return cmd->run(args, yes);
        }
    }
#ifdef QUOR_HAVE_GUI
    return RunGui(argc, argv);
#else
    std::fprintf(stderr, "quor: this build has no editor; use a command.\n");
    PrintUsage(stderr);
    return 2;
#endif
}
