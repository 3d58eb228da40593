// TUVAoggetto.cpp: records, blocks and per-kind operations of objects.
#include "model/TUVAoggetto.h"

#include "base/ByteReader.h"
#include "base/ByteWriter.h"
#include "model/AnsiCase.h"
#include "model/BackingFile.h"
#include "model/HeaderLayout.h"
#include "model/PageTextUpgrade.h"
#include "model/TUVAset.h"
#include "model/TUVAtesto.h"
#include "model/UvaFileProbe.h"
#include "model/links/QuorLink.h"
#include "model/records/EmbeddedName.h"
#include "model/records/TableRecord.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

namespace quor {

namespace {

struct NameField {
    int offset;
    int capacity;
};

// Name field of the kinds whose name is a plain record string.
std::optional<NameField> NameFieldOf(int kind)
{
    switch (kind) {
    case testoHtml: return NameField{5, 71};
    case internetLink: return NameField{5, 127};
    case zipLink:
    case genLink: return NameField{5, 79};
    case keyword: return NameField{0, 79};
    case immagine:
    case mappaClic: return NameField{5, 71};
    case programma: return NameField{5, 75};
    case mappaFrame: return NameField{5, 79};
    case custom: return NameField{17, 40};
    case dbloc: return NameField{17, 15};
    case immagineNew: return NameField{28, 32};
    case stileParagrafo:
    case fontFace: return NameField{5, 32};
    case inputStat:
    case inputDin:
    case bottoneCGI: return NameField{17, 79};
    case inizioForm: return NameField{17, 255};
    default: return std::nullopt;
    }
}

std::optional<NameField> FileNameFieldOf(int kind)
{
    switch (kind) {
    case zipLink:
    case genLink: return NameField{5, 79};
    case immagine:
    case mappaClic: return NameField{94, 75};
    case programma: return NameField{81, 127};
    default: return std::nullopt;
    }
}

int RevisionOffset(int kind)
{
    switch (kind) {
    case testoHtml: return 196;
    case zipLink:
    case genLink: return 89;
    case immagine:
    case mappaClic: return 77;
    default: return -1;
    }
}

std::string TextUpToNul(const std::vector<std::uint8_t>& bytes, std::size_t from = 0)
{
    if (from >= bytes.size())
        return {};
    auto begin = bytes.begin() + static_cast<std::ptrdiff_t>(from);
    auto end = std::find(begin, bytes.end(), std::uint8_t{0});
    return std::string(begin, end);
}

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

const char* const kTemplateLabels[] = {"Image reference:", "Page or link reference:",
                                       "Put here the text of page #:", "Master object reference:",
                                       "X size", "Y size"};

} // namespace

TUVAoggetto::TUVAoggetto() { m_record.fill(0); }

TUVAoggetto::TUVAoggetto(TUVAset* owner, int kind) : m_kind(kind), m_owner(owner) { m_record.fill(0); }

TUVAoggetto::~TUVAoggetto() = default;

std::unique_ptr<TUVAoggetto> TUVAoggetto::CreateOfKind(TUVAset* owner, int kind)
{
    if (kind == testoHtml)
        return std::make_unique<TUVAtesto>(owner);
    return std::make_unique<TUVAoggetto>(owner, kind);
}

std::unique_ptr<TUVAoggetto> TUVAoggetto::CreateCleared(TUVAset* owner, int kind)
{
    auto obj = CreateOfKind(owner, kind);
    obj->Clear();
    return obj;
}

IMessages& TUVAoggetto::Msg() const
{
    static SilentMessages silent;
    return m_owner ? m_owner->Messages() : silent;
}

int TUVAoggetto::DocumentRevision() const { return m_owner ? m_owner->Revision() : 0; }

std::unique_ptr<TUVAoggetto> TUVAoggetto::SetKind(int kind)
{
    std::unique_ptr<TUVAoggetto> self;
    if (m_kind < none && m_registered && m_owner && m_owner->GetObject(m_kind, m_index) == this)
        self = m_owner->EmptySlot(m_kind, m_index);
    m_registered = false;
    m_kind = kind;
    return self;
}

// --- record access ---

std::uint8_t TUVAoggetto::U8(std::size_t off) const { return off < m_record.size() ? m_record[off] : 0xFF; }

void TUVAoggetto::SetU8(std::size_t off, std::uint8_t v)
{
    if (off < m_record.size())
        m_record[off] = v;
}

std::int16_t TUVAoggetto::I16(std::size_t off) const
{
    if (off + 2 > m_record.size())
        return -1;
    return static_cast<std::int16_t>(m_record[off] | (m_record[off + 1] << 8));
}

void TUVAoggetto::SetI16(std::size_t off, std::int16_t v)
{
    if (off + 2 > m_record.size())
        return;
    m_record[off] = static_cast<std::uint8_t>(v);
    m_record[off + 1] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(v) >> 8);
}

