// LocalizationCheck.h: which properties a localisation text may name, and the
// check that every key of a window's text names one of its components' properties.
#pragma once

#include "shell/LocalizationText.h"

#include <string>
#include <string_view>
#include <vector>

namespace quor {

// How a localisable property is written in a localisation text.
enum class PropertyShape {
    Simple,       // "*_*" + component + "_" + property
    StringList,   // "*_." + component + "_" + property + "*count" / "*item" + i
    Collection,   // as a string list, plus "*item" + i + "_" + field
};

// One localisable property of one component of a window (names in lower case).
struct LocalizableEntry {
    std::string component;
    std::string property;
    PropertyShape shape = PropertyShape::Simple;
    std::vector<std::string> fields;   // collection item fields, e.g. "caption", "width"
};

// Menu items and windows localise only "caption", "text" and "hint"; every other
// component also "strings", "items", "lines", "filter", "columns", "title", "tabs"
// and "imageindexes". `name` is compared without regard to case.
bool IsLocalizablePropertyName(std::string_view name, bool menuItemOrWindow);

// Section and ident under which a property is read.
std::string SimpleIdent(std::string_view component, std::string_view property);    // with section "_"
std::string ListSection(std::string_view component, std::string_view property);    // "_." + c + "_" + p

// Problems of a localisation text against a window's properties, one line each:
// a key that names no listed component property, a value line without its
// leading blank, a key without a value line, a count that is not a number.
// An empty result means the text fits the window.
std::vector<std::string> CheckLocalizationText(const LocalizationText& text,
                                               const std::vector<LocalizableEntry>& entries);

} // namespace quor
