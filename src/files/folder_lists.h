#pragma once

#include "document/result.h"
#include "files/folder_access.h"

#include <QComboBox>
#include <QListWidget>

namespace vesk4 {

// The drive list: one entry per mounted volume, shown by its mount point and label. Choosing an
// entry emits currentIndexChanged.
class DriveList : public QComboBox {
    Q_OBJECT
public:
    // Starts on the volume that holds the process's working folder, without a change event.
    explicit DriveList(const QList<Volume> &volumes, QWidget *parent = nullptr);

    // The root of the chosen volume.
    QString drive() const;
    // Chooses the volume with this root; a different choice emits currentIndexChanged.
    void setDrive(const QString &root);

    const QList<Volume> &volumes() const { return volumes_; }

private:
    QList<Volume> volumes_;
};

// The folder list: the current folder under every folder above it, up to the root, and its
// subfolders below it. Double-clicking (activating) an entry moves there.
class FolderList : public QListWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget *parent = nullptr);

    // The current folder; empty until the first setPath.
    QString path() const { return path_; }
    // Moves to the folder and lists it again; emits pathChanged when the folder changed. Fails,
    // changing nothing, when the folder cannot be listed.
    Status setPath(const QString &folder);
    // The folder an entry stands for.
    QString folderAt(int row) const;
    // The entry of the folder; -1 if it is not shown.
    int rowOf(const QString &folder) const;

signals:
    void pathChanged();
    // A folder the user chose could not be listed; the list stayed where it was.
    void moveFailed(const QString &description);

private:
    void fill();

    QString path_;
};

// The file list: every file of one folder, no pattern. An entry the user selects emits
// itemSelectionChanged, and every left click on an entry itemClicked; listing a folder selects none.
// Only the left button acts: other buttons neither select nor double-click.
class FileList : public QListWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget *parent = nullptr);

    QString folder() const { return folder_; }
    void setFolder(const QString &folder);
    // The selected file's name; empty when none is selected.
    QString fileName() const;
    int selectedRow() const;
    // Selects the entry; -1 selects none.
    void selectRow(int row);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QString folder_;
};

} // namespace vesk4
