// ExportSettings.h: the export choices kept in the settings store: the HTML
// options (key "htmlexp") and, per export format n, the export dialog's folder,
// page size and margins (key "exp\\" + n).
#pragma once

#include <string>

namespace quor {

class ISettingsStore;
class TUVAtoHtml;

inline constexpr const char* kHtmlExportKey = "htmlexp";

// Takes the HTML options from the store as the program does at start:
// ExpOrigName and ExpSepImage on when stored "1"; ExpAutoAlt on unless stored
// "0"; ExpTipoExt the stored number (0 or 1), 0 when missing or anything else.
void LoadHtmlExportOptions(TUVAtoHtml& conv, const ISettingsStore& store);
// Stores them: "1"/"0" for the boxes, the extension's index.
void StoreHtmlExportOptions(const TUVAtoHtml& conv, ISettingsStore& store);

// Export format codes of the export dialog.
enum ExportFormat : int {
    kFormatHtml = 0,
    kFormatRtfOneFile = 1,
    kFormatRtfPerPage = 2,
    kFormatAscii = 4,
    kFormatDoc = 5,
};

// The extensions a format's files take ("*.htm;*.html;"), empty for unknown codes.
std::string ExportFormatExtensions(int format);
// The first of `formats` whose extension list holds the lower-cased extension
// of `fileName` followed by ";"; -1 when none does.
int ExportFormatForFile(const std::string& fileName, const int* formats, int count);

struct ExportDialogSettings {
    std::string folder;   // "expPathInWindow", ends with a separator
    int width = 210;      // "largh", mm
    int height = 297;     // "lungh"
    int top = 15;
    int bottom = 15;
    int left = 15;        // "sx"
    int right = 15;       // "dx"

    // `defaultFolder` stands for the folder when none is stored.
    static ExportDialogSettings Load(const ISettingsStore& store, int format, const std::string& defaultFolder);
    void Store(ISettingsStore& store, int format) const;
};

std::string ExportDialogKey(int format);   // "exp\\" + format

} // namespace quor
