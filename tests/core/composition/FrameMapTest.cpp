// Frame records, frame maps, layout files and the frame-set HTML text.
#include "composition/frames/FrameLayoutFile.h"
#include "composition/frames/FrameRecord.h"
#include "composition/frames/TNonVisCornice.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quor {
namespace {

FrameRecord Rec(int id, std::string name, int placement, int page, int sizeKind = 0, int percent = 50,
                int pixels = 20)
{
    FrameRecord r;
    r.id = id;
    r.name = std::move(name);
    r.placement = static_cast<std::uint8_t>(placement);
    r.page = page;
    r.sizeKind = static_cast<std::uint8_t>(sizeKind);
    r.percent = percent;
    r.pixels = pixels;
    return r;
}

// Root split into rows: a top frame (30%), and a rest frame split into columns.
std::unique_ptr<TNonVisCornice> SampleTree()
{
    auto root = std::make_unique<TNonVisCornice>();
    root->record = Rec(10, "Pag0", 1, 0);
    auto top = std::make_unique<TNonVisCornice>();
    top->record = Rec(11, "Frame00000B", 0, 3, 0, 30);
    top->record.resizable = 1;
    auto rest = std::make_unique<TNonVisCornice>();
    rest->record = Rec(12, "Frame00000C", 3, -1, 2, 70);
    auto left = std::make_unique<TNonVisCornice>();
    left->record = Rec(13, "Frame00000D", 1, 4, 1, 0, 120);
    left->record.border = 0;
    left->record.scrolling = 0;
    auto right = std::make_unique<TNonVisCornice>();
    right->record = Rec(14, "Frame00000E", 5, 5, 2);
    rest->children.push_back(std::move(left));
    rest->children.push_back(std::move(right));
    root->children.push_back(std::move(top));
    root->children.push_back(std::move(rest));
    return root;
}

std::vector<std::string> NamesDepthFirst(const TNonVisCornice& n)
{
    std::vector<std::string> out{n.record.name};
    for (const auto& c : n.children) {
        auto sub = NamesDepthFirst(*c);
        out.insert(out.end(), sub.begin(), sub.end());
    }
    return out;
}

TEST(FrameRecord, RoundTripsEveryFieldIn58Bytes)
{
    FrameRecord r = Rec(0x01020304, "Frame0A0B0C", 5, 0x00000007, 1, 33, 250);
    r.parentId = 77;
    r.reserved29 = 1;
    r.reserved30 = 2;
    r.scrolling = 0;
    r.hasChildren = 1;
    r.resizable = 1;
    r.reserved42 = -5;
    r.colour = 0x00FF00;
    r.reserved50 = 9;
    r.border = 0;
    r.spacing = 7;
    ByteWriter out;
    r.Write(out);
    ASSERT_EQ(out.Size(), 58u);
    EXPECT_EQ(out.Data()[0], 0x04);      // little-endian id
    EXPECT_EQ(out.Data()[8], 11);        // name length byte
    EXPECT_EQ(out.Data()[28], 5);
    EXPECT_EQ(out.Data()[57], 1);
    const FrameRecord back = FrameRecord::Read(out.Data());
    ByteWriter again;
    back.Write(again);
    EXPECT_EQ(again.Data(), out.Data());
}

TEST(FrameRecord, ShortOlderRecordTakesDefaults)
{
    struct Case {
        std::uint8_t flag29, flag30;
        int border, spacing;
    };
    for (const Case c : {Case{0, 0, 0, 0}, Case{1, 0, 1, 3}, Case{0, 1, 1, 3}}) {
        FrameRecord r = Rec(1, "Old", 0, 2, 1, 40, 99);
        r.reserved29 = c.flag29;
        r.reserved30 = c.flag30;
        ByteWriter out;
        r.Write(out);
        // Older maps ended after the percent field (42 bytes).
        const FrameRecord back = FrameRecord::Read(std::span(out.Data()).first(42));
        EXPECT_EQ(back.name, "Old");
        EXPECT_EQ(back.page, 2);
        EXPECT_EQ(back.percent, 40);
        EXPECT_EQ(back.sizeKind, fsPercent);
        EXPECT_EQ(back.pixels, 20);
        EXPECT_EQ(back.colour, kButtonFaceColour);
        EXPECT_EQ(back.border, c.border) << int(c.flag29) << int(c.flag30);
        EXPECT_EQ(back.spacing, c.spacing);
        EXPECT_EQ(back.reserved29, 0);
        EXPECT_EQ(back.reserved30, 0);
    }
}

TEST(FrameRecord, NameLengthBeyondCapacityOrRecordIsCut)
{
    std::vector<std::uint8_t> bytes(58, 0);
    bytes[8] = 200;   // claims 200 characters in a 19-character field
    for (int i = 9; i < 28; ++i)
        bytes[static_cast<std::size_t>(i)] = 'x';
    EXPECT_EQ(FrameRecord::Read(bytes).name, std::string(19, 'x'));
    EXPECT_EQ(FrameRecord::Read(std::span(bytes).first(12)).name, "xxx");
}

TEST(FrameMap, WriteThenReadKeepsTreeSizesAndNames)
{
    const auto tree = SampleTree();
    const auto bytes = tree->MapBytes();
    ASSERT_EQ(bytes.size(), 5u * 58u);
    const auto back = TNonVisCornice::ReadMap(bytes, 58);
    ASSERT_TRUE(back);
    EXPECT_EQ(NamesDepthFirst(*back), NamesDepthFirst(*tree));
    ASSERT_EQ(back->children.size(), 2u);
    EXPECT_EQ(back->children[1]->children.size(), 2u);
    EXPECT_EQ(back->children[0]->record.percent, 30);
    EXPECT_EQ(back->children[1]->children[0]->record.pixels, 120);
    EXPECT_EQ(back->record.hasChildren, 1);
    EXPECT_EQ(back->children[0]->record.hasChildren, 0);
    EXPECT_EQ(back->children[1]->children[1]->record.parentId, 12);
    EXPECT_EQ(back->MapBytes(), bytes);
}

TEST(FrameMap, DamagedMapsNeverOverrun)
{
    const auto bytes = SampleTree()->MapBytes();
    EXPECT_FALSE(TNonVisCornice::ReadMap({}, 58));
    EXPECT_FALSE(TNonVisCornice::ReadMap(bytes, 0));
    EXPECT_FALSE(TNonVisCornice::ReadMap(bytes, -58));
    EXPECT_FALSE(TNonVisCornice::ReadMap(std::span(bytes).first(57), 58));
    // A partial last record is ignored.
    auto cut = TNonVisCornice::ReadMap(std::span(bytes).first(58 * 2 + 30), 58);
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->FrameCount(), 2);
    // A record size larger than the data gives nothing; an odd size reads what fits.
    EXPECT_FALSE(TNonVisCornice::ReadMap(bytes, 100000));
    EXPECT_TRUE(TNonVisCornice::ReadMap(bytes, 7));
}

