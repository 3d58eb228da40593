// Every kind's record and blocks survive a save and a load byte for byte, and a
// second save of the loaded document writes the same file.
#include "UvaBuilder.h"

#include "model/ObjectKind.h"
#include "model/TUVAset.h"
#include "model/TUVAtesto.h"
#include "model/records/TableRecord.h"

#include <gtest/gtest.h>

namespace quor {
namespace {

using test::TempDir;
using test::UvaBuilder;

// Kinds the writer stores records of (2 and 6 exist only in version-1 files).
constexpr int kStoredKinds[] = {0, 1, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13, 16, 18, 19, 20, 21, 22, 23, 24};

std::vector<std::uint8_t> Bytes(const std::string& s)
{
    return {s.begin(), s.end()};
}

// Record offsets the writer fills with block positions and lengths.
std::vector<std::size_t> BlockFieldBytes(int kind)
{
    std::vector<std::size_t> out;
    const KindInfo& info = KindInfoOf(kind);
    auto add = [&out](int off, int width) {
        for (int i = 0; off >= 0 && i < width; ++i)
            out.push_back(static_cast<std::size_t>(off + i));
    };
    add(info.contentPos, 4);
    add(info.contentLen, kind == tabellaHtml ? 2 : 4);
    add(info.propertiesPos, 4);
    add(info.propertiesLen, 4);
    if (kind == mappaFrame) {
        add(97, 4);
        add(101, 4);
    }
    return out;
}

std::unique_ptr<TUVAoggetto> PatternObject(TUVAset& doc, int kind)
{
    auto obj = TUVAoggetto::CreateCleared(&doc, kind);
    obj->MarkInUse();
    const int inUse = obj->SubKind();
    auto& rec = obj->Record();
    for (std::size_t i = 0; i < rec.size(); ++i)
        rec[i] = static_cast<std::uint8_t>(i * 7 + static_cast<std::size_t>(kind) * 13 + 1);
    obj->SetSubKind(inUse);
    switch (kind) {
    case keyword:
        obj->SetCounted(0, 79, "travel");
        break;
    case internetLink:
        obj->SetCounted(5, 127, "ftp://example.org/");
        break;
    case tabellaHtml:
        obj->SetI32(records::TableRecord::kContentPresent, 1);
        break;
    case multiMedia:
        obj->SetI32(17, 0x03000007);   // a full attached-file reference stays as it is
        break;
    case testoHtml:
        obj->SetU8(195, 2);
        break;
    default:
        break;
    }
    const KindInfo& info = KindInfoOf(kind);
    if (info.contentPos >= 0 && kind != mappaFrame)
        obj->SetContentBytes(Bytes("content of kind " + std::to_string(kind) + std::string(1, '\0')));
    if (kind == mappaFrame)
        obj->SetContentBytes(Bytes("frames"));
    if (info.propertiesPos >= 0) {
        std::string props("\0\0\0\0name=\"v\"", 12);
        props += std::to_string(kind);
        obj->SetPropertiesBytes(Bytes(props));
    }
    return obj;
}

std::vector<std::uint8_t> BlockBytes(ObjectContent* c)
{
    if (!c)
        return {};
    const auto* b = c->Bytes();
    return b ? *b : std::vector<std::uint8_t>{};
}

TEST(RoundTrip, EveryKindKeepsItsRecordAndBlocks)
{
    TempDir dir;
    TUVAset doc;
    std::vector<std::pair<int, RecordImage>> originals;
    for (int kind : kStoredKinds) {
        auto obj = PatternObject(doc, kind);
        originals.emplace_back(kind, obj->Record());
        ASSERT_NE(doc.Register(std::move(obj)), nullptr) << kind;
    }
    // A deleted page between two live ones keeps its slot and its record.
    auto deleted = TUVAoggetto::CreateCleared(&doc, testoHtml);
    const RecordImage deletedRecord = deleted->Record();
    doc.Register(std::move(deleted));
    auto last = PatternObject(doc, testoHtml);
    doc.Register(std::move(last), 2);   // -1 would reuse the deleted slot

    ASSERT_TRUE(doc.SaveToFile(dir / "a.uva", 2)) << ::testing::PrintToString(doc.Errors());

    TUVAset loaded;
    ASSERT_TRUE(loaded.LoadFromFile(dir / "a.uva"));
    for (const auto& [kind, original] : originals) {
        TUVAoggetto* obj = loaded.GetObject(kind, 0);
        ASSERT_NE(obj, nullptr) << kind;
        const auto skip = BlockFieldBytes(kind);
        const int size = RecordSizeOf(kind);
        for (int i = 0; i < size; ++i) {
            if (std::find(skip.begin(), skip.end(), static_cast<std::size_t>(i)) != skip.end())
                continue;
            ASSERT_EQ(obj->Record()[static_cast<std::size_t>(i)], original[static_cast<std::size_t>(i)])
                << "kind " << kind << " byte " << i;
        }
        // Bytes beyond the stored size read as 0xFF.
        for (std::size_t i = static_cast<std::size_t>(size); i < kRecordImageSize; ++i)
            ASSERT_EQ(obj->Record()[i], 0xFF) << "kind " << kind << " byte " << i;

        TUVAoggetto* source = doc.GetObject(kind, 0);
        EXPECT_EQ(BlockBytes(obj->Content()), BlockBytes(source->Content())) << kind;
        EXPECT_EQ(BlockBytes(obj->Properties()), BlockBytes(source->Properties())) << kind;
    }
    TUVAoggetto* deletedPage = loaded.GetObject(0, 1);
    ASSERT_NE(deletedPage, nullptr);
    EXPECT_TRUE(deletedPage->IsDeleted());
    EXPECT_FALSE(deletedPage->HasContent());
    EXPECT_TRUE(std::equal(deletedPage->Record().begin(), deletedPage->Record().begin() + 292, deletedRecord.begin()));
    EXPECT_FALSE(loaded.GetObject(0, 2)->IsDeleted());

    // Saving the loaded document gives the same bytes; only the revision moves on.
    ASSERT_TRUE(loaded.SaveToFile(dir / "b.uva", 2));
    auto a = UvaBuilder::ReadFile(dir / "a.uva");
    auto b = UvaBuilder::ReadFile(dir / "b.uva");
    ASSERT_EQ(a.size(), b.size());
    EXPECT_EQ(header::Revision(loaded.Header()), header::Revision(doc.Header()) + 1);
    std::fill_n(a.begin() + 1632, 4, 0);
    std::fill_n(b.begin() + 1632, 4, 0);
    std::fill_n(a.begin() + 4, 80, 0);   // the title was "Untitled" and took the file name
    std::fill_n(b.begin() + 4, 80, 0);
    EXPECT_TRUE(a == b);
}

TEST(RoundTrip, PicturesStayInTheFileUntilUsedAndSurviveSavingOverIt)
{
    TempDir dir;
    TUVAset doc;
    auto image = TUVAoggetto::CreateCleared(&doc, immagine);
    image->MarkInUse();
    image->SetCounted(94, 75, "photo.jpg");
    std::vector<std::uint8_t> picture(300000);
    for (std::size_t i = 0; i < picture.size(); ++i)
        picture[i] = static_cast<std::uint8_t>(i * 31 + i / 256);
    image->SetContentBytes(picture);
    doc.Register(std::move(image));
    ASSERT_TRUE(doc.SaveToFile(dir / "pics.uva", 2));

    // After the save the document works from the new file, lazily.
    ObjectContent* content = doc.GetObject(immagine, 0)->Content();
    ASSERT_NE(content, nullptr);
    EXPECT_TRUE(content->IsOnDisk());
    EXPECT_EQ(content->Size(), picture.size());

    // Saving again under the same name copies the picture from the open file
    // that is being replaced.
    header::SetTitle(doc.Header(), "Second");
    ASSERT_TRUE(doc.SaveToFile(dir / "pics.uva", 2));
    EXPECT_EQ(header::Title(doc.Header()), "Second");
    EXPECT_EQ(BlockBytes(doc.GetObject(immagine, 0)->Content()), picture);
    EXPECT_TRUE(std::filesystem::exists(dir / "pics.bak"));
    TUVAset previous;
    ASSERT_TRUE(previous.LoadFromFile(dir / "pics.bak"));
    EXPECT_EQ(header::Title(previous.Header()), "pics.");
}

TEST(RoundTrip, ImageWithoutStreamStoresItsExternalFile)
{
    TempDir dir;
    UvaBuilder::WriteFile(dir / "logo.gif", Bytes("GIF89a-bytes"));
    TUVAset doc;
    auto image = TUVAoggetto::CreateCleared(&doc, immagine);
    image->MarkInUse();
    image->SetExternalFile(dir / "logo.gif");
    doc.Register(std::move(image));
    ASSERT_TRUE(doc.SaveToFile(dir / "ext.uva", 2));
    EXPECT_EQ(BlockBytes(doc.GetObject(immagine, 0)->Content()), Bytes("GIF89a-bytes"));
}

// Table cell data of more than 32767 bytes does not fit a signed 16-bit length;
// it must come back whole.
TEST(RoundTrip, LargeTableContentIsKept)
{
    TempDir dir;
    TUVAset doc;
    auto table = TUVAoggetto::CreateCleared(&doc, tabellaHtml);
    table->MarkInUse();
    table->SetI32(records::TableRecord::kContentPresent, 1);
    std::vector<std::uint8_t> cells(255 * 50 * 4);   // the largest table: 255 rows of 50 columns
    for (std::size_t i = 0; i < cells.size(); ++i)
        cells[i] = static_cast<std::uint8_t>(i);
    table->SetContentBytes(cells);
    doc.Register(std::move(table));
    ASSERT_TRUE(doc.SaveToFile(dir / "t.uva", 2));
    EXPECT_EQ(BlockBytes(doc.GetObject(tabellaHtml, 0)->Content()), cells);
}

} // namespace
} // namespace quor
