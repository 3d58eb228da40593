// TUVAparag.cpp: paragraph data and its invariants.
#include "textengine/TUVAparag.h"

#include <algorithm>

namespace quor {

TUVAparag::TUVAparag(TUVAbox* box, ParagraphKind kind) : m_box(box), m_kind(kind), m_records(1) {}

int TUVAparag::AddRunFont(const TUVAFontStyle& font)
{
    m_runFonts.push_back(font);
    return static_cast<int>(m_runFonts.size()) - 1;
}

int TUVAparag::AddObject(const EmbeddedObject& object)
{
    m_objects.push_back(object);
    return static_cast<int>(m_objects.size()) - 1;
}

void TUVAparag::AppendChar(char c, std::int32_t width, std::int32_t height, std::int32_t ascent,
                           std::int32_t nextLink)
{
    TCharRec& rec = m_records.back();
    rec.width = width;
    rec.height = height;
    rec.ascent = ascent;
    m_text.push_back(c);
    TCharRec next;
    next.link = nextLink;
    m_records.push_back(next);
}

void TUVAparag::Clear()
{
    m_text.clear();
    m_records.assign(1, TCharRec{});
    m_runFonts.clear();
    m_objects.clear();
    m_lines.clear();
    spellMarks.clear();
}

const TUVAFontStyle* TUVAparag::RunFontAt(int pos) const
{
    if (pos < 0)
        return nullptr;
    pos = std::min(pos, Length());
    for (int i = pos; i >= 0; --i) {
        const int rf = m_records[static_cast<std::size_t>(i)].runFont;
        if (rf >= 0 && rf < static_cast<int>(m_runFonts.size()))
            return &m_runFonts[static_cast<std::size_t>(rf)];
    }
    return nullptr;
}

TMyFont TUVAparag::FontAt(int pos) const
{
    if (const TUVAFontStyle* rf = RunFontAt(pos))
        return rf->Effective();
    return m_style.EffectiveFont();
}

const EmbeddedObject* TUVAparag::ObjectAt(int pos) const
{
    if (pos < 0 || pos > Length())
        return nullptr;
    const int obj = m_records[static_cast<std::size_t>(pos)].object;
    if (obj < 0 || obj >= static_cast<int>(m_objects.size()))
        return nullptr;
    return &m_objects[static_cast<std::size_t>(obj)];
}

bool TUVAparag::IsTableParagraph() const
{
    if (m_text.empty() || m_text[0] != ' ')
        return false;
    const EmbeddedObject* obj = ObjectAt(0);
    return obj && obj->kind == kObjectKindTable;
}

bool TUVAparag::Check() const
{
    if (m_records.size() != m_text.size() + 1)
        return false;
    for (std::size_t i = 0; i < m_records.size(); ++i) {
        const TCharRec& r = m_records[i];
        if (r.runFont < -1 || r.runFont >= static_cast<int>(m_runFonts.size()))
            return false;
        if (r.object < -1 || r.object >= static_cast<int>(m_objects.size()))
            return false;
        if (r.object >= 0 && (i >= m_text.size() || m_text[i] != ' '))
            return false;
    }
    return true;
}

} // namespace quor
