// In-place character edits of a paragraph: inserting and erasing characters
// keeps the records, run fonts and objects consistent and drops what no
// record uses any more.
#include "editing/EditorFixture.h"

#include "textengine/ParagraphEdit.h"

#include <map>
#include <random>

namespace quor {
namespace {

using testing::FlatStyles;

// A run font whose size tells which one it is.
TUVAFontStyle Tagged(const TUVAparag& par, int tag)
{
    TUVAFontStyle f(par.Style().Base());
    f.SetSize(100 + tag);
    return f;
}

// What a record refers to, by tag: run-font tag (size - 100) and object number.
struct Ref {
    char c;
    int font;   // -1 none
    int object; // -1 none
    bool operator==(const Ref&) const = default;
};

std::vector<Ref> RefsOf(const TUVAparag& par)
{
    std::vector<Ref> out;
    for (int i = 0; i <= par.Length(); ++i) {
        const TCharRec& r = par.Records()[static_cast<std::size_t>(i)];
        Ref ref{i < par.Length() ? par.Text()[static_cast<std::size_t>(i)] : '\0', -1, -1};
        if (r.runFont >= 0)
            ref.font = par.RunFonts()[static_cast<std::size_t>(r.runFont)].Size() - 100;
        if (r.object >= 0)
            ref.object = static_cast<int>(par.Objects()[static_cast<std::size_t>(r.object)].number);
        out.push_back(ref);
    }
    return out;
}

// Random inserts and erases against a plain list of what each position refers
// to. After every step the paragraph must hold exactly the run fonts and
// objects its records use, and each erased object must be handed back once.
TEST(ParagraphEdit, RandomEditsKeepRecordsFontsAndObjectsInStep)
{
    StyleTable styles = FlatStyles();
    TUVAparag par;
    par.Style() = TUVAParaStyle(StyleBase{&styles, 0});
    std::vector<Ref> model{{'\0', -1, -1}}; // the end record
    std::mt19937 rng(12345);
    int nextTag = 0;
    std::map<int, int> handedBack; // object number -> times returned

    for (int step = 0; step < 3000; ++step) {
        const int len = par.Length();
        if (rng() % 3 != 0 || len == 0) {
            // Insert 1..4 characters; some start a new run font, some hold a new object.
            const int pos = static_cast<int>(rng() % static_cast<unsigned>(len + 1));
            const int n = 1 + static_cast<int>(rng() % 4);
            std::string text;
            std::vector<TCharRec> recs;
            std::vector<Ref> refs;
            for (int k = 0; k < n; ++k) {
                TCharRec r;
                Ref ref{static_cast<char>('a' + rng() % 26), -1, -1};
                switch (rng() % 5) {
                case 0:
                    ref.font = nextTag++;
                    r.runFont = par.AddRunFont(Tagged(par, ref.font));
                    break;
                case 1:
                    ref.object = nextTag++;
                    ref.c = ' ';
                    r.object = par.AddObject(EmbeddedObject{nullptr, static_cast<std::uint32_t>(ref.object), 16});
                    break;
                default:
                    break;
                }
                text.push_back(ref.c);
                recs.push_back(r);
                refs.push_back(ref);
            }
            par.InsertChars(pos, text, recs);
            model.insert(model.begin() + pos, refs.begin(), refs.end());
        } else {
            const int from = static_cast<int>(rng() % static_cast<unsigned>(len));
            const int to = from + 1 + static_cast<int>(rng() % static_cast<unsigned>(std::min(6, len - from)));
            for (const EmbeddedObject& o : par.EraseChars(from, to))
                ++handedBack[static_cast<int>(o.number)];
            for (int i = from; i < to; ++i)
                if (model[static_cast<std::size_t>(i)].object >= 0)
                    --handedBack[model[static_cast<std::size_t>(i)].object];
            model.erase(model.begin() + from, model.begin() + to);
        }
        ASSERT_TRUE(par.Check()) << "step " << step;
        ASSERT_EQ(RefsOf(par), model) << "step " << step;
        int fonts = 0;
        int objects = 0;
        for (const Ref& r : model) {
            fonts += r.font >= 0;
            objects += r.object >= 0;
        }
        ASSERT_EQ(static_cast<int>(par.RunFonts().size()), fonts) << "step " << step;
        ASSERT_EQ(static_cast<int>(par.Objects().size()), objects) << "step " << step;
    }
    for (const auto& [number, balance] : handedBack)
        EXPECT_EQ(balance, 0) << "object " << number;
}

TEST(ParagraphEdit, ARunFontSharedByTwoRecordsStaysWhileOneUsesIt)
{
    StyleTable styles = FlatStyles();
    TUVAparag par;
    par.Style() = TUVAParaStyle(StyleBase{&styles, 0});
    par.InsertChars(0, "abcdef");
    const int shared = par.AddRunFont(Tagged(par, 1));
    const int other = par.AddRunFont(Tagged(par, 2));
    par.Records()[1].runFont = shared;
    par.Records()[4].runFont = shared;
    par.Records()[5].runFont = other;

    par.EraseChars(0, 2); // "cdef": the shared font is still used at 'e'
    EXPECT_EQ(par.RunFonts().size(), 2u);
    par.EraseChars(2, 3); // "cdf": the shared font goes with the last record using it
    ASSERT_EQ(par.RunFonts().size(), 1u);
    EXPECT_EQ(par.RunFonts()[0].Size(), 102);
    EXPECT_EQ(par.Records()[2].runFont, 0); // renumbered
    EXPECT_TRUE(par.Check());
}

TEST(ParagraphEdit, InsertedRecordsWithBadIndexesAreMadeHarmless)
{
    TUVAparag par;
    par.InsertChars(0, "ab");
    par.AddObject(EmbeddedObject{nullptr, 9, 16});
    TCharRec recs[3];
    recs[0].runFont = 7; // no such run font
    recs[1].object = 0;  // an object on a letter
    recs[2].object = 0;  // fine: on a space
    recs[2].link = 4;
    par.InsertChars(1, "xy  ", recs); // the fourth record is missing
    EXPECT_EQ(par.Text(), "axy  b");
    EXPECT_TRUE(par.Check());
    EXPECT_EQ(par.Records()[1].runFont, -1);
    EXPECT_EQ(par.Records()[2].object, -1);
    EXPECT_EQ(par.Records()[3].object, 0);
    EXPECT_EQ(par.Records()[3].link, 4);
    EXPECT_EQ(par.Records()[4], TCharRec{});
    par.InsertChars(-5, "<");
    par.InsertChars(99, ">");
    EXPECT_EQ(par.Text(), "<axy  b>");
    EXPECT_TRUE(par.EraseChars(5, 2).empty()); // a reversed range erases nothing
    EXPECT_EQ(par.Text(), "<axy  b>");
}

TEST(ParagraphEdit, SpellingMarksFollowTheTextWhileTheyMatchIt)
{
    TUVAparag par;
    par.InsertChars(0, "abcd");
    par.spellMarks = "!! !";
    par.InsertChars(2, "xy");
    EXPECT_EQ(par.spellMarks, "!!   !");
    par.EraseChars(0, 3);
    EXPECT_EQ(par.spellMarks, "  !");
    par.spellMarks = "!"; // out of step: dropped on the next edit
    par.InsertChars(0, "z");
    EXPECT_EQ(par.spellMarks, "");
}

TEST(ParagraphEdit, SplitOffAndAppendRoundTripFontsObjectsAndTheEndRecord)
{
    StyleTable styles = FlatStyles();
    TUVAparag par;
    par.Style() = TUVAParaStyle(StyleBase{&styles, 0});
    par.InsertChars(0, "ab cd");
    par.Records()[1].runFont = par.AddRunFont(Tagged(par, 1));
    par.Records()[3].runFont = par.AddRunFont(Tagged(par, 3));
    par.Records()[2].object = par.AddObject(EmbeddedObject{nullptr, 5, 16});
    par.EndRecord().link = 0x6F000001;
    par.EndRecord().runFont = par.AddRunFont(Tagged(par, 9));
    const std::vector<Ref> whole = RefsOf(par);

    ParagraphTail tail = ParagraphEdit::SplitOff(par, 2);
    EXPECT_EQ(par.Text(), "ab");
    EXPECT_EQ(par.EndRecord(), TCharRec{}); // a fresh end record
    EXPECT_EQ(par.RunFonts().size(), 1u);   // only the font of 'b' stays
    EXPECT_TRUE(par.Objects().empty());
    EXPECT_TRUE(par.Check());
    EXPECT_EQ(tail.text, " cd");
    EXPECT_EQ(tail.runFonts.size(), 2u);
    EXPECT_EQ(tail.objects.size(), 1u);

    ParagraphEdit::Append(par, std::move(tail));
    EXPECT_TRUE(par.Check());
    EXPECT_EQ(RefsOf(par), whole);
    EXPECT_EQ(par.EndRecord().link, 0x6F000001);
}

TEST(ParagraphEdit, ReplacingACharacterKeepsItsRunFontAndFreesItsObject)
{
    StyleTable styles = FlatStyles();
    TUVAparag par;
    par.Style() = TUVAParaStyle(StyleBase{&styles, 0});
    par.InsertChars(0, "a b");
    par.Records()[1].runFont = par.AddRunFont(Tagged(par, 4));
    par.Records()[1].object = par.AddObject(EmbeddedObject{nullptr, 3, 16});
    std::vector<std::uint32_t> freed;
    ParagraphEdit::ReplaceChar(par, 1, 'x', [&](const EmbeddedObject& o) { freed.push_back(o.number); });
    EXPECT_EQ(par.Text(), "axb");
    EXPECT_EQ(freed, std::vector<std::uint32_t>{3});
    EXPECT_TRUE(par.Objects().empty());
    EXPECT_EQ(par.FontAt(1).size, 104);
    EXPECT_TRUE(par.Check());
}

} // namespace
} // namespace quor
