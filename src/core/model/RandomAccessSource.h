// RandomAccessSource.h: a readable byte source of known size (an open file or a
// buffer) from which the hypertext reader reads records and blocks.
#pragma once

#include "model/IContentSource.h"

#include <cstdint>
#include <span>

namespace quor {

class RandomAccessSource : public IContentSource {
public:
    // Size in bytes, fixed when the source was opened.
    virtual std::uint64_t Size() const = 0;
    // Reads exactly out.size() bytes at `offset`; false when they are not all there.
    virtual bool ReadInto(std::uint64_t offset, std::span<std::uint8_t> out) = 0;

    bool Read(std::uint64_t offset, std::size_t length, std::vector<std::uint8_t>& out) override;
};

} // namespace quor
