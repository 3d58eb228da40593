// ReferenceKind.h: how one object refers to another, as IsReferencing reports
// it, and the text the usage report shows for each way.
#pragma once

#include <string_view>

namespace quor {

enum ReferenceKind : int {
    kNoReference = 0,
    kRefInText = 1,              // page text tag, placement image, page keyword slot
    kRefTextBackground = 2,      // page background image
    kRefTableBackground = 3,     // image in a table's cell or table background
    kRefHeaderFooter = 4,        // page header or footer page
    kRefNextSlide = 5,
    kRefScriptHtml = 6,          // "!Ref" marker in a properties block
    kRefAlternativeImage = 7,    // multimedia alternative image
    kRefFloatingFrame = 8,       // floating frame (form field sub-kind 18)
    kRefButton = 9,
    kRefSpecialLink = 10,
    kRefClickableMap = 11,       // click-zone target of a placement
    kRefOpenWindow = 12,         // short object sub-kind 13
    kRefPrototype = 13,          // prototype's reference list
    kRefMultimedia = 14,
    kRefCustomInstance = 15,
    kRefLocalDb = 16,
};

// The user-interface text of a reference kind ("No references" for 0 and for
// values outside the table).
std::string_view ReferenceKindText(int kind);

} // namespace quor
