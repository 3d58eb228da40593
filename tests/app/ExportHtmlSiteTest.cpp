// ExportHtmlSiteTest.cpp: an exported site checked from the outside: every
// href and src of every page resolves to a file of the export, and tidy finds
// no errors in the pages. Runs on a hypertext built here and, when present, on
// the sample hypertext.
#include "ExportHtmlFixture.h"

#include <regex>
#include <set>
#include <sstream>

namespace quor::apptest {
namespace {

std::string ReadText(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string PercentDecoded(const std::string& s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size() && std::isxdigit(static_cast<unsigned char>(s[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(s[i + 2]))) {
            out += static_cast<char>(std::stoi(s.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += s[i];
        }
    }
    return out;
}

std::string EntityDecoded(std::string s)
{
    const std::pair<const char*, const char*> entities[] = {{"&amp;", "&"}, {"&quot;", "\""}, {"&lt;", "<"}, {"&gt;", ">"}};
    for (const auto& [from, to] : entities) {
        for (std::size_t pos = 0; (pos = s.find(from, pos)) != std::string::npos; pos += std::strlen(to))
            s.replace(pos, std::strlen(from), to);
    }
    return s;
}

// Every local file a page refers to: attributes, script calls that open
// windows or swap pictures, preload sources and refresh targets.
std::vector<std::string> LocalReferences(const std::string& html)
{
    std::vector<std::string> refs;
    auto add = [&refs](std::string url) {
        url = EntityDecoded(url);
        if (url.starts_with("javascript:") || url.starts_with("http:") || url.starts_with("https:") ||
            url.starts_with("mailto:") || url.starts_with("ftp:"))
            return;
        if (url.starts_with("#"))
            return; // a place in the page itself
        refs.push_back(url.substr(0, url.find('#')));
    };
    static const std::regex attribute(R"re(\b(?:HREF|SRC|BACKGROUND|LOWSRC)="([^"]*)")re", std::regex::icase);
    static const std::regex scripts(R"re(QuorF_(?:open|openB)\('([^']*)'|QuorF_over\('[^']*','([^']*)'|\.src="([^"]*)"|;URL=([^">]*)")re");
    for (std::sregex_iterator it(html.begin(), html.end(), attribute), end; it != end; ++it) {
        add((*it)[1]);
    }
    for (std::sregex_iterator it(html.begin(), html.end(), scripts), end; it != end; ++it) {
        for (int g = 1; g <= 4; ++g) {
            if ((*it)[g].matched)
                add((*it)[g]);
        }
    }
    return refs;
}

void CheckSite(const fs::path& site)
{
    int pages = 0;
    std::size_t references = 0;
    std::set<std::string> unresolved;
    for (const auto& entry : fs::recursive_directory_iterator(site)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".htm" && ext != ".html")
            continue;
        ++pages;
        const std::vector<std::string> refs = LocalReferences(ReadText(entry.path()));
        references += refs.size();
        for (const std::string& ref : refs) {
            const fs::path target = entry.path().parent_path() / PercentDecoded(ref);
            if (ref.empty() || !fs::is_regular_file(target))
                unresolved.insert(entry.path().filename().string() + " -> \"" + ref + "\"");
        }
    }
    EXPECT_GT(pages, 0);
    // Each page refers at least to its style sheet.
    EXPECT_GE(references, static_cast<std::size_t>(pages));
    EXPECT_TRUE(unresolved.empty()) << [&] {
        std::string s;
        for (const auto& u : unresolved)
            s += u + "\n";
        return s;
    }();
}

void CheckTidy(const fs::path& site, const fs::path& scratch)
{
    for (const auto& entry : fs::directory_iterator(site)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".htm" && ext != ".html")
            continue;
        const RunResult r = RunShell("tidy -e -q " + Quote(entry.path()), scratch);
        // tidy exits with 2 when it finds errors (1 for warnings only).
        EXPECT_LT(r.status, 2) << entry.path().filename() << "\n" << r.err;
        EXPECT_EQ(r.err.find("Error:"), std::string::npos) << entry.path().filename() << "\n" << r.err;
    }
}

TEST_F(ExportHtmlTest, EveryReferenceOfTheExportedSiteResolves)
{
    RichHypertext rich;
    rich.Build(file);
    const fs::path site = dir / "site";
    const RunResult r = Quor("export-html " + Quote(file) + " " + Quote(site), dir);
    ASSERT_EQ(r.status, 0) << r.err;
    CheckSite(site);
}

TEST_F(ExportHtmlTest, TidyFindsNoErrorsInThePages)
{
    if (!HaveProgram("tidy"))
        GTEST_SKIP() << "tidy is not installed";
    RichHypertext rich;
    rich.Build(file);
    const fs::path site = dir / "site";
    ASSERT_EQ(Quor("export-html " + Quote(file) + " " + Quote(site), dir).status, 0);
    CheckTidy(site, dir);
}

// Headless Chromium loads every page (all at once, each in a frame of a
// harness page) and reports no script error on its console.
void CheckBrowser(const fs::path& site, const fs::path& scratch)
{
    std::string harness = "<html><body>\n";
    int pages = 0;
    for (const auto& entry : fs::directory_iterator(site)) {
        const std::string ext = entry.path().extension().string();
        if (ext == ".htm" || ext == ".html") {
            harness += "<iframe src=\"" + entry.path().filename().string() + "\"></iframe>\n";
            ++pages;
        }
    }
    harness += "</body></html>\n";
    const fs::path page = site / "zz-harness.html";
    std::ofstream(page) << harness;
    // No network here: keep the browser from reaching out, and give it a profile of its own.
    const fs::path profile = scratch / "chromium-profile";
    const RunResult r = RunShell("timeout 120 chromium --headless=new --no-sandbox --disable-gpu "
                                 "--no-first-run --disable-background-networking --disable-component-update "
                                 "--disable-sync --disable-quic --user-data-dir='" + profile.string() + "' "
                                 "--enable-logging=stderr --v=0 --virtual-time-budget=5000 --dump-dom 'file://" +
                                     page.string() + "' >/dev/null",
                                 scratch);
    fs::remove_all(profile);
    fs::remove(page);
    ASSERT_GT(pages, 0);
    std::string console;
    std::istringstream lines(r.err);
    for (std::string line; std::getline(lines, line);) {
        if (line.find(":CONSOLE") != std::string::npos)
            console += line + "\n";
    }
    EXPECT_TRUE(console.empty()) << console;
}

TEST_F(ExportHtmlTest, HeadlessChromiumLoadsThePagesWithoutErrors)
{
    if (!HaveProgram("chromium"))
        GTEST_SKIP() << "chromium is not installed";
    RichHypertext rich;
    rich.Build(file);
    const fs::path site = dir / "site";
    ASSERT_EQ(Quor("export-html " + Quote(file) + " " + Quote(site), dir).status, 0);
    CheckBrowser(site, dir);
}

TEST_F(ExportHtmlTest, TheSampleHypertextExportsToAConsistentSite)
{
    const fs::path sample = fs::path(QUOR_SOURCE_DIR) / "samples" / "sample.uva";
    if (!fs::exists(sample))
        GTEST_SKIP() << "no sample hypertext";
    const fs::path site = dir / "sample";
    const RunResult r = Quor("export-html " + Quote(sample) + " " + Quote(site), dir);
    ASSERT_EQ(r.status, 0) << r.err;
    CheckSite(site);
    if (HaveProgram("tidy"))
        CheckTidy(site, dir);
    if (HaveProgram("chromium"))
        CheckBrowser(site, dir);
}

} // namespace
} // namespace quor::apptest
