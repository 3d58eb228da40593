// PageWorkingCopy.cpp: opening a page for editing and storing it back.
#include "model/PageWorkingCopy.h"

#include "model/HeaderLayout.h"
#include "model/PageRefRewriter.h"
#include "model/PageTextUpgrade.h"
#include "model/TUVAset.h"
#include "textengine/MarkupEntities.h"

#include <algorithm>

namespace quor {

namespace {

bool IsLinkKind(int kind) { return kind == internetLink || kind == speclink; }

// Kinds that stand in page text as embedded objects of their own.
bool IsEmbeddedKind(int kind)
{
    return kind == tabellaHtml || kind == shortObj || kind == dbloc || kind == immagineNew ||
           (kind >= inputStat && kind <= multiMedia);
}

// Record fields through which an object refers to links.
std::vector<std::size_t> LinkFieldOffsets(const TUVAoggetto& obj)
{
    switch (obj.Kind()) {
    case speclink: return {13};
    case shortObj:
        if (obj.SubKind() == 14)
            return {};
        return {5};
    case dbloc: return {51, 55, 59, 63};
    case immagineNew: {
        std::vector<std::size_t> zones;
        for (std::size_t z = 0; z < 30; ++z)
            zones.push_back(73 + 16 * z);
        return zones;
    }
    case bottoneCGI: return {181};
    default: return {};
    }
}

} // namespace

PageWorkingCopy::PageWorkingCopy(TUVAset& doc) : m_doc(doc) {}

PageWorkingCopy::~PageWorkingCopy() { Discard(); }

void PageWorkingCopy::Discard()
{
    m_copy.reset();
    m_shownObjects.clear();
    m_storedLinks.clear();
    m_storedObjects.clear();
    m_source = nullptr;
    m_sourceIndex = -1;
    m_isNew = false;
    m_shown = false;
}

bool PageWorkingCopy::Open(int pageIndex)
{
    Discard();
    TUVAtesto* source = m_doc.GetPage(pageIndex);
    if (!source || source->IsDeleted())
        return false;
    // The copy's tags are read as markup: a version-1 text is converted first.
    UpgradeLegacyPageText(*source);
    m_copy = MakeCopy(*source, false);
    m_source = source;
    m_sourceIndex = pageIndex;
    m_copy->HeaderPage.reset();
    m_copy->FooterPage.reset();
    auto around = [&](std::size_t field, int global) -> int {
        const std::int32_t v = source->I32(field);
        if (v == -1)
            return global;
        return v;
    };
    const int headerIndex = around(page::kHeaderPage, header::GlobalHeaderPage(m_doc.Header()));
    const int footerIndex = around(page::kFooterPage, header::GlobalFooterPage(m_doc.Header()));
    if (TUVAtesto* h = OpenAround(headerIndex))
        m_copy->HeaderPage = MakeCopy(*h, true);
    if (TUVAtesto* f = OpenAround(footerIndex))
        m_copy->FooterPage = MakeCopy(*f, true);
    return true;
}

TUVAtesto* PageWorkingCopy::OpenAround(int pageIndex)
{
    if (pageIndex < 0 || pageIndex == m_sourceIndex)
        return nullptr;
    TUVAtesto* p = m_doc.GetPage(pageIndex);
    return p && !p->IsDeleted() ? p : nullptr;
}

void PageWorkingCopy::OpenNew()
{
    Discard();
    auto page = std::make_unique<TUVAtesto>(&m_doc);
    page->Clear();
    page->MarkInUse();
    m_copy = std::move(page);
    m_isNew = true;
}

std::unique_ptr<TUVAtesto> PageWorkingCopy::MakeCopy(TUVAtesto& source, bool inHeaderFooter)
{
    auto copy = std::make_unique<TUVAtesto>(&m_doc);
    copy->Assign(source);
    copy->SetRegistered(false);
    copy->SetInHeaderFooter(inHeaderFooter);
    std::string text = copy->Text();
    if (text.empty()) {
        copy->MarkInUse();
        return copy;
    }
    std::map<ObjectRef, ObjectRef> linkMap;
    PageRefRewriter::RewriteAll(text, [&](const RefTagSite& site) -> ObjectRef {
        const int kind = RefKind(site.ref);
        if (IsLinkKind(kind))
            return LocaliseLink(*copy, site.ref, linkMap, inHeaderFooter);
        if (!IsEmbeddedKind(kind))
            return site.ref;
        TUVAoggetto* obj = m_doc.GetObjectByRef(site.ref);
        if (!obj)
            return site.ref;
        auto local = TUVAoggetto::CreateOfKind(&m_doc, kind);
        local->Assign(*obj);
        local->SetInHeaderFooter(inHeaderFooter);
        LocaliseLinkFields(*copy, *local, linkMap, inHeaderFooter);
        const int position = static_cast<int>(copy->LocalObjects.size());
        local->SetLocalRef(LocalObjectRef(position));
        copy->LocalObjects.push_back(std::move(local));
        copy->LocalTagPositions.push_back(site.offset);
        return LocalObjectRef(position);
    });
    copy->SetText(text);
    return copy;
}

ObjectRef PageWorkingCopy::LocaliseLink(TUVAtesto& copy, ObjectRef ref, std::map<ObjectRef, ObjectRef>& done,
                                        bool inHeaderFooter)
{
    if (auto it = done.find(ref); it != done.end())
        return it->second;
    TUVAoggetto* obj = m_doc.GetObjectByRef(ref);
    if (!obj)
        return ref;
    auto local = TUVAoggetto::CreateOfKind(&m_doc, obj->Kind());
    local->Assign(*obj);
    local->SetInHeaderFooter(inHeaderFooter);
    const int position = static_cast<int>(copy.LocalLinks.size());
    const ObjectRef localRef = LocalLinkRef(position);
    local->SetLocalRef(localRef);
    done[ref] = localRef;
    copy.LocalLinks.push_back(std::move(local));
    LocaliseLinkFields(copy, *copy.LocalLinks.back(), done, inHeaderFooter);
    return localRef;
}

void PageWorkingCopy::LocaliseLinkFields(TUVAtesto& copy, TUVAoggetto& obj, std::map<ObjectRef, ObjectRef>& done,
                                         bool inHeaderFooter)
{
    for (std::size_t off : LinkFieldOffsets(obj)) {
        const ObjectRef v = obj.I32(off);
        if (v != kNoRef && IsLinkKind(RefKind(v)))
            obj.SetI32(off, LocaliseLink(copy, v, done, inHeaderFooter));
    }
}

void PageWorkingCopy::ShowObjects(const std::function<int(TUVAoggetto&)>& registerControl)
{
    if (!m_copy)
        return;
    TUVAtesto* texts[] = {m_copy.get(), m_copy->HeaderPage.get(), m_copy->FooterPage.get()};
    for (TUVAtesto* t : texts) {
        if (!t)
            continue;
        std::string text = t->Text();
        for (std::size_t i = 0; i < t->LocalObjects.size(); ++i) {
            auto& obj = t->LocalObjects[i];
            if (!obj)
                continue;
            int number = registerControl ? registerControl(*obj) : -1;
            if (number < 0 || m_shownObjects.count(number))
                number = m_shownObjects.empty() ? 0 : m_shownObjects.rbegin()->first + 1;
            if (i < t->LocalTagPositions.size())
                PageRefRewriter::RewriteTag(text, t->LocalTagPositions[i], LocalObjectRef(number));
            obj->SetLocalRef(LocalObjectRef(number));
            m_shownObjects[number] = std::move(obj);
        }
        t->LocalObjects.clear();
        t->LocalTagPositions.clear();
        if (!text.empty())
            t->SetText(text);
    }
    m_shown = true;
}

TUVAoggetto* PageWorkingCopy::ShownObject(int number) const
{
    auto it = m_shownObjects.find(number);
    return it == m_shownObjects.end() ? nullptr : it->second.get();
}

std::unique_ptr<TUVAoggetto> PageWorkingCopy::TakeShownObject(int number)
{
    auto it = m_shownObjects.find(number);
    if (it == m_shownObjects.end())
        return nullptr;
    auto obj = std::move(it->second);
    m_shownObjects.erase(it);
    return obj;
}

void PageWorkingCopy::PutShownObject(int number, std::unique_ptr<TUVAoggetto> object)
{
    if (number < 0 || !object)
        return;
    object->SetLocalRef(LocalObjectRef(number));
    m_shownObjects[number] = std::move(object);
}

ObjectRef PageWorkingCopy::GlobaliseLink(int localIndex)
{
    if (auto it = m_storedLinks.find(localIndex); it != m_storedLinks.end())
        return it->second;
    auto& links = m_copy->LocalLinks;
    if (localIndex < 0 || static_cast<std::size_t>(localIndex) >= links.size() || !links[static_cast<std::size_t>(localIndex)])
        return kNoRef;
    std::unique_ptr<TUVAoggetto> link = std::move(links[static_cast<std::size_t>(localIndex)]);
    m_storedLinks[localIndex] = kNoRef;  // guards against a link that refers to itself
    GlobaliseLinkFields(*link);
    link->SetLocalRef(-1);
    link->SetInHeaderFooter(false);
    ObjectRef ref = kNoRef;
    TUVAoggetto* existing = link->Kind() == internetLink ? m_doc.FindEqual(*link) : nullptr;
    if (existing) {
        ref = existing->GetRef();
    } else if (TUVAoggetto* registered = m_doc.Register(std::move(link), -1)) {
        ref = registered->GetRef();
    }
    m_storedLinks[localIndex] = ref;
    return ref;
}

void PageWorkingCopy::GlobaliseLinkFields(TUVAoggetto& obj)
{
    for (std::size_t off : LinkFieldOffsets(obj)) {
        const ObjectRef v = obj.I32(off);
        if (RefKind(v) == kLocalLinkKind)
            obj.SetI32(off, GlobaliseLink(RefIndex(v)));
    }
}

ObjectRef PageWorkingCopy::GlobaliseObject(int number, const std::function<void(int, TUVAoggetto&)>& storeState)
{
    if (auto it = m_storedObjects.find(number); it != m_storedObjects.end())
        return it->second;
    std::unique_ptr<TUVAoggetto> obj;
    if (m_shown) {
        obj = TakeShownObject(number);
        if (obj && storeState)
            storeState(number, *obj);
    } else if (number >= 0 && static_cast<std::size_t>(number) < m_copy->LocalObjects.size()) {
        obj = std::move(m_copy->LocalObjects[static_cast<std::size_t>(number)]);
    }
    if (!obj)
        return kNoRef;
    GlobaliseLinkFields(*obj);
    obj->SetLocalRef(-1);
    obj->SetInHeaderFooter(false);
    TUVAoggetto* registered = m_doc.Register(std::move(obj), -1);
    const ObjectRef ref = registered ? registered->GetRef() : kNoRef;
    m_storedObjects[number] = ref;
    return ref;
}

void PageWorkingCopy::DetachFromSource()
{
    if (!m_copy)
        return;
    m_source = nullptr;
    m_sourceIndex = -1;
    m_isNew = true;
}

PageWorkingCopy::StoreResult PageWorkingCopy::Store(bool changed,
                                                    const std::function<void(int, TUVAoggetto&)>& storeState)
{
    if (!m_copy)
        return StoreResult::NothingToStore;
    int index = -1;
    if (!m_isNew) {
        if (m_doc.GetObject(testoHtml, m_sourceIndex) != m_source)
            return StoreResult::SourceReplaced;
        // The old page's embedded objects become free slots for the copy's ones.
        for (const RefTagSite& site : PageRefRewriter::FindTags(m_source->Text())) {
            const int kind = RefKind(site.ref);
            if (kind == speclink || IsEmbeddedKind(kind))
                if (TUVAoggetto* o = m_doc.GetObjectByRef(site.ref))
                    o->Clear();
        }
        m_source->Clear();
        index = m_sourceIndex;
    }

    m_storedLinks.clear();
    m_storedObjects.clear();
    std::string text = m_copy->Text();
    PageRefRewriter::BlankDoubledRunTags(text);
    PageRefRewriter::RewriteAll(text, [&](const RefTagSite& site) -> ObjectRef {
        const int kind = RefKind(site.ref);
        if (kind == kLocalLinkKind)
            return GlobaliseLink(RefIndex(site.ref));
        if (kind == kLocalObjectKind)
            return GlobaliseObject(RefIndex(site.ref), storeState);
        return site.ref;
    });
    m_copy->LocalLinks.clear();
    m_copy->LocalObjects.clear();
    m_copy->LocalTagPositions.clear();
    m_copy->HeaderPage.reset();
    m_copy->FooterPage.reset();
    m_shownObjects.clear();
    if (!text.empty())
        m_copy->SetText(text);
    m_copy->SetU8(page::kTextFormat, 2);
    if (changed)
        m_copy->SetRevision(m_doc.Revision());
    if (m_copy->Title() == "Untitled")
        m_copy->SetTitle(AutomaticTitle(text));
    m_copy->SetInHeaderFooter(false);
    m_copy->SetLocalRef(-1);

    std::unique_ptr<TUVAoggetto> page = std::move(m_copy);
    if (m_doc.RegisterObject(testoHtml, index, page) < 0)
        m_doc.RegisterObject(testoHtml, -1, page);  // the slot was emptied meanwhile: keep the page anyway
    Discard();
    return StoreResult::Stored;
}

std::string PageWorkingCopy::AutomaticTitle(std::string_view markup)
{
    const std::string_view text = markup.substr(0, PageRefRewriter::MarkupLength(markup));
    std::string collected;
    std::size_t pos = 0;
    while (pos < text.size() && collected.size() <= 35) {
        if (text[pos] == '<') {
            const std::size_t skipped = PageRefRewriter::SkipBlock(text, pos);
            if (skipped != pos) {
                pos = skipped;
                continue;
            }
            if (pos + 1 < text.size() && text[pos + 1] == 'Z') {
                if (collected.size() > 5)
                    break;
                if (!collected.empty() && collected.back() != ' ')
                    collected += ' ';
            }
            const std::size_t gt = text.find('>', pos + 1);
            pos = gt == std::string_view::npos ? text.size() : gt + 1;
            continue;
        }
        collected += text[pos++];
    }
    std::size_t start = 0;
    while (start < collected.size() && static_cast<unsigned char>(collected[start]) <= 32)
        ++start;
    collected.erase(0, start);
    if (collected.size() > 2) {
        const std::size_t blanks = collected.find("   ", 2);
        if (blanks != std::string::npos)
            collected.erase(blanks);
    }
    std::string title;
    for (std::size_t i = 0; i < collected.size();) {
        unsigned char c = static_cast<unsigned char>(collected[i]);
        if (c == '&') {
            const auto decoded = MarkupEntities::Decode(std::string_view(collected).substr(i));
            c = decoded.ch;
            i += std::max<std::size_t>(decoded.consumed, 1);
        } else {
            ++i;
        }
        if (c == '"')
            c = 0x94;
        else if (c == '\'')
            c = 0x92;
        else if (c < 32 || c == '#' || c == '$' || c == '%' || c == '&' || c == '<' || c == '>' || c == 127)
            c = ' ';
        title += static_cast<char>(c);
    }
    if (title.size() > 71)
        title.resize(71);
    return title;
}

} // namespace quor
