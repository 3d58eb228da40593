#include "model/links/LinkOperations.h"

#include "model/ObjectKind.h"
#include "model/PageRefRewriter.h"
#include "model/TUVAoggetto.h"
#include "model/TUVAset.h"
#include "model/TUVAtesto.h"
#include "model/links/AddressKind.h"
#include "model/records/AddressLinkRecord.h"
#include "model/records/ButtonRecord.h"
#include "model/records/PlacementRecord.h"
#include "model/records/ShortObjectRecord.h"
#include "model/records/SpecialLinkRecord.h"

#include <algorithm>
#include <optional>

namespace quor::links {

std::unique_ptr<TUVAoggetto> NewInternetLink(TUVAset& doc, std::string_view address)
{
    auto link = TUVAoggetto::CreateCleared(&doc, internetLink);
    link->MarkInUse();
    records::AddressLinkRecord rec(link->Record().data());
    rec.SetAddress(address);
    rec.SetSubKind(AddressSubKind(rec.Address(), kPlainAddress));
    return link;
}

QuorLink ParseQuorLink(const TUVAset& doc, std::string_view address)
{
    return ParseQuorLink(address, doc.UVAFileName(), doc.GetCoverPage());
}

std::vector<int> AnchorNumbers(const TUVAset& doc, std::string_view pageText)
{
    std::vector<int> numbers;
    for (const RefTagSite& site : PageRefRewriter::FindTags(pageText)) {
        if (RefKind(site.ref) != shortObj)
            continue;
        const TUVAoggetto* obj = doc.GetObjectByRef(site.ref);
        if (obj && !obj->IsDeleted() && obj->SubKind() == records::ShortObjectRecord::kAnchor)
            numbers.push_back(records::ConstShortObjectRecord(obj->Record().data()).Value());
    }
    return numbers;
}

int NextAnchorNumber(const std::vector<int>& anchorNumbers)
{
    int next = 0;
    for (int n : anchorNumbers)
        next = std::max(next, n + 1);
    return next;
}

namespace {

bool IsTaggedKindExamined(int kind)
{
    return kind == speclink || kind == shortObj || kind == immagineNew || (kind >= inputStat && kind <= multiMedia);
}

// The page an automatic-import link names, or nullopt when `ref` is not such a
// link or it names no page; -1 when `ref` is a special link that does not exist.
std::optional<ObjectRef> Resolve(TUVAset& doc, ObjectRef ref)
{
    if (ref == kNoRef || RefKind(ref) != speclink)
        return std::nullopt;
    TUVAoggetto* link = doc.GetObjectByRef(ref);
    if (!link)
        return kNoRef;
    if (link->IsDeleted() || link->SubKind() != records::SpecialLinkRecord::kAutoImport)
        return std::nullopt;
    TUVAtesto* page = doc.FindPageByName(link->ContentText());
    if (!page)
        return std::nullopt;
    return page->GetRef();
}

void ResolveField(TUVAset& doc, TUVAoggetto& obj, std::size_t offset)
{
    if (auto target = Resolve(doc, obj.I32(offset)))
        obj.SetI32(offset, *target);
}

void ResolveLinkFields(TUVAset& doc, TUVAoggetto& obj)
{
    switch (obj.Kind()) {
    case speclink:
        ResolveField(doc, obj, records::SpecialLinkRecord::kTarget);
        break;
    case shortObj:
        if (obj.SubKind() != records::ShortObjectRecord::kAnchor &&
            obj.SubKind() != records::ShortObjectRecord::kLinkNumber)
            ResolveField(doc, obj, records::ShortObjectRecord::kValue);
        break;
    case immagineNew:
        for (std::size_t zone = 0; zone < records::PlacementRecord::kZoneCount; ++zone)
            ResolveField(doc, obj, records::PlacementRecord::kZones + records::PlacementRecord::kZoneSize * zone);
        break;
    case bottoneCGI:
        ResolveField(doc, obj, records::ButtonRecord::kLink);
        break;
    default:
        break;
    }
}

} // namespace

void ResolveAutoImports(TUVAset& doc)
{
    for (const auto& slot : doc.List(testoHtml)) {
        if (!slot || slot->IsDeleted())
            continue;
        auto& page = static_cast<TUVAtesto&>(*slot);
        if (!page.HasContent()) {
            page.SetText(std::string_view("<Z S0 >\0", 8));
            continue;
        }
        std::string text = page.Text();
        bool changed = false;
        PageRefRewriter::RewriteAll(text, [&](const RefTagSite& site) {
            const int kind = RefKind(site.ref);
            if (!IsTaggedKindExamined(kind))
                return site.ref;
            TUVAoggetto* obj = doc.GetObjectByRef(site.ref);
            if (!obj)
                return site.ref;
            if (kind == speclink && obj->SubKind() == records::SpecialLinkRecord::kAutoImport) {
                const auto target = Resolve(doc, site.ref);
                if (target && *target != kNoRef) {
                    changed = true;
                    return *target;
                }
                return site.ref;
            }
            ResolveLinkFields(doc, *obj);
            return site.ref;
        });
        if (changed)
            page.SetText(text);
    }
}

} // namespace quor::links
