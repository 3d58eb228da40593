// ParagraphMeasurer.cpp: per-character measuring of paragraphs.
#include "textengine/ParagraphMeasurer.h"

#include <algorithm>
#include <climits>
#include <string>

namespace quor {

TMyFont ParagraphMeasurer::LinkAdjusted(const TUVAparag& par, TMyFont font, int link)
{
    if (link == -1)
        return font;
    font.style = static_cast<std::uint8_t>(font.style ^ par.Style().LinkStyle());
    font.colour = par.Style().LinkColour();
    if (par.Style().LinkSize() > 0)
        font.size = par.Style().LinkSize();
    return font;
}

TMyFont ParagraphMeasurer::MeasuringFont(const TUVAparag& par, int pos)
{
    const auto& recs = par.Records();
    const int link = pos >= 0 && pos < static_cast<int>(recs.size()) ? recs[static_cast<std::size_t>(pos)].link : -1;
    return LinkAdjusted(par, par.FontAt(pos), link);
}

ParagraphMeasurer::FontCache& ParagraphMeasurer::CacheFor(const FontSpec& spec) const
{
    if (m_last && m_last->spec == spec)
        return *m_last;
    std::string key = spec.name;
    key += '\0';
    key += std::to_string(spec.size);
    key += '/';
    key += std::to_string(spec.style);
    auto it = m_cache.find(key);
    if (it == m_cache.end()) {
        auto cache = std::make_unique<FontCache>();
        cache->spec = spec;
        cache->height = m_metrics.Height(spec);
        cache->ascent = m_metrics.Ascent(spec);
        std::fill(std::begin(cache->single), std::end(cache->single), kUnknown);
        it = m_cache.emplace(std::move(key), std::move(cache)).first;
    }
    m_last = it->second.get();
    return *m_last;
}

int ParagraphMeasurer::Advance(FontCache& cache, int prev, unsigned char c) const
{
    std::int32_t& single = cache.single[c];
    if (single == kUnknown) {
        const char ch = static_cast<char>(c);
        single = m_metrics.TextWidth(cache.spec, std::string_view(&ch, 1));
    }
    if (prev < 0)
        return single;
    if (cache.pairs.empty())
        cache.pairs.assign(256 * 256, kUnknown);
    std::int32_t& pair = cache.pairs[static_cast<std::size_t>(prev) * 256 + c];
    if (pair == kUnknown) {
        const char both[2] = {static_cast<char>(prev), static_cast<char>(c)};
        pair = m_metrics.TextWidth(cache.spec, std::string_view(both, 2));
    }
    std::int32_t& before = cache.single[static_cast<unsigned char>(prev)];
    if (before == kUnknown) {
        const char ch = static_cast<char>(prev);
        before = m_metrics.TextWidth(cache.spec, std::string_view(&ch, 1));
    }
    return pair - before;
}

CharMeasure ParagraphMeasurer::FontMeasure(const TMyFont& font) const
{
    const FontCache& cache = CacheFor(font.ToFontSpec());
    CharMeasure m;
    const int h = cache.height;
    m.height = h;
    m.ascent = cache.ascent;
    if (font.position == kPositionSubscript)
        m.height += h / 2;
    else if (font.position == kPositionSuperscript)
        m.ascent += h / 2;
    return m;
}

int ParagraphMeasurer::Advance(const TMyFont& font, int prev, char c) const
{
    return Advance(CacheFor(font.ToFontSpec()), prev, static_cast<unsigned char>(c));
}

CharMeasure ParagraphMeasurer::MeasureAt(const TUVAparag& par, int pos) const
{
    const TMyFont font = MeasuringFont(par, pos);
    CharMeasure m = FontMeasure(font);
    int prev = -1;
    const auto& recs = par.Records();
    const auto at = static_cast<std::size_t>(pos);
    if (pos > 0 && recs[at].runFont < 0 && recs[at].link == recs[at - 1].link && recs[at - 1].object < 0)
        prev = static_cast<unsigned char>(par.Text()[static_cast<std::size_t>(pos - 1)]);
    m.width = Advance(font, prev, par.Text()[static_cast<std::size_t>(pos)]);
    return m;
}

void ParagraphMeasurer::Remeasure(TUVAparag& par) const
{
    auto& recs = par.Records();
    const std::string& text = par.Text();
    TMyFont font = par.Style().EffectiveFont();
    int link = -1;
    TMyFont measuring = font;
    CharMeasure fm = FontMeasure(measuring);
    FontCache* cache = &CacheFor(measuring.ToFontSpec());
    int prev = -1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        TCharRec& rec = recs[i];
        bool changed = false;
        if (rec.runFont >= 0 && rec.runFont < static_cast<int>(par.RunFonts().size())) {
            font = par.RunFonts()[static_cast<std::size_t>(rec.runFont)].Effective();
            changed = true;
        }
        if (rec.link != link) {
            link = rec.link;
            changed = true;
        }
        if (changed) {
            // A font change (even to an equal font) starts a new kerning pair.
            const TMyFont next = LinkAdjusted(par, font, link);
            if (!(next == measuring)) {
                measuring = next;
                fm = FontMeasure(measuring);
                cache = &CacheFor(measuring.ToFontSpec());
            }
            prev = -1;
        }
        if (rec.object >= 0) {
            prev = -1; // objects keep the size of their control
            continue;
        }
        rec.width = Advance(*cache, prev, static_cast<unsigned char>(text[i]));
        rec.height = fm.height;
        rec.ascent = fm.ascent;
        prev = static_cast<unsigned char>(text[i]);
    }
    par.defaultLineHeight = DefaultLineHeight(par);
}

int ParagraphMeasurer::DefaultLineHeight(const TUVAparag& par) const
{
    const int h = FontMeasure(par.Style().EffectiveFont()).height;
    return h > 0 ? h : 20;
}

} // namespace quor
