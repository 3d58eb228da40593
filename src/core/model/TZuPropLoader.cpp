#include "model/TZuPropLoader.h"

#include "base/ByteReader.h"
#include "base/ByteWriter.h"
#include "model/AnsiCase.h"

#include <algorithm>
#include <cstdint>

namespace quor {

namespace {

// The line count and the lines of a properties text, the count cut down to
// the lines present and to an even number.
std::vector<std::string> PairedLines(std::span<const std::uint8_t> bytes)
{
    ByteReader in(bytes);
    const auto count = in.I32();
    if (!count || *count <= 0)
        return {};
    std::vector<std::string> lines;
    std::string line;
    bool pending = false;
    for (std::size_t i = in.Offset(); i < bytes.size(); ++i) {
        const char c = static_cast<char>(bytes[i]);
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
            pending = false;
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
            continue;
        }
        line += c;
        pending = true;
    }
    if (pending)
        lines.push_back(std::move(line));
    std::size_t used = std::min(lines.size(), static_cast<std::size_t>(*count));
    used -= used % 2;
    lines.resize(used);
    return lines;
}

} // namespace

std::optional<std::int64_t> TZuPropLoader::DecimalValue(std::string_view value)
{
    std::size_t i = 0;
    bool negative = false;
    if (!value.empty() && (value[0] == '-' || value[0] == '+')) {
        negative = value[0] == '-';
        i = 1;
    }
    if (i == value.size() || value.size() - i > 12)
        return std::nullopt;
    std::int64_t v = 0;
    for (; i < value.size(); ++i) {
        if (value[i] < '0' || value[i] > '9')
            return std::nullopt;
        v = v * 10 + (value[i] - '0');
    }
    return negative ? -v : v;
}

void TZuPropLoader::LoadDefinitions(std::span<const std::uint8_t> definitions)
{
    if (definitions.size() < 4)
        return;
    m_props.clear();
    const std::vector<std::string> lines = PairedLines(definitions);
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
        const auto type = DecimalValue(lines[i + 1]);
        const bool valid = type && *type >= INT32_MIN && *type <= INT32_MAX;
        m_props.push_back(TProp{valid ? static_cast<int>(*type) : 0, lines[i], {}});
    }
}

void TZuPropLoader::LoadValues(std::span<const std::uint8_t> values)
{
    if (values.size() < 4)
        return;
    const std::vector<std::string> lines = PairedLines(values);
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2)
        if (TProp* p = Find(lines[i]))
            p->value = lines[i + 1];
}

std::vector<std::uint8_t> TZuPropLoader::SaveValues() const
{
    std::vector<const TProp*> sorted;
    for (const TProp& p : m_props)
        sorted.push_back(&p);
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const TProp* a, const TProp* b) { return AnsiLower(a->name) < AnsiLower(b->name); });
    ByteWriter w;
    w.I32(static_cast<std::int32_t>(2 * sorted.size()));
    for (const TProp* p : sorted) {
        w.Text(AnsiLower(p->name));
        w.Text("\r\n");
        w.Text(p->value);
        w.Text("\r\n");
    }
    return std::move(w.Data());
}

TZuPropLoader::TProp* TZuPropLoader::Find(std::string_view name)
{
    const std::string wanted = AnsiLower(name);
    for (TProp& p : m_props)
        if (AnsiLower(p.name) == wanted)
            return &p;
    return nullptr;
}

std::span<const std::uint8_t> TZuPropLoader::DefinitionsOf(std::span<const std::uint8_t> prototypeContent)
{
    ByteReader in(prototypeContent);
    const auto len = in.I32();
    if (!len || *len < 0 || static_cast<std::size_t>(*len) > in.Remaining())
        return {};
    return prototypeContent.subspan(4 + static_cast<std::size_t>(*len));
}

std::vector<std::int32_t> TZuPropLoader::ReferenceListOf(std::span<const std::uint8_t> prototypeContent)
{
    ByteReader in(prototypeContent);
    const auto len = in.I32();
    std::vector<std::int32_t> refs;
    if (!len || *len <= 0)
        return refs;
    const std::size_t n = std::min(static_cast<std::size_t>(*len), in.Remaining()) / 4;
    for (std::size_t i = 0; i < n; ++i)
        refs.push_back(*in.I32());
    return refs;
}

} // namespace quor
