// TUVAset.h: the hypertext document: the 1978-byte header record, one object
// list per kind, the reference translation lists, the error list of the last
// save, the backing file of a loaded document and a private working folder.
//
// Object lists keep deleted objects as placeholders so that indexes (and so
// ObjectRefs) never shift; a new object reuses the first deleted slot.
//
// API for the file reader/writer (defined in TUVAsetFile.cpp):
//  - Header() gives the raw header bytes (layout and accessors in HeaderLayout.h).
//  - List(kind) gives a kind's slots; AdoptObject appends a read object as
//    registered without touching the modified flag; ClearList empties a list.
//  - OldRefs()/NewRefs() (or AddTranslation) hold the legacy-kind translations.
//  - Errors() is the error list; SetBackingFile/BackingFile/CloseBackingFile the
//    open file (an IContentSource objects read their lazy blocks from);
//    DataAreaStart/SetDataAreaStart; SetModified; RecordFileName.
//  - CreateDefaultStyles() after a file without kind-17 records,
//    AdoptDefaultStyles() after one with them.
//  - FireBeforeNew()/FireAfterNew() run the OnBeforeNew/OnAfterNew hooks.
#pragma once

#include "base/IMessages.h"
#include "model/HeaderLayout.h"
#include "model/IContentSource.h"
#include "model/ObjectKind.h"
#include "model/ObjectRef.h"
#include "model/TUVAoggetto.h"
#include "model/TUVAundoIndiciList.h"
#include "model/WorkingFolder.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quor {

class TUVAtesto;

class TUVAset {
public:
    using ObjectList = std::vector<std::unique_ptr<TUVAoggetto>>;

    TUVAset();
    ~TUVAset();
    TUVAset(const TUVAset&) = delete;
    TUVAset& operator=(const TUVAset&) = delete;

    // --- lifecycle ---
    // OnBeforeNew, ClearDocument, new header, the two default styles, OnAfterNew;
    // the modified flag ends clear.
    void NewDocument();
    // Drops every object, the translations, the backing file and the file name,
    // forgets the default styles and deletes the files of the working folder.
    void ClearDocument();
    // Defined by the file reader/writer (TUVAsetFile.cpp).
    bool LoadFromFile(const std::string& name);
    bool SaveToFile(const std::string& name, int version = 2);

    // --- people and hooks ---
    void SetMessages(IMessages* messages);   // nullptr restores the silent sink
    IMessages& Messages() const { return *m_messages; }
    std::function<void()> OnBeforeNew;
    std::function<void()> OnAfterNew;
    void FireBeforeNew() { if (OnBeforeNew) OnBeforeNew(); }
    void FireAfterNew() { if (OnAfterNew) OnAfterNew(); }
    // Called by ClearDocument so that open page editors drop their pages first.
    std::function<void()> OnDropPages;
    // Called before a registered object is changed in place outside the page
    // editors (an image's content replaced), with the undo caption; the undo
    // list records its step here.
    std::function<void(const std::string& caption, TUVAoggetto& object)> OnObjectUndoStep;

    // --- header ---
    HeaderBytes& Header() { return m_header; }
    const HeaderBytes& Header() const { return m_header; }
    int Version() const { return header::Version(m_header); }
    int Revision() const { return header::Revision(m_header); }
    std::string ExpPrefix() const { return header::ExportPrefix(m_header); }
    void SetExpPrefix(std::string_view p) { header::SetExportPrefix(m_header, p); }
    int GetContentsPage() const { return header::ContentsPage(m_header); }
    int GetCoverPage() const { return header::CoverPage(m_header); }
    // The password when the hypertext is read-only (empty for version 1 or
    // lower); "." when it is not read-only.
    std::string GetPassword() const;
    // Resolution written into new headers and by saves (no screen in the core).
    static int ScreenPixelsPerInch();
    static void SetScreenPixelsPerInch(int ppi);
    // Name of the logged-on user, at most 79 characters.
    static std::string LoggedOnUserName();

    // --- objects ---
    // Number of slots of a kind's list; 0 for kinds above 25.
    int ObjectCount(int kind) const;
    // nullptr for kinds 25 and above, an index outside 0..0xFFFFFF or beyond the
    // list, or an empty slot. Kinds 2 and 6 go through the translation lists first.
    TUVAoggetto* GetObject(int kind, int index) const;
    TUVAoggetto* GetObjectByRef(ObjectRef ref) const;
    // The page at `index` (kind 0) or nullptr.
    TUVAtesto* GetPage(int index) const;

    // Registers `object` as kind `kind`. An index outside 0..0xFFFFFF means the
    // first deleted slot, else the end of the list. A slot beyond the end appends;
    // an empty slot refuses (-1); a slot holding another object has that object
    // cleared and destroyed. On success the set owns the object (`object` becomes
    // null), the object is marked registered, the document modified, and the
    // index is returned; on -1 `object` is left with the caller.
    int RegisterObject(int kind, int index, std::unique_ptr<TUVAoggetto>& object);
    // Convenience: registers at `index` (-1 = free slot or append) under the
    // object's own kind; returns the registered object or nullptr (then destroyed).
    TUVAoggetto* Register(std::unique_ptr<TUVAoggetto> object, int index = -1);
    // Reader's append: the object goes at the end of its kind's list with that
    // index, owner this set, registered; the modified flag is not touched.
    TUVAoggetto* AdoptObject(std::unique_ptr<TUVAoggetto> object);
    // The slot holds nothing any more; returns what it held (unregistered).
    std::unique_ptr<TUVAoggetto> EmptySlot(int kind, int index);
    // Raw slots of a kind (no translation); kinds outside 0..26 give an empty list.
    ObjectList& List(int kind);
    const ObjectList& List(int kind) const;
    void ClearList(int kind);

