#include "model/pictures/PictureStore.h"

#include "base/ByteReader.h"
#include "model/AnsiCase.h"
#include "model/TUVAoggetto.h"
#include "model/TUVAset.h"
#include "model/pictures/BmpCodec.h"
#include "model/pictures/GifCodec.h"
#include "model/pictures/JpegCodec.h"
#include "model/pictures/PictureDecoder.h"
#include "model/records/AttachedFileRecord.h"
#include "model/records/EmbeddedName.h"
#include "model/records/ImageRecord.h"
#include "model/records/PlacementRecord.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace quor {

namespace fs = std::filesystem;
using records::ImageRecord;
using records::PlacementRecord;

namespace {

constexpr std::int32_t kTransparentGif = -1;
constexpr std::int32_t kOpaque = -2;
constexpr std::size_t kZoneBytes = ImageRecord::kZoneCount * ImageRecord::kZoneSize;   // 480

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

bool IsRegularFile(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(fs::path(path), ec);
}

// Extension with its dot, in lower case ("" when none).
std::string LowerExtension(std::string_view name)
{
    const std::string file = records::WithoutFolder(name);
    const auto dot = file.rfind('.');
    return dot == std::string::npos ? std::string() : AnsiLower(std::string_view(file).substr(dot));
}

std::string WithoutExtension(std::string_view file)
{
    const auto dot = file.rfind('.');
    return std::string(dot == std::string_view::npos ? file : file.substr(0, dot));
}

std::int16_t ClampI16(int v) { return static_cast<std::int16_t>(std::clamp(v, -32768, 32767)); }

// True when `path` lies inside `folder` (both absolute).
bool IsInside(const std::string& path, const std::string& folder)
{
    if (folder.empty() || path.empty())
        return false;
    std::error_code ec;
    const fs::path p = fs::weakly_canonical(fs::path(path), ec);
    const fs::path f = fs::weakly_canonical(fs::path(folder), ec);
    const std::string ps = p.string(), fs_ = f.string();
    return ps.size() > fs_.size() + 1 && ps.compare(0, fs_.size(), fs_) == 0 && ps[fs_.size()] == '/';
}

} // namespace

PictureStore::PictureStore(TUVAset& document) : m_doc(document) {}

// --- names ---

std::string PictureStore::UniqueEmbeddedName(std::string_view name, std::size_t capacity) const
{
    const std::string ext = LowerExtension(name);
    // The short form must itself fit, or a long extension would never settle.
    const bool enforceLength = 8 + ext.size() <= capacity;
    return records::UniqueEmbeddedName(name, [&](std::string_view lower) {
        if (enforceLength && lower.size() > capacity)
            return true;
        for (int kind : {genLink, zipLink, immagine, mappaClic}) {
            for (const auto& obj : m_doc.List(kind)) {
                if (obj && AnsiLower(obj->GetFileName()) == lower)
                    return true;
            }
        }
        return false;
    });
}

// --- adding pictures ---

TUVAoggetto* PictureStore::AddPicture(const std::string& file)
{
    if (!IsRegularFile(file))
        return nullptr;
    const std::string ext = LowerExtension(file);
    TUVApicture picture;
    std::string contentFile = file;
    std::string nameFile = records::WithoutFolder(file);
    std::string tempFile;
    if (ext == ".gif" || ext == ".jpeg" || ext == ".jpg" || ext == ".wmf" || ext == ".emf") {
        if (!picture.LoadFromFile(file))
            return nullptr;
    } else if (ext == ".bmp") {
        TUVApicture bitmap;
        if (!bitmap.LoadFromFile(file) || bitmap.Frames().empty())
            return nullptr;
        std::vector<std::uint8_t> converted;
        std::string error;
        std::string newExt = ".gif";
        if (!EncodeGif(bitmap, converted, error)) {
            newExt = ".jpg";
            if (!EncodeJpeg(bitmap, converted, error))
                return nullptr;
        }
        nameFile = WithoutExtension(nameFile) + newExt;
        tempFile = m_doc.MakeTempFileName(nameFile);
        if (tempFile.empty() || !WriteWholeFile(tempFile, converted))
            return nullptr;
        if (!picture.LoadFromFile(tempFile)) {
            std::error_code ec;
            fs::remove(tempFile, ec);
            return nullptr;
        }
        contentFile = tempFile;
    } else {
        return nullptr;
    }
    const bool transparent = picture.Format() == PictureFormat::Gif && picture.Transparent();
    NewImage image = MakeImage(contentFile, nameFile, transparent, picture.Height(), picture.Width());
    if (!tempFile.empty()) {
        std::error_code ec;
        fs::remove(tempFile, ec);
    }
    if (!image)
        return nullptr;
    if (image.created)
        return m_doc.Register(std::move(image.created));
    return image.image;
}

