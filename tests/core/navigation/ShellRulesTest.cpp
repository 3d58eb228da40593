// Open-by-type, save formats, the caption, the page spin and link routing.
#include "model/ObjectKind.h"
#include "model/TUVAset.h"
#include "model/TUVAtesto.h"
#include "model/links/LinkOperations.h"
#include "model/records/ShortObjectRecord.h"
#include "model/records/SpecialLinkRecord.h"
#include "shell/navigation/LinkRouting.h"
#include "shell/navigation/ShellRules.h"

#include <gtest/gtest.h>

namespace quor {
namespace {

TEST(ShellRules, OpenKindByExtension)
{
    const std::pair<const char*, OpenKind> cases[] = {
        {"/a/B.UVA", OpenKind::Hypertext}, {"x.gif", OpenKind::Refocus},  {"x.JPG", OpenKind::Refocus},
        {"x.jpeg", OpenKind::Ignored},     {"x.bmp", OpenKind::Ignored},  {"x.wmf", OpenKind::Ignored},
        {"x.Html", OpenKind::Html},        {"x.htm", OpenKind::Html},     {"x.txt", OpenKind::TextImport},
        {"x.cpp", OpenKind::TextImport},   {"x.wri", OpenKind::TextImport}, {"/d.uva/noext", OpenKind::Ignored},
    };
    for (const auto& [path, kind] : cases)
        EXPECT_EQ(OpenKindOf(path), kind) << path;
}

TEST(ShellRules, SaveFormatFollowsTextExtensionsFirst)
{
    EXPECT_EQ(SaveFormatIndex("/a/x.txt", 1), 5);   // ".uva" filter entry, text file name
    EXPECT_EQ(SaveFormatIndex("/a/x.PAS", 3), 5);
    EXPECT_EQ(SaveFormatIndex("/a/x.uva", 3), 1);
    EXPECT_EQ(SaveFormatIndex("/a/x.htm", 3), 3);
    EXPECT_EQ(SaveFormatIndex("/a/x", -1), -1);
}

TEST(ShellRules, CaptionSpinAndQuestion)
{
    EXPECT_EQ(WindowCaption("Untitled", "/opt/q/es_uva"), "Untitled - Quor");
    EXPECT_EQ(WindowCaption("/home/me/site.uva", "/opt/q/es_uva"), "site.uva - Quor");
    EXPECT_EQ(WindowCaption("/opt/q/es_uva/index.uva", "/opt/q/es_uva/"), "index.uva [example] - Quor");
    EXPECT_EQ(PageSpinValue("12"), 12);
    EXPECT_EQ(PageSpinValue(" 3 "), 3);
    EXPECT_EQ(PageSpinValue("-4"), 0);
    EXPECT_EQ(PageSpinValue("x1"), 0);
    EXPECT_EQ(PageSpinValue(""), 0);
    EXPECT_EQ(PageSpinValue("99999999999999"), 0);
    EXPECT_TRUE(PageSpinOutOfRange(5, 5));
    EXPECT_FALSE(PageSpinOutOfRange(4, 5));
    EXPECT_EQ(SaveQuestion("/a/b.uva"), "Save modifications to /a/b.uva?");
    EXPECT_FALSE(NeedsSaveQuestion(true, true, false));
    EXPECT_TRUE(NeedsSaveQuestion(false, true, true));
    EXPECT_EQ(ExportPrefixFor("/a/My.Very.Long.Hypertext.Name.uva"), "my.very.long.hyp");
}

class LinkRoutingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        doc.NewDocument();
        for (int i = 0; i < 4; ++i) {
            auto page = std::make_unique<TUVAtesto>(&doc);
            page->MarkInUse();
            page->SetI16(page::kBrowseGroup, 1);
            page->SetI16(page::kBrowseOrder, static_cast<std::int16_t>(i));
            doc.Register(std::move(page));
        }
    }
    TUVAoggetto* SpecialLink(int subKind, ObjectRef target = kNoRef)
    {
        auto o = TUVAoggetto::CreateCleared(&doc, speclink);
        o->MarkInUse();
        o->SetSubKind(subKind);
        records::SpecialLinkRecord rec(o->Record().data());
        rec.SetTarget(target);
        rec.SetAnchor(2);
        return doc.Register(std::move(o));
    }
    TUVAset doc;
};

