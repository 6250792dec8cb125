#include "palette/palette_panel.h"

#include "canvas/canvas_view.h"
#include "palette/colour_model.h"
#include "widgets/twips.h"

#include <QButtonGroup>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>

namespace vesk4 {

namespace {

constexpr QRgb kMonochromeLeft = qRgb(0, 0, 0);
constexpr QRgb kMonochromeRight = qRgb(248, 248, 248);

struct OptionDesign {
    const char *caption;
    int left; // twips within the frame
    int top;
};

constexpr std::array<OptionDesign, 5> kOptions{{
    {"256色", 1200, 2280},
    {"16色", 1200, 2520},
    {"4色", 1200, 2760},
    {"2色", 1200, 3000},
    {"2色Ex", 240, 3000},
}};

// The colour rows, in pixels within the frame. The designed label widths fit one character, and
// the numbers have three digits; caption, number and swatch are spaced out so each shows whole.
constexpr int kLeftRowTop = twips(2280);
constexpr int kRightRowTop = twips(2640);
constexpr QRect kCaptionRect(twips(120), 0, 24, 16);
constexpr QRect kNumberRect(32, 0, 24, 16);
constexpr QRect kColourSwatchRect(58, 0, twips(255), twips(255));
constexpr int kOptionWidth = 60;
constexpr int kOptionHeight = 16;

} // namespace

SwatchBox::SwatchBox(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
}

void SwatchBox::fill(QColor colour)
{
    colour_ = colour;
    update();
}

void SwatchBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter(this).fillRect(contentsRect(), colour_);
}

void SwatchBox::mousePressEvent(QMouseEvent *event)
{
    emit pressed(mouseButtonNumber(event->button()));
}

void SwatchBox::mouseDoubleClickEvent(QMouseEvent *)
{
    // The first press of the double-click has already been reported, and the second is no new pick.
    // A double-click would start editing the entry, which needs the colour chart this window lacks.
}

PalettePanel::PalettePanel(QWidget *parent)
    : QGroupBox(QStringLiteral("色選択"), parent), optionGroup_(new QButtonGroup(this))
{
    const int down = titleAllowance(this);
    for (int k = 0; k < 16; ++k) {
        auto *swatch = new SwatchBox(this);
        swatch->setGeometry(
            twipsRect(120 + 480 * (k % 4), 240 + 480 * (k / 4), 495, 495).translated(0, down));
        swatch->setVisible(false);
        connect(swatch, &SwatchBox::pressed, this,
                [this, k](int button) { emit paletteSwatchPressed(k, button); });
        paletteSwatches_[k] = swatch;
    }

    // Caption, number and swatch of the left pen's row, then of the right pen's.
    // The numbers' design-time texts "黒" and "白" are replaced by colour numbers at start-up.
    auto makeRow = [this, down](const QString &side, int top, const char *caption, const char *numberText,
                                QLabel *&captionLabel, QLabel *&number, SwatchBox *&swatch) {
        captionLabel = new QLabel(QString::fromUtf8(caption), this);
        captionLabel->setObjectName(side + QStringLiteral("Caption"));
        captionLabel->setGeometry(kCaptionRect.translated(0, top + down));
        number = new QLabel(QString::fromUtf8(numberText), this);
        number->setObjectName(side + QStringLiteral("Number"));
        number->setGeometry(kNumberRect.translated(0, top + down));
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        swatch = new SwatchBox(this);
        swatch->setObjectName(side + QStringLiteral("ColourSwatch"));
        swatch->setGeometry(kColourSwatchRect.translated(0, top + down));
        swatch->setEnabled(false); // shows the colour; picks happen on the palette swatches
    };
    makeRow(QStringLiteral("left"), kLeftRowTop, "左：", "黒", leftCaption_, leftNumber_, leftSwatch_);
    makeRow(QStringLiteral("right"), kRightRowTop, "右：", "白", rightCaption_, rightNumber_, rightSwatch_);

    for (int mode = 0; mode < int(kOptions.size()); ++mode) {
        auto *option = new QRadioButton(QString::fromUtf8(kOptions[mode].caption), this);
        option->setGeometry(twips(kOptions[mode].left), twips(kOptions[mode].top) + down, kOptionWidth,
                            kOptionHeight);
        option->setEnabled(mode >= kMode2); // this edition edits monochrome pages only
        optionGroup_->addButton(option, mode);
        options_[mode] = option;
    }
    options_[kMode2Ex]->setChecked(true);
    // A click, or an arrow key that moves the choice: the program's own selections are not choices.
    connect(optionGroup_, &QButtonGroup::idClicked, this,
            [this](int mode) { emit modeSelected(ColourMode(mode)); });
    setFixedSize(twips(2175), twips(3255) + down);
}

void PalettePanel::setNumbers(const EditorState &state)
{
    leftNumber_->setText(QString::number(state.leftPenColour));
    rightNumber_->setText(QString::number(state.rightPenColour));
}

void PalettePanel::showPenColours(const EditorState &state)
{
    leftSwatch_->fill(QColor(linearColour(state.leftPenColour)));
    rightSwatch_->fill(QColor(linearColour(state.rightPenColour)));
    setNumbers(state);
}

void PalettePanel::showPalette16(const Document &doc, const EditorState &state)
{
    for (int k = 0; k < 16; ++k)
        paletteSwatches_[k]->fill(QColor(linearColour(doc.pages[0].pal16[k])));
    showPenColours(state);
}

void PalettePanel::showPalette4(const Document &doc, const EditorState &state)
{
    for (int k = 0; k < 4; ++k)
        paletteSwatches_[k]->fill(QColor(paletteSwatchLevelColour(doc.pages[state.currentPage].pal4[k])));
    leftSwatch_->fill(QColor(colourSwatchLevelColour(state.leftPenColour)));
    rightSwatch_->fill(QColor(colourSwatchLevelColour(state.rightPenColour)));
    setNumbers(state);
}

void PalettePanel::showMonochromePens(const EditorState &state)
{
    leftSwatch_->fill(QColor(kMonochromeLeft));
    rightSwatch_->fill(QColor(kMonochromeRight));
    setNumbers(state);
}

void PalettePanel::showPaletteSwatches(int count)
{
    for (int k = 0; k < 16; ++k)
        paletteSwatches_[k]->setVisible(k < count);
}

void PalettePanel::selectMode(int mode)
{
    if (mode >= 0 && mode < int(options_.size())) {
        options_[mode]->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; lift that while clearing.
    optionGroup_->setExclusive(false);
    for (QRadioButton *option : options_)
        option->setChecked(false);
    optionGroup_->setExclusive(true);
}

} // namespace vesk4
