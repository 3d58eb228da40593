// PageTextUpgrade.h: bringing a page whose text is still in the version-1 form
// (text-format byte 1) to the current markup, on first use.
#pragma once

namespace quor {

class TUVAtesto;

// Converts the page's version-1 text to markup and sets the text format to 2;
// does nothing for a page already in markup or without content.
void UpgradeLegacyPageText(TUVAtesto& page);

} // namespace quor
