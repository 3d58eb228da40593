#include "shell/ProgramOptions.h"

#include "shell/LocalizationText.h"

#include <algorithm>

namespace quor {

namespace {

int Bounded(const ISettingsStore& s, std::string_view name, int def, int low, int high)
{
    return std::clamp(s.ReadInt(kOptionsKey, name, def), low, high);
}

} // namespace

int ReadDialogLimit(const ISettingsStore& store)
{
    return std::max(store.ReadInt(kOptionsKey, "FormLim", kMinDialogLimit), kMinDialogLimit);
}

ProgramOptions ProgramOptions::Read(const ISettingsStore& s)
{
    ProgramOptions o;
    o.formLim = ReadDialogLimit(s);
    o.maxCacheImg = Bounded(s, "maxCacheImg", 20, 10, 200);
    o.undoDeep = Bounded(s, "undoDeep", 20, 5, 100);
    o.promemSave = s.ReadFlagOne(kOptionsKey, "PromemSave");
    // A reminder every 0 minutes would fire without pause.
    o.timeSave = std::max(s.ReadInt(kOptionsKey, "TimeSave", 5), 1);
    o.atStartBlank = s.ReadFlagOne(kOptionsKey, "AtStartBlank");
    o.lastFile = s.ReadOption("LastFile");
    const std::string tip = s.ReadOption("TipOfTheDay");
    o.tipOfTheDay = tip.empty() || tip == "1";
    o.autoHideTip = s.ReadFlagOne(kOptionsKey, "AutoHideTip");
    o.virgolette = s.ReadFlagOne(kOptionsKey, "Virgolette");
    o.alt = s.ReadFlagOne(kOptionsKey, "Alt");
    o.bak = s.ReadFlagNotZero(kOptionsKey, "Bak");
    o.bordoSx = s.ReadFlagOne(kOptionsKey, "BordoSx");
    o.cercaTop = s.ReadFlagOne(kOptionsKey, "CercaTop");
    o.restoreToolbars = s.ReadOption("NotSaveTool") == "0";
    o.cursors = s.ReadInt(kOptionsKey, "Cursors", 0);
    if (o.cursors < 0 || o.cursors > 3)
        o.cursors = 0;
    o.defaultLib = s.ReadOption("DefaultLib");
    o.elStili = s.ReadFlagOne(kOptionsKey, "ElStili");
    o.clipStili = s.ReadFlagOne(kOptionsKey, "ClipStili");
    o.elForm = s.ReadFlagOne(kOptionsKey, "ElForm");
    o.clipForm = s.ReadFlagOne(kOptionsKey, "ClipForm");
    o.saveTxtHtml = s.ReadFlagNotZero(kOptionsKey, "SaveTxtHtml");
    o.dbDebug = s.ReadFlagOne(kOptionsKey, "dbDebug");
    o.dbDebugMap = s.ReadFlagOne(kOptionsKey, "dbDebugMap");
    o.demoShown = s.ReadFlagOne(kOptionsKey, "demoShown");
    return o;
}

void ProgramOptions::Write(ISettingsStore& s) const
{
    s.WriteOption("FormLim", std::to_string(formLim));
    s.WriteOption("maxCacheImg", std::to_string(maxCacheImg));
    s.WriteOption("undoDeep", std::to_string(undoDeep));
    s.WriteOptionFlag("PromemSave", promemSave);
    s.WriteOption("TimeSave", std::to_string(timeSave));
    s.WriteOptionFlag("AtStartBlank", atStartBlank);
    s.WriteOption("LastFile", lastFile);
    s.WriteOptionFlag("TipOfTheDay", tipOfTheDay);
    s.WriteOptionFlag("AutoHideTip", autoHideTip);
    s.WriteOptionFlag("Virgolette", virgolette);
    s.WriteOptionFlag("Alt", alt);
    s.WriteOptionFlag("Bak", bak);
    s.WriteOptionFlag("BordoSx", bordoSx);
    s.WriteOptionFlag("CercaTop", cercaTop);
    s.WriteOptionFlag("NotSaveTool", !restoreToolbars);
    s.WriteOption("Cursors", std::to_string(cursors));
    s.WriteOption("DefaultLib", defaultLib);
    s.WriteOptionFlag("ElStili", elStili);
    s.WriteOptionFlag("ClipStili", clipStili);
    s.WriteOptionFlag("ElForm", elForm);
    s.WriteOptionFlag("ClipForm", clipForm);
    s.WriteOptionFlag("SaveTxtHtml", saveTxtHtml);
    s.WriteOptionFlag("dbDebug", dbDebug);
    s.WriteOptionFlag("dbDebugMap", dbDebugMap);
    s.WriteOptionFlag("demoShown", demoShown);
}

std::filesystem::path DefaultLibraryPath(const ProgramOptions& options, const std::filesystem::path& programDir)
{
    const std::string& lib = options.defaultLib;
    if (lib.size() >= 4 && EqualsNoCase(std::string_view(lib).substr(lib.size() - 4), ".cus"))
        return std::filesystem::path(lib);
    return programDir / "Custom" / "default.cus";
}

void ResetWindowSettings(ISettingsStore& store)
{
    store.DeleteKey(kFormsKey);
}

} // namespace quor
