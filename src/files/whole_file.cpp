#include "files/whole_file.h"

#include <QDir>
#include <QSaveFile>

namespace vesk4 {

Status writeWholeFile(const QString &path, const std::function<Status(QIODevice &)> &write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Failure{QStringLiteral("Cannot create %1: %2").arg(shownPath(path), file.errorString())};
    if (Status written = write(file); !written) {
        file.cancelWriting();
        return written;
    }
    if (!file.commit())
        return Failure{QStringLiteral("Cannot save %1: %2").arg(shownPath(path), file.errorString())};
    return {};
}

QString shownPath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace vesk4
