// TUVAconv.h: the base of every converter between a hypertext and a foreign
// format (HTML, RTF, plain text): the linked hypertext, the output paths, the
// export prefix, the progress event and the five converter operations.
//
// Converters read the hypertext and never change its content (a page still in
// the version-1 text form is brought to the current markup first).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quor {

class TUVAset;
class TUVAtesto;

// Progress phases of exports and imports.
enum ExportPhase : int {
    kPhaseUpgrade = 0,     // bringing every page to the current markup (RTF, DOC)
    kPhasePages = 1,
    kPhaseFrameDocuments = 2,
    kPhaseResources = 3,   // pictures and attached files (HTML); conversion to DOC
    kPhaseImportPercent = 4,
    kPhaseImportStep = 10,
};

class TUVAconv {
public:
    // Sender, `pag` (zero-based item), `tot` (items in the phase), phase.
    using TMyExpProgressEvent = std::function<void(TUVAconv& sender, int pag, int tot, int phase)>;

    TUVAconv();
    virtual ~TUVAconv();
    TUVAconv(const TUVAconv&) = delete;
    TUVAconv& operator=(const TUVAconv&) = delete;

    TUVAset* LinkedUVAset = nullptr;
    std::string ExportFileName;   // single output file of one-file exports
    std::string ExportPath;       // folder of multi-file exports
    TMyExpProgressEvent OnExpProgress;
    int Language = 0;

    // A non-empty override replaces the hypertext's export prefix.
    void SetPrefixOverride(std::string prefix) { m_prefixOverride = std::move(prefix); }
    const std::string& PrefixOverride() const { return m_prefixOverride; }
    // The prefix every exported file name begins with, as stored (not yet made
    // safe as a file name).
    std::string ExportPrefix() const;

    bool ClipboardMode() const { return m_clipboardMode; }
    void SetClipboardMode(bool on) { m_clipboardMode = on; }
    TUVAtesto* CurrentPage() const { return m_currentPage; }

    // Slot 1: a stretch of markup (ended by a NUL or its end) in the target format.
    virtual bool ConvertSelection(std::string_view markup, std::string& out) = 0;
    // Slot 2: exports the listed pages.
    virtual bool ExportPages(const std::vector<int>& pages) = 0;
    // Slot 3: exports one page.
    virtual bool ExportPage(int pageIndex) = 0;
    // Slot 4: imports files as new pages; the page to show afterwards (0 when none).
    virtual int ImportFiles(const std::vector<std::string>& files, bool splitPages) = 0;
    // Slot 5: foreign text to markup.
    virtual bool ConvertToMarkup(std::string_view foreign, std::string& out, bool wrapper, int styleIndex) = 0;

protected:
    void ReportProgress(int pag, int tot, int phase);
    void SetCurrentPage(TUVAtesto* page) { m_currentPage = page; }

private:
    std::string m_prefixOverride;
    bool m_clipboardMode = false;
    TUVAtesto* m_currentPage = nullptr;
};

} // namespace quor
