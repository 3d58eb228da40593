// QtFontMetrics.h: the screen's IFontMetrics, measuring with QFontMetricsF in
// the fonts a document names. Times New Roman, Arial and Courier New resolve to
// their metric-compatible Liberation faces; sizes are points at the surface's
// pixels per inch, set as pixel sizes so that layout does not depend on how the
// platform reports its resolution. Widths are rounded per call, as device
// extents are. Metrics are cached per font, and one- and two-character extents
// (what pair measuring asks for) per font too, since layout measures a lot.
#pragma once

#include "base/IFontMetrics.h"

#include <QFont>
#include <QFontMetricsF>

#include <map>
#include <memory>
#include <vector>

namespace quor {

class QtFontMetrics : public IFontMetrics {
public:
    // ppi < 1 takes the screen's pixels per inch as the core knows it.
    explicit QtFontMetrics(int ppi = 0);
    ~QtFontMetrics() override;

    int TextWidth(const FontSpec& font, std::string_view text) const override;
    int Ascent(const FontSpec& font) const override;
    int Descent(const FontSpec& font) const override;
    int PixelsPerInch() const override { return m_ppi; }

    // The QFont that draws `font` on this surface (the same one that measures it).
    QFont FontFor(const FontSpec& font) const;
    // Face actually asked of the system for a document's face name.
    static QString ResolveFamily(const std::string& name);
    // Pixel size of a point size at `ppi` (rounded as the platform does: size * ppi / 72).
    static int PixelSize(int points, int ppi);

    // Fonts measured so far (lets tests see that metrics are shared).
    std::size_t CachedFonts() const { return m_cache.size(); }

private:
    struct Entry;
    Entry& EntryFor(const FontSpec& font) const;

    int m_ppi;
    mutable std::map<std::tuple<std::string, int, int>, std::unique_ptr<Entry>> m_cache;
    mutable Entry* m_last = nullptr;
    mutable FontSpec m_lastSpec;
};

} // namespace quor
