// ExportHtmlCommandTest.cpp: quor export-html on a saved hypertext.
#include "ExportHtmlFixture.h"

#include <algorithm>
#include <sstream>

namespace quor::apptest {
namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST_F(ExportHtmlTest, WritesTheSiteAndListsEveryFile)
{
    RichHypertext rich;
    rich.Build(file);
    const fs::path site = dir / "out" / "site";
    const RunResult r = Quor("export-html " + Quote(file) + " " + Quote(site), dir);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = Lines(r.out);
    std::vector<std::string> names;
    for (const auto& line : lines) {
        EXPECT_TRUE(fs::is_regular_file(line)) << line;
        names.push_back(fs::path(line).lexically_relative(site).generic_string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"site-000002.htm", "site-000004.htm", "site-000005.htm",
                                               "site_000001.htm", "site_000002.htm", "site_000003.htm",
                                               "site_000004.htm", "site_000005.htm", "site_000006.htm",
                                               "site_g000000.txt", "site_i000000.gif", "site_i000001.gif",
                                               "site_index.htm", "site_style.css", "start.htm"}));
}

TEST_F(ExportHtmlTest, PagesOptionChoosesPages)
{
    RichHypertext rich;
    rich.Build(file);
    const fs::path site = dir / "site";
    const RunResult r = Quor("export-html " + Quote(file) + " " + Quote(site) + " --pages 1,5-6", dir);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Lines(r.out).size(), 4u) << r.out;
    EXPECT_TRUE(fs::exists(site / "site_000001.htm"));
    EXPECT_FALSE(fs::exists(site / "site_index.htm"));
}

TEST_F(ExportHtmlTest, BadArgumentsAndMissingFiles)
{
    EXPECT_EQ(Quor("export-html", dir).status, 2);
    EXPECT_EQ(Quor("export-html a.uva", dir).status, 2);
    EXPECT_EQ(Quor("export-html a.uva out --pages x", dir).status, 2);
    EXPECT_EQ(Quor("export-html a.uva out --colour red", dir).status, 2);
    const RunResult r = Quor("export-html " + Quote(dir / "missing.uva") + " " + Quote(dir / "out"), dir);
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(r.err.empty());
}

TEST_F(ExportHtmlTest, AFileThatCannotBeWrittenFailsTheCommand)
{
    RichHypertext rich;
    rich.Build(file);
    const fs::path site = dir / "site";
    fs::create_directories(site / "site_i000000.gif");
    const RunResult r = Quor("export-html " + Quote(file) + " " + Quote(site), dir);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("site_i000000.gif"), std::string::npos) << r.err;
    EXPECT_TRUE(fs::exists(site / "site_i000001.gif"));

    // A folder that cannot be made.
    std::ofstream(dir / "plain") << "x";
    const RunResult bad = Quor("export-html " + Quote(file) + " " + Quote(dir / "plain" / "site"), dir);
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("Error creating directory"), std::string::npos) << bad.err;
}

} // namespace
} // namespace quor::apptest
