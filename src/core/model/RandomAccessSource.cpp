#include "model/RandomAccessSource.h"

namespace quor {

bool RandomAccessSource::Read(std::uint64_t offset, std::size_t length, std::vector<std::uint8_t>& out)
{
    // Check the range before allocating, so a wrong length never asks for memory
    // the source could not fill.
    const std::uint64_t size = Size();
    if (offset > size || length > size - offset) {
        out.clear();
        return false;
    }
    out.resize(length);
    if (!ReadInto(offset, out)) {
        out.clear();
        return false;
    }
    return true;
}

} // namespace quor
