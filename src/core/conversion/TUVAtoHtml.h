// TUVAtoHtml.h: the HTML converter: the export options, the naming rule of
// every exported file (ExportedName) and the export driver that writes a web
// site from a hypertext: style sheet, page files, redirect pages, frame
// documents, then the pictures and attached files.
//
// Safety: every name taken from the document (export prefix, stored file
// names, extensions, redirect names) is reduced to a safe base name, so
// nothing stored in a hypertext can make the export write outside ExportPath.
#pragma once

#include "conversion/ExportList.h"
#include "conversion/HtmlFileContext.h"
#include "conversion/TUVAconv.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace quor {

class TUVAoggetto;

enum class TExpCSS { ecUseCSS, ecEmulateFF };

class TUVAtoHtml : public TUVAconv {
public:
    TUVAtoHtml();
    ~TUVAtoHtml() override;

    // --- options ---
    bool ImpPreview = false;
    bool ExpSepImage = false;     // pictures and attached files go into "images/"
    bool ExpOrigName = false;     // pictures and attached files keep their stored names
    int ExpTipoExt = 1;           // page extension: 0 ".htm", 1 ".html"
    TExpCSS ExpCSS = TExpCSS::ecUseCSS;
    bool ExpAutoAlt = false;      // image-map areas get an ALT text
    // Resolution for converting pixel lengths into the style units.
    int PixelsPerInch = 96;
    // The export driver also writes each page's redirect page (export dialog,
    // command line); off for ExportPages called by other code.
    bool WriteRedirects = false;

    // --- naming ---
    // File name, relative to ExportPath, of `object` exported as `kind`
    // (ExportKind); "/" separates the "images" folder. Empty for objects that
    // are not written as files.
    std::string ExportedName(TUVAoggetto* object, int kind);
    // The export prefix reduced to a safe base name.
    std::string SafePrefix() const;
    // ".htm" or ".html".
    std::string PageExtension() const { return ExpTipoExt == 0 ? ".htm" : ".html"; }
    std::string StyleSheetName() const { return SafePrefix() + "_style.css"; }

    // --- writers (text in memory; Windows-1252, CR LF) ---
    // A whole page file (kind 0) or frame document (kind 1) of `page`.
    // `frameDocuments` collects the pages shown in frames (may be null);
    // `resources` the pictures and attached files used.
    std::string WritePageFile(TUVAtesto* page, ExportList* frameDocuments, ExportList& resources, int kind);
    // One body pass (modes: 1 BODY tag and content, 6 BODY tag only, 0 content
    // only, 2 content only of a footer page).
    void WriteBody(std::string& out, int mode, TUVAtesto* page, HtmlFileContext& context);
    // The style sheet text.
    std::string StyleSheetText();
    // The redirect page of `page`, and the safe file name it goes under; both
    // empty when the page has no (usable) alternative file name.
    std::string RedirectPageText(TUVAtesto* page);
    std::string RedirectName(TUVAtesto* page);

    // --- files ---
    // Writes the style sheet into ExportPath (created with its parents).
    bool WriteStyleSheet();
    // Writes the redirect page of `page` into `directory`; its path, or empty.
    std::string WriteRedirectPage(TUVAtesto* page, const std::string& directory);

    // Export driver: style sheet, pages (phase 1), frame documents (phase 2),
    // resources (phase 3). False when the folder, the style sheet or a page
    // file cannot be written (LastError says which; files written before stay).
    // A resource that cannot be written is listed in ExportErrors and the next
    // one is tried.
    bool ExportPages(const std::vector<int>& pages) override;
    // Style sheet, the page file of one page and its frame documents; appends
    // to `pages` and `resources` what they use; writes no resource.
    bool ExportPage(ExportList& resources, ExportList& pages, int pageIndex);
    bool ExportPage(int pageIndex) override;
    // Every live page in index order, with their frame documents; resources
    // are only collected.
    bool ExportAllPages(ExportList& resources);

    bool ConvertSelection(std::string_view, std::string&) override { return false; }
    int ImportFiles(const std::vector<std::string>&, bool) override { return 0; }
    bool ConvertToMarkup(std::string_view, std::string&, bool, int) override { return false; }

    // Outcome of the last export.
    const std::string& LastError() const { return m_lastError; }
    const std::vector<std::string>& ExportErrors() const { return m_errors; }
    // Names (relative to ExportPath) of the files the last export wrote, in order.
    const std::vector<std::string>& WrittenFiles() const { return m_written; }
    // Called before each page file; lets a caller keep its user interface alive.
    std::function<void()> OnBeforePage;

    // The stored bytes of a picture or attached file; false when unreadable.
    static bool ResourceBytes(TUVAoggetto* object, std::vector<std::uint8_t>& bytes);

private:
    void ResetOutcome();
    bool PrepareFolder();
    bool WriteFileText(const std::string& relativeName, std::string_view text, bool resource);
    bool WritePageAndFrames(TUVAtesto* page, ExportList& frameDocuments, ExportList& resources, int position,
                            int count);
    bool WriteFrameDocuments(ExportList& frameDocuments, ExportList& resources, std::size_t from);
    void WriteResources(ExportList& resources);
    std::string QuorLinkName(const std::string& address);
    const std::unordered_set<std::string>& ReservedNames();

    std::string m_lastError;
    std::vector<std::string> m_errors;
    std::vector<std::string> m_written;
    std::unordered_set<std::string> m_reserved;   // lower-cased page and style-sheet names
    bool m_reservedValid = false;
};

} // namespace quor
