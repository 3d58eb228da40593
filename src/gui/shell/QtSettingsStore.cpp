#include "shell/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace quor {

namespace {

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

QString Q(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Runs `f` with the settings positioned at `group`, restoring the position after.
template <class F>
auto InGroup(QSettings& s, const QString& group, F f)
{
    if (!group.isEmpty())
        s.beginGroup(group);
    auto result = f();
    if (!group.isEmpty())
        s.endGroup();
    return result;
}

} // namespace

QString QtSettingsStore::DefaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/ZR/Quor3.0E.ini");
}

QtSettingsStore::QtSettingsStore() : QtSettingsStore(DefaultPath()) {}

QtSettingsStore::QtSettingsStore(const QString& iniPath) : m_path(iniPath)
{
    // Create the file before anything is written so that it never exists with
    // the permissions of the umask; later rewrites keep the permissions.
    const QFileInfo info(m_path);
    QDir().mkpath(info.absolutePath());
    if (!info.exists()) {
        QFile f(m_path);
        f.open(QIODevice::WriteOnly | QIODevice::NewOnly, kOwnerOnly);
    }
    RestrictPermissions();
    m_settings = std::make_unique<QSettings>(m_path, QSettings::IniFormat);
}

QtSettingsStore::~QtSettingsStore()
{
    Commit();
}

void QtSettingsStore::RestrictPermissions() const
{
    if (QFile::exists(m_path))
        QFile::setPermissions(m_path, kOwnerOnly);
}

void QtSettingsStore::Commit()
{
    m_settings->sync();
    RestrictPermissions();
}

QString QtSettingsStore::ResolveKey(std::string_view key, bool* found) const
{
    bool all = true;
    QString path;
    for (const auto& part : SplitSettingsKey(key)) {
        const QString wanted = Q(part);
        QString match;
        if (all) {
            const QStringList groups = InGroup(*m_settings, path, [&] { return m_settings->childGroups(); });
            for (const auto& g : groups) {
                if (g.compare(wanted, Qt::CaseInsensitive) == 0) {
                    match = g;
                    break;
                }
            }
        }
        if (match.isEmpty()) {
            all = false;
            match = wanted;
        }
        path += (path.isEmpty() ? QString() : QStringLiteral("/")) + match;
    }
    if (found)
        *found = all;
    return path;
}

QString QtSettingsStore::ResolveName(const QString& group, std::string_view name, bool* found) const
{
    const QString wanted = Q(name);
    const QStringList keys = InGroup(*m_settings, group, [&] { return m_settings->childKeys(); });
    for (const auto& k : keys) {
        if (k.compare(wanted, Qt::CaseInsensitive) == 0) {
            if (found)
                *found = true;
            return k;
        }
    }
    if (found)
        *found = false;
    return wanted;
}

std::optional<std::string> QtSettingsStore::Value(std::string_view key, std::string_view name) const
{
    bool keyFound = false;
    const QString group = ResolveKey(key, &keyFound);
    if (!keyFound)
        return std::nullopt;
    bool nameFound = false;
    const QString stored = ResolveName(group, name, &nameFound);
    if (!nameFound)
        return std::nullopt;
    const QVariant v = m_settings->value(group.isEmpty() ? stored : group + QLatin1Char('/') + stored);
    // A hand-edited value with commas comes back as a list; keep it as the text it was.
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QStringLiteral(", ")).toStdString();
    return v.toString().toStdString();
}

void QtSettingsStore::SetValue(std::string_view key, std::string_view name, std::string_view text)
{
    const QString group = ResolveKey(key, nullptr);
    const QString stored = ResolveName(group, name, nullptr);
    m_settings->setValue(group.isEmpty() ? stored : group + QLatin1Char('/') + stored, Q(text));
    Commit();
}

void QtSettingsStore::RemoveValue(std::string_view key, std::string_view name)
{
    bool keyFound = false;
    const QString group = ResolveKey(key, &keyFound);
    bool nameFound = false;
    const QString stored = keyFound ? ResolveName(group, name, &nameFound) : QString();
    if (!nameFound)
        return;
    m_settings->remove(group.isEmpty() ? stored : group + QLatin1Char('/') + stored);
    Commit();
}

void QtSettingsStore::DeleteKey(std::string_view key)
{
    bool keyFound = false;
    const QString group = ResolveKey(key, &keyFound);
    if (!keyFound || group.isEmpty())
        return;
    m_settings->remove(group);
    Commit();
}

bool QtSettingsStore::KeyExists(std::string_view key) const
{
    bool keyFound = false;
    ResolveKey(key, &keyFound);
    return keyFound;
}

std::vector<std::string> QtSettingsStore::Subkeys(std::string_view key) const
{
    bool keyFound = false;
    const QString group = ResolveKey(key, &keyFound);
    std::vector<std::string> names;
    if (!keyFound)
        return names;
    for (const auto& g : InGroup(*m_settings, group, [&] { return m_settings->childGroups(); }))
        names.push_back(g.toStdString());
    return names;
}

std::vector<std::string> QtSettingsStore::ValueNames(std::string_view key) const
{
    bool keyFound = false;
    const QString group = ResolveKey(key, &keyFound);
    std::vector<std::string> names;
    if (!keyFound)
        return names;
    for (const auto& k : InGroup(*m_settings, group, [&] { return m_settings->childKeys(); }))
        names.push_back(k.toStdString());
    return names;
}

} // namespace quor