std::int32_t TUVAoggetto::I32(std::size_t off) const
{
    if (off + 4 > m_record.size())
        return -1;
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i)
        v |= static_cast<std::uint32_t>(m_record[off + i]) << (8 * i);
    return static_cast<std::int32_t>(v);
}

void TUVAoggetto::SetI32(std::size_t off, std::int32_t v)
{
    if (off + 4 > m_record.size())
        return;
    for (std::size_t i = 0; i < 4; ++i)
        m_record[off + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i));
}

std::string TUVAoggetto::Counted(std::size_t off, std::size_t cap) const
{
    if (off + 1 + cap > m_record.size())
        cap = off < m_record.size() ? m_record.size() - off - 1 : 0;
    if (off >= m_record.size())
        return {};
    const std::size_t len = m_record[off];
    if (len > cap)
        return {};
    return std::string(reinterpret_cast<const char*>(m_record.data() + off + 1), len);
}

void TUVAoggetto::SetCounted(std::size_t off, std::size_t cap, std::string_view s)
{
    if (off >= m_record.size())
        return;
    cap = std::min({cap, m_record.size() - off - 1, std::size_t{255}});
    const std::size_t len = std::min(s.size(), cap);
    m_record[off] = static_cast<std::uint8_t>(len);
    std::memcpy(m_record.data() + off + 1, s.data(), len);
}

// --- blocks ---

std::string TUVAoggetto::ContentText()
{
    if (!m_content)
        return {};
    const auto* bytes = m_content->Bytes();
    return bytes ? TextUpToNul(*bytes) : std::string();
}

std::string TUVAoggetto::PropertiesText()
{
    if (!m_properties)
        return {};
    const auto* bytes = m_properties->Bytes();
    return bytes ? TextUpToNul(*bytes) : std::string();
}

std::string TUVAoggetto::AttributeText()
{
    if (!m_properties)
        return {};
    const auto* bytes = m_properties->Bytes();
    if (!bytes)
        return {};
    ByteReader in(*bytes);
    const auto len = in.I32();
    if (!len)
        return {};
    // A list length that is negative or beyond the block leaves no attribute text.
    if (*len < 0 || static_cast<std::size_t>(*len) > in.Remaining())
        return {};
    return TextUpToNul(*bytes, 4 + static_cast<std::size_t>(*len));
}

// --- revision, clear, in use ---

int TUVAoggetto::GetRevision() const
{
    const int off = RevisionOffset(m_kind);
    return off < 0 ? DocumentRevision() : I32(static_cast<std::size_t>(off));
}

void TUVAoggetto::SetRevision(int revision)
{
    const int off = RevisionOffset(m_kind);
    if (off >= 0)
        SetI32(static_cast<std::size_t>(off), revision);
}

void TUVAoggetto::ReleaseReferencedSpecialLinks()
{
    if (!m_owner)
        return;
    std::vector<ObjectRef> refs;
    switch (m_kind) {
    case shortObj:
        if (SubKind() != 14 && SubKind() != 15)
            refs.push_back(I32(5));
        break;
    case dbloc:
        for (std::size_t off : {51u, 55u, 59u, 63u})
            refs.push_back(I32(off));
        break;
    case immagineNew:
        for (std::size_t z = 0; z < 30; ++z)
            refs.push_back(I32(73 + 16 * z));
        break;
    case bottoneCGI:
        refs.push_back(I32(181));
        break;
    default:
        return;
    }
    for (ObjectRef ref : refs) {
        if (ref == kNoRef || RefKind(ref) != speclink)
            continue;
        TUVAoggetto* link = m_owner->GetObjectByRef(ref);
        if (link && link != this && link->Kind() == speclink)
            link->Clear();
    }
}

