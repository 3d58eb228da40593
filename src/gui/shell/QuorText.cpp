#include "shell/QuorText.h"

#include "base/Cp1252.h"

namespace quor {

QString ScreenText(std::string_view cp1252)
{
    QString s = QString::fromStdString(Cp1252ToUtf8(cp1252));
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

std::string Cp1252Text(const QString& text)
{
    return Utf8ToCp1252(text.toStdString());
}

} // namespace quor
