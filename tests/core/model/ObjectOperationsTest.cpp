// Object operations that reach beyond the record: unique file names, exported
// HTML names, replacing an image, links into other hypertexts, version-1 page
// text, the table content length, and loading by assigning the file name.
#include "base/ByteWriter.h"
#include "base/RecordingMessages.h"
#include "model/PageRefRewriter.h"
#include "model/PageWorkingCopy.h"
#include "model/TUVAset.h"
#include "model/TUVAtesto.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace quor {
namespace {

namespace fs = std::filesystem;
using ::testing::MatchesRegex;

TUVAoggetto* AddLive(TUVAset& doc, int kind, int subKind = -1)
{
    auto o = TUVAoggetto::CreateCleared(&doc, kind);
    o->MarkInUse();
    if (subKind >= 0)
        o->SetSubKind(subKind);
    return doc.Register(std::move(o));
}

// A folder of the system temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir()
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_path = fs::temp_directory_path() /
                 ("quor-model-" + std::string(info->name()) + "-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        fs::create_directories(m_path);
    }
    ~TempDir()
    {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    fs::path m_path;
};

// --- file names ---

TEST(FileNames, EmbeddedFilesGetNamesNoOtherEmbeddedFileUses)
{
    TUVAset doc;
    TUVAoggetto* picture = AddLive(doc, immagine);
    picture->SetFileName("/home/me/Photo.JPG");
    EXPECT_EQ(picture->GetFileName(), "Photo.JPG");

    // Taken by an image, compared in lower case: an attached file gets the short form.
    TUVAoggetto* attached = AddLive(doc, genLink);
    attached->SetFileName("C:\\docs\\photo.jpg");
    EXPECT_THAT(attached->GetFileName(), MatchesRegex("ed[0-9A-F]{6}\\.jpg"));

    // An object keeps its own name when it is set again.
    picture->SetFileName("photo.JPG");
    EXPECT_EQ(picture->GetFileName(), "photo.JPG");

    // A name longer than the field would be cut: it gets the short form instead.
    TUVAoggetto* longName = AddLive(doc, immagine);
    longName->SetFileName(std::string(80, 'n') + ".gif");
    EXPECT_THAT(longName->GetFileName(), MatchesRegex("ed[0-9A-F]{6}\\.gif"));

    // A program keeps its path: it is not an embedded file.
    TUVAoggetto* program = AddLive(doc, programma);
    program->SetFileName("/usr/bin/photo.jpg");
    EXPECT_EQ(program->GetFileName(), "/usr/bin/photo.jpg");
}

// --- exported names ---

struct HtmlNameCase {
    int kind;
    std::string name;        // record name
    std::string attributes;  // attribute text of the properties block
    std::string expected;
};

class HtmlNames : public ::testing::TestWithParam<HtmlNameCase> {};

TEST_P(HtmlNames, ComeFromNameOrAttributeOrPosition)
{
    TUVAset doc;
    const HtmlNameCase& c = GetParam();
    auto o = TUVAoggetto::CreateCleared(&doc, c.kind);
    o->MarkInUse();
    o->SetName(c.name);
    ByteWriter w;
    w.I32(0);
    w.Text(c.attributes);
    o->SetPropertiesBytes(std::move(w.Data()));
    o->SetIndex(9);
    o->SetPrintIndex(4);
    EXPECT_EQ(o->HtmlName(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Kinds, HtmlNames, ::testing::Values(
    HtmlNameCase{inputStat, "EMail", "", "email"},
    HtmlNameCase{inputStat, "", "", "element4"},
    HtmlNameCase{dbloc, "", "", "element4"},
    HtmlNameCase{inputDin, "Live", "", "live"},
    HtmlNameCase{bottoneCGI, "", "", "element4"},
    HtmlNameCase{immagineNew, "alt text", "border=0 NAME=\"logo\"", "logo"},
    HtmlNameCase{immagineNew, "alt text", "", ""},
    HtmlNameCase{inizioForm, "", "name='order'", "order"},
    HtmlNameCase{inizioForm, "", "", "formstart4"},
    HtmlNameCase{keyword, "word", "", ""}));

TEST(HtmlNamesWithoutPrintList, UseTheIndex)
{
    TUVAset doc;
    TUVAoggetto* field = AddLive(doc, inputStat, 1);
    AddLive(doc, inputStat, 1);
    EXPECT_EQ(field->HtmlName(), "element0");
}

// --- replacing an image ---

class ReplaceImage : public ::testing::Test {
protected:
    ReplaceImage()
    {
        doc.SetMessages(&messages);
        header::SetRevision(doc.Header(), 7);
        image = AddLive(doc, immagine);
        image->SetName("old");
        image->SetContentBytes({'G', 'I', 'F', '1'});
        image->SetExternalFile("/tmp/unpacked-old.gif");
        image->SetRevision(3);
        doc.OnObjectUndoStep = [this](const std::string& caption, TUVAoggetto& obj) {
            steps.push_back(caption);
            stepObjects.push_back(&obj);
            nameAtStep = obj.GetName();
        };
        doc.SetModified(false);
    }

    TUVAset doc;
    RecordingMessages messages;
    TUVAoggetto* image = nullptr;
    std::vector<std::string> steps;
    std::vector<TUVAoggetto*> stepObjects;
    std::string nameAtStep;
};

TEST_F(ReplaceImage, TakesTheOtherRecordAndContentAfterTheUndoStep)
{
    TUVAset other;
    auto fresh = TUVAoggetto::CreateCleared(&other, immagine);
    fresh->MarkInUse();
    fresh->SetName("new");
    fresh->SetI16(85, 64);
    fresh->SetContentBytes({'J', 'P', 'G'});

    ASSERT_TRUE(image->ReplaceContent(*fresh));
    EXPECT_EQ(steps, (std::vector<std::string>{"Modify image old"}));
    EXPECT_EQ(stepObjects, (std::vector<TUVAoggetto*>{image}));
    EXPECT_EQ(nameAtStep, "old");
    EXPECT_EQ(image->GetName(), "new");
    EXPECT_EQ(image->I16(85), 64);
    EXPECT_EQ(*image->Content()->Bytes(), (std::vector<std::uint8_t>{'J', 'P', 'G'}));
    EXPECT_EQ(image->GetRevision(), 7);
    EXPECT_EQ(image->Owner(), &doc);
    EXPECT_EQ(image->Index(), 0);
    EXPECT_TRUE(image->Registered());
    // The old unpacked file no longer stands for the content.
    EXPECT_EQ(image->ExternalFile(), "");
    EXPECT_TRUE(doc.Modified());
}

TEST_F(ReplaceImage, AnUnregisteredImageRecordsNoUndoStep)
{
    auto loose = TUVAoggetto::CreateCleared(&doc, immagine);
    loose->MarkInUse();
    ASSERT_TRUE(loose->ReplaceContent(*image));
    EXPECT_TRUE(steps.empty());
    EXPECT_EQ(loose->GetName(), "old");
    EXPECT_FALSE(doc.Modified());
}

TEST_F(ReplaceImage, IsRefusedForOtherKinds)
{
    TUVAoggetto* file = AddLive(doc, genLink);
    file->SetContentBytes({'x'});
    EXPECT_FALSE(file->ReplaceContent(*image));
    EXPECT_FALSE(image->ReplaceContent(*file));
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>(2, "ReplaceContent called improperly...")));
    EXPECT_EQ(image->GetName(), "old");
    EXPECT_EQ(file->Kind(), genLink);
    EXPECT_TRUE(steps.empty());
}

// --- links into other hypertexts ---

class HypertextLinks : public ::testing::Test {
protected:
    HypertextLinks()
    {
        TUVAset other;
        for (const char* title : {"Cover", "Second page"}) {
            auto page = TUVAoggetto::CreateCleared(&other, testoHtml);
            page->MarkInUse();
            static_cast<TUVAtesto*>(page.get())->SetTitle(title);
            other.Register(std::move(page));
        }
        header::SetCoverPage(other.Header(), 1);
        otherFile = dir.File("other.uva");
        EXPECT_TRUE(other.SaveToFile(otherFile));
    }
    std::string Describe(const std::string& address)
    {
        TUVAoggetto* link = AddLive(doc, internetLink);
        link->SetName(address);
        return link->GetDescription();
    }

