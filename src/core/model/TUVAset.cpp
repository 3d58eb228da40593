// TUVAset.cpp: the document: lifecycle, header, object registry, styles.
#include "model/TUVAset.h"

#include "model/AnsiCase.h"
#include "model/TUVAtesto.h"
#include "model/Units.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>

#include <pwd.h>
#include <unistd.h>

namespace quor {

namespace {

constexpr std::size_t kStyleName = 5;
constexpr std::size_t kStyleNameCap = 32;

bool IsLiveStyle(const TUVAoggetto* o) { return o && o->Kind() == stileParagrafo && !o->IsDeleted(); }

} // namespace

TUVAset::TUVAset() { NewDocument(); }

TUVAset::~TUVAset()
{
    OnBeforeNew = nullptr;
    OnAfterNew = nullptr;
    OnDropPages = nullptr;
    OnObjectUndoStep = nullptr;
    ClearDocument();
    // m_workingFolder removes the folder and everything in it.
}

void TUVAset::SetMessages(IMessages* messages) { m_messages = messages ? messages : &m_silent; }

// One screen resolution for the whole program: the one unit conversions use.
int TUVAset::ScreenPixelsPerInch() { return quor::ScreenPixelsPerInch(); }

void TUVAset::SetScreenPixelsPerInch(int ppi) { quor::SetScreenPixelsPerInch(ppi); }

std::string TUVAset::LoggedOnUserName()
{
    std::string name;
    if (const passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_name)
        name = pw->pw_name;
    if (name.empty())
        if (const char* user = std::getenv("USER"))
            name = user;
    if (name.empty())
        if (const char* user = std::getenv("LOGNAME"))
            name = user;
    if (name.size() > 79)
        name.resize(79);
    return name;
}

// --- lifecycle ---

void TUVAset::NewDocument()
{
    FireBeforeNew();
    ClearDocument();
    InitNewHeader();
    CreateDefaultStyles();
    FireAfterNew();
    m_modified = false;
}

void TUVAset::InitNewHeader()
{
    using namespace header;
    m_header.fill(0);
    std::copy_n("MORV", 4, m_header.begin());
    SetTitle(m_header, "Untitled");
    SetLastKind(m_header, 26);
    SetVersion(m_header, 2);
    SetReadOnly(m_header, 0);
    SetRevision(m_header, 2);
    SetContentsButton(m_header, 0);
    SetSearchButton(m_header, 0);
    SetHelpButton(m_header, 0);
    SetNoCoverButton(m_header, 1);
    SetU8(m_header, kReserved1640, 0);
    SetNoButtons(m_header, 1);
    SetFixedFont(m_header, "Courier New");
    SetProportionalFont(m_header, "Times New Roman");
    SetPixelsPerInch(m_header, static_cast<std::int16_t>(ScreenPixelsPerInch()));
    SetPassword(m_header, "");
    SetAuthors(m_header, LoggedOnUserName());
    SetRights(m_header, "");
    SetCompany(m_header, "");
    SetExportPrefix(m_header, "");
    SetGlobalHeaderPage(m_header, -1);
    SetGlobalFooterPage(m_header, -1);
    SetPageTreeObject(m_header, 0);
    SetCustomTreeObject(m_header, 0);
    SetBackgroundColour(m_header, 0xC0C0C0);
    SetTextColour(m_header, 0x000000);
    SetLinkColour(m_header, 0xFF0000);
    SetVisitedLinkColour(m_header, 0x0000FF);
    SetBackgroundImage(m_header, -1);
    SetLanguage(m_header, 1033);
}

void TUVAset::ClearDocument()
{
    m_modified = false;
    if (OnDropPages)
        OnDropPages();
    m_defaultStyle = nullptr;
    m_defaultTableStyle = nullptr;
    for (auto& list : m_lists)
        list.clear();
    m_oldRefs.clear();
    m_newRefs.clear();
    CloseBackingFile();
    m_fileName.clear();
    m_dataAreaStart = 0;
    m_workingFolder.ClearFiles();
}

std::string TUVAset::GetPassword() const
{
    if (header::ReadOnly(m_header) == 0)
        return ".";
    if (Version() > 1)
        return header::Password(m_header);
    return {};
}

// --- objects ---

int TUVAset::ObjectCount(int kind) const
{
    if (kind < 0 || kind >= none)
        return 0;
    return static_cast<int>(m_lists[static_cast<std::size_t>(kind)].size());
}

TUVAoggetto* TUVAset::GetObject(int kind, int index) const
{
    if (kind < 0 || kind >= none || index < 0 || index > static_cast<int>(kIndexMask))
        return nullptr;
    if (kind == zipLink || kind == mappaClic) {
        const ObjectRef ref = MakeRef(kind, index);
        for (std::size_t i = 0; i < m_oldRefs.size() && i < m_newRefs.size(); ++i) {
            if (m_oldRefs[i] == ref) {
                const ObjectRef to = m_newRefs[i];
                const int toKind = RefKind(to);
                if (toKind == zipLink || toKind == mappaClic || toKind >= none)
                    return nullptr;  // a translation never leads back into the legacy kinds
                return GetObject(toKind, RefIndex(to));
            }
        }
    }
    const ObjectList& list = m_lists[static_cast<std::size_t>(kind)];
    if (static_cast<std::size_t>(index) >= list.size())
        return nullptr;
    return list[static_cast<std::size_t>(index)].get();
}

TUVAoggetto* TUVAset::GetObjectByRef(ObjectRef ref) const { return GetObject(RefKind(ref), RefIndex(ref)); }

TUVAtesto* TUVAset::GetPage(int index) const { return dynamic_cast<TUVAtesto*>(GetObject(testoHtml, index)); }

int TUVAset::RegisterObject(int kind, int index, std::unique_ptr<TUVAoggetto>& object)
{
    if (!object || kind < 0 || kind >= none)
        return -1;
    if (kind == testoHtml && !dynamic_cast<TUVAtesto*>(object.get()))
        return -1;  // page slots hold page objects only
    ObjectList& list = m_lists[static_cast<std::size_t>(kind)];
    if (index < 0 || index > static_cast<int>(kIndexMask)) {
        index = -1;
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (list[i] && list[i]->IsDeleted() && list[i].get() != object.get()) {
                index = static_cast<int>(i);
                break;
            }
        }
        if (index < 0)
            index = static_cast<int>(list.size());
    }
    auto slot = static_cast<std::size_t>(index);
    if (slot >= list.size()) {
        slot = list.size();
        list.emplace_back();
    } else if (!list[slot]) {
        return -1;
    } else if (list[slot].get() != object.get()) {
        std::unique_ptr<TUVAoggetto> old = std::move(list[slot]);
        old->Clear();
        old.reset();
    }
    TUVAoggetto* obj = object.get();
    obj->SetKind(kind).release();  // unregistered: never owned by a list here
    obj->SetOwner(this);
    obj->SetIndex(static_cast<int>(slot));
    obj->SetRegistered(true);
    list[slot] = std::move(object);
    // Every registration changes the document, appends included: a new object
    // that left the document unmodified would be lost on close without a prompt.
    m_modified = true;
    return static_cast<int>(slot);
}

