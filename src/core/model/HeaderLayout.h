// HeaderLayout.h: the 1978-byte document header record, exactly as it is laid out
// at the start of a hypertext file and kept in memory by TUVAset.
//
// Compatibility: every offset below is part of the stored format. The header is
// held as raw bytes (HeaderBytes) so that reserved and unknown bytes survive a
// load/save round trip unchanged; the accessors read and write single fields in
// place, little-endian, Windows-1252.
//
//   Offset Width Field                         Notes
//   0      4     magic                         "MORV" (case-insensitive on reading)
//   4      80    title                         counted string[79]; "Untitled" when new
//   84     1258  information text              NUL-terminated, at most 1257 characters
//   1342   4     page-tree object              i32 ObjectRef; 0 = none yet
//   1346   17    export prefix                 counted string[16]
//   1363   17    read-only password            counted string[16]
//   1380   80    company                       counted string[79]
//   1460   80    rights notice                 counted string[79]
//   1540   80    authors                       counted string[79]
//   1620   1     last kind                     u8: highest kind in the kind table
//   1621   2     version                       i16 format version (writer: 2)
//   1623   1     read-only                     u8 1 = read-only hypertext
//   1624   4     contents page                 i32 page index
//   1628   4     cover page                    i32 page index
//   1632   4     revision                      i32; 2 when new, +1 per save
//   1636   1     contents button               u8
//   1637   1     search button                 u8
//   1638   1     help button                   u8
//   1639   1     no cover button               u8 (inverted sense)
//   1640   1     reserved                      u8 0
//   1641   1     no buttons                    u8
//   1642   40    fixed font name               counted string[39]
//   1682   40    proportional font name        counted string[39]
//   1722   2     pixels per inch               i16
//   1724   4     global header page            i32 page index; -1 = none
//   1728   4     global footer page            i32 page index; -1 = none
//   1732   4     custom-tree object            i32 ObjectRef; 0 = none yet
//   1736   4     new-page background colour    colour
//   1740   4     new-page background image     i32 kind-5 index; -1 = none
//   1744   2     language                      u16 language identifier
//   1746   4     new-page text colour          colour
//   1750   4     new-page link colour          colour
//   1754   4     new-page followed-link colour colour
//   1758   220   reserved                      carried as read
//
// After the header a file holds the kind table: (last kind + 1) entries of 12
// bytes (i32 offset in the record area, i32 record size, i32 count), then the
// i32 record-area length, the record area and the data area.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace quor {

inline constexpr std::size_t kHeaderSize = 1978;
using HeaderBytes = std::array<std::uint8_t, kHeaderSize>;

