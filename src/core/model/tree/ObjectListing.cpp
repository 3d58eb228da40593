#include "model/tree/ObjectListing.h"

#include "model/AnsiCase.h"
#include "model/ObjectKind.h"
#include "model/TUVAoggetto.h"
#include "model/TUVAset.h"
#include "model/records/LocalDbRecord.h"

#include <filesystem>

namespace quor {

namespace {

constexpr int kHypertextLinkSubKind = 6;   // "quor:" addresses
constexpr std::size_t kLocalDbMark = 46;
constexpr int kLocalDbListed = 11;
constexpr int kGenericIcon = 3;

ListIcon Named(std::string name) { return ListIcon{ListIcon::Type::FileType, 0, std::move(name)}; }
ListIcon Fixed(int n) { return ListIcon{ListIcon::Type::Fixed, n, {}}; }

ListIcon LinkIcon(const std::string& caption)
{
    ListIcon icon;
    if (!caption.empty()) {
        switch (AnsiUpperChar(static_cast<unsigned char>(caption[0]))) {
        case 'F': icon = Fixed(kGenericIcon); break;
        case 'H': icon = Named("i.htm"); break;
        case 'M': icon = Named("i.msg"); break;
        default: break;
        }
    }
    const auto dot = caption.rfind('.');
    if (dot != std::string::npos && AnsiLower(caption.substr(dot)).substr(0, 4) == ".htm")
        icon = Named("i.htm");
    return icon;
}

std::int64_t SizeOf(TUVAoggetto& obj)
{
    auto blockSize = [](const ObjectContent* c) -> std::int64_t { return c ? static_cast<std::int64_t>(c->Size()) : 0; };
    switch (obj.Kind()) {
    case testoHtml: return static_cast<std::int64_t>(obj.ContentText().size());
    case genLink: {
        if (obj.Content())
            return blockSize(obj.Content());
        std::error_code ec;
        const auto size = std::filesystem::file_size(obj.ExternalFile(), ec);
        return ec ? obj.I32(85) : static_cast<std::int64_t>(size);
    }
    case immagine: {
        if (obj.Content())
            return blockSize(obj.Content());
        std::error_code ec;
        const auto size = std::filesystem::file_size(obj.ExternalFile(), ec);
        return ec ? obj.I32(174) : static_cast<std::int64_t>(size);
    }
    case custom:
    case dbloc: return blockSize(obj.Content()) + blockSize(obj.Properties());
    default: return 0;
    }
}

} // namespace

std::vector<ListedObject> ListObjects(TUVAset& document, int kind, const ListFilter& filter)
{
    std::vector<ListedObject> rows;
    const int count = document.ObjectCount(kind);
    for (int i = 0; i < count; ++i) {
        TUVAoggetto* obj = document.GetObject(kind, i);
        if (!obj || obj->IsDeleted())
            continue;
        bool include = true;
        if (kind == internetLink && obj->SubKind() == kHypertextLinkSubKind)
            include = false;
        if (kind == dbloc && obj->U8(kLocalDbMark) != kLocalDbListed)
            include = false;
        if (filter)
            filter(*obj, include);
        if (!include)
            continue;
        ListedObject row;
        row.ref = obj->GetRef();
        row.caption = obj->GetName();
        switch (kind) {
        case testoHtml: row.icon = Named("i.txt"); break;
        case internetLink: row.icon = LinkIcon(row.caption); break;
        case genLink:
        case immagine: row.icon = Named(obj->GetFileName()); break;
        case keyword: break;
        case custom: row.icon = Named("i.ini"); break;
        case dbloc: row.icon = Named("i.dsn"); break;
        default: row.icon = Fixed(kGenericIcon); break;
        }
        row.size = std::to_string(SizeOf(*obj));
        row.fileName = obj->GetFileName();
        if (kind == testoHtml)
            row.pageIndex = std::to_string(i);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string RenameListedObject(TUVAset& document, TUVAoggetto& object, std::string_view newName)
{
    const std::string before = object.GetName();
    const bool isStyle = object.Kind() == stileParagrafo;
    if (!isStyle || (AnsiLower(newName) != AnsiLower(before) && !document.StyleExists(newName)))
        object.SetName(newName);
    if (object.GetName() != before)
        document.SetModified(true);
    return object.GetName();
}

} // namespace quor
