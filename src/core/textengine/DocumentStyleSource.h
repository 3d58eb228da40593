// DocumentStyleSource.h: a document's kind-17 list as the style source of the
// override classes and the markup reader.
#pragma once

#include "model/ParagraphStyle.h"

namespace quor {

class TUVAset;

class DocumentStyleSource : public IStyleSource {
public:
    explicit DocumentStyleSource(const TUVAset& set) : m_set(set) {}

    // The live record image of style `id`; empty when the list has no object there.
    std::span<const std::uint8_t> StyleRecord(int id) const override;

private:
    const TUVAset& m_set;
};

} // namespace quor
