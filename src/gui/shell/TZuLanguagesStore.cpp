#include "shell/TZuLanguagesStore.h"

#include "base/Cp1252.h"

#include <QDir>
#include <QFile>

// Resources compiled into a static library register only when referenced.
static void InitQuorResources()
{
    Q_INIT_RESOURCE(quor);
}

namespace quor {

void TZuLanguagesStore::EnsureResources()
{
    static const bool done = [] {
        InitQuorResources();
        return true;
    }();
    (void)done;
}

std::optional<std::string> TZuLanguagesStore::LocalizationText(const QString& windowName, const QString& lang)
{
    EnsureResources();
    QFile f(QStringLiteral(":/lang/%1/%2.txt").arg(lang, windowName.toLower()));
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return Utf8ToCp1252(f.readAll().toStdString());
}

QStringList TZuLanguagesStore::Windows(const QString& lang)
{
    EnsureResources();
    QStringList names;
    const QDir dir(QStringLiteral(":/lang/%1").arg(lang));
    for (const QString& file : dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
        names << file.chopped(4).toLower();
    return names;
}

} // namespace quor
