#include "files/file_stamp.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace vesk4 {

namespace {

constexpr qint64 kChunkBytes = qint64{1} << 16;

QByteArray hashOf(const QString &path, qint64 limit)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Blake2b_256);
    qint64 left = limit;
    while (left > 0) {
        const QByteArray chunk = file.read(std::min(left, kChunkBytes));
        if (chunk.isEmpty())
            break;
        hash.addData(chunk);
        left -= chunk.size();
    }
    return file.error() == QFileDevice::NoError ? hash.result() : QByteArray();
}

} // namespace

FileStamp stampFile(const QString &path, qint64 limit)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    FileStamp stamp{.exists = true,
                    .size = info.size(),
                    .modifiedMs = info.lastModified().toMSecsSinceEpoch(),
                    .contentHash = {}};
    if (info.isFile())
        stamp.contentHash = hashOf(path, limit);
    return stamp;
}

FileChange changeSince(const FileStamp &before, const FileStamp &now)
{
    if (!now.exists)
        return before.exists ? FileChange::Removed : FileChange::None;
    return now == before ? FileChange::None : FileChange::Changed;
}

} // namespace vesk4
