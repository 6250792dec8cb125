#include "files/file_dialog.h"

#include "files/file_actions.h"
#include "files/file_names.h"
#include "files/folder_lists.h"
#include "widgets/message_boxes.h"
#include "widgets/twips.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

namespace vesk4 {

namespace {

struct DialogDesign {
    const char *objectName; // what the window is, for tests and accessibility tools
    const char *caption;
    const char *action;
    const char *subfolder;
    const char *extension;
    const char *extensionQuestion; // save and export only
};

// Indexed by FileDialogKind.
const DialogDesign kDesigns[] = {
    {"saveDialog", QT_TRANSLATE_NOOP("vesk4::FileDialog", "Save"),
     QT_TRANSLATE_NOOP("vesk4::FileDialog", "Save"), "egd", ".egd",
     QT_TRANSLATE_NOOP("vesk4::FileDialog",
                       "This is not a graphics editor file. Change the extension and save?")},
    {"openDialog", QT_TRANSLATE_NOOP("vesk4::FileDialog", "Open"),
     QT_TRANSLATE_NOOP("vesk4::FileDialog", "Open"), "egd", ".egd", nullptr},
    {"exportDialog", QT_TRANSLATE_NOOP("vesk4::FileDialog", "Export Image Data for ELK"),
     QT_TRANSLATE_NOOP("vesk4::FileDialog", "Export"), "inc", ".inc",
     QT_TRANSLATE_NOOP("vesk4::FileDialog",
                       "This is not an MPLAB include file. Change the extension and save?")},
};

const DialogDesign &designOf(FileDialogKind kind)
{
    return kDesigns[int(kind)];
}

// Looked up when shown, so that they follow the language installed at the time.
const char *const kSaveCaption = QT_TRANSLATE_NOOP("vesk4::FileDialog", "Confirm Save");
const char *const kOpenCaption = QT_TRANSLATE_NOOP("vesk4::FileDialog", "File Information");
const char *const kOverwriteQuestion
    = QT_TRANSLATE_NOOP("vesk4::FileDialog", "A file with the same name exists. Overwrite it?");
const char *const kOpenRefusal = QT_TRANSLATE_NOOP(
    "vesk4::FileDialog", "This file cannot be opened. Choose a file with the extension \".egd\".");
const char *const kNameRefusal
    = QT_TRANSLATE_NOOP("vesk4::FileDialog",
                        "The file name contains a character such as \"/\" that cannot be used. "
                        "Choose folders in the list on the left.");
const QString kExportStartName = QStringLiteral("ChrData.inc");

// The controls' design: left, top, width, height in twips, and the window's inner size around them.
constexpr QRect kDriveListRect = twipsRect(120, 120, 2655, 300);
constexpr QRect kFolderListRect = twipsRect(120, 600, 2655, 2400);
constexpr QRect kFileListRect = twipsRect(2880, 120, 2415, 2790);
constexpr QRect kFileNameBoxRect = twipsRect(120, 3120, 3375, 375);
constexpr QRect kActionButtonRect = twipsRect(3600, 3120, 855, 495);
constexpr QRect kCancelButtonRect = twipsRect(4560, 3120, 735, 495);
constexpr QSize kClientSize(twips(5415), twips(3735));

// A window of its own, not a dialog kept above the main window: the main window can come in front
// of it, and its button brings it back. A title and a close button, like a fixed dialog frame.
constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

} // namespace

FileDialog::FileDialog(FileActions &actions, FileDialogKind kind, const QList<Volume> &volumes)
    : QWidget(nullptr, kWindowFlags), actions_(actions), kind_(kind),
      driveList_(new DriveList(volumes, this)), folderList_(new FolderList(this)),
      fileList_(new FileList(this)), fileNameBox_(new QLineEdit(this)),
      actionButton_(new QPushButton(tr(designOf(kind).action), this)),
      cancelButton_(new QPushButton(tr("Cancel"), this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QString::fromUtf8(designOf(kind).objectName));
    setWindowTitle(tr(designOf(kind).caption));
    setFixedSize(kClientSize);

    driveList_->setGeometry(kDriveListRect);
    folderList_->setGeometry(kFolderListRect);
    fileList_->setGeometry(kFileListRect);
    fileNameBox_->setGeometry(kFileNameBoxRect);
    actionButton_->setGeometry(kActionButtonRect);
    cancelButton_->setGeometry(kCancelButtonRect);

    connect(driveList_, &QComboBox::currentIndexChanged, this, &FileDialog::driveChosen);
    connect(folderList_, &FolderList::pathChanged, this, &FileDialog::folderChanged);
    connect(folderList_, &FolderList::moveFailed, this,
            [this](const QString &description) { inform(actions_.title(), description); });
    // A selection by the keyboard, and every left click, also on the entry already selected after
    // the name box was edited; a click that selects runs the handler twice, to the same effect.
    connect(fileList_, &QListWidget::itemSelectionChanged, this, &FileDialog::fileSelected);
    connect(fileList_, &QListWidget::itemClicked, this, &FileDialog::fileSelected);
    connect(fileList_, &QListWidget::itemDoubleClicked, this, &FileDialog::fileDoubleClicked);
    // Enter in the name box acts at once. The window is no QDialog, so no default button takes the
    // key a second time.
    connect(fileNameBox_, &QLineEdit::returnPressed, this, &FileDialog::actionClicked);
    connect(actionButton_, &QPushButton::clicked, this, &FileDialog::actionClicked);
    connect(cancelButton_, &QPushButton::clicked, this, &FileDialog::cancelClicked);

    startUp();
}

void FileDialog::startUp()
{
    lastDrive_ = driveList_->drive();
    // The working folder plus the dialog's subfolder; without that subfolder, the working folder
    // itself, and the root when even that cannot be listed.
    const QString working = QDir::currentPath();
    for (const QString &folder :
         {pathInFolder(working, QString::fromUtf8(designOf(kind_).subfolder)), working, QDir::rootPath()}) {
        if (folderList_->setPath(folder))
            break;
    }
    switch (kind_) {
    case FileDialogKind::Save:
        fileNameBox_->setText(actions_.projectFileName());
        break;
    case FileDialogKind::Export:
        fileNameBox_->setText(kExportStartName);
        break;
    case FileDialogKind::Open:
        break;
    }
}

void FileDialog::driveChosen()
{
    const QString drive = driveList_->drive();
    if (Status moved = folderList_->setPath(drive); !moved) {
        inform(actions_.title(), moved.failure().text());
        // Runs this handler again for the old drive; a second failure finds the list already there.
        driveList_->setDrive(lastDrive_);
        return;
    }
    lastDrive_ = drive;
}

void FileDialog::folderChanged()
{
    fileList_->setFolder(folderList_->path());
    fileListRefilled();
}

void FileDialog::fileListRefilled()
{
    fileNameBox_->setText(fileList_->fileName());
}

void FileDialog::fileSelected()
{
    if (fileList_->selectedRow() >= 0)
        fileNameBox_->setText(fileList_->fileName());
}

void FileDialog::fileDoubleClicked()
{
    fileNameBox_->setText(fileList_->fileName());
    actionClicked();
}

void FileDialog::cancelClicked()
{
    close();
}

void FileDialog::actionClicked()
{
    if (kind_ == FileDialogKind::Open)
        openProject();
    else
        saveOrExport();
}

void FileDialog::saveOrExport()
{
    const int noted = fileList_->selectedRow();
    QString saveName = fileNameBox_->text();
    if (!isPlainFileName(saveName)) {
        inform(tr(kSaveCaption), tr(kNameRefusal));
        return;
    }
    switch (extensionFit(saveName, extension())) {
    case ExtensionFit::Missing:
        saveName = withExtension(saveName, extension());
        break;
    case ExtensionFit::Differs:
        if (!ask(tr(designOf(kind_).extensionQuestion)))
            return;
        saveName = withExtension(saveName, extension());
        break;
    case ExtensionFit::Matches:
        break;
    }

    // The save dialog's next showing starts with this name, even when the overwrite question below
    // is answered No.
    const QString previousName = actions_.projectFileName();
    if (kind_ == FileDialogKind::Save)
        actions_.setProjectFileName(saveName);

    const QString path = pathInFolder(fileList_->folder(), saveName);
    bool replace = true;
    bool listed = false;
    for (int row = 0; row < fileList_->count() && replace; ++row) {
        if (fileList_->item(row)->text() == saveName) {
            listed = true;
            replace = ask(tr(kOverwriteQuestion));
        }
    }
    // A file made since the folder was listed is asked about too, rather than replaced unseen.
    if (const QFileInfo existing(path); !listed && existing.exists() && !existing.isDir())
        replace = ask(tr(kOverwriteQuestion));
    fileList_->selectRow(noted);
    fileNameBox_->setText(saveName);
    if (!replace)
        return;

    const bool done
        = kind_ == FileDialogKind::Save ? actions_.saveProjectFile(path) : actions_.exportIncludeFile(path);
    if (!done) {
        // The window said why; the document stays as it was and the user can pick another name.
        if (kind_ == FileDialogKind::Save)
            actions_.setProjectFileName(previousName);
        return;
    }
    close();
}

void FileDialog::openProject()
{
    const QString loadName = fileNameBox_->text();
    if (!isPlainFileName(loadName)) {
        inform(tr(kOpenCaption), tr(kNameRefusal));
        return;
    }
    if (extensionFit(loadName, extension()) != ExtensionFit::Matches) {
        inform(tr(kOpenCaption), tr(kOpenRefusal));
        return;
    }
    // A failed read leaves the document, projectFileName included, as it was; the window said why.
    if (!actions_.openProjectFile(pathInFolder(fileList_->folder(), loadName)))
        return;
    actions_.setProjectFileName(loadName);
    close();
}

bool FileDialog::ask(const QString &text)
{
    return actions_.messageBoxes().ask(this, tr(kSaveCaption), text);
}

void FileDialog::inform(const QString &caption, const QString &text)
{
    actions_.messageBoxes().inform(this, caption, text);
}

QString FileDialog::extension() const
{
    return QString::fromUtf8(designOf(kind_).extension);
}

} // namespace vesk4