TEST_F(LinkRoutingTest, PlansByLinkKind)
{
    EXPECT_EQ(PlanLink(doc, nullptr, 0, false).kind, LinkActionKind::Ignore);
    const auto page = PlanLink(doc, doc.GetPage(2), 0, false);
    EXPECT_EQ(page.kind, LinkActionKind::ShowPage);
    EXPECT_EQ(page.page, 2);

    struct AddressCase {
        const char* address;
        LinkActionKind kind;
    };
    for (const auto& c : {AddressCase{"quor://x.uva|2", LinkActionKind::QuorAddress},
                          AddressCase{"prog:notes.txt", LinkActionKind::Program},
                          AddressCase{"http://example.org/", LinkActionKind::OpenUrl},
                          AddressCase{"mailto:a@b.c", LinkActionKind::OpenUrl}}) {
        auto link = links::NewInternetLink(doc, c.address);
        const auto a = PlanLink(doc, link.get(), 0, false);
        EXPECT_EQ(a.kind, c.kind) << c.address;
        EXPECT_EQ(a.address, c.address);
    }

    const auto jump = PlanLink(doc, SpecialLink(1, MakeRef(testoHtml, 3)), 0, false);
    EXPECT_EQ(jump.kind, LinkActionKind::ShowPage);
    EXPECT_EQ(jump.page, 3);
    EXPECT_EQ(jump.anchor, 2);
    EXPECT_EQ(PlanLink(doc, SpecialLink(5), 1, false).page, 2);
    EXPECT_EQ(PlanLink(doc, SpecialLink(4), 1, false).page, 0);
    EXPECT_EQ(PlanLink(doc, SpecialLink(1, MakeRef(testoHtml, 99)), 0, false).kind, LinkActionKind::Unsupported);
    EXPECT_EQ(PlanLink(doc, SpecialLink(3), 0, false).kind, LinkActionKind::Unsupported);

    // A short object runs the special link it refers to, in preview only.
    auto opener = TUVAoggetto::CreateCleared(&doc, shortObj);
    opener->MarkInUse();
    opener->SetSubKind(13);
    opener->SetI32(records::ShortObjectRecord::kValue, SpecialLink(5)->GetRef());
    EXPECT_EQ(PlanLink(doc, opener.get(), 0, true).page, 1);
    EXPECT_EQ(PlanLink(doc, opener.get(), 0, false).kind, LinkActionKind::Unsupported);
}

TEST_F(LinkRoutingTest, QuorAddressesAgainstTheOpenDocument)
{
    struct Case {
        const char* address;
        bool stop, otherFile;
        std::string file;
        int page;
    };
    // The document is untitled (no file name).
    const Case untitled[] = {
        {"quor://Untitled|2", false, false, "", 2},
        {"quor:|", false, false, "", -2},
        {"quor:other.uva", false, false, "", 0},   // no bar: this document's cover page
        {"quor:///abs/other.uva|3", false, true, "/abs/other.uva", 3},
        {"http://x", true, false, "", 0},
    };
    for (const auto& c : untitled) {
        const auto p = PlanQuorAddress(doc, "Untitled", c.address);
        EXPECT_EQ(p.stop, c.stop) << c.address;
        EXPECT_EQ(p.otherFile, c.otherFile) << c.address;
        EXPECT_EQ(p.file, c.file) << c.address;
        if (!c.stop)
            EXPECT_EQ(p.page, c.page) << c.address;
    }
    // An untitled target from a named document stops.
    doc.RecordFileName("/work/a.uva");
    EXPECT_TRUE(PlanQuorAddress(doc, "/work/a.uva", "quor://Untitled|1").stop);
    const auto same = PlanQuorAddress(doc, "/work/a.uva", "quor:///work/a.uva|1");
    EXPECT_FALSE(same.otherFile);
    EXPECT_EQ(same.page, 1);
    const auto rel = PlanQuorAddress(doc, "/work/a.uva", "quor:b.uva|");
    EXPECT_TRUE(rel.otherFile);
    EXPECT_EQ(rel.file, "/work/b.uva");
    EXPECT_EQ(rel.page, -2);
}

} // namespace
} // namespace quor
