#pragma once

#include "files/file_dialog.h"
#include "files/folder_access.h"

#include <QObject>
#include <QPointer>

#include <array>

namespace vesk4 {

class MainWindow;

// The three file dialogs behind the main window's file buttons: "開く" shows Form3, "保存" Form2 and
// "PICデータ出力" Form4. A dialog that is not open is made anew; one that is open comes to the front.
class FileDialogs : public QObject {
    Q_OBJECT
public:
    explicit FileDialogs(MainWindow &window);
    ~FileDialogs() override;

    // The open dialog of each kind; null when it is closed.
    FileDialog *saveDialog() const { return openOne(FileDialogKind::Save); }
    FileDialog *openDialog() const { return openOne(FileDialogKind::Open); }
    FileDialog *exportDialog() const { return openOne(FileDialogKind::Export); }

    // Where the drive lists of dialogs made from now on take their volumes; the mounted volumes
    // unless replaced.
    void setVolumeLister(VolumeLister lister) { volumeLister_ = std::move(lister); }

    void show(FileDialogKind kind);
    // Closes every open dialog.
    void closeAll();

private:
    FileDialog *openOne(FileDialogKind kind) const;

    MainWindow &window_;
    VolumeLister volumeLister_ = mountedVolumes;
    // The dialogs have no owner; a closed one is hidden until its deferred deletion.
    std::array<QPointer<FileDialog>, 3> dialogs_;
};

} // namespace vesk4
