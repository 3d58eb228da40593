// JsonWriter.h: builds compact, stable JSON text for the command line's output.
// Strings given to it are UTF-8; control characters are escaped.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quor::app {

class JsonWriter {
public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // The name of the next member inside an object.
    void Key(std::string_view name);
    void String(std::string_view utf8);
    void Int(std::int64_t v);
    void Bool(bool v);

    const std::string& Text() const { return m_out; }

private:
    void BeforeValue();
    void Escaped(std::string_view s);

    std::string m_out;
    std::vector<bool> m_first;   // per open container: no member written yet
    bool m_afterKey = false;
};

} // namespace quor::app
