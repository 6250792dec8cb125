#include "files/file_dialogs.h"

#include "app/main_window.h"
#include "files/file_panel.h"

#include <QPushButton>

namespace vesk4 {

FileDialogs::FileDialogs(MainWindow &window) : QObject(&window), window_(window)
{
    FilePanel *panel = window.filePanel();
    connect(panel->projectButton(0), &QPushButton::clicked, this, [this] { show(FileDialogKind::Open); });
    connect(panel->projectButton(1), &QPushButton::clicked, this, [this] { show(FileDialogKind::Save); });
    connect(panel->exportButton(), &QPushButton::clicked, this, [this] { show(FileDialogKind::Export); });
}

// The dialogs act on the window; none may outlive it.
FileDialogs::~FileDialogs()
{
    for (QPointer<FileDialog> &dialog : dialogs_)
        delete dialog.data();
}

void FileDialogs::show(FileDialogKind kind)
{
    QPointer<FileDialog> &dialog = dialogs_[int(kind)];
    if (!openOne(kind))
        dialog = new FileDialog(window_, kind, volumeLister_());
    dialog->show();
    dialog->setWindowState(dialog->windowState() & ~Qt::WindowMinimized);
    dialog->raise();
    dialog->activateWindow();
}

FileDialog *FileDialogs::openOne(FileDialogKind kind) const
{
    FileDialog *dialog = dialogs_[int(kind)];
    return dialog && dialog->isVisible() ? dialog : nullptr;
}

} // namespace vesk4
