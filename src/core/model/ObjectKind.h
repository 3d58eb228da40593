// ObjectKind.h: the object kinds of a hypertext and what each kind's record holds.
// Compatibility: record sizes and block field offsets are part of the stored format.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace quor {

enum TOggettiHel : std::uint8_t {
    testoHtml = 0,      // page (TUVAtesto)
    internetLink = 1,   // link to an address
    zipLink = 2,        // attached file, old form (converted to genLink on load)
    genLink = 3,        // attached file
    keyword = 4,
    immagine = 5,       // image: picture file kept in the hypertext
    mappaClic = 6,      // click map, old form (converted to immagine on load)
    programma = 7,
    tabellaHtml = 8,    // table
    mappaFrame = 9,     // frame map
    speclink = 10,      // special link
    shortObj = 11,      // short object
    custom = 12,        // prototype of custom objects
    dbloc = 13,         // local database object
    spazio4 = 14,       // reserved, never stored
    spazio5 = 15,       // reserved, never stored
    immagineNew = 16,   // image placement
    stileParagrafo = 17,// paragraph style
    fontFace = 18,
    formato = 19,
    inputStat = 20,     // form input field
    inputDin = 21,      // dynamic input
    bottoneCGI = 22,    // form button
    inizioForm = 23,    // form start
    multiMedia = 24,
    none = 25,          // no kind: lookups of 25 and above give nothing
    testoHtmlRtf = 26,  // a fresh object not yet given its real kind; never stored
};

inline constexpr int kKindCount = 27;        // lists 0..26
inline constexpr int kLastStoredKind = 25;   // the writer's last kind
inline constexpr std::size_t kRecordImageSize = 668;

// How a free (deleted) slot is recognised.
enum class DeletedRule : std::uint8_t {
    Never,          // the kind has no deleted state
    SubKindEquals,  // sub-kind byte (offset 4) equals `deletedSubKind`
    KeywordDash,    // keyword text (offset 0) is "-"
};

struct KindInfo {
    std::string_view name;
    int recordSize;           // bytes stored in the file; -1 = never stored
    bool hasContent;
    bool hasProperties;
    DeletedRule deleted;
    std::uint8_t deletedSubKind;
    int inUseSubKind;         // sub-kind set by MarkInUse; -1 = MarkInUse changes nothing
    // Record offsets of the data-area block fields; -1 = no such block.
    int contentPos;
    int contentLen;
    // Tables keep the content length in a 16-bit field, read unsigned with
    // 0xFFFF as "no block" (records::TableRecord::ContentLength).
    bool contentLenIsU16;
    int propertiesPos;
    int propertiesLen;
};

inline constexpr std::array<KindInfo, kKindCount> kKinds = {{
    // name            size  cont   props  deleted                       del in  cPos cLen u16   pPos pLen
    {"testoHtml",      292, true,  true,  DeletedRule::SubKindEquals, 3, 0,  0, 185, false, 239, 243},
    {"internetLink",   133, false, false, DeletedRule::SubKindEquals, 5, 4,  -1, -1, false, -1, -1},
    {"zipLink",         93, true,  false, DeletedRule::Never,         0, -1, 0, 85, false, -1, -1},
    {"genLink",         93, true,  false, DeletedRule::SubKindEquals, 5, 4,  0, 85, false, -1, -1},
    {"keyword",         80, false, false, DeletedRule::KeywordDash,   0, -1, -1, -1, false, -1, -1},
    {"immagine",       667, true,  false, DeletedRule::SubKindEquals, 3, 0,  0, 174, false, -1, -1},
    {"mappaClic",      667, true,  false, DeletedRule::Never,         0, -1, 0, 174, false, -1, -1},
    {"programma",      465, false, false, DeletedRule::SubKindEquals, 1, -1, -1, -1, false, -1, -1},
    {"tabellaHtml",    220, true,  true,  DeletedRule::SubKindEquals, 0, 2,  0, 85, true,  58, 62},
    {"mappaFrame",     112, true,  false, DeletedRule::SubKindEquals, 1, 2,  0, 85, false, -1, -1},
    {"speclink",        47, true,  true,  DeletedRule::SubKindEquals, 0, 1,  0, 5, false,  39, 43},
    {"shortObj",        28, true,  true,  DeletedRule::SubKindEquals, 0, 1,  0, 13, false, 20, 24},
    {"custom",          80, true,  true,  DeletedRule::SubKindEquals, 0, 1,  0, 13, false, 72, 76},
    {"dbloc",           67, true,  true,  DeletedRule::SubKindEquals, 0, 7,  0, 13, false, 38, 42},
    {"spazio4",          0, false, false, DeletedRule::Never,         0, -1, -1, -1, false, -1, -1},
    {"spazio5",          0, false, false, DeletedRule::Never,         0, -1, -1, -1, false, -1, -1},
    {"immagineNew",    553, false, true,  DeletedRule::SubKindEquals, 0, 1,  -1, -1, false, 61, 65},
    {"stileParagrafo", 103, false, false, DeletedRule::SubKindEquals, 0, 1,  -1, -1, false, -1, -1},
    {"fontFace",        38, false, false, DeletedRule::SubKindEquals, 0, 1,  -1, -1, false, -1, -1},
    {"formato",         75, false, false, DeletedRule::SubKindEquals, 0, 1,  -1, -1, false, -1, -1},
    {"inputStat",      192, true,  true,  DeletedRule::SubKindEquals, 0, 1,  0, 13, false, 184, 188},
    {"inputDin",       460, true,  true,  DeletedRule::SubKindEquals, 0, 1,  0, 13, false, 452, 456},
    {"bottoneCGI",     203, false, true,  DeletedRule::SubKindEquals, 0, 1,  -1, -1, false, 195, 199},
    {"inizioForm",     364, false, true,  DeletedRule::SubKindEquals, 0, 1,  -1, -1, false, 356, 360},
    {"multiMedia",      46, true,  true,  DeletedRule::SubKindEquals, 0, 1,  0, 13, false, 38, 42},
    {"none",             0, false, false, DeletedRule::Never,         0, -1, -1, -1, false, -1, -1},
    {"testoHtmlRtf",    -1, false, false, DeletedRule::Never,         0, -1, -1, -1, false, -1, -1},
}};

// Kind info for any value; out-of-range kinds get the entry of `none`.
constexpr const KindInfo& KindInfoOf(int kind)
{
    return (kind >= 0 && kind < kKindCount) ? kKinds[static_cast<std::size_t>(kind)] : kKinds[none];
}

// Record size the writer uses for a kind (0 for kinds that are never stored).
constexpr int RecordSizeOf(int kind)
{
    const int s = KindInfoOf(kind).recordSize;
    return s < 0 ? 0 : s;
}

static_assert(kKinds[immagineNew].recordSize == 553);
static_assert(kKinds[stileParagrafo].recordSize == 103);

} // namespace quor
