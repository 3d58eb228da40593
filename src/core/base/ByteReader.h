// ByteReader.h: bounds-checked little-endian reads over a byte span.
// Every read of a file, the clipboard or the network goes through here: a read
// past the end gives nullopt and never touches memory outside the span.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string>

namespace quor {

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    std::size_t Offset() const { return m_pos; }
    std::size_t Size() const { return m_bytes.size(); }
    std::size_t Remaining() const { return m_bytes.size() - m_pos; }
    bool AtEnd() const { return m_pos >= m_bytes.size(); }

    // Moves to an absolute offset; false (and no move) when beyond the end.
    bool Seek(std::size_t offset)
    {
        if (offset > m_bytes.size())
            return false;
        m_pos = offset;
        return true;
    }
    bool Skip(std::size_t n)
    {
        if (n > Remaining())
            return false;
        m_pos += n;
        return true;
    }

    std::optional<std::uint8_t> U8()
    {
        if (Remaining() < 1)
            return std::nullopt;
        return m_bytes[m_pos++];
    }
    std::optional<std::uint16_t> U16() { return Little<std::uint16_t>(); }
    std::optional<std::uint32_t> U32() { return Little<std::uint32_t>(); }
    std::optional<std::int16_t> I16()
    {
        auto v = U16();
        if (!v)
            return std::nullopt;
        return static_cast<std::int16_t>(*v);
    }
    std::optional<std::int32_t> I32()
    {
        auto v = U32();
        if (!v)
            return std::nullopt;
        return static_cast<std::int32_t>(*v);
    }

    // The next n bytes; nullopt when fewer remain.
    std::optional<std::span<const std::uint8_t>> Bytes(std::size_t n)
    {
        if (n > Remaining())
            return std::nullopt;
        auto s = m_bytes.subspan(m_pos, n);
        m_pos += n;
        return s;
    }

    // A counted string (length byte then the characters) in a field of
    // 1 + capacity bytes; the whole field is consumed. A length above the
    // capacity is corruption: nullopt.
    std::optional<std::string> Counted(std::size_t capacity)
    {
        if (Remaining() < capacity + 1)
            return std::nullopt;
        const std::size_t len = m_bytes[m_pos];
        if (len > capacity)
            return std::nullopt;
        std::string s(reinterpret_cast<const char*>(m_bytes.data() + m_pos + 1), len);
        m_pos += capacity + 1;
        return s;
    }

private:
    template <typename T>
    std::optional<T> Little()
    {
        if (Remaining() < sizeof(T))
            return std::nullopt;
        T v = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i)
            v |= static_cast<T>(static_cast<T>(m_bytes[m_pos + i]) << (8 * i));
        m_pos += sizeof(T);
        return v;
    }

    std::span<const std::uint8_t> m_bytes;
    std::size_t m_pos = 0;
};

} // namespace quor
