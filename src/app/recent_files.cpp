#include "app/recent_files.h"

#include <QFileInfo>

namespace vesk4 {

namespace {

const QString kRecentFilesKey = QStringLiteral("recentFiles");

QString absolutePath(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

QStringList recentFiles(const QSettings &settings)
{
    // A store edited by hand may hold more, or blanks.
    QStringList paths = settings.value(kRecentFilesKey).toStringList();
    paths.removeAll(QString());
    return paths.mid(0, kMaxRecentFiles);
}

void addRecentFile(QSettings &settings, const QString &path)
{
    QStringList paths = recentFiles(settings);
    const QString added = absolutePath(path);
    paths.removeAll(added);
    paths.prepend(added);
    settings.setValue(kRecentFilesKey, paths.mid(0, kMaxRecentFiles));
}

void removeRecentFile(QSettings &settings, const QString &path)
{
    QStringList paths = recentFiles(settings);
    paths.removeAll(absolutePath(path));
    settings.setValue(kRecentFilesKey, paths);
}

} // namespace vesk4
