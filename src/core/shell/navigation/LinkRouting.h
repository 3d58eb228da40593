// LinkRouting.h: what following a link does, decided without a window: by the
// kind of the link object (a page, an address, an attached file, a special
// link, a short object that refers to one), and for "quor:" addresses which
// file to open and which page to show.
#pragma once

#include "model/ObjectRef.h"

#include <string>
#include <string_view>

namespace quor {

class TUVAoggetto;
class TUVAset;

inline constexpr std::string_view kUndefinedLink = "Undefined or unsupported.";
inline constexpr std::string_view kLoadNewFileQuestion = "I will load a new file. \rDo you want to save current one?";

enum class LinkActionKind {
    Ignore,        // nothing to do (no link, a window-closing link in the main window)
    ShowPage,      // `page` of the open hypertext (with `anchor` when >= 0)
    QuorAddress,   // navigate to `address` (see PlanQuorAddress)
    Program,       // a "prog:" address
    OpenUrl,       // any other address: handed to the desktop
    AttachedFile,  // the attached file `object`
    Unsupported,   // "Undefined or unsupported."
};

struct LinkAction {
    LinkActionKind kind = LinkActionKind::Ignore;
    int page = -1;
    int anchor = -1;
    std::string address;
    ObjectRef object = kNoRef;
};

// `link` is the link object (a page for page links); `sourcePage` the page the
// link was followed from (for the previous/next special links); `preview` the
// read-only mode (short objects run their special link only there).
LinkAction PlanLink(const TUVAset& doc, const TUVAoggetto* link, int sourcePage, bool preview);

struct QuorAddressPlan {
    bool isQuorLink = false;
    bool stop = false;         // nothing happens (a target named "Untitled" that is not this document)
    bool otherFile = false;    // `file` (or a new hypertext when it is empty) must be opened first
    std::string file;
    int page = 0;              // >= 0 a page; -2 the cover page of the (new) hypertext
};

// A "quor:" address against the open document. `documentName` is the window's
// document name: the full path or "Untitled"; an address naming "Untitled"
// leads into the open document only when that one is untitled too.
QuorAddressPlan PlanQuorAddress(const TUVAset& doc, std::string_view documentName, std::string_view address);

} // namespace quor
