// EditorFixture.h: a box of paragraphs with an editor, undo log and message
// recorder; FixedMetrics (10 px per byte, line height 16), flat style 0 and a
// second style "Quote" (id 2, 14 points, left indent 30).
#pragma once

#include "base/RecordingMessages.h"
#include "layout/ParagraphBuilder.h"
#include "textengine/TUVAboxEditor.h"
#include "textengine/TUVAParaAttributes.h"
#include "textengine/TUVATextAttributes.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace quor::testing {

class EditorFixture : public ::testing::Test {
protected:
    EditorFixture()
    {
        styles = FlatStyles();
        ParagraphStyle quote = styles.Get(0);
        quote.name = "Quote";
        quote.fontSize = 14;
        quote.leftIndent = 30;
        quote.state = 1;
        quoteId = styles.Add(quote);
    }

    // Loads paragraphs (a leading '#' makes a paragraph that holds a table).
    void Load(std::vector<std::string> texts, int width = 200)
    {
        ParagraphList list;
        for (const auto& t : texts) {
            if (!t.empty() && t[0] == '#') {
                auto p = MakeParagraph(styles, " ", metrics);
                PlaceObject(*p, 0, kObjectKindTable, 100, 40);
                list.push_back(std::move(p));
            } else {
                list.push_back(MakeParagraph(styles, t, metrics));
            }
        }
        box.SetTextWidth(width);
        box.SetParagraphs(std::move(list));
        editor = std::make_unique<TUVAboxEditor>(box, &undo, &messages);
    }

    std::vector<std::string> Texts() const
    {
        std::vector<std::string> out;
        for (const auto& p : box.Paragraphs())
            out.push_back(p->Text());
        return out;
    }

    void Type(std::string_view s)
    {
        for (char c : s)
            editor->TypeChar(c);
    }

    // Effective font of each character of paragraph p.
    std::vector<int> StyleBitsOf(int p) const
    {
        std::vector<int> out;
        const TUVAparag& par = box.At(p);
        for (int i = 0; i < par.Length(); ++i)
            out.push_back(par.FontAt(i).style);
        return out;
    }

    FixedMetrics metrics{10, 12, 4};
    StyleTable styles;
    int quoteId = 0;
    TUVAboxModel box{metrics};
    UndoStepLog undo;
    RecordingMessages messages;
    std::unique_ptr<TUVAboxEditor> editor;
};

} // namespace quor::testing
