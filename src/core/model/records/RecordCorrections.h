// RecordCorrections.h: bringing a record written by an older version up to the
// current layout. A record stored shorter than the current size is read over an
// image filled with 0xFF; these corrections then give the missing fields the
// values older versions implied.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace quor::records {

struct CorrectionContext {
    // Revision of the document being read (from its header).
    std::int32_t documentRevision = 0;
    // Makes an embedded file name unique in the document (see UniqueEmbeddedName).
    std::function<std::string(std::string_view)> uniqueEmbeddedName;
};

// Applies the corrections for `kind` to a 668-byte record image of which the
// file stored `storedSize` bytes. Some corrections apply whatever the size
// (link sub-kinds, old click-map names, multimedia references).
void ApplyLegacyCorrections(int kind, std::span<std::uint8_t> image, std::size_t storedSize,
                            const CorrectionContext& context);

} // namespace quor::records