void TUVAoggetto::Clear()
{
    ReleaseReferencedSpecialLinks();
    m_record.fill(0xFF);
    m_externalFile.clear();
    ClearKindDefaults();
    m_content.reset();
    m_properties.reset();
}

void TUVAoggetto::ClearKindDefaults()
{
    const int revision = DocumentRevision();
    switch (m_kind) {
    case internetLink:
        SetSubKind(5);
        break;
    case genLink:
        SetSubKind(5);
        SetRevision(revision);
        break;
    case keyword:
        SetCounted(0, 79, "-");
        break;
    case immagine:
        SetSubKind(3);
        SetU8(666, 0);
        SetRevision(revision);
        break;
    case programma:
        SetSubKind(1);
        break;
    case tabellaHtml:
        SetSubKind(0);
        for (std::size_t c = 0; c < 50; ++c) {
            SetU8(5 + c, 1);
            SetI16(97 + 2 * c, 0);
        }
        SetU8(55, 1);
        SetU8(88, 100);
        SetU8(89, 100);
        SetU8(90, 2);
        SetU8(91, 2);
        SetU8(92, 0);
        SetU8(93, 1);
        SetU8(94, 1);
        SetU8(95, 0);
        SetU8(96, 0);
        SetI32(197, 0);
        SetI32(201, 0);
        SetI16(205, 0);
        SetI32(211, static_cast<std::int32_t>(0x80000014u));  // button highlight
        SetI32(215, static_cast<std::int32_t>(0x80000010u));  // button shadow
        SetU8(219, 2);
        break;
    case mappaFrame:
        SetSubKind(1);
        SetCounted(5, 79, "Map");
        break;
    case speclink:
        SetSubKind(0);
        SetCounted(19, 19, "Zu");
        break;
    case custom:
        SetSubKind(0);
        SetCounted(17, 40, "New prototype");
        break;
    case dbloc:
        SetSubKind(0);
        SetCounted(17, 15, "db");
        SetU8(46, 0);
        break;
    case stileParagrafo:
        m_record.fill(0);
        SetCounted(39, 32, "Times New Roman");
        SetI16(72, 12);
        SetI32(74, 0);
        SetU8(78, 0);
        SetI16(79, -1);
        SetI32(81, 0xFF0000);
        SetU8(85, 4);
        SetI16(86, 10);
        SetI16(88, 10);
        SetI16(90, 0);
        SetI16(92, 0);
        SetI16(94, -32000);
        SetI16(96, 0);
        SetU8(98, 1);
        break;
    case shortObj:
    case immagineNew:
    case fontFace:  // deleted when sub-kind 0: a cleared font face must read as deleted
    case formato:
    case inputStat:
    case inputDin:
    case bottoneCGI:
    case inizioForm:
    case multiMedia:
        SetSubKind(0);
        break;
    default:
        break;
    }
}

void TUVAoggetto::MarkInUse()
{
    const int inUse = KindInfoOf(m_kind).inUseSubKind;
    if (inUse >= 0)
        SetSubKind(inUse);
    if (m_kind == testoHtml) {
        SetContentBytes(std::vector<std::uint8_t>(kEmptyPageText.begin(), kEmptyPageText.end()));
        if (auto* page = dynamic_cast<TUVAtesto*>(this))
            page->ForgetCachedName();
    }
    SetRevision(DocumentRevision());
}

bool TUVAoggetto::IsDeleted() const
{
    const KindInfo& info = KindInfoOf(m_kind);
    switch (info.deleted) {
    case DeletedRule::Never: return false;
    case DeletedRule::SubKindEquals: return SubKind() == info.deletedSubKind;
    case DeletedRule::KeywordDash: return Counted(0, 79) == "-";
    }
    return false;
}

// --- names and descriptions ---

