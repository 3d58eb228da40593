// ByteWriter.h: little-endian writes appended to a byte vector.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace quor {

class ByteWriter {
public:
    std::vector<std::uint8_t>& Data() { return m_out; }
    const std::vector<std::uint8_t>& Data() const { return m_out; }
    std::size_t Size() const { return m_out.size(); }

    void U8(std::uint8_t v) { m_out.push_back(v); }
    void U16(std::uint16_t v) { Little(v); }
    void U32(std::uint32_t v) { Little(v); }
    void I16(std::int16_t v) { Little(static_cast<std::uint16_t>(v)); }
    void I32(std::int32_t v) { Little(static_cast<std::uint32_t>(v)); }
    void Bytes(std::span<const std::uint8_t> b) { m_out.insert(m_out.end(), b.begin(), b.end()); }
    void Text(std::string_view s) { m_out.insert(m_out.end(), s.begin(), s.end()); }
    void Zeros(std::size_t n) { m_out.insert(m_out.end(), n, 0); }

    // Counted string in a field of 1 + capacity bytes; longer text is cut to fit
    // and the rest of the field is zero.
    void Counted(std::string_view s, std::size_t capacity)
    {
        const std::size_t len = s.size() < capacity ? s.size() : capacity;
        const std::size_t cap = capacity > 255 ? 255 : capacity;
        const std::size_t n = len < cap ? len : cap;
        m_out.push_back(static_cast<std::uint8_t>(n));
        m_out.insert(m_out.end(), s.begin(), s.begin() + static_cast<std::ptrdiff_t>(n));
        m_out.insert(m_out.end(), capacity - n, 0);
    }

private:
    template <typename T>
    void Little(T v)
    {
        for (std::size_t i = 0; i < sizeof(T); ++i)
            m_out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }

    std::vector<std::uint8_t> m_out;
};

} // namespace quor
