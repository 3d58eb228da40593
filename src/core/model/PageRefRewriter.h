// PageRefRewriter.h: finds and rewrites the object reference tags of page markup.
//
// A reference tag is "<$" + 8 hexadecimal digits + ">" (kind first). Blocks
// opened by a tag whose letter is D, F or R are skipped up to and including the
// closing "<d>", "<f>" or "<r>" (to the end when it is missing), as the markup
// reader skips them; text after the first NUL byte is not markup.
// Rewriting keeps the text length: a tag always has 8 digits.
#pragma once

#include "model/ObjectRef.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quor {

struct RefTagSite {
    std::size_t offset;  // position of the "<" of the tag
    ObjectRef ref;
};

class PageRefRewriter {
public:
    // Every reference tag of the markup, in text order.
    static std::vector<RefTagSite> FindTags(std::string_view text);

    // Overwrites the 8 digits of the tag at `offset` (lower-case hex). False when
    // no reference tag starts there.
    static bool RewriteTag(std::string& text, std::size_t offset, ObjectRef ref);

    // Calls `map` for each tag; a tag whose result differs is rewritten.
    static void RewriteAll(std::string& text, const std::function<ObjectRef(const RefTagSite&)>& map);

    // A run tag ("<Y" ... ">") directly followed by another run tag is
    // overwritten with bytes of value 3, which the reader drops.
    static void BlankDoubledRunTags(std::string& text);

    // Length of the markup: up to the first NUL byte (or the whole text).
    static std::size_t MarkupLength(std::string_view text);
    // If a tag whose letter is D, F or R starts at `pos`, the position after its
    // block; otherwise `pos`.
    static std::size_t SkipBlock(std::string_view text, std::size_t pos);
    // The reference tag at `pos`, if one starts there.
    static bool IsRefTagAt(std::string_view text, std::size_t pos, ObjectRef* ref = nullptr);
};

} // namespace quor
