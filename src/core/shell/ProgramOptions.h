// ProgramOptions.h: the program-wide options of the key "options", read with
// their defaults, and written back.
#pragma once

#include "shell/ISettingsStore.h"

#include <filesystem>
#include <string>

namespace quor {

struct ProgramOptions {
    int formLim = 3;           // "FormLim": dialog cache size, never below 3
    int maxCacheImg = 20;      // "maxCacheImg": 10 to 200
    int undoDeep = 20;         // "undoDeep": 5 to 100
    bool promemSave = false;   // "PromemSave" = "1"
    int timeSave = 5;          // "TimeSave": minutes, at least 1
    bool atStartBlank = false; // "AtStartBlank" = "1"
    std::string lastFile;      // "LastFile"
    bool tipOfTheDay = true;   // "TipOfTheDay": "1" or missing/empty shows the tip window
    bool autoHideTip = false;  // "AutoHideTip" = "1"
    bool virgolette = false;   // "Virgolette" = "1"
    bool alt = false;          // "Alt" = "1"
    bool bak = true;           // "Bak": anything but "0"
    bool bordoSx = false;      // "BordoSx" = "1"
    bool cercaTop = false;     // "CercaTop" = "1"
    bool restoreToolbars = false; // "NotSaveTool" = "0"
    int cursors = 0;           // "Cursors": 0 to 3
    std::string defaultLib;    // "DefaultLib"
    bool elStili = false;      // "ElStili" = "1"
    bool clipStili = false;    // "ClipStili" = "1"
    bool elForm = false;       // "ElForm" = "1"
    bool clipForm = false;     // "ClipForm" = "1"
    bool saveTxtHtml = true;   // "SaveTxtHtml": anything but "0"
    bool dbDebug = false;      // "dbDebug" = "1"
    bool dbDebugMap = false;   // "dbDebugMap" = "1"
    bool demoShown = false;    // "demoShown" = "1"

    // Missing values and texts that are not numbers take the defaults above;
    // numbers outside the ranges above are brought into them.
    static ProgramOptions Read(const ISettingsStore& store);
    // Writes every value above (flags as "1"/"0", "NotSaveTool" as the inverse).
    void Write(ISettingsStore& store) const;
};

// Lowest size of the main window's dialog cache.
inline constexpr int kMinDialogLimit = 3;

// "FormLim" with its default; values below 3 count as 3.
int ReadDialogLimit(const ISettingsStore& store);

// The custom-component library: "DefaultLib" when it ends in ".cus" (any case),
// else "default.cus" in the folder "Custom" of `programDir`.
std::filesystem::path DefaultLibraryPath(const ProgramOptions& options, const std::filesystem::path& programDir);

// Forgets every stored window placement (deletes only the key "forms").
void ResetWindowSettings(ISettingsStore& store);

} // namespace quor