std::string TUVAoggetto::GetName() const
{
    auto* self = const_cast<TUVAoggetto*>(this);
    if (m_kind == speclink) {
        switch (SubKind()) {
        case 1: {
            if (U8(18) == 6)
                return "--";
            TUVAoggetto* target = m_owner ? m_owner->GetObjectByRef(I32(13)) : nullptr;
            return target && target != this ? target->GetName() : std::string();
        }
        case 2: return "Close window: " + Counted(19, 19);
        case 3: return "keywords window";
        case 4: return "previous page";
        case 5: return "next page";
        case 6: return "Auto import";
        default: return {};
        }
    }
    if (m_kind == shortObj) {
        const int sub = SubKind();
        const std::int32_t value = I32(5);
        if (sub == 10)
            return self->ContentText();
        if (sub == 11 || sub == 12)
            return self->AttributeText();
        if (sub == 13) {
            TUVAoggetto* ref = m_owner ? m_owner->GetObjectByRef(value) : nullptr;
            return ref && ref != this ? ref->GetName() : std::string();
        }
        if (sub == 14)
            return "Anchor: a" + std::to_string(value);
        if (sub == 15)
            return "Link" + std::to_string(value);
        if (sub >= 21 && sub <= 26) {
            std::string label = kTemplateLabels[sub - 21];
            if (sub <= 24) {
                TUVAset* wrapper = m_owner ? m_owner->WrapperSet() : nullptr;
                TUVAoggetto* ref = wrapper ? wrapper->GetObjectByRef(value) : nullptr;
                label += " " + (ref ? ref->GetName() : std::string());
            }
            return label;
        }
        if (sub == 27 || sub == 28)
            return HasContent() ? self->ContentText() : "File #" + std::to_string(value);
        return {};
    }
    const auto field = NameFieldOf(m_kind);
    if (!field)
        return {};
    return Counted(static_cast<std::size_t>(field->offset), static_cast<std::size_t>(field->capacity));
}

void TUVAoggetto::SetName(std::string_view name)
{
    const auto field = NameFieldOf(m_kind);
    if (field)
        SetCounted(static_cast<std::size_t>(field->offset), static_cast<std::size_t>(field->capacity), name);
}

std::string TUVAoggetto::GetFileName() const
{
    const auto field = FileNameFieldOf(m_kind);
    if (!field)
        return {};
    return Counted(static_cast<std::size_t>(field->offset), static_cast<std::size_t>(field->capacity));
}

void TUVAoggetto::SetFileName(std::string_view name)
{
    const auto field = FileNameFieldOf(m_kind);
    if (!field)
        return;
    const auto capacity = static_cast<std::size_t>(field->capacity);
    if (m_kind == programma) {
        SetCounted(static_cast<std::size_t>(field->offset), capacity, name);
        return;
    }
    std::string stored = records::WithoutFolder(name);
    if (m_owner) {
        const auto dot = stored.rfind('.');
        const std::size_t extLength = dot == std::string::npos ? 0 : stored.size() - dot;
        // The short form must fit itself, or a long extension would never settle.
        const bool enforceLength = 8 + extLength <= capacity;
        stored = records::UniqueEmbeddedName(stored, [&](std::string_view lower) {
            if (enforceLength && lower.size() > capacity)
                return true;
            for (int kind : {genLink, zipLink, immagine, mappaClic})
                for (const auto& obj : m_owner->List(kind))
                    if (obj && obj.get() != this && AnsiLower(obj->GetFileName()) == lower)
                        return true;
            return false;
        });
    }
    SetCounted(static_cast<std::size_t>(field->offset), capacity, stored);
}

