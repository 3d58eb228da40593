#include "shell/TZuLanguager.h"

#include "shell/ISettingsStore.h"
#include "shell/QuorText.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QTreeWidget>

#include <limits>
#include <optional>

namespace quor {

namespace {

// How a localisable property reaches the component.
enum class Target {
    WindowTitle, ButtonText, LabelText, GroupTitle, MenuTitle, ActionText, LineEditText,
    ComboEditText, ToolTip, ComboItems, ListItems, PlainLines, RichLines, TabTexts,
    TreeColumns, TableColumns, QtProperty,
};

constexpr std::string_view kAllNames[] = {"caption", "text", "hint", "strings", "items", "lines",
                                          "filter", "columns", "title", "tabs", "imageindexes"};

const std::vector<std::string> kColumnFields = {"caption", "width", "alignment"};

std::optional<Target> MappedTarget(QObject* o, std::string_view prop, bool isWindow)
{
    auto* w = qobject_cast<QWidget*>(o);
    if (prop == "hint")
        return (w || qobject_cast<QAction*>(o)) ? std::optional(Target::ToolTip) : std::nullopt;
    if (isWindow)
        return prop == "caption" ? std::optional(Target::WindowTitle) : std::nullopt;
    if (qobject_cast<QAction*>(o))
        return prop == "caption" ? std::optional(Target::ActionText) : std::nullopt;
    if (qobject_cast<QMenu*>(o))
        return prop == "caption" ? std::optional(Target::MenuTitle) : std::nullopt;
    if (prop == "caption") {
        if (qobject_cast<QAbstractButton*>(o))
            return Target::ButtonText;
        if (qobject_cast<QLabel*>(o))
            return Target::LabelText;
        if (qobject_cast<QGroupBox*>(o))
            return Target::GroupTitle;
        if (qobject_cast<QDockWidget*>(o) || qobject_cast<QToolBar*>(o))
            return Target::WindowTitle;
    } else if (prop == "text") {
        if (qobject_cast<QLineEdit*>(o))
            return Target::LineEditText;
        if (auto* combo = qobject_cast<QComboBox*>(o); combo && combo->isEditable())
            return Target::ComboEditText;
    } else if (prop == "items") {
        if (qobject_cast<QComboBox*>(o))
            return Target::ComboItems;
        if (qobject_cast<QListWidget*>(o))
            return Target::ListItems;
    } else if (prop == "lines") {
        if (qobject_cast<QPlainTextEdit*>(o))
            return Target::PlainLines;
        if (qobject_cast<QTextEdit*>(o))
            return Target::RichLines;
    } else if (prop == "tabs") {
        if (qobject_cast<QTabWidget*>(o) || qobject_cast<QTabBar*>(o))
            return Target::TabTexts;
    } else if (prop == "columns") {
        if (qobject_cast<QTreeWidget*>(o))
            return Target::TreeColumns;
        if (qobject_cast<QTableWidget*>(o))
            return Target::TableColumns;
    }
    return std::nullopt;
}

// The Qt property (static or dynamic) whose name is `prop` without regard to case.
QByteArray QtPropertyName(QObject* o, std::string_view prop)
{
    const QMetaObject* mo = o->metaObject();
    for (int i = 0; i < mo->propertyCount(); ++i) {
        const QMetaProperty p = mo->property(i);
        if (p.isWritable() && EqualsNoCase(p.name(), prop))
            return p.name();
    }
    for (const QByteArray& name : o->dynamicPropertyNames()) {
        if (EqualsNoCase(name.toStdString(), prop))
            return name;
    }
    return {};
}

bool IsStringListProperty(QObject* o, const QByteArray& name)
{
    return o->property(name.constData()).typeId() == QMetaType::QStringList;
}

QString Decoded(const std::string& cp1252)
{
    return ScreenText(cp1252);
}

// Sets a simple Qt property from text: numbers must be numbers, enumerations
// must name a key, booleans read "true"/"false".
bool SetQtProperty(QObject* o, const QByteArray& name, const std::string& value)
{
    const QMetaObject* mo = o->metaObject();
    const int index = mo->indexOfProperty(name.constData());
    const QString text = Decoded(value);
    if (index >= 0) {
        const QMetaProperty p = mo->property(index);
        if (p.isEnumType()) {
            bool ok = false;
            const int v = p.enumerator().keysToValue(value.c_str(), &ok);
            return ok && p.write(o, v);
        }
        switch (p.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong: {
            const int fail = std::numeric_limits<int>::min();
            const int v = ParseSettingInt(value, fail);
            return v != fail && p.write(o, v);
        }
        case QMetaType::Bool:
            if (EqualsNoCase(value, "true"))
                return p.write(o, true);
            if (EqualsNoCase(value, "false"))
                return p.write(o, false);
            return false;
        default: {
            QVariant v(text);
            if (p.typeId() != QMetaType::QString && !v.convert(p.metaType()))
                return false;
            return p.write(o, v);
        }
        }
    }
    // Dynamic property: keep its type when it is a number, else a string.
    const QVariant old = o->property(name.constData());
    if (old.typeId() == QMetaType::Int) {
        const int fail = std::numeric_limits<int>::min();
        const int v = ParseSettingInt(value, fail);
        if (v == fail)
            return false;
        o->setProperty(name.constData(), v);
        return true;
    }
    o->setProperty(name.constData(), text);
    return true;
}

std::optional<Qt::Alignment> ColumnAlignment(const std::string& name)
{
    if (EqualsNoCase(name, "taLeftJustify"))
        return Qt::AlignLeft | Qt::AlignVCenter;
    if (EqualsNoCase(name, "taRightJustify"))
        return Qt::AlignRight | Qt::AlignVCenter;
    if (EqualsNoCase(name, "taCenter"))
        return Qt::AlignHCenter | Qt::AlignVCenter;
    return std::nullopt;
}

QStringList DesignedList(QObject* o, Target t, const QByteArray& prop)
{
    QStringList list;
    switch (t) {
    case Target::ComboItems: {
        auto* c = static_cast<QComboBox*>(o);
        for (int i = 0; i < c->count(); ++i)
            list << c->itemText(i);
        break;
    }
    case Target::ListItems: {
        auto* l = static_cast<QListWidget*>(o);
        for (int i = 0; i < l->count(); ++i)
            list << l->item(i)->text();
        break;
    }
    case Target::PlainLines:
        list = static_cast<QPlainTextEdit*>(o)->toPlainText().split(QLatin1Char('\n'));
        break;
    case Target::RichLines:
        list = static_cast<QTextEdit*>(o)->toPlainText().split(QLatin1Char('\n'));
        break;
    case Target::TabTexts:
        if (auto* tw = qobject_cast<QTabWidget*>(o)) {
            for (int i = 0; i < tw->count(); ++i)
                list << tw->tabText(i);
        } else if (auto* tb = qobject_cast<QTabBar*>(o)) {
            for (int i = 0; i < tb->count(); ++i)
                list << tb->tabText(i);
        }
        break;
    case Target::QtProperty:
        list = o->property(prop.constData()).toStringList();
        break;
    default:
        break;
    }
    return list;
}

void SetList(QObject* o, Target t, const QByteArray& prop, const QStringList& list)
{
    switch (t) {
    case Target::ComboItems: {
        auto* c = static_cast<QComboBox*>(o);
        const int current = c->currentIndex();
        const QString editText = c->isEditable() ? c->currentText() : QString();
        c->clear();
        c->addItems(list);
        if (current >= 0 && current < c->count())
            c->setCurrentIndex(current);
        if (c->isEditable())
            c->setEditText(editText);
        break;
    }
    case Target::ListItems: {
        auto* l = static_cast<QListWidget*>(o);
        l->clear();
        l->addItems(list);
        break;
    }
    case Target::PlainLines:
        static_cast<QPlainTextEdit*>(o)->setPlainText(list.join(QLatin1Char('\n')));
        break;
    case Target::RichLines:
        static_cast<QTextEdit*>(o)->setPlainText(list.join(QLatin1Char('\n')));
        break;
    case Target::TabTexts:
        // Tabs are pages: a text can rename them but not add or remove them.
        if (auto* tw = qobject_cast<QTabWidget*>(o)) {
            for (int i = 0; i < tw->count() && i < list.size(); ++i)
                tw->setTabText(i, list[i]);
        } else if (auto* tb = qobject_cast<QTabBar*>(o)) {
            for (int i = 0; i < tb->count() && i < list.size(); ++i)
                tb->setTabText(i, list[i]);
        }
        break;
    case Target::QtProperty:
        o->setProperty(prop.constData(), list);
        break;
    default:
        break;
    }
}

// Reads "count"; nullopt = key missing (keep the designed list), -1 = not a number.
std::optional<int> ReadCount(const LocalizationText& text, const std::string& section)
{
    const auto count = text.Read(section, "count");
    if (!count)
        return std::nullopt;
    const int n = ParseSettingInt(*count, -1);
    return n < 0 ? -1 : n;
}

bool LoadColumns(QObject* o, Target t, const LocalizationText& text, const std::string& section)
{
    const auto count = ReadCount(text, section);
    if (!count)
        return true;
    if (*count < 0)
        return false;
    auto* tree = qobject_cast<QTreeWidget*>(o);
    auto* table = qobject_cast<QTableWidget*>(o);
    if (tree)
        tree->setColumnCount(*count);
    else
        table->setColumnCount(*count);
    for (int i = 0; i < *count; ++i) {
        const std::string item = "item" + std::to_string(i) + "_";
        QTableWidgetItem* header = nullptr;
        if (table) {
            header = table->horizontalHeaderItem(i);
            if (!header) {
                header = new QTableWidgetItem();
                table->setHorizontalHeaderItem(i, header);
            }
        }
        if (const auto caption = text.Read(section, item + "caption")) {
            if (tree)
                tree->headerItem()->setText(i, Decoded(*caption));
            else
                header->setText(Decoded(*caption));
        }
        if (const auto width = text.Read(section, item + "width")) {
            const int w = ParseSettingInt(*width, -1);
            if (w < 0)
                return false;
            if (tree)
                tree->setColumnWidth(i, w);
            else
                table->setColumnWidth(i, w);
        }
        if (const auto alignment = text.Read(section, item + "alignment")) {
            const auto a = ColumnAlignment(*alignment);
            if (!a)
                return false;
            if (tree)
                tree->headerItem()->setTextAlignment(i, *a);
            else
                header->setTextAlignment(*a);
        }
    }
    return true;
}

} // namespace

TZuLanguager::TZuLanguager(QWidget* window) : QObject(window), m_window(window)
{
    setObjectName(QStringLiteral("ZuLanguager1"));
}

void TZuLanguager::AddEntries(QObject* object, bool isWindow)
{
    const std::string component = AsciiLower(object->objectName().toStdString());
    const bool menuOrWindow = isWindow || qobject_cast<QAction*>(object) || qobject_cast<QMenu*>(object);
    for (std::string_view prop : kAllNames) {
        if (!IsLocalizablePropertyName(prop, menuOrWindow))
            continue;
        const auto mapped = MappedTarget(object, prop, isWindow);
        PropertyShape shape = PropertyShape::Simple;
        std::vector<std::string> fields;
        if (mapped) {
            switch (*mapped) {
            case Target::ComboItems:
            case Target::ListItems:
            case Target::PlainLines:
            case Target::RichLines:
            case Target::TabTexts:
                shape = PropertyShape::StringList;
                break;
            case Target::TreeColumns:
            case Target::TableColumns:
                shape = PropertyShape::Collection;
                fields = kColumnFields;
                break;
            default:
                break;
            }
        } else {
            const QByteArray name = QtPropertyName(object, prop);
            if (name.isEmpty())
                continue;
            if (IsStringListProperty(object, name))
                shape = PropertyShape::StringList;
        }
        m_entries.push_back({{component, std::string(prop), shape, fields}, object});
    }
}

void TZuLanguager::Build()
{
    m_entries.clear();
    m_built = true;
    if (!m_window)
        return;
    if (!m_window->objectName().isEmpty())
        AddEntries(m_window, true);
    for (QObject* child : m_window->findChildren<QObject*>()) {
        const QString name = child->objectName();
        // Qt names its own inner parts "qt_..."; they are not components of the window.
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || qobject_cast<TZuLanguager*>(child))
            continue;
        AddEntries(child, false);
    }
}

