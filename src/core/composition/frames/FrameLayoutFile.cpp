// FrameLayoutFile.cpp: reading and writing ".frm" files.
#include "composition/frames/FrameLayoutFile.h"

#include "base/ByteReader.h"

#include <fstream>
#include <iterator>

namespace quor {

namespace {
// A record larger than this is not one the format ever had.
constexpr std::int32_t kMaxRecordSize = 4096;
} // namespace

std::vector<std::uint8_t> FrameLayoutFile::Write(const TNonVisCornice& root)
{
    ByteWriter out;
    out.I32(kFrameLayoutMagic);
    out.I32(FrameRecord::kSize);
    root.WriteMap(out);
    return out.Data();
}

FrameLayoutRead FrameLayoutFile::Read(std::span<const std::uint8_t> bytes)
{
    FrameLayoutRead r;
    if (bytes.empty()) {
        r.empty = true;
        return r;
    }
    ByteReader in(bytes);
    const auto magic = in.I32();
    if (!magic || *magic != kFrameLayoutMagic) {
        r.error = std::string(kFrameFileFormatError);
        return r;
    }
    const auto size = in.I32();
    if (!size || *size <= 0 || *size > kMaxRecordSize) {
        r.error = std::string(kFrameFileFormatError);
        return r;
    }
    r.root = TNonVisCornice::ReadMap(bytes.subspan(in.Offset()), *size);
    if (!r.root)
        r.error = std::string(kFrameFileFormatError);
    return r;
}

bool FrameLayoutFile::Save(const std::string& path, const TNonVisCornice& root)
{
    const auto bytes = Write(root);
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    if (!f)
        return false;
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    f.flush();
    return static_cast<bool>(f);
}

FrameLayoutRead FrameLayoutFile::Load(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    if (!f) {
        FrameLayoutRead r;
        r.error = std::string(kFrameFileFormatError);
        return r;
    }
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    return Read(bytes);
}

} // namespace quor
