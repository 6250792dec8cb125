#pragma once

#include "document/document.h"
#include "image/glyph_import.h"

#include <QDialog>
#include <QImage>

#include <functional>
#include <optional>

class QDialogButtonBox;
class QFontComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace vesk4 {

// "文字読込": picks an installed font or a font file, the pixel size, the characters and the first
// pattern, and shows the first glyphs as they would be written into the page's pattern size. The
// plan is worked out on every change; OK is enabled only while it can be carried out, and the
// window carries out plan() once the dialog is accepted.
class GlyphImportDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPreviewGlyphs = 8;
    static constexpr int kDefaultPixelSize = 12;

    GlyphImportDialog(const Document &doc, int page, QWidget *parent = nullptr);
    ~GlyphImportDialog() override;

    // Asks for a font file: its path, or empty when cancelled. Replaceable for tests.
    using FontFileChooser = std::function<QString(QWidget *parent)>;
    void setFontFileChooser(FontFileChooser chooser) { chooseFontFile_ = std::move(chooser); }

    QFontComboBox *fontBox() const { return fontBox_; }
    QPushButton *fontFileButton() const { return fontFileButton_; }
    QSpinBox *sizeBox() const { return sizeBox_; }
    QLineEdit *charactersBox() const { return charactersBox_; }
    QSpinBox *firstPatternBox() const { return firstBox_; }
    QPushButton *okButton() const;
    // Why the import cannot be done, or what it will report; empty when there is nothing to say.
    QString message() const;

    // The first glyphs side by side, each pattern's cell previewScale() x previewScale() pixels,
    // black for ink and white elsewhere, one cell's width of grey between two patterns.
    const QImage &previewImage() const { return preview_; }
    int previewScale() const { return previewScale_; }

    // The import as last worked out; valid while OK is enabled.
    const std::optional<GlyphImportPlan> &plan() const { return plan_; }

private:
    void fontFileButtonClicked();
    void fontChosen();
    void showPlan();
    void showPreview(const GlyphFont *font);

    const Document &doc_;
    int page_;
    QString fontFile_; // the chosen file; empty while the installed font in fontBox_ counts
    std::optional<GlyphFont> font_;
    QString fontLoaded_; // what font_ was loaded from, and at which size
    int sizeLoaded_ = 0;
    std::optional<GlyphImportPlan> plan_;
    QImage preview_;
    int previewScale_ = 1;
    FontFileChooser chooseFontFile_;

    QFontComboBox *fontBox_ = nullptr;
    QPushButton *fontFileButton_ = nullptr;
    QLabel *fontFileLabel_ = nullptr;
    QSpinBox *sizeBox_ = nullptr;
    QLineEdit *charactersBox_ = nullptr;
    QSpinBox *firstBox_ = nullptr;
    QLabel *previewLabel_ = nullptr;
    QLabel *messageLabel_ = nullptr;
    QDialogButtonBox *buttons_ = nullptr;
};

} // namespace vesk4
