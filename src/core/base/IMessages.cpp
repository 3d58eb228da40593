#include "base/IMessages.h"

namespace quor {

std::string_view MessageTitle(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Information:
        return kInformationTitle;
    case MessageKind::Warning:
        return kWarningTitle;
    case MessageKind::Error:
        return kErrorTitle;
    case MessageKind::YesNo:
    case MessageKind::YesNoCancel:
        return kApplicationTitle;
    }
    return kApplicationTitle;
}

Answer SilentMessages::Show(MessageKind kind, std::string_view)
{
    if (kind == MessageKind::YesNo || kind == MessageKind::YesNoCancel)
        return Answer::No;
    return Answer::Ok;
}

} // namespace quor
