// TUVAoggettoReferences.cpp: where an object refers to another one
// (IsReferencing, used by the usage report before a deletion) and the removal
// of those references when the other object is deleted (RemoveReferences).
//
// Field encodings differ by kind: some fields hold an ObjectRef, some the bare
// index of a page or image. Image fields are matched in both forms; a page's
// ObjectRef equals its index, so page fields compare directly.
#include "model/HeaderLayout.h"
#include "model/PageRefRewriter.h"
#include "model/PageTextUpgrade.h"
#include "model/ReferenceKind.h"
#include "model/TUVAoggetto.h"
#include "model/TUVAset.h"
#include "model/TUVAtesto.h"
#include "model/TZuPropLoader.h"
#include "model/records/ButtonRecord.h"
#include "model/records/FormInputRecord.h"
#include "model/records/LocalDbRecord.h"
#include "model/records/MultimediaRecord.h"
#include "model/records/PlacementRecord.h"
#include "model/records/ShortObjectRecord.h"
#include "model/records/SpecialLinkRecord.h"

#include <set>
#include <string_view>

namespace quor {

namespace {

using records::ButtonRecord;
using records::FormInputRecord;
using records::LocalDbRecord;
using records::MultimediaRecord;
using records::PlacementRecord;
using records::ShortObjectRecord;
using records::SpecialLinkRecord;

constexpr std::size_t kTableBackground = 207;
// Table cell backgrounds name a picture as 0x3000000 + its image index.
constexpr std::uint32_t kTablePictureBase = 0x3000000u;
constexpr std::string_view kMarkerLetters = "ILPF";

bool IsImageRef(ObjectRef ref) { return RefKind(ref) == immagine; }

// An image field holding the image as an ObjectRef or as its bare index.
bool ImageFieldIs(std::int32_t value, ObjectRef image)
{
    if (!IsImageRef(image) || value == kNoRef)
        return false;
    return value == image || value == RefIndex(image);
}

// A field holding a page index (a page's ObjectRef is its index).
bool PageFieldIs(std::int32_t value, ObjectRef page) { return RefKind(page) == testoHtml && value == page; }

bool TableValueIs(std::int32_t value, ObjectRef image)
{
    return IsImageRef(image) && static_cast<std::uint32_t>(value) == (kTablePictureBase | static_cast<std::uint32_t>(RefIndex(image)));
}

std::vector<std::size_t> ZoneOffsets()
{
    std::vector<std::size_t> zones;
    for (std::size_t z = 0; z < PlacementRecord::kZoneCount; ++z)
        zones.push_back(PlacementRecord::kZones + PlacementRecord::kZoneSize * z);
    return zones;
}

std::vector<std::size_t> DbLinkOffsets()
{
    std::vector<std::size_t> links;
    for (std::size_t i = 0; i < LocalDbRecord::kLinkCount; ++i)
        links.push_back(LocalDbRecord::kLinks + 4 * i);
    return links;
}

// Offsets of the 8 digits of every "!RefI:", "!RefL:", "!RefP:" or "!RefF:"
// marker of `bytes` that names `ref` (digits of either case).
std::vector<std::size_t> MarkerDigitSites(const std::vector<std::uint8_t>& bytes, ObjectRef ref)
{
    std::vector<std::size_t> sites;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    for (std::size_t pos = text.find("!Ref"); pos != std::string_view::npos; pos = text.find("!Ref", pos + 1)) {
        if (pos + 14 > text.size() || text[pos + 5] != ':' || kMarkerLetters.find(text[pos + 4]) == std::string_view::npos)
            continue;
        const auto value = ParseRefHex(text.substr(pos + 6, 8));
        if (value && *value == ref)
            sites.push_back(pos + 6);
    }
    return sites;
}

// The properties of a custom-object instance: its prototype's definitions and
// its own values. False when the prototype is missing.
bool LoadInstanceProperties(TUVAset* doc, TUVAoggetto& instance, TZuPropLoader& props)
{
    if (!doc)
        return false;
    TUVAoggetto* prototype = doc->GetObjectByRef(instance.I32(MultimediaRecord::kMedia));
    if (!prototype || prototype->Kind() != custom || prototype->IsDeleted() || !prototype->Content())
        return false;
    const auto* definitions = prototype->Content()->Bytes();
    if (!definitions)
        return false;
    props.LoadDefinitions(TZuPropLoader::DefinitionsOf(*definitions));
    if (ObjectContent* values = instance.Content())
        if (const auto* bytes = values->Bytes())
            props.LoadValues(*bytes);
    return true;
}

// Whether a property of this type holds references to objects like `ref`.
bool PropertyTypeCanName(int type, ObjectRef ref, bool removing)
{
    if (removing)
        return type == TZuPropLoader::kPageType || type == TZuPropLoader::kImageType || type == TZuPropLoader::kFileType;
    if (IsImageRef(ref))
        return type == TZuPropLoader::kImageType;
    return type == TZuPropLoader::kPageType || type == TZuPropLoader::kFileType;
}

bool PropertyNames(const TZuPropLoader::TProp& p, ObjectRef ref, bool removing)
{
    if (!PropertyTypeCanName(p.type, ref, removing))
        return false;
    const auto value = TZuPropLoader::DecimalValue(p.value);
    return value && *value == ref;
}

} // namespace

// --- usage ---

bool TUVAoggetto::FieldLeadsTo(std::int32_t value, ObjectRef ref) const
{
    if (value == kNoRef)
        return false;
    if (value == ref)
        return true;
    // A jump special link stands for the target it jumps to.
    if (RefKind(value) != speclink || !m_owner)
        return false;
    const TUVAoggetto* link = m_owner->GetObjectByRef(value);
    return link && link != this && link->Kind() == speclink && !link->IsDeleted() &&
           link->SubKind() == SpecialLinkRecord::kJump && link->I32(SpecialLinkRecord::kTarget) == ref;
}

int TUVAoggetto::IsReferencing(ObjectRef ref)
{
    if (ref == kNoRef || IsDeleted())
        return kNoReference;
    if (m_kind != custom) {
        if (ObjectContent* props = Properties())
            if (const auto* bytes = props->Bytes(); bytes && !MarkerDigitSites(*bytes, ref).empty())
                return kRefScriptHtml;
    }
    auto* page = m_kind == testoHtml ? dynamic_cast<TUVAtesto*>(this) : nullptr;
    if (page)
        UpgradeLegacyPageText(*page);

    if (RefKind(ref) == keyword) {
        if (!page)
            return kNoReference;
        for (std::size_t slot = 0; slot < 20; ++slot)
            if (I32(page::kKeywords + 4 * slot) == RefIndex(ref))
                return kRefInText;
        return kNoReference;
    }
    if (!page)
        return KindReferencing(ref);

    if (IsImageRef(ref)) {
        if (ImageFieldIs(I32(page::kBackgroundImage), ref))
            return kRefTextBackground;
    } else {
        if (PageFieldIs(I32(page::kNextSlide), ref))
            return kRefNextSlide;
        if (PageFieldIs(I32(page::kHeaderPage), ref) || PageFieldIs(I32(page::kFooterPage), ref))
            return kRefHeaderFooter;
    }
    const std::vector<RefTagSite> tags = PageRefRewriter::FindTags(page->Text());
    for (const RefTagSite& tag : tags)
        if (tag.ref == ref)
            return kRefInText;
    if (!m_owner)
        return kNoReference;
    std::set<ObjectRef> seen;
    for (const RefTagSite& tag : tags) {
        if (RefKind(tag.ref) == testoHtml || !seen.insert(tag.ref).second)
            continue;
        TUVAoggetto* obj = m_owner->GetObjectByRef(tag.ref);
        if (!obj || obj == this || obj->Kind() == testoHtml)
            continue;
        if (const int how = obj->IsReferencing(ref))
            return how;
    }
    return kNoReference;
}

int TUVAoggetto::KindReferencing(ObjectRef ref)
{
    const bool image = IsImageRef(ref);
    switch (m_kind) {
    case tabellaHtml: {
        if (!image)
            return kNoReference;
        if (TableValueIs(I32(kTableBackground), ref))
            return kRefTableBackground;
        if (ObjectContent* c = Content())
            if (const auto* cells = c->Bytes())
                for (std::size_t at = 0; at + 4 <= cells->size(); at += 4) {
                    const std::uint32_t v = (*cells)[at] | ((*cells)[at + 1] << 8) | ((*cells)[at + 2] << 16) |
                                            (static_cast<std::uint32_t>((*cells)[at + 3]) << 24);
                    if (TableValueIs(static_cast<std::int32_t>(v), ref))
                        return kRefTableBackground;
                }
        return kNoReference;
    }
    case dbloc:
        if (image)
            return ImageFieldIs(I32(LocalDbRecord::kImage), ref) ? kRefLocalDb : kNoReference;
        for (std::size_t off : DbLinkOffsets())
            if (FieldLeadsTo(I32(off), ref))
                return kRefLocalDb;
        return kNoReference;
    case immagineNew:
        if (image) {
            for (std::size_t off : {PlacementRecord::kImage, PlacementRecord::kLowResImage, PlacementRecord::kRollOverImage})
                if (ImageFieldIs(I32(off), ref))
                    return kRefInText;
            return kNoReference;
        }
        for (std::size_t off : ZoneOffsets())
            if (FieldLeadsTo(I32(off), ref))
                return kRefClickableMap;
        return kNoReference;
    case inputStat:
        if (SubKind() != FormInputRecord::kFloatingFrame)
            return kNoReference;
        if (image)
            return ImageFieldIs(I32(FormInputRecord::kFrameImage), ref) ? kRefFloatingFrame : kNoReference;
        return PageFieldIs(I32(FormInputRecord::kFramePage), ref) ? kRefFloatingFrame : kNoReference;
    case bottoneCGI:
        if (image)
            return ImageFieldIs(I32(ButtonRecord::kImage), ref) ? kRefButton : kNoReference;
        return FieldLeadsTo(I32(ButtonRecord::kLink), ref) ? kRefButton : kNoReference;
    case multiMedia: {
        if (SubKind() == MultimediaRecord::kCustomInstance) {
            if (!image && I32(MultimediaRecord::kMedia) == ref)
                return kRefCustomInstance;
            TZuPropLoader props;
            if (LoadInstanceProperties(m_owner, *this, props))
                for (const auto& p : props.Properties())
                    if (PropertyNames(p, ref, false))
                        return kRefCustomInstance;
            return kNoReference;
        }
        if (image)
            return ImageFieldIs(I32(MultimediaRecord::kAlternativeImage), ref) ? kRefAlternativeImage : kNoReference;
        return I32(MultimediaRecord::kMedia) == ref ? kRefMultimedia : kNoReference;
    }
    case speclink:
        if (SubKind() == SpecialLinkRecord::kJump && I32(SpecialLinkRecord::kTarget) == ref)
            return kRefSpecialLink;
        return kNoReference;
    case shortObj:
        if (SubKind() == ShortObjectRecord::kOpenWindow && FieldLeadsTo(I32(ShortObjectRecord::kValue), ref))
            return kRefOpenWindow;
        return kNoReference;
    case custom:
        if (ObjectContent* c = Content())
            if (const auto* bytes = c->Bytes())
                for (ObjectRef listed : TZuPropLoader::ReferenceListOf(*bytes))
                    if (listed == ref)
                        return kRefPrototype;
        return kNoReference;
    default:
        return kNoReference;
    }
}

// --- removal ---

void TUVAoggetto::RemoveReferences(ObjectRef ref)
{
    if (ref == kNoRef || IsDeleted())
        return;
    bool changed = NeutralisePropertyMarkers(ref);
    RemoveHeaderReferences(ref);
    if (auto* page = m_kind == testoHtml ? dynamic_cast<TUVAtesto*>(this) : nullptr)
        changed = RemovePageReferences(*page, ref) || changed;
    else
        changed = RemoveKindReferences(ref) || changed;
    if (changed && m_registered && m_owner)
        m_owner->SetModified(true);
}

bool TUVAoggetto::NeutralisePropertyMarkers(ObjectRef ref)
{
    ObjectContent* props = Properties();
    if (!props)
        return false;
    const auto* bytes = props->Bytes();
    if (!bytes)
        return false;
    const std::vector<std::size_t> sites = MarkerDigitSites(*bytes, ref);
    if (sites.empty())
        return false;
    std::vector<std::uint8_t>* out = props->MutableBytes();
    if (!out)
        return false;
    for (std::size_t at : sites)
        std::fill_n(out->begin() + static_cast<std::ptrdiff_t>(at), 8, static_cast<std::uint8_t>('f'));
    if (auto* page = dynamic_cast<TUVAtesto*>(this))
        page->ForgetCachedName();
    return true;
}

bool TUVAoggetto::RemoveHeaderReferences(ObjectRef ref)
{
    if (!m_owner)
        return false;
    HeaderBytes& h = m_owner->Header();
    bool changed = false;
    auto resetIf = [&](bool match, void (*set)(HeaderBytes&, std::int32_t), std::int32_t value) {
        if (match) {
            set(h, value);
            changed = true;
        }
    };
    resetIf(PageFieldIs(header::GlobalHeaderPage(h), ref), header::SetGlobalHeaderPage, -1);
    resetIf(PageFieldIs(header::GlobalFooterPage(h), ref), header::SetGlobalFooterPage, -1);
    resetIf(PageFieldIs(header::ContentsPage(h), ref), header::SetContentsPage, 0);
    resetIf(PageFieldIs(header::CoverPage(h), ref), header::SetCoverPage, 0);
    resetIf(ImageFieldIs(header::BackgroundImage(h), ref), header::SetBackgroundImage, -1);
    if (changed)
        m_owner->SetModified(true);
    return changed;
}

bool TUVAoggetto::RemovePageReferences(TUVAtesto& page, ObjectRef ref)
{
    UpgradeLegacyPageText(page);
    bool changed = false;
    auto resetField = [&](std::size_t off, bool match) {
        if (match) {
            SetI32(off, -1);
            changed = true;
        }
    };
    resetField(page::kBackgroundImage, ImageFieldIs(I32(page::kBackgroundImage), ref));
    resetField(page::kNextSlide, PageFieldIs(I32(page::kNextSlide), ref));
    resetField(page::kHeaderPage, PageFieldIs(I32(page::kHeaderPage), ref));
    resetField(page::kFooterPage, PageFieldIs(I32(page::kFooterPage), ref));
    if (RefKind(ref) == keyword)
        for (std::size_t slot = 0; slot < 20; ++slot)
            resetField(page::kKeywords + 4 * slot, I32(page::kKeywords + 4 * slot) == RefIndex(ref));

    std::string text = page.Text();
    bool textChanged = false;
    std::set<ObjectRef> visited;
    std::set<ObjectRef> neutralised;
    for (const RefTagSite& tag : PageRefRewriter::FindTags(text)) {
        if (tag.ref == ref || neutralised.count(tag.ref)) {
            textChanged = PageRefRewriter::RewriteTag(text, tag.offset, kNoRef) || textChanged;
            continue;
        }
        if (!m_owner || RefKind(tag.ref) == testoHtml || !visited.insert(tag.ref).second)
            continue;
        TUVAoggetto* obj = m_owner->GetObjectByRef(tag.ref);
        if (!obj || obj == this || obj->Kind() == testoHtml || obj->IsDeleted())
            continue;
        const bool hadImage = obj->Kind() == immagineNew && obj->I32(PlacementRecord::kImage) != kNoRef;
        obj->RemoveReferences(ref);
        if (hadImage && obj->I32(PlacementRecord::kImage) == kNoRef) {
            // A placement without its image shows nothing: its tag goes and it
            // becomes a free slot.
            neutralised.insert(tag.ref);
            textChanged = PageRefRewriter::RewriteTag(text, tag.offset, kNoRef) || textChanged;
            obj->Clear();
            m_owner->SetModified(true);
        }
    }
    if (textChanged) {
        page.SetText(text);
        changed = true;
    }
    return changed;
}

bool TUVAoggetto::DropSpecialLinkTarget(std::int32_t value, ObjectRef ref)
{
    if (value == kNoRef || value == ref || RefKind(value) != speclink || !m_owner)
        return false;
    TUVAoggetto* link = m_owner->GetObjectByRef(value);
    if (!link || link == this || link->Kind() != speclink || link->IsDeleted() ||
        link->SubKind() != SpecialLinkRecord::kJump || link->I32(SpecialLinkRecord::kTarget) != ref)
        return false;
    link->SetI32(SpecialLinkRecord::kTarget, kNoRef);
    if (link->Registered())
        m_owner->SetModified(true);
    return true;
}

bool TUVAoggetto::RemoveKindReferences(ObjectRef ref)
{
    bool changed = false;
    auto resetIf = [&](std::size_t off, bool match) {
        if (match) {
            SetI32(off, -1);
            changed = true;
        }
    };
    // A field that names `ref`, directly or through a jump special link.
    auto linkField = [&](std::size_t off) {
        DropSpecialLinkTarget(I32(off), ref);
        resetIf(off, I32(off) == ref);
    };
    switch (m_kind) {
    case speclink:
        if (SubKind() == SpecialLinkRecord::kJump)
            resetIf(SpecialLinkRecord::kTarget, I32(SpecialLinkRecord::kTarget) == ref);
        break;
    case shortObj:
        if (SubKind() == ShortObjectRecord::kOpenWindow)
            linkField(ShortObjectRecord::kValue);
        break;
    case custom: {
        ObjectContent* c = Content();
        const auto* bytes = c ? c->Bytes() : nullptr;
        if (!bytes)
            break;
        const std::vector<ObjectRef> listed = TZuPropLoader::ReferenceListOf(*bytes);
        for (std::size_t i = 0; i < listed.size(); ++i) {
            if (listed[i] != ref)
                continue;
            std::vector<std::uint8_t>* out = c->MutableBytes();
            if (!out)
                break;
            std::fill_n(out->begin() + static_cast<std::ptrdiff_t>(4 + 4 * i), 4, std::uint8_t{0xFF});
            changed = true;
        }
        break;
    }
    case dbloc:
        for (std::size_t off : DbLinkOffsets())
            linkField(off);
        resetIf(LocalDbRecord::kImage, ImageFieldIs(I32(LocalDbRecord::kImage), ref));
        break;
    case immagineNew:
        for (std::size_t off : {PlacementRecord::kImage, PlacementRecord::kLowResImage, PlacementRecord::kRollOverImage})
            resetIf(off, ImageFieldIs(I32(off), ref));
        for (std::size_t off : ZoneOffsets())
            linkField(off);
        break;
    case inputStat:
        // Only a floating frame holds a page and an image; in other fields these
        // bytes belong to the value text.
        if (SubKind() == FormInputRecord::kFloatingFrame) {
            resetIf(FormInputRecord::kFrameImage, ImageFieldIs(I32(FormInputRecord::kFrameImage), ref));
            resetIf(FormInputRecord::kFramePage, PageFieldIs(I32(FormInputRecord::kFramePage), ref));
        }
        break;
    case bottoneCGI:
        linkField(ButtonRecord::kLink);
        resetIf(ButtonRecord::kImage, ImageFieldIs(I32(ButtonRecord::kImage), ref));
        break;
    case multiMedia: {
        resetIf(MultimediaRecord::kMedia, I32(MultimediaRecord::kMedia) == ref);
        resetIf(MultimediaRecord::kAlternativeImage, ImageFieldIs(I32(MultimediaRecord::kAlternativeImage), ref));
        if (SubKind() != MultimediaRecord::kCustomInstance)
            break;
        TZuPropLoader props;
        if (!LoadInstanceProperties(m_owner, *this, props))
            break;
        bool valuesChanged = false;
        for (auto& p : props.Properties()) {
            if (PropertyNames(p, ref, true)) {
                p.value = "-1";
                valuesChanged = true;
            }
        }
        if (valuesChanged) {
            SetContentBytes(props.SaveValues());
            changed = true;
        }
        break;
    }
    case tabellaHtml: {
        if (!IsImageRef(ref))
            break;
        resetIf(kTableBackground, TableValueIs(I32(kTableBackground), ref));
        ObjectContent* c = Content();
        const auto* cells = c ? c->Bytes() : nullptr;
        if (!cells)
            break;
        std::vector<std::size_t> hits;
        for (std::size_t at = 0; at + 4 <= cells->size(); at += 4) {
            const std::uint32_t v = (*cells)[at] | ((*cells)[at + 1] << 8) | ((*cells)[at + 2] << 16) |
                                    (static_cast<std::uint32_t>((*cells)[at + 3]) << 24);
            if (TableValueIs(static_cast<std::int32_t>(v), ref))
                hits.push_back(at);
        }
        if (hits.empty())
            break;
        if (std::vector<std::uint8_t>* out = c->MutableBytes()) {
            for (std::size_t at : hits)
                std::fill_n(out->begin() + static_cast<std::ptrdiff_t>(at), 4, std::uint8_t{0xFF});
            changed = true;
        }
        break;
    }
    default:
        break;
    }
    return changed;
}

} // namespace quor
