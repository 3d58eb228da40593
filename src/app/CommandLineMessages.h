// CommandLineMessages.h: messages of the headless commands: each message is
// printed to stderr on one line; questions are answered No, or Yes with --yes.
#pragma once

#include "base/RecordingMessages.h"

#include <string>

namespace quor::app {

class CommandLineMessages : public RecordingMessages {
public:
    explicit CommandLineMessages(bool answerYes);

    Answer Show(MessageKind kind, std::string_view text) override;

    // The message as printed: Windows-1252 converted to UTF-8, line breaks
    // inside it joined by a blank, trailing breaks dropped.
    static std::string OneLine(std::string_view text);

private:
    bool m_answerYes;
    std::string m_lastQuestion;
    int m_repeats = 0;
};

} // namespace quor::app
