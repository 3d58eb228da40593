// PageWorkingCopy.h: the data side of editing a page. A page is never edited in
// place: opening makes a copy whose reference tags point at local objects, and
// storing turns the local objects back into registered ones and puts the copy in
// the page's slot. The page view (a widget) drives one of these.
//
// Tags in the copy's text:
//  - 0x6F000000 + i : the i-th local link (kinds 1 and 10), Copy()->LocalLinks[i];
//  - 0xFF000000 + i : before ShowObjects, the i-th local object
//    (Copy()->LocalObjects[i]); after it, the object shown under number i of the
//    page's control registry (ShownObject(i)).
// Header and footer pages are opened alongside as read-only copies; their
// objects are shown too but never stored.
#pragma once

#include "model/ObjectRef.h"
#include "model/TUVAtesto.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace quor {

class TUVAset;

class PageWorkingCopy {
public:
    enum class StoreResult {
        Stored,          // the copy is now the page at its index (or a new page)
        NothingToStore,  // no copy open (never opened, already stored or discarded)
        SourceReplaced,  // the page's slot holds another object now: nothing was
                         // stored and the copy is kept (DetachFromSource, then
                         // Store again, keeps the edits as a new page)
    };

    explicit PageWorkingCopy(TUVAset& doc);
    ~PageWorkingCopy();
    PageWorkingCopy(const PageWorkingCopy&) = delete;
    PageWorkingCopy& operator=(const PageWorkingCopy&) = delete;

    // Opens the live page at `pageIndex`; false (nothing opened) when there is none.
    // A copy already open is discarded first.
    bool Open(int pageIndex);
    // Opens a new page: cleared, marked in use, its own working copy.
    void OpenNew();
    bool IsOpen() const { return m_copy != nullptr; }
    bool IsNewPage() const { return m_isNew; }
    int SourceIndex() const { return m_sourceIndex; }
    TUVAtesto* Copy() const { return m_copy.get(); }
    TUVAtesto* HeaderCopy() const { return m_copy ? m_copy->HeaderPage.get() : nullptr; }
    TUVAtesto* FooterCopy() const { return m_copy ? m_copy->FooterPage.get() : nullptr; }

    // Registers every local object of the copy, then of its header and footer, as
    // shown: `registerControl` returns the control registry number (a negative
    // result takes the next number after those in use); the object's tag is
    // rewritten to 0xFF000000 + that number and the object is kept under it.
    void ShowObjects(const std::function<int(TUVAoggetto&)>& registerControl);
    bool Shown() const { return m_shown; }
    TUVAoggetto* ShownObject(int number) const;
    // Hands a shown object out (an editor deleting it) or in (inserting one).
    std::unique_ptr<TUVAoggetto> TakeShownObject(int number);
    void PutShownObject(int number, std::unique_ptr<TUVAoggetto> object);

    // Stores the copy back (its text must already hold the text box's markup).
    // `changed` raises the page revision to the document revision.
    // `storeState` is called for each shown object before it is registered.
    StoreResult Store(bool changed, const std::function<void(int, TUVAoggetto&)>& storeState = {});
    // Makes the open copy a new page, so that Store puts it in a free slot.
    void DetachFromSource();
    // Frees the copy and its objects without storing.
    void Discard();

    // Title made from the start of a page text (used when the title is "Untitled").
    static std::string AutomaticTitle(std::string_view markup);

private:
    std::unique_ptr<TUVAtesto> MakeCopy(TUVAtesto& source, bool inHeaderFooter);
    ObjectRef LocaliseLink(TUVAtesto& copy, ObjectRef ref, std::map<ObjectRef, ObjectRef>& done, bool inHeaderFooter);
    void LocaliseLinkFields(TUVAtesto& copy, TUVAoggetto& obj, std::map<ObjectRef, ObjectRef>& done, bool inHeaderFooter);
    ObjectRef GlobaliseLink(int localIndex);
    ObjectRef GlobaliseObject(int number, const std::function<void(int, TUVAoggetto&)>& storeState);
    void GlobaliseLinkFields(TUVAoggetto& obj);
    TUVAtesto* OpenAround(int pageIndex);

    TUVAset& m_doc;
    std::unique_ptr<TUVAtesto> m_copy;
    TUVAtesto* m_source = nullptr;
    int m_sourceIndex = -1;
    bool m_isNew = false;
    bool m_shown = false;
    std::map<int, std::unique_ptr<TUVAoggetto>> m_shownObjects;
    std::map<int, ObjectRef> m_storedLinks;
    std::map<int, ObjectRef> m_storedObjects;
};

} // namespace quor
