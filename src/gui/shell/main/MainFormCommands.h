// MainFormCommands.h: the tables the main window builds its menus and toolbars
// from. Flags: "e" an editing entry (hidden in preview mode), "p" shown in
// preview mode only, "c" checkable, "a" always shown. An entry without a
// handler is shown disabled: its work is not part of this build. A name
// beginning with "@" places the submenu of that name; "-" is a separator.
#pragma once

#include <vector>

namespace quor {

class TMainForm;

struct MenuDef {
    const char* name;
    const char* designed;
    const char* flags;
};

struct CommandDef {
    const char* menu;
    const char* name;
    const char* designed;
    const char* shortcut;
    void (TMainForm::*handler)();
    const char* flags;
};

struct ToolbarDef {
    const char* name;
    const char* designed;
    std::vector<CommandDef> buttons;
};

const std::vector<MenuDef>& MainFormMenus();
const std::vector<CommandDef>& MainFormCommands();
const std::vector<ToolbarDef>& MainFormToolbars();

} // namespace quor
