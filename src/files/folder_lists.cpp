#include "files/folder_lists.h"

#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyledItemDelegate>

namespace vesk4 {

namespace {

constexpr int kFolderRole = Qt::UserRole;
constexpr int kDepthRole = Qt::UserRole + 1;
constexpr int kIndentPerLevel = 8;

// Indents each folder entry by its depth, so the list reads as a path from the root downwards.
class IndentDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem indented(option);
        indented.rect.setLeft(option.rect.left() + indent(index));
        QStyledItemDelegate::paint(painter, indented, index);
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(indent(index), 0);
    }

private:
    static int indent(const QModelIndex &index) { return index.data(kDepthRole).toInt() * kIndentPerLevel; }
};

QString driveText(const Volume &volume)
{
    const QString root = QDir::toNativeSeparators(volume.rootPath);
    return volume.name.isEmpty() ? root : QStringLiteral("%1 [%2]").arg(root, volume.name);
}

} // namespace

DriveList::DriveList(const QList<Volume> &volumes, QWidget *parent) : QComboBox(parent), volumes_(volumes)
{
    for (const Volume &volume : volumes_)
        addItem(driveText(volume), volume.rootPath);
    const int holding = volumeHolding(volumes_, QDir::currentPath());
    setCurrentIndex(holding >= 0 ? holding : 0);
}

QString DriveList::drive() const
{
    return currentData().toString();
}

void DriveList::setDrive(const QString &root)
{
    if (const int index = findData(root); index >= 0)
        setCurrentIndex(index);
}

FolderList::FolderList(QWidget *parent) : QListWidget(parent)
{
    setItemDelegate(new IndentDelegate(this));
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        const QString folder = item->data(kFolderRole).toString();
        if (folder == path_)
            return;
        if (Status moved = setPath(folder); !moved)
            emit moveFailed(moved.failure().text());
    });
}

Status FolderList::setPath(const QString &folder)
{
    const QString absolute = absoluteFolder(folder);
    if (Status listable = checkFolder(absolute); !listable)
        return listable;
    const bool changed = absolute != path_;
    path_ = absolute;
    fill();
    if (changed)
        emit pathChanged();
    return {};
}

void FolderList::fill()
{
    clear();
    const QStringList chain = folderChain(path_);
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    auto add = [this](const QIcon &icon, const QString &text, const QString &folder, int depth) {
        auto *item = new QListWidgetItem(icon, text, this);
        item->setData(kFolderRole, folder);
        item->setData(kDepthRole, depth);
    };
    for (int depth = 0; depth < chain.size(); ++depth) {
        const QString &folder = chain[depth];
        const QString name = QFileInfo(folder).fileName();
        add(open, name.isEmpty() ? QDir::toNativeSeparators(folder) : name, folder, depth);
    }
    setCurrentRow(int(chain.size()) - 1);
    for (const QString &name : subfolderNames(path_))
        add(closed, name, pathInFolder(path_, name), int(chain.size()));
}

QString FolderList::folderAt(int row) const
{
    const QListWidgetItem *entry = item(row);
    return entry ? entry->data(kFolderRole).toString() : QString();
}

int FolderList::rowOf(const QString &folder) const
{
    const QString absolute = absoluteFolder(folder);
    for (int row = 0; row < count(); ++row)
        if (folderAt(row) == absolute)
            return row;
    return -1;
}

FileList::FileList(QWidget *parent) : QListWidget(parent) { }

namespace {

// Takes a press, release or double-click of another button than the left one off the list's hands.
bool swallowOtherButtons(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        return false;
    event->accept();
    return true;
}

} // namespace

void FileList::mousePressEvent(QMouseEvent *event)
{
    if (!swallowOtherButtons(event))
        QListWidget::mousePressEvent(event);
}

void FileList::mouseReleaseEvent(QMouseEvent *event)
{
    if (!swallowOtherButtons(event))
        QListWidget::mouseReleaseEvent(event);
}

void FileList::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (!swallowOtherButtons(event))
        QListWidget::mouseDoubleClickEvent(event);
}

void FileList::setFolder(const QString &folder)
{
    // Refilling is no user's choice of a file: no selection signal.
    const QSignalBlocker quiet(this);
    folder_ = absoluteFolder(folder);
    clear();
    addItems(fileNames(folder_));
}

QString FileList::fileName() const
{
    const int row = selectedRow();
    return row >= 0 ? item(row)->text() : QString();
}

int FileList::selectedRow() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}

void FileList::selectRow(int row)
{
    if (row < 0 || row >= count()) {
        clearSelection();
        return;
    }
    setCurrentRow(row);
}

} // namespace vesk4
