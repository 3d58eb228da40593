// Edits never lose or corrupt characters: the box's text, written as markup
// and read back, is what a plain model of the same edits expects.
#include "editing/EditorFixture.h"

#include "textengine/MarkupReader.h"
#include "textengine/MarkupWriter.h"

#include <random>

namespace quor {
namespace {

using Fixture = testing::EditorFixture;

class RoundTrip : public Fixture {
protected:
    ParagraphList ReadBack()
    {
        const std::string markup = MarkupWriter::SaveBoxText(box.Paragraphs());
        MarkupReadOptions opts;
        opts.styles = &styles;
        opts.metrics = &metrics;
        return MarkupReader::ReadAll(markup, opts);
    }
    std::vector<std::string> TextsOf(const ParagraphList& list)
    {
        std::vector<std::string> out;
        for (const auto& p : list)
            out.push_back(p->Text());
        return out;
    }
};

TEST_F(RoundTrip, ScriptedEditsSurviveWritingAndReading)
{
    Load({"Hello world", "second line"});
    editor->SetCaret(0, 5);
    Type(", dear");                  // "Hello, dear world"
    editor->SplitParagraph();        // "Hello, dear" | " world"
    editor->Move(NavKey::End);
    Type("!");                       // " world!"
    editor->Select(0, 0, 0, 5, SelectionOrigin::Mouse);
    editor->TextAttributes().ChangeStyle(kFontBold, 0);
    editor->SetCaret(2, 0);
    editor->Backspace();             // joins "second line" to " world!"
    editor->Move(NavKey::End);
    Type(" <&> end");
    const std::vector<std::string> expected{"Hello, dear", " world!second line <&> end"};
    EXPECT_EQ(Texts(), expected);

    ParagraphList back = ReadBack();
    EXPECT_EQ(TextsOf(back), expected);
    ASSERT_EQ(back.size(), 2u);
    for (int i = 0; i < back[0]->Length(); ++i)
        EXPECT_EQ(back[0]->FontAt(i).style, i < 5 ? 1 : 0) << i;
}

// A random mix of edits applied to the box and to plain strings.
TEST_F(RoundTrip, RandomEditsMatchAPlainModel)
{
    Load({"alpha beta", "gamma", "delta epsilon zeta"}, 120);
    std::vector<std::string> model = Texts();
    std::mt19937 rng(12345);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const std::string letters = "abcdefghij klmn<>&\"xyz";
    for (int step = 0; step < 600; ++step) {
        const int p = pick(static_cast<int>(model.size()));
        const int i = pick(static_cast<int>(model[static_cast<std::size_t>(p)].size()) + 1);
        editor->SetCaret(p, i);
        auto& text = model[static_cast<std::size_t>(p)];
        switch (pick(6)) {
        case 0:
        case 1: {
            const char c = letters[static_cast<std::size_t>(pick(static_cast<int>(letters.size())))];
            ASSERT_TRUE(editor->TypeChar(c));
            text.insert(text.begin() + i, c);
            break;
        }
        case 2:
            editor->SplitParagraph();
            model.insert(model.begin() + p + 1, text.substr(static_cast<std::size_t>(i)));
            model[static_cast<std::size_t>(p)].resize(static_cast<std::size_t>(i));
            break;
        case 3:
            editor->Backspace();
            if (i > 0) {
                text.erase(text.begin() + i - 1);
            } else if (p > 0) {
                model[static_cast<std::size_t>(p - 1)] += text;
                model.erase(model.begin() + p);
            }
            break;
        case 4: {
            // Delete a selection to a random point in this or the next paragraph.
            const int q = std::min(p + pick(2), static_cast<int>(model.size()) - 1);
            const int j = q == p ? i + pick(static_cast<int>(text.size()) - i + 1)
                                 : pick(static_cast<int>(model[static_cast<std::size_t>(q)].size()) + 1);
            if (q == p && j == i)
                break;
            editor->Select(p, i, q, j, SelectionOrigin::Mouse);
            editor->DeleteSelection();
            if (q == p) {
                text.erase(static_cast<std::size_t>(i), static_cast<std::size_t>(j - i));
            } else {
                const std::string rest = model[static_cast<std::size_t>(q)].substr(static_cast<std::size_t>(j));
                if (i == 0) {
                    model[static_cast<std::size_t>(q)] = rest;
                    model.erase(model.begin() + p);
                } else {
                    text.resize(static_cast<std::size_t>(i));
                    text += rest;
                    model.erase(model.begin() + q);
                }
            }
            break;
        }
        case 5: {
            const int j = i + pick(static_cast<int>(text.size()) - i + 1);
            if (j == i)
                break;
            editor->Select(p, i, p, j, SelectionOrigin::Mouse);
            editor->TextAttributes().ChangeStyle(pick(2) ? kFontBold : 0, pick(2) ? kFontBold : 0);
            break;
        }
        }
        ASSERT_EQ(Texts(), model) << "step " << step;
        for (int k = 0; k < box.Count(); ++k)
            ASSERT_TRUE(box.At(k).Check()) << "step " << step << " paragraph " << k;
        // Paragraphs stay stacked without gaps or overlaps.
        for (int k = 1; k < box.Count(); ++k)
            ASSERT_EQ(box.At(k).topY, box.At(k - 1).bottomY + 1) << "step " << step;
    }
    // Laying the box out from scratch changes nothing: the incremental layout was exact.
    std::vector<int> tops;
    for (const auto& par : box.Paragraphs())
        tops.push_back(par->topY);
    box.LayOutBox();
    for (int k = 0; k < box.Count(); ++k)
        EXPECT_EQ(box.At(k).topY, tops[static_cast<std::size_t>(k)]);
    EXPECT_EQ(TextsOf(ReadBack()), model);
}

} // namespace
} // namespace quor
