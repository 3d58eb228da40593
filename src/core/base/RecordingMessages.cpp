#include "base/RecordingMessages.h"

namespace quor {

Answer RecordingMessages::Show(MessageKind kind, std::string_view text)
{
    m_messages.push_back(Entry{kind, std::string(text)});
    if (m_echo)
        m_echo(m_messages.back());
    if (kind != MessageKind::YesNo && kind != MessageKind::YesNoCancel)
        return Answer::Ok;
    Answer a = m_defaultAnswer;
    if (!m_answers.empty()) {
        a = m_answers.front();
        m_answers.pop_front();
    }
    if (kind == MessageKind::YesNo && a == Answer::Cancel)
        a = Answer::No;
    return a;
}

std::vector<std::string> RecordingMessages::Texts() const
{
    std::vector<std::string> out;
    out.reserve(m_messages.size());
    for (const auto& m : m_messages)
        out.push_back(m.text);
    return out;
}

} // namespace quor