TUVAoggetto* TUVAset::Register(std::unique_ptr<TUVAoggetto> object, int index)
{
    if (!object)
        return nullptr;
    TUVAoggetto* raw = object.get();
    const int kind = object->Kind();
    return RegisterObject(kind, index, object) >= 0 ? raw : nullptr;
}

TUVAoggetto* TUVAset::AdoptObject(std::unique_ptr<TUVAoggetto> object)
{
    if (!object || object->Kind() < 0 || object->Kind() >= kKindCount)
        return nullptr;
    ObjectList& list = m_lists[static_cast<std::size_t>(object->Kind())];
    object->SetOwner(this);
    object->SetIndex(static_cast<int>(list.size()));
    object->SetRegistered(true);
    list.push_back(std::move(object));
    return list.back().get();
}

std::unique_ptr<TUVAoggetto> TUVAset::EmptySlot(int kind, int index)
{
    if (kind < 0 || kind >= kKindCount || index < 0)
        return nullptr;
    ObjectList& list = m_lists[static_cast<std::size_t>(kind)];
    if (static_cast<std::size_t>(index) >= list.size())
        return nullptr;
    std::unique_ptr<TUVAoggetto> obj = std::move(list[static_cast<std::size_t>(index)]);
    if (obj)
        obj->SetRegistered(false);
    if (obj.get() == m_defaultStyle)
        m_defaultStyle = nullptr;
    if (obj.get() == m_defaultTableStyle)
        m_defaultTableStyle = nullptr;
    return obj;
}