std::string TUVAoggetto::GetDescription() const
{
    if (IsDeleted())
        return "Undefined.";
    auto* self = const_cast<TUVAoggetto*>(this);
    const std::string q = "\"";
    const int sub = SubKind();
    std::string result;
    auto captionOf = [this](ObjectRef ref) -> std::string {
        TUVAoggetto* o = m_owner ? m_owner->GetObjectByRef(ref) : nullptr;
        if (!o || o == this)
            return {};
        const std::string d = o->GetDescription();
        return d.substr(0, d.find('|'));
    };
    switch (m_kind) {
    case testoHtml: {
        const std::string title = GetName();
        return title + "|Link to: " + title + " (" + std::to_string(m_index) + ")";
    }
    case internetLink: {
        const std::string address = GetName();
        if (std::string d = HypertextLinkDescription(address); !d.empty())
            return d;
        if (address.rfind("mailto:", 0) == 0) {
            const std::string mail = address.substr(7);
            return mail + "|Link to e-mail: " + mail;
        }
        return address + "|Link to: " + address;
    }
    case genLink: {
        const std::string file = GetFileName();
        return file + "|Link to file: " + file;
    }
    case immagine:
        return GetName();
    case speclink: {
        if (sub == 1) {
            static const char* const kActions[] = {"replace current window with", "replace frame \"",
                                                   "create in indipendent window", "create new browser",
                                                   "create in popup", "jump to"};
            const int action = U8(18);
            const ObjectRef target = I32(13);
            const std::string caption = captionOf(target);
            std::string hint;
            if (action == 6) {
                hint = "Here we jump in current page, to anchor: ";
            } else {
                hint = "Here we ";
                if (action >= 0 && action <= 5)
                    hint += kActions[action];
                if (action == 1)
                    hint += Counted(19, 19) + q + " with";
                else if (action >= 2 && action <= 4)
                    hint += " " + q + Counted(19, 19) + q + " ";
                hint += std::string(" ") + (U8(17) == 1 ? "the frame set" : "the page") + ": " + caption;
                if (I32(9) != -1)
                    hint += " #a" + std::to_string(I32(9));
                if (target != kNoRef)
                    hint += " @" + std::to_string(RefIndex(target));
            }
            result = caption + "|" + hint;
        } else if (sub == 2) {
            const std::string name = Counted(19, 19);
            result = "Close window: " + name + "|Close window: " + name;
        } else if (sub == 3) {
            result = "Keywords|Link to: keywords window";
        } else if (sub == 4) {
            result = "previous page|Link to: previous page";
        } else if (sub == 5) {
            result = "next page|Link to: next page";
        } else if (sub == 6) {
            const std::string text = self->ContentText();
            result = HasContent() ? text + "|Auto import:" + text : "|Auto import";
        }
        break;
    }
    case shortObj: {
        std::string name = GetName();
        if (sub == 27)
            name = "Parameter: " + name;
        else if (sub == 28)
            name = "File: " + name;
        return name + "|" + name;
    }
    case custom: {
        const std::string name = GetName();
        return name + "|Custom  " + name;
    }
    case inputStat: {
        static const char* const kFields[] = {"Edit box: ", "Password box: ", "File box: ", "Text box: ",
                                              "Invisible: ", "Radio button: ", "Check box: ", "List: ",
                                              "Combo list: "};
        result = (sub >= 1 && sub <= 9) ? kFields[sub - 1] : "";
        result += GetName();
        if (sub == 5 || sub == 6 || (sub >= 1 && sub <= 3 && U8(180) != 0))
            result += "\r\n(" + Counted(97, 79) + ")";
        break;
    }
    case inputDin:
        if (sub == 1)
            result = "Dyn edit box: " + GetName();
        else if (sub == 11)
            result = "Live list, server side";
        else if (sub == 12)
            result = "HTML, server side";
        break;
    case bottoneCGI: {
        const std::string linked = captionOf(I32(181));
        result = linked.empty() ? "Button" : linked;
        if (sub == 1)
            result += " for submit";
        else if (sub == 3)
            result += " for reset";
        if (!GetName().empty())
            result += ": " + GetName();
        break;
    }
    case inizioForm:
        result = "Form start: " + Counted(17, 255);
        break;
    case multiMedia: {
        TUVAoggetto* media = m_owner ? m_owner->GetObjectByRef(I32(17)) : nullptr;
        if (sub >= 1 && sub <= 4)
            result = std::string(sub <= 2 ? "Sound: " : "Video: ") + "\r\n(" +
                     (media ? media->GetFileName() : std::string()) + ")";
        else if (sub == 5)
            result = "Java / ActiveX / Embed: \r\n" + self->AttributeText();
        else if (sub == 6)
            result = "Custom \r\n(" + (media ? media->GetName() : std::string()) + ")";
        break;
    }
    default:
        return GetName();
    }
    if ((m_kind == speclink || m_kind == inputStat || m_kind == inputDin || m_kind == bottoneCGI ||
         m_kind == inizioForm) &&
        m_properties && m_properties->Size() > 5)
        result += "\r\n----------\r\n" + self->AttributeText();
    return result;
}

