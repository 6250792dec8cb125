#include "app/firmware_status.h"

#include "export/include_where.h"

#include <QAction>
#include <QInputDialog>
#include <QLabel>
#include <QSettings>
#include <QStatusBar>

#include <limits>

namespace vesk4 {

namespace {

const QString kTotalTip
    = QStringLiteral("PICデータが組み立てるバイト数。右クリックでサイズ上限を設定します。");

} // namespace

FirmwareStatus::FirmwareStatus(QStatusBar *bar, const Document &doc)
    : QObject(bar), doc_(doc), cell_(new QLabel(bar)), total_(new QLabel(bar))
{
    bar->setSizeGripEnabled(false);
    bar->addWidget(cell_, 1);
    bar->addPermanentWidget(total_);
    sizeLimit_ = std::max<qlonglong>(QSettings().value(QLatin1String(kSizeLimitKey), 0).toLongLong(), 0);
    auto *limit = new QAction(QStringLiteral("サイズ上限..."), total_);
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
    QString text = QStringLiteral("セル %1,%2  ").arg(x).arg(y);
    const Expected<CellWhere> where = whereCell(doc_, page, x, y);
    if (!where) {
        cell_->setText(text + QStringLiteral("パターン外"));
        return;
    }
    const IncludeCellPlace &place = where.value().place;
    text += QStringLiteral("パターン %1  バイト %2 ビット %3 (%4ビット)")
                .arg(place.pattern)
                .arg(place.byte)
                .arg(place.bit)
                .arg(place.bits);
    if (place.maskByte)
        text += QStringLiteral("  マスク %1").arg(*place.maskByte);
    if (where.value().offset)
        text += QStringLiteral("  オフセット %1").arg(*where.value().offset);
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
    const int bytes
        = QInputDialog::getInt(total_->window(), QStringLiteral("サイズ上限"),
                               QStringLiteral("PICデータのサイズ上限 (バイト、0 で上限なし)："),
                               int(std::min<int64_t>(sizeLimit_, std::numeric_limits<int>::max())), 0,
                               std::numeric_limits<int>::max(), 1, &ok);
    if (ok)
        setSizeLimit(bytes);
}

void FirmwareStatus::showTotal()
{
    const Expected<IncludeSizes> sizes = includeSizes(doc_);
    if (!sizes) {
        total_->setText(QStringLiteral("出力できません"));
        total_->setToolTip(sizes.failure().message);
        total_->setStyleSheet(QStringLiteral("color: red"));
        return;
    }
    const int64_t total = sizes.value().total;
    const bool over = sizeLimit_ > 0 && total > sizeLimit_;
    total_->setToolTip(kTotalTip);
    total_->setText(sizeLimit_ > 0 ? QStringLiteral("合計 %1 / %2 バイト").arg(total).arg(sizeLimit_)
                                   : QStringLiteral("合計 %1 バイト").arg(total));
    total_->setStyleSheet(over ? QStringLiteral("color: red") : QString());
}

} // namespace vesk4
