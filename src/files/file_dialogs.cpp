#include "files/file_dialogs.h"

#include "files/file_panel.h"

#include <QPushButton>

namespace vesk4 {

FileDialogs::FileDialogs(FileActions &actions, const FilePanel &panel, QObject *parent)
    : QObject(parent), actions_(actions)
{
    connect(panel.openButton(), &QPushButton::clicked, this, [this] { show(FileDialogKind::Open); });
    connect(panel.saveButton(), &QPushButton::clicked, this, [this] { show(FileDialogKind::Save); });
    connect(panel.exportButton(), &QPushButton::clicked, this, [this] { show(FileDialogKind::Export); });
}

// The dialogs act on the file actions; none may outlive them.
FileDialogs::~FileDialogs()
{
    for (QPointer<FileDialog> &dialog : dialogs_)
        delete dialog.data();
}

void FileDialogs::show(FileDialogKind kind)
{
    QPointer<FileDialog> &dialog = dialogs_[int(kind)];
    if (!openOne(kind))
        dialog = new FileDialog(actions_, kind, volumeLister_());
    dialog->show();
    dialog->setWindowState(dialog->windowState() & ~Qt::WindowMinimized);
    dialog->raise();
    dialog->activateWindow();
}

void FileDialogs::closeAll()
{
    for (QPointer<FileDialog> &dialog : dialogs_)
        if (dialog)
            dialog->close();
}

FileDialog *FileDialogs::openOne(FileDialogKind kind) const
{
    FileDialog *dialog = dialogs_[int(kind)];
    return dialog && dialog->isVisible() ? dialog : nullptr;
}

} // namespace vesk4
