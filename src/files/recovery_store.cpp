#include "files/recovery_store.h"

#include "files/whole_file.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QUuid>

#include <algorithm>

namespace vesk4 {

namespace {

constexpr QByteArrayView kMagic = "VESK4 recovery copy 1\n";
constexpr QByteArrayView kPathKey = "file: ";
constexpr QByteArrayView kSizeKey = "size: ";
constexpr QByteArrayView kHashKey = "sha256: ";
// The header is four short lines; a path is at most a few kilobytes even percent-encoded.
constexpr qint64 kMaxHeaderBytes = qint64{64} * 1024;

QByteArray sha256Hex(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

Failure damaged(const QString &why)
{
    return Failure{QStringLiteral("The recovery copy is damaged: %1.").arg(why)};
}

// Takes the header line that starts with key; false when the next line is another.
bool takeLine(QByteArrayView &rest, QByteArrayView key, QByteArrayView &value)
{
    const qsizetype end = rest.indexOf('\n');
    if (end < 0 || !rest.first(end).startsWith(key))
        return false;
    value = rest.sliced(key.size(), end - key.size());
    rest = rest.sliced(end + 1);
    return true;
}

// A lock another editor may hold for as long as it runs: never stale by age, only once its owner
// is gone (QLockFile looks at the process and the boot it was written in).
std::unique_ptr<QLockFile> makeLock(const QString &path)
{
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);
    return lock;
}

} // namespace

RecoveryStore::RecoveryStore(QString folder) : folder_(std::move(folder)) { }

RecoveryStore::~RecoveryStore() = default;

QString RecoveryStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
        + QStringLiteral("/recovery");
}

QString RecoveryStore::lockPathOf(const QString &copyPath)
{
    QString base = copyPath;
    base.chop(qsizetype(qstrlen(kCopySuffix)));
    return base + QLatin1String(kLockSuffix);
}

Status RecoveryStore::claim()
{
    if (!QDir().mkpath(folder_))
        return Failure{QStringLiteral("Cannot make the folder %1.").arg(shownPath(folder_))};
    const QString copyPath = QDir(folder_).filePath(QUuid::createUuid().toString(QUuid::WithoutBraces)
                                                    + QLatin1String(kCopySuffix));
    auto lock = makeLock(lockPathOf(copyPath));
    if (!lock->tryLock(0))
        return Failure{QStringLiteral("Cannot lock %1.").arg(shownPath(lockPathOf(copyPath)))};
    ownLock_ = std::move(lock);
    ownCopyPath_ = copyPath;
    return {};
}

std::vector<RecoveryCopy> RecoveryStore::orphanedCopies()
{
    std::vector<RecoveryCopy> copies;
    const QFileInfoList files = QDir(folder_).entryInfoList(
        {QStringLiteral("*") + QLatin1String(kCopySuffix)}, QDir::Files | QDir::Hidden, QDir::Time);
    for (const QFileInfo &file : files) {
        const QString copyPath = file.absoluteFilePath();
        if (copyPath == QFileInfo(ownCopyPath_).absoluteFilePath() || heldLocks_.count(copyPath))
            continue;
        auto lock = makeLock(lockPathOf(copyPath));
        // Taken only when no editor holds it: none ever did, or its owner is no longer running.
        if (!lock->tryLock(0))
            continue;
        heldLocks_[copyPath] = std::move(lock);
        copies.push_back({copyPath, file.lastModified()});
    }
    // The lock of an editor that was gone before it wrote any copy would stay for ever: taken, it
    // goes when let go. A running editor's lock is not taken.
    const QStringList locks = QDir(folder_).entryList({QStringLiteral("*") + QLatin1String(kLockSuffix)},
                                                      QDir::Files | QDir::Hidden);
    for (const QString &name : locks) {
        QString copyName = name;
        copyName.chop(qsizetype(qstrlen(kLockSuffix)));
        const QString lockPath = QDir(folder_).filePath(name);
        if (!QFileInfo::exists(QDir(folder_).filePath(copyName + QLatin1String(kCopySuffix))))
            makeLock(lockPath)->tryLock(0);
    }
    return copies;
}