TUVAset::ObjectList& TUVAset::List(int kind)
{
    if (kind < 0 || kind >= kKindCount) {
        m_noList.clear();
        return m_noList;
    }
    return m_lists[static_cast<std::size_t>(kind)];
}

const TUVAset::ObjectList& TUVAset::List(int kind) const
{
    if (kind < 0 || kind >= kKindCount)
        return m_noList;
    return m_lists[static_cast<std::size_t>(kind)];
}

void TUVAset::ClearList(int kind)
{
    if (kind == stileParagrafo) {
        m_defaultStyle = nullptr;
        m_defaultTableStyle = nullptr;
    }
    List(kind).clear();
}

void TUVAset::AddTranslation(ObjectRef oldRef, ObjectRef newRef)
{
    m_oldRefs.push_back(oldRef);
    m_newRefs.push_back(newRef);
}

TUVAoggetto* TUVAset::FindEqual(TUVAoggetto& object) const
{
    for (const auto& o : List(object.Kind()))
        if (o && !o->IsDeleted() && o->SameAs(object))
            return o.get();
    return nullptr;
}

TUVAoggetto* TUVAset::FindByName(const TUVAoggetto& object) const
{
    const std::string name = AnsiLower(object.GetName());
    for (const auto& o : List(object.Kind()))
        if (o && !o->IsDeleted() && AnsiLower(o->GetName()) == name)
            return o.get();
    return nullptr;
}

TUVAtesto* TUVAset::FindPageByName(std::string_view name) const
{
    const std::string wanted = AnsiUpper(name);
    for (const auto& o : List(testoHtml)) {
        auto* page = dynamic_cast<TUVAtesto*>(o.get());
        if (page && !page->IsDeleted() && AnsiUpper(page->CachedName()) == wanted)
            return page;
    }
    return nullptr;
}

TUVAoggetto* TUVAset::GetPageFrameSet(int pageIndex) const
{
    const TUVAoggetto* page = GetObject(testoHtml, pageIndex);
    if (!page)
        return nullptr;
    const std::int32_t map = page->I32(page::kFrameHosting);
    if (map < 0 || map > static_cast<std::int32_t>(kIndexMask))
        return nullptr;
    return GetObject(mappaFrame, map);
}

TUVAoggetto* TUVAset::MakeTreeObject(header::Field field)
{
    const ObjectRef ref = header::GetI32(m_header, field);
    if (ref > 0)
        if (TUVAoggetto* existing = GetObjectByRef(ref))
            return existing;
    auto obj = TUVAoggetto::CreateCleared(this, shortObj);
    obj->MarkInUse();
    obj->SetSubKind(10);
    TUVAoggetto* registered = Register(std::move(obj));
    if (registered)
        header::SetI32(m_header, field, registered->GetRef());
    return registered;
}

TUVAoggetto* TUVAset::PageTreeObject() { return MakeTreeObject(header::kPageTreeObject); }

TUVAoggetto* TUVAset::CustomTreeObject() { return MakeTreeObject(header::kCustomTreeObject); }

// --- browse sequence ---

