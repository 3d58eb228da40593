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

TCharRec TUVAparag::Sanitized(const TCharRec& rec, char c) const
{
    TCharRec r = rec;
    if (r.runFont < 0 || r.runFont >= static_cast<int>(m_runFonts.size()))
        r.runFont = -1;
    if (r.object < 0 || r.object >= static_cast<int>(m_objects.size()) || c != ' ')
        r.object = -1;
    return r;
}

void TUVAparag::InsertChars(int pos, std::string_view text, std::span<const TCharRec> records)
{
    if (text.empty())
        return;
    pos = std::clamp(pos, 0, Length());
    const bool marksInStep = !spellMarks.empty() && spellMarks.size() == m_text.size();
    const auto at = static_cast<std::size_t>(pos);
    m_records.insert(m_records.begin() + pos, text.size(), TCharRec{});
    for (std::size_t k = 0; k < text.size(); ++k)
        m_records[at + k] = k < records.size() ? Sanitized(records[k], text[k]) : TCharRec{};
    m_text.insert(at, text);
    if (marksInStep)
        spellMarks.insert(at, text.size(), ' ');
    else
        spellMarks.clear();
    m_lines.clear();
}

std::vector<EmbeddedObject> TUVAparag::EraseChars(int from, int to)
{
    from = std::clamp(from, 0, Length());
    to = std::clamp(to, from, Length());
    if (from == to)
        return {};
    std::vector<int> fonts;
    std::vector<int> objects;
    for (int i = from; i < to; ++i) {
        const TCharRec& r = m_records[static_cast<std::size_t>(i)];
        if (r.runFont >= 0)
            fonts.push_back(r.runFont);
        if (r.object >= 0)
            objects.push_back(r.object);
    }
    const bool marksInStep = !spellMarks.empty() && spellMarks.size() == m_text.size();
    m_records.erase(m_records.begin() + from, m_records.begin() + to);
    m_text.erase(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
    if (marksInStep)
        spellMarks.erase(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
    else
        spellMarks.clear();
    m_lines.clear();
    if (fonts.empty() && objects.empty())
        return {};
    return DropUnused(std::move(fonts), std::move(objects));
}

void TUVAparag::SetEndRecord(const TCharRec& rec)
{
    const int old = m_records.back().runFont;
    m_records.back() = Sanitized(rec, '\0');
    if (old >= 0 && old != m_records.back().runFont)
        DropUnused({old}, {});
}

std::vector<EmbeddedObject> TUVAparag::DropUnused(std::vector<int> fonts, std::vector<int> objects)
{
    // Which candidates are still referred to.
    std::vector<int> fontMap(m_runFonts.size(), 0);  // 1 candidate, 2 used
    std::vector<int> objectMap(m_objects.size(), 0);
    for (int f : fonts)
        if (f >= 0 && f < static_cast<int>(fontMap.size()))
            fontMap[static_cast<std::size_t>(f)] = 1;
    for (int o : objects)
        if (o >= 0 && o < static_cast<int>(objectMap.size()))
            objectMap[static_cast<std::size_t>(o)] = 1;
    for (const TCharRec& r : m_records) {
        if (r.runFont >= 0 && r.runFont < static_cast<int>(fontMap.size()))
            fontMap[static_cast<std::size_t>(r.runFont)] = 2;
        if (r.object >= 0 && r.object < static_cast<int>(objectMap.size()))
            objectMap[static_cast<std::size_t>(r.object)] = 2;
    }
    const bool dropFonts = std::find(fontMap.begin(), fontMap.end(), 1) != fontMap.end();
    const bool dropObjects = std::find(objectMap.begin(), objectMap.end(), 1) != objectMap.end();
    std::vector<EmbeddedObject> dropped;
    if (!dropFonts && !dropObjects)
        return dropped;

    // New indexes: the kept entries in order, -1 for the dropped ones.
    if (dropFonts) {
        std::vector<TUVAFontStyle> kept;
        for (std::size_t i = 0; i < fontMap.size(); ++i) {
            if (fontMap[i] == 1) {
                fontMap[i] = -1;
            } else {
                fontMap[i] = static_cast<int>(kept.size());
                kept.push_back(std::move(m_runFonts[i]));
            }
        }
        m_runFonts = std::move(kept);
    }
    if (dropObjects) {
        std::vector<EmbeddedObject> kept;
        for (std::size_t i = 0; i < objectMap.size(); ++i) {
            if (objectMap[i] == 1) {
                objectMap[i] = -1;
                dropped.push_back(m_objects[i]);
            } else {
                objectMap[i] = static_cast<int>(kept.size());
                kept.push_back(m_objects[i]);
            }
        }
        m_objects = std::move(kept);
    }
    for (TCharRec& r : m_records) {
        if (dropFonts && r.runFont >= 0)
            r.runFont = r.runFont < static_cast<int>(fontMap.size()) ? fontMap[static_cast<std::size_t>(r.runFont)] : -1;
        if (dropObjects && r.object >= 0)
            r.object = r.object < static_cast<int>(objectMap.size()) ? objectMap[static_cast<std::size_t>(r.object)] : -1;
    }
    return dropped;
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
    if (pos < 0 || m_runFonts.empty())
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
