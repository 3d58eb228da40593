#include "JsonWriter.h"

#include <cstdio>

namespace quor::app {

void JsonWriter::BeforeValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_first.empty()) {
        if (!m_first.back())
            m_out += ',';
        m_first.back() = false;
    }
}

void JsonWriter::BeginObject()
{
    BeforeValue();
    m_out += '{';
    m_first.push_back(true);
}

void JsonWriter::EndObject()
{
    m_out += '}';
    m_first.pop_back();
}

void JsonWriter::BeginArray()
{
    BeforeValue();
    m_out += '[';
    m_first.push_back(true);
}

void JsonWriter::EndArray()
{
    m_out += ']';
    m_first.pop_back();
}

void JsonWriter::Key(std::string_view name)
{
    BeforeValue();
    Escaped(name);
    m_out += ':';
    m_afterKey = true;
}

void JsonWriter::String(std::string_view s)
{
    BeforeValue();
    Escaped(s);
}

void JsonWriter::Escaped(std::string_view s)
{
    m_out += '"';
    for (const char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"': m_out += "\\\""; break;
        case '\\': m_out += "\\\\"; break;
        case '\n': m_out += "\\n"; break;
        case '\r': m_out += "\\r"; break;
        case '\t': m_out += "\\t"; break;
        default:
            if (c < 0x20 || c == 0x7F) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                m_out += buf;
            } else {
                m_out += ch;
            }
        }
    }
    m_out += '"';
}

void JsonWriter::Int(std::int64_t v)
{
    BeforeValue();
    m_out += std::to_string(v);
}

void JsonWriter::Bool(bool v)
{
    BeforeValue();
    m_out += v ? "true" : "false";
}

} // namespace quor::app
