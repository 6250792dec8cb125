#include "app/file_watch.h"

#include "app/main_window.h"
#include "files/project_file.h"

#include <QApplication>
#include <QFileInfo>
#include <QUndoStack>

namespace vesk4 {

namespace {

// One byte over what the reader takes: a larger file differs from every stamp by its size alone.
constexpr qint64 kStampLimit = kMaxProjectFileBytes + 1;

} // namespace

FileWatch::FileWatch(MainWindow &window) : QObject(&window), window_(window)
{
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, &FileWatch::look);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &FileWatch::fileEvent);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &FileWatch::folderEvent);
}

void FileWatch::watch(const QString &path)
{
    path_ = path;
    told_.reset();
    settle_.stop();
    stamp_ = path.isEmpty() ? FileStamp{} : stampFile(path, kStampLimit);
    if (const QStringList watched = watcher_.files() + watcher_.directories(); !watched.isEmpty())
        watcher_.removePaths(watched);
    arm();
}

void FileWatch::arm()
{
    if (path_.isEmpty())
        return;
    if (watcher_.files().contains(path_))
        watcher_.removePath(path_);
    if (QFileInfo::exists(path_))
        watcher_.addPath(path_);
    // The folder shows the file coming back after it was removed, when no watch on the file is left.
    if (const QString folder = QFileInfo(path_).absolutePath();
        !watcher_.directories().contains(folder) && QFileInfo(folder).isDir())
        watcher_.addPath(folder);
}

void FileWatch::fileEvent()
{
    // Restarted by each event, so a burst of them gives one look once the writer is done.
    settle_.start();
}

void FileWatch::folderEvent()
{
    // The folder changes with every file in it, the editor's own temporary file too: only the file
    // appearing or going without a file event is news here.
    if (QFileInfo::exists(path_) != watcher_.files().contains(path_))
        settle_.start();
}

void FileWatch::look()
{
    if (path_.isEmpty())
        return;
    // A question or a dialog is open, or a button is held in a drag: look once it is over, rather
    // than ask on top of the one or reload under the other.
    if (asking_ || QApplication::activeModalWidget() != nullptr
        || QApplication::mouseButtons() != Qt::NoButton) {
        settle_.start();
        return;
    }
    arm();
    const FileStamp now = stampFile(path_, kStampLimit);
    const FileChange change = changeSince(stamp_, now);
    if (change == FileChange::None) {
        told_.reset();
    } else if (told_ != now) {
        told_ = now;
        asking_ = true;
        if (change == FileChange::Removed)
            reportRemoved();
        else
            askToReload();
        asking_ = false;
    }
    emit looked();
}

void FileWatch::askToReload()
{
    const QString name = QFileInfo(path_).fileName();
    const QString question = window_.isDocumentModified()
        ? tr("The file \"%1\" was changed by another program.\nReload it and discard the changes not saved "
             "here?\nNo keeps the document as it is here.")
              .arg(name)
        : tr("The file \"%1\" was changed by another program.\nReload it?\nNo keeps the document as it is "
             "here.")
              .arg(name);
    // A copy: the reload watches the file anew, which sets path_.
    if (const QString path = path_; window_.messageBoxes().ask(&window_, window_.title(), question)) {
        if (window_.loadProjectFile(path))
            return;
    }
    keepDocumentUnsaved();
}

void FileWatch::reportRemoved()
{
    keepDocumentUnsaved();
    window_.messageBoxes().inform(
        &window_, window_.title(),
        tr("The file \"%1\" was deleted or moved by another program.\nThe document is kept here, unsaved.")
            .arg(QFileInfo(path_).fileName()));
}

void FileWatch::keepDocumentUnsaved()
{
    // Leaves the stack without a clean state, so no undo makes the document count as saved; the
    // window's modified mark follows the stack.
    window_.undoStack().resetClean();
}

bool FileWatch::confirmOverwrite(const QString &path)
{
    if (path_.isEmpty() || QFileInfo(path).absoluteFilePath() != path_)
        return true;
    const FileStamp now = stampFile(path_, kStampLimit);
    // A file that is gone loses nothing when the save brings it back.
    if (changeSince(stamp_, now) != FileChange::Changed)
        return true;
    // The watch need not ask about the same change once more.
    told_ = now;
    asking_ = true;
    const bool overwrite = window_.messageBoxes().ask(
        &window_, window_.title(),
        tr("The file \"%1\" was changed by another program since it was opened or saved.\nOverwrite it?")
            .arg(QFileInfo(path_).fileName()));
    asking_ = false;
    return overwrite;
}

} // namespace vesk4
