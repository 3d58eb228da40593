// PageRefRewriter.cpp: scanning page markup for reference tags.
#include "model/PageRefRewriter.h"

#include <cstring>

namespace quor {

std::size_t PageRefRewriter::MarkupLength(std::string_view text)
{
    const std::size_t nul = text.find('\0');
    return nul == std::string_view::npos ? text.size() : nul;
}

bool PageRefRewriter::IsRefTagAt(std::string_view text, std::size_t pos, ObjectRef* ref)
{
    if (pos + 11 > text.size() || text[pos] != '<' || text[pos + 1] != '$' || text[pos + 10] != '>')
        return false;
    const auto value = ParseRefHex(text.substr(pos + 2, 8));
    if (!value)
        return false;
    if (ref)
        *ref = *value;
    return true;
}

std::size_t PageRefRewriter::SkipBlock(std::string_view text, std::size_t pos)
{
    if (pos + 1 >= text.size() || text[pos] != '<')
        return pos;
    const char letter = text[pos + 1];
    if (letter != 'D' && letter != 'F' && letter != 'R')
        return pos;
    const char closing[] = {'<', static_cast<char>(letter + ('a' - 'A')), '>'};
    const std::size_t end = text.find(std::string_view(closing, 3), pos + 2);
    return end == std::string_view::npos ? text.size() : end + 3;
}

std::vector<RefTagSite> PageRefRewriter::FindTags(std::string_view text)
{
    std::vector<RefTagSite> tags;
    const std::string_view markup = text.substr(0, MarkupLength(text));
    std::size_t pos = 0;
    while (pos < markup.size()) {
        const std::size_t lt = markup.find('<', pos);
        if (lt == std::string_view::npos)
            break;
        ObjectRef ref = 0;
        if (IsRefTagAt(markup, lt, &ref)) {
            tags.push_back({lt, ref});
            pos = lt + 11;
            continue;
        }
        const std::size_t skipped = SkipBlock(markup, lt);
        if (skipped != lt) {
            pos = skipped;
            continue;
        }
        const std::size_t gt = markup.find('>', lt + 1);
        pos = gt == std::string_view::npos ? markup.size() : gt + 1;
    }
    return tags;
}

bool PageRefRewriter::RewriteTag(std::string& text, std::size_t offset, ObjectRef ref)
{
    if (!IsRefTagAt(text, offset))
        return false;
    const std::string digits = RefHex(ref);
    text.replace(offset + 2, 8, digits);
    return true;
}

void PageRefRewriter::RewriteAll(std::string& text, const std::function<ObjectRef(const RefTagSite&)>& map)
{
    for (const RefTagSite& site : FindTags(text)) {
        const ObjectRef to = map(site);
        if (to != site.ref)
            RewriteTag(text, site.offset, to);
    }
}

void PageRefRewriter::BlankDoubledRunTags(std::string& text)
{
    const std::size_t length = MarkupLength(text);
    std::size_t pos = 0;
    while (pos < length) {
        const std::size_t lt = text.find('<', pos);
        if (lt == std::string::npos || lt >= length)
            break;
        const std::size_t skipped = SkipBlock(std::string_view(text).substr(0, length), lt);
        if (skipped != lt) {
            pos = skipped;
            continue;
        }
        const std::size_t gt = text.find('>', lt + 1);
        if (gt == std::string::npos || gt >= length)
            break;
        if (text[lt + 1] == 'Y' && gt + 2 < length && text[gt + 1] == '<' && text[gt + 2] == 'Y')
            std::memset(text.data() + lt, 3, gt + 1 - lt);
        pos = gt + 1;
    }
}

} // namespace quor
