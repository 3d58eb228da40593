// Addresses into hypertext files.
#include "model/links/AddressKind.h"
#include "model/links/QuorLink.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace quor::links {
namespace {

struct ParseCase {
    const char* address;
    const char* documentFile;
    bool isQuor;
    const char* file;
    bool sameFile;
    std::int32_t page;
};

class ParseQuor : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseQuor, GivesFileAndPage)
{
    const ParseCase& c = GetParam();
    const QuorLink link = ParseQuorLink(c.address, c.documentFile, /*coverPage=*/9);
    EXPECT_EQ(link.isQuorLink, c.isQuor);
    EXPECT_EQ(link.file, c.file);
    EXPECT_EQ(link.sameFile, c.sameFile);
    EXPECT_EQ(link.page, c.page);
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, ParseQuor,
    ::testing::Values(
        ParseCase{"http://x", "/d/cur.uva", false, "", false, 0},
        ParseCase{"quor:///other/guide.uva|4", "/d/cur.uva", true, "/other/guide.uva", false, 4},
        ParseCase{"quor://C:/docs/guide.uva|4", "/d/cur.uva", true, "C:/docs/guide.uva", false, 4},
        ParseCase{"quor:guide.uva|", "/d/cur.uva", true, "/d/guide.uva", false, kCoverPageOfTarget},
        ParseCase{"quor:guide.uva", "/d/cur.uva", true, "", false, 9},
        ParseCase{"quor:|abc", "/d/cur.uva", true, "", false, 0},
        ParseCase{"quor:|abc", "", true, "", true, 0},
        ParseCase{"quor:/d/cur.uva|2", "/d/cur.uva", true, "/d/cur.uva", true, 2},
        ParseCase{"quor:|-3", "", true, "", true, 0},
        ParseCase{"quor:|0000000000017", "", true, "", true, 1},   // 12 characters read
        ParseCase{"quor:|99999999999", "", true, "", true, 0},     // not an integer
        ParseCase{"quor://|12", "", true, "", true, 12}));

// A relative name is the same file when, taken from the document's folder, it
// is the document's file on disk; a name differing by case is another file.
TEST(ParseQuorSameFile, ComparesFilesOnDisk)
{
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("quor-links-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "Guide.uva") << "x";
    std::ofstream(dir / "guide.uva") << "y";
    const std::string doc = (dir / "Guide.uva").string();
    EXPECT_TRUE(ParseQuorLink("quor:Guide.uva|1", doc, 0).sameFile);
    EXPECT_TRUE(ParseQuorLink("quor:./Guide.uva|1", doc, 0).sameFile);
    EXPECT_FALSE(ParseQuorLink("quor:guide.uva|1", doc, 0).sameFile);
    fs::remove_all(dir);
}

TEST(AddressSubKind, FollowsThePrefix)
{
    EXPECT_EQ(AddressSubKind("mailto:me@example.org"), kMailAddress);
    EXPECT_EQ(AddressSubKind("http://example.org"), kHttpAddress);
    EXPECT_EQ(AddressSubKind("quor:a.uva|1"), kQuorAddress);
    EXPECT_EQ(AddressSubKind("ftp://example.org"), kPlainAddress);
    EXPECT_EQ(AddressSubKind(""), kPlainAddress);
}

} // namespace
} // namespace quor::links
