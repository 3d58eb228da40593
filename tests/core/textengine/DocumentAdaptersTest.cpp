// The markup engine on a real document: styles read live from kind-17 objects,
// and the version-1 page upgrade making its objects in the page's document.
#include "model/TUVAset.h"
#include "model/TUVAtesto.h"
#include "textengine/DocumentStyleSource.h"
#include "textengine/DocumentVersion1Objects.h"
#include "textengine/MarkupReader.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace quor {
namespace {

TUVAoggetto* AddLive(TUVAset& set, int kind)
{
    auto obj = TUVAoggetto::CreateCleared(&set, kind);
    obj->MarkInUse();
    return set.Register(std::move(obj), -1);
}

TEST(DocumentStyles, ParagraphsFollowTheStyleObjectsAsTheyChange)
{
    TUVAset set;
    set.NewDocument();
    const DocumentStyleSource styles(set);
    MarkupReadOptions opts;
    opts.styles = &styles;
    const ParagraphList pars = MarkupReader::ReadAll("<Z S0 r3 >a<Z S1 >b<Z S9 >c", opts);
    ASSERT_EQ(pars.size(), 3u);
    EXPECT_EQ(pars[0]->Style().LeftIndent(), 10);
    EXPECT_EQ(pars[0]->Style().Name(), "Times New Roman");
    EXPECT_EQ(pars[1]->Style().LeftIndent(), 0); // "[no style intab]"
    EXPECT_EQ(pars[2]->Style().StyleId(), 0);    // unknown id: style 0

    set.GetObject(stileParagrafo, 0)->SetI16(StyleOffset::kLeftIndent, 33);
    set.GetObject(stileParagrafo, 0)->SetI16(StyleOffset::kRightIndent, 44);
    EXPECT_EQ(pars[0]->Style().LeftIndent(), 33);
    EXPECT_EQ(pars[0]->Style().RightIndent(), 3); // an override stays
}

class PageUpgrade : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_set.NewDocument();
        auto page = TUVAoggetto::CreateCleared(&m_set, testoHtml);
        page->MarkInUse();
        m_page = static_cast<TUVAtesto*>(m_set.Register(std::move(page), -1));
        ASSERT_NE(m_page, nullptr);
        m_page->SetI32(page::kTextColour, 0);
        m_page->SetI32(page::kLinkColour, 0xFF0000);
    }
    void SetOldText(std::string_view text)
    {
        m_page->SetText(text);
        m_page->SetU8(page::kTextFormat, 1);
    }

    TUVAset m_set;
    TUVAtesto* m_page = nullptr;
};

TEST_F(PageUpgrade, ImagesBecomePlacementsAndTheTextBecomesMarkup)
{
    TUVAoggetto* image = AddLive(m_set, immagine);
    ASSERT_NE(image, nullptr);
    SetOldText("A<$05000000>B");
    EXPECT_TRUE(DocumentVersion1Objects::ConvertPage(*m_page));
    EXPECT_EQ(m_page->TextFormat(), 2);
    ASSERT_EQ(m_set.ObjectCount(immagineNew), 1);
    const TUVAoggetto* placement = m_set.GetObject(immagineNew, 0);
    ASSERT_NE(placement, nullptr);
    EXPECT_EQ(m_page->Text(), std::string("<Z S0 C0000FF >A<$10000000>B") + '\0');
    // Already converted: nothing more happens.
    EXPECT_FALSE(DocumentVersion1Objects::ConvertPage(*m_page));
    EXPECT_EQ(m_set.ObjectCount(immagineNew), 1);
}

TEST_F(PageUpgrade, TablesTakeTheirShapeFromTheTableRecord)
{
    TUVAoggetto* table = AddLive(m_set, tabellaHtml);
    ASSERT_NE(table, nullptr);
    table->SetU8(93, 1);
    table->SetU8(94, 2);
    table->SetU8(95, 1);
    SetOldText("<$08000000>a<TF>b<TE>c");
    ASSERT_TRUE(DocumentVersion1Objects::ConvertPage(*m_page));
    const std::string run = "<Y c000000 F\"Times New Roman\" s12 y0 p0 >";
    EXPECT_EQ(m_page->Text(), "<Z S0 C0000FF ><$08000000><Z S1 A1 C0000FF >" + run + "a<T><Z S1 A1 C0000FF >" + run +
                                  "b<T><Z S0 A0 C0000FF >" + run + "c" + '\0');
}

TEST_F(PageUpgrade, FormInputsWithSubKindsTenToFourteenBecomeShortObjects)
{
    TUVAoggetto* input = AddLive(m_set, inputStat);
    ASSERT_NE(input, nullptr);
    input->SetSubKind(12);
    TUVAoggetto* other = AddLive(m_set, inputStat);
    ASSERT_NE(other, nullptr);
    SetOldText("<$14000000><$14000001>");
    ASSERT_TRUE(DocumentVersion1Objects::ConvertPage(*m_page));
    const int shortIndex = m_set.ObjectCount(shortObj) - 1;
    ASSERT_GE(shortIndex, 0);
    const TUVAoggetto* copy = m_set.GetObject(shortObj, shortIndex);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->SubKind(), 12);
    EXPECT_TRUE(input->IsDeleted());
    char tag[16];
    std::snprintf(tag, sizeof tag, "<$0b%06x>", shortIndex);
    EXPECT_EQ(m_page->Text(), std::string("<Z S0 C0000FF >") + tag + "<$14000001>" + '\0');
}

} // namespace
} // namespace quor