// --- locations and content writing ---

std::pair<std::int64_t, std::int64_t> TUVAoggetto::ContentLocation() const
{
    const KindInfo& info = KindInfoOf(m_kind);
    if (IsDeleted() || info.contentPos < 0)
        return {0, 0};
    const std::int64_t pos = I32(static_cast<std::size_t>(info.contentPos));
    std::int64_t len = info.contentLenIsU16 ? records::ConstTableRecord(m_record.data()).ContentLength()
                                            : I32(static_cast<std::size_t>(info.contentLen));
    if (m_kind == multiMedia && len == -1)
        len = 0;
    if (pos < 0 || len < 0)
        return {0, 0};
    const std::int64_t start = m_owner ? m_owner->DataAreaStart() : 0;
    return {len, pos + start};
}

std::pair<std::int64_t, std::int64_t> TUVAoggetto::PropertiesLocation() const
{
    const KindInfo& info = KindInfoOf(m_kind);
    if (IsDeleted() || info.propertiesPos < 0)
        return {0, 0};
    const std::int64_t pos = I32(static_cast<std::size_t>(info.propertiesPos));
    const std::int64_t len = I32(static_cast<std::size_t>(info.propertiesLen));
    if (pos < 0 || len < 0)
        return {0, 0};
    const std::int64_t start = m_owner ? m_owner->DataAreaStart() : 0;
    return {len, pos + start};
}

std::int64_t TUVAoggetto::WriteContent(std::vector<std::uint8_t>& out, bool withHeader,
                                       std::vector<std::string>* errors)
{
    const std::vector<std::uint8_t>* bytes = nullptr;
    std::vector<std::uint8_t> fileBytes;
    std::string failedName;
    if (m_content) {
        bytes = m_content->Bytes();
        if (!bytes)
            failedName = m_content->Source() ? m_content->Source()->Name() : std::string();
    } else if ((m_kind == genLink || m_kind == immagine || m_kind == immagineNew) && !m_externalFile.empty()) {
        if (ReadWholeFile(m_externalFile, fileBytes))
            bytes = &fileBytes;
        else
            failedName = m_externalFile;
    }
    if (!bytes && !failedName.empty()) {
        const std::string line = "Error in file opening: " + failedName;
        if (errors)
            errors->push_back(line);
        else
            Msg().Error(line);
    }
    const std::int64_t len = bytes ? static_cast<std::int64_t>(bytes->size()) : 0;
    ByteWriter w;
    if (withHeader) {
        w.I32(static_cast<std::int32_t>(len));
        w.I32(0);
    }
    out.insert(out.end(), w.Data().begin(), w.Data().end());
    if (bytes)
        out.insert(out.end(), bytes->begin(), bytes->end());
    return len;
}

// --- equality, attributes, assignment ---

bool TUVAoggetto::SameAs(TUVAoggetto& other)
{
    if (IsDeleted())
        return false;
    switch (m_kind) {
    case internetLink:
    case keyword:
        return other.Kind() == m_kind && !other.IsDeleted() && GetName() == other.GetName();
    case immagine: {
        if (other.Kind() != immagine || !m_content || !other.m_content)
            return false;
        if (m_content->Size() != other.m_content->Size())
            return false;
        const auto* a = m_content->Bytes();
        const auto* b = other.m_content->Bytes();
        return a && b && *a == *b;
    }
    case stileParagrafo: {
        if (other.Kind() != stileParagrafo)
            return false;
        if (!std::equal(m_record.begin() + 72, m_record.begin() + 115, other.m_record.begin() + 72))
            return false;
        auto isDefault = [](const TUVAoggetto& o) { return o.m_registered && (o.m_index == 0 || o.m_index == 1); };
        if (isDefault(*this) || isDefault(other))
            return true;
        return Counted(39, 32) == other.Counted(39, 32);
    }
    default:
        return false;
    }
}

