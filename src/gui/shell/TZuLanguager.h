// TZuLanguager.h: applies a localisation text to a window: every named component
// of the window (the window first) is looked up by its object name and its
// localisable properties are set through Qt's property system.
//
// Property names of the texts and what they set:
//   caption  window title (windows, dock widgets, toolbars), button and label text,
//            group box and menu title, action text
//   text     line edit text, editable combo text, or a "text" Qt property
//   hint     tool tip and status tip
//   items    combo box and list widget items, or a QStringList "items" property
//   lines    lines of a plain or rich text edit
//   tabs     tab texts of a tab widget or tab bar
//   columns  header sections of a tree or table widget (fields caption, width, alignment)
//   strings, filter, title, imageindexes: Qt properties of those names
// Any component may also declare Qt properties (static or dynamic) named after a
// localisable property; a QStringList property is read as a string list.
#pragma once

#include "shell/LocalizationCheck.h"
#include "shell/LocalizationText.h"

#include <QObject>
#include <QPointer>

#include <string_view>
#include <vector>

class QWidget;

namespace quor {

class TZuLanguager : public QObject {
    Q_OBJECT
public:
    // Owned by `window`.
    explicit TZuLanguager(QWidget* window);

    // Applies a Windows-1252 localisation text: builds the property list when not
    // built yet, then loads every listed property in order. A missing key keeps
    // the designed value; the first failure (a count or number that is not a
    // number, an unknown alignment) stops the rest silently. Returns false when
    // it stopped.
    bool SetLocalizationString(std::string_view text);

    // The localisable properties, built on first use; components destroyed since
    // are left out.
    std::vector<LocalizableEntry> PropertiesList();

    const LocalizationText& LastText() const { return m_text; }

private:
    struct Entry {
        LocalizableEntry info;
        QPointer<QObject> object;
    };
    void Build();
    void AddEntries(QObject* object, bool isWindow);
    bool Load(const Entry& e) const;

    QPointer<QWidget> m_window;
    bool m_built = false;
    std::vector<Entry> m_entries;
    LocalizationText m_text;
};

} // namespace quor
