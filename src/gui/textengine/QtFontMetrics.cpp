// QtFontMetrics.cpp: screen font metrics.
#include "textengine/QtFontMetrics.h"

#include "base/Cp1252.h"
#include "model/Units.h"

#include <climits>
#include <cmath>

namespace quor {

struct QtFontMetrics::Entry {
    explicit Entry(const QFont& f) : font(f), metrics(f) {}
    QFont font;
    QFontMetricsF metrics;
    int ascent = 0;
    int descent = 0;
    std::vector<int> singles = std::vector<int>(256, INT_MIN);
    std::vector<int> pairs; // 65536 extents of two bytes, filled on demand
};

namespace {

QString ToQString(std::string_view bytes)
{
    QString s;
    s.reserve(static_cast<qsizetype>(bytes.size()));
    for (unsigned char c : bytes)
        s.append(QChar(static_cast<char16_t>(Cp1252ToUnicode(c))));
    return s;
}

int RoundExtent(qreal w)
{
    return static_cast<int>(std::lround(w));
}

} // namespace

QtFontMetrics::QtFontMetrics(int ppi) : m_ppi(ppi >= 1 ? ppi : ScreenPixelsPerInch()) {}

QtFontMetrics::~QtFontMetrics() = default;

QString QtFontMetrics::ResolveFamily(const std::string& name)
{
    const QString n = QString::fromStdString(Cp1252ToUtf8(name)).trimmed();
    if (n.compare(QLatin1String("Times New Roman"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Serif");
    if (n.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Sans");
    if (n.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Mono");
    if (n.isEmpty())
        return QStringLiteral("Liberation Serif");
    return n;
}

int QtFontMetrics::PixelSize(int points, int ppi)
{
    if (points <= 0)
        points = 10;
    return std::max(1, static_cast<int>(std::lround(static_cast<double>(points) * ppi / 72.0)));
}

QFont QtFontMetrics::FontFor(const FontSpec& spec) const
{
    QFont f(ResolveFamily(spec.name));
    f.setPixelSize(PixelSize(spec.size, m_ppi));
    f.setBold((spec.style & kFontBold) != 0);
    f.setItalic((spec.style & kFontItalic) != 0);
    f.setUnderline((spec.style & kFontUnderline) != 0);
    f.setStrikeOut((spec.style & kFontStrikeOut) != 0);
    // Whole-pixel advances, as device fonts give them, so that the widths
    // stored per character add up to what a run draws.
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QtFontMetrics::Entry& QtFontMetrics::EntryFor(const FontSpec& spec) const
{
    if (m_last && spec == m_lastSpec)
        return *m_last;
    // Underline and strike-out do not change extents; they share an entry.
    const int measuredStyle = spec.style & (kFontBold | kFontItalic);
    auto key = std::make_tuple(spec.name, spec.size, measuredStyle);
    auto it = m_cache.find(key);
    if (it == m_cache.end()) {
        FontSpec plain = spec;
        plain.style = measuredStyle;
        auto entry = std::make_unique<Entry>(FontFor(plain));
        entry->ascent = static_cast<int>(std::ceil(entry->metrics.ascent() - 0.01));
        entry->descent = static_cast<int>(std::ceil(entry->metrics.descent() - 0.01));
        it = m_cache.emplace(std::move(key), std::move(entry)).first;
    }
    m_last = it->second.get();
    m_lastSpec = spec;
    return *it->second;
}

int QtFontMetrics::TextWidth(const FontSpec& font, std::string_view text) const
{
    if (text.empty())
        return 0;
    Entry& e = EntryFor(font);
    if (text.size() == 1) {
        int& w = e.singles[static_cast<unsigned char>(text[0])];
        if (w == INT_MIN)
            w = RoundExtent(e.metrics.horizontalAdvance(ToQString(text)));
        return w;
    }
    if (text.size() == 2) {
        if (e.pairs.empty())
            e.pairs.assign(65536, INT_MIN);
        const auto key = static_cast<std::size_t>(static_cast<unsigned char>(text[0])) << 8 |
                         static_cast<unsigned char>(text[1]);
        int& w = e.pairs[key];
        if (w == INT_MIN)
            w = RoundExtent(e.metrics.horizontalAdvance(ToQString(text)));
        return w;
    }
    return RoundExtent(e.metrics.horizontalAdvance(ToQString(text)));
}

int QtFontMetrics::Ascent(const FontSpec& font) const
{
    return EntryFor(font).ascent;
}

int QtFontMetrics::Descent(const FontSpec& font) const
{
    return EntryFor(font).descent;
}

} // namespace quor
