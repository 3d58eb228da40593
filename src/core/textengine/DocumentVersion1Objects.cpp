// DocumentVersion1Objects.cpp: object look-ups and conversions of the version-1
// text upgrade, done on the page's document.
#include "textengine/DocumentVersion1Objects.h"

#include "model/TUVAset.h"
#include "model/TUVAtesto.h"

namespace quor {

namespace {

// Table record: rows, columns and alignment bytes.
constexpr std::size_t kTableRows = 93;
constexpr std::size_t kTableColumns = 94;
constexpr std::size_t kTableAlignment = 95;

} // namespace

DocumentVersion1Objects::DocumentVersion1Objects(TUVAset* set, const TUVAtesto& page)
    : m_set(set), m_textColour(page.I32(page::kTextColour)), m_linkColour(page.I32(page::kLinkColour))
{
}

bool DocumentVersion1Objects::Exists(std::int32_t ref) const
{
    if (!m_set)
        return false;
    const TUVAoggetto* obj = m_set->GetObjectByRef(ref);
    return obj && !obj->IsDeleted();
}

std::int32_t DocumentVersion1Objects::ConvertedAttachment(std::int32_t ref)
{
    if (!m_set)
        return -1;
    // Old attached files are reached through the document's translation lists.
    const TUVAoggetto* obj = m_set->GetObjectByRef(ref);
    if (!obj || obj->Kind() == zipLink)
        return -1;
    return obj->GetRef();
}

std::int32_t DocumentVersion1Objects::MakePlacement(std::int32_t ref)
{
    if (!m_set)
        return -1;
    TUVAoggetto* image = m_set->GetObjectByRef(ref); // an old click map translates to its image
    if (!image || image->Kind() != immagine)
        return -1;
    auto placement = TUVAoggetto::CreateOfKind(m_set, immagineNew);
    placement->Assign(*image);
    if (placement->Kind() != immagineNew)
        return -1;
    const TUVAoggetto* registered = m_set->Register(std::move(placement), -1);
    return registered ? registered->GetRef() : -1;
}

std::int32_t DocumentVersion1Objects::ConvertFormInput(std::int32_t ref)
{
    if (!m_set)
        return -1;
    TUVAoggetto* input = m_set->GetObjectByRef(ref);
    if (!input || input->Kind() != inputStat)
        return -1;
    const int subKind = input->SubKind();
    if (subKind < 10 || subKind > 14)
        return -1;
    auto copy = TUVAoggetto::CreateOfKind(m_set, shortObj);
    copy->Assign(*input);
    (void)copy->SetKind(shortObj); // unregistered: nothing comes back
    copy->SetSubKind(subKind);
    const TUVAoggetto* registered = m_set->Register(std::move(copy), -1);
    if (!registered)
        return -1;
    input->Clear();
    return registered->GetRef();
}

std::optional<IVersion1Objects::TableShape> DocumentVersion1Objects::Table(std::int32_t ref) const
{
    if (!m_set)
        return std::nullopt;
    const TUVAoggetto* table = m_set->GetObjectByRef(ref);
    if (!table || table->Kind() != tabellaHtml)
        return std::nullopt;
    return TableShape{table->U8(kTableRows), table->U8(kTableColumns), table->U8(kTableAlignment)};
}

bool DocumentVersion1Objects::ConvertPage(TUVAtesto& page)
{
    if (page.TextFormat() != 1 || !page.HasContent())
        return false;
    DocumentVersion1Objects objects(page.Owner(), page);
    const std::string old = page.Text();
    page.SetText(Version1Converter::Convert(old, objects));
    page.SetU8(page::kTextFormat, 2);
    return true;
}

} // namespace quor
