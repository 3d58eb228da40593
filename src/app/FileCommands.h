// FileCommands.h: the headless commands on hypertext files: new, dump, resave.
#pragma once

#include <string>
#include <vector>

namespace quor::app {

// quor new FILE.uva: saves a new, unchanged hypertext as FILE.
int RunNew(const std::vector<std::string>& args, bool answerYes);
// quor dump FILE.uva: prints the header, kind table and objects as one JSON object.
int RunDump(const std::vector<std::string>& args, bool answerYes);
// quor resave IN.uva OUT.uva: loads IN and saves it as OUT (version 2).
int RunResave(const std::vector<std::string>& args, bool answerYes);

} // namespace quor::app