void RecoveryStore::release(const RecoveryCopy &copy)
{
    heldLocks_.erase(copy.copyPath); // unlocking removes the lock file
}

void RecoveryStore::discard(const RecoveryCopy &copy)
{
    QFile::remove(copy.copyPath);
    release(copy);
}

QString RecoveryStore::setAside(const RecoveryCopy &copy)
{
    QString aside = copy.copyPath + QLatin1String(kDamagedSuffix);
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = copy.copyPath + QStringLiteral(".%1").arg(n) + QLatin1String(kDamagedSuffix);
    const bool renamed = QFile::rename(copy.copyPath, aside);
    release(copy);
    return renamed ? aside : QString();
}

void RecoveryStore::removeOwnCopy()
{
    if (ownCopyPath_.isEmpty())
        return;
    QFile::remove(ownCopyPath_);
}

QByteArray RecoveryStore::copyFileBytes(const QByteArray &projectBytes, const QString &projectPath)
{
    // Percent-encoded file-system bytes: one line whatever the name holds, and a name that is not
    // valid UTF-8 comes back as the same file.
    QByteArray bytes;
    bytes.reserve(projectBytes.size() + 256);
    bytes += kMagic;
    bytes += kPathKey;
    bytes += QFile::encodeName(projectPath).toPercentEncoding("/");
    bytes += '\n';
    bytes += kSizeKey;
    bytes += QByteArray::number(projectBytes.size());
    bytes += '\n';
    bytes += kHashKey;
    bytes += sha256Hex(projectBytes);
    bytes += "\n\n";
    bytes += projectBytes;
    return bytes;
}

Status RecoveryStore::writeCopy(const QString &copyPath, const QByteArray &projectBytes,
                                const QString &projectPath)
{
    return writeWholeFile(copyPath, copyFileBytes(projectBytes, projectPath));
}

Expected<RecoveredProject> RecoveryStore::readCopy(const QString &copyPath)
{
    const Expected<QByteArray> file = readWholeFile(copyPath, kMaxProjectFileBytes + kMaxHeaderBytes);
    if (!file)
        return file.failure();
    QByteArrayView rest(file.value());
    QByteArrayView path;
    QByteArrayView size;
    QByteArrayView hash;
    if (!rest.startsWith(kMagic))
        return damaged(QStringLiteral("it does not begin as a recovery copy"));
    rest = rest.sliced(kMagic.size());
    if (!takeLine(rest, kPathKey, path) || !takeLine(rest, kSizeKey, size) || !takeLine(rest, kHashKey, hash)
        || !rest.startsWith("\n"))
        return damaged(QStringLiteral("its header is cut short or unknown"));
    rest = rest.sliced(1);
    bool sizeRead = false;
    const qsizetype expectedSize = size.toByteArray().toLongLong(&sizeRead);
    if (!sizeRead || expectedSize != rest.size())
        return damaged(
            QStringLiteral("it holds %1 bytes of %2").arg(rest.size()).arg(QString::fromLatin1(size)));
    RecoveredProject recovered;
    recovered.projectBytes = rest.toByteArray();
    if (sha256Hex(recovered.projectBytes) != hash)
        return damaged(QStringLiteral("its checksum does not match"));
    recovered.projectPath = QFile::decodeName(QByteArray::fromPercentEncoding(path.toByteArray()));

    QBuffer buffer(&recovered.projectBytes);
    buffer.open(QIODevice::ReadOnly);
    Expected<ProjectContent> content = readProject(buffer);
    if (!content)
        return damaged(content.failure().text());
    recovered.content = std::move(content.value());
    return recovered;
}

} // namespace vesk4
