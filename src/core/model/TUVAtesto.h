// TUVAtesto.h: a page (kind 0): the record fields of a page, its text (markup
// followed by a NUL byte) and, for a working copy, its localised objects.
#pragma once

#include "model/TUVAoggetto.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quor {

namespace page {
// Page record offsets (compatibility: stored format).
inline constexpr std::size_t kTextPos = 0;
inline constexpr std::size_t kState = 4;
inline constexpr std::size_t kTitle = 5;            // string[71]
inline constexpr std::size_t kTitleCap = 71;
inline constexpr std::size_t kBrowseGroup = 77;     // i16
inline constexpr std::size_t kBrowseOrder = 79;     // i16
inline constexpr std::size_t kFrameHosting = 81;    // i32
inline constexpr std::size_t kBackgroundImage = 85;
inline constexpr std::size_t kTextColour = 89;
inline constexpr std::size_t kLinkColour = 93;
inline constexpr std::size_t kVisitedColour = 97;
inline constexpr std::size_t kBackgroundColour = 101;
inline constexpr std::size_t kKeywords = 105;       // 20 x i32
inline constexpr std::size_t kTextLength = 185;
inline constexpr std::size_t kNotInSequence = 189;
inline constexpr std::size_t kLanguage = 191;       // i16
inline constexpr std::size_t kTextFormat = 195;     // 1 legacy, 2 markup
inline constexpr std::size_t kRevision = 196;
inline constexpr std::size_t kPageId = 200;         // string[20]
inline constexpr std::size_t kSlideDelay = 221;     // i16
inline constexpr std::size_t kNextSlide = 227;
inline constexpr std::size_t kHeaderPage = 231;
inline constexpr std::size_t kFooterPage = 235;
inline constexpr std::size_t kPropertiesPos = 239;
inline constexpr std::size_t kPropertiesLen = 243;
inline constexpr std::size_t kHtmlAlias = 247;      // string[40]
inline constexpr std::size_t kFixedBackground = 288;
inline constexpr std::uint8_t kStateInUse = 0;
inline constexpr std::uint8_t kStateDeleted = 3;
} // namespace page

// Text of a page made live by MarkInUse: "<Z S0 >" and a NUL byte.
inline constexpr std::string_view kEmptyPageText{"<Z S0 >\0", 8};

class TUVAtesto : public TUVAoggetto {
public:
    TUVAtesto();
    explicit TUVAtesto(TUVAset* owner);
    ~TUVAtesto() override;

    std::string Title() const { return Counted(page::kTitle, page::kTitleCap); }
    void SetTitle(std::string_view t) { SetCounted(page::kTitle, page::kTitleCap, t); }
    int TextFormat() const { return U8(page::kTextFormat); }

    // Page text bytes including the final NUL (empty when there is no content).
    std::string Text();
    // Replaces the content; a NUL is appended when `text` does not end with one.
    void SetText(std::string_view text);

    // Page name from the properties block's leading property list, cached.
    std::string CachedName();
    void ForgetCachedName() { m_cachedName.reset(); }

    // Header/footer copies shown around a working copy.
    std::unique_ptr<TUVAtesto> HeaderPage;
    std::unique_ptr<TUVAtesto> FooterPage;
    // Links (kinds 1, 10 and 11) localised into this copy: tag 0x6F000000 + position.
    std::vector<std::unique_ptr<TUVAoggetto>> LocalLinks;
    // Other embedded objects localised into this copy: tag 0xFF000000 + position.
    std::vector<std::unique_ptr<TUVAoggetto>> LocalObjects;
    // Byte offset in the text of each local object's tag.
    std::vector<std::size_t> LocalTagPositions;

    void Assign(TUVAoggetto& source) override;

protected:
    void ClearKindDefaults() override;

private:
    std::optional<std::string> m_cachedName;
};

} // namespace quor