namespace header {

struct Field {
    std::size_t offset;
    std::size_t size;
};

inline constexpr Field kMagic{0, 4};
inline constexpr Field kTitle{4, 80};                 // string[79]
inline constexpr Field kInformation{84, 1258};        // NUL-terminated text
inline constexpr Field kPageTreeObject{1342, 4};
inline constexpr Field kExportPrefix{1346, 17};       // string[16]
inline constexpr Field kPassword{1363, 17};           // string[16]
inline constexpr Field kCompany{1380, 80};            // string[79]
inline constexpr Field kRights{1460, 80};             // string[79]
inline constexpr Field kAuthors{1540, 80};            // string[79]
inline constexpr Field kLastKind{1620, 1};
inline constexpr Field kVersion{1621, 2};
inline constexpr Field kReadOnly{1623, 1};
inline constexpr Field kContentsPage{1624, 4};
inline constexpr Field kCoverPage{1628, 4};
inline constexpr Field kRevision{1632, 4};
inline constexpr Field kContentsButton{1636, 1};
inline constexpr Field kSearchButton{1637, 1};
inline constexpr Field kHelpButton{1638, 1};
inline constexpr Field kNoCoverButton{1639, 1};
inline constexpr Field kReserved1640{1640, 1};
inline constexpr Field kNoButtons{1641, 1};
inline constexpr Field kFixedFont{1642, 40};          // string[39]
inline constexpr Field kProportionalFont{1682, 40};   // string[39]
inline constexpr Field kPixelsPerInch{1722, 2};
inline constexpr Field kGlobalHeaderPage{1724, 4};
inline constexpr Field kGlobalFooterPage{1728, 4};
inline constexpr Field kCustomTreeObject{1732, 4};
inline constexpr Field kBackgroundColour{1736, 4};
inline constexpr Field kBackgroundImage{1740, 4};
inline constexpr Field kLanguage{1744, 2};
inline constexpr Field kTextColour{1746, 4};
inline constexpr Field kLinkColour{1750, 4};
inline constexpr Field kVisitedLinkColour{1754, 4};
inline constexpr Field kReserved{1758, 220};

inline constexpr std::size_t kInformationMax = 1257;  // characters before the NUL

// Kind table that follows the header.
inline constexpr std::size_t kKindEntrySize = 12;
inline constexpr std::size_t kKindEntryOffset = 0;
inline constexpr std::size_t kKindEntryRecordSize = 4;
inline constexpr std::size_t kKindEntryCount = 8;

// File offset of the record area for a header whose last kind is `lastKind`
// (2294 when lastKind = 25).
constexpr std::size_t RecordAreaStart(int lastKind)
{
    return kHeaderSize + kKindEntrySize * static_cast<std::size_t>(lastKind + 1) + 4;
}

static_assert(kReserved.offset + kReserved.size == kHeaderSize);
static_assert(RecordAreaStart(25) == 2294);

// --- raw little-endian access; offsets are trusted (they are the constants above) ---

inline std::uint8_t GetU8(const HeaderBytes& h, Field f) { return h[f.offset]; }
inline void SetU8(HeaderBytes& h, Field f, std::uint8_t v) { h[f.offset] = v; }

inline std::uint16_t GetU16(const HeaderBytes& h, Field f)
{
    return static_cast<std::uint16_t>(h[f.offset] | (h[f.offset + 1] << 8));
}
inline void SetU16(HeaderBytes& h, Field f, std::uint16_t v)
{
    h[f.offset] = static_cast<std::uint8_t>(v);
    h[f.offset + 1] = static_cast<std::uint8_t>(v >> 8);
}
inline std::int16_t GetI16(const HeaderBytes& h, Field f) { return static_cast<std::int16_t>(GetU16(h, f)); }
inline void SetI16(HeaderBytes& h, Field f, std::int16_t v) { SetU16(h, f, static_cast<std::uint16_t>(v)); }

inline std::uint32_t GetU32(const HeaderBytes& h, Field f)
{
    return static_cast<std::uint32_t>(h[f.offset]) | (static_cast<std::uint32_t>(h[f.offset + 1]) << 8) |
           (static_cast<std::uint32_t>(h[f.offset + 2]) << 16) | (static_cast<std::uint32_t>(h[f.offset + 3]) << 24);
}
inline void SetU32(HeaderBytes& h, Field f, std::uint32_t v)
{
    for (std::size_t i = 0; i < 4; ++i)
        h[f.offset + i] = static_cast<std::uint8_t>(v >> (8 * i));
}
inline std::int32_t GetI32(const HeaderBytes& h, Field f) { return static_cast<std::int32_t>(GetU32(h, f)); }
inline void SetI32(HeaderBytes& h, Field f, std::int32_t v) { SetU32(h, f, static_cast<std::uint32_t>(v)); }

// Counted string in a field of 1 + capacity bytes. A length byte above the
// capacity (corrupt or foreign header) is clamped to the capacity.
inline std::string GetCounted(const HeaderBytes& h, Field f)
{
    const std::size_t cap = f.size - 1;
    const std::size_t len = std::min<std::size_t>(h[f.offset], cap);
    return std::string(reinterpret_cast<const char*>(h.data() + f.offset + 1), len);
}
// Longer text is cut to the capacity; bytes after the text are left as they are.
inline void SetCounted(HeaderBytes& h, Field f, std::string_view s)
{
    const std::size_t len = std::min(s.size(), f.size - 1);
    h[f.offset] = static_cast<std::uint8_t>(len);
    std::memcpy(h.data() + f.offset + 1, s.data(), len);
}

// The information text: NUL-terminated; a field without NUL yields its first
// 1257 characters.
inline std::string GetInformation(const HeaderBytes& h)
{
    const auto* p = reinterpret_cast<const char*>(h.data() + kInformation.offset);
    std::size_t len = 0;
    while (len < kInformationMax && p[len] != '\0')
        ++len;
    return std::string(p, len);
}
inline void SetInformation(HeaderBytes& h, std::string_view s)
{
    const std::size_t len = std::min(s.size(), kInformationMax);
    std::memcpy(h.data() + kInformation.offset, s.data(), len);
    h[kInformation.offset + len] = 0;
}

inline std::string GetMagic(const HeaderBytes& h)
{
    return std::string(reinterpret_cast<const char*>(h.data() + kMagic.offset), kMagic.size);
}


// --- named accessors, one pair per field ---

inline std::string Title(const HeaderBytes& h) { return GetCounted(h, kTitle); }
inline void SetTitle(HeaderBytes& h, std::string_view v) { SetCounted(h, kTitle, v); }
inline std::int32_t PageTreeObject(const HeaderBytes& h) { return GetI32(h, kPageTreeObject); }
inline void SetPageTreeObject(HeaderBytes& h, std::int32_t v) { SetI32(h, kPageTreeObject, v); }
inline std::string ExportPrefix(const HeaderBytes& h) { return GetCounted(h, kExportPrefix); }
inline void SetExportPrefix(HeaderBytes& h, std::string_view v) { SetCounted(h, kExportPrefix, v); }
inline std::string Password(const HeaderBytes& h) { return GetCounted(h, kPassword); }
inline void SetPassword(HeaderBytes& h, std::string_view v) { SetCounted(h, kPassword, v); }
inline std::string Company(const HeaderBytes& h) { return GetCounted(h, kCompany); }
inline void SetCompany(HeaderBytes& h, std::string_view v) { SetCounted(h, kCompany, v); }
inline std::string Rights(const HeaderBytes& h) { return GetCounted(h, kRights); }
inline void SetRights(HeaderBytes& h, std::string_view v) { SetCounted(h, kRights, v); }
inline std::string Authors(const HeaderBytes& h) { return GetCounted(h, kAuthors); }
inline void SetAuthors(HeaderBytes& h, std::string_view v) { SetCounted(h, kAuthors, v); }
inline std::uint8_t LastKind(const HeaderBytes& h) { return GetU8(h, kLastKind); }
inline void SetLastKind(HeaderBytes& h, std::uint8_t v) { SetU8(h, kLastKind, v); }
inline std::int16_t Version(const HeaderBytes& h) { return GetI16(h, kVersion); }
inline void SetVersion(HeaderBytes& h, std::int16_t v) { SetI16(h, kVersion, v); }
inline std::uint8_t ReadOnly(const HeaderBytes& h) { return GetU8(h, kReadOnly); }
inline void SetReadOnly(HeaderBytes& h, std::uint8_t v) { SetU8(h, kReadOnly, v); }
inline std::int32_t ContentsPage(const HeaderBytes& h) { return GetI32(h, kContentsPage); }
inline void SetContentsPage(HeaderBytes& h, std::int32_t v) { SetI32(h, kContentsPage, v); }
inline std::int32_t CoverPage(const HeaderBytes& h) { return GetI32(h, kCoverPage); }
inline void SetCoverPage(HeaderBytes& h, std::int32_t v) { SetI32(h, kCoverPage, v); }
inline std::int32_t Revision(const HeaderBytes& h) { return GetI32(h, kRevision); }
inline void SetRevision(HeaderBytes& h, std::int32_t v) { SetI32(h, kRevision, v); }
inline std::uint8_t ContentsButton(const HeaderBytes& h) { return GetU8(h, kContentsButton); }
inline void SetContentsButton(HeaderBytes& h, std::uint8_t v) { SetU8(h, kContentsButton, v); }
inline std::uint8_t SearchButton(const HeaderBytes& h) { return GetU8(h, kSearchButton); }
inline void SetSearchButton(HeaderBytes& h, std::uint8_t v) { SetU8(h, kSearchButton, v); }
inline std::uint8_t HelpButton(const HeaderBytes& h) { return GetU8(h, kHelpButton); }
inline void SetHelpButton(HeaderBytes& h, std::uint8_t v) { SetU8(h, kHelpButton, v); }
inline std::uint8_t NoCoverButton(const HeaderBytes& h) { return GetU8(h, kNoCoverButton); }
inline void SetNoCoverButton(HeaderBytes& h, std::uint8_t v) { SetU8(h, kNoCoverButton, v); }
inline std::uint8_t NoButtons(const HeaderBytes& h) { return GetU8(h, kNoButtons); }
inline void SetNoButtons(HeaderBytes& h, std::uint8_t v) { SetU8(h, kNoButtons, v); }
inline std::string FixedFont(const HeaderBytes& h) { return GetCounted(h, kFixedFont); }
inline void SetFixedFont(HeaderBytes& h, std::string_view v) { SetCounted(h, kFixedFont, v); }
inline std::string ProportionalFont(const HeaderBytes& h) { return GetCounted(h, kProportionalFont); }
inline void SetProportionalFont(HeaderBytes& h, std::string_view v) { SetCounted(h, kProportionalFont, v); }
inline std::int16_t PixelsPerInch(const HeaderBytes& h) { return GetI16(h, kPixelsPerInch); }
inline void SetPixelsPerInch(HeaderBytes& h, std::int16_t v) { SetI16(h, kPixelsPerInch, v); }
inline std::int32_t GlobalHeaderPage(const HeaderBytes& h) { return GetI32(h, kGlobalHeaderPage); }
inline void SetGlobalHeaderPage(HeaderBytes& h, std::int32_t v) { SetI32(h, kGlobalHeaderPage, v); }
inline std::int32_t GlobalFooterPage(const HeaderBytes& h) { return GetI32(h, kGlobalFooterPage); }
inline void SetGlobalFooterPage(HeaderBytes& h, std::int32_t v) { SetI32(h, kGlobalFooterPage, v); }
inline std::int32_t CustomTreeObject(const HeaderBytes& h) { return GetI32(h, kCustomTreeObject); }
inline void SetCustomTreeObject(HeaderBytes& h, std::int32_t v) { SetI32(h, kCustomTreeObject, v); }
inline std::uint32_t BackgroundColour(const HeaderBytes& h) { return GetU32(h, kBackgroundColour); }
inline void SetBackgroundColour(HeaderBytes& h, std::uint32_t v) { SetU32(h, kBackgroundColour, v); }
inline std::int32_t BackgroundImage(const HeaderBytes& h) { return GetI32(h, kBackgroundImage); }
inline void SetBackgroundImage(HeaderBytes& h, std::int32_t v) { SetI32(h, kBackgroundImage, v); }
inline std::uint16_t Language(const HeaderBytes& h) { return GetU16(h, kLanguage); }
inline void SetLanguage(HeaderBytes& h, std::uint16_t v) { SetU16(h, kLanguage, v); }
inline std::uint32_t TextColour(const HeaderBytes& h) { return GetU32(h, kTextColour); }
inline void SetTextColour(HeaderBytes& h, std::uint32_t v) { SetU32(h, kTextColour, v); }
inline std::uint32_t LinkColour(const HeaderBytes& h) { return GetU32(h, kLinkColour); }
inline void SetLinkColour(HeaderBytes& h, std::uint32_t v) { SetU32(h, kLinkColour, v); }
inline std::uint32_t VisitedLinkColour(const HeaderBytes& h) { return GetU32(h, kVisitedLinkColour); }
inline void SetVisitedLinkColour(HeaderBytes& h, std::uint32_t v) { SetU32(h, kVisitedLinkColour, v); }

} // namespace header
} // namespace quor
