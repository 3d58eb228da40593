// Damaged files: the reader trusts no count, offset or length. Each case says
// what is wrong with its file; none may crash, hang or allocate beyond the file.
#include "UvaBuilder.h"

#include "base/RecordingMessages.h"
#include "model/MemorySource.h"
#include "model/TUVAset.h"
#include "model/TUVAtesto.h"
#include "model/UvaFileReader.h"

#include <functional>
#include <gtest/gtest.h>

namespace quor {
namespace {

using test::TempDir;
using test::UvaBuilder;

constexpr std::size_t kTable = kHeaderSize;                 // kind table start
constexpr std::size_t kRecordAreaLength = kHeaderSize + 12 * 26;
constexpr std::size_t kRecords = kRecordAreaLength + 4;    // 2294

// One page whose text is "<Z S0 >hello" + NUL and whose properties are 8 bytes.
std::vector<std::uint8_t> ValidFile()
{
    UvaBuilder b;
    auto page = UvaBuilder::Record(292, 0, 0);
    page[195] = 2;
    const std::string text("<Z S0 >hello\0", 13);
    UvaBuilder::PutI32(page, 0, b.Data(text));
    UvaBuilder::PutI32(page, 185, static_cast<std::int32_t>(text.size()));
    UvaBuilder::PutI32(page, 239, b.Data(std::string(8, '\0')));
    UvaBuilder::PutI32(page, 243, 8);
    b.Add(0, 292, page);
    return b.Bytes();
}

void Put(std::vector<std::uint8_t>& f, std::size_t at, std::int32_t v)
{
    UvaBuilder::PutI32(f, at, v);
}

struct DamageCase {
    const char* what;
    std::function<void(std::vector<std::uint8_t>&)> damage;
    bool loads;            // damaged blocks are left out; damaged structure fails the load
    bool pageHasText;
};

class DamagedFile : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedFile, FailsCleanlyOrLeavesTheBlockOut)
{
    const DamageCase& c = GetParam();
    auto bytes = ValidFile();
    c.damage(bytes);
    TempDir dir;
    const std::string file = dir / "damaged.uva";
    UvaBuilder::WriteFile(file, bytes);

    RecordingMessages messages;
    TUVAset doc;
    doc.SetMessages(&messages);
    ASSERT_EQ(doc.LoadFromFile(file), c.loads);
    if (!c.loads) {
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Error reading file:" + file});
        EXPECT_EQ(doc.ObjectCount(0), 0);
        return;
    }
    EXPECT_TRUE(messages.Texts().empty());
    ASSERT_EQ(doc.ObjectCount(0), 1);
    EXPECT_EQ(doc.GetPage(0)->HasContent(), c.pageHasText);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedFile,
    ::testing::Values(
        DamageCase{"intact", [](auto&) {}, true, true},
        DamageCase{"record area claims 2 GiB in a 2.6 KiB file",
                   [](auto& f) { Put(f, kRecordAreaLength, 0x7FFFFFFF); }, false, false},
        DamageCase{"negative record-area length", [](auto& f) { Put(f, kRecordAreaLength, -292); }, false, false},
        DamageCase{"page count 16 million: records past the record area",
                   [](auto& f) { Put(f, kTable + 8, 0x00FFFFFF); }, false, false},
        DamageCase{"negative page count", [](auto& f) { Put(f, kTable + 8, -1); }, false, false},
        DamageCase{"page records start beyond the record area", [](auto& f) { Put(f, kTable, 100000); }, false,
                   false},
        DamageCase{"negative record offset", [](auto& f) { Put(f, kTable, -4); }, false, false},
        DamageCase{"five keyword records of size 0", [](auto& f) { Put(f, kTable + 12 * 4 + 8, 5); }, false,
                   false},
        DamageCase{"page records of 2 bytes", [](auto& f) { Put(f, kTable + 4, 2); }, false, false},
        DamageCase{"records claimed for a reserved kind are ignored", [](auto& f) {
                       Put(f, kTable + 12 * 14 + 8, 0x7FFFFFFF);
                   }, true, true},
        DamageCase{"record size larger than the record area", [](auto& f) { Put(f, kTable + 4, 293); }, false,
                   false},
        DamageCase{"file cut inside the kind table", [](auto& f) { f.resize(kHeaderSize + 20); }, false, false},
        DamageCase{"file cut inside the record area", [](auto& f) { f.resize(kRecords + 100); }, false, false},
        DamageCase{"text position beyond the end of the file", [](auto& f) { Put(f, kRecords + 0, 5000); }, true,
                   false},
        DamageCase{"text length of 2 GiB", [](auto& f) { Put(f, kRecords + 185, 0x7FFFFFF0); }, true, false},
        DamageCase{"text length runs one byte past the end", [](auto& f) { Put(f, kRecords + 185, 22); }, true,
                   false},
        DamageCase{"negative text position", [](auto& f) { Put(f, kRecords + 0, -1); }, true, false},
        DamageCase{"file cut inside the data area", [](auto& f) { f.resize(f.size() - 12); }, true, false}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

// A reader over a buffer that counts what it is asked to read.
class CountingSource : public MemorySource {
public:
    using MemorySource::MemorySource;
    bool ReadInto(std::uint64_t offset, std::span<std::uint8_t> out) override
    {
        bytesRead += out.size();
        return MemorySource::ReadInto(offset, out);
    }
    std::uint64_t bytesRead = 0;
};

TEST(LazyContent, LoadingLeavesPicturesAndFilesInTheFile)
{
    UvaBuilder b;
    auto image = UvaBuilder::Record(667, 0, 0);
    UvaBuilder::PutI32(image, 0, b.Data(std::string(1 << 20, 'P')));
    UvaBuilder::PutI32(image, 174, 1 << 20);
    UvaBuilder::PutI32(image, 662, -1);
    b.Add(5, 667, image);
    auto source = std::make_shared<CountingSource>(b.Bytes(), "lazy.uva");

    TUVAset doc;
    UvaFileReader reader(source);
    ASSERT_EQ(reader.ReadLayout(), UvaReadStatus::Ok);
    doc.ClearDocument();
    ASSERT_EQ(reader.ReadObjects(doc, "lazy.uva"), UvaReadStatus::Ok);
    EXPECT_LT(source->bytesRead, 4096u);

    ObjectContent* content = doc.GetObject(5, 0)->Content();
    ASSERT_NE(content, nullptr);
    EXPECT_EQ(content->Size(), 1u << 20);
    ASSERT_NE(content->Bytes(), nullptr);
    EXPECT_EQ(content->Bytes()->at(12345), 'P');
    EXPECT_GE(source->bytesRead, 1u << 20);
}

} // namespace
} // namespace quor
