#pragma once

#include "document/document.h"
#include "image/dithering.h"

#include <QDialog>
#include <QImage>
#include <QPoint>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace vesk4 {

// The options of "画像読込" once the image is chosen: the threshold and the dithering, with a
// preview of the cells the image gives where it lands on the sheet.
class ImageImportDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPreviewScale = 2;

    // The image lands on the page with its top-left pixel at cell at.
    ImageImportDialog(const Document &doc, int page, QImage image, QPoint at, QWidget *parent = nullptr);

    QSpinBox *thresholdBox() const { return thresholdBox_; }
    // The entries: none, then the ditherings in the order of Dithering.
    QComboBox *ditheringList() const { return ditheringList_; }
    QPushButton *okButton() const;

    int threshold() const;
    Dithering dithering() const;
    const QImage &image() const { return image_; }
    QPoint at() const { return at_; }

    // The cells of the sheet the image covers, from cell at on, each kPreviewScale pixels square in
    // the grey the canvas shows its entry in (entry 2 of a "2色Ex" page mid-grey).
    const QImage &previewImage() const { return preview_; }

private:
    void showPreview();

    const Document &doc_;
    int page_;
    QImage image_;
    QPoint at_;
    QImage preview_;

    QSpinBox *thresholdBox_ = nullptr;
    QComboBox *ditheringList_ = nullptr;
    QLabel *previewLabel_ = nullptr;
    QLabel *messageLabel_ = nullptr;
    QDialogButtonBox *buttons_ = nullptr;
};

} // namespace vesk4
