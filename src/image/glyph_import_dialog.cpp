#include "image/glyph_import_dialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace vesk4 {

namespace {

constexpr int kPreviewWidthPx = 480; // the preview's scale is the largest that keeps it this narrow
constexpr int kMaxPreviewScale = 4;
constexpr QRgb kInkPixel = 0xFF000000;
constexpr QRgb kBlankPixel = 0xFFFFFFFF;
constexpr QRgb kGapPixel = 0xFFC0C0C0;

QString chooseFontFileWithDialog(QWidget *parent)
{
    return QFileDialog::getOpenFileName(
        parent, GlyphImportDialog::tr("Font File"), {},
        GlyphImportDialog::tr("Fonts (*.ttf *.otf *.ttc *.bdf *.pcf *.pcf.gz);;"
                              "All Files (*)"),
        nullptr, QFileDialog::DontUseNativeDialog);
}

} // namespace

GlyphImportDialog::GlyphImportDialog(const Document &doc, int page, QWidget *parent)
    : QDialog(parent), doc_(doc), page_(page), chooseFontFile_(chooseFontFileWithDialog)
{
    setWindowTitle(tr("Import Characters"));

    fontBox_ = new QFontComboBox(this);
    fontFileButton_ = new QPushButton(tr("Font File..."), this);
    fontFileLabel_ = new QLabel(this);
    sizeBox_ = new QSpinBox(this);
    sizeBox_->setRange(kMinGlyphPixelSize, kMaxGlyphPixelSize);
    sizeBox_->setValue(kDefaultPixelSize);
    sizeBox_->setSuffix(QStringLiteral(" px"));
    charactersBox_ = new QLineEdit(printableAscii(), this);
    firstBox_ = new QSpinBox(this);
    firstBox_->setRange(0, kMaxPagePatterns - 1);
    previewLabel_ = new QLabel(this);
    previewLabel_->setMinimumHeight(64);
    messageLabel_ = new QLabel(this);
    messageLabel_->setWordWrap(true);
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto *fontRow = new QHBoxLayout;
    fontRow->addWidget(fontBox_, 1);
    fontRow->addWidget(fontFileButton_);
    auto *form = new QFormLayout;
    form->addRow(tr("Font"), fontRow);
    form->addRow(QString(), fontFileLabel_);
    form->addRow(tr("Size"), sizeBox_);
    form->addRow(tr("Characters"), charactersBox_);
    form->addRow(tr("First pattern"), firstBox_);
    form->addRow(tr("Preview"), previewLabel_);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(messageLabel_);
    layout->addWidget(buttons_);

    connect(fontBox_, &QFontComboBox::currentFontChanged, this, &GlyphImportDialog::fontChosen);
    connect(fontFileButton_, &QPushButton::clicked, this, &GlyphImportDialog::fontFileButtonClicked);
    connect(sizeBox_, &QSpinBox::valueChanged, this, &GlyphImportDialog::showPlan);
    connect(charactersBox_, &QLineEdit::textChanged, this, &GlyphImportDialog::showPlan);
    connect(firstBox_, &QSpinBox::valueChanged, this, &GlyphImportDialog::showPlan);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showPlan();
}

GlyphImportDialog::~GlyphImportDialog() = default;

QPushButton *GlyphImportDialog::okButton() const
{
    return buttons_->button(QDialogButtonBox::Ok);
}

QString GlyphImportDialog::message() const
{
    return messageLabel_->text();
}

void GlyphImportDialog::fontFileButtonClicked()
{
    const QString path = chooseFontFile_(this);
    if (path.isEmpty())
        return;
    fontFile_ = path;
    fontFileLabel_->setText(path);
    showPlan();
}

// Picking an installed font gives up the file chosen before.
void GlyphImportDialog::fontChosen()
{
    fontFile_.clear();
    fontFileLabel_->clear();
    showPlan();
}

void GlyphImportDialog::showPlan()
{
    plan_.reset();
    const QString fontName = fontFile_.isEmpty() ? fontBox_->currentFont().family() : fontFile_;
    if (!font_ || fontName != fontLoaded_ || sizeBox_->value() != sizeLoaded_) {
        font_.reset();
        fontLoaded_ = fontName;
        sizeLoaded_ = sizeBox_->value();
        Expected<GlyphFont> loaded = GlyphFont::load(fontName, sizeLoaded_);
        if (loaded)
            font_.emplace(std::move(loaded.value()));
        else
            messageLabel_->setText(loaded.failure().text());
    }
    showPreview(font_ ? &*font_ : nullptr);
    if (font_) {
        Expected<GlyphImportPlan> planned
            = planGlyphImport(doc_, page_, *font_, charactersBox_->text(), firstBox_->value());
        if (planned) {
            plan_ = std::move(planned.value());
            QStringList notes;
            if (!plan_->missing.empty()) {
                QStringList codes;
                for (char32_t c : plan_->missing)
                    codes << codePointText(c);
                notes << tr("Characters missing from the font: %1").arg(codes.join(QLatin1Char(' ')));
            }
            if (plan_->cutGlyphs > 0)
                notes << tr("Characters cut at their patterns: %1").arg(plan_->cutGlyphs);
            messageLabel_->setText(notes.join(QLatin1Char('\n')));
        } else {
            messageLabel_->setText(planned.failure().text());
        }
    }
    okButton()->setEnabled(plan_.has_value());
}

void GlyphImportDialog::showPreview(const GlyphFont *font)
{
    const QSize box(std::clamp<int>(doc_.pages[page_].patternWidth, 1, kSheetWidth),
                    std::clamp<int>(doc_.pages[page_].patternHeight, 1, kSheetHeight));
    const QList<uint> characters = charactersBox_->text().toUcs4().mid(0, kPreviewGlyphs);
    const int count = font ? int(characters.size()) : 0;
    previewScale_ = std::clamp(kPreviewWidthPx / (kPreviewGlyphs * (box.width() + 1)), 1, kMaxPreviewScale);
    const int s = previewScale_;
    if (count == 0) {
        preview_ = QImage();
        previewLabel_->clear();
        return;
    }
    preview_ = QImage(((box.width() + 1) * count - 1) * s, box.height() * s, QImage::Format_RGB32);
    preview_.fill(kGapPixel);
    for (int i = 0; i < count; ++i) {
        const GlyphCells cells = font->draw(characters[i], box);
        const int left = i * (box.width() + 1) * s;
        for (int y = 0; y < box.height(); ++y) {
            for (int x = 0; x < box.width(); ++x) {
                const QRgb colour = cells.inkAt(x, y) ? kInkPixel : kBlankPixel;
                for (int dy = 0; dy < s; ++dy)
                    std::fill_n(reinterpret_cast<QRgb *>(preview_.scanLine(y * s + dy)) + left
                                    + std::ptrdiff_t(x) * s,
                                s, colour);
            }
        }
    }
    previewLabel_->setPixmap(QPixmap::fromImage(preview_));
}

} // namespace vesk4
