#pragma once

#include "files/folder_access.h"

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace vesk4 {

class DriveList;
class FileList;
class FolderList;
class MainWindow;

// Form2 saves the project, Form3 opens one, Form4 writes the include file.
enum class FileDialogKind { Save, Open, Export };

// One file dialog: drive, folder and file lists, the name box and the action and cancel buttons.
// A window of its own, without an owner, that deletes itself when it closes.
class FileDialog : public QWidget {
    Q_OBJECT
public:
    // Runs startUp: the working folder plus "egd" or "inc", and the start-up name.
    FileDialog(MainWindow &window, FileDialogKind kind, const QList<Volume> &volumes);

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

    MainWindow &window_;
    const FileDialogKind kind_;

    DriveList *driveList_;
    FolderList *folderList_;
    FileList *fileList_;
    QLineEdit *fileNameBox_;
    QPushButton *actionButton_;
    QPushButton *cancelButton_;

    QString lastDrive_; // the drive last accepted, to go back to after a drive error
    QString saveName_; // the name while a save or export runs
    QString loadName_; // the name while an open runs
};

} // namespace vesk4
