// TZuLanguagesStore.h: the localisation texts of every window, compiled into the
// program as Qt resources (":/lang/" + language + "/" + window name + ".txt",
// stored as UTF-8), one language chosen for the build.
#pragma once

#include <QStringList>

#include <optional>
#include <string>

namespace quor {

class TZuLanguagesStore {
public:
    // The language of the build's texts.
    static QString DefaultLang() { return QStringLiteral("eng"); }

    // The Windows-1252 localisation text of a window (by its object name, any
    // case); nullopt when the build carries none.
    static std::optional<std::string> LocalizationText(const QString& windowName,
                                                       const QString& lang = DefaultLang());

    // Lower-cased names of the windows that have a text in `lang`.
    static QStringList Windows(const QString& lang = DefaultLang());

    // Makes sure the program's resources are registered (they live in a static library).
    static void EnsureResources();
};

} // namespace quor
