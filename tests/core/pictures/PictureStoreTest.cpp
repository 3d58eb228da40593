// The picture store of a document: adding pictures and files under unique names,
// placements, lazy loading from the open file, and the picture cache.
#include "pictures/PictureFixtures.h"

#include "base/RecordingMessages.h"
#include "model/TUVAoggetto.h"
#include "model/TUVAset.h"
#include "model/pictures/BmpCodec.h"
#include "model/pictures/GifCodec.h"
#include "model/pictures/JpegCodec.h"
#include "model/pictures/PictureStore.h"
#include "model/records/ImageRecord.h"
#include "model/records/PlacementRecord.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace quor {
namespace {

using records::ImageRecord;
using records::PlacementRecord;
using test::Pattern;
using ::testing::ElementsAre;
using ::testing::MatchesRegex;

constexpr std::uint32_t kRed = 0xFF0000FF, kBlue = 0x0000FFFF, kWhite = 0xFFFFFFFF;

std::vector<std::uint8_t> Gif(std::uint32_t colour, int w = 3, int h = 2, bool transparentCorner = false)
{
    TUVApicture pic(PictureFormat::None, w, h, colour);
    if (transparentCorner)
        pic.SetPixel(0, 0, 0);
    std::vector<std::uint8_t> out;
    std::string error;
    EXPECT_TRUE(EncodeGif(pic, out, error)) << error;
    return out;
}

class PictureStoreTest : public ::testing::Test {
protected:
    PictureStoreTest() { doc.SetMessages(&messages); }

    RecordingMessages messages;
    TUVAset doc;
    PictureStore store{doc};
    test::ScratchDir dir;
};

TEST_F(PictureStoreTest, AddPictureStoresTheFileAsARegisteredImage)
{
    const auto bytes = Gif(kRed, 3, 2, true);
    TUVAoggetto* image = store.AddPicture(dir.Write("folder/Logo.GIF", bytes));
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(image->Registered());
    EXPECT_EQ(image->Kind(), immagine);
    EXPECT_EQ(image->GetFileName(), "Logo.GIF");
    EXPECT_EQ(image->GetName(), "Logo");
    EXPECT_EQ(image->SubKind(), ImageRecord::kGif);
    EXPECT_EQ(image->I32(ImageRecord::kTransparency), -1);
    EXPECT_EQ(image->I16(ImageRecord::kWidth), 3);
    EXPECT_EQ(image->I16(ImageRecord::kHeight), 2);
    ASSERT_NE(image->Content(), nullptr);
    EXPECT_EQ(*image->Content()->Bytes(), bytes);
}

TEST_F(PictureStoreTest, SamePictureTwiceIsStoredOnce)
{
    const auto bytes = Gif(kRed);
    TUVAoggetto* first = store.AddPicture(dir.Write("a/pic.gif", bytes));
    // Displaying it moves its content into an unpacked file; it must still be found.
    ASSERT_NE(store.GetPicture(*first), nullptr);
    TUVAoggetto* second = store.AddPicture(dir.Write("b/copy.gif", bytes));
    EXPECT_EQ(first, second);
    EXPECT_EQ(doc.ObjectCount(immagine), 1);
}

TEST_F(PictureStoreTest, SecondFileOfTheSameNameGetsAGeneratedName)
{
    TUVAoggetto* first = store.AddPicture(dir.Write("a/a.gif", Gif(kRed)));
    TUVAoggetto* second = store.AddPicture(dir.Write("b/A.gif", Gif(kBlue)));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(first->GetFileName(), "a.gif");
    EXPECT_THAT(second->GetFileName(), MatchesRegex("ed[0-9A-F]{6}\\.gif"));
    // Attached files share the name space with pictures.
    TUVAoggetto* file = store.AddExternalFile(dir.Write("c/a.gif", {1, 2, 3}));
    ASSERT_NE(file, nullptr);
    EXPECT_THAT(file->GetFileName(), MatchesRegex("ed[0-9A-F]{6}\\.gif"));
}

TEST_F(PictureStoreTest, NameTooLongForTheFieldGetsTheShortForm)
{
    const std::string longName = std::string(80, 'n') + ".jpg";
    EXPECT_THAT(store.UniqueEmbeddedName("/x/" + longName, 75), MatchesRegex("ed[0-9A-F]{6}\\.jpg"));
    EXPECT_EQ(store.UniqueEmbeddedName("/x/short.jpg", 75), "short.jpg");
}

TEST_F(PictureStoreTest, BitmapIsConvertedToGif)
{
    TUVApicture pic = Pattern(4, 3, {kRed, kBlue, kWhite});
    std::vector<std::uint8_t> bmp;
    std::string error;
    ASSERT_TRUE(EncodeBmp(pic, bmp, error));
    TUVAoggetto* image = store.AddPicture(dir.Write("pic.bmp", bmp));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetFileName(), "pic.gif");
    EXPECT_EQ(image->SubKind(), ImageRecord::kGif);
    // The converted file was only a step on the way.
    EXPECT_FALSE(std::filesystem::exists(doc.WorkingFolderPath() + "/pic.gif"));
    const auto* content = image->Content()->Bytes();
    ASSERT_NE(content, nullptr);
    ASSERT_GE(content->size(), 4u);
    EXPECT_EQ(std::string(content->begin(), content->begin() + 4), "GIF8");
    PicturePtr shown = store.GetPicture(*image);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->Pixel(1, 0), kBlue);
}

