#include "image/image_import_dialog.h"

#include "canvas/canvas_greys.h"
#include "image/page_image.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace vesk4 {

ImageImportDialog::ImageImportDialog(const Document &doc, int page, QImage image, QPoint at, QWidget *parent)
    : QDialog(parent), doc_(doc), page_(page), image_(std::move(image)), at_(at)
{
    setWindowTitle(tr("Import Image"));
    thresholdBox_ = new QSpinBox(this);
    thresholdBox_->setRange(0, 255);
    thresholdBox_->setValue(kDefaultImportThreshold);
    ditheringList_ = new QComboBox(this);
    ditheringList_->addItems({tr("None"), QStringLiteral("Floyd-Steinberg"), QStringLiteral("Atkinson"),
                              QStringLiteral("Bayer 4×4")});
    previewLabel_ = new QLabel(this);
    messageLabel_ = new QLabel(this);
    messageLabel_->setWordWrap(true);
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto *form = new QFormLayout;
    form->addRow(tr("Threshold"), thresholdBox_);
    form->addRow(tr("Dithering"), ditheringList_);
    form->addRow(tr("Preview"), previewLabel_);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(messageLabel_);
    layout->addWidget(buttons_);

    connect(thresholdBox_, &QSpinBox::valueChanged, this, &ImageImportDialog::showPreview);
    connect(ditheringList_, &QComboBox::currentIndexChanged, this, &ImageImportDialog::showPreview);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showPreview();
}

QPushButton *ImageImportDialog::okButton() const
{
    return buttons_->button(QDialogButtonBox::Ok);
}

int ImageImportDialog::threshold() const
{
    return thresholdBox_->value();
}

Dithering ImageImportDialog::dithering() const
{
    static constexpr Dithering kOrder[]
        = {Dithering::None, Dithering::FloydSteinberg, Dithering::Atkinson, Dithering::Bayer4};
    return kOrder[std::clamp(ditheringList_->currentIndex(), 0, 3)];
}

void ImageImportDialog::showPreview()
{
    // Only the rows that reach the sheet are worked out; the dithering carries nothing upwards.
    const int rows = std::clamp(kSheetHeight - at_.y(), 0, image_.height());
    const int columns = std::clamp(kSheetWidth - at_.x(), 0, image_.width());
    const Expected<std::vector<int16_t>> entries
        = imageEntries(doc_, page_, image_, rows, threshold(), dithering());
    if (!entries) {
        preview_ = QImage();
        previewLabel_->clear();
        messageLabel_->setText(entries.failure().text());
        okButton()->setEnabled(false);
        return;
    }
    messageLabel_->clear();
    okButton()->setEnabled(true);
    const int s = kPreviewScale;
    const int mode = doc_.pages[page_].colourMode;
    preview_ = QImage(std::max(columns, 1) * s, std::max(rows, 1) * s, QImage::Format_RGB32);
    preview_.fill(Qt::white);
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < columns; ++x) {
            const int v = entries.value()[std::size_t(y) * std::size_t(image_.width()) + std::size_t(x)];
            const int g = cellGrey(doc_, mode, v, 255, 128);
            for (int dy = 0; dy < s; ++dy)
                std::fill_n(reinterpret_cast<QRgb *>(preview_.scanLine(y * s + dy)) + std::ptrdiff_t(x) * s,
                            s, qRgb(g, g, g));
        }
    }
    previewLabel_->setPixmap(QPixmap::fromImage(preview_));
}

} // namespace vesk4
