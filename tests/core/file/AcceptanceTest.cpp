// Which files the reader accepts, and the messages of those it refuses.
#include "UvaBuilder.h"

#include "base/RecordingMessages.h"
#include "model/TUVAset.h"

#include <gtest/gtest.h>

namespace quor {
namespace {

using test::TempDir;
using test::UvaBuilder;

constexpr const char* kUnsupported =
    "Unsupported file.\rPlease ask the maker of the program for a more recent release to open it.";

struct AcceptCase {
    const char* what;
    const char* magic;
    std::int16_t version;
    std::uint8_t lastKind;
    bool loads;
    MessageKind firstKind;
    std::string firstMessage;   // empty: only "Error reading file:" (or nothing on success)
};

class Acceptance : public ::testing::TestWithParam<AcceptCase> {};

TEST_P(Acceptance, LoadsOrRefusesWithTheRightMessage)
{
    const AcceptCase& c = GetParam();
    TempDir dir;
    UvaBuilder b;
    std::memcpy(b.Header().data(), c.magic, 4);
    header::SetVersion(b.Header(), c.version);
    header::SetLastKind(b.Header(), c.lastKind);
    b.Add(0, 292, UvaBuilder::Record(292, 0, 0));
    const std::string file = dir / "f.uva";
    b.WriteTo(file);

    RecordingMessages messages;
    TUVAset doc;
    doc.SetMessages(&messages);
    EXPECT_EQ(doc.LoadFromFile(file), c.loads);
    std::vector<std::string> expected;
    if (!c.firstMessage.empty())
        expected.push_back(c.firstMessage);
    if (!c.loads)
        expected.push_back("Error reading file:" + file);
    EXPECT_EQ(messages.Texts(), expected);
    if (!c.firstMessage.empty()) {
        EXPECT_EQ(messages.Messages().front().kind, c.firstKind);
    }
    if (c.loads) {
        EXPECT_EQ(doc.ObjectCount(0), 1);
        EXPECT_EQ(doc.UVAFileName(), file);
    } else {
        // A refused file leaves a new document that does not carry the file's name,
        // so saving it cannot overwrite the file.
        EXPECT_EQ(doc.ObjectCount(0), 0);
        EXPECT_EQ(doc.ObjectCount(17), 2);
        EXPECT_EQ(doc.UVAFileName(), "");
    }
    EXPECT_FALSE(doc.Modified());
}

INSTANTIATE_TEST_SUITE_P(
    Headers, Acceptance,
    ::testing::Values(
        AcceptCase{"current", "MORV", 2, 25, true, MessageKind::Information, ""},
        AcceptCase{"lower-case magic", "morv", 2, 25, true, MessageKind::Information, ""},
        AcceptCase{"version 0 reads as current", "MORV", 0, 25, true, MessageKind::Information, ""},
        AcceptCase{"negative version reads as current", "MoRv", -4, 26, true, MessageKind::Information, ""},
        AcceptCase{"wrong magic", "MORX", 2, 25, false, MessageKind::Information, "Unrecognized format."},
        AcceptCase{"version 3", "MORV", 3, 25, false, MessageKind::Error, kUnsupported},
        AcceptCase{"last kind 27", "MORV", 2, 27, false, MessageKind::Information, kUnsupported},
        AcceptCase{"version 1 before 0.98", "MORV", 1, 7, false, MessageKind::Information,
                   "Attenzione: file salvato con una versione del programma\ranteriore alla 0.98. Non pi\xF9 "
                   "supportato. UNSUPPORTED\r"}),
    [](const auto& info) {
        std::string n = info.param.what;
        for (auto& ch : n)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return n;
    });

TEST(Acceptance, EmptyFileOpensAsNewDocumentNamedAfterIt)
{
    TempDir dir;
    const std::string file = dir / "My Long Guide.uva";
    UvaBuilder::WriteFile(file, {});
    RecordingMessages messages;
    TUVAset doc;
    doc.SetMessages(&messages);
    ASSERT_TRUE(doc.LoadFromFile(file));
    EXPECT_TRUE(messages.Texts().empty());
    EXPECT_EQ(doc.ExpPrefix(), "my long ");   // first 8 characters, lower-cased; no extension left
    EXPECT_EQ(doc.UVAFileName(), file);
    EXPECT_EQ(doc.ObjectCount(17), 2);
    EXPECT_EQ(header::Title(doc.Header()), "Untitled");
}

TEST(Acceptance, ShortFilesFailWithReadError)
{
    TempDir dir;
    for (std::size_t size : {1u, 4u, 1977u}) {
        const std::string file = dir / ("short" + std::to_string(size) + ".uva");
        std::vector<std::uint8_t> bytes(size, 0);
        std::memcpy(bytes.data(), "MORV", std::min<std::size_t>(4, size));
        UvaBuilder::WriteFile(file, bytes);
        RecordingMessages messages;
        TUVAset doc;
        doc.SetMessages(&messages);
        EXPECT_FALSE(doc.LoadFromFile(file)) << size;
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Error reading file:" + file}) << size;
    }
}

TEST(Acceptance, MissingFileWarnsAndLeavesTheDocumentAlone)
{
    TempDir dir;
    RecordingMessages messages;
    TUVAset doc;
    doc.SetMessages(&messages);
    doc.SetExpPrefix("kept");
    int hooks = 0;
    doc.OnBeforeNew = [&hooks] { ++hooks; };
    doc.OnAfterNew = [&hooks] { ++hooks; };
    EXPECT_FALSE(doc.LoadFromFile(dir / "none.uva"));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{dir / "none.uva" + " doesn't exist"});
    EXPECT_EQ(messages.Messages().front().kind, MessageKind::Warning);
    EXPECT_EQ(doc.ExpPrefix(), "kept");
    EXPECT_EQ(hooks, 0);
}

TEST(Acceptance, EachLoadFiresEachHookOnce)
{
    TempDir dir;
    UvaBuilder().WriteTo(dir / "a.uva");
    UvaBuilder::WriteFile(dir / "bad.uva", {1, 2, 3});
    TUVAset doc;
    for (const std::string& file : {dir / "a.uva", dir / "bad.uva"}) {
        int before = 0, after = 0;
        doc.OnBeforeNew = [&before] { ++before; };
        doc.OnAfterNew = [&after] { ++after; };
        doc.LoadFromFile(file);
        EXPECT_EQ(before, 1) << file;
        EXPECT_EQ(after, 1) << file;
    }
}

} // namespace
} // namespace quor
