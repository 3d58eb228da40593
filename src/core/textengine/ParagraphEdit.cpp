// ParagraphEdit.cpp: character surgery on paragraphs.
#include "textengine/ParagraphEdit.h"

#include <algorithm>

namespace quor {

void ParagraphEdit::Install(TUVAparag& par, std::string text, std::vector<TCharRec> records,
                            std::vector<TUVAFontStyle> runFonts, std::vector<EmbeddedObject> objects,
                            const ObjectSink& freed)
{
    // Keep only the run fonts and objects some record still refers to.
    std::vector<int> fontMap(runFonts.size(), -1);
    std::vector<int> objectMap(objects.size(), -1);
    for (const TCharRec& r : records) {
        if (r.runFont >= 0 && r.runFont < static_cast<int>(runFonts.size()))
            fontMap[static_cast<std::size_t>(r.runFont)] = 0;
        if (r.object >= 0 && r.object < static_cast<int>(objects.size()))
            objectMap[static_cast<std::size_t>(r.object)] = 0;
    }
    par.Clear();
    for (char c : text)
        par.AppendChar(c, 0, 0, 0, -1);
    for (std::size_t i = 0; i < runFonts.size(); ++i)
        if (fontMap[i] == 0)
            fontMap[i] = par.AddRunFont(runFonts[i]);
    for (std::size_t i = 0; i < objects.size(); ++i) {
        if (objectMap[i] == 0)
            objectMap[i] = par.AddObject(objects[i]);
        else if (freed)
            freed(objects[i]);
    }
    for (TCharRec& r : records) {
        r.runFont = r.runFont >= 0 && r.runFont < static_cast<int>(fontMap.size()) ? fontMap[static_cast<std::size_t>(r.runFont)] : -1;
        r.object = r.object >= 0 && r.object < static_cast<int>(objectMap.size()) ? objectMap[static_cast<std::size_t>(r.object)] : -1;
    }
    par.Records() = std::move(records);
}

void ParagraphEdit::InsertChar(TUVAparag& par, int pos, char c, const TCharRec& rec)
{
    pos = std::clamp(pos, 0, par.Length());
    std::string text = par.Text();
    std::vector<TCharRec> records = par.Records();
    text.insert(text.begin() + pos, c);
    records.insert(records.begin() + pos, rec);
    Install(par, std::move(text), std::move(records), par.RunFonts(), par.Objects(), {});
}

void ParagraphEdit::Erase(TUVAparag& par, int from, int to, const ObjectSink& freed)
{
    from = std::clamp(from, 0, par.Length());
    to = std::clamp(to, from, par.Length());
    if (from == to)
        return;
    std::string text = par.Text();
    std::vector<TCharRec> records = par.Records();
    text.erase(text.begin() + from, text.begin() + to);
    records.erase(records.begin() + from, records.begin() + to);
    Install(par, std::move(text), std::move(records), par.RunFonts(), par.Objects(), freed);
}

void ParagraphEdit::ReplaceChar(TUVAparag& par, int pos, char c, const ObjectSink& freed)
{
    if (pos < 0 || pos >= par.Length())
        return;
    std::string text = par.Text();
    std::vector<TCharRec> records = par.Records();
    text[static_cast<std::size_t>(pos)] = c;
    records[static_cast<std::size_t>(pos)].object = -1;
    Install(par, std::move(text), std::move(records), par.RunFonts(), par.Objects(), freed);
}

ParagraphTail ParagraphEdit::SplitOff(TUVAparag& par, int pos)
{
    pos = std::clamp(pos, 0, par.Length());
    ParagraphTail tail;
    tail.text = par.Text().substr(static_cast<std::size_t>(pos));
    tail.records.assign(par.Records().begin() + pos, par.Records().end());
    tail.runFonts = par.RunFonts();
    tail.objects = par.Objects();
    std::string head = par.Text().substr(0, static_cast<std::size_t>(pos));
    std::vector<TCharRec> records(par.Records().begin(), par.Records().begin() + pos);
    records.push_back(TCharRec{});
    // Objects moving to the tail are not freed.
    Install(par, std::move(head), std::move(records), par.RunFonts(), par.Objects(), {});
    return tail;
}

void ParagraphEdit::Append(TUVAparag& par, ParagraphTail tail)
{
    std::string text = par.Text() + tail.text;
    std::vector<TCharRec> records = par.Records();
    records.pop_back(); // the tail's end record replaces it
    std::vector<TUVAFontStyle> fonts = par.RunFonts();
    std::vector<EmbeddedObject> objects = par.Objects();
    const int fontBase = static_cast<int>(fonts.size());
    const int objectBase = static_cast<int>(objects.size());
    for (TCharRec r : tail.records) {
        if (r.runFont >= 0)
            r.runFont += fontBase;
        if (r.object >= 0)
            r.object += objectBase;
        records.push_back(r);
    }
    for (auto& f : tail.runFonts)
        fonts.push_back(std::move(f));
    for (auto& o : tail.objects)
        objects.push_back(o);
    Install(par, std::move(text), std::move(records), std::move(fonts), std::move(objects), {});
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
