// PageRefRewriter.cpp: scanning page markup for reference tags.
#include "model/PageRefRewriter.h"

#include "textengine/MarkupLexer.h"

#include <cstring>

namespace quor {

std::size_t PageRefRewriter::MarkupLength(std::string_view text) { return MarkupLexer(text).End(); }

bool PageRefRewriter::IsRefTagAt(std::string_view text, std::size_t pos, ObjectRef* ref)
{
    std::uint32_t value = 0;
    if (!MarkupLexer(text, text.size()).IsRefTag(pos, &value))
        return false;
    if (ref)
        *ref = static_cast<ObjectRef>(value);
    return true;
}

std::size_t PageRefRewriter::SkipBlock(std::string_view text, std::size_t pos)
{
    return MarkupLexer(text, text.size()).SkipBlock(pos);
}

std::vector<RefTagSite> PageRefRewriter::FindTags(std::string_view text)
{
    std::vector<RefTagSite> tags;
    const MarkupLexer lex(text);
    std::size_t pos = 0;
    while (pos < lex.End()) {
        const std::size_t lt = lex.Find('<', pos);
        if (lt == std::string_view::npos)
            break;
        std::uint32_t ref = 0;
        if (lex.IsRefTag(lt, &ref)) {
            tags.push_back({lt, static_cast<ObjectRef>(ref)});
            pos = lt + MarkupLexer::kRefTagLength;
            continue;
        }
        const std::size_t skipped = lex.SkipBlock(lt);
        pos = skipped != lt ? skipped : lex.AfterClose(lt + 1);
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
    // The lexer views `text`; blanking overwrites bytes in place and never
    // changes the length, so the view stays valid.
    const MarkupLexer lex(text);
    std::size_t pos = 0;
    while (pos < lex.End()) {
        const std::size_t lt = lex.Find('<', pos);
        if (lt == std::string_view::npos)
            break;
        const std::size_t skipped = lex.SkipBlock(lt);
        if (skipped != lt) {
            pos = skipped;
            continue;
        }
        const std::size_t gt = lex.Find('>', lt + 1);
        if (gt == std::string_view::npos)
            break;
        if (lex.At(lt + 1) == 'Y' && lex.At(gt + 1) == '<' && lex.At(gt + 2) == 'Y')
            std::memset(text.data() + lt, 3, gt + 1 - lt);
        pos = gt + 1;
    }
}

} // namespace quor
