// Saving never damages what is on disk: a failed save leaves the target as it
// was and no partial or temporary file behind.
#include "UvaBuilder.h"

#include "base/RecordingMessages.h"
#include "model/OutputFile.h"
#include "model/TUVAset.h"

#include <gtest/gtest.h>

namespace quor {
namespace {

using test::TempDir;
using test::UvaBuilder;
namespace fs = std::filesystem;

std::vector<std::string> FilesIn(const fs::path& dir)
{
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class FaultReset : public ::testing::Test {
protected:
    void TearDown() override { OutputFile::FailAtWriteForTesting(0); }
};

using SafeSave = FaultReset;

TEST_F(SafeSave, FailureAtAnyWriteLeavesTheOldFileIntact)
{
    TempDir dir;
    const std::string target = dir / "guide.uva";
    const std::vector<std::uint8_t> old{'o', 'l', 'd'};

    TUVAset doc;
    auto image = TUVAoggetto::CreateCleared(&doc, 5);
    image->MarkInUse();
    image->SetContentBytes(std::vector<std::uint8_t>(3 << 20, 0x5A));   // more than one buffer
    doc.Register(std::move(image));

    int failures = 0;
    for (int n = 1; n < 50; ++n) {
        UvaBuilder::WriteFile(target, old);
        OutputFile::FailAtWriteForTesting(n);
        const bool saved = doc.SaveToFile(target, 2);
        OutputFile::FailAtWriteForTesting(0);
        if (saved)
            break;
        ++failures;
        EXPECT_EQ(doc.Errors(), std::vector<std::string>{"Error writing file "}) << n;
        EXPECT_EQ(UvaBuilder::ReadFile(target), old) << n;
        EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"guide.uva"}) << n;
    }
    EXPECT_GE(failures, 2);
    // The save that went through kept the old file as the backup.
    EXPECT_EQ(FilesIn(dir.Path()), (std::vector<std::string>{"guide.bak", "guide.uva"}));
    EXPECT_EQ(UvaBuilder::ReadFile(dir / "guide.bak"), old);
    EXPECT_EQ(doc.GetObject(5, 0)->Content()->Size(), 3u << 20);
}

TEST_F(SafeSave, OutputThatCannotBeCreatedAsksAndGivesUpOnNo)
{
    TempDir dir;
    UvaBuilder::WriteFile(dir / "plain", {'x'});
    const std::string target = dir / "plain/sub/guide.uva";   // a folder that is a file

    RecordingMessages messages;
    messages.QueueAnswer(Answer::Yes);   // retry once, then No
    TUVAset doc;
    doc.SetMessages(&messages);
    EXPECT_FALSE(doc.SaveToFile(target, 2));
    EXPECT_EQ(doc.Errors(), std::vector<std::string>{"Error writing file "});
    const std::string question =
        "Share error, or out of disk space.\rPlease close application(s) that make access to file, then choose "
        "\"Yes\" to retry.\r(" + target + ")";
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{question, question}));
    EXPECT_EQ(messages.Messages().front().kind, MessageKind::YesNo);
    EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"plain"});
}

TEST_F(SafeSave, UnreadableEmbeddedFileFailsTheSaveAndKeepsTheTarget)
{
    TempDir dir;
    const std::string target = dir / "guide.uva";
    UvaBuilder::WriteFile(target, {'o', 'l', 'd'});
    TUVAset doc;
    auto file = TUVAoggetto::CreateCleared(&doc, 3);
    file->MarkInUse();
    file->SetExternalFile(dir / "gone.pdf");
    doc.Register(std::move(file));
    EXPECT_FALSE(doc.SaveToFile(target, 2));
    EXPECT_EQ(doc.Errors(), std::vector<std::string>{"Error in file opening: " + dir / "gone.pdf"});
    EXPECT_EQ(UvaBuilder::ReadFile(target), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
    EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"guide.uva"});
}

TEST_F(SafeSave, EmptyNameIsRefused)
{
    RecordingMessages messages;
    TUVAset doc;
    doc.SetMessages(&messages);
    EXPECT_FALSE(doc.SaveToFile("", 2));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Invalid file name!"});
    EXPECT_EQ(messages.Messages().front().kind, MessageKind::Error);
}

// File names that differ only by case are different files here.
TEST_F(SafeSave, NameDifferingByCaseIsAnotherFile)
{
    TempDir dir;
    TUVAset doc;
    ASSERT_TRUE(doc.SaveToFile(dir / "Guide.uva", 2));
    const auto original = UvaBuilder::ReadFile(dir / "Guide.uva");
    header::SetTitle(doc.Header(), "Changed");
    ASSERT_TRUE(doc.SaveToFile(dir / "guide.uva", 2));
    EXPECT_EQ(UvaBuilder::ReadFile(dir / "Guide.uva"), original);
    EXPECT_EQ(FilesIn(dir.Path()), (std::vector<std::string>{"Guide.uva", "guide.uva"}));
    EXPECT_EQ(doc.UVAFileName(), dir / "guide.uva");
}

TEST_F(SafeSave, NoBackupWhenBackupsAreOff)
{
    TempDir dir;
    TUVAset doc;
    doc.MakeBackup = false;
    ASSERT_TRUE(doc.SaveToFile(dir / "g.uva", 2));
    ASSERT_TRUE(doc.SaveToFile(dir / "g.uva", 2));
    EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"g.uva"});
    EXPECT_EQ(doc.Revision(), 4);
}

} // namespace
} // namespace quor
