// UvaFileWriter.h: writes a document as a hypertext file (layout in
// UvaFileReader.h).
//
// The writer first plans the whole file: every record with the final position
// of its blocks, so the record area and the data area are written in one pass,
// straight to the output. Pictures and attached files still in the document's
// backing file are copied from it by the kernel, never through memory.
//
// Data area order: objects kind by kind, index by index; per object its content
// block, then its properties block (frame maps: the frame-set HTML text first).
// Deleted objects contribute no blocks.
#pragma once

#include "model/HeaderLayout.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quor {

class OutputFile;
class TUVAoggetto;
class TUVAset;

class UvaFileWriter {
public:
    // `targetName` is the name the file will finally have: it gives an untitled
    // document its title and an empty export prefix its value.
    UvaFileWriter(TUVAset& doc, std::string targetName, int version);
    ~UvaFileWriter();

    // The header as it will be written (revision + 1, last kind 25, ...).
    const HeaderBytes& Header() const { return m_header; }

    // Plans and writes the file. Problems are added to the document's error list
    // ("Error in file opening: " + name for unreadable content, "Error writing
    // file " for output errors); the result is true when none arose.
    bool Write(OutputFile& out);

    // Frame maps store their layout rendered as an HTML frame-set text before
    // their content; the frame-set code provides the rendering. Without a
    // provider the text is empty.
    using FrameSetHtmlProvider = std::function<std::string(TUVAoggetto& frameMap)>;
    static void SetFrameSetHtmlProvider(FrameSetHtmlProvider provider);

private:
    struct Block;
    struct Plan;

    bool BuildPlan(Plan& plan);
    bool WriteBlock(OutputFile& out, const Block& block);

    TUVAset& m_doc;
    std::string m_target;
    HeaderBytes m_header{};
};

// Header prepared for a save to `targetName`: last kind 25, the version, the
// revision raised by one, the screen resolution, an export prefix from the file
// name when empty, and the file name with "." as extension as title when the
// title is "Untitled".
HeaderBytes PrepareHeaderForSave(const HeaderBytes& current, const std::string& targetName, int version);

} // namespace quor
