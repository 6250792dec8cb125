#pragma once

#include "files/folder_access.h"

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace vesk4 {

class DriveList;
class FileList;
class FileActions;
class FolderList;

// Save writes the project, Open reads one, Export writes the include file.
enum class FileDialogKind { Save, Open, Export };

// One file dialog: drive, folder and file lists, the name box and the action and cancel buttons.
// A window of its own, without an owner, that deletes itself when it closes. It acts on the
// document only through the FileActions it is given.
class FileDialog : public QWidget {
    Q_OBJECT
public:
    // Starts in the working folder plus "egd" or "inc", with the start-up name.
    FileDialog(FileActions &actions, FileDialogKind kind, const QList<Volume> &volumes);

    FileDialogKind kind() const { return kind_; }

    DriveList *driveList() const { return driveList_; }
    FolderList *folderList() const { return folderList_; }
    FileList *fileList() const { return fileList_; }
    QLineEdit *fileNameBox() const { return fileNameBox_; }
    QPushButton *actionButton() const { return actionButton_; }
    QPushButton *cancelButton() const { return cancelButton_; }

private:
    void startUp();
    void driveChosen();
    void folderChanged();
    void fileListRefilled();
    void fileSelected();
    void fileDoubleClicked();
    void actionClicked();
    void cancelClicked();

    void saveOrExport();
    void openProject();
    // Asks a Yes/No question under "保存確認"; true for Yes.
    bool ask(const QString &text);
    void inform(const QString &caption, const QString &text);
    QString extension() const;

    FileActions &actions_;
    const FileDialogKind kind_;

    DriveList *driveList_;
    FolderList *folderList_;
    FileList *fileList_;
    QLineEdit *fileNameBox_;
    QPushButton *actionButton_;
    QPushButton *cancelButton_;

    QString lastDrive_; // the drive last accepted, to go back to after a drive error
};

} // namespace vesk4
