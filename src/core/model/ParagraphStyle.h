// ParagraphStyle.h: the paragraph-style record (object kind 17, 103 bytes) and
// the way the override classes reach a live style record.
//
// Record layout (offsets within the object's record image, little-endian):
//   0  u32        content position (not used by styles; left alone)
//   4  u8         state: 0 deleted, 1 in use
//   5  string[32] style name (length byte + 32 characters)
//  38  u8         unused, 0
//  39  string[32] font name                      markup F
//  72  i16        font size, points              markup s
//  74  i32        text colour                    markup c
//  78  u8         font style bits                markup y
//  79  i16        link size, -1 = size of text   markup S (second)
//  81  i32        link colour                    markup C
//  85  u8         link style bits (xor)          markup Y
//  86  i16        left indent, pixels            markup l
//  88  i16        right indent, pixels           markup r
//  90  i16        space above, pixels            markup t
//  92  i16        space below, pixels            markup b
//  94  i16        fixed line height; <= 0 auto   markup L
//  96  i16        first-line indent, pixels      markup I
//  98  u8         display unit (Units.h)         markup M
//  99  u8         alignment 0 left 1 right 2 centre  markup A
// 100  u8         numbering 0 none 6 numbered 10 bullet  markup N
// 101  u8         reserved paragraph byte, carried   markup P
// 102  u8         vertical position              markup p
#pragma once

#include "model/ObjectKind.h" // kRecordImageSize

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quor {

// Field offsets of the kind-17 record.
namespace StyleOffset {
inline constexpr std::size_t kState = 4;
inline constexpr std::size_t kName = 5;
inline constexpr std::size_t kFontName = 39;
inline constexpr std::size_t kFontSize = 72;
inline constexpr std::size_t kColour = 74;
inline constexpr std::size_t kStyleBits = 78;
inline constexpr std::size_t kLinkSize = 79;
inline constexpr std::size_t kLinkColour = 81;
inline constexpr std::size_t kLinkStyle = 85;
inline constexpr std::size_t kLeftIndent = 86;
inline constexpr std::size_t kRightIndent = 88;
inline constexpr std::size_t kSpaceAbove = 90;
inline constexpr std::size_t kSpaceBelow = 92;
inline constexpr std::size_t kLineHeight = 94;
inline constexpr std::size_t kFirstIndent = 96;
inline constexpr std::size_t kUnit = 98;
inline constexpr std::size_t kAlignment = 99;
inline constexpr std::size_t kNumbering = 100;
inline constexpr std::size_t kReserved = 101;
inline constexpr std::size_t kPosition = 102;
} // namespace StyleOffset

inline constexpr std::size_t kStyleRecordSize = 103;
inline constexpr std::size_t kStyleNameCapacity = 32;

// The decoded fields of a style record; defaults are the values of a newly
// cleared style ("[no style]").
struct ParagraphStyle {
    std::uint8_t state = 0;
    std::string name;
    std::string fontName = "Times New Roman";
    std::int16_t fontSize = 12;
    std::int32_t colour = 0;
    std::uint8_t styleBits = 0;
    std::int16_t linkSize = -1;
    std::int32_t linkColour = 0xFF0000;
    std::uint8_t linkStyle = 4;
    std::int16_t leftIndent = 10;
    std::int16_t rightIndent = 10;
    std::int16_t spaceAbove = 0;
    std::int16_t spaceBelow = 0;
    std::int16_t lineHeight = -32000;
    std::int16_t firstIndent = 0;
    std::uint8_t unit = 1;
    std::uint8_t alignment = 0;
    std::uint8_t numbering = 0;
    std::uint8_t reserved = 0;
    std::uint8_t position = 0;

    // Reads the fields from a record image. Bytes missing from a short image
    // read as the cleared values; a counted string longer than its field is cut.
    static ParagraphStyle Decode(std::span<const std::uint8_t> record);

    // Writes offsets 4..102 into an image of at least 103 bytes (names cut to
    // 32 characters); bytes 0..3 and 38 are left as they are. Shorter images
    // are left untouched.
    void Encode(std::span<std::uint8_t> record) const;

    // What Clear does for kind 17: zero the whole image, then the created values.
    static void ClearRecord(std::span<std::uint8_t> record);

    // Field readers for a live image; a field beyond the image's end reads as
    // the cleared value.
    static std::int32_t ReadI16(std::span<const std::uint8_t> record, std::size_t offset);
    static std::int32_t ReadI32(std::span<const std::uint8_t> record, std::size_t offset);
    static std::uint8_t ReadU8(std::span<const std::uint8_t> record, std::size_t offset);
    static std::string ReadName(std::span<const std::uint8_t> record, std::size_t offset);
    // Field writers for a live image (little-endian; names cut to 32
    // characters); a field beyond the image's end is not written.
    static void WriteI16(std::span<std::uint8_t> record, std::size_t offset, std::int32_t value);
    static void WriteI32(std::span<std::uint8_t> record, std::size_t offset, std::int32_t value);
    static void WriteU8(std::span<std::uint8_t> record, std::size_t offset, std::uint8_t value);
    static void WriteName(std::span<std::uint8_t> record, std::size_t offset, std::string_view name);

    bool operator==(const ParagraphStyle&) const = default;
};

// Where the override classes find the live record of a style id (the index of
// a kind-17 object). An empty span means "no such style".
class IStyleSource {
public:
    virtual ~IStyleSource() = default;
    virtual std::span<const std::uint8_t> StyleRecord(int id) const = 0;
};

// A list of style record images addressed by id; the stand-in for a document's
// kind-17 list in previews, tests and readers of foreign markup. Starts with the
// two default styles "[no style]" (0) and "[no style intab]" (1, no side indents).
class StyleTable : public IStyleSource {
public:
    StyleTable();

    std::span<const std::uint8_t> StyleRecord(int id) const override;
    std::span<std::uint8_t> MutableRecord(int id); // empty when id is unknown

    int Add(const ParagraphStyle& style); // returns the new id
    void Set(int id, const ParagraphStyle& style);
    ParagraphStyle Get(int id) const;
    int Count() const { return static_cast<int>(m_records.size()); }

private:
    std::vector<std::vector<std::uint8_t>> m_records;
};

} // namespace quor