std::string TUVAoggetto::GetAttribute(std::string_view name)
{
    if (m_kind == custom)
        return {};
    const std::string text = AttributeText();
    const std::string wanted = AnsiLower(name);
    auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && isBlank(text[i]))
            ++i;
        const std::size_t nameStart = i;
        while (i < text.size() && !isBlank(text[i]) && text[i] != '=')
            ++i;
        const std::string attr = text.substr(nameStart, i - nameStart);
        std::string value;
        if (i < text.size() && text[i] == '=') {
            ++i;
            if (i < text.size() && (text[i] == '"' || text[i] == '\'')) {
                const char quote = text[i++];
                const std::size_t end = text.find(quote, i);
                const std::size_t stop = end == std::string::npos ? text.size() : end;
                value = text.substr(i, stop - i);
                i = end == std::string::npos ? text.size() : end + 1;
            } else {
                const std::size_t start = i;
                while (i < text.size() && !isBlank(text[i]))
                    ++i;
                value = text.substr(start, i - start);
            }
        }
        if (!attr.empty() && AnsiLower(attr) == wanted)
            return value;
        if (attr.empty() && i == nameStart)
            ++i;  // a stray "=" makes progress
    }
    return {};
}

void TUVAoggetto::Assign(TUVAoggetto& source)
{
    if (&source == this)
        return;
    if (source.Kind() == mappaClic) {
        Msg().Error("mappaclic presente ancora! bug!");
        return;
    }
    if (auto* page = dynamic_cast<TUVAtesto*>(&source))
        UpgradeLegacyPageText(*page);
    const bool toPlacement = source.Kind() == immagine;
    m_kind = toPlacement ? immagineNew : source.Kind();
    if (toPlacement)
        m_content.reset();
    else
        m_content = source.m_content;
    m_properties = source.m_properties;
    m_index = source.m_index;
    m_record = source.m_record;
    m_owner = source.m_owner;
    m_externalFile = toPlacement ? std::string() : source.m_externalFile;
    if (!toPlacement)
        return;
    const RecordImage image = source.m_record;
    SetI32(0, source.Index());
    SetSubKind(1);
    SetU8(13, image[89]);
    SetU8(14, 0);  // no border: the image's name bytes are no border setting
    const std::int16_t width = source.I16(85);
    const std::int16_t height = source.I16(87);
    SetI16(15, width);
    SetI16(17, height);
    SetI16(19, width);
    SetI16(21, height);
    SetU8(23, 0);
    SetI32(24, 0xFF0000);
    SetCounted(28, 32, source.Counted(5, 71).substr(0, 32));
    SetI32(5, -1);
    SetI32(9, -1);
    SetI32(69, -1);
    const bool hasOrigin = source.I32(662) != -1 || image[666] != 0;
    for (std::size_t i = 0; i < 480; ++i)
        m_record[73 + i] = hasOrigin ? image[182 + i] : 0xFF;
}

std::string TUVAoggetto::HypertextLinkDescription(const std::string& address) const
{
    const std::string documentFile = m_owner ? m_owner->UVAFileName() : std::string();
    const int coverPage = m_owner ? m_owner->GetCoverPage() : 0;
    const links::QuorLink link = links::ParseQuorLink(address, documentFile, coverPage);
    if (!link.isQuorLink || link.sameFile || link.file.empty())
        return {};
    int page = link.page;
    if (page == links::kCoverPageOfTarget) {
        // The cover page of the other hypertext, from its header.
        if (const auto file = BackingFile::Open(link.file)) {
            HeaderBytes h{};
            if (file->ReadInto(0, h) && AnsiUpper(header::GetMagic(h)) == "MORV")
                page = header::CoverPage(h);
        }
    }
    std::string shown = ReadPageTitleFromFile(link.file, page);
    if (shown.empty())
        shown = std::to_string(page);
    const std::string text = link.file + " Pag.:" + shown;
    return text + "|Link to hypertext: " + text;
}

