// LinkRouting.cpp: deciding what following a link does.
#include "shell/navigation/LinkRouting.h"

#include "model/ObjectKind.h"
#include "model/TUVAoggetto.h"
#include "model/TUVAset.h"
#include "model/links/QuorLink.h"
#include "model/records/AddressLinkRecord.h"
#include "model/records/ShortObjectRecord.h"
#include "model/records/SpecialLinkRecord.h"
#include "shell/navigation/ShellRules.h"

namespace quor {

namespace {

bool StartsWith(std::string_view s, std::string_view prefix)
{
    return s.substr(0, prefix.size()) == prefix;
}

LinkAction AddressAction(std::string address)
{
    LinkAction a;
    a.address = std::move(address);
    if (StartsWith(a.address, "quor:"))
        a.kind = LinkActionKind::QuorAddress;
    else if (StartsWith(a.address, "prog:"))
        a.kind = LinkActionKind::Program;
    else if (a.address.empty())
        a.kind = LinkActionKind::Unsupported;
    else
        a.kind = LinkActionKind::OpenUrl;
    return a;
}

LinkAction PageAction(const TUVAset& doc, int page, int anchor = -1)
{
    LinkAction a;
    if (!doc.GetPage(page)) {
        a.kind = LinkActionKind::Unsupported;
        return a;
    }
    a.kind = LinkActionKind::ShowPage;
    a.page = page;
    a.anchor = anchor;
    return a;
}

LinkAction SpecialLinkAction(const TUVAset& doc, const TUVAoggetto& link, int sourcePage)
{
    const records::ConstSpecialLinkRecord rec(link.Record().data());
    LinkAction a;
    switch (link.SubKind()) {
    case records::ConstSpecialLinkRecord::kJump: {
        const ObjectRef target = rec.Target();
        if (target == kNoRef) {
            a.kind = LinkActionKind::Ignore;   // a jump within the page without a target
            return a;
        }
        if (RefKind(target) == testoHtml && rec.TargetKind() != 1)   // 1 names a frame set
            return PageAction(doc, RefIndex(target), rec.Anchor());
        a.kind = LinkActionKind::Unsupported;
        return a;
    }
    case records::ConstSpecialLinkRecord::kPreviousPage:
        return PageAction(doc, doc.PreviousPage(sourcePage));
    case records::ConstSpecialLinkRecord::kNextPage:
        return PageAction(doc, doc.NextPage(sourcePage));
    case records::ConstSpecialLinkRecord::kCloseWindow:
        a.kind = LinkActionKind::Ignore;
        return a;
    default:
        a.kind = LinkActionKind::Unsupported;
        return a;
    }
}

} // namespace

LinkAction PlanLink(const TUVAset& doc, const TUVAoggetto* link, int sourcePage, bool preview)
{
    LinkAction none;
    if (!link)
        return none;
    switch (link->Kind()) {
    case testoHtml:
        return PageAction(doc, link->Index());
    case internetLink:
        return AddressAction(records::ConstAddressLinkRecord(link->Record().data()).Address());
    case genLink: {
        LinkAction a;
        a.kind = LinkActionKind::AttachedFile;
        a.object = link->GetRef();
        return a;
    }
    case speclink:
        return SpecialLinkAction(doc, *link, sourcePage);
    case shortObj:
        if (preview) {
            const ObjectRef ref = records::ConstShortObjectRecord(link->Record().data()).I32(records::ConstShortObjectRecord::kValue);
            const TUVAoggetto* target = RefKind(ref) == speclink ? doc.GetObjectByRef(ref) : nullptr;
            if (target && !target->IsDeleted())
                return SpecialLinkAction(doc, *target, sourcePage);
        }
        break;
    default:
        break;
    }
    LinkAction a;
    a.kind = LinkActionKind::Unsupported;
    return a;
}

QuorAddressPlan PlanQuorAddress(const TUVAset& doc, std::string_view documentName, std::string_view address)
{
    QuorAddressPlan plan;
    const links::QuorLink q = links::ParseQuorLink(address, doc.UVAFileName(), doc.GetCoverPage());
    plan.isQuorLink = q.isQuorLink;
    if (!q.isQuorLink) {
        plan.stop = true;
        return plan;
    }
    plan.page = q.page;
    // The file part as written (ParseQuorLink puts the folder in front of relative names).
    const bool namesUntitled = q.file == kUntitled ||
                               (q.file.size() > kUntitled.size() &&
                                q.file.substr(q.file.size() - kUntitled.size() - 1) == "/" + std::string(kUntitled));
    // Without a "|" the address names no file: the open document's cover page.
    if (q.sameFile || address.find('|') == std::string_view::npos)
        return plan;
    if (namesUntitled) {
        if (documentName == kUntitled && doc.UVAFileName().empty())
            return plan;
        plan.stop = true;
        return plan;
    }
    plan.otherFile = true;
    plan.file = q.file;
    return plan;
}

} // namespace quor
