// ParagraphMeasurer.h: measures a paragraph's characters with the fonts in
// force at each position (run fonts, links, sub- and superscript), as the
// markup reader does while reading, so that editing can re-measure in place.
#pragma once

#include "base/IFontMetrics.h"
#include "model/TMyFont.h"
#include "textengine/TUVAparag.h"

#include <climits>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace quor {

struct CharMeasure {
    int width = 0;
    int height = 0;
    int ascent = 0;
};

// Widths are cached per font (single characters and kerning pairs), so a
// screen font is asked once per distinct pair; a measurer is used on one
// thread only and assumes its metrics never change.
class ParagraphMeasurer {
public:
    explicit ParagraphMeasurer(const IFontMetrics& metrics) : m_metrics(metrics) {}
    ParagraphMeasurer(const ParagraphMeasurer& other) : m_metrics(other.m_metrics) {}
    ParagraphMeasurer& operator=(const ParagraphMeasurer&) = delete;

    // The font a position is measured and drawn with: the run font in force (or
    // the paragraph font) and, inside a link, the link style bits (exclusive-or)
    // and the link size when it is above 0. Colour is not measured.
    static TMyFont MeasuringFont(const TUVAparag& par, int pos);
    // The same for a given base font and link value.
    static TMyFont LinkAdjusted(const TUVAparag& par, TMyFont font, int link);

    // Height and ascent of a font: subscript adds half the font height to the
    // height, superscript adds it to the ascent. Width is left 0.
    CharMeasure FontMeasure(const TMyFont& font) const;

    // Kerned advance of `c` after `prev` in the same font (extent of both minus
    // extent of prev); `prev` < 0 measures `c` alone.
    int Advance(const TMyFont& font, int prev, char c) const;

    // Measures one character at `pos` with its measuring font, pairing it with
    // the character before when that one has the same measuring font.
    CharMeasure MeasureAt(const TUVAparag& par, int pos) const;

    // Re-measures every character that is not an embedded object and sets the
    // paragraph's default line height (height of the paragraph font; 20 when
    // that is not positive).
    void Remeasure(TUVAparag& par) const;
    int DefaultLineHeight(const TUVAparag& par) const;

    const IFontMetrics& Metrics() const { return m_metrics; }

private:
    struct FontCache {
        FontSpec spec;
        int height = 0;
        int ascent = 0;
        std::int32_t single[256];
        std::vector<std::int32_t> pairs; // 256 x 256, filled on demand
    };
    static constexpr std::int32_t kUnknown = INT32_MIN;
    FontCache& CacheFor(const FontSpec& spec) const;
    int Advance(FontCache& cache, int prev, unsigned char c) const;

    const IFontMetrics& m_metrics;
    mutable std::map<std::string, std::unique_ptr<FontCache>> m_cache;
    mutable FontCache* m_last = nullptr;
};

} // namespace quor
