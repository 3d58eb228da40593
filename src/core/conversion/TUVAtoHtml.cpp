// TUVAtoHtml.cpp: export naming and the export driver.
#include "conversion/TUVAtoHtml.h"

#include "base/Cp1252.h"
#include "conversion/HtmlText.h"
#include "model/HeaderLayout.h"
#include "model/ObjectKind.h"
#include "model/TUVAset.h"
#include "model/TUVAtesto.h"
#include "model/UvaFileProbe.h"
#include "model/links/QuorLink.h"
#include "model/records/AddressLinkRecord.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace quor {

namespace fs = std::filesystem;

namespace {

constexpr char kPageLetters[3] = {'_', '-', '='};

// A path on disk for a Windows-1252 name.
fs::path DiskPath(const std::string& folder, const std::string& relative)
{
    return fs::path(folder) / fs::path(Cp1252ToUtf8(relative));
}

// A relative export name stays inside its folder: plain components only.
bool StaysInside(const std::string& relative)
{
    if (relative.empty() || relative.front() == '/' || relative.find('\\') != std::string::npos)
        return false;
    std::size_t start = 0;
    while (start <= relative.size()) {
        std::size_t end = relative.find('/', start);
        if (end == std::string::npos)
            end = relative.size();
        const std::string part = relative.substr(start, end - start);
        if (part.empty() || part == "." || part == ".." || part.find(':') != std::string::npos)
            return false;
        start = end + 1;
    }
    return true;
}

// Cover page of another hypertext file, from its header; -1 when unreadable.
int CoverPageOfFile(const std::string& file)
{
    std::ifstream in(fs::path(Cp1252ToUtf8(file)), std::ios::binary);
    HeaderBytes h{};
    if (!in.read(reinterpret_cast<char*>(h.data()), static_cast<std::streamsize>(h.size())))
        return -1;
    return header::CoverPage(h);
}

} // namespace

TUVAtoHtml::TUVAtoHtml() = default;
TUVAtoHtml::~TUVAtoHtml() = default;

std::string TUVAtoHtml::SafePrefix() const { return html::SafeBaseName(ExportPrefix()); }

std::string TUVAtoHtml::ExportedName(TUVAoggetto* object, int kind)
{
    TUVAset* doc = LinkedUVAset;
    if (!object || !doc)
        return {};
    const std::string p = SafePrefix();
    const std::string e = PageExtension();
    const std::string d = ExpSepImage ? "images/" : "";
    switch (object->Kind()) {
    case testoHtml: {
        const char letter = kPageLetters[kind >= 0 && kind <= 2 ? kind : 0];
        if (object->Index() == doc->GetCoverPage())
            return p + letter + "index" + e;
        return p + letter + html::Hex6(static_cast<std::uint32_t>(object->Index())) + e;
    }
    case internetLink: {
        const std::string address = records::ConstAddressLinkRecord(object->Record().data()).Address();
        if (!address.starts_with("quor:"))
            return address;
        return QuorLinkName(address);
    }
    case zipLink:
    case genLink: {
        const std::string stored = object->GetFileName();
        const std::string lowerExt = html::LowerAscii(html::SafeExtension(stored));
        const std::string own = html::SafeBaseName(stored);
        const bool keep = ExpOrigName || lowerExt.find(".cla") != std::string::npos ||
                          lowerExt.find(".mov") != std::string::npos;
        if (keep && !own.empty())
            return d + own;
        return d + p + "_g" + html::Hex6(static_cast<std::uint32_t>(object->Index())) + html::SafeExtension(stored);
    }
    case immagine:
    case mappaClic: {
        const std::string stored = object->GetFileName();
        const std::string own = html::SafeBaseName(stored);
        if (ExpOrigName && !own.empty())
            return d + own;
        return d + p + "_i" + html::Hex6(static_cast<std::uint32_t>(object->Index())) + html::SafeExtension(stored);
    }
    case immagineNew: {
        TUVAoggetto* picture = doc->GetObject(immagine, object->I32(0));
        if (!picture || picture == object || picture->Kind() == immagineNew)
            return {};
        return ExportedName(picture, kind);
    }
    default:
        return {};
    }
}

