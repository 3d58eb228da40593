// RecordView.h: typed little-endian field access over an object's 668-byte
// record image. Offsets are the record offsets of the stored format (offset 0 is
// the first byte a file stores for the object); every accessor checks the field
// against the image size, so a wrong constant can never reach outside the image.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

namespace quor::records {

// Size of the in-memory record image of every object.
inline constexpr std::size_t kImageSize = 668;

// B is std::uint8_t (editable record) or const std::uint8_t (read-only view).
template <class B>
class RecordViewT {
public:
    static constexpr bool kMutable = !std::is_const_v<B>;

    explicit RecordViewT(B* image) : m_p(image) {}
    template <class Other>
        requires(std::is_const_v<B> && !std::is_const_v<Other>)
    RecordViewT(const RecordViewT<Other>& other) : m_p(other.Data()) {}

    B* Data() const { return m_p; }

    std::uint8_t U8(std::size_t off) const { return InRange(off, 1) ? m_p[off] : 0xFF; }
    std::int16_t I16(std::size_t off) const
    {
        if (!InRange(off, 2))
            return -1;
        return static_cast<std::int16_t>(m_p[off] | (m_p[off + 1] << 8));
    }
    std::int32_t I32(std::size_t off) const
    {
        if (!InRange(off, 4))
            return -1;
        const std::uint32_t v = static_cast<std::uint32_t>(m_p[off]) | (static_cast<std::uint32_t>(m_p[off + 1]) << 8) |
                                (static_cast<std::uint32_t>(m_p[off + 2]) << 16) |
                                (static_cast<std::uint32_t>(m_p[off + 3]) << 24);
        return static_cast<std::int32_t>(v);
    }
    std::uint32_t U32(std::size_t off) const { return static_cast<std::uint32_t>(I32(off)); }

    // Counted string of capacity `cap` (length byte, then up to cap characters).
    // A length byte above the capacity (a cleared record holds 255) reads as the
    // whole capacity, so the read stays inside the field.
    std::string Counted(std::size_t off, std::size_t cap) const
    {
        if (!InRange(off, cap + 1))
            return {};
        const std::size_t len = std::min<std::size_t>(m_p[off], cap);
        return std::string(reinterpret_cast<const char*>(m_p + off + 1), len);
    }
    // Same, but a length byte above the capacity reads as empty (fields whose
    // cleared state must read as "no text").
    std::string CountedOrEmpty(std::size_t off, std::size_t cap) const
    {
        if (!InRange(off, cap + 1) || m_p[off] > cap)
            return {};
        return Counted(off, cap);
    }

    void SetU8(std::size_t off, std::uint8_t v) const
        requires kMutable
    {
        if (InRange(off, 1))
            m_p[off] = v;
    }
    void SetI16(std::size_t off, std::int16_t v) const
        requires kMutable
    {
        if (!InRange(off, 2))
            return;
        m_p[off] = static_cast<std::uint8_t>(v);
        m_p[off + 1] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(v) >> 8);
    }
    void SetI32(std::size_t off, std::int32_t v) const
        requires kMutable
    {
        if (!InRange(off, 4))
            return;
        for (std::size_t i = 0; i < 4; ++i)
            m_p[off + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i));
    }
    void SetU32(std::size_t off, std::uint32_t v) const
        requires kMutable
    {
        SetI32(off, static_cast<std::int32_t>(v));
    }
    // Text longer than the capacity is cut; bytes after the text keep their value.
    void SetCounted(std::size_t off, std::size_t cap, std::string_view s) const
        requires kMutable
    {
        if (!InRange(off, cap + 1))
            return;
        const std::size_t len = std::min({s.size(), cap, std::size_t{255}});
        m_p[off] = static_cast<std::uint8_t>(len);
        std::memcpy(m_p + off + 1, s.data(), len);
    }

    std::uint8_t SubKind() const { return U8(4); }
    void SetSubKind(std::uint8_t v) const
        requires kMutable
    {
        SetU8(4, v);
    }

private:
    static constexpr bool InRange(std::size_t off, std::size_t n) { return off <= kImageSize && n <= kImageSize - off; }

    B* m_p;
};

using RecordView = RecordViewT<std::uint8_t>;
using ConstRecordView = RecordViewT<const std::uint8_t>;

} // namespace quor::records
