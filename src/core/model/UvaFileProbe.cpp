#include "model/UvaFileProbe.h"

#include "model/AnsiCase.h"
#include "model/BackingFile.h"
#include "model/HeaderLayout.h"
#include "model/ObjectKind.h"
#include "model/records/PageRecord.h"

#include <array>
#include <cstdio>

namespace quor {

namespace {

// The header of a hypertext file, or false when it cannot be read or is not one.
bool ReadHeader(BackingFile& file, HeaderBytes& h)
{
    if (!file.ReadInto(0, h))
        return false;
    return AnsiUpper(header::GetMagic(h)) == "MORV";
}

} // namespace

std::string ReadPageTitleFromFile(const std::string& fileName, int page)
{
    const auto file = BackingFile::Open(fileName);
    if (!file || page < 0)
        return {};
    HeaderBytes h{};
    if (!ReadHeader(*file, h) || header::Version(h) > 2)
        return {};
    std::array<std::uint8_t, header::kKindEntrySize> entry{};
    if (!file->ReadInto(kHeaderSize, entry))
        return {};
    auto i32 = [&entry](std::size_t at) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(entry[at]) |
                                         (static_cast<std::uint32_t>(entry[at + 1]) << 8) |
                                         (static_cast<std::uint32_t>(entry[at + 2]) << 16) |
                                         (static_cast<std::uint32_t>(entry[at + 3]) << 24));
    };
    const std::int32_t offset = i32(header::kKindEntryOffset);
    const std::int32_t size = i32(header::kKindEntryRecordSize);
    const std::int32_t count = i32(header::kKindEntryCount);
    if (page >= count || offset < 0 || size <= 0)
        return {};
    const std::uint64_t at = header::RecordAreaStart(header::LastKind(h)) + static_cast<std::uint64_t>(offset) +
                             static_cast<std::uint64_t>(page) * static_cast<std::uint64_t>(size);
    std::array<std::uint8_t, kRecordImageSize> image{};
    image.fill(0xFF);
    const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(size), kRecordImageSize);
    if (!file->ReadInto(at, std::span<std::uint8_t>(image.data(), n)))
        return {};
    return records::ConstPageRecord(image.data()).Title();
}

std::string LinkTargetName(const std::string& fileName, int page, const std::string& suffix)
{
    if (page < 0)
        return {};
    const auto file = BackingFile::Open(fileName);
    if (!file)
        return {};
    HeaderBytes h{};
    if (!ReadHeader(*file, h))
        return {};
    if (header::Version(h) <= 1)
        return "LinkToOldHypertext" + suffix;
    const std::string prefix = header::ExportPrefix(h);
    if (page == header::CoverPage(h))
        return prefix + "_index" + suffix;
    char digits[8];
    std::snprintf(digits, sizeof digits, "%06x", static_cast<unsigned>(page) & 0xFFFFFFu);
    return prefix + "_" + digits + suffix;
}

} // namespace quor