// A "quor:" address: a page of this hypertext gets its own page file name; a
// page of another hypertext file the name that file's export gives it, with
// the path from this hypertext's folder.
std::string TUVAtoHtml::QuorLinkName(const std::string& address)
{
    TUVAset* doc = LinkedUVAset;
    const links::QuorLink link = links::ParseQuorLink(address, doc->UVAFileName(), doc->GetCoverPage());
    if (link.sameFile || link.file.empty()) {
        const int index = link.page == links::kCoverPageOfTarget ? doc->GetCoverPage() : link.page;
        TUVAtesto* page = doc->GetPage(index);
        return page && !page->IsDeleted() ? ExportedName(page, kPageFile) : std::string();
    }
    int page = link.page;
    if (page == links::kCoverPageOfTarget)
        page = CoverPageOfFile(link.file);
    const std::string name = LinkTargetName(link.file, page, PageExtension());
    if (name.empty())
        return {};
    std::error_code ec;
    const fs::path here = fs::absolute(fs::path(Cp1252ToUtf8(doc->UVAFileName())), ec).parent_path();
    const fs::path there = fs::absolute(fs::path(Cp1252ToUtf8(link.file)), ec).parent_path();
    std::string folder = Utf8ToCp1252(there.lexically_relative(here).generic_string());
    if (folder == ".")
        folder.clear();
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder + name;
}

// ---------------------------------------------------------------------------
// Files

void TUVAtoHtml::ResetOutcome()
{
    m_lastError.clear();
    m_errors.clear();
    m_written.clear();
    m_reserved.clear();
    m_reservedValid = false;
}

bool TUVAtoHtml::PrepareFolder()
{
    std::error_code ec;
    fs::create_directories(fs::path(ExportPath), ec);
    if (ec || !fs::is_directory(fs::path(ExportPath))) {
        m_lastError = "Error creating directory: \"" + ExportPath + "\" check the \"path\" tab.";
        return false;
    }
    return true;
}

bool TUVAtoHtml::WriteFileText(const std::string& relativeName, std::string_view text, bool resource)
{
    const fs::path path = DiskPath(ExportPath, relativeName);
    bool ok = StaysInside(relativeName);
    if (ok) {
        std::error_code ec;
        if (path.has_parent_path())
            fs::create_directories(path.parent_path(), ec);
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        ok = file.is_open() && file.write(text.data(), static_cast<std::streamsize>(text.size())).good();
        if (ok) {
            file.close();
            ok = !file.fail();
        }
    }
    if (!ok) {
        const std::string message = "Error creating file: " + Utf8ToCp1252(path.generic_string());
        if (resource)
            m_errors.push_back(message);
        else
            m_lastError = message;
        return false;
    }
    m_written.push_back(relativeName);
    return true;
}

bool TUVAtoHtml::WriteStyleSheet()
{
    if (!PrepareFolder())
        return false;
    return WriteFileText(StyleSheetName(), StyleSheetText(), false);
}

const std::unordered_set<std::string>& TUVAtoHtml::ReservedNames()
{
    if (!m_reservedValid && LinkedUVAset) {
        m_reserved.insert(html::LowerAscii(StyleSheetName()));
        for (int i = 0; i < LinkedUVAset->ObjectCount(testoHtml); ++i) {
            TUVAtesto* page = LinkedUVAset->GetPage(i);
            if (!page || page->IsDeleted())
                continue;
            m_reserved.insert(html::LowerAscii(ExportedName(page, kPageFile)));
            m_reserved.insert(html::LowerAscii(ExportedName(page, kFrameDocument)));
        }
        m_reservedValid = true;
    }
    return m_reserved;
}

std::string TUVAtoHtml::WriteRedirectPage(TUVAtesto* page, const std::string& directory)
{
    const std::string name = RedirectName(page);
    if (name.empty())
        return {};
    // A redirect page never replaces a page of the export (it would send the
    // page to itself for ever).
    if (ReservedNames().count(html::LowerAscii(name)) != 0) {
        m_errors.push_back("Alternative file name \"" + name + "\" of page " + std::to_string(page->Index()) +
                           " is the name of an exported file; no redirect page written.");
        return {};
    }
    const std::string saved = ExportPath;
    ExportPath = directory;
    const bool ok = WriteFileText(name, RedirectPageText(page), true);
    ExportPath = saved;
    return ok ? Utf8ToCp1252(DiskPath(directory, name).generic_string()) : std::string();
}