    TempDir dir;
    std::string otherFile;
    TUVAset doc;
};

TEST_F(HypertextLinks, ShowTheFileAndThePageTitle)
{
    const std::string shown = otherFile + " Pag.:Second page";
    EXPECT_EQ(Describe("quor://" + otherFile + "|1"), shown + "|Link to hypertext: " + shown);
    // Without a page number the link leads to the other hypertext's cover page.
    EXPECT_EQ(Describe("quor:" + otherFile + "|"), shown + "|Link to hypertext: " + shown);
    // A page that cannot be read is shown by its number.
    const std::string missing = otherFile + " Pag.:5";
    EXPECT_EQ(Describe("quor://" + otherFile + "|5"), missing + "|Link to hypertext: " + missing);
    const std::string noFile = dir.File("gone.uva") + " Pag.:0";
    EXPECT_EQ(Describe("quor://" + dir.File("gone.uva") + "|0"), noFile + "|Link to hypertext: " + noFile);
}

TEST_F(HypertextLinks, OtherAddressesKeepTheirDescriptions)
{
    EXPECT_EQ(Describe("http://example.org/"), "http://example.org/|Link to: http://example.org/");
    EXPECT_EQ(Describe("mailto:me@example.org"), "me@example.org|Link to e-mail: me@example.org");
    // A link into this same hypertext, or one without a file, is no link into another.
    EXPECT_EQ(Describe("quor:|3"), "quor:|3|Link to: quor:|3");
}

// --- version-1 page text ---

class VersionOnePage : public ::testing::Test {
protected:
    VersionOnePage()
    {
        AddLive(doc, immagine);
        image = AddLive(doc, immagine);
        page = static_cast<TUVAtesto*>(AddLive(doc, testoHtml));
        page->SetText("old <B>bold</B> " + RefTag(image->GetRef()));
        page->SetU8(page::kTextFormat, 1);
    }

