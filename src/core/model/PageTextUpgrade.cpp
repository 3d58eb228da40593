#include "model/PageTextUpgrade.h"

#include "model/TUVAtesto.h"

namespace quor {

void UpgradeLegacyPageText(TUVAtesto& page)
{
    if (page.TextFormat() != 1 || !page.HasContent())
        return;
    // TODO(markup): the single call site of the version-1 text conversion. Until
    // the markup converter is linked in here, the old text is kept as it is (and
    // the page stays marked as version-1 text), so nothing is lost.
}

} // namespace quor
