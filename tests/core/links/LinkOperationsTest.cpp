// Link objects, anchors and automatic-import special links in a document.
#include "model/TUVAset.h"
#include "model/TUVAtesto.h"
#include "model/links/LinkOperations.h"
#include "model/records/ButtonRecord.h"
#include "model/records/ShortObjectRecord.h"
#include "model/records/SpecialLinkRecord.h"

#include <gtest/gtest.h>

namespace quor::links {
namespace {

TUVAoggetto* AddObject(TUVAset& doc, int kind, int subKind)
{
    auto obj = TUVAoggetto::CreateCleared(&doc, kind);
    obj->MarkInUse();
    obj->SetSubKind(subKind);
    return doc.Register(std::move(obj));
}

TUVAtesto* AddPage(TUVAset& doc, const std::string& name, const std::string& text)
{
    auto page = TUVAoggetto::CreateCleared(&doc, testoHtml);
    page->MarkInUse();
    auto* p = static_cast<TUVAtesto*>(doc.Register(std::move(page)));
    p->SetText(text);
    // Page name: i32 L = 4 + n, i32 n, the n characters.
    std::vector<std::uint8_t> props(8, 0);
    props[0] = static_cast<std::uint8_t>(4 + name.size());
    props[4] = static_cast<std::uint8_t>(name.size());
    props.insert(props.end(), name.begin(), name.end());
    p->SetPropertiesBytes(props);
    p->ForgetCachedName();
    return p;
}

TEST(NewInternetLink, SubKindFollowsTheAddress)
{
    TUVAset doc;
    EXPECT_EQ(NewInternetLink(doc, "mailto:me@example.org")->SubKind(), 8);
    EXPECT_EQ(NewInternetLink(doc, "ftp://example.org")->SubKind(), 4);
    auto link = NewInternetLink(doc, std::string(200, 'h'));
    EXPECT_EQ(link->GetName(), std::string(127, 'h'));
    EXPECT_FALSE(link->Registered());
    EXPECT_FALSE(link->IsDeleted());
}

TEST(Anchors, NextNumberIsOneAboveTheLargest)
{
    TUVAset doc;
    std::string text = "<Z S0 >";
    for (int n : {0, 3, 4}) {
        TUVAoggetto* a = AddObject(doc, shortObj, records::ShortObjectRecord::kAnchor);
        a->SetI32(records::ShortObjectRecord::kValue, n);
        text += RefTag(a->GetRef());
    }
    TUVAoggetto* other = AddObject(doc, shortObj, records::ShortObjectRecord::kLinkNumber);
    other->SetI32(records::ShortObjectRecord::kValue, 40);
    text += RefTag(other->GetRef());
    const auto numbers = AnchorNumbers(doc, text);
    EXPECT_EQ(numbers, (std::vector<int>{0, 3, 4}));
    EXPECT_EQ(NextAnchorNumber(numbers), 5);
    EXPECT_EQ(NextAnchorNumber({}), 0);
}

TEST(ResolveAutoImports, TagsAndLinkFieldsPointAtTheNamedPage)
{
    TUVAset doc;
    TUVAtesto* target = AddPage(doc, "Intro", "<Z S0 >intro");
    TUVAoggetto* autoLink = AddObject(doc, speclink, records::SpecialLinkRecord::kAutoImport);
    autoLink->SetContentBytes({'I', 'N', 'T', 'R', 'O', 0});
    TUVAoggetto* unknown = AddObject(doc, speclink, records::SpecialLinkRecord::kAutoImport);
    unknown->SetContentBytes({'n', 'o', 'n', 'e', 0});
    TUVAoggetto* button = AddObject(doc, bottoneCGI, 1);
    button->SetI32(records::ButtonRecord::kLink, autoLink->GetRef());
    TUVAoggetto* jump = AddObject(doc, speclink, records::SpecialLinkRecord::kJump);
    jump->SetI32(records::SpecialLinkRecord::kTarget, MakeRef(speclink, 77));   // no such link

    const std::string text = "<Z S0 >" + RefTag(autoLink->GetRef()) + "x<%>" + RefTag(unknown->GetRef()) + "y<%>" +
                             RefTag(button->GetRef()) + RefTag(jump->GetRef());
    TUVAtesto* page = AddPage(doc, "Home", text);
    TUVAtesto* empty = AddPage(doc, "Empty", "");
    empty->FreeContent();

    ResolveAutoImports(doc);
    const std::string after = page->Text();
    EXPECT_EQ(after.find(RefTag(autoLink->GetRef())), std::string::npos);
    EXPECT_NE(after.find(RefTag(target->GetRef()) + "x"), std::string::npos);
    EXPECT_NE(after.find(RefTag(unknown->GetRef()) + "y"), std::string::npos);
    EXPECT_EQ(button->I32(records::ButtonRecord::kLink), target->GetRef());
    EXPECT_EQ(jump->I32(records::SpecialLinkRecord::kTarget), -1);
    EXPECT_EQ(empty->Text(), std::string("<Z S0 >\0", 8));
}

} // namespace
} // namespace quor::links
