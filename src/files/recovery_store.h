#pragma once

#include "document/result.h"
#include "files/project_file.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <map>
#include <memory>
#include <vector>

class QLockFile;

namespace vesk4 {

// A recovery copy left by an editor that is no longer running.
struct RecoveryCopy {
    QString copyPath; // the copy file in the recovery folder
    QDateTime written; // when its editor last wrote it
};

// What a recovery copy holds once it read back whole.
struct RecoveredProject {
    ProjectContent content;
    QByteArray projectBytes; // the project file text as a save would have written it
    QString projectPath; // the full path of the document's file; empty for a document never saved
};

// The recovery folder: one copy per running editor of the document it has not saved, so that a
// killed editor or a lost machine loses no more than the last few seconds.
//
// A copy is one file, "<id>.recovery": a short header (the document's file path, the size and the
// SHA-256 of the project text) and then the project file text. It is replaced whole through
// QSaveFile, so a crash while writing leaves the previous copy; the checksum catches what the disk
// damaged later. Beside it, "<id>.lock" (QLockFile) belongs to the editor that writes the copy for as
// long as it runs: another editor offers a copy only once it could take its lock, that is once the
// owner is gone, and keeps the lock while it asks, so two editors starting at once never offer the
// same copy.
class RecoveryStore {
public:
    static constexpr const char *kCopySuffix = ".recovery";
    static constexpr const char *kLockSuffix = ".lock";
    static constexpr const char *kDamagedSuffix = ".damaged";

    explicit RecoveryStore(QString folder);
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore &) = delete;
    RecoveryStore &operator=(const RecoveryStore &) = delete;

    // The user's recovery folder: "recovery" in the application's local data folder.
    static QString defaultFolder();

    QString folder() const { return folder_; }

    // Makes the folder and takes this editor's own copy name and its lock.
    Status claim();
    // The path of this editor's own copy; empty before claim().
    QString ownCopyPath() const { return ownCopyPath_; }

    // The copies whose editor no longer runs, newest first. Each stays locked by this store until it
    // is discarded, set aside or released.
    std::vector<RecoveryCopy> orphanedCopies();
    // Lets go of an orphaned copy, which stays for a later start.
    void release(const RecoveryCopy &copy);
    // Removes an orphaned copy and its lock.
    void discard(const RecoveryCopy &copy);
    // Renames a copy that did not read to "<name>.damaged", where it is neither read nor offered
    // again, and lets go of its lock. The new path, or an empty text when the rename failed.
    QString setAside(const RecoveryCopy &copy);

    // Removes this editor's own copy and lock (the lock file goes last: the copy is never left
    // without an owner while its editor runs).
    void removeOwnCopy();

    // The copy file for the project text and the document's file.
    static QByteArray copyFileBytes(const QByteArray &projectBytes, const QString &projectPath);
    // Writes a copy file whole (QSaveFile). Touches no lock, so it may run on any thread.
    static Status writeCopy(const QString &copyPath, const QByteArray &projectBytes,
                            const QString &projectPath);
    // Reads a copy all or nothing: the header, the size and checksum of the text, and the text as a
    // project file.
    static Expected<RecoveredProject> readCopy(const QString &copyPath);

private:
    static QString lockPathOf(const QString &copyPath);

    QString folder_;
    QString ownCopyPath_;
    std::unique_ptr<QLockFile> ownLock_;
    std::map<QString, std::unique_ptr<QLockFile>> heldLocks_; // orphans, by copy path
};

} // namespace vesk4
