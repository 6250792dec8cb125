#include "files/whole_file.h"

#include "files/local_names.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vesk4 {

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Qt's file engine leaves "Unknown error" where a buffered write failed; the system said why. Qt
// gives that text in the interface's language where its translation is installed, so it is
// compared with what a device without an error says as well.
QString reasonOf(const QFileDevice &file, int error)
{
    QString said = file.errorString();
    if (error != 0
        && (said.isEmpty() || said == QLatin1String("Unknown error") || said == QFile().errorString()))
        return systemReason(error);
    return said;
}

// Writes into what is at path as it is: a device or a pipe cannot be replaced by a new file, and
// renaming one over it would take the device away from every other program. A pipe nobody reads
// from is refused rather than waited on.
Status writeInPlace(const QString &path, const std::function<Status(QIODevice &)> &write)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ENXIO)
            return Failure{
                QCoreApplication::translate("WholeFile", "Cannot write %1: no program reads from it")
                    .arg(shownPath(path))};
        return Failure{QCoreApplication::translate("WholeFile", "Cannot create %1: %2")
                           .arg(shownPath(path), systemReason(error))};
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    QFile file;
    if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Failure{QCoreApplication::translate("WholeFile", "Cannot create %1: %2")
                           .arg(shownPath(path), file.errorString())};
    }
    if (Status written = write(file); !written)
        return written;
    errno = 0;
    if (!file.flush())
        return Failure{QCoreApplication::translate("WholeFile", "Cannot save %1: %2")
                           .arg(shownPath(path), reasonOf(file, errno))};
    return {};
}

} // namespace

Status writeWholeFile(const QString &path, const std::function<Status(QIODevice &)> &write)
{
    if (isUnwritableName(path)) {
        return Failure{
            QCoreApplication::translate("WholeFile",
                                        "Cannot create %1: the name is not valid UTF-8, and no file "
                                        "is written under it; give the output another name.")
                .arg(shownPath(path))};
    }
    if (const QFileInfo target(path); target.exists() && !target.isFile() && !target.isDir())
        return writeInPlace(path, write);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Failure{QCoreApplication::translate("WholeFile", "Cannot create %1: %2")
                           .arg(shownPath(path), file.errorString())};
    if (Status written = write(file); !written) {
        file.cancelWriting();
        return written;
    }
    // What is still buffered fails here on a full disk; commit would drop that failure's reason
    // and, in some Qt versions, report success over an empty file.
    errno = 0;
    if (!file.flush()) {
        const QString reason = reasonOf(file, errno);
        file.cancelWriting();
        return Failure{
            QCoreApplication::translate("WholeFile", "Cannot save %1: %2").arg(shownPath(path), reason)};
    }
    if (!file.commit())
        return Failure{QCoreApplication::translate("WholeFile", "Cannot save %1: %2")
                           .arg(shownPath(path), file.errorString())};
    return {};
}

Expected<QByteArray> readWholeDevice(QIODevice &in, qint64 limit, const QString &what)
{
    if (!in.isReadable())
        return Failure{QCoreApplication::translate("WholeFile", "%1 is not open for reading.").arg(what)};
    const auto tooLarge = [&] {
        constexpr qint64 kMebibyte = qint64(1) << 20;
        const QString size = limit % kMebibyte == 0
            ? QCoreApplication::translate("WholeFile", "%1 MiB").arg(limit / kMebibyte)
            : QCoreApplication::translate("WholeFile", "%1 bytes").arg(limit);
        return Failure{QCoreApplication::translate(
                           "WholeFile",
                           "%1 is larger than %2, more than a file of its kind holds; it was not "
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
        // One byte more than the limit tells a file that is too large from one that just fits. A
        // file whose size was told is read into the room reserved for it, so it is never copied.
        const qint64 room = data.capacity() - data.size();
        const qint64 want = std::min({kChunk, limit + 1 - data.size(), room > 0 ? room : kChunk});
        const qsizetype had = data.size();
        data.resize(had + qsizetype(want));
        const qint64 got = in.read(data.data() + had, want);
        if (got < 0)
            return Failure{QCoreApplication::translate("WholeFile", "%1 could not be read: %2")
                               .arg(what, in.errorString())};
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
        return Failure{
            QCoreApplication::translate("WholeFile", "%1 is a folder, not a file.").arg(shownPath(path))};
    // Opening a pipe waits for a program to write into it, which may never come; without waiting,
    // a pipe nobody writes to reads as ended at once.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Failure{QCoreApplication::translate("WholeFile", "Cannot open %1: %2")
                           .arg(shownPath(path), systemReason(errno))};
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    struct stat st { };
    const bool pipe = ::fstat(fd, &st) == 0 && S_ISFIFO(st.st_mode);
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Failure{QCoreApplication::translate("WholeFile", "Cannot open %1: %2")
                           .arg(shownPath(path), file.errorString())};
    }
    Expected<QByteArray> read = readWholeDevice(file, limit, shownPath(path));
    if (read && pipe && read.value().isEmpty())
        return Failure{QCoreApplication::translate("WholeFile", "%1 is a pipe that no program writes into.")
                           .arg(shownPath(path))};
    return read;
}

QString shownPath(const QString &path)
{
    return QDir::toNativeSeparators(givenName(path));
}

QString shownText(QString text)
{
    for (QChar &c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u < 0xA0))
            c = QLatin1Char('?');
    }
    return text;
}

Status writeWholeFile(const QString &path, const QByteArray &bytes)
{
    return writeWholeFile(path, [&bytes, &path](QIODevice &out) -> Status {
        if (out.write(bytes) != bytes.size())
            return Failure{QCoreApplication::translate("WholeFile", "Cannot write %1: %2")
                               .arg(shownPath(path), out.errorString())};
        return {};
    });
}

} // namespace vesk4