std::vector<LocalizableEntry> TZuLanguager::PropertiesList()
{
    if (!m_built)
        Build();
    std::vector<LocalizableEntry> list;
    for (const auto& e : m_entries) {
        if (e.object)
            list.push_back(e.info);
    }
    return list;
}

bool TZuLanguager::Load(const Entry& e) const
{
    QObject* o = e.object;
    const bool isWindow = o == m_window.data();
    const std::string& prop = e.info.property;
    const auto mapped = MappedTarget(o, prop, isWindow);
    const Target target = mapped.value_or(Target::QtProperty);
    const QByteArray qtName = mapped ? QByteArray() : QtPropertyName(o, prop);
    if (!mapped && qtName.isEmpty())
        return true;   // the component changed since the list was built

    if (e.info.shape == PropertyShape::Collection)
        return LoadColumns(o, target, m_text, ListSection(e.info.component, prop));

    if (e.info.shape == PropertyShape::StringList) {
        const std::string section = ListSection(e.info.component, prop);
        const auto count = ReadCount(m_text, section);
        if (!count)
            return true;
        if (*count < 0)
            return false;
        const QStringList designed = DesignedList(o, target, qtName);
        QStringList list;
        for (int i = 0; i < *count; ++i) {
            const auto item = m_text.Read(section, "item" + std::to_string(i));
            list << (item ? Decoded(*item) : (i < designed.size() ? designed[i] : QString()));
        }
        SetList(o, target, qtName, list);
        return true;
    }

    const auto value = m_text.Read("_", SimpleIdent(e.info.component, prop));
    if (!value)
        return true;
    const QString text = Decoded(*value);
    switch (target) {
    case Target::WindowTitle:
        static_cast<QWidget*>(o)->setWindowTitle(text);
        return true;
    case Target::ButtonText:
        static_cast<QAbstractButton*>(o)->setText(text);
        return true;
    case Target::LabelText:
        static_cast<QLabel*>(o)->setText(text);
        return true;
    case Target::GroupTitle:
        static_cast<QGroupBox*>(o)->setTitle(text);
        return true;
    case Target::MenuTitle:
        static_cast<QMenu*>(o)->setTitle(text);
        return true;
    case Target::ActionText:
        static_cast<QAction*>(o)->setText(text);
        return true;
    case Target::LineEditText:
        static_cast<QLineEdit*>(o)->setText(text);
        return true;
    case Target::ComboEditText:
        static_cast<QComboBox*>(o)->setEditText(text);
        return true;
    case Target::ToolTip:
        if (auto* a = qobject_cast<QAction*>(o)) {
            a->setToolTip(text);
            a->setStatusTip(text);
        } else {
            auto* w = static_cast<QWidget*>(o);
            w->setToolTip(text);
            w->setStatusTip(text);
        }
        return true;
    case Target::QtProperty:
        return SetQtProperty(o, qtName, *value);
    default:
        return true;
    }
}

bool TZuLanguager::SetLocalizationString(std::string_view text)
{
    if (!m_built)
        Build();
    m_text = LocalizationText(text);
    for (const auto& e : m_entries) {
        if (!e.object)
            continue;
        if (!Load(e))
            return false;
    }
    return true;
}

} // namespace quor
