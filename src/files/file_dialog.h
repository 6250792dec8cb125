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
    // Runs Form_Load: the working folder plus "egd" or "inc", and the start-up name.
    FileDialog(MainWindow &window, FileDialogKind kind, const QList<Volume> &volumes);

    FileDialogKind kind() const { return kind_; }

    DriveList *Drive1() const { return drive1_; }
    FolderList *Dir1() const { return dir1_; }
    FileList *File1() const { return file1_; }
    QLineEdit *Text1() const { return text1_; }
    QPushButton *Command1() const { return command1_; }
    QPushButton *Command2() const { return command2_; }

private:
    void Form_Load();
    void Drive1_Change();
    void Dir1_Change();
    void File1_PatternChange();
    void File1_Click();
    void File1_DblClick();
    void Command1_Click();
    void Command2_Click();

    void saveOrExport();
    void openProject();
    // Asks a Yes/No question under "保存確認"; true for Yes.
    bool ask(const QString &text);
    void inform(const QString &caption, const QString &text);
    QString extension() const;

    MainWindow &window_;
    const FileDialogKind kind_;

    DriveList *drive1_;
    FolderList *dir1_;
    FileList *file1_;
    QLineEdit *text1_;
    QPushButton *command1_;
    QPushButton *command2_;

    QString pOldDrive; // the drive last accepted, to go back to after a drive error
    QString pSaveName; // the name while a save or export runs
    QString pLoadName; // the name while an open runs
};

} // namespace vesk4
