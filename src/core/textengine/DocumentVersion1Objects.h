// DocumentVersion1Objects.h: the version-1 text conversion applied to a page of a
// document: the objects it needs come from (and new ones go into) the page's owner.
#pragma once

#include "textengine/Version1Converter.h"

namespace quor {

class TUVAset;
class TUVAtesto;

class DocumentVersion1Objects : public IVersion1Objects {
public:
    // `set` may be null (a page without an owner): no object then exists.
    DocumentVersion1Objects(TUVAset* set, const TUVAtesto& page);

    std::int32_t PageTextColour() const override { return m_textColour; }
    std::int32_t PageLinkColour() const override { return m_linkColour; }
    bool Exists(std::int32_t ref) const override;
    std::int32_t ConvertedAttachment(std::int32_t ref) override;
    std::int32_t MakePlacement(std::int32_t ref) override;
    std::int32_t ConvertFormInput(std::int32_t ref) override;
    std::optional<TableShape> Table(std::int32_t ref) const override;

    // Converts a page whose text-format byte is 1: the new markup replaces its
    // content and the byte becomes 2. False (nothing done) for a page already in
    // markup or without content.
    static bool ConvertPage(TUVAtesto& page);

private:
    TUVAset* m_set;
    std::int32_t m_textColour;
    std::int32_t m_linkColour;
};

} // namespace quor
