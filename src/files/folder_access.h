#pragma once

#include "document/result.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace vesk4 {

// A mounted volume as the drive list shows it.
struct Volume {
    QString rootPath; // the mount point, "/" for the root
    QString name; // the volume's label; often empty

    friend bool operator==(const Volume &, const Volume &) = default;
};

using VolumeLister = std::function<QList<Volume>()>;

// The mounted volumes that are valid, ready and mounted on a folder: the root "/" first, the others
// by mount point, each mount point once.
QList<Volume> mountedVolumes();

// Index of the volume that holds folder: the one with the longest root that is the folder itself or
// one of the folders above it. -1 when none does.
int volumeHolding(const QList<Volume> &volumes, const QString &folder);

// The folder as an absolute path without "." or ".." parts and without a trailing separator.
QString absoluteFolder(const QString &folder);

// Whether the folder can be shown: it exists, is a folder and may be listed. The failure carries the
// path and the system's description of the error.
Status checkFolder(const QString &folder);

// The folder and every folder above it, the root first.
QStringList folderChain(const QString &folder);

// The folder's subfolders by name, ignoring letter case; dot folders are left out.
QStringList subfolderNames(const QString &folder);

// Every file of the folder by name, ignoring letter case; dot files are files too.
QStringList fileNames(const QString &folder);

// The name in the folder: the folder, a "/" unless it ends with one, and the name as it is. Every
// character of the name is taken literally, a leading ":" or "~" included; the dialogs build every
// path from a folder and a name with this.
QString pathInFolder(const QString &folder, const QString &name);

} // namespace vesk4
