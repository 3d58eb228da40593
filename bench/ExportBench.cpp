// ExportBench.cpp: speed of the web export.
//  - Exports a generated hypertext (formatted text and links on every page, a
//    table on every tenth page) into a fresh folder: pages per second, at two
//    sizes so that the growth with the number of pages can be read (the rate
//    must stay about the same).
//  - In the same run, Hugo (when installed) builds the same number of
//    comparable Markdown pages: its pages per second.
// The default run uses 1,000 and 2,000 pages; QUOR_BENCH_FULL=1 adds 5,000 and
// 10,000 pages.
#include "conversion/TUVAtoHtml.h"
#include "model/ObjectKind.h"
#include "model/TUVAset.h"
#include "model/TUVAtesto.h"
#include "model/records/TableRecord.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace quor;

constexpr int kTableRows = 3;
constexpr int kTableColumns = 3;

fs::path FreshFolder(const std::string& name)
{
    std::random_device rd;
    const fs::path p = fs::temp_directory_path() / ("quor-bench-" + name + "-" + std::to_string(rd()));
    fs::remove_all(p);
    fs::create_directories(p);
    return p;
}

std::string Ref(int kind, int index)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "<$%02x%06x>", kind, index);
    return buf;
}

TUVAoggetto* AddObject(TUVAset& doc, int kind, int subKind)
{
    auto obj = TUVAoggetto::CreateCleared(&doc, kind);
    obj->MarkInUse();
    obj->SetSubKind(subKind);
    // Append: the generated document has no free slots to look for.
    return doc.Register(std::move(obj), doc.ObjectCount(kind));
}

// The text of page i: two paragraphs with bold and italic runs, a link to the
// next page and one to an address; every tenth page adds a 3 x 3 table.
std::string PageText(int i, int pages, int tableIndex)
{
    const int next = (i + 1) % pages;
    std::string t = "<Z S0 >Page " + std::to_string(i) + ": <Y y1 >bold words<Y y0 > and <Y y2 >italic words<Y y0 > "
                    "in a paragraph of ordinary length, with a link to " +
                    Ref(testoHtml, next) + "the next page<%> and &amp; an escaped character.";
    t += "<Z S0 A2 >A second paragraph with an " + Ref(internetLink, 0) +
         "address link<%>, <Y c0000FF >coloured text<Y > and some more words to read.";
    if (tableIndex >= 0) {
        t += "<Z S0 >" + Ref(tabellaHtml, tableIndex);
        for (int c = 0; c < kTableRows * kTableColumns; ++c)
            t += "<Z S1 >cell " + std::to_string(c) + "<T>";
        t += "<Z S0 >After the table.";
    }
    return t;
}

std::unique_ptr<TUVAset> MakeHypertext(int pages)
{
    auto doc = std::make_unique<TUVAset>();
    doc->NewDocument();
    doc->SetExpPrefix("bench");
    TUVAoggetto* web = AddObject(*doc, internetLink, 7);
    web->SetCounted(5, 127, "http://example.org/");
    int tables = 0;
    for (int i = 0; i < pages; ++i) {
        int tableIndex = -1;
        if (i % 10 == 0) {
            TUVAoggetto* table = AddObject(*doc, tabellaHtml, 2);
            records::TableRecord rec(table->Record().data());
            rec.SetWidthMode(1);
            table->SetU8(89, 100);
            table->SetU8(92, 1);
            table->SetU8(93, kTableRows);
            table->SetU8(94, kTableColumns);
            table->SetI32(207, -1);
            for (std::size_t c = 0; c < kTableColumns; ++c) {
                rec.SetColumnKind(c, 0);
                rec.SetColumnWidth(c, 33);
            }
            table->FreeContent();
            tableIndex = tables++;
        }
        auto* page = static_cast<TUVAtesto*>(AddObject(*doc, testoHtml, 0));
        page->SetText(PageText(i, pages, tableIndex));
        page->SetTitle("Page " + std::to_string(i));
    }
    return doc;
}

