#include "CommandLineMessages.h"

#include "base/Cp1252.h"

#include <cstdio>

namespace quor::app {

namespace {

// A retry question asked again and again (a file that stays locked) is
// answered No after this many Yes answers, so an unattended run always ends.
constexpr int kMaxRepeatedYes = 3;

} // namespace

CommandLineMessages::CommandLineMessages(bool answerYes) : m_answerYes(answerYes)
{
    SetDefaultAnswer(Answer::No);
    SetEcho([](const Entry& e) { std::fprintf(stderr, "%s\n", OneLine(e.text).c_str()); });
}

std::string CommandLineMessages::OneLine(std::string_view text)
{
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            line += ' ';
        } else {
            line += c;
        }
    }
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return Cp1252ToUtf8(line);
}

Answer CommandLineMessages::Show(MessageKind kind, std::string_view text)
{
    const bool question = kind == MessageKind::YesNo || kind == MessageKind::YesNoCancel;
    if (question && m_answerYes) {
        if (text == m_lastQuestion)
            ++m_repeats;
        else
            m_repeats = 0;
        m_lastQuestion = std::string(text);
        QueueAnswer(m_repeats < kMaxRepeatedYes ? Answer::Yes : Answer::No);
    }
    return RecordingMessages::Show(kind, text);
}

} // namespace quor::app
