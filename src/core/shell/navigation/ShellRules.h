// ShellRules.h: small decisions of the main window that need no window: what
// opening a file does by its extension, which format a save writes, the window
// caption, the page-number spin and the save question.
#pragma once

#include <string>
#include <string_view>

namespace quor {

inline constexpr std::string_view kUntitled = "Untitled";

enum class OpenKind {
    Hypertext,   // ".uva"
    Refocus,     // ".gif", ".jpg": only the editor takes the focus back
    Ignored,     // ".wmf", ".jpeg", ".bmp" and unknown extensions
    Html,        // ".htm", ".html"
    TextImport,  // ".txt", ".ini", ".asc", ".rtf", ".pas", ".c", ".cpp", ".doc", ".wri"
};

// By the lower-cased extension of `path`.
OpenKind OpenKindOf(std::string_view path);

// Lower-cased extension with its dot ("" when none).
std::string LowerExtension(std::string_view path);

// The format index of a save: ".txt", ".c", ".pas", ".asc", ".ini" give 5,
// ".uva" gives 1, anything else `index` (the chosen filter's).
int SaveFormatIndex(std::string_view path, int index);

// File name without folder, " [example]" when it lies in `examplesFolder`,
// then " - " and the application title. "Untitled" stays as it is.
std::string WindowCaption(std::string_view documentName, std::string_view examplesFolder,
                          std::string_view appTitle = "Quor");

// The page spin: a non-number and negative numbers give 0.
int PageSpinValue(std::string_view text);
// The spin shows red when the value is not below the page count.
inline bool PageSpinOutOfRange(int value, int pageCount) { return value >= pageCount; }

// "Save modifications to %s?" with the document name.
std::string SaveQuestion(std::string_view documentName);
// The save question is asked only for changes made after edit mode was entered.
inline bool NeedsSaveQuestion(bool pageModified, bool documentModified, bool hasBeenInEditMode)
{
    return (pageModified || documentModified) && hasBeenInEditMode;
}

// The export prefix a "Save as" gives: the lower-cased file name without
// folder and extension, cut to 16 characters.
std::string ExportPrefixFor(std::string_view path);

} // namespace quor