bool TUVAtoHtml::ResourceBytes(TUVAoggetto* object, std::vector<std::uint8_t>& bytes)
{
    if (!object)
        return false;
    if (ObjectContent* content = object->Content()) {
        const auto* b = content->Bytes();
        if (!b)
            return false;
        bytes = *b;
        return true;
    }
    if (object->ExternalFile().empty())
        return false;
    std::ifstream in(fs::path(object->ExternalFile()), std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// ---------------------------------------------------------------------------
// Driver

bool TUVAtoHtml::WritePageAndFrames(TUVAtesto* page, ExportList& frameDocuments, ExportList& resources, int position,
                                    int count)
{
    ReportProgress(position, count, kPhasePages);
    if (OnBeforePage)
        OnBeforePage();
    const std::string text = WritePageFile(page, &frameDocuments, resources, kPageFile);
    if (!WriteFileText(ExportedName(page, kPageFile), text, false))
        return false;
    if (WriteRedirects)
        WriteRedirectPage(page, ExportPath);
    return true;
}

// Frame documents found while writing frame documents (floating frames and
// windows opened from inside a frame) are written too.
bool TUVAtoHtml::WriteFrameDocuments(ExportList& frameDocuments, ExportList& resources, std::size_t from)
{
    for (std::size_t i = from; i < frameDocuments.Size(); ++i) {
        auto* page = static_cast<TUVAtesto*>(frameDocuments[i]);
        ReportProgress(static_cast<int>(i), static_cast<int>(frameDocuments.Size()), kPhaseFrameDocuments);
        const std::string text = WritePageFile(page, &frameDocuments, resources, kFrameDocument);
        if (!WriteFileText(ExportedName(page, kFrameDocument), text, false))
            return false;
    }
    return true;
}

void TUVAtoHtml::WriteResources(ExportList& resources)
{
    for (std::size_t i = 0; i < resources.Size(); ++i) {
        TUVAoggetto* object = resources[i];
        ReportProgress(static_cast<int>(i), static_cast<int>(resources.Size()), kPhaseResources);
        const std::string name = ExportedName(object, kResourceFile);
        std::vector<std::uint8_t> bytes;
        if (!ResourceBytes(object, bytes)) {
            m_errors.push_back("Error reading \"" + name + "\" from the hypertext; file not written.");
            continue;
        }
        WriteFileText(name, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), true);
    }
}

bool TUVAtoHtml::ExportPages(const std::vector<int>& pages)
{
    ResetOutcome();
    SetClipboardMode(false);
    if (!LinkedUVAset) {
        m_lastError = "No hypertext to export.";
        return false;
    }
    if (!WriteStyleSheet())
        return false;
    std::vector<TUVAtesto*> live;
    for (int index : pages) {
        TUVAtesto* page = LinkedUVAset->GetPage(index);
        if (page && !page->IsDeleted())
            live.push_back(page);
    }
    ExportList frameDocuments, resources;
    for (std::size_t pos = 0; pos < live.size(); ++pos) {
        if (!WritePageAndFrames(live[pos], frameDocuments, resources, static_cast<int>(pos),
                                static_cast<int>(live.size())))
            return false;
    }
    if (!WriteFrameDocuments(frameDocuments, resources, 0))
        return false;
    WriteResources(resources);
    if (!m_errors.empty()) {
        std::string text = "Some files of the export could not be written:";
        for (const auto& e : m_errors)
            text += "\r\n" + e;
        LinkedUVAset->Messages().Warning(text);
    }
    return true;
}

bool TUVAtoHtml::ExportPage(ExportList& resources, ExportList& pages, int pageIndex)
{
    ResetOutcome();
    if (!LinkedUVAset) {
        m_lastError = "No hypertext to export.";
        return false;
    }
    if (!WriteStyleSheet())
        return false;
    TUVAtesto* page = LinkedUVAset->GetPage(pageIndex);
    if (!page || page->IsDeleted())
        return true;
    ExportList frameDocuments;
    ReportProgress(1, 1, kPhasePages);
    const std::string text = WritePageFile(page, &frameDocuments, resources, kPageFile);
    if (!WriteFileText(ExportedName(page, kPageFile), text, false))
        return false;
    pages.Add(page);
    if (!WriteFrameDocuments(frameDocuments, resources, 0))
        return false;
    for (TUVAoggetto* framed : frameDocuments.Items())
        pages.Add(framed);
    return true;
}

bool TUVAtoHtml::ExportPage(int pageIndex)
{
    ExportList resources, pages;
    return ExportPage(resources, pages, pageIndex);
}

bool TUVAtoHtml::ExportAllPages(ExportList& resources)
{
    ResetOutcome();
    if (!LinkedUVAset) {
        m_lastError = "No hypertext to export.";
        return false;
    }
    if (!WriteStyleSheet())
        return false;
    ExportList frameDocuments;
    const int count = LinkedUVAset->ObjectCount(testoHtml);
    for (int i = 0; i < count; ++i) {
        TUVAtesto* page = LinkedUVAset->GetPage(i);
        if (!page || page->IsDeleted())
            continue;
        if (!WritePageAndFrames(page, frameDocuments, resources, i, count))
            return false;
    }
    return WriteFrameDocuments(frameDocuments, resources, 0);
}

} // namespace quor