TEST(FrameMap, DeepChainFromDamagedFileIsCutAtTheDepthLimit)
{
    ByteWriter out;
    const int depth = 200000;
    for (int i = 0; i < depth; ++i) {
        FrameRecord r = Rec(i, "F", 0, -1);
        r.parentId = i - 1;
        r.Write(out);
    }
    const auto root = TNonVisCornice::ReadMap(out.Data(), 58);
    ASSERT_TRUE(root);
    EXPECT_EQ(root->FrameCount(), kMaxFrameDepth);
    EXPECT_EQ(root->Leaves().size(), 1u);
}

TEST(FrameMap, RecordsAfterTheRootSubtreeAreIgnored)
{
    ByteWriter out;
    Rec(1, "Root", 0, 0).Write(out);
    FrameRecord child = Rec(2, "Child", 0, 1);
    child.parentId = 1;
    child.Write(out);
    FrameRecord stray = Rec(3, "Stray", 0, 2);
    stray.parentId = 99;
    stray.Write(out);
    FrameRecord late = Rec(4, "Late", 0, 3);
    late.parentId = 1;   // comes after a record that broke the chain
    late.Write(out);
    const auto root = TNonVisCornice::ReadMap(out.Data(), 58);
    ASSERT_TRUE(root);
    EXPECT_EQ(NamesDepthFirst(*root), (std::vector<std::string>{"Root", "Child"}));
}

