// QuorLink.h: addresses into a hypertext file: "quor:" + file + "|" + page, or
// "quor://" + file + "|" + page.
//
// The file part is empty for the current hypertext; a relative file is taken
// from the current file's folder. The page is an index, or empty for the target
// hypertext's cover page (kCoverPageOfTarget); without a "|" the address names no
// file and leads to the current document's cover page.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quor::links {

// Page value meaning "the cover page of the target hypertext".
inline constexpr std::int32_t kCoverPageOfTarget = -2;

struct QuorLink {
    bool isQuorLink = false;
    std::string file;        // empty: the current hypertext (or no file given)
    bool sameFile = false;   // the address leads into the current document's file
    std::int32_t page = 0;
};

// Parses `address` against the current document's file name and cover page.
// sameFile holds when the file part equals `documentFile` exactly, or when, once
// made absolute, it names the same file on disk (not merely a name equal but for
// case: file names differ by case here).
QuorLink ParseQuorLink(std::string_view address, std::string_view documentFile, std::int32_t coverPage);

// The page number an address gives after its "|": at most 12 characters are
// looked at; empty gives kCoverPageOfTarget; text that is not a number, and
// negative numbers, give 0.
std::int32_t ParseQuorPage(std::string_view afterBar);

// True when `file` carries its own root ("/..." or a drive such as "C:").
bool HasRoot(std::string_view file);

} // namespace quor::links
