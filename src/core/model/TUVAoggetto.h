// TUVAoggetto.h: one object of a hypertext: kind, index, the 668-byte record
// image (the file record), and optional content and properties blocks.
//
// Ownership: a registered object is owned by its document (TUVAset); an
// unregistered one by whoever created it (a working copy, a dialog, a test).
// Blocks: content and properties are ObjectContent values, either bytes in
// memory or a range of the document's backing file read on first use.
#pragma once

#include "model/ObjectContent.h"
#include "model/ObjectKind.h"
#include "model/ObjectRef.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quor {

class ByteReader;
class IMessages;
class TUVAset;
class TUVAtesto;

using RecordImage = std::array<std::uint8_t, kRecordImageSize>;

class TUVAoggetto {
public:
    // An empty object: kind 26, no owner, indexes -1, not registered, no blocks.
    TUVAoggetto();
    // An object of `kind` belonging to `owner` (not registered, record not cleared).
    TUVAoggetto(TUVAset* owner, int kind);
    virtual ~TUVAoggetto();

    TUVAoggetto(const TUVAoggetto&) = delete;
    TUVAoggetto& operator=(const TUVAoggetto&) = delete;

    // Creates an object of the right class for `kind` (TUVAtesto for pages),
    // owned by `owner`, cleared (a deleted placeholder until MarkInUse).
    static std::unique_ptr<TUVAoggetto> CreateCleared(TUVAset* owner, int kind);
    // Same class for `kind`, neither cleared nor registered.
    static std::unique_ptr<TUVAoggetto> CreateOfKind(TUVAset* owner, int kind);

    // --- identity ---
    int Kind() const { return m_kind; }
    // A registered object with a real kind leaves its old slot (the slot becomes
    // empty, not deleted) and becomes unregistered; then the kind is set. The
    // document's ownership of such an object comes back as the result (the
    // caller re-registers or drops it); otherwise the result is null.
    std::unique_ptr<TUVAoggetto> SetKind(int kind);
    int Index() const { return m_index; }
    void SetIndex(int index) { m_index = index; }
    bool Registered() const { return m_registered; }
    void SetRegistered(bool r) { m_registered = r; }
    TUVAset* Owner() const { return m_owner; }
    void SetOwner(TUVAset* owner) { m_owner = owner; }
    ObjectRef GetRef() const { return MakeRef(m_kind, m_index); }
    std::int32_t PrintIndex() const { return m_printIndex; }
    void SetPrintIndex(std::int32_t v) { m_printIndex = v; }
    std::int32_t LocalRef() const { return m_localRef; }
    void SetLocalRef(std::int32_t v) { m_localRef = v; }
    bool InHeaderFooter() const { return m_inHeaderFooter; }
    void SetInHeaderFooter(bool v) { m_inHeaderFooter = v; }

    // --- record image (offsets are record offsets; out-of-range reads give 0xFF/-1) ---
    RecordImage& Record() { return m_record; }
    const RecordImage& Record() const { return m_record; }
    std::uint8_t U8(std::size_t off) const;
    void SetU8(std::size_t off, std::uint8_t v);
    std::int16_t I16(std::size_t off) const;
    void SetI16(std::size_t off, std::int16_t v);
    std::int32_t I32(std::size_t off) const;
    void SetI32(std::size_t off, std::int32_t v);
    // Counted string of capacity `cap` at `off`; a length byte above the capacity
    // (255 in a cleared record) reads as empty.
    std::string Counted(std::size_t off, std::size_t cap) const;
    // Stores `s` cut to `cap` characters.
    void SetCounted(std::size_t off, std::size_t cap, std::string_view s);
    int SubKind() const { return U8(4); }
    void SetSubKind(int v) { SetU8(4, static_cast<std::uint8_t>(v)); }

    // --- blocks ---
    bool HasContent() const { return m_content.has_value(); }
    ObjectContent* Content() { return m_content ? &*m_content : nullptr; }
    const ObjectContent* Content() const { return m_content ? &*m_content : nullptr; }
    void SetContent(ObjectContent c) { m_content = std::move(c); }
    void SetContentBytes(std::vector<std::uint8_t> bytes) { m_content = ObjectContent(std::move(bytes)); }
    void FreeContent() { m_content.reset(); }
    bool HasProperties() const { return m_properties.has_value(); }
    ObjectContent* Properties() { return m_properties ? &*m_properties : nullptr; }
    const ObjectContent* Properties() const { return m_properties ? &*m_properties : nullptr; }
    void SetProperties(ObjectContent c) { m_properties = std::move(c); }
    void SetPropertiesBytes(std::vector<std::uint8_t> bytes) { m_properties = ObjectContent(std::move(bytes)); }
    void FreeProperties() { m_properties.reset(); }
    // Content/properties as text (up to a NUL); empty when absent or unreadable.
    std::string ContentText();
    std::string PropertiesText();
    // Attribute text of the properties block: after the i32 length L and L bytes.
    std::string AttributeText();
    const std::string& ExternalFile() const { return m_externalFile; }
    void SetExternalFile(std::string path) { m_externalFile = std::move(path); }

