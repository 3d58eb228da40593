// ObjectListing.h: the rows of a list of the live objects of one kind (pages,
// links, attached files, images, keywords, prototypes, local database
// objects...): caption, icon, size, file name and, for pages, the index.
#pragma once

#include "model/ObjectRef.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quor {

class TUVAoggetto;
class TUVAset;

struct ListIcon {
    enum class Type { None, Fixed, FileType };
    Type type = Type::None;
    int fixed = 0;          // system icon number for Type::Fixed
    std::string fileName;   // whose extension chooses the icon for Type::FileType
};

struct ListedObject {
    ObjectRef ref = kNoRef;
    std::string caption;
    ListIcon icon;
    std::string size;       // decimal
    std::string fileName;
    std::string pageIndex;  // pages only
};

// Last word on whether an object is listed.
using ListFilter = std::function<void(TUVAoggetto& object, bool& include)>;

// The rows for the live objects of `kind` in index order. Links into hypertexts
// (sub-kind 6) are left out; local database objects are listed only when
// marked 11 at record offset 46.
std::vector<ListedObject> ListObjects(TUVAset& document, int kind, const ListFilter& filter = {});

// Renames a listed object after its caption was edited; returns the caption the
// row must show. A paragraph style takes a name only when it differs, ignoring
// case, from its own and no live style has it already.
std::string RenameListedObject(TUVAset& document, TUVAoggetto& object, std::string_view newName);

} // namespace quor
