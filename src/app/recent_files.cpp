#include "app/recent_files.h"

#include <QDir>
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

QString recentFileCaption(int index, const QString &path)
{
    QString shown = QDir::toNativeSeparators(path);
    if (shown.size() > kMaxRecentCaptionChars) {
        const qsizetype half = (kMaxRecentCaptionChars - 1) / 2;
        shown = shown.left(half) + QChar(0x2026) + shown.right(half);
    }
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown.replace(QLatin1Char('&'), QStringLiteral("&&")));
}

} // namespace vesk4
