// LocalizedWindows.h: every window that carries a localisation text, by name, with
// a way to create it; the localisation check creates each one and compares its
// text with its components.
#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace quor {

class LocalizedWindows {
public:
    using Factory = std::function<QWidget*()>;

    // `name` is the window's object name (any case).
    static bool Register(const QString& name, Factory factory);
    static const std::map<QString, Factory>& All();   // by lower-cased name

    // Problems of the window's text against its components; empty when it fits.
    static std::vector<std::string> CheckWindow(QWidget* window, const std::string& cp1252Text);

    // Every text of `lang` against its window, and every registered window
    // without a text; each problem prefixed with the window's name.
    static std::vector<std::string> CheckAll(const QString& lang);
};

} // namespace quor

// Registers a window class (default-constructible) under its object name; put it
// in the window's .cpp.
#define QUOR_REGISTER_LOCALIZED_WINDOW(Class, name) \
    static const bool quorRegistered##Class = ::quor::LocalizedWindows::Register(name, [] { return new Class(); })
