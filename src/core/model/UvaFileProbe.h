// UvaFileProbe.h: small reads of another hypertext file without loading it:
// the title of one of its pages, and the exported name of a page (links into
// other hypertexts show and export through these).
#pragma once

#include <string>

namespace quor {

// Title of page `page` of the hypertext file `file`: the header and the page
// records' table entry are read, then only that page's record. Empty when the
// file is missing, not a hypertext, of version 3 or more, or has no such page.
std::string ReadPageTitleFromFile(const std::string& file, int page);

// Exported file name of page `page` of the hypertext file `file`:
// "LinkToOldHypertext" + suffix for version 1 or lower; export prefix + "_index"
// + suffix for its cover page; otherwise export prefix + "_" + the page index as
// six lower-case hexadecimal digits + suffix. Empty for a negative page or a file
// that cannot be read.
std::string LinkTargetName(const std::string& file, int page, const std::string& suffix);

} // namespace quor
