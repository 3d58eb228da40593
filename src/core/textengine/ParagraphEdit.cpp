// ParagraphEdit.cpp: character surgery on paragraphs.
#include "textengine/ParagraphEdit.h"

#include <algorithm>
#include <span>
#include <string_view>

namespace quor {

void ParagraphEdit::InsertChar(TUVAparag& par, int pos, char c, const TCharRec& rec)
{
    par.InsertChars(pos, std::string_view(&c, 1), std::span<const TCharRec>(&rec, 1));
}

void ParagraphEdit::Erase(TUVAparag& par, int from, int to, const ObjectSink& freed)
{
    const std::vector<EmbeddedObject> dropped = par.EraseChars(from, to);
    if (freed)
        for (const EmbeddedObject& o : dropped)
            freed(o);
}

void ParagraphEdit::ReplaceChar(TUVAparag& par, int pos, char c, const ObjectSink& freed)
{
    if (pos < 0 || pos >= par.Length())
        return;
    // The new character goes in with a copy of the record (so its run font
    // stays in use), then the old one goes with the object it held.
    TCharRec rec = par.Records()[static_cast<std::size_t>(pos)];
    rec.object = -1;
    InsertChar(par, pos, c, rec);
    Erase(par, pos + 1, pos + 2, freed);
}

ParagraphTail ParagraphEdit::SplitOff(TUVAparag& par, int pos)
{
    pos = std::clamp(pos, 0, par.Length());
    ParagraphTail tail;
    tail.text = par.Text().substr(static_cast<std::size_t>(pos));
    tail.records.assign(par.Records().begin() + pos, par.Records().end());
    // The tail takes the run fonts and objects its records use, renumbered.
    std::vector<int> fontMap(par.RunFonts().size(), -1);
    std::vector<int> objectMap(par.Objects().size(), -1);
    for (TCharRec& r : tail.records) {
        if (r.runFont >= 0 && r.runFont < static_cast<int>(fontMap.size())) {
            int& to = fontMap[static_cast<std::size_t>(r.runFont)];
            if (to < 0) {
                to = static_cast<int>(tail.runFonts.size());
                tail.runFonts.push_back(par.RunFonts()[static_cast<std::size_t>(r.runFont)]);
            }
            r.runFont = to;
        } else {
            r.runFont = -1;
        }
        if (r.object >= 0 && r.object < static_cast<int>(objectMap.size())) {
            int& to = objectMap[static_cast<std::size_t>(r.object)];
            if (to < 0) {
                to = static_cast<int>(tail.objects.size());
                tail.objects.push_back(par.Objects()[static_cast<std::size_t>(r.object)]);
            }
            r.object = to;
        } else {
            r.object = -1;
        }
    }
    // Objects moving to the tail are not freed.
    par.EraseChars(pos, par.Length());
    par.SetEndRecord(TCharRec{});
    return tail;
}

void ParagraphEdit::Append(TUVAparag& par, ParagraphTail tail)
{
    if (tail.records.size() != tail.text.size() + 1)
        tail.records.resize(tail.text.size() + 1); // a malformed tail gets default records
    // Only the run fonts and objects the tail's records use come along.
    std::vector<int> fontMap(tail.runFonts.size(), -1);
    std::vector<int> objectMap(tail.objects.size(), -1);
    for (TCharRec& r : tail.records) {
        if (r.runFont >= 0 && r.runFont < static_cast<int>(fontMap.size())) {
            int& to = fontMap[static_cast<std::size_t>(r.runFont)];
            if (to < 0)
                to = par.AddRunFont(tail.runFonts[static_cast<std::size_t>(r.runFont)]);
            r.runFont = to;
        } else {
            r.runFont = -1;
        }
        if (r.object >= 0 && r.object < static_cast<int>(objectMap.size())) {
            int& to = objectMap[static_cast<std::size_t>(r.object)];
            if (to < 0)
                to = par.AddObject(tail.objects[static_cast<std::size_t>(r.object)]);
            r.object = to;
        } else {
            r.object = -1;
        }
    }
    par.InsertChars(par.Length(), tail.text, std::span<const TCharRec>(tail.records.data(), tail.text.size()));
    par.SetEndRecord(tail.records.back()); // the tail's end record replaces the paragraph's
}

void ParagraphEdit::EnsureRunFont(TUVAparag& par, int pos, const TMyFont& font)
{
    if (pos < 0 || pos > par.Length())
        return;
    TCharRec& r = par.Records()[static_cast<std::size_t>(pos)];
    if (r.runFont >= 0)
        return;
    TUVAFontStyle run(par.Style().Base());
    run.Assign(font);
    r.runFont = par.AddRunFont(run);
}

void ParagraphEdit::Rebase(TUVAFontStyle& font, const StyleBase& base)
{
    const TUVAFontStyle old = font;
    font.SetBase(base);
    if (old.Overrides(kFontAttrColour))
        font.SetColour(old.OwnColour());
    if (old.Overrides(kFontAttrName))
        font.SetName(old.OwnName());
    if (old.Overrides(kFontAttrSize))
        font.SetSize(old.OwnSize());
    if (old.Overrides(kFontAttrStyle))
        font.SetStyle(old.OwnStyle());
    if (old.Overrides(kFontAttrPosition))
        font.SetPosition(old.OwnPosition());
}

} // namespace quor