NewImage PictureStore::AddPictureObject(const std::string& file, bool transparent, int height, int width)
{
    return MakeImage(file, records::WithoutFolder(file), transparent, height, width);
}

NewImage PictureStore::MakeImage(const std::string& contentFile, std::string_view nameFile, bool transparent,
                                 int height, int width)
{
    std::vector<std::uint8_t> bytes;
    if (!ReadWholeFile(contentFile, bytes))
        return {};
    auto image = TUVAoggetto::CreateCleared(&m_doc, immagine);
    const std::string unique = UniqueEmbeddedName(nameFile, ImageRecord::kFileNameCap);
    image->SetFileName(unique);
    image->SetName(WithoutExtension(unique));
    image->SetSubKind(LowerExtension(unique) == ".gif" ? ImageRecord::kGif : ImageRecord::kOtherPicture);
    image->SetI32(ImageRecord::kTransparency, transparent ? kTransparentGif : kOpaque);
    image->SetI32(ImageRecord::kContentLength, static_cast<std::int32_t>(std::min<std::size_t>(bytes.size(), 0x7FFFFFFF)));
    image->SetI16(ImageRecord::kWidth, ClampI16(width));
    image->SetI16(ImageRecord::kHeight, ClampI16(height));
    image->SetContentBytes(std::move(bytes));
    if (TUVAoggetto* existing = FindEqualImage(*image))
        return NewImage{existing, nullptr};
    NewImage result;
    result.image = image.get();
    result.created = std::move(image);
    return result;
}

TUVAoggetto* PictureStore::FindEqualImage(TUVAoggetto& image) const
{
    const std::vector<std::uint8_t>* mine = image.Content() ? image.Content()->Bytes() : nullptr;
    if (!mine)
        return nullptr;
    for (const auto& obj : m_doc.List(immagine)) {
        if (!obj || obj.get() == &image || obj->IsDeleted())
            continue;
        // Compare with the content, or with the unpacked file that replaced it.
        if (ObjectContent* c = obj->Content()) {
            if (c->Size() != mine->size())
                continue;
            const auto* theirs = c->Bytes();
            if (theirs && *theirs == *mine)
                return obj.get();
        } else if (!obj->ExternalFile().empty()) {
            std::error_code ec;
            const auto size = fs::file_size(fs::path(obj->ExternalFile()), ec);
            if (ec || size != mine->size())
                continue;
            std::vector<std::uint8_t> theirs;
            if (ReadWholeFile(obj->ExternalFile(), theirs) && theirs == *mine)
                return obj.get();
        }
    }
    return nullptr;
}

std::unique_ptr<TUVAoggetto> PictureStore::AddImmagineNew(NewImage& image)
{
    if (image.created) {
        if (image.created->Owner() != &m_doc) {
            m_doc.Messages().Error("Different UVAset in AddImmagineNew!");
            return nullptr;
        }
        image.image = m_doc.Register(std::move(image.created));
        if (!image.image)
            return nullptr;
    }
    return AddImmagineNew(image.image);
}

std::unique_ptr<TUVAoggetto> PictureStore::AddImmagineNew(TUVAoggetto* image)
{
    auto placement = TUVAoggetto::CreateCleared(&m_doc, immagineNew);
    placement->MarkInUse();
    PlacementRecord rec(placement->Record().data());
    if (image) {
        if (image->Owner() != &m_doc || image->Kind() != immagine) {
            m_doc.Messages().Error("Different UVAset in AddImmagineNew!");
            return nullptr;
        }
        if (image->Registered()) {
            std::memcpy(placement->Record().data() + PlacementRecord::kZones, image->Record().data() + ImageRecord::kZones,
                        kZoneBytes);
        }
        // An unregistered image cannot be passed here without its owner: see the NewImage overload.
        rec.SetImage(image->Index());
        rec.SetName(m_doc.AutoAlt ? image->GetName().substr(0, PlacementRecord::kNameCap) : std::string());
        const std::int16_t w = image->I16(ImageRecord::kWidth);
        const std::int16_t h = image->I16(ImageRecord::kHeight);
        placement->SetI16(PlacementRecord::kWidth, w);
        placement->SetI16(PlacementRecord::kNaturalWidth, w);
        placement->SetI16(PlacementRecord::kHeight, h);
        placement->SetI16(PlacementRecord::kNaturalHeight, h);
    } else {
        rec.SetName("");
        rec.SetImage(-1);
        for (std::size_t off : {PlacementRecord::kWidth, PlacementRecord::kNaturalWidth, PlacementRecord::kHeight,
                                PlacementRecord::kNaturalHeight})
            placement->SetI16(off, 100);
    }
    placement->SetU8(PlacementRecord::kPercent, 0);
    placement->SetU8(PlacementRecord::kAlignment, 4);
    placement->SetU8(PlacementRecord::kBorder, 0);
    return placement;
}

