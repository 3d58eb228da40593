#include "shell/LocalizedWindows.h"

#include "shell/LocalizationCheck.h"
#include "shell/TZuLanguager.h"
#include "shell/TZuLanguagesStore.h"

#include <memory>

namespace quor {

namespace {

std::map<QString, LocalizedWindows::Factory>& Registry()
{
    static std::map<QString, LocalizedWindows::Factory> registry;
    return registry;
}

} // namespace

bool LocalizedWindows::Register(const QString& name, Factory factory)
{
    Registry()[name.toLower()] = std::move(factory);
    return true;
}

const std::map<QString, LocalizedWindows::Factory>& LocalizedWindows::All()
{
    return Registry();
}

std::vector<std::string> LocalizedWindows::CheckWindow(QWidget* window, const std::string& cp1252Text)
{
    // A languager of its own, so the window's list is built fresh.
    auto* languager = new TZuLanguager(window);
    const auto problems = CheckLocalizationText(LocalizationText(cp1252Text), languager->PropertiesList());
    delete languager;
    return problems;
}

std::vector<std::string> LocalizedWindows::CheckAll(const QString& lang)
{
    std::vector<std::string> problems;
    const QStringList texts = TZuLanguagesStore::Windows(lang);
    for (const QString& name : texts) {
        const auto it = Registry().find(name);
        if (it == Registry().end()) {
            problems.push_back(name.toStdString() + ": no window of this name");
            continue;
        }
        std::unique_ptr<QWidget> window(it->second());
        const auto text = TZuLanguagesStore::LocalizationText(name, lang);
        for (const auto& p : CheckWindow(window.get(), text.value_or(std::string())))
            problems.push_back(name.toStdString() + ": " + p);
    }
    for (const auto& [name, factory] : Registry()) {
        if (!texts.contains(name))
            problems.push_back(name.toStdString() + ": no localisation text");
    }
    return problems;
}

} // namespace quor
