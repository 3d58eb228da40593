#include "model/ReferenceKind.h"

#include <array>

namespace quor {

std::string_view ReferenceKindText(int kind)
{
    static constexpr std::array<std::string_view, 17> kTexts = {
        "No references",
        "in text",
        "in text background",
        "in table background",
        "as header or footer",
        "as next slide",
        "in script/html",
        "as alternative image",
        "as/in floating frame",
        "as/in button",
        "as/in special link",
        "in clickable map",
        "in \"open window\" object",
        "in prototype object",
        "in multimedia object",
        "in custom object instance",
        "in local DB object",
    };
    if (kind < 0 || static_cast<std::size_t>(kind) >= kTexts.size())
        return kTexts[0];
    return kTexts[static_cast<std::size_t>(kind)];
}

} // namespace quor
