// RecordingMessages.h: a message sink that keeps every message and answers
// questions from a script; used by tests and by the command line.
#pragma once

#include "base/IMessages.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace quor {

class RecordingMessages : public IMessages {
public:
    struct Entry {
        MessageKind kind;
        std::string text;
    };

    Answer Show(MessageKind kind, std::string_view text) override;

    // Answers given to the next questions, in order; when the script runs out
    // every question gets `m_defaultAnswer`.
    void QueueAnswer(Answer a) { m_answers.push_back(a); }
    void SetDefaultAnswer(Answer a) { m_defaultAnswer = a; }

    // Called for each message as it arrives (the command line prints them).
    void SetEcho(std::function<void(const Entry&)> echo) { m_echo = std::move(echo); }

    const std::vector<Entry>& Messages() const { return m_messages; }
    std::vector<std::string> Texts() const;
    void Clear() { m_messages.clear(); }

private:
    std::vector<Entry> m_messages;
    std::deque<Answer> m_answers;
    Answer m_defaultAnswer = Answer::No;
    std::function<void(const Entry&)> m_echo;
};

} // namespace quor
