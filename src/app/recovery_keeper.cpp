#include "app/recovery_keeper.h"

#include "app/main_window.h"
#include "app/page_bar.h"
#include "files/project_file.h"
#include "files/whole_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>
#include <cstdio>

namespace vesk4 {

namespace {

const QString kIntervalKey = QStringLiteral("recovery/intervalSeconds");
// A day: longer is no recovery at all, and the timer counts in int milliseconds.
constexpr double kLongestIntervalSeconds = 24 * 60 * 60;

// Whether two paths name one file; a file since removed still matches its own path.
bool sameFile(const QString &a, const QString &b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    const QString canonicalFirst = first.canonicalFilePath();
    if (!canonicalFirst.isEmpty() && canonicalFirst == second.canonicalFilePath())
        return true;
    return first.absoluteFilePath() == second.absoluteFilePath();
}

} // namespace

RecoveryKeeper::RecoveryKeeper(MainWindow &window) : window_(window)
{
    timer_.setSingleShot(true);
    timer_.setInterval(int(kDefaultIntervalSeconds * 1000));
    connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::intervalPassed);
    // Every step, undo and redo moves the index; a save or an undo back to it changes cleanness.
    connect(&window_.history().stack(), &QUndoStack::indexChanged, this, &RecoveryKeeper::followDocument);
    connect(&window_.history().stack(), &QUndoStack::cleanChanged, this, &RecoveryKeeper::followDocument);
    // One thread, so the disk sees writes and removals in the order they were asked for.
    writer_.setMaxThreadCount(1);
}

RecoveryKeeper::~RecoveryKeeper()
{
    timer_.stop();
    if (!store_)
        return;
    finishWriting();
    store_->removeOwnCopy();
}

Status RecoveryKeeper::start(const QString &folder)
{
    auto store = std::make_unique<RecoveryStore>(folder);
    if (Status claimed = store->claim(); !claimed)
        return claimed;
    store_ = std::move(store);
    bool read = false;
    const double seconds = QSettings().value(kIntervalKey, kDefaultIntervalSeconds).toDouble(&read);
    if (read && seconds > 0)
        timer_.setInterval(int(std::min(seconds, kLongestIntervalSeconds) * 1000));
    followDocument();
    return {};
}

void RecoveryKeeper::followDocument()
{
    if (!store_)
        return;
    if (!window_.isDocumentModified()) {
        timer_.stop();
        due_ = false;
        removeCopy();
        return;
    }
    if (due_ && window_.history().cellChanges().empty())
        writeCopy();
    else if (!due_ && !timer_.isActive())
        timer_.start();
}

void RecoveryKeeper::intervalPassed()
{
    // The cells of a stroke in progress are no step yet; the copy waits for the release, which
    // commits them and comes back here through followDocument.
    if (!window_.history().cellChanges().empty())
        due_ = true;
    else
        writeCopy();
}

void RecoveryKeeper::writeCopy()
{
    due_ = false;
    timer_.stop();
    if (!window_.isDocumentModified()) {
        removeCopy();
        return;
    }
    // A page name the file cannot hold refuses the save as well; the last copy stays as it is.
    Expected<QByteArray> text = projectFileText(window_.document());
    if (!text)
        return;
    copyOnDisk_ = true;
    writer_.start([copyPath = store_->ownCopyPath(), bytes = std::move(text.value()),
                   projectPath = window_.currentFilePath()] {
        if (const Status written = RecoveryStore::writeCopy(copyPath, bytes, projectPath); !written)
            std::fprintf(stderr, "vesk4-editor: %s\n", qPrintable(written.failure().text()));
    });
}

void RecoveryKeeper::removeCopy()
{
    if (!copyOnDisk_)
        return;
    copyOnDisk_ = false;
    writer_.start([copyPath = store_->ownCopyPath()] { QFile::remove(copyPath); });
}

void RecoveryKeeper::finishWriting()
{
    writer_.waitForDone();
}

// The texts name their context in full rather than through tr(): lupdate, run on a list of files
// without include paths (as the test of the .ts files does), cannot see the class's namespace here
// and would file them under another context.
bool RecoveryKeeper::offerCopies(const QString &projectPath)
{
    if (!store_)
        return false;
    bool restored = false;
    for (const RecoveryCopy &copy : store_->orphanedCopies()) {
        if (restored) {
            store_->release(copy);
            continue;
        }
        Expected<RecoveredProject> recovered = RecoveryStore::readCopy(copy.copyPath);
        if (!recovered) {
            // Never loaded in part, and never offered again; the user may still want its bytes.
            const QString aside = store_->setAside(copy);
            window_.messageBoxes().inform(
                &window_, QCoreApplication::translate("vesk4::RecoveryKeeper", "Recovery"),
                QCoreApplication::translate(
                    "vesk4::RecoveryKeeper",
                    "The recovery data is damaged and was not loaded. It was kept as %1.\n%2")
                    .arg(shownPath(aside.isEmpty() ? copy.copyPath : aside), recovered.failure().text()));
            continue;
        }
        const QString copyFile = recovered.value().projectPath;
        if (!projectPath.isEmpty() && (copyFile.isEmpty() || !sameFile(copyFile, projectPath))) {
            store_->release(copy);
            continue;
        }
        const QString question = copyFile.isEmpty()
            ? QCoreApplication::translate(
                "vesk4::RecoveryKeeper",
                "There is recovery data of edits from an editor that did not close. Restore it?")
            : QCoreApplication::translate(
                  "vesk4::RecoveryKeeper",
                  "There is recovery data of edits to %1 from an editor that did not close. Restore it?")
                  .arg(QFileInfo(copyFile).fileName());
        switch (window_.messageBoxes().askToRestore(
            &window_, QCoreApplication::translate("vesk4::RecoveryKeeper", "Recovery"), question)) {
        case RestoreChoice::Restore:
            restore(recovered.value());
            restored = true;
            // Once the window's own copy holds the document, the old one goes; if it could not be
            // written, the old one stays for the next start.
            if (QFileInfo::exists(store_->ownCopyPath()))
                store_->discard(copy);
            else
                store_->release(copy);
            break;
        case RestoreChoice::Discard:
            store_->discard(copy);
            break;
        case RestoreChoice::Later:
            store_->release(copy);
            break;
        }
    }
    return restored;
}

void RecoveryKeeper::restore(const RecoveredProject &recovered)
{
    Document &doc = window_.document();
    ProjectContent content = recovered.content;
    loadProjectContent(doc, window_.state(), std::move(content));
    // The recovered edits are not in any file yet: the document stays unsaved whatever is undone.
    window_.history().clearUnsaved();
    window_.pageBar()->showCaptions(doc.pages);
    window_.showCurrentPage();
    if (!recovered.projectPath.isEmpty())
        doc.projectFileName = QFileInfo(recovered.projectPath).fileName();
    window_.setCurrentFilePath(recovered.projectPath);
    // Written at once and waited for, before the old copy is removed: a crash in between still
    // leaves one copy to offer.
    writeCopy();
    finishWriting();
}

} // namespace vesk4
