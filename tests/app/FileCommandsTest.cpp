// The quor program's file commands: new, dump, resave.
#include "base/ByteWriter.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs quor with `args` (already quoted for the shell).
RunResult Quor(const std::string& args, const fs::path& dir)
{
    const fs::path errFile = dir / "stderr.txt";
    const std::string cmd = std::string("'") + QUOR_EXE + "' " + args + " 2>'" + errFile.string() + "'";
    RunResult r;
    FILE* p = ::popen(cmd.c_str(), "r");
    if (!p)
        return r;
    std::array<char, 4096> buf{};
    std::size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0)
        r.out.append(buf.data(), n);
    const int st = ::pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    std::ifstream e(errFile);
    r.err.assign(std::istreambuf_iterator<char>(e), {});
    return r;
}

class FileCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() /
                ("quor-app-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    std::string P(const std::string& name) const { return "'" + (m_dir / name).string() + "'"; }
    fs::path m_dir;
};

TEST_F(FileCommands, NewWritesTheNewDocumentFile)
{
    const RunResult r = Quor("new " + P("guide.uva"), m_dir);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(fs::file_size(m_dir / "guide.uva"), 2500u);
}

TEST_F(FileCommands, DumpPrintsHeaderKindsAndObjectsAsJson)
{
    ASSERT_EQ(Quor("new " + P("guide.uva"), m_dir).status, 0);
    const RunResult r = Quor("dump " + P("guide.uva"), m_dir);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string& j = r.out;
    EXPECT_TRUE(j.starts_with("{\"header\":{\"magic\":\"MORV\",\"title\":\"guide.\",\"info\":\"\",\"pageTree\":0,"));
    for (const char* key :
         {"\"exportPrefix\":\"guide\"", "\"password\":\"\"", "\"company\":\"\"", "\"rights\":\"\"", "\"authors\":",
          "\"lastKind\":25", "\"version\":2", "\"readOnly\":0", "\"contentsPage\":0", "\"coverPage\":0",
          "\"revision\":3", "\"contentsButton\":0", "\"searchButton\":0", "\"helpButton\":0", "\"noCoverButton\":1",
          "\"noButtons\":1", "\"fixedFont\":\"Courier New\"", "\"propFont\":\"Times New Roman\"", "\"pixelsPerInch\":",
          "\"globalHeader\":-1", "\"globalFooter\":-1", "\"customTree\":0", "\"pageColor\":12632256",
          "\"pageImage\":-1", "\"language\":1033", "\"textColor\":0", "\"linkColor\":16711680",
          "\"visitedColor\":255}"})
        EXPECT_NE(j.find(key), std::string::npos) << key;
    EXPECT_NE(j.find("\"kinds\":[{\"kind\":0,\"count\":0,\"recordSize\":292},"), std::string::npos);
    EXPECT_NE(j.find("{\"kind\":17,\"count\":2,\"recordSize\":103}"), std::string::npos);
    EXPECT_NE(j.find("{\"kind\":25,\"count\":0,\"recordSize\":0}],"), std::string::npos);
    EXPECT_NE(j.find("\"objects\":[{\"kind\":17,\"index\":0,\"deleted\":false,\"subKind\":1,\"name\":\"[no style]\","
                     "\"revision\":3,\"contentLength\":0,\"propertiesLength\":0},"),
              std::string::npos)
        << j;
    EXPECT_NE(j.find("\"name\":\"[no style intab]\""), std::string::npos);
    EXPECT_TRUE(j.ends_with("]}\n"));
}

TEST_F(FileCommands, DumpShowsPageTextAsUtf8)
{
    // A one-page file built by hand: text "<Z S0 >caf\xE9" + NUL in Windows-1252.
    quor::ByteWriter w;
    std::array<std::uint8_t, 1978> h{};
    std::memcpy(h.data(), "MORV", 4);
    h[1620] = 25;
    h[1621] = 2;
    w.Bytes(h);
    const std::string text("<Z S0 >caf\xE9\0", 12);
    for (int k = 0; k <= 25; ++k) {
        w.I32(0);
        w.I32(k == 0 ? 292 : 0);
        w.I32(k == 0 ? 1 : 0);
    }
    w.I32(292);
    std::vector<std::uint8_t> page(292, 0);
    page[195] = 2;
    page[185] = static_cast<std::uint8_t>(text.size());
    w.Bytes(page);
    w.Text(text);
    std::ofstream(m_dir / "page.uva", std::ios::binary)
        .write(reinterpret_cast<const char*>(w.Data().data()), static_cast<std::streamsize>(w.Size()));

    const RunResult r = Quor("dump " + P("page.uva"), m_dir);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"text\":\"<Z S0 >caf\xC3\xA9\"}"), std::string::npos) << r.out;
}

