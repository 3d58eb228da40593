// MarkupLexer.cpp: the lexical pieces of text markup.
#include "textengine/MarkupLexer.h"

#include <algorithm>
#include <climits>

namespace quor {

MarkupLexer::MarkupLexer(std::string_view markup, IMessages* messages)
    : m_text(markup.substr(0, std::min(markup.find('\0'), markup.size()))), m_messages(messages)
{
}

MarkupLexer::MarkupLexer(std::string_view data, std::size_t end, IMessages* messages)
    : m_text(data.substr(0, std::min(end, data.size()))), m_messages(messages)
{
}

std::size_t MarkupLexer::Find(char c, std::size_t from) const
{
    return from < m_text.size() ? m_text.find(c, from) : std::string_view::npos;
}

std::size_t MarkupLexer::AfterClose(std::size_t from) const
{
    const std::size_t gt = Find('>', from);
    return gt == std::string_view::npos ? End() : gt + 1;
}

std::size_t MarkupLexer::SkipBlock(std::size_t lt) const
{
    if (At(lt) != '<' || !IsSkippedBlockLetter(At(lt + 1)))
        return lt;
    const char close[3] = {'<', static_cast<char>(At(lt + 1) - 'A' + 'a'), '>'};
    const std::size_t k = m_text.find(std::string_view(close, 3), lt + 2);
    return k == std::string_view::npos ? End() : k + 3;
}

std::size_t MarkupLexer::HeaderAttributes(std::size_t lt) const
{
    return lt < End() ? std::min(lt + 3, End()) : End();
}

std::size_t MarkupLexer::RunAttributes(std::size_t lt) const
{
    const std::size_t p = lt < End() ? std::min(lt + 2, End()) : End();
    return At(p) == ' ' ? p + 1 : p;
}

std::uint32_t MarkupLexer::RefValue(std::size_t lt) const
{
    std::uint32_t value = 0;
    for (std::size_t k = 0; k < 8; ++k)
        value = (value << 4) | static_cast<std::uint32_t>(std::max(0, HexDigit(At(lt + 2 + k))));
    return value;
}

bool MarkupLexer::IsRefTag(std::size_t lt, std::uint32_t* value) const
{
    if (At(lt) != '<' || At(lt + 1) != '$' || At(lt + kRefTagLength - 1) != '>')
        return false;
    for (std::size_t k = 0; k < 8; ++k) {
        if (HexDigit(At(lt + 2 + k)) < 0)
            return false;
    }
    if (value)
        *value = RefValue(lt);
    return true;
}

std::optional<std::string_view> MarkupLexer::Value(std::size_t& pos, char letter) const
{
    if (At(pos) != letter)
        return std::nullopt;
    for (std::size_t k = 1; k <= kValueLookahead; ++k) {
        const std::size_t i = pos + k;
        if (i >= End()) {
            if (m_messages)
                m_messages->Error(kTruncatedLine);
            return std::nullopt;
        }
        if (m_text[i] == ' ') {
            const std::string_view v = m_text.substr(pos + 1, i - pos - 1);
            pos = i + 1;
            return v;
        }
    }
    return std::nullopt; // longer than any value the writer produces: absent
}

std::optional<std::int32_t> MarkupLexer::Decimal(std::size_t& pos, char letter) const
{
    const auto v = Value(pos, letter);
    if (!v)
        return std::nullopt;
    return Decimal(*v);
}

std::optional<std::int32_t> MarkupLexer::Colour(std::size_t& pos, char letter) const
{
    const auto v = Value(pos, letter);
    if (!v)
        return std::nullopt;
    return Colour(*v);
}

std::optional<std::string> MarkupLexer::FontName(std::size_t& pos) const
{
    if (At(pos) != 'F' || At(pos + 1) != '"')
        return std::nullopt;
    const std::size_t close = Find('"', pos + 2);
    if (close == std::string_view::npos) {
        if (m_messages)
            m_messages->Information(kTruncatedLine);
        return std::nullopt;
    }
    std::string name(m_text.substr(pos + 2, close - pos - 2));
    pos = close + 1;
    if (At(pos) == ' ')
        ++pos;
    return name;
}

int MarkupLexer::HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::int32_t MarkupLexer::Decimal(std::string_view v)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < v.size() && v[i] == '-') {
        negative = true;
        ++i;
    }
    long long value = 0;
    for (; i < v.size() && v[i] >= '0' && v[i] <= '9'; ++i) {
        value = value * 10 + (v[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    return static_cast<std::int32_t>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

std::int32_t MarkupLexer::Colour(std::string_view v)
{
    int d[6] = {0, 0, 0, 0, 0, 0};
    for (std::size_t i = 0; i < 6 && i < v.size(); ++i)
        d[i] = std::max(0, HexDigit(v[i]));
    const int r = d[0] * 16 + d[1];
    const int g = d[2] * 16 + d[3];
    const int b = d[4] * 16 + d[5];
    return static_cast<std::int32_t>(r | (g << 8) | (b << 16));
}

} // namespace quor