NewImage PictureStore::CopyImage(TUVAoggetto& other)
{
    if (other.Kind() != immagine || other.IsDeleted())
        return {};
    std::vector<std::uint8_t> transfer = other.SaveToStream();
    auto image = TUVAoggetto::CreateOfKind(&m_doc, immagine);
    ByteReader in(transfer);
    if (!image->LoadFromStream(in) || image->Kind() != immagine || !image->Content())
        return {};
    image->SetOwner(&m_doc);
    image->SetIndex(-1);
    image->SetRegistered(false);
    // The bytes travel in the content; the other document's files stay its own.
    image->SetExternalFile({});
    if (TUVAoggetto* existing = FindEqualImage(*image))
        return NewImage{existing, nullptr};
    image->SetFileName(UniqueEmbeddedName(image->GetFileName(), ImageRecord::kFileNameCap));
    NewImage result;
    result.image = image.get();
    result.created = std::move(image);
    return result;
}

// --- attached files ---

TUVAoggetto* PictureStore::AddExternalFile(const std::string& file, TUVAoggetto* object)
{
    if (!object)
        return AddExternalFile(file, std::unique_ptr<TUVAoggetto>());
    if (!object->Registered() || object->Owner() != &m_doc)
        return nullptr;   // an unregistered object comes with its ownership (other overload)
    return StoreExternalFile(file, object, nullptr);
}

TUVAoggetto* PictureStore::AddExternalFile(const std::string& file, std::unique_ptr<TUVAoggetto> newObject)
{
    if (!newObject)
        newObject = TUVAoggetto::CreateOfKind(&m_doc, genLink);
    return StoreExternalFile(file, nullptr, std::move(newObject));
}

TUVAoggetto* PictureStore::StoreExternalFile(const std::string& file, TUVAoggetto* registered,
                                             std::unique_ptr<TUVAoggetto> fresh)
{
    // The copy is made before the object is touched, so a failure loses nothing.
    if (!IsRegularFile(file))
        return nullptr;
    const std::string copy = m_doc.MakeTempFileName(records::WithoutFolder(file));
    std::error_code ec;
    if (copy.empty() || !fs::copy_file(fs::path(file), fs::path(copy), fs::copy_options::overwrite_existing, ec))
        return nullptr;

    TUVAoggetto* obj = registered ? registered : fresh.get();
    if (!registered) {
        // A fresh object may hold a registered document's ownership only through Register.
        if (!fresh)
            return nullptr;
        fresh->SetKind(genLink);
        fresh->SetOwner(&m_doc);
    } else if (!registered->ExternalFile().empty() && registered->ExternalFile() != copy &&
               IsInside(registered->ExternalFile(), m_doc.WorkingFolderPath())) {
        // Only our own unpacked or copied files are ever deleted, never a file of the user's.
        fs::remove(fs::path(registered->ExternalFile()), ec);
    }
    obj->Clear();
    obj->MarkInUse();
    const std::string unique = UniqueEmbeddedName(file, records::AttachedFileRecord::kFileNameCap);
    obj->SetExternalFile(copy);
    obj->SetFileName(unique);
    obj->SetSubKind(records::AttachedFileRecord::kInUse);
    obj->SetI32(records::AttachedFileRecord::kContentLength,
                static_cast<std::int32_t>(std::min<std::uintmax_t>(fs::file_size(fs::path(copy), ec), 0x7FFFFFFF)));
    if (!registered)
        return m_doc.Register(std::move(fresh));
    m_doc.SetModified(true);
    return obj;
}

// --- unpacking and loading ---

std::string PictureStore::UnpackToTemp(TUVAoggetto& object)
{
    ObjectContent* content = object.Content();
    if (!content)
        return object.ExternalFile();
    // A block that stays in the backing file was unpacked before: reuse that file.
    if (content->IsOnDisk() && IsRegularFile(object.ExternalFile()))
        return object.ExternalFile();
    const std::string name = object.GetFileName();
    const std::string path = m_doc.MakeTempFileName(name);
    const std::vector<std::uint8_t>* bytes = content->Bytes();
    if (path.empty() || !bytes || !WriteWholeFile(path, *bytes)) {
        if (!path.empty()) {
            std::error_code ec;
            fs::remove(fs::path(path), ec);
        }
        m_doc.Messages().Error("HD space may be low! Error depacking file: " + name);
        return {};
    }
    object.SetExternalFile(path);
    if (content->IsOnDisk())
        content->DropCache();
    else
        object.FreeContent();
    return path;
}

