#include "app/firmware_status.h"

#include "export/include_where.h"

#include <QAction>
#include <QInputDialog>
#include <QLabel>
#include <QSettings>
#include <QStatusBar>

#include <limits>

namespace vesk4 {

FirmwareStatus::FirmwareStatus(QStatusBar *bar, const Document &doc)
    : QObject(bar), doc_(doc), cell_(new QLabel(bar)), total_(new QLabel(bar))
{
    bar->setSizeGripEnabled(false);
    bar->addWidget(cell_, 1);
    bar->addPermanentWidget(total_);
    sizeLimit_ = std::max<qlonglong>(QSettings().value(QLatin1String(kSizeLimitKey), 0).toLongLong(), 0);
    auto *limit = new QAction(tr("Size Limit..."), total_);
    total_->setContextMenuPolicy(Qt::ActionsContextMenu);
    total_->addAction(limit);
    connect(limit, &QAction::triggered, this, &FirmwareStatus::askSizeLimit);
    showTotal();
}

void FirmwareStatus::pointerAt(int page, int x, int y)
{
    if (page == page_ && x == x_ && y == y_)
        return;
    page_ = page;
    x_ = x;
    y_ = y;
    const Expected<CellWhere> where = whereCell(doc_, page, x, y);
    if (!where) {
        cell_->setText(tr("Cell %1,%2  Outside the patterns").arg(x).arg(y));
        return;
    }
    const IncludeCellPlace &place = where.value().place;
    QString text = tr("Cell %1,%2  Pattern %3  Byte %4 Bit %5 (%6 bits)")
                       .arg(x)
                       .arg(y)
                       .arg(place.pattern)
                       .arg(place.byte)
                       .arg(place.bit)
                       .arg(place.bits);
    // Each further field is a text of its own with the line so far as %1, so that a language may
    // word the field freely.
    if (place.maskByte)
        text = tr("%1  Mask %2").arg(text).arg(*place.maskByte);
    if (where.value().offset)
        text = tr("%1  Offset %2").arg(text).arg(*where.value().offset);
    cell_->setText(text);
}

void FirmwareStatus::documentChanged()
{
    pageShown(page_);
}

void FirmwareStatus::pageShown(int page)
{
    showTotal();
    // The cell last shown, made again for what the document now holds.
    if (page_ < 0)
        return;
    page_ = -1;
    pointerAt(page, x_, y_);
}

void FirmwareStatus::setSizeLimit(int64_t bytes)
{
    sizeLimit_ = std::max<int64_t>(bytes, 0);
    QSettings().setValue(QLatin1String(kSizeLimitKey), qlonglong(sizeLimit_));
    showTotal();
}

void FirmwareStatus::askSizeLimit()
{
    bool ok = false;
    const int bytes = QInputDialog::getInt(
        total_->window(), tr("Size Limit"), tr("Size limit of the PIC data (bytes, 0 for no limit):"),
        int(std::min<int64_t>(sizeLimit_, std::numeric_limits<int>::max())), 0,
        std::numeric_limits<int>::max(), 1, &ok);
    if (ok)
        setSizeLimit(bytes);
}

void FirmwareStatus::showTotal()
{
    const Expected<IncludeSizes> sizes = includeSizes(doc_);
    if (!sizes) {
        total_->setText(tr("Cannot export"));
        total_->setToolTip(sizes.failure().message);
        total_->setStyleSheet(QStringLiteral("color: red"));
        return;
    }
    const int64_t total = sizes.value().total;
    const bool over = sizeLimit_ > 0 && total > sizeLimit_;
    total_->setToolTip(tr("The bytes the PIC data assembles. Right-click to set a size limit."));
    total_->setText(sizeLimit_ > 0 ? tr("Total %1 / %2 bytes").arg(total).arg(sizeLimit_)
                                   : tr("Total %1 bytes").arg(total));
    total_->setStyleSheet(over ? QStringLiteral("color: red") : QString());
}

} // namespace vesk4
