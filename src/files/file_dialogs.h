#pragma once

#include "files/file_dialog.h"
#include "files/folder_access.h"

#include <QObject>
#include <QPointer>

#include <array>

namespace vesk4 {

class FileActions;
class FilePanel;

// The three file dialogs behind the file panel's buttons: "開く" shows the open dialog, "保存" the
// save dialog and "PICデータ出力" the export dialog. A dialog that is not open is made anew; one that
// is open comes to the front. The dialogs act through the given FileActions, which must outlive them.
class FileDialogs : public QObject {
    Q_OBJECT
public:
    FileDialogs(FileActions &actions, const FilePanel &panel, QObject *parent);
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

    FileActions &actions_;
    VolumeLister volumeLister_ = mountedVolumes;
    // The dialogs have no owner; a closed one is hidden until its deferred deletion.
    std::array<QPointer<FileDialog>, 3> dialogs_;
};

} // namespace vesk4