std::string TUVAoggetto::HtmlName()
{
    const std::string position = std::to_string(m_printIndex >= 0 ? m_printIndex : m_index);
    switch (m_kind) {
    case dbloc:
    case inputStat:
    case inputDin:
    case bottoneCGI: {
        const std::string name = AnsiLower(GetName());
        return name.empty() ? "element" + position : name;
    }
    case immagineNew:
        return GetAttribute("name");
    case inizioForm: {
        const std::string name = GetAttribute("name");
        return name.empty() ? "formstart" + position : name;
    }
    default:
        return {};
    }
}

bool TUVAoggetto::ReplaceContent(TUVAoggetto& other)
{
    if (m_kind != immagine || other.Kind() != immagine) {
        Msg().Error("ReplaceContent called improperly...");
        return false;
    }
    if (&other == this)
        return true;
    if (m_registered && m_owner && m_owner->OnObjectUndoStep)
        m_owner->OnObjectUndoStep("Modify image " + GetName(), *this);
    std::vector<std::uint8_t> transfer = other.SaveToStream();
    ByteReader in(transfer);
    const std::string oldFile = m_externalFile;
    if (!LoadFromStream(in))
        return false;
    // The bytes travel in the content: the other object's file stays its own,
    // and a picture cached under the old file is never served for the new bytes.
    if (m_content || m_externalFile == oldFile)
        m_externalFile.clear();
    SetRevision(DocumentRevision());
    if (m_registered && m_owner)
        m_owner->SetModified(true);
    return true;
}

// --- transfer record ---

std::vector<std::uint8_t> TUVAoggetto::SaveToStream()
{
    ByteWriter w;
    w.I32(m_index);
    w.U8(static_cast<std::uint8_t>(m_kind));
    w.Bytes(m_record);
    w.I32(static_cast<std::int32_t>(m_externalFile.size()));
    w.Text(m_externalFile);
    std::vector<std::uint8_t> out = std::move(w.Data());
    WriteContent(out, true);
    ByteWriter p;
    const std::vector<std::uint8_t>* props = m_properties ? m_properties->Bytes() : nullptr;
    p.I32(props ? static_cast<std::int32_t>(props->size()) : 0);
    if (props)
        p.Bytes(*props);
    out.insert(out.end(), p.Data().begin(), p.Data().end());
    return out;
}

bool TUVAoggetto::LoadFromStream(ByteReader& in)
{
    const auto index = in.I32();
    const auto kind = in.U8();
    const auto record = in.Bytes(kRecordImageSize);
    const auto extLen = in.I32();
    if (!index || !kind || !record || !extLen || *extLen < 0 || static_cast<std::size_t>(*extLen) > in.Remaining())
        return false;
    const auto ext = in.Bytes(static_cast<std::size_t>(*extLen));
    if (m_registered && *kind != m_kind) {
        Msg().Error("In un TUVAoggetto registrato si può caricare solo un TUVAoggetto dello stesso tipo!");
        return false;
    }
    if (!m_registered)
        m_index = *index;
    m_kind = *kind;
    std::copy(record->begin(), record->end(), m_record.begin());
    m_externalFile.assign(ext->begin(), ext->end());

    m_content.reset();
    m_properties.reset();
    const auto contentLen = in.I32();
    const auto zero = in.I32();
    if (!contentLen || !zero || *contentLen < 0 || static_cast<std::size_t>(*contentLen) > in.Remaining())
        return false;
    const auto content = in.Bytes(static_cast<std::size_t>(*contentLen));
    const auto propsLen = in.I32();
    if (!propsLen || *propsLen < 0 || static_cast<std::size_t>(*propsLen) > in.Remaining())
        return false;
    const auto props = in.Bytes(static_cast<std::size_t>(*propsLen));
    if (*contentLen > 0)
        m_content = ObjectContent(std::vector<std::uint8_t>(content->begin(), content->end()));
    if (*propsLen > 0)
        m_properties = ObjectContent(std::vector<std::uint8_t>(props->begin(), props->end()));
    if (auto* page = dynamic_cast<TUVAtesto*>(this))
        page->ForgetCachedName();
    return true;
}

} // namespace quor