TUVAoggetto* PictureStore::ImageOf(const TUVAoggetto& object) const
{
    if (object.Kind() == immagine)
        return const_cast<TUVAoggetto*>(&object);
    if (object.Kind() == immagineNew) {
        TUVAoggetto* image = m_doc.GetObject(immagine, object.I32(PlacementRecord::kImage));
        return image && !image->IsDeleted() ? image : nullptr;
    }
    return nullptr;
}

PicturePtr PictureStore::GetPicture(TUVAoggetto& object)
{
    TUVAoggetto* image = ImageOf(object);
    if (!image || image->IsDeleted())
        return nullptr;
    if (PicturePtr cached = CachedPicture(*image))
        return cached;
    const std::string path = UnpackToTemp(*image);
    if (path.empty())
        return nullptr;
    auto picture = std::make_shared<TUVApicture>();
    if (!picture->LoadFromFile(path))
        return nullptr;
    image->SetI16(ImageRecord::kWidth, ClampI16(picture->Width()));
    image->SetI16(ImageRecord::kHeight, ClampI16(picture->Height()));
    CachePicture(*image, picture);
    return picture;
}

bool PictureStore::ReplaceContent(TUVAoggetto& target, TUVAoggetto& other)
{
    // The object does the replacing; the store only forgets the old picture.
    UncachePicture(target);
    return target.ReplaceContent(other);
}

// --- cache ---

PicturePtr PictureStore::CachedPicture(const TUVAoggetto& object) const
{
    const TUVAoggetto* image = ImageOf(object);
    return image ? m_cache.Find(image, image->ExternalFile()) : nullptr;
}

void PictureStore::CachePicture(TUVAoggetto& image, PicturePtr picture)
{
    if (image.Kind() != immagine) {
        m_doc.Messages().Error("What happens? Image cache bug?");
        return;
    }
    m_cache.Add(&image, image.ExternalFile(), std::move(picture), m_doc.MaxCacheImg);
}

void PictureStore::UncachePicture(const TUVAoggetto& object)
{
    if (const TUVAoggetto* image = ImageOf(object))
        m_cache.Remove(image);
}

void PictureStore::FlushPictureCache() { m_cache.Flush(); }

// --- picture operations ---

bool PictureStore::IsOpaque(const TUVApicture& picture)
{
    if (picture.Format() == PictureFormat::Metafile)
        return false;
    return !(picture.Format() == PictureFormat::Gif && picture.Transparent());
}

bool PictureStore::SetTransparent(TUVApicture& picture, bool on)
{
    if (picture.Format() != PictureFormat::Gif || picture.ImageNameL().empty())
        return false;
    const std::string file = picture.ImageNameL();
    std::vector<std::uint8_t> bytes, rewritten;
    std::string error;
    if (!ReadWholeFile(file, bytes) || !SetGifTransparency(bytes, on, rewritten, error))
        return false;
    if (!WriteWholeFile(file, rewritten))
        return false;
    return picture.LoadFromFile(file);
}

bool PictureStore::SetImageTransparent(TUVAoggetto& image, bool on)
{
    if (image.Kind() != immagine)
        return false;
    PicturePtr picture = GetPicture(image);
    if (!picture || !SetTransparent(*picture, on))
        return false;
    // The rewritten file is now the content the next save stores.
    image.FreeContent();
    image.SetI32(ImageRecord::kTransparency, picture->Transparent() ? kTransparentGif : kOpaque);
    image.SetRevision(m_doc.Revision());
    m_doc.SetModified(true);
    return true;
}

bool PictureStore::ExportAsBitmap(TUVAoggetto& object, const std::string& file)
{
    TUVAoggetto* image = ImageOf(object);
    if (!image)
        return false;
    PicturePtr picture = GetPicture(*image);
    UncachePicture(*image);
    if (!picture || picture->IsEmpty())
        return false;
    TUVApicture canvas = *picture;
    if (canvas.Frames().empty())   // a metafile: the core draws nothing on the white sheet
        canvas = TUVApicture(PictureFormat::Bmp, picture->Width(), picture->Height(), 0xFFFFFFFF);
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (!EncodeBmp(canvas, bytes, error))
        return false;
    fs::path target(file);
    target.replace_extension(".bmp");
    return WriteWholeFile(target.string(), bytes);
}

} // namespace quor
