#pragma once

#include "files/recovery_store.h"

#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <memory>

namespace vesk4 {

class MainWindow;

// Keeps the recovery copy of the window's document while it has unsaved changes, and offers the
// copies of editors that did not close at start-up.
//
// The first change not yet in the copy starts a timer (the setting "recovery/intervalSeconds",
// 30 by default); when it runs out the document is turned into project file text on the GUI
// thread, which takes a few milliseconds and never happens while a pen stroke is in progress (the
// copy then waits for the release), and the file is written and synced to disk on a worker thread,
// where a slow disk cannot hold up drawing. Writes and removals go through that one thread in
// order, so a removal after a save is never overtaken by an older write.
class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    static constexpr double kDefaultIntervalSeconds = 30;

    explicit RecoveryKeeper(MainWindow &window);
    // A clean exit: the copy goes with its editor.
    ~RecoveryKeeper() override;

    // Starts keeping copies in folder, with the interval of the settings. Until then the keeper does
    // nothing, so windows made by tests leave the user's folder alone.
    Status start(const QString &folder);
    bool isStarted() const { return store_ != nullptr; }
    void setIntervalMilliseconds(int interval) { timer_.setInterval(interval); }
    // This editor's copy file; empty before start().
    QString ownCopyPath() const { return store_ ? store_->ownCopyPath() : QString(); }

    // At start-up: offers the copies whose editor no longer runs, newest first, until one is
    // restored; a damaged one is reported and set aside. With projectPath (the file named on the
    // command line) only the copies of that file are offered. True when a copy was restored: the
    // window then shows it, and the file named must not be opened over it.
    bool offerCopies(const QString &projectPath = QString());

    // The window replaced, saved or renamed its document: a document without unsaved changes needs
    // no copy, one with them (a recovered one, an include file read back) gets one.
    void followDocument();
    // Waits until every write and removal handed to the worker has reached the disk.
    void finishWriting();

private:
    void documentChanged();
    void intervalPassed();
    void writeCopy();
    void removeCopy();
    void restore(const RecoveredProject &recovered);

    MainWindow &window_;
    std::unique_ptr<RecoveryStore> store_;
    QTimer timer_;
    QThreadPool writer_;
    bool due_ = false; // the interval passed during a pen stroke
    bool copyOnDisk_ = false;
};

} // namespace vesk4