void BM_ExportPages(benchmark::State& state)
{
    const int pages = static_cast<int>(state.range(0));
    const auto doc = MakeHypertext(pages);
    std::vector<int> all(static_cast<std::size_t>(pages));
    for (int i = 0; i < pages; ++i)
        all[static_cast<std::size_t>(i)] = i;
    const fs::path out = FreshFolder("quor");
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(out);
        TUVAtoHtml conv;
        conv.LinkedUVAset = doc.get();
        conv.ExportPath = out.string();
        conv.ExpTipoExt = 0;
        state.ResumeTiming();
        if (!conv.ExportPages(all))
            state.SkipWithError(conv.LastError().c_str());
    }
    fs::remove_all(out);
    state.counters["pages_per_second"] =
        benchmark::Counter(static_cast<double>(pages) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}

// A Hugo site of `pages` Markdown pages comparable to the generated hypertext.
void MakeHugoSite(const fs::path& site, int pages)
{
    fs::create_directories(site / "content");
    fs::create_directories(site / "layouts" / "_default");
    std::ofstream(site / "hugo.toml") << "baseURL = 'http://example.org/'\ntitle = 'bench'\n"
                                         "disableKinds = ['taxonomy', 'term', 'RSS', 'sitemap', '404']\n";
    const char* layout = "<html><head><title>{{ .Title }}</title><link rel=stylesheet href=\"/style.css\"></head>"
                         "<body>{{ .Content }}</body></html>\n";
    std::ofstream(site / "layouts" / "_default" / "single.html") << layout;
    std::ofstream(site / "layouts" / "_default" / "list.html") << layout;
    std::ofstream(site / "layouts" / "index.html") << layout;
    for (int i = 0; i < pages; ++i) {
        std::ofstream md(site / "content" / ("p" + std::to_string(i) + ".md"));
        md << "---\ntitle: \"Page " << i << "\"\n---\n\n"
           << "Page " << i << ": **bold words** and *italic words* in a paragraph of ordinary length, with a link to "
           << "[the next page](/p" << (i + 1) % pages << "/) and &amp; an escaped character.\n\n"
           << "A second paragraph with an [address link](http://example.org/), <span style=\"color:red\">coloured "
              "text</span> and some more words to read.\n";
        if (i % 10 == 0) {
            md << "\n| a | b | c |\n|---|---|---|\n";
            for (int r = 0; r < kTableRows - 1; ++r)
                md << "| cell | cell | cell |\n";
            md << "\nAfter the table.\n";
        }
    }
}

void BM_HugoPages(benchmark::State& state)
{
    if (std::system("command -v hugo >/dev/null 2>&1") != 0) {
        state.SkipWithError("hugo is not installed");
        return;
    }
    const int pages = static_cast<int>(state.range(0));
    const fs::path site = FreshFolder("hugo");
    MakeHugoSite(site, pages);
    const std::string command = "hugo --quiet --source '" + site.string() + "' --destination '" +
                                (site / "public").string() + "' >/dev/null 2>&1";
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(site / "public");
        fs::remove_all(site / "resources");
        state.ResumeTiming();
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("hugo failed");
    }
    fs::remove_all(site);
    state.counters["pages_per_second"] =
        benchmark::Counter(static_cast<double>(pages) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}

// Sizes: modest by default, the full 10,000 pages with QUOR_BENCH_FULL=1.
const bool kRegistered = [] {
    std::vector<int> sizes = {1000, 2000};
    if (const char* full = std::getenv("QUOR_BENCH_FULL"); full && std::string(full) != "0")
        sizes = {1000, 5000, 10000};
    for (int n : sizes) {
        benchmark::RegisterBenchmark("BM_ExportPages", BM_ExportPages)->Arg(n)->Unit(benchmark::kMillisecond)->UseRealTime();
        benchmark::RegisterBenchmark("BM_HugoPages", BM_HugoPages)->Arg(n)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
    }
    return true;
}();

} // namespace
