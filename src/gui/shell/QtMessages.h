// QtMessages.h: the five standard message boxes on screen: task-modal, without
// an owner window; information, warning and error carry their titles and icons,
// the two questions the application title.
#pragma once

#include "base/IMessages.h"

namespace quor {

class QtMessages : public IMessages {
public:
    // `text` is Windows-1252; CR and CR LF break lines. Closing a question
    // without choosing answers No (Yes/No) or Cancel (Yes/No/Cancel).
    Answer Show(MessageKind kind, std::string_view text) override;
};

} // namespace quor