    TUVAoggetto* FindEqual(TUVAoggetto& object) const;
    TUVAoggetto* FindByName(const TUVAoggetto& object) const;
    TUVAtesto* FindPageByName(std::string_view name) const;
    TUVAoggetto* GetPageFrameSet(int pageIndex) const;
    // Kind-11 holders of the page tree and the custom-object tree, made on first use.
    TUVAoggetto* PageTreeObject();
    TUVAoggetto* CustomTreeObject();

    // Browse sequence: the previous/next page index of `pageIndex`, or
    // `pageIndex` itself when there is none (or it is not a live page).
    int PreviousPage(int pageIndex) const;
    int NextPage(int pageIndex) const;

    // --- reference translation (legacy kinds 2 and 6) ---
    std::vector<ObjectRef>& OldRefs() { return m_oldRefs; }
    std::vector<ObjectRef>& NewRefs() { return m_newRefs; }
    void AddTranslation(ObjectRef oldRef, ObjectRef newRef);

    // --- paragraph styles (kind 17) ---
    int StyleIndex(std::string_view name) const;
    bool StyleExists(std::string_view name) const { return StyleIndex(name) >= 0; }
    std::string UniqueStyleName(std::string_view name) const;
    std::vector<std::string> StyleNames() const;
    TUVAoggetto* FindStyle(std::string_view name) const;
    void FixStyleNames();
    TUVAoggetto* DefaultStyle() const { return m_defaultStyle; }
    TUVAoggetto* DefaultTableStyle() const { return m_defaultTableStyle; }
    // Creates and registers "[no style]" and "[no style intab]" (indexes 0 and 1
    // of an empty style list); clears the modified flag.
    void CreateDefaultStyles();
    // Styles 0 and 1 of a loaded list take the default roles.
    void AdoptDefaultStyles();

    // --- state ---
    bool Modified() const { return m_modified; }
    void SetModified(bool m) { m_modified = m; }
    std::vector<std::string>& Errors() { return m_errors; }
    const std::vector<std::string>& Errors() const { return m_errors; }
    const std::string& UVAFileName() const { return m_fileName; }
    // Assigning the file name loads that file: OnBeforeNew fires once before the
    // document is replaced (LoadFromFile). A missing file leaves the document as
    // it is, with the warning name + " doesn't exist".
    bool SetUVAFileName(const std::string& name) { return LoadFromFile(name); }
    void RecordFileName(std::string name) { m_fileName = std::move(name); }
    const std::shared_ptr<IContentSource>& BackingFile() const { return m_backingFile; }
    void SetBackingFile(std::shared_ptr<IContentSource> f) { m_backingFile = std::move(f); }
    void CloseBackingFile() { m_backingFile.reset(); }
    std::int64_t DataAreaStart() const { return m_dataAreaStart; }
    void SetDataAreaStart(std::int64_t s) { m_dataAreaStart = s; }

    // --- working folder ---
    const std::string& WorkingFolderPath() { return m_workingFolder.Path(); }
    std::string MakeTempFileName(std::string_view name) { return m_workingFolder.MakeTempFileName(name); }
    WorkingFolder& Folder() { return m_workingFolder; }

    // --- options ---
    TUVAundoIndiciList& EditorRegistry() { return m_editorRegistry; }
    TUVAset* WrapperSet() const { return m_wrapperSet; }
    void SetWrapperSet(TUVAset* s) { m_wrapperSet = s; }
    bool MakeBackup = true;
    bool AutoAlt = true;
    bool DbDebug = false;
    bool DbDebugMap = false;
    int MaxCacheImg = 20;
    int UndoDeep = 0;

private:
    int NeighbourPage(int pageIndex, int direction) const;   // direction -1 or +1
    void InitNewHeader();
    TUVAoggetto* MakeTreeObject(header::Field field);

    TUVAundoIndiciList m_editorRegistry;
    TUVAset* m_wrapperSet = nullptr;
    std::vector<ObjectRef> m_oldRefs;
    std::vector<ObjectRef> m_newRefs;
    std::vector<std::string> m_errors;
    WorkingFolder m_workingFolder;
    TUVAoggetto* m_defaultStyle = nullptr;
    TUVAoggetto* m_defaultTableStyle = nullptr;
    bool m_modified = false;
    std::string m_fileName;
    std::shared_ptr<IContentSource> m_backingFile;
    HeaderBytes m_header{};
    std::int64_t m_dataAreaStart = 0;
    std::array<ObjectList, kKindCount> m_lists;
    ObjectList m_noList;
    SilentMessages m_silent;
    IMessages* m_messages = &m_silent;
};

} // namespace quor