struct RefusedCase {
    const char* what;
    const char* name;
    std::vector<std::uint8_t> bytes;
};

class AddPictureRefuses : public PictureStoreTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(AddPictureRefuses, GivesNothingAndAddsNothing)
{
    const RefusedCase& c = GetParam();
    const std::string path = c.bytes.empty() ? dir.File(c.name) : dir.Write(c.name, c.bytes);
    EXPECT_EQ(store.AddPicture(path), nullptr);
    EXPECT_EQ(doc.ObjectCount(immagine), 0);
    EXPECT_TRUE(messages.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Files, AddPictureRefuses,
                         ::testing::Values(RefusedCase{"missing", "none.gif", {}},
                                           RefusedCase{"other_extension", "pic.png", {1, 2, 3}},
                                           RefusedCase{"not_a_picture", "fake.gif", {'G', 'I', 'F', '8', '9', 'a'}},
                                           RefusedCase{"bad_bitmap", "bad.bmp", {'B', 'M', 0, 0}}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(PictureStoreTest, PlacementWithoutImageIsHundredByHundred)
{
    auto placement = store.AddImmagineNew(static_cast<TUVAoggetto*>(nullptr));
    ASSERT_NE(placement, nullptr);
    PlacementRecord rec(placement->Record().data());
    EXPECT_EQ(rec.Image(), -1);
    EXPECT_EQ(rec.Width(), 100);
    EXPECT_EQ(rec.Height(), 100);
    EXPECT_EQ(rec.NaturalWidth(), 100);
    EXPECT_EQ(rec.NaturalHeight(), 100);
    EXPECT_EQ(rec.Alignment(), 4);
    EXPECT_FALSE(rec.Border());
    EXPECT_FALSE(placement->Registered());
    EXPECT_FALSE(placement->IsDeleted());
}

TEST_F(PictureStoreTest, PlacementTakesTheImagesSizeNameAndZones)
{
    TUVAoggetto* image = store.AddPicture(dir.Write("picture-with-a-rather-long-name-indeed.gif", Gif(kRed, 7, 5)));
    ASSERT_NE(image, nullptr);
    image->SetI32(ImageRecord::kZones, 0x01000002);   // first zone targets link 2
    auto placement = store.AddImmagineNew(image);
    ASSERT_NE(placement, nullptr);
    PlacementRecord rec(placement->Record().data());
    EXPECT_EQ(rec.Image(), image->Index());
    EXPECT_EQ(rec.Width(), 7);
    EXPECT_EQ(rec.Height(), 5);
    EXPECT_EQ(rec.Name(), image->GetName().substr(0, 32));
    EXPECT_EQ(rec.ZoneTarget(0), 0x01000002);

    doc.AutoAlt = false;
    EXPECT_EQ(PlacementRecord(store.AddImmagineNew(image)->Record().data()).Name(), "");
}

TEST_F(PictureStoreTest, PlacementRegistersANewImage)
{
    NewImage image = store.AddPictureObject(dir.Write("n.gif", Gif(kBlue)), false, 2, 3);
    ASSERT_TRUE(image.created);
    auto placement = store.AddImmagineNew(image);
    ASSERT_NE(placement, nullptr);
    EXPECT_TRUE(image.image->Registered());
    EXPECT_EQ(PlacementRecord(placement->Record().data()).Image(), image.image->Index());
}

TEST_F(PictureStoreTest, PlacementOfAnotherDocumentsImageIsRefused)
{
    TUVAset other;
    PictureStore otherStore(other);
    TUVAoggetto* foreign = otherStore.AddPicture(dir.Write("f.gif", Gif(kRed)));
    ASSERT_NE(foreign, nullptr);
    EXPECT_EQ(store.AddImmagineNew(foreign), nullptr);
    EXPECT_THAT(messages.Texts(), ElementsAre("Different UVAset in AddImmagineNew!"));

    // Copying it over is the way in; an identical image is not copied twice.
    NewImage copy = store.CopyImage(*foreign);
    ASSERT_TRUE(copy.created);
    EXPECT_EQ(copy.image->Owner(), &doc);
    TUVAoggetto* registered = doc.Register(std::move(copy.created));
    EXPECT_EQ(store.CopyImage(*foreign).image, registered);
}

// --- cache ---

TEST_F(PictureStoreTest, CacheKeepsTheNewestAdditionsInOrder)
{
    doc.MaxCacheImg = 2;
    std::vector<TUVAoggetto*> images;
    for (std::uint32_t colour : {kRed, kBlue, kWhite})
        images.push_back(store.AddPicture(dir.Write(std::to_string(colour) + ".gif", Gif(colour))));
    for (TUVAoggetto* image : images)
        ASSERT_NE(store.GetPicture(*image), nullptr);
    EXPECT_THAT(store.Cache().Images(), ElementsAre(images[1], images[2]));
    // A look-up does not refresh: the next addition still drops images[1].
    EXPECT_NE(store.CachedPicture(*images[1]), nullptr);
    ASSERT_NE(store.GetPicture(*images[0]), nullptr);
    EXPECT_THAT(store.Cache().Images(), ElementsAre(images[2], images[0]));
    // A placement finds its image's picture.
    auto placement = store.AddImmagineNew(images[2]);
    EXPECT_EQ(store.CachedPicture(*placement), store.CachedPicture(*images[2]));
    store.UncachePicture(*placement);
    EXPECT_THAT(store.Cache().Images(), ElementsAre(images[0]));
    store.FlushPictureCache();
    EXPECT_EQ(store.Cache().Count(), 0);
}

TEST_F(PictureStoreTest, PictureOnScreenOutlivesEviction)
{
    doc.MaxCacheImg = 1;
    TUVAoggetto* a = store.AddPicture(dir.Write("a.gif", Gif(kRed)));
    TUVAoggetto* b = store.AddPicture(dir.Write("b.gif", Gif(kBlue)));
    PicturePtr shown = store.GetPicture(*a);
    std::weak_ptr<TUVApicture> watch = shown;
    ASSERT_NE(store.GetPicture(*b), nullptr);   // evicts a's picture from the cache
    EXPECT_EQ(store.CachedPicture(*a), nullptr);
    ASSERT_FALSE(watch.expired());
    EXPECT_EQ(shown->Pixel(0, 0), kRed);
    shown.reset();
    EXPECT_TRUE(watch.expired());
    // Shown again: loaded again from the unpacked file.
    PicturePtr again = store.GetPicture(*a);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->Pixel(0, 0), kRed);
}

TEST_F(PictureStoreTest, CachingANonImageIsRefused)
{
    TUVAoggetto* file = store.AddExternalFile(dir.Write("x.txt", {'x'}));
    store.CachePicture(*file, std::make_shared<TUVApicture>());
    EXPECT_EQ(store.Cache().Count(), 0);
    EXPECT_THAT(messages.Texts(), ElementsAre("What happens? Image cache bug?"));
}

TEST_F(PictureStoreTest, ReplacedContentIsNotServedFromTheCache)
{
    TUVAoggetto* image = store.AddPicture(dir.Write("r.gif", Gif(kRed)));
    ASSERT_EQ(store.GetPicture(*image)->Pixel(0, 0), kRed);
    NewImage blue = store.AddPictureObject(dir.Write("other/b.gif", Gif(kBlue)), false, 2, 3);
    ASSERT_TRUE(blue.created);
    ASSERT_TRUE(store.ReplaceContent(*image, *blue.image));
    EXPECT_EQ(store.GetPicture(*image)->Pixel(0, 0), kBlue);

    EXPECT_FALSE(store.ReplaceContent(*store.AddExternalFile(dir.Write("t.txt", {'t'})), *image));
    EXPECT_THAT(messages.Texts(), ElementsAre("ReplaceContent called improperly..."));
}

// --- lazy content ---

class CountingSource : public IContentSource {
public:
    explicit CountingSource(std::vector<std::uint8_t> bytes) : m_bytes(std::move(bytes)) {}
    std::string Name() const override { return "open.uva"; }
    bool Read(std::uint64_t offset, std::size_t length, std::vector<std::uint8_t>& out) override
    {
        ++reads;
        if (offset > m_bytes.size() || length > m_bytes.size() - offset)
            return false;
        out.assign(m_bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                   m_bytes.begin() + static_cast<std::ptrdiff_t>(offset + length));
        return true;
    }
    int reads = 0;

private:
    std::vector<std::uint8_t> m_bytes;
};

TEST_F(PictureStoreTest, PictureBytesAreReadFromTheOpenFileOnlyWhenShown)
{
    const auto gif = Gif(kBlue, 5, 4);
    std::vector<std::uint8_t> file(100, 0xEE);
    file.insert(file.end(), gif.begin(), gif.end());
    auto source = std::make_shared<CountingSource>(file);

    auto image = TUVAoggetto::CreateCleared(&doc, immagine);
    image->MarkInUse();
    image->SetFileName("lazy.gif");
    image->SetContent(ObjectContent::OnDisk(source, 100, gif.size()));
    TUVAoggetto* registered = doc.Register(std::move(image));
    ASSERT_NE(registered, nullptr);
    EXPECT_EQ(source->reads, 0);

    doc.MaxCacheImg = 1;
    PicturePtr pic = store.GetPicture(*registered);
    ASSERT_NE(pic, nullptr);
    EXPECT_EQ(pic->Pixel(4, 3), kBlue);
    EXPECT_EQ(source->reads, 1);
    EXPECT_EQ(registered->I16(ImageRecord::kWidth), 5);
    // Still a block of the open file (the next save copies it from there).
    ASSERT_NE(registered->Content(), nullptr);
    EXPECT_TRUE(registered->Content()->IsOnDisk());

    // Evicted and shown again: the unpacked file serves, the open file is not read again.
    store.FlushPictureCache();
    ASSERT_NE(store.GetPicture(*registered), nullptr);
    EXPECT_EQ(source->reads, 1);
}

TEST_F(PictureStoreTest, DamagedImageContentGivesNoPicture)
{
    auto image = TUVAoggetto::CreateCleared(&doc, immagine);
    image->MarkInUse();
    image->SetFileName("broken.gif");
    image->SetContentBytes({'G', 'I', 'F', '8', '9', 'a', 0x10, 0, 0x10, 0, 0x80});
    TUVAoggetto* registered = doc.Register(std::move(image));
    EXPECT_EQ(store.GetPicture(*registered), nullptr);
    EXPECT_EQ(store.Cache().Count(), 0);
}

// --- attached files ---

TEST_F(PictureStoreTest, AttachedFileIsCopiedIntoTheWorkingFolder)
{
    const std::string source = dir.Write("docs/Report.PDF", {'%', 'P', 'D', 'F'});
    TUVAoggetto* file = store.AddExternalFile(source);
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(file->Registered());
    EXPECT_EQ(file->Kind(), genLink);
    EXPECT_EQ(file->SubKind(), 4);
    EXPECT_EQ(file->GetFileName(), "Report.PDF");
    EXPECT_NE(file->ExternalFile(), source);
    EXPECT_EQ(file->ExternalFile().rfind(doc.WorkingFolderPath(), 0), 0u);
    EXPECT_EQ(test::ReadAll(file->ExternalFile()), test::ReadAll(source));

    // Replacing the stored file: the old copy goes, the object stays in its slot.
    const std::string oldCopy = file->ExternalFile();
    const int index = file->Index();
    TUVAoggetto* again = store.AddExternalFile(dir.Write("v2/new.txt", {'2'}), file);
    ASSERT_EQ(again, file);
    EXPECT_EQ(file->Index(), index);
    EXPECT_EQ(file->GetFileName(), "new.txt");
    EXPECT_FALSE(std::filesystem::exists(oldCopy));
}

TEST_F(PictureStoreTest, MissingFileLeavesTheAttachedFileAsItWas)
{
    TUVAoggetto* file = store.AddExternalFile(dir.Write("keep.txt", {'k'}));
    ASSERT_NE(file, nullptr);
    const std::string copy = file->ExternalFile();
    EXPECT_EQ(store.AddExternalFile(dir.File("gone.txt"), file), nullptr);
    EXPECT_FALSE(file->IsDeleted());
    EXPECT_EQ(file->GetFileName(), "keep.txt");
    EXPECT_EQ(file->ExternalFile(), copy);
    EXPECT_TRUE(std::filesystem::exists(copy));
}

// --- picture operations ---

TEST_F(PictureStoreTest, TransparencySwitchIsStoredInTheImage)
{
    TUVApicture pic = Pattern(3, 3, {kWhite});
    pic.SetPixel(0, 2, kRed);
    std::vector<std::uint8_t> gif;
    std::string error;
    ASSERT_TRUE(EncodeGif(pic, gif, error));
    TUVAoggetto* image = store.AddPicture(dir.Write("t.gif", gif));
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(PictureStore::IsOpaque(*store.GetPicture(*image)));

    ASSERT_TRUE(store.SetImageTransparent(*image, true));
    EXPECT_EQ(image->I32(ImageRecord::kTransparency), -1);
    PicturePtr shown = store.GetPicture(*image);
    EXPECT_FALSE(PictureStore::IsOpaque(*shown));
    EXPECT_EQ(shown->Pixel(0, 2), 0u);
    // The next save stores the rewritten file.
    std::vector<std::uint8_t> stored;
    image->WriteContent(stored, false);
    TUVApicture reread;
    ASSERT_TRUE(DecodeGif(stored, reread, error));
    EXPECT_TRUE(reread.Transparent());
}

TEST_F(PictureStoreTest, ExportAsBitmapDrawsOnWhite)
{
    TUVAoggetto* image = store.AddPicture(dir.Write("e.gif", Gif(kRed, 3, 2, true)));
    ASSERT_NE(image, nullptr);
    ASSERT_NE(store.GetPicture(*image), nullptr);
    ASSERT_TRUE(store.ExportAsBitmap(*image, dir.File("e-export.gif")));
    EXPECT_EQ(store.CachedPicture(*image), nullptr);
    TUVApicture bmp;
    ASSERT_TRUE(bmp.LoadFromFile(dir.File("e-export.bmp")));
    EXPECT_EQ(bmp.Format(), PictureFormat::Bmp);
    EXPECT_EQ(bmp.Pixel(0, 0), kWhite);
    EXPECT_EQ(bmp.Pixel(1, 0), kRed);
}

} // namespace
} // namespace quor
