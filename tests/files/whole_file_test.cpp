// Whole files read in one piece: the limit counted by the bytes read, also on a device that tells
// no size, and what is refused with the system's reason.
#include "files/whole_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace vesk4;

namespace {

TEST(WholeFile, ReadsUpToTheLimitAndRefusesTheRest)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto write = [&dir](const char *name, const QByteArray &bytes) {
        QFile file(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    write("ten", "0123456789");
    write("empty", "");
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const QByteArray mebibyteAndOne(qsizetype(1) << 20 | 1, 'x');
    write("big", mebibyteAndOne);

    const struct {
        const char *what;
        QString path; // relative to the scratch folder unless absolute
        qint64 limit;
        std::optional<QByteArray> bytes; // the bytes, or nothing for a failure
        const char *says; // in the failure's message
    } cases[] = {
        {"just fits", "ten", 10, QByteArray("0123456789"), ""},
        {"one byte over", "ten", 9, std::nullopt, "larger than 9 bytes"},
        {"empty", "empty", 0, QByteArray(), ""},
        {"over a whole chunk", "big", qint64(1) << 20, std::nullopt, "larger than 1 MiB"},
        {"a whole chunk and one", "big", (qint64(1) << 20) + 1, mebibyteAndOne, ""},
        {"folder", "folder", 100, std::nullopt, "is a folder"},
        {"missing", "missing", 100, std::nullopt, "Cannot open"},
        // A device tells size 0 and never ends: only the count of bytes read stops it.
        {"endless device", "/dev/zero", 1000, std::nullopt, "larger than 1000 bytes"},
        {"empty device", "/dev/null", 1000, QByteArray(), ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = QDir::isAbsolutePath(c.path) ? c.path : dir.filePath(c.path);
        const Expected<QByteArray> read = readWholeFile(path, c.limit);
        ASSERT_EQ(read.ok(), c.bytes.has_value()) << (read ? "" : read.failure().message.toStdString());
        if (read) {
            EXPECT_EQ(read.value(), *c.bytes);
            continue;
        }
        EXPECT_TRUE(read.failure().message.contains(QLatin1String(c.says)))
            << read.failure().message.toStdString();
        EXPECT_TRUE(read.failure().message.contains(QDir::toNativeSeparators(c.path)));
    }
    // Without the right to read it (the superuser has it anyway).
    if (::geteuid() != 0) {
        ASSERT_TRUE(QFile::setPermissions(dir.filePath(QStringLiteral("ten")), QFile::WriteOwner));
        const Expected<QByteArray> locked = readWholeFile(dir.filePath(QStringLiteral("ten")), 100);
        ASSERT_FALSE(locked.ok());
        EXPECT_TRUE(locked.failure().message.contains(QLatin1String("Cannot open")));
    }
}

Status writeBytes(const QString &path, const QByteArray &bytes)
{
    return writeWholeFile(path, [&bytes](QIODevice &out) -> Status {
        if (out.write(bytes) != bytes.size())
            return Failure{QStringLiteral("short write: %1").arg(out.errorString())};
        return {};
    });
}

bool isKind(const QString &path, mode_t kind)
{
    struct stat st { };
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && (st.st_mode & S_IFMT) == kind;
}

// A device node or pipe stays what it was: the bytes go into it and no file is renamed over it.
// Nothing waits for the other end of a pipe.
TEST(WholeFile, WritesIntoAPipeAsItIsAndWaitsForNoOtherEnd)
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

    // Nobody reads: refused at once instead of waiting.
    const Status unread = writeBytes(pipe, "abc");
    ASSERT_FALSE(unread.ok());
    EXPECT_TRUE(unread.failure().message.contains(QLatin1String("no program reads from it")));

    // Nobody writes: read as nothing at once, and refused as such.
    const Expected<QByteArray> unwritten = readWholeFile(pipe, 100);
    ASSERT_FALSE(unwritten.ok());
    EXPECT_TRUE(unwritten.failure().message.contains(QLatin1String("a pipe that no program writes into")));

    const int reader = ::open(QFile::encodeName(pipe).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_TRUE(writeBytes(pipe, "abc").ok());
    char got[8] = {};
    EXPECT_EQ(::read(reader, got, sizeof got), 3);
    EXPECT_STREQ(got, "abc");
    ::close(reader);
    EXPECT_TRUE(isKind(pipe, S_IFIFO));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::Hidden).size(), 1);
}

TEST(WholeFile, WritesIntoADeviceAndSaysWhyItFailed)
{
    QTemporaryDir dir;
    const QString null = dir.filePath(QStringLiteral("null"));
    const QString full = dir.filePath(QStringLiteral("full"));
    // The same devices as /dev/null and /dev/full, made here so no system file is at risk.
    if (::mknod(QFile::encodeName(null).constData(), S_IFCHR | 0600, makedev(1, 3)) != 0
        || ::mknod(QFile::encodeName(full).constData(), S_IFCHR | 0600, makedev(1, 7)) != 0)
        GTEST_SKIP() << "making device nodes is not permitted here";
    const int probe = ::open(QFile::encodeName(null).constData(), O_WRONLY);
    if (probe < 0)
        GTEST_SKIP() << "device nodes do not open on this file system";
    ::close(probe);

    EXPECT_TRUE(writeBytes(null, QByteArray(100000, 'x')).ok());
    EXPECT_TRUE(isKind(null, S_IFCHR));
    const Status onFull = writeBytes(full, "abc");
    ASSERT_FALSE(onFull.ok());
    EXPECT_TRUE(onFull.failure().message.contains(QLatin1String("No space left on device")))
        << onFull.failure().message.toStdString();
    EXPECT_TRUE(isKind(full, S_IFCHR));
}

// The system's reason reaches the message; a file that cannot be written whole is not left behind,
// and an old one stays as it was.
TEST(WholeFile, SaysTheSystemsReasonWhenAFileCannotBeWritten)
{
    QTemporaryDir dir;
    const QString longName = dir.filePath(QString(256, QLatin1Char('a')));
    const Status tooLong = writeBytes(longName, "abc");
    ASSERT_FALSE(tooLong.ok());
    EXPECT_TRUE(tooLong.failure().message.contains(QLatin1String("File name too long")))
        << tooLong.failure().message.toStdString();

    // A disk that fills up while the file is written, as a limit on the size of files.
    const QString old = dir.filePath(QStringLiteral("old"));
    ASSERT_TRUE(writeBytes(old, "kept").ok());
    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto previousHandler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const Status big = writeBytes(old, QByteArray(5000, 'x'));
    const Status buffered = writeBytes(dir.filePath(QStringLiteral("new")), QByteArray(1500, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &before);
    ::signal(SIGXFSZ, previousHandler);
    for (const Status &failed : {big, buffered})
        EXPECT_TRUE(!failed.ok() && failed.failure().message.contains(QLatin1String("File too large")));
    EXPECT_EQ(readWholeFile(old, 100).value(), QByteArray("kept"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

} // namespace