    // --- operations ---
    // Revision field of pages (196), attached files (89) and images (77); other
    // kinds report the document revision and ignore SetRevision.
    int GetRevision() const;
    void SetRevision(int revision);
    // Resets the record to the kind's defaults: a cleared object is a deleted one.
    virtual void Clear();
    // Makes a cleared object live (the kind's in-use sub-kind; a page gets the
    // empty text) and sets its revision to the document revision.
    void MarkInUse();
    bool IsDeleted() const;
    std::string GetName() const;
    void SetName(std::string_view name);
    // Caption + "|" + hint for lists and hints; "Undefined." for a deleted object.
    std::string GetDescription() const;
    std::string GetFileName() const;
    // Stores a file name, cut to the kind's field. An embedded file (kinds 2, 3,
    // 5, 6) keeps the name without folder, made unique among the document's
    // embedded files (compared in lower case, this object's own name aside): a
    // taken name, or one too long for the field, becomes "ed" + 6 hexadecimal
    // digits + its extension. A program (kind 7) keeps the path as given.
    void SetFileName(std::string_view name);
    // (length, absolute position) of the stored blocks, from the record and the
    // document's data-area start; (0, 0) when deleted, absent or negative.
    std::pair<std::int64_t, std::int64_t> ContentLocation() const;
    std::pair<std::int64_t, std::int64_t> PropertiesLocation() const;
    // Appends the content to `out` (with header: i32 length and i32 0 first).
    // Unreadable content adds "Error in file opening: " + name to `errors` (or
    // shows it as an error when `errors` is null) and counts as zero bytes.
    std::int64_t WriteContent(std::vector<std::uint8_t>& out, bool withHeader,
                              std::vector<std::string>* errors = nullptr);
    // Equality used to avoid duplicate links, keywords, images and styles.
    bool SameAs(TUVAoggetto& other);
    // Value of an attribute of the properties block's attribute text, names
    // compared in lower case; empty when absent (always empty for prototypes).
    std::string GetAttribute(std::string_view name);
    // Copies another object: kind (an image becomes an image placement), blocks
    // (a backing-file content is shared), index, record image and owner. A source
    // page still in the version-1 text form is converted first.
    virtual void Assign(TUVAoggetto& source);

    // How this object refers to the object `ref` (a ReferenceKind, 0 = not at
    // all). Pages look through the objects tagged in their text; a reference
    // held through a jump special link counts as one to the link's target. A
    // page in the version-1 text form is converted first. Deleted objects refer
    // to nothing.
    int IsReferencing(ObjectRef ref);
    // Clears every reference this object, the objects tagged in its text and the
    // document header hold to `ref`, which is being deleted. Tags become
    // "<$ffffffff>", fields -1 (header contents and cover page 0); an image
    // placement whose image is removed is neutralised and cleared. A registered
    // object that changes marks its document modified.
    void RemoveReferences(ObjectRef ref);
    // Kind 5 only: takes over the record and content of the image `other` (whose
    // owner drops it afterwards when it is not registered); the revision becomes
    // the document revision. A registered image reports the undo step "Modify
    // image " + name first (TUVAset::OnObjectUndoStep) and marks the document
    // modified. A picture cached for the old content is no longer served (its
    // file stamp no longer matches). False, with the error "ReplaceContent called
    // improperly...", when either object is not an image.
    bool ReplaceContent(TUVAoggetto& other);
    // Name of the object in exported HTML: kinds 13, 20, 21, 22 their name in
    // lower case, or "element" + position when it is empty; kind 16 its "name"
    // attribute; kind 23 its "name" attribute or "formstart" + position. The
    // position is PrintIndex when set, else the index. Empty for other kinds.
    std::string HtmlName();

    // Object transfer record: i32 index, u8 kind, 668-byte record, i32 n + n bytes
    // of ExternalFile, i32 L + i32 0 + L content bytes, i32 P + P properties bytes.
    std::vector<std::uint8_t> SaveToStream();
    // Reads a transfer record. Refuses (false, error shown) a record of another
    // kind into a registered object. A damaged content/properties part leaves the
    // object without content and properties.
    bool LoadFromStream(ByteReader& in);

protected:
    IMessages& Msg() const;
    int DocumentRevision() const;
    virtual void ClearKindDefaults();

private:
    void ReleaseReferencedSpecialLinks();
    int KindReferencing(ObjectRef ref);
    bool RemoveKindReferences(ObjectRef ref);
    bool RemovePageReferences(TUVAtesto& page, ObjectRef ref);
    bool RemoveHeaderReferences(ObjectRef ref);
    bool NeutralisePropertyMarkers(ObjectRef ref);
    bool FieldLeadsTo(std::int32_t value, ObjectRef ref) const;
    bool DropSpecialLinkTarget(std::int32_t value, ObjectRef ref);
    std::string HypertextLinkDescription(const std::string& address) const;

    int m_kind = testoHtmlRtf;
    std::int32_t m_printIndex = -1;
    std::int32_t m_localRef = -1;
    std::int32_t m_index = -1;
    bool m_registered = false;
    TUVAset* m_owner = nullptr;
    RecordImage m_record{};
    std::optional<ObjectContent> m_content;
    std::optional<ObjectContent> m_properties;
    std::string m_externalFile;
    bool m_inHeaderFooter = false;
};

} // namespace quor
