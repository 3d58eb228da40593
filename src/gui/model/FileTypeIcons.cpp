#include "model/FileTypeIcons.h"

#include <QFileIconProvider>
#include <QMimeDatabase>

#include <map>

namespace quor {

namespace {

QString ExtensionOf(const QString& fileName)
{
    if (fileName.startsWith(QLatin1Char('.')))
        return fileName.toLower();
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : fileName.mid(dot).toLower();
}

} // namespace

QIcon FileTypeIcon(const QString& fileName)
{
    if (fileName.isEmpty())
        return {};
    static std::map<QString, QIcon> cache;
    const QString ext = ExtensionOf(fileName);
    auto it = cache.find(ext);
    if (it != cache.end())
        return it->second;
    const QMimeType mime = QMimeDatabase().mimeTypeForFile(QStringLiteral("x") + ext, QMimeDatabase::MatchExtension);
    QIcon icon = QIcon::fromTheme(mime.iconName(), QIcon::fromTheme(mime.genericIconName()));
    if (icon.isNull())
        icon = QFileIconProvider().icon(QFileIconProvider::File);
    cache.emplace(ext, icon);
    return icon;
}

QIcon FixedIcon(int number)
{
    Q_UNUSED(number);
    return QFileIconProvider().icon(QFileIconProvider::File);
}

} // namespace quor