TEST_F(FileCommands, ResaveWritesVersionTwoWithTheNextRevision)
{
    ASSERT_EQ(Quor("new " + P("a.uva"), m_dir).status, 0);
    const RunResult r = Quor("resave " + P("a.uva") + " " + P("b.uva"), m_dir);
    ASSERT_EQ(r.status, 0) << r.err;
    const RunResult d = Quor("dump " + P("b.uva"), m_dir);
    EXPECT_NE(d.out.find("\"revision\":4"), std::string::npos);
    EXPECT_NE(d.out.find("\"title\":\"a.\""), std::string::npos);
}

TEST_F(FileCommands, FailedLoadsPrintTheMessagesAndExitWithOne)
{
    std::vector<std::uint8_t> wrongMagic(2000, 0);
    std::memcpy(wrongMagic.data(), "ABCD", 4);
    std::vector<std::uint8_t> newer(2000, 0);
    std::memcpy(newer.data(), "MORV", 4);
    newer[1621] = 3;
    for (const auto& [bytes, first] :
         {std::pair{wrongMagic, std::string("Unrecognized format.\n")},
          std::pair{newer, std::string("Unsupported file. Please ask the maker of the program for a more recent "
                                       "release to open it.\n")},
          std::pair{std::vector<std::uint8_t>(10, 1), std::string()}}) {
        std::ofstream(m_dir / "bad.uva", std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        for (const char* cmd : {"dump ", "resave "}) {
            const std::string args = std::string(cmd) + P("bad.uva") + (cmd[0] == 'r' ? " " + P("out.uva") : "");
            const RunResult r = Quor(args, m_dir);
            EXPECT_EQ(r.status, 1) << cmd;
            EXPECT_EQ(r.out, "") << cmd;
            EXPECT_EQ(r.err, first + "Error reading file:" + (m_dir / "bad.uva").string() + "\n") << cmd;
            EXPECT_FALSE(fs::exists(m_dir / "out.uva"));
        }
    }
    const RunResult missing = Quor("dump " + P("none.uva"), m_dir);
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, (m_dir / "none.uva").string() + " doesn't exist\n");
}

TEST_F(FileCommands, UnwritableTargetAnswersNoUnlessYesIsGiven)
{
    std::ofstream(m_dir / "plain") << "x";
    const std::string target = (m_dir / "plain" / "g.uva").string();
    const std::string question = "Share error, or out of disk space. Please close application(s) that make access to "
                                 "file, then choose \"Yes\" to retry. (" + target + ")\n";
    const RunResult no = Quor("new " + P("plain/g.uva"), m_dir);
    EXPECT_EQ(no.status, 1);
    EXPECT_EQ(no.err, question + "Error writing file\n");
    // With --yes the retry is answered Yes a few times, then No, so the run ends.
    const RunResult yes = Quor("new --yes " + P("plain/g.uva"), m_dir);
    EXPECT_EQ(yes.status, 1);
    EXPECT_EQ(yes.err, question + question + question + question + "Error writing file\n");
}

TEST_F(FileCommands, WrongArgumentsAreUsageErrors)
{
    EXPECT_EQ(Quor("new", m_dir).status, 2);
    EXPECT_EQ(Quor("dump a b", m_dir).status, 2);
    EXPECT_EQ(Quor("resave " + P("a.uva"), m_dir).status, 2);
}

TEST_F(FileCommands, VersionNamesTheProgram)
{
    const RunResult r = Quor("--version", m_dir);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Quor " QUOR_VERSION "\n");
}

} // namespace
