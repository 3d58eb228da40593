// MemorySource.h: a byte buffer read as if it were a hypertext file (tests,
// fuzzing, hypertexts received over the network).
#pragma once

#include "model/RandomAccessSource.h"

#include <string>
#include <vector>

namespace quor {

class MemorySource : public RandomAccessSource {
public:
    MemorySource(std::vector<std::uint8_t> bytes, std::string name);

    std::string Name() const override { return m_name; }
    std::uint64_t Size() const override { return m_bytes.size(); }
    bool ReadInto(std::uint64_t offset, std::span<std::uint8_t> out) override;

private:
    std::vector<std::uint8_t> m_bytes;
    std::string m_name;
};

} // namespace quor
