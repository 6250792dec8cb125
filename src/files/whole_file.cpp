#include "files/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

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

Expected<QByteArray> readWholeDevice(QIODevice &in, qint64 limit, const QString &what)
{
    if (!in.isReadable())
        return Failure{QStringLiteral("%1 is not open for reading.").arg(what)};
    const auto tooLarge = [&] {
        constexpr qint64 kMebibyte = qint64(1) << 20;
        const QString size = limit % kMebibyte == 0 ? QStringLiteral("%1 MiB").arg(limit / kMebibyte)
                                                    : QStringLiteral("%1 bytes").arg(limit);
        return Failure{QStringLiteral("%1 is larger than %2, more than a file of its kind holds; it was not "
                                      "read.")
                           .arg(what, size)};
    };
    // A size the device tells is only a hint: a device file tells 0 and may never end.
    if (!in.isSequential() && in.size() - in.pos() > limit)
        return tooLarge();
    QByteArray data;
    if (!in.isSequential())
        data.reserve(qsizetype(std::min(in.size() - in.pos(), limit)) + 1);
    constexpr qint64 kChunk = qint64(1) << 20;
    for (;;) {
        // One byte more than the limit tells a file that is too large from one that just fits.
        const qint64 want = std::min(kChunk, limit + 1 - data.size());
        const qsizetype had = data.size();
        data.resize(had + qsizetype(want));
        const qint64 got = in.read(data.data() + had, want);
        if (got < 0)
            return Failure{QStringLiteral("%1 could not be read: %2").arg(what, in.errorString())};
        data.resize(had + qsizetype(got));
        if (data.size() > limit)
            return tooLarge();
        if (got == 0)
            break;
    }
    return data;
}

Expected<QByteArray> readWholeFile(const QString &path, qint64 limit)
{
    if (QFileInfo(path).isDir())
        return Failure{QStringLiteral("%1 is a folder, not a file.").arg(shownPath(path))};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{QStringLiteral("Cannot open %1: %2").arg(shownPath(path), file.errorString())};
    return readWholeDevice(file, limit, shownPath(path));
}

QString shownPath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace vesk4
