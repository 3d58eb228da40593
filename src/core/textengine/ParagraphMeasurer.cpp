// ParagraphMeasurer.cpp: per-character measuring of paragraphs.
#include "textengine/ParagraphMeasurer.h"

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

CharMeasure ParagraphMeasurer::FontMeasure(const TMyFont& font) const
{
    const FontSpec spec = font.ToFontSpec();
    CharMeasure m;
    const int h = m_metrics.Height(spec);
    m.height = h;
    m.ascent = m_metrics.Ascent(spec);
    if (font.position == kPositionSubscript)
        m.height += h / 2;
    else if (font.position == kPositionSuperscript)
        m.ascent += h / 2;
    return m;
}

int ParagraphMeasurer::Advance(const TMyFont& font, int prev, char c) const
{
    const FontSpec spec = font.ToFontSpec();
    if (prev < 0)
        return m_metrics.TextWidth(spec, std::string_view(&c, 1));
    const char pair[2] = {static_cast<char>(prev), c};
    return m_metrics.TextWidth(spec, std::string_view(pair, 2)) -
           m_metrics.TextWidth(spec, std::string_view(pair, 1));
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
            }
            prev = -1;
        }
        if (rec.object >= 0) {
            prev = -1; // objects keep the size of their control
            continue;
        }
        rec.width = Advance(measuring, prev, text[i]);
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
