#include "model/MemorySource.h"

#include <cstring>

namespace quor {

MemorySource::MemorySource(std::vector<std::uint8_t> bytes, std::string name)
    : m_bytes(std::move(bytes)), m_name(std::move(name))
{
}

bool MemorySource::ReadInto(std::uint64_t offset, std::span<std::uint8_t> out)
{
    if (offset > m_bytes.size() || out.size() > m_bytes.size() - offset)
        return false;
    if (!out.empty())
        std::memcpy(out.data(), m_bytes.data() + offset, out.size());
    return true;
}

} // namespace quor
