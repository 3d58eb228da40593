// ParagraphBuilder.h: paragraphs for layout and editing tests, measured with
// FixedMetrics so that widths are arithmetic (every byte 10 px, ascent 12,
// descent 4, line height 16 unless a test says otherwise).
#pragma once

#include "base/IFontMetrics.h"
#include "model/ParagraphStyle.h"
#include "textengine/ParagraphMeasurer.h"
#include "textengine/TUVAparag.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quor::testing {

// A style table whose style 0 has no side indents, so a line's available
// width is the text width.
inline StyleTable FlatStyles()
{
    StyleTable t;
    ParagraphStyle s = t.Get(0);
    s.leftIndent = 0;
    s.rightIndent = 0;
    s.state = 1;
    t.Set(0, s);
    return t;
}

inline std::unique_ptr<TUVAparag> MakeParagraph(const IStyleSource& styles, std::string_view text,
                                                const IFontMetrics& metrics, int styleId = 0)
{
    auto p = std::make_unique<TUVAparag>(nullptr, ParagraphKind::Own);
    p->Style() = TUVAParaStyle(StyleBase{&styles, styleId});
    for (char c : text)
        p->AppendChar(c, 0, 0, 0, -1);
    ParagraphMeasurer(metrics).Remeasure(*p);
    return p;
}

// Puts an embedded object of the given size at position `pos` (which becomes a space).
inline void PlaceObject(TUVAparag& p, int pos, int kind, int width, int height, std::uint32_t number = 1)
{
    // Rebuild the text with a space at pos; objects stand on spaces.
    std::string text = p.Text();
    auto records = p.Records();
    auto fonts = p.RunFonts();
    auto objects = p.Objects();
    text[static_cast<std::size_t>(pos)] = ' ';
    p.Clear();
    for (char c : text)
        p.AppendChar(c, 0, 0, 0, -1);
    p.Records() = records;
    for (const auto& f : fonts)
        p.AddRunFont(f);
    for (const auto& o : objects)
        p.AddObject(o);
    const int idx = p.AddObject(EmbeddedObject{nullptr, number, kind});
    TCharRec& r = p.Records()[static_cast<std::size_t>(pos)];
    r.object = idx;
    r.width = width;
    r.height = height;
}

// The text of each line of a laid-out paragraph.
inline std::vector<std::string> LineTexts(const TUVAparag& p)
{
    std::vector<std::string> out;
    for (const auto& l : p.Lines())
        out.push_back(p.Text().substr(static_cast<std::size_t>(l.start), static_cast<std::size_t>(l.count)));
    return out;
}

} // namespace quor::testing
