#include "files/file_dialog.h"

#include "app/main_window.h"
#include "app/twips.h"
#include "files/file_names.h"
#include "files/folder_lists.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

namespace vesk4 {

namespace {

struct DialogDesign {
    const char *form;
    const char *caption;
    const char *action;
    const char *subfolder;
    const char *extension;
    const char *extensionQuestion; // save and export only
};

// Indexed by FileDialogKind.
const DialogDesign kDesigns[] = {
    {"Form2", "保存", "保存", "egd", ".egd",
     "グラフィックエディタ用のファイルではありません。拡張子を変更して保存しますか?"},
    {"Form3", "開く", "開く", "egd", ".egd", nullptr},
    {"Form4", "ELK用画像データ出力", "出力", "inc", ".inc",
     "MPLAB用のインクルードファイルではありません。拡張子を変更して保存しますか?"},
};

const DialogDesign &designOf(FileDialogKind kind)
{
    return kDesigns[int(kind)];
}

const QString kSaveCaption = QStringLiteral("保存確認");
const QString kOpenCaption = QStringLiteral("ファイル情報");
const QString kOverwriteQuestion = QStringLiteral("同じ名前のファイルがあります。上書き保存しますか?");
const QString kOpenRefusal
    = QStringLiteral("このファイルは開けません。拡張子が「.egd」のファイルを選択してください。");
const QString kNameRefusal = QStringLiteral(
    "ファイル名に「/」など使えない文字が含まれています。フォルダは左の一覧から選んでください。");
const QString kExportStartName = QStringLiteral("ChrData.inc");

// The controls' design: left, top, width, height in twips, and the window's inner size around them.
constexpr QRect kDrive1Rect = twipsRect(120, 120, 2655, 300);
constexpr QRect kDir1Rect = twipsRect(120, 600, 2655, 2400);
constexpr QRect kFile1Rect = twipsRect(2880, 120, 2415, 2790);
constexpr QRect kText1Rect = twipsRect(120, 3120, 3375, 375);
constexpr QRect kCommand1Rect = twipsRect(3600, 3120, 855, 495);
constexpr QRect kCommand2Rect = twipsRect(4560, 3120, 735, 495);
constexpr QSize kClientSize(twips(5415), twips(3735));

// A window of its own, not a dialog kept above the main window: the main window can come in front
// of it, and its button brings it back. A title and a close button, like a fixed dialog frame.
constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

} // namespace

FileDialog::FileDialog(MainWindow &window, FileDialogKind kind, const QList<Volume> &volumes)
    : QWidget(nullptr, kWindowFlags), window_(window), kind_(kind), drive1_(new DriveList(volumes, this)),
      dir1_(new FolderList(this)), file1_(new FileList(this)), text1_(new QLineEdit(this)),
      command1_(new QPushButton(QString::fromUtf8(designOf(kind).action), this)),
      command2_(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QString::fromUtf8(designOf(kind).form));
    setWindowTitle(QString::fromUtf8(designOf(kind).caption));
    setFixedSize(kClientSize);

    drive1_->setGeometry(kDrive1Rect);
    dir1_->setGeometry(kDir1Rect);
    file1_->setGeometry(kFile1Rect);
    text1_->setGeometry(kText1Rect);
    command1_->setGeometry(kCommand1Rect);
    command2_->setGeometry(kCommand2Rect);

    connect(drive1_, &QComboBox::currentIndexChanged, this, &FileDialog::Drive1_Change);
    connect(dir1_, &FolderList::pathChanged, this, &FileDialog::Dir1_Change);
    connect(dir1_, &FolderList::moveFailed, this,
            [this](const QString &description) { inform(window_.windowTitle(), description); });
    // A selection by the keyboard, and every left click, also on the entry already selected after
    // the name box was edited; a click that selects runs the handler twice, to the same effect.
    connect(file1_, &QListWidget::itemSelectionChanged, this, &FileDialog::File1_Click);
    connect(file1_, &QListWidget::itemClicked, this, &FileDialog::File1_Click);
    connect(file1_, &QListWidget::itemDoubleClicked, this, &FileDialog::File1_DblClick);
    // Enter in the name box acts at once. The window is no QDialog, so no default button takes the
    // key a second time.
    connect(text1_, &QLineEdit::returnPressed, this, &FileDialog::Command1_Click);
    connect(command1_, &QPushButton::clicked, this, &FileDialog::Command1_Click);
    connect(command2_, &QPushButton::clicked, this, &FileDialog::Command2_Click);

    Form_Load();
}

