#include "conversion/ExportSettings.h"

#include "conversion/TUVAtoHtml.h"
#include "shell/ISettingsStore.h"

#include <algorithm>
#include <cctype>

namespace quor {

void LoadHtmlExportOptions(TUVAtoHtml& conv, const ISettingsStore& store)
{
    conv.ExpOrigName = store.ReadFlagOne(kHtmlExportKey, "expOrigName");
    conv.ExpSepImage = store.ReadFlagOne(kHtmlExportKey, "expSepImage");
    conv.ExpAutoAlt = store.ReadFlagNotZero(kHtmlExportKey, "expAlt");
    // Only the two extension indexes count; anything else is the default, 0.
    const int ext = store.ReadInt(kHtmlExportKey, "expTipoExt", 0);
    conv.ExpTipoExt = ext == 1 ? 1 : 0;
}

void StoreHtmlExportOptions(const TUVAtoHtml& conv, ISettingsStore& store)
{
    store.WriteValueFlag(kHtmlExportKey, "expSepImage", conv.ExpSepImage);
    store.WriteValueFlag(kHtmlExportKey, "expOrigName", conv.ExpOrigName);
    store.WriteValueFlag(kHtmlExportKey, "expAlt", conv.ExpAutoAlt);
    store.WriteValue(kHtmlExportKey, "expTipoExt", std::to_string(conv.ExpTipoExt));
}

std::string ExportFormatExtensions(int format)
{
    switch (format) {
    case 0: return "*.htm;*.html;";
    case 1:
    case 2:
    case 3: return "*.rtf;";
    case 4: return "*.txt;*.asc;*.pas;*.c;*.cpp;*.ini;";
    case 5:
    case 6: return "*.doc;*.wri;*.rtf;";
    case 7: return "*.pdf;";
    default: return {};
    }
}

int ExportFormatForFile(const std::string& fileName, const int* formats, int count)
{
    const auto slash = fileName.find_last_of("/\\");
    const std::string base = slash == std::string::npos ? fileName : fileName.substr(slash + 1);
    const auto dot = base.rfind('.');
    if (dot == std::string::npos)
        return -1;
    std::string ext = base.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    // "*.htm;" must not match ".ht": the extension is looked up with its "*" and ";".
    const std::string needle = "*" + ext + ";";
    for (int i = 0; i < count; ++i) {
        if (ExportFormatExtensions(formats[i]).find(needle) != std::string::npos)
            return formats[i];
    }
    return -1;
}

std::string ExportDialogKey(int format)
{
    return "exp\\" + std::to_string(format);
}

ExportDialogSettings ExportDialogSettings::Load(const ISettingsStore& store, int format, const std::string& defaultFolder)
{
    const std::string key = ExportDialogKey(format);
    ExportDialogSettings s;
    s.folder = store.ReadValue(key, "expPathInWindow");
    if (s.folder.empty())
        s.folder = defaultFolder;
    s.width = store.ReadInt(key, "largh", 210);
    s.height = store.ReadInt(key, "lungh", 297);
    s.top = store.ReadInt(key, "top", 15);
    s.bottom = store.ReadInt(key, "bottom", 15);
    s.left = store.ReadInt(key, "sx", 15);
    s.right = store.ReadInt(key, "dx", 15);
    return s;
}

void ExportDialogSettings::Store(ISettingsStore& store, int format) const
{
    const std::string key = ExportDialogKey(format);
    store.WriteValue(key, "expPathInWindow", folder);
    store.WriteValue(key, "largh", std::to_string(width));
    store.WriteValue(key, "lungh", std::to_string(height));
    store.WriteValue(key, "top", std::to_string(top));
    store.WriteValue(key, "bottom", std::to_string(bottom));
    store.WriteValue(key, "sx", std::to_string(left));
    store.WriteValue(key, "dx", std::to_string(right));
}

} // namespace quor
