// IContentSource.h: where lazily loaded object blocks come from (the open
// backing file of a loaded document). The file reader implements it; the model
// only reads through it, so nothing big is read while a document loads.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quor {

class IContentSource {
public:
    virtual ~IContentSource() = default;

    // File name shown in error lines ("Error in file opening: " + Name()).
    virtual std::string Name() const = 0;

    // Reads exactly `length` bytes at absolute `offset` into `out` (replacing its
    // content). False when the source is closed or the range is not all there.
    virtual bool Read(std::uint64_t offset, std::size_t length, std::vector<std::uint8_t>& out) = 0;
};

} // namespace quor
