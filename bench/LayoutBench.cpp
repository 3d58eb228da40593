// LayoutBench.cpp: cost of paragraph layout.
//  - Typing into a 10,000-character paragraph re-lays out that paragraph only:
//    the time per keystroke must not grow with the number of paragraphs on the
//    page (compare the 200 and 2,000 paragraph runs).
//  - Laying out a page of about 1 MB of text, in paragraphs per second.
//  - With Qt available, QTextLayout laying out the same paragraphs, and this
//    layout measuring them with the same Qt fonts, for comparison.
#include "base/IFontMetrics.h"
#include "model/ParagraphStyle.h"
#include "textengine/ParagraphMeasurer.h"
#include "textengine/TUVAboxEditor.h"
#include "textengine/TUVAboxModel.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <span>
#include <string>
#include <vector>

namespace {

using namespace quor;

constexpr int kPageWidth = 800;

// Paragraph texts of random words, `total` bytes in all, about `average` each.
std::vector<std::string> MakeTexts(std::size_t total, std::size_t average, unsigned seed = 7)
{
    std::mt19937 rng(seed);
    std::vector<std::string> texts;
    std::size_t used = 0;
    while (used < total) {
        const std::size_t want = average / 2 + rng() % average;
        std::string t;
        while (t.size() < want) {
            const int len = 2 + static_cast<int>(rng() % 9);
            for (int k = 0; k < len; ++k)
                t.push_back(static_cast<char>('a' + rng() % 26));
            t.push_back(' ');
        }
        used += t.size();
        texts.push_back(std::move(t));
    }
    return texts;
}

std::unique_ptr<TUVAparag> MakeParagraph(const IStyleSource& styles, const std::string& text,
                                         const ParagraphMeasurer& measurer)
{
    auto p = std::make_unique<TUVAparag>();
    p->Style() = TUVAParaStyle(StyleBase{&styles, 0});
    for (char c : text)
        p->AppendChar(c, 0, 0, 0, -1);
    measurer.Remeasure(*p);
    return p;
}

// Typing one character (and taking it back, so the paragraph keeps its size)
// in a 10,000-character paragraph in the middle of a page of N paragraphs.
void BM_TypeIntoLongParagraph(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const FixedMetrics metrics{7, 12, 4};
    const ParagraphMeasurer measurer(metrics);
    StyleTable styles;
    std::vector<std::string> texts = MakeTexts(static_cast<std::size_t>(count) * 80, 80);
    texts.resize(static_cast<std::size_t>(count), "short paragraph");
    texts[static_cast<std::size_t>(count / 2)] = MakeTexts(10000, 20000, 11).front().substr(0, 10000);
    ParagraphList list;
    for (const auto& t : texts)
        list.push_back(MakeParagraph(styles, t, measurer));
    TUVAboxModel box(metrics);
    box.SetTextWidth(kPageWidth);
    box.SetParagraphs(std::move(list));
    TUVAboxEditor editor(box);
    const int para = count / 2;
    const auto layoutsBefore = box.LayoutCount();
    for (auto _ : state) {
        editor.SetCaret(para, 5000);
        editor.TypeChar('x');
        editor.Backspace();
    }
    state.SetItemsProcessed(state.iterations() * 2);
    state.counters["layouts_per_key"] =
        static_cast<double>(box.LayoutCount() - layoutsBefore) / static_cast<double>(state.iterations() * 2);
    state.counters["paragraph_chars"] = box.At(para).Length();
}
BENCHMARK(BM_TypeIntoLongParagraph)->Arg(200)->Arg(2000)->Unit(benchmark::kMicrosecond);

// The character surgery of a keystroke alone (no layout): inserting and
// erasing one character in the middle of a 10,000-character paragraph.
void BM_EditLongParagraphWithoutLayout(benchmark::State& state)
{
    const FixedMetrics metrics{7, 12, 4};
    const ParagraphMeasurer measurer(metrics);
    StyleTable styles;
    auto par = MakeParagraph(styles, MakeTexts(10000, 20000, 11).front().substr(0, 10000), measurer);
    TCharRec rec;
    for (auto _ : state) {
        par->InsertChars(5000, "x", std::span<const TCharRec>(&rec, 1));
        benchmark::DoNotOptimize(par->EraseChars(5000, 5001));
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_EditLongParagraphWithoutLayout)->Unit(benchmark::kMicrosecond);

// Re-laying out a whole page of 1 MB of measured text.
void BM_LayOutPage1MB(benchmark::State& state)
{
    const FixedMetrics metrics{7, 12, 4};
    const ParagraphMeasurer measurer(metrics);
    StyleTable styles;
    ParagraphList list;
    for (const auto& t : MakeTexts(1 << 20, 500))
        list.push_back(MakeParagraph(styles, t, measurer));
    const auto paragraphs = static_cast<std::int64_t>(list.size());
    TUVAboxModel box(metrics);
    box.SetTextWidth(kPageWidth);
    box.SetParagraphs(std::move(list));
    for (auto _ : state) {
        box.LayOutBox();
        benchmark::DoNotOptimize(box.ContentHeight());
    }
    state.SetItemsProcessed(state.iterations() * paragraphs);
    state.SetBytesProcessed(state.iterations() * (1 << 20));
    state.counters["paragraphs"] = static_cast<double>(paragraphs);
}
BENCHMARK(BM_LayOutPage1MB)->Unit(benchmark::kMillisecond);

} // namespace

#if __has_include(<QTextLayout>) && __has_include(<QGuiApplication>)
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QTextLayout>
#include <QTextLine>
#include <QTextOption>

#include <cmath>
#include <map>

namespace {

QGuiApplication& GuiApp()
{
    static int argc = 1;
    static char arg0[] = "LayoutBench";
    static char* argv[] = {arg0, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    return app;
}

QFont QtFont(const FontSpec& spec)
{
    QFont f(QString::fromLatin1(spec.name.c_str()));
    f.setPointSize(spec.size > 0 ? spec.size : 10);
    f.setBold(spec.style & kFontBold);
    f.setItalic(spec.style & kFontItalic);
    return f;
}

// The fonts of the document measured by Qt, as the screen will measure them.
class QtMetrics : public IFontMetrics {
public:
    int TextWidth(const FontSpec& font, std::string_view text) const override
    {
        return static_cast<int>(std::lround(Fm(font).horizontalAdvance(QString::fromLatin1(text.data(), static_cast<int>(text.size())))));
    }
    int Ascent(const FontSpec& font) const override { return static_cast<int>(std::lround(Fm(font).ascent())); }
    int Descent(const FontSpec& font) const override { return static_cast<int>(std::lround(Fm(font).descent())); }

private:
    const QFontMetricsF& Fm(const FontSpec& font) const
    {
        const std::string key = font.name + "/" + std::to_string(font.size) + "/" + std::to_string(font.style);
        auto it = m_cache.find(key);
        if (it == m_cache.end())
            it = m_cache.emplace(key, QFontMetricsF(QtFont(font))).first;
        return it->second;
    }
    mutable std::map<std::string, QFontMetricsF> m_cache;
};

// QTextLayout breaking the same 1 MB of paragraphs into lines of the same width.
void BM_QTextLayoutPage1MB(benchmark::State& state)
{
    GuiApp();
    const auto texts = MakeTexts(1 << 20, 500);
    std::vector<QString> strings;
    for (const auto& t : texts)
        strings.push_back(QString::fromLatin1(t.c_str()));
    const QFont font = QtFont(FontSpec{"Times New Roman", 12, 0});
    for (auto _ : state) {
        qreal y = 0;
        for (const QString& s : strings) {
            QTextLayout layout(s, font);
            layout.setCacheEnabled(false);
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(kPageWidth - 20);
                line.setPosition(QPointF(10, y));
                y += line.height();
            }
            layout.endLayout();
        }
        benchmark::DoNotOptimize(y);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(strings.size()));
    state.SetBytesProcessed(state.iterations() * (1 << 20));
}
BENCHMARK(BM_QTextLayoutPage1MB)->Unit(benchmark::kMillisecond);

// This layout doing the same work from plain text: measuring every character
// with the Qt fonts (pair method) and breaking the lines.
void BM_MeasureAndLayOutPage1MBWithQtFonts(benchmark::State& state)
{
    GuiApp();
    const QtMetrics metrics;
    const ParagraphMeasurer measurer(metrics);
    StyleTable styles;
    const auto texts = MakeTexts(1 << 20, 500);
    ParagraphList list;
    for (const auto& t : texts)
        list.push_back(MakeParagraph(styles, t, measurer));
    TUVAboxModel box(metrics);
    box.SetTextWidth(kPageWidth);
    box.SetParagraphs(std::move(list));
    for (auto _ : state) {
        for (auto& p : box.Paragraphs())
            measurer.Remeasure(*p);
        box.LayOutBox();
        benchmark::DoNotOptimize(box.ContentHeight());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
    state.SetBytesProcessed(state.iterations() * (1 << 20));
}
BENCHMARK(BM_MeasureAndLayOutPage1MBWithQtFonts)->Unit(benchmark::kMillisecond);

} // namespace
#endif
