// TUVAtesto.cpp: page objects.
#include "model/TUVAtesto.h"

#include "base/ByteReader.h"
#include "model/HeaderLayout.h"
#include "model/TUVAset.h"

namespace quor {

TUVAtesto::TUVAtesto() : TUVAoggetto(nullptr, testoHtml) {}

TUVAtesto::TUVAtesto(TUVAset* owner) : TUVAoggetto(owner, testoHtml) {}

TUVAtesto::~TUVAtesto() = default;

void TUVAtesto::ClearKindDefaults()
{
    SetU8(page::kState, page::kStateDeleted);
    SetTitle("Untitled");
    std::int32_t background = 0xC0C0C0, text = 0x000000, link = 0xFF0000, visited = 0x0000FF, image = -1;
    if (TUVAset* doc = Owner()) {
        const HeaderBytes& h = doc->Header();
        background = static_cast<std::int32_t>(header::BackgroundColour(h));
        text = static_cast<std::int32_t>(header::TextColour(h));
        link = static_cast<std::int32_t>(header::LinkColour(h));
        visited = static_cast<std::int32_t>(header::VisitedLinkColour(h));
        image = header::BackgroundImage(h);
    }
    SetI32(page::kBackgroundImage, image);
    SetI32(page::kTextColour, text);
    SetI32(page::kLinkColour, link);
    SetI32(page::kVisitedColour, visited);
    SetI32(page::kBackgroundColour, background);
    SetU8(page::kNotInSequence, 1);
    SetI16(page::kLanguage, 1033);
    SetU8(page::kTextFormat, 2);
    SetRevision(DocumentRevision());
    SetCounted(page::kPageId, 20, "");
    m_cachedName.reset();
}

std::string TUVAtesto::Text()
{
    if (!HasContent())
        return {};
    const auto* bytes = Content()->Bytes();
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

void TUVAtesto::SetText(std::string_view text)
{
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    if (bytes.empty() || bytes.back() != 0)
        bytes.push_back(0);
    SetContentBytes(std::move(bytes));
}

std::string TUVAtesto::CachedName()
{
    if (m_cachedName)
        return *m_cachedName;
    std::string name;
    if (ObjectContent* props = Properties()) {
        if (const auto* bytes = props->Bytes()) {
            ByteReader in(*bytes);
            const auto listLength = in.I32();
            const auto n = in.I32();
            if (listLength && n && *n > 0) {
                const auto count = std::min<std::size_t>(static_cast<std::size_t>(*n), in.Remaining());
                const auto chars = in.Bytes(count);
                if (chars)
                    name.assign(chars->begin(), chars->end());
            }
        }
    }
    m_cachedName = name;
    return name;
}

void TUVAtesto::Assign(TUVAoggetto& source)
{
    TUVAoggetto::Assign(source);
    m_cachedName.reset();
}

} // namespace quor
