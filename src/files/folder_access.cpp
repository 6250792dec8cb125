#include "files/folder_access.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>
#include <cerrno>

namespace vesk4 {

namespace {

// Whether ancestor is folder or a folder above it; both absolute and clean.
bool holds(const QString &ancestor, const QString &folder)
{
    if (!folder.startsWith(ancestor))
        return false;
    return folder.size() == ancestor.size() || ancestor.endsWith(QLatin1Char('/'))
        || folder.at(ancestor.size()) == QLatin1Char('/');
}

} // namespace

QList<Volume> mountedVolumes()
{
    QList<Volume> volumes{{QDir::rootPath(), QStorageInfo::root().name()}};
    QList<Volume> others;
    for (const QStorageInfo &storage : QStorageInfo::mountedVolumes()) {
        if (!storage.isValid() || !storage.isReady())
            continue;
        const QString root = absoluteFolder(storage.rootPath());
        // Containers mount single files too (resolv.conf, hosts): those are no drives.
        if (root == QDir::rootPath() || !QFileInfo(root).isDir())
            continue;
        if (std::none_of(others.cbegin(), others.cend(), [&](const Volume &v) { return v.rootPath == root; }))
            others.append({root, storage.name()});
    }
    std::sort(others.begin(), others.end(),
              [](const Volume &a, const Volume &b) { return a.rootPath < b.rootPath; });
    return volumes + others;
}

int volumeHolding(const QList<Volume> &volumes, const QString &folder)
{
    const QString path = absoluteFolder(folder);
    int best = -1;
    for (int i = 0; i < volumes.size(); ++i) {
        const QString root = absoluteFolder(volumes[i].rootPath);
        if (holds(root, path) && (best < 0 || root.size() > absoluteFolder(volumes[best].rootPath).size()))
            best = i;
    }
    return best;
}

QString absoluteFolder(const QString &folder)
{
    return QDir::cleanPath(QDir(folder).absolutePath());
}

Status checkFolder(const QString &folder)
{
    const QFileInfo info(folder);
    int error = 0;
    if (!info.exists())
        error = ENOENT;
    else if (!info.isDir())
        error = ENOTDIR;
    else if (!info.isReadable() || !info.isExecutable())
        error = EACCES;
    if (error == 0)
        return {};
    return Failure{QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(folder), qt_error_string(error))};
}

QStringList folderChain(const QString &folder)
{
    QStringList chain;
    QString path = absoluteFolder(folder);
    for (;;) {
        chain.prepend(path);
        const QString parent = QFileInfo(path).path();
        if (QDir(path).isRoot() || parent == path)
            break;
        path = parent;
    }
    return chain;
}

QStringList subfolderNames(const QString &folder)
{
    return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

QStringList fileNames(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
}

QString pathInFolder(const QString &folder, const QString &name)
{
    // Plain joining: QDir::filePath returns a name it takes for absolute as it is, and it takes a
    // leading ":" for a Qt resource path, which would send the file out of the folder.
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

} // namespace vesk4
