#pragma once

#include "files/file_stamp.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <optional>

namespace vesk4 {

class MainWindow;

// Watches the window's current project file for what other programs do to it. A change asks
// whether to reload the file or keep the document; a removal is reported and leaves the document
// unsaved; a save over a file changed since it was opened or saved asks first. What the editor's own
// open and save leave on disk is the stamp each later look is measured against, so its own saves
// never ask.
class FileWatch : public QObject {
    Q_OBJECT
public:
    // How long the watch waits after the last event before it looks at the file: a program writing
    // the file gives several events, and the user gets one question for all of them.
    static constexpr int kSettleMs = 300;

    explicit FileWatch(MainWindow &window);

    // The window now holds the file at path (empty: none); stamps it as it is on disk and watches it.
    void watch(const QString &path);
    QString watchedPath() const { return path_; }

    // Before a save over path: when it is the watched file and another program changed it since it
    // was opened or saved, asks whether to overwrite it. True when the save may go on.
    bool confirmOverwrite(const QString &path);

signals:
    // The watch looked at the file after a burst of events, whatever it found and asked.
    void looked();

private:
    void fileEvent();
    void folderEvent();
    void look();
    // Watches the name anew: a file replaced by renaming another over it (the editor's own saves,
    // and those of most programs) takes the old watch with it.
    void arm();
    void askToReload();
    void reportRemoved();
    // The document stays as it is but no longer matches the file: closing asks to save it, whatever
    // is undone.
    void keepDocumentUnsaved();

    MainWindow &window_;
    QFileSystemWatcher watcher_;
    QTimer settle_;
    QString path_; // absolute
    FileStamp stamp_; // the file as the editor last opened or saved it
    std::optional<FileStamp> told_; // the file as the user was last asked or told about it
    bool asking_ = false;
};

} // namespace vesk4
