// Files of the first format version and records shorter than today's.
#include "UvaBuilder.h"

#include "model/TUVAset.h"
#include "model/TUVAtesto.h"
#include "model/records/AttachedFileRecord.h"
#include "model/records/ImageRecord.h"
#include "model/records/PageRecord.h"

#include <gtest/gtest.h>

namespace quor {
namespace {

using test::TempDir;
using test::UvaBuilder;

std::vector<std::uint8_t> Counted(std::vector<std::uint8_t> r, std::size_t at, const std::string& s)
{
    r[at] = static_cast<std::uint8_t>(s.size());
    std::copy(s.begin(), s.end(), r.begin() + static_cast<std::ptrdiff_t>(at + 1));
    return r;
}

// Version 1, last kind 8: a page referring to an old click map (kind 6) and an
// old attachment (kind 2); an image already named like the click map.
std::vector<std::uint8_t> Version1File()
{
    UvaBuilder b;
    header::SetVersion(b.Header(), 1);
    header::SetLastKind(b.Header(), 8);
    header::SetRevision(b.Header(), 7);
    header::SetAuthors(b.Header(), "junk");
    header::SetLanguage(b.Header(), 99);

    auto page = UvaBuilder::Record(200, 0, 0);
    const std::string text("see <$06000000> and <$02000000>\0", 32);
    UvaBuilder::PutI32(page, 0, b.Data(text));
    UvaBuilder::PutI32(page, 185, static_cast<std::int32_t>(text.size()));
    b.Add(0, 200, page);

    auto zip = Counted(UvaBuilder::Record(93, 4, 0), 5, "notes.zip");
    UvaBuilder::PutI32(zip, 0, b.Data("ZIPDATA"));
    UvaBuilder::PutI32(zip, 85, 7);
    b.Add(2, 93, zip);

    auto image = Counted(UvaBuilder::Record(667, 0, 0), 94, "map.gif");
    UvaBuilder::PutI32(image, 662, -1);
    b.Add(5, 667, image);

    auto map = Counted(UvaBuilder::Record(667, 0, 0), 94, "MAP.GIF");
    UvaBuilder::PutI32(map, 0, b.Data("GIFDATA"));
    UvaBuilder::PutI32(map, 174, 7);
    b.Add(6, 667, map);
    return b.Bytes();
}

TEST(Version1File, OldKindsBecomeImagesAndFilesAndOldReferencesResolve)
{
    TempDir dir;
    const std::string file = dir / "OldGuide.uva";
    UvaBuilder::WriteFile(file, Version1File());
    TUVAset doc;
    ASSERT_TRUE(doc.LoadFromFile(file));

    EXPECT_EQ(doc.List(6).size(), 0u);
    EXPECT_EQ(doc.List(2).size(), 0u);
    ASSERT_EQ(doc.ObjectCount(5), 2);
    ASSERT_EQ(doc.ObjectCount(3), 1);

    TUVAoggetto* image = doc.GetObjectByRef(0x06000000);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->Kind(), 5);
    EXPECT_EQ(image, doc.GetObject(5, 1));
    records::ConstImageRecord rec(image->Record().data());
    EXPECT_EQ(rec.Origin(), 0);
    EXPECT_EQ(rec.U8(666), 0);
    EXPECT_EQ(rec.Revision(), 6);
    // The click map's file name clashed (ignoring case) with the image's.
    EXPECT_NE(rec.FileName(), "MAP.GIF");
    EXPECT_TRUE(rec.FileName().starts_with("ed"));
    EXPECT_TRUE(rec.FileName().ends_with(".GIF"));
    ASSERT_NE(image->Content(), nullptr);
    ASSERT_NE(image->Content()->Bytes(), nullptr);
    EXPECT_EQ(std::string(image->Content()->Bytes()->begin(), image->Content()->Bytes()->end()), "GIFDATA");

    TUVAoggetto* attachment = doc.GetObjectByRef(0x02000000);
    ASSERT_NE(attachment, nullptr);
    EXPECT_EQ(attachment->Kind(), 3);
    EXPECT_EQ(records::ConstAttachedFileRecord(attachment->Record().data()).FileName(), "notes.zip");

    // Header fields version 1 did not have.
    EXPECT_EQ(doc.ExpPrefix(), "oldguide");
    EXPECT_EQ(header::Authors(doc.Header()), "");
    EXPECT_EQ(header::Language(doc.Header()), 1033);
    EXPECT_EQ(header::GlobalHeaderPage(doc.Header()), -1);
    EXPECT_EQ(header::BackgroundColour(doc.Header()), 0xC0C0C0u);

    // Saved again it is a version-2 file without the old kinds, still resolving.
    ASSERT_TRUE(doc.SaveToFile(dir / "new.uva", 2));
    TUVAset again;
    ASSERT_TRUE(again.LoadFromFile(dir / "new.uva"));
    EXPECT_EQ(again.Version(), 2);
    EXPECT_EQ(again.ObjectCount(5), 2);
    EXPECT_EQ(again.ObjectCount(3), 1);
}

TEST(ShortRecords, PageOfTwoHundredBytesGetsTheOlderDefaults)
{
    TempDir dir;
    UvaBuilder b;
    header::SetRevision(b.Header(), 40);
    auto page = Counted(UvaBuilder::Record(200, 0, 0), 5, "Old page");
    b.Add(0, 200, page);
    b.WriteTo(dir / "short.uva");

    TUVAset doc;
    ASSERT_TRUE(doc.LoadFromFile(dir / "short.uva"));
    records::ConstPageRecord rec(doc.GetPage(0)->Record().data());
    EXPECT_EQ(rec.Title(), "Old page");
    EXPECT_EQ(rec.Language(), 1033);
    EXPECT_EQ(rec.TextFormat(), 1);
    EXPECT_EQ(rec.Revision(), 39);
    EXPECT_EQ(rec.PageId(), "");
    EXPECT_EQ(rec.SlideDelay(), 5);
    EXPECT_EQ(rec.NextSlide(), -1);
    EXPECT_EQ(rec.HeaderPage(), -1);
    EXPECT_EQ(rec.FooterPage(), -1);
    // Bytes the old record never had read as 0xFF: no properties block, no alias.
    EXPECT_EQ(rec.I32(239), -1);
    EXPECT_EQ(rec.Alias(), "");
}

// Files written by older writers stored a table's 16-bit content length signed:
// 40000 bytes came out as -25536. The cell data must still be found.
TEST(ShortRecords, TableLengthStoredAsNegativeSixteenBitsIsRecovered)
{
    TempDir dir;
    UvaBuilder b;
    auto table = UvaBuilder::Record(220, 2, 0);
    UvaBuilder::PutI32(table, 81, 1);
    UvaBuilder::PutI32(table, 0, b.Data(std::string(40000, 'c')));
    table[85] = 0x40;   // 40000 = 0x9C40
    table[86] = 0x9C;
    b.Add(8, 220, table);
    b.WriteTo(dir / "table.uva");

    TUVAset doc;
    ASSERT_TRUE(doc.LoadFromFile(dir / "table.uva"));
    ASSERT_NE(doc.GetObject(8, 0)->Content(), nullptr);
    EXPECT_EQ(doc.GetObject(8, 0)->Content()->Size(), 40000u);
}

} // namespace
} // namespace quor
