// TUVAsetFile.cpp: loading and saving a whole document (TUVAset::LoadFromFile,
// TUVAset::SaveToFile). The byte layout is read by UvaFileReader and written by
// UvaFileWriter; this file holds the document side: messages, the backing file,
// and the safe replacement of the target on save.
#include "model/TUVAset.h"

#include "model/BackingFile.h"
#include "model/OutputFile.h"
#include "model/UvaFileReader.h"
#include "model/UvaFileWriter.h"

#include <cerrno>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace quor {

namespace fs = std::filesystem;

namespace {

constexpr const char* kUnsupportedFile =
    "Unsupported file.\rPlease ask the maker of the program for a more recent release to open it.";
constexpr const char* kTooOldVersion1 =
    "Attenzione: file salvato con una versione del programma\ranteriore alla 0.98. Non pi\xF9 supportato. "
    "UNSUPPORTED\r";
constexpr const char* kErrorReading = "Error reading file:";
constexpr const char* kErrorWriting = "Error writing file ";
constexpr const char* kShareError = "Share error, or out of disk space.";

// Keeps OnBeforeNew/OnAfterNew quiet while a load resets the document
// internally, so each load fires each hook once.
class HookPause {
public:
    explicit HookPause(TUVAset& doc)
        : m_doc(doc), m_before(std::move(doc.OnBeforeNew)), m_after(std::move(doc.OnAfterNew))
    {
        doc.OnBeforeNew = nullptr;
        doc.OnAfterNew = nullptr;
    }
    ~HookPause()
    {
        m_doc.OnBeforeNew = std::move(m_before);
        m_doc.OnAfterNew = std::move(m_after);
    }

private:
    TUVAset& m_doc;
    std::function<void()> m_before;
    std::function<void()> m_after;
};

void ResetToNewDocument(TUVAset& doc)
{
    HookPause pause(doc);
    doc.NewDocument();
}

std::string Quoted(const std::string& s)
{
    return "\"" + s + "\"";
}

std::string CreateRetryQuestion(const std::string& file)
{
    return std::string(kShareError) + "\rPlease close application(s) that make access to file, then choose " +
           Quoted("Yes") + " to retry.\r(" + file + ")";
}

std::string ReplaceRetryQuestion(const std::string& tempFile)
{
    return std::string(kShareError) + "\rPlease close application(s) that make access to file, then choose " +
           Quoted("Yes") + " to retry.\rChoose " + Quoted("No") + " to use the document in " + Quoted(tempFile);
}

// The name with its extension replaced by ".bak".
std::string BackupName(const fs::path& target)
{
    fs::path bak = target;
    bak.replace_extension(".bak");
    return bak.string();
}

// Permission bits for the new file: those of the file it replaces, else the
// usual ones for a new file.
mode_t ModeFor(const fs::path& target)
{
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Keeps the file now at `target` as its ".bak": a second name for the same file,
// made only once the new file is complete, so the target is never missing.
void KeepBackup(const fs::path& target)
{
    std::error_code ec;
    if (!fs::is_regular_file(target, ec))
        return;
    const std::string bak = BackupName(target);
    if (bak == target.string())
        return;
    fs::remove(bak, ec);
    if (::link(target.c_str(), bak.c_str()) != 0)
        fs::copy_file(target, bak, fs::copy_options::overwrite_existing, ec);
}

} // namespace

// Loads `name` into this (already cleared) document; shows the messages of a
// failed load and leaves a new document then.
static bool LoadInto(TUVAset& doc, const std::string& name)
{
    doc.ClearDocument();
    UvaReadStatus status = UvaReadStatus::Corrupt;
    std::shared_ptr<BackingFile> file;
    try {
        file = BackingFile::Open(name);
        if (file) {
            UvaFileReader reader(file);
            status = reader.ReadLayout();
            if (status == UvaReadStatus::Ok)
                status = reader.ReadObjects(doc, name);
        }
    } catch (const std::exception&) {
        status = UvaReadStatus::Corrupt;
    }

    bool ok = false;
    switch (status) {
    case UvaReadStatus::Ok:
        doc.SetBackingFile(file);
        doc.RecordFileName(name);
        ok = true;
        break;
    case UvaReadStatus::EmptyFile:
        ResetToNewDocument(doc);
        doc.SetExpPrefix(ExportPrefixFromFileName(name, 8));
        doc.RecordFileName(name);
        ok = true;
        break;
    case UvaReadStatus::BadMagic:
        doc.Messages().Information("Unrecognized format.");
        break;
    case UvaReadStatus::Version1TooOld:
        doc.Messages().Information(kTooOldVersion1);
        break;
    case UvaReadStatus::NewerVersion:
        doc.Messages().Error(kUnsupportedFile);
        break;
    case UvaReadStatus::TooManyKinds:
        doc.Messages().Information(kUnsupportedFile);
        break;
    case UvaReadStatus::TooShort:
    case UvaReadStatus::Corrupt:
        break;
    }
    if (!ok) {
        // The name is not kept: a later save must not overwrite the file that
        // could not be read with an empty document.
        ResetToNewDocument(doc);
        doc.Messages().Information(std::string(kErrorReading) + name);
    }
    doc.FireAfterNew();
    doc.SetModified(false);
    return ok;
}

bool TUVAset::LoadFromFile(const std::string& name)
{
    std::error_code ec;
    if (name.empty() || !fs::exists(name, ec)) {
        Messages().Warning(name + " doesn't exist");
        return false;
    }
    FireBeforeNew();
    return LoadInto(*this, name);
}

bool TUVAset::SaveToFile(const std::string& name, int version)
{
    Errors().clear();
    if (name.empty()) {
        Messages().Error("Invalid file name!");
        return false;
    }
    FireBeforeNew();

    // A symbolic link stays a link: the file it points to is the one replaced.
    std::error_code ec;
    fs::path target(name);
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec)
            target = resolved;
    }
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    fs::create_directories(folder, ec);

    // The new content goes to a temporary file beside the target and replaces
    // it only once complete, so a failed save leaves the target as it was.
    OutputFile out;
    const std::string tempPrefix = (folder / ("." + target.filename().string() + ".tmp-")).string();
    while (!out.CreateUnique(tempPrefix)) {
        if (!Messages().AskYesNo(CreateRetryQuestion(name))) {
            Errors().push_back(kErrorWriting);
            return false;
        }
    }
    out.SetMode(ModeFor(target));

    bool written = false;
    try {
        UvaFileWriter writer(*this, name, version);
        written = writer.Write(out);
        if (written && !out.FlushAndSync())
            written = false;
        if (!out.Close())
            written = false;
    } catch (const std::bad_alloc&) {
        written = false;
    } catch (const std::ios_base::failure&) {
        written = false;
    }
    if (!written || !Errors().empty()) {
        if (Errors().empty())
            Errors().push_back(kErrorWriting);
        out.Discard();
        return false;
    }

    if (MakeBackup)
        KeepBackup(target);
    std::string reloadFrom = target.string();
    bool replaceFailed = false;
    while (::rename(out.Path().c_str(), target.c_str()) != 0) {
        replaceFailed = true;
        if (!Messages().AskYesNo(ReplaceRetryQuestion(out.Path()))) {
            reloadFrom = out.Path();   // the document goes on from the temporary file
            break;
        }
    }
    if (replaceFailed)
        Errors().push_back(kShareError);

    // Reloading gives every object the positions of the new file and makes it
    // the backing file.
    std::vector<std::string> errors = std::move(Errors());
    LoadInto(*this, reloadFrom);
    Errors() = std::move(errors);
    return Errors().empty();
}

} // namespace quor