int TUVAset::NeighbourPage(int pageIndex, int direction) const
{
    const TUVAoggetto* current = GetObject(testoHtml, pageIndex);
    if (!current || current->IsDeleted())
        return pageIndex;
    const int group = current->I16(page::kBrowseGroup);
    const int order = current->I16(page::kBrowseOrder);
    if (order < 0)
        return pageIndex;
    // Distances are measured along `direction`: the nearest page beyond the
    // current one wins; one exactly next to it ends the search.
    int best = pageIndex;
    int bestDistance = 0;
    const ObjectList& pages = List(testoHtml);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const TUVAoggetto* p = pages[i].get();
        if (!p || p->IsDeleted() || p == current || p->I16(page::kBrowseGroup) != group)
            continue;
        const int distance = (p->I16(page::kBrowseOrder) - order) * direction;
        if (distance > 0 && (bestDistance == 0 || distance < bestDistance)) {
            best = static_cast<int>(i);
            bestDistance = distance;
            if (distance == 1)
                break;
        }
    }
    return best;
}

int TUVAset::PreviousPage(int pageIndex) const { return NeighbourPage(pageIndex, -1); }

int TUVAset::NextPage(int pageIndex) const { return NeighbourPage(pageIndex, +1); }

// --- paragraph styles ---

int TUVAset::StyleIndex(std::string_view name) const
{
    const std::string wanted = AnsiLower(name);
    const ObjectList& styles = List(stileParagrafo);
    for (std::size_t i = 0; i < styles.size(); ++i)
        if (IsLiveStyle(styles[i].get()) && AnsiLower(styles[i]->Counted(kStyleName, kStyleNameCap)) == wanted)
            return static_cast<int>(i);
    return -1;
}

std::string TUVAset::UniqueStyleName(std::string_view name) const
{
    if (!StyleExists(name))
        return std::string(name);
    for (int n = 1;; ++n) {
        std::string candidate = std::string(name) + " " + std::to_string(n);
        if (!StyleExists(candidate))
            return candidate;
    }
}

std::vector<std::string> TUVAset::StyleNames() const
{
    std::vector<std::string> names;
    for (const auto& s : List(stileParagrafo))
        if (IsLiveStyle(s.get()))
            names.push_back(s->Counted(kStyleName, kStyleNameCap));
    std::sort(names.begin(), names.end());
    return names;
}

TUVAoggetto* TUVAset::FindStyle(std::string_view name) const
{
    const std::string wanted = AnsiUpper(name);
    for (const auto& s : List(stileParagrafo))
        if (IsLiveStyle(s.get()) && AnsiUpper(s->Counted(kStyleName, kStyleNameCap)) == wanted)
            return s.get();
    return nullptr;
}

void TUVAset::FixStyleNames()
{
    const ObjectList& styles = List(stileParagrafo);
    for (std::size_t i = 0; i < styles.size(); ++i) {
        TUVAoggetto* s = styles[i].get();
        if (!IsLiveStyle(s))
            continue;
        const std::string name = s->Counted(kStyleName, kStyleNameCap);
        const int first = StyleIndex(name);
        if (first >= 0 && static_cast<std::size_t>(first) < i) {
            // The new name is cut to the field; a name made at the capacity is
            // shortened until the numbered form fits and is free.
            std::string base = name;
            std::string unique = UniqueStyleName(base);
            while (unique.size() > kStyleNameCap && !base.empty()) {
                base.pop_back();
                unique = UniqueStyleName(base);
            }
            s->SetCounted(kStyleName, kStyleNameCap, unique);
        }
    }
}

void TUVAset::CreateDefaultStyles()
{
    ClearList(stileParagrafo);
    auto plain = TUVAoggetto::CreateCleared(this, stileParagrafo);
    plain->SetCounted(kStyleName, kStyleNameCap, "[no style]");
    plain->MarkInUse();
    m_defaultStyle = Register(std::move(plain), 0);
    auto intab = TUVAoggetto::CreateCleared(this, stileParagrafo);
    intab->SetCounted(kStyleName, kStyleNameCap, "[no style intab]");
    intab->MarkInUse();
    intab->SetI16(86, 0);
    intab->SetI16(88, 0);
    m_defaultTableStyle = Register(std::move(intab), 1);
    m_modified = false;
}

void TUVAset::AdoptDefaultStyles()
{
    const ObjectList& styles = List(stileParagrafo);
    m_defaultStyle = styles.size() > 0 ? styles[0].get() : nullptr;
    m_defaultTableStyle = styles.size() > 1 ? styles[1].get() : nullptr;
}

} // namespace quor
