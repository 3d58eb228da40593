// UvaFileReader.h: reads a hypertext file (.uva) into a document.
//
// File layout (all integers little-endian; positions in records are relative to
// the data area):
//
//   Offset              Size         Content
//   0                   1978         header record (fields in HeaderLayout.h)
//   1978                12 x (L+1)   kind table, L = header byte 1620 (last kind):
//                                      +0 i32 offset of the kind's first record in
//                                         the record area, +4 i32 record size,
//                                      +8 i32 record count
//   1978 + 12(L+1)      4            i32 R: record-area length
//   1982 + 12(L+1)      R            record area: records kind by kind, index order;
//                                    record i of kind k at offset[k] + i * size[k]
//   ... + R             to the end   data area: content and properties blocks
//
// Block fields inside the records are listed per kind in ObjectKind.h (KindInfo).
//
// Nothing read from the file is trusted: every count, size, offset and length is
// checked against the file size before it is used, so a damaged file gives a
// status, never a crash or an allocation larger than the file.
#pragma once

#include "model/HeaderLayout.h"
#include "model/RandomAccessSource.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace quor {

class TUVAset;

enum class UvaReadStatus {
    Ok,
    EmptyFile,         // size 0: opens as a new document
    TooShort,          // 1..1977 bytes
    BadMagic,          // "Unrecognized format."
    Version1TooOld,    // version 1 with last kind below 8
    NewerVersion,      // version 3 or more
    TooManyKinds,      // last kind above 26
    Corrupt,           // kind table, record area or a record out of bounds
};

struct UvaKindEntry {
    std::int32_t offset = 0;
    std::int32_t recordSize = 0;
    std::int32_t count = 0;
};

struct UvaFileLayout {
    HeaderBytes header{};
    int lastKind = 0;
    std::vector<UvaKindEntry> kinds;   // lastKind + 1 entries as stored
    std::uint64_t recordAreaStart = 0;
    std::uint64_t recordAreaLength = 0;
    std::uint64_t dataAreaStart = 0;
};

class UvaFileReader {
public:
    explicit UvaFileReader(std::shared_ptr<RandomAccessSource> source);

    // Reads and checks the header, the kind table and the record-area length.
    UvaReadStatus ReadLayout();
    const UvaFileLayout& Layout() const { return m_layout; }

    // Reads the objects into `doc`, which must be empty (cleared): header, every
    // record with the corrections for older records, the blocks (pictures and
    // attached files stay in the file and are read on demand), the conversion of
    // version-1 legacy kinds and the default styles. `fileName` gives version-1
    // files their export prefix. Call after ReadLayout returned Ok.
    UvaReadStatus ReadObjects(TUVAset& doc, const std::string& fileName);

    // Where and why the last Corrupt status arose (for diagnostics).
    const std::string& ErrorDetail() const { return m_detail; }

private:
    UvaReadStatus Fail(std::string detail);

    std::shared_ptr<RandomAccessSource> m_source;
    UvaFileLayout m_layout;
    std::string m_detail;
};

// Export prefix made from a file name: without folder, the first `maxChars`
// characters, lower-cased, with whatever extension remains removed.
std::string ExportPrefixFromFileName(const std::string& fileName, std::size_t maxChars);

} // namespace quor
