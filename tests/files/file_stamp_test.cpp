// The stamp of a file and whether it changed since: every field counts on its own (size, time,
// bytes), a removed file is told apart from a changed one, and the hash is over the file's bytes.
#include "files/file_stamp.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace vesk4;

namespace {

constexpr qint64 kLimit = qint64{1} << 20;

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

void setModified(const QString &path, const QDateTime &time)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
}

TEST(FileStamp, HoldsTheSizeTimeAndBlake2bOfTheBytes)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("p.egd"));
    writeBytes(path, "abc");
    const QDateTime time = QDateTime::fromMSecsSinceEpoch(1'700'000'000'123, Qt::UTC);
    setModified(path, time);

    const FileStamp stamp = stampFile(path, kLimit);
    EXPECT_TRUE(stamp.exists);
    EXPECT_EQ(stamp.size, 3);
    EXPECT_EQ(stamp.modifiedMs, 1'700'000'000'123);
    // BLAKE2b-256 of "abc" (RFC 7693 with a 32-byte digest, as Python's hashlib.blake2b gives it).
    EXPECT_EQ(stamp.contentHash.toHex(), "bddd813c634239723171ef3fee98579b94964e3bb1cb3e427262c8c068d52319");

    EXPECT_EQ(stampFile(dir.filePath(QStringLiteral("missing")), kLimit), FileStamp{});
    // A folder has no bytes to hash.
    const FileStamp folder = stampFile(dir.path(), kLimit);
    EXPECT_TRUE(folder.exists);
    EXPECT_TRUE(folder.contentHash.isEmpty());
}

TEST(FileStamp, EachFieldOnItsOwnTellsAChange)
{
    const QDateTime time = QDateTime::fromMSecsSinceEpoch(1'600'000'000'000, Qt::UTC);
    const QByteArray original("line 1\r\nline 2\r\n");
    const struct {
        const char *what;
        std::function<void(const QString &)> change; // done to the file after the first stamp
        FileChange expected;
    } cases[] = {
        {"untouched", [](const QString &) {}, FileChange::None},
        {"the same bytes written again at the same time",
         [&](const QString &p) {
             writeBytes(p, original);
             setModified(p, time);
         },
         FileChange::None},
        {"longer, time set back",
         [&](const QString &p) {
             writeBytes(p, original + "x");
             setModified(p, time);
         },
         FileChange::Changed},
        {"only the time", [&](const QString &p) { setModified(p, time.addMSecs(1)); }, FileChange::Changed},
        {"other bytes of the same size at the same time",
         [&](const QString &p) {
             writeBytes(p, "line 1\r\nline 3\r\n");
             setModified(p, time);
         },
         FileChange::Changed},
        {"removed", [](const QString &p) { ASSERT_TRUE(QFile::remove(p)); }, FileChange::Removed},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("p.egd"));
        writeBytes(path, original);
        setModified(path, time);
        const FileStamp before = stampFile(path, kLimit);
        c.change(path);
        EXPECT_EQ(changeSince(before, stampFile(path, kLimit)), c.expected);
    }
}

TEST(FileStamp, AFileGoneStaysUnchangedUntilItIsBack)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("p.egd"));
    const FileStamp gone = stampFile(path, kLimit);
    EXPECT_EQ(changeSince(gone, stampFile(path, kLimit)), FileChange::None);
    writeBytes(path, "back");
    EXPECT_EQ(changeSince(gone, stampFile(path, kLimit)), FileChange::Changed);
}

} // namespace
