// FrameRecord.cpp: reading and writing the 58-byte frame record.
#include "composition/frames/FrameRecord.h"

#include <cstdio>

namespace quor {

namespace {

std::int32_t I32At(std::span<const std::uint8_t> b, std::size_t off)
{
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i)
        v |= static_cast<std::uint32_t>(b[off + i]) << (8 * i);
    return static_cast<std::int32_t>(v);
}

} // namespace

FrameRecord FrameRecord::Read(std::span<const std::uint8_t> bytes)
{
    // Every field is read only when the record reaches past its last byte; a
    // field the record does not reach keeps the zero an older writer implied.
    const std::size_t n = bytes.size() < static_cast<std::size_t>(kSize) ? bytes.size() : kSize;
    auto has = [n](std::size_t off, std::size_t width) { return off + width <= n; };
    auto u8 = [&](std::size_t off) -> std::uint8_t { return has(off, 1) ? bytes[off] : 0; };
    auto i32 = [&](std::size_t off) -> std::int32_t { return has(off, 4) ? I32At(bytes, off) : 0; };

    FrameRecord r;
    r.id = i32(0);
    r.parentId = has(4, 4) ? i32(4) : -1;
    r.name.clear();
    if (has(8, 1)) {
        std::size_t len = bytes[8];
        if (len > kNameCap)
            len = kNameCap;
        if (9 + len > n)
            len = n > 9 ? n - 9 : 0;
        r.name.assign(reinterpret_cast<const char*>(bytes.data() + 9), len);
    }
    r.placement = u8(28);
    r.reserved29 = u8(29);
    r.reserved30 = u8(30);
    r.scrolling = u8(31);
    r.hasChildren = u8(32);
    r.resizable = u8(33);
    r.page = has(34, 4) ? i32(34) : -1;
    r.percent = i32(38);
    r.reserved42 = i32(42);
    r.colour = i32(46);
    r.reserved50 = u8(50);
    r.border = u8(51);
    r.pixels = i32(52);
    r.spacing = u8(56);
    r.sizeKind = u8(57);

    if (n < static_cast<std::size_t>(kSize)) {
        r.sizeKind = fsPercent;
        r.pixels = 20;
        const bool oldFlagsClear = r.reserved29 == 0 && r.reserved30 == 0;
        r.border = oldFlagsClear ? 0 : 1;
        r.spacing = oldFlagsClear ? 0 : 3;
        r.colour = kButtonFaceColour;
        r.reserved29 = 0;
        r.reserved30 = 0;
    }
    return r;
}

void FrameRecord::Write(ByteWriter& out) const
{
    out.I32(id);
    out.I32(parentId);
    out.Counted(name, kNameCap);
    out.U8(placement);
    out.U8(reserved29);
    out.U8(reserved30);
    out.U8(scrolling);
    out.U8(hasChildren);
    out.U8(resizable);
    out.I32(page);
    out.I32(percent);
    out.I32(reserved42);
    out.I32(colour);
    out.U8(reserved50);
    out.U8(border);
    out.I32(pixels);
    out.U8(spacing);
    out.U8(sizeKind);
}

std::string NewFrameName(std::uint32_t n)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "Frame%06X", n & 0xFFFFFFu);
    return buf;
}

std::string PageFrameName(int page)
{
    return "Pag" + std::to_string(page);
}

} // namespace quor