TEST(FrameSetHtml, WritesFramesetsAndFramesAsStored)
{
    const auto tree = SampleTree();
    std::vector<std::int32_t> pages;
    const std::string html = tree->FrameSetHtml([](std::int32_t p) { return "pg" + std::to_string(p) + ".htm"; }, &pages);
    EXPECT_EQ(html,
              "<FRAMESET ROWS=30%,* BORDER=3 FRAMESPACING=3 >\r\n"
              "<FRAME NAME=\"Frame00000B\" SRC=\"pg3.htm\" SCROLLING=auto >\r\n"
              "<FRAMESET COLS=120,* BORDER=3 FRAMESPACING=3 >\r\n"
              "<FRAME NAME=\"Frame00000D\" SRC=\"pg4.htm\" SCROLLING=no FRAMEBORDER=no NORESIZE>\r\n"
              "<FRAME NAME=\"Frame00000E\" SRC=\"pg5.htm\" SCROLLING=auto NORESIZE>\r\n"
              "</FRAMESET>\r\n"
              "</FRAMESET>\r\n");
    EXPECT_EQ(pages, (std::vector<std::int32_t>{3, 4, 5}));
}

TEST(FrameSetHtml, LeavesOutFramesWhosePageHasNoFile)
{
    const auto tree = SampleTree();
    std::vector<std::int32_t> pages;
    const std::string html = tree->FrameSetHtml(
        [](std::int32_t p) { return p == 4 ? std::string() : "pg" + std::to_string(p) + ".htm"; }, &pages);
    EXPECT_EQ(html,
              "<FRAMESET ROWS=30%,* BORDER=3 FRAMESPACING=3 >\r\n"
              "<FRAME NAME=\"Frame00000B\" SRC=\"pg3.htm\" SCROLLING=auto >\r\n"
              "<FRAMESET COLS=120,* BORDER=3 FRAMESPACING=3 >\r\n"
              "<FRAME NAME=\"Frame00000E\" SRC=\"pg5.htm\" SCROLLING=auto NORESIZE>\r\n"
              "</FRAMESET>\r\n"
              "</FRAMESET>\r\n");
    EXPECT_EQ(pages, (std::vector<std::int32_t>{3, 5}));
}

TEST(FrameSetHtml, WithoutConverterNamesPagesByReferenceAndEscapesNames)
{
    TNonVisCornice leaf;
    leaf.record = Rec(1, "a\"b<c", 0, 0x12);
    EXPECT_EQ(leaf.FrameSetHtml(), "<FRAME NAME=\"a&quot;b&lt;c\" SRC=\"$00000012\" SCROLLING=auto NORESIZE>\r\n");
}

TEST(FrameLayoutFile, RoundTripsAndRefusesOtherFiles)
{
    const auto tree = SampleTree();
    const auto bytes = FrameLayoutFile::Write(*tree);
    ASSERT_EQ(bytes.size(), 8u + 5u * 58u);
    EXPECT_EQ(bytes[0], 0x34);
    EXPECT_EQ(bytes[1], 0x12);
    EXPECT_EQ(bytes[4], 58);
    auto back = FrameLayoutFile::Read(bytes);
    ASSERT_TRUE(back.root);
    EXPECT_TRUE(back.error.empty());
    EXPECT_EQ(back.root->MapBytes(), tree->MapBytes());

    const auto empty = FrameLayoutFile::Read({});
    EXPECT_TRUE(empty.empty);
    EXPECT_TRUE(empty.error.empty());

    struct Bad {
        const char* why;
        std::vector<std::uint8_t> bytes;
    };
    const Bad bad[] = {
        {"wrong magic", {0x35, 0x12, 0, 0, 58, 0, 0, 0}},
        {"magic cut short", {0x34, 0x12}},
        {"no record size", {0x34, 0x12, 0, 0}},
        {"negative record size", {0x34, 0x12, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"huge record size", {0x34, 0x12, 0, 0, 0, 0, 0, 0x7F}},
        {"no record", {0x34, 0x12, 0, 0, 58, 0, 0, 0, 1, 2, 3}},
    };
    for (const auto& b : bad) {
        const auto r = FrameLayoutFile::Read(b.bytes);
        EXPECT_FALSE(r.root) << b.why;
        EXPECT_EQ(r.error, "File format error!") << b.why;
    }
}

TEST(FrameLayoutFile, SavesAndLoadsFiles)
{
    const auto dir = std::filesystem::temp_directory_path() / "quor-frm-test";
    std::filesystem::create_directories(dir);
    const auto path = (dir / "layout.frm").string();
    ASSERT_TRUE(FrameLayoutFile::Save(path, *SampleTree()));
    const auto r = FrameLayoutFile::Load(path);
    ASSERT_TRUE(r.root);
    EXPECT_EQ(r.root->FrameCount(), 5);
    EXPECT_EQ(FrameLayoutFile::Load((dir / "missing.frm").string()).error, "File format error!");
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace quor
