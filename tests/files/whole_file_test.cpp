// Whole files read in one piece: the limit counted by the bytes read, also on a device that tells
// no size, and what is refused with the system's reason.
#include "files/whole_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace vesk4;

namespace {

struct Read {
    const char *what;
    QString path; // relative to the scratch folder unless absolute
    qint64 limit;
    std::optional<QByteArray> bytes; // the bytes, or nothing for a failure
    const char *says; // in the failure's message
};

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

    const Read cases[] = {
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
    for (const Read &c : cases) {
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

} // namespace
