// IMessages.h: how the core talks to people: the five standard message boxes.
// The GUI shows them as message boxes, the command line prints them, and tests
// record them and script the answers.
#pragma once

#include <string>
#include <string_view>

namespace quor {

enum class MessageKind { Information, Warning, Error, YesNo, YesNoCancel };

enum class Answer { Ok, Yes, No, Cancel };

// Titles of the three plain boxes; questions are titled with the application title.
inline constexpr std::string_view kInformationTitle = "Information";
inline constexpr std::string_view kWarningTitle = "Warning!";
inline constexpr std::string_view kErrorTitle = "Error!";
inline constexpr std::string_view kApplicationTitle = "Quor";

// Texts are Windows-1252, as everything else in the core.
class IMessages {
public:
    virtual ~IMessages() = default;

    // Shows one message; returns Ok for the plain boxes and the answer for questions.
    virtual Answer Show(MessageKind kind, std::string_view text) = 0;

    void Information(std::string_view text) { Show(MessageKind::Information, text); }
    void Warning(std::string_view text) { Show(MessageKind::Warning, text); }
    void Error(std::string_view text) { Show(MessageKind::Error, text); }
    bool AskYesNo(std::string_view text) { return Show(MessageKind::YesNo, text) == Answer::Yes; }
    Answer AskYesNoCancel(std::string_view text) { return Show(MessageKind::YesNoCancel, text); }
};

// Title shown on the box of a kind of message.
std::string_view MessageTitle(MessageKind kind);

// Says nothing and answers No (Cancel would abandon work; No never destroys any).
class SilentMessages : public IMessages {
public:
    Answer Show(MessageKind kind, std::string_view text) override;
};

} // namespace quor
