#pragma once

#include <QByteArray>
#include <QString>

namespace vesk4 {

// What a file on disk was at one moment: whether it was there, its size, its modification time and
// a hash of its bytes. The editor takes one when it opens or saves its file, and a later one that
// differs in any field means another program changed the file in between. The hash catches a
// rewrite of the same size within the clock's resolution, or one that set the old time back; it is
// BLAKE2b, which hashes a large project about four times as fast as SHA-256.
struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedMs = 0; // milliseconds since the epoch, UTC
    QByteArray contentHash; // empty when the bytes could not be read

    friend bool operator==(const FileStamp &, const FileStamp &) = default;
};

// The stamp of the file at path now. Only a regular file is read for its hash, and at most limit
// bytes of it: a device or a pipe gives no end, and a file that large is no project anyway (its size
// differs from any stamp of a project).
FileStamp stampFile(const QString &path, qint64 limit);

// How the file stands against an earlier stamp of it.
enum class FileChange {
    None, // the same file, byte for byte, with the same time
    Changed, // there, but another size, time or content; or there again after it was gone
    Removed, // gone (deleted or moved away)
};
FileChange changeSince(const FileStamp &before, const FileStamp &now);

} // namespace vesk4