void FileDialog::Form_Load()
{
    pOldDrive = drive1_->drive();
    // The working folder plus the dialog's subfolder; without that subfolder, the working folder
    // itself, and the root when even that cannot be listed.
    const QString working = QDir::currentPath();
    for (const QString &folder :
         {pathInFolder(working, QString::fromUtf8(designOf(kind_).subfolder)), working, QDir::rootPath()}) {
        if (dir1_->setPath(folder))
            break;
    }
    switch (kind_) {
    case FileDialogKind::Save:
        text1_->setText(window_.document().FilePath);
        break;
    case FileDialogKind::Export:
        text1_->setText(kExportStartName);
        break;
    case FileDialogKind::Open:
        break;
    }
}

void FileDialog::Drive1_Change()
{
    const QString drive = drive1_->drive();
    if (Status moved = dir1_->setPath(drive); !moved) {
        inform(window_.windowTitle(), moved.failure().text());
        // Runs this handler again for the old drive; a second failure finds the list already there.
        drive1_->setDrive(pOldDrive);
        return;
    }
    pOldDrive = drive;
}

void FileDialog::Dir1_Change()
{
    file1_->setFolder(dir1_->path());
    File1_PatternChange();
}

void FileDialog::File1_PatternChange()
{
    text1_->setText(file1_->fileName());
}

void FileDialog::File1_Click()
{
    if (file1_->selectedRow() >= 0)
        text1_->setText(file1_->fileName());
}

void FileDialog::File1_DblClick()
{
    text1_->setText(file1_->fileName());
    Command1_Click();
}

void FileDialog::Command2_Click()
{
    close();
}

void FileDialog::Command1_Click()
{
    if (kind_ == FileDialogKind::Open)
        openProject();
    else
        saveOrExport();
}

void FileDialog::saveOrExport()
{
    const int noted = file1_->selectedRow();
    pSaveName = text1_->text();
    if (!isPlainFileName(pSaveName)) {
        inform(kSaveCaption, kNameRefusal);
        return;
    }
    switch (extensionFit(pSaveName, extension())) {
    case ExtensionFit::Missing:
        pSaveName = withExtension(pSaveName, extension());
        break;
    case ExtensionFit::Differs:
        if (!ask(QString::fromUtf8(designOf(kind_).extensionQuestion)))
            return;
        pSaveName = withExtension(pSaveName, extension());
        break;
    case ExtensionFit::Matches:
        break;
    }

    // The save dialog's next showing starts with this name, even when the overwrite question below
    // is answered No.
    const QString previousFilePath = window_.document().FilePath;
    if (kind_ == FileDialogKind::Save)
        window_.document().FilePath = pSaveName;

    const QString path = pathInFolder(file1_->folder(), pSaveName);
    bool replace = true;
    bool listed = false;
    for (int row = 0; row < file1_->count() && replace; ++row) {
        if (file1_->item(row)->text() == pSaveName) {
            listed = true;
            replace = ask(kOverwriteQuestion);
        }
    }
    // A file made since the folder was listed is asked about too, rather than replaced unseen.
    if (const QFileInfo existing(path); !listed && existing.exists() && !existing.isDir())
        replace = ask(kOverwriteQuestion);
    file1_->selectRow(noted);
    text1_->setText(pSaveName);
    if (!replace)
        return;

    const bool done
        = kind_ == FileDialogKind::Save ? window_.saveProjectFile(path) : window_.exportIncludeFile(path);
    if (!done) {
        // The window said why; the document stays as it was and the user can pick another name.
        if (kind_ == FileDialogKind::Save)
            window_.document().FilePath = previousFilePath;
        return;
    }
    close();
}

void FileDialog::openProject()
{
    pLoadName = text1_->text();
    if (!isPlainFileName(pLoadName)) {
        inform(kOpenCaption, kNameRefusal);
        return;
    }
    if (extensionFit(pLoadName, extension()) != ExtensionFit::Matches) {
        inform(kOpenCaption, kOpenRefusal);
        return;
    }
    // A failed read leaves the document, FilePath included, as it was; the window said why.
    if (!window_.openProjectFile(pathInFolder(file1_->folder(), pLoadName)))
        return;
    window_.document().FilePath = pLoadName;
    close();
}

bool FileDialog::ask(const QString &text)
{
    return window_.messageBoxes().ask(this, kSaveCaption, text);
}

void FileDialog::inform(const QString &caption, const QString &text)
{
    window_.messageBoxes().inform(this, caption, text);
}

QString FileDialog::extension() const
{
    return QString::fromUtf8(designOf(kind_).extension);
}

} // namespace vesk4