    TUVAset doc;
    TUVAoggetto* image = nullptr;
    TUVAtesto* page = nullptr;
};

TEST_F(VersionOnePage, IsConvertedWhenCopied)
{
    TUVAtesto copy(&doc);
    copy.Assign(*page);
    EXPECT_EQ(page->TextFormat(), 2);
    EXPECT_EQ(copy.TextFormat(), 2);
    EXPECT_EQ(copy.Text(), page->Text());
    EXPECT_TRUE(copy.Text().starts_with("<Z "));
    EXPECT_EQ(copy.Text().find("<B>"), std::string::npos);
}

TEST_F(VersionOnePage, IsConvertedWhenOpenedForEditing)
{
    PageWorkingCopy copy(doc);
    ASSERT_TRUE(copy.Open(page->Index()));
    EXPECT_EQ(page->TextFormat(), 2);
    // The old image tag became a placement, localised like any embedded object.
    ASSERT_EQ(copy.Copy()->LocalObjects.size(), 1u);
    EXPECT_EQ(copy.Copy()->LocalObjects[0]->Kind(), immagineNew);
    EXPECT_EQ(copy.Copy()->LocalObjects[0]->I32(0), image->Index());
}

// --- table content length ---

struct TableLengthCase {
    std::int32_t present;       // i32 at 81
    std::uint16_t lengthField;  // 16 bits at 85
    std::int64_t length;
};

class TableContentLength : public ::testing::TestWithParam<TableLengthCase> {};

// The 16-bit field reads unsigned, so tables of 8192 cells and more keep their
// cell backgrounds; 0xFFFF means no block.
TEST_P(TableContentLength, IsAnUnsigned16BitField)
{
    TUVAset doc;
    doc.SetDataAreaStart(100);
    TUVAoggetto table(&doc, tabellaHtml);
    table.Clear();
    table.MarkInUse();
    table.SetI32(0, 20);
    table.SetI32(81, GetParam().present);
    table.SetI16(85, static_cast<std::int16_t>(GetParam().lengthField));
    const auto expected = GetParam().length > 0 ? std::pair<std::int64_t, std::int64_t>{GetParam().length, 120}
                                                : std::pair<std::int64_t, std::int64_t>{0, GetParam().length == 0 ? 120 : 0};
    EXPECT_EQ(table.ContentLocation(), expected);
}

INSTANTIATE_TEST_SUITE_P(Fields, TableContentLength, ::testing::Values(
    TableLengthCase{1, 16, 16},
    TableLengthCase{1, 0x8000, 0x8000},
    TableLengthCase{1, 0xFFFC, 0xFFFC},
    TableLengthCase{1, 0xFFFF, -1},
    TableLengthCase{0, 16, 0}));

// --- loading by assigning the file name ---

TEST(FileNameProperty, AssigningLoadsTheFileAfterOneBeforeNew)
{
    TempDir dir;
    const std::string file = dir.File("doc.uva");
    {
        TUVAset saved;
        header::SetTitle(saved.Header(), "Saved");
        ASSERT_TRUE(saved.SaveToFile(file));
    }
    TUVAset doc;
    RecordingMessages messages;
    doc.SetMessages(&messages);
    int before = 0, after = 0;
    doc.OnBeforeNew = [&] { ++before; };
    doc.OnAfterNew = [&] { ++after; };
    EXPECT_TRUE(doc.SetUVAFileName(file));
    EXPECT_EQ(before, 1);
    EXPECT_EQ(after, 1);
    EXPECT_EQ(doc.UVAFileName(), file);
    EXPECT_EQ(header::Title(doc.Header()), "Saved");

    // A missing file leaves the document as it is.
    const std::string missing = dir.File("missing.uva");
    EXPECT_FALSE(doc.SetUVAFileName(missing));
    EXPECT_EQ(before, 1);
    EXPECT_EQ(doc.UVAFileName(), file);
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{missing + " doesn't exist"}));
}

} // namespace
} // namespace quor
