// PictureStore.h: the picture store of one hypertext: pictures (kind 5) and
// attached files (kind 3) entering the document under unique file names, image
// placements (kind 16), unpacking contents into the working folder, and the
// cache of loaded pictures (at most the document's MaxCacheImg).
//
// One store per document, living as long as the document (the owner of the
// TUVAset keeps it beside it). Pictures are handed out as shared pointers: the
// cache may drop its hold at any time, a control that shows a picture keeps it.
#pragma once

#include "model/pictures/PictureCache.h"
#include "model/pictures/TUVApicture.h"

#include <memory>
#include <string>
#include <string_view>

namespace quor {

class TUVAoggetto;
class TUVAset;

// An image to use: either one already in the document, or a new unregistered one
// (then `created` owns it until it is registered or dropped).
struct NewImage {
    TUVAoggetto* image = nullptr;
    std::unique_ptr<TUVAoggetto> created;
    explicit operator bool() const { return image != nullptr; }
};

class PictureStore {
public:
    explicit PictureStore(TUVAset& document);
    PictureStore(const PictureStore&) = delete;
    PictureStore& operator=(const PictureStore&) = delete;

    TUVAset& Document() const { return m_doc; }

    // --- adding ---
    // A picture file (.gif, .jpeg, .jpg, .wmf, .emf as they are; .bmp converted to
    // GIF, or JPEG when that fails) as a registered image; the same picture added
    // twice gives the same image. Null when the file is missing, has another
    // extension or cannot be read as a picture.
    TUVAoggetto* AddPicture(const std::string& file);
    // The image object for a file already in an accepted format; an identical
    // live image of the document is returned instead of a new one.
    NewImage AddPictureObject(const std::string& file, bool transparent, int height, int width);
    // A new unregistered placement of `image` (registered in this document, or
    // null for a 100 x 100 placement without image). Null (and the error
    // "Different UVAset in AddImmagineNew!") for an image of another document.
    std::unique_ptr<TUVAoggetto> AddImmagineNew(TUVAoggetto* image);
    // Same, registering `image.created` first when it is set.
    std::unique_ptr<TUVAoggetto> AddImmagineNew(NewImage& image);
    // A copy of another document's image (kind 5 only), or the identical image
    // already present here.
    NewImage CopyImage(TUVAoggetto& other);
    // Stores a copy of `file` as an attached file: in `object` when given
    // (registered in this document), else in a new registered object. Null when
    // the file cannot be copied (the object is then left as it was).
    TUVAoggetto* AddExternalFile(const std::string& file, TUVAoggetto* object = nullptr);
    TUVAoggetto* AddExternalFile(const std::string& file, std::unique_ptr<TUVAoggetto> newObject);
    // A file name (without folder) used by no attached file or image of the
    // document, compared in lower case; "ed" + 6 hex digits + the extension when
    // taken. A name too long for a field of `capacity` characters gets the short
    // form too, so that cutting it cannot make it collide or lose its extension.
    std::string UniqueEmbeddedName(std::string_view name, std::size_t capacity = 75) const;

    // --- contents and pictures ---
    // The file holding the object's content: its ExternalFile when it has no
    // content; otherwise the content written into a new file of the working
    // folder named after the object's file name (a memory content is then
    // freed: the file becomes the content). Empty, with the error "HD space may
    // be low! Error depacking file: " + name, when that fails.
    std::string UnpackToTemp(TUVAoggetto& object);
    // The picture of an image (kind 5, loaded on first use and cached) or of a
    // placement (kind 16, its image's picture). Null for other kinds, a missing
    // image or bytes that are not a picture. Loading sets the image's size fields.
    PicturePtr GetPicture(TUVAoggetto& object);
    // Kind 5 only: `target` takes over the record and content of `other` (whose
    // owner drops it afterwards when it is not registered). False, with the error
    // "ReplaceContent called improperly...", for other kinds.
    bool ReplaceContent(TUVAoggetto& target, TUVAoggetto& other);

    // --- cache ---
    PicturePtr CachedPicture(const TUVAoggetto& object) const;   // kinds 5 and 16
    // Kind 5 only ("What happens? Image cache bug?" otherwise).
    void CachePicture(TUVAoggetto& image, PicturePtr picture);
    void UncachePicture(const TUVAoggetto& object);              // kinds 5 and 16
    void FlushPictureCache();
    const PictureCache& Cache() const { return m_cache; }

    // --- picture operations ---
    // False for a metafile and for a transparent GIF; true otherwise (also empty).
    static bool IsOpaque(const TUVApicture& picture);
    // GIF pictures only: sets or clears the transparency of every frame, writes
    // the GIF back to the picture's file and reloads the picture.
    static bool SetTransparent(TUVApicture& picture, bool on);
    // The image's transparency switched and stored: its picture file rewritten,
    // the file made the image's content, the transparency field updated.
    bool SetImageTransparent(TUVAoggetto& image, bool on);
    // Kinds 5 and 16: the picture drawn on white, saved as a 24-bit bitmap under
    // `file` with the extension ".bmp"; the image's cached picture is dropped.
    bool ExportAsBitmap(TUVAoggetto& object, const std::string& file);

private:
    TUVAoggetto* ImageOf(const TUVAoggetto& object) const;
    TUVAoggetto* FindEqualImage(TUVAoggetto& image) const;
    NewImage MakeImage(const std::string& contentFile, std::string_view nameFile, bool transparent, int height,
                       int width);
    TUVAoggetto* StoreExternalFile(const std::string& file, TUVAoggetto* registered,
                                   std::unique_ptr<TUVAoggetto> fresh);

    TUVAset& m_doc;
    PictureCache m_cache;
};

} // namespace quor
