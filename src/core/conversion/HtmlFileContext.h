// HtmlFileContext.h: what the writer of one HTML file (page file or frame
// document) collects while it writes the bodies: frame documents and resources
// the file uses, roll-over pictures to preload, and the scripts it needs.
#pragma once

#include "conversion/ExportList.h"

#include <vector>

namespace quor {

class TUVAtesto;

// Script-need bits.
enum ScriptNeed : unsigned {
    kNeedBrowserTest = 1u << 0,
    kNeedRollOver = 1u << 1,
    kNeedCloseWindow = 1u << 2,
    kNeedOpenWindow = 1u << 3,
    kNeedOpenPlainWindow = 1u << 4,
};

// File kinds of the export naming rule.
enum ExportKind : int {
    kPageFile = 0,       // "_": the page as the reader opens it
    kFrameDocument = 1,  // "-": the page inside a frame or floating frame
    kResourceFile = 2,   // "=": picture or attached file
};

struct HtmlFileContext {
    int kind = kPageFile;
    TUVAtesto* filePage = nullptr;      // the page the file is written for
    ExportList* frameDocuments = nullptr;
    ExportList* resources = nullptr;
    ExportList preload;                 // roll-over pictures, in order of first use
    unsigned scriptNeeds = 0;
    // Pages whose bodies are being written, outermost first: a page never
    // includes itself through "!RefP:" references.
    std::vector<const TUVAtesto*> bodyChain;
};

} // namespace quor
