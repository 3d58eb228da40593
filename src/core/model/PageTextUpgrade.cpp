// PageTextUpgrade.cpp: the one place where a page's version-1 text is brought to
// the current markup; the conversion itself belongs to the text engine.
#include "model/PageTextUpgrade.h"

#include "textengine/DocumentVersion1Objects.h"

namespace quor {

void UpgradeLegacyPageText(TUVAtesto& page)
{
    DocumentVersion1Objects::ConvertPage(page);
}

} // namespace quor
