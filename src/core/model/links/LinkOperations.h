// LinkOperations.h: the document side of links: new address links, quor
// addresses against a document, anchors of a page, and automatic-import special
// links resolved to the pages they name.
#pragma once

#include "model/links/QuorLink.h"

#include <memory>
#include <string_view>
#include <vector>

namespace quor {

class TUVAoggetto;
class TUVAset;

namespace links {

// A new, unregistered link object (kind 1) in use for `address` (cut to 127
// characters), its sub-kind told by the address prefix.
std::unique_ptr<TUVAoggetto> NewInternetLink(TUVAset& doc, std::string_view address);

// ParseQuorLink against the document's file name and cover page.
QuorLink ParseQuorLink(const TUVAset& doc, std::string_view address);

// Anchor numbers of the anchors (short objects of sub-kind 14) a stored page
// text refers to, in text order.
std::vector<int> AnchorNumbers(const TUVAset& doc, std::string_view pageText);

// One more than the largest anchor number; 0 without anchors.
int NextAnchorNumber(const std::vector<int>& anchorNumbers);

// Replaces every use of an automatic-import special link (kind 10, sub-kind 6)
// by a direct reference to the page whose name equals the link's content text
// (compared in upper case): page text tags, special-link targets, short-object
// values (not anchors or link numbers), click-zone targets and button links.
// Links naming no page stay; references to special links that do not exist
// become -1. Live pages without text get the empty text.
void ResolveAutoImports(TUVAset& doc);

} // namespace links
} // namespace quor
