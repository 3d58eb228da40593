// PictureCache.h: the loaded pictures of a document's images in order of
// addition. Pictures are shared: dropping an entry only drops the cache's hold,
// so a picture still shown on screen stays alive until its control lets go.
//
// Entries are keyed by the image object and stamped with the file the picture
// was loaded from; a key whose stamp no longer matches is a stale entry (the
// image was replaced or destroyed and its address reused) and is never served.
#pragma once

#include "model/pictures/TUVApicture.h"

#include <memory>
#include <string>
#include <vector>

namespace quor {

class TUVAoggetto;

using PicturePtr = std::shared_ptr<TUVApicture>;

class PictureCache {
public:
    // The picture cached for `image` when its stamp matches; null otherwise.
    PicturePtr Find(const TUVAoggetto* image, const std::string& stamp) const;
    bool Contains(const TUVAoggetto* image) const;
    // Appends the pair (an image already present with the same stamp is not
    // added twice; with another stamp its old entry is replaced), then drops the
    // oldest pairs while more than `capacity` remain. Lookups never reorder.
    void Add(const TUVAoggetto* image, std::string stamp, PicturePtr picture, int capacity);
    void Remove(const TUVAoggetto* image);
    // Drops every pair, last first.
    void Flush();

    int Count() const { return static_cast<int>(m_entries.size()); }
    // The cached images, oldest first.
    std::vector<const TUVAoggetto*> Images() const;

private:
    struct Entry {
        const TUVAoggetto* image;
        std::string stamp;
        PicturePtr picture;
    };
    std::vector<Entry> m_entries;
};

} // namespace quor
