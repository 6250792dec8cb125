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
    {QT_TRANSLATE_NOOP("vesk4::PalettePanel", "256-col"), 1200, 2280},
    {QT_TRANSLATE_NOOP("vesk4::PalettePanel", "16-col"), 1200, 2520},
    {QT_TRANSLATE_NOOP("vesk4::PalettePanel", "4-col"), 1200, 2760},
    {QT_TRANSLATE_NOOP("vesk4::PalettePanel", "2-col"), 1200, 3000},
    {QT_TRANSLATE_NOOP("vesk4::PalettePanel", "2-col Ex"), 240, 3000},
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
// Between "2色Ex" and "2色" on their row, and right of the widest option: space a longer caption
// (the English one) keeps when the option grows.
constexpr int kOptionGap = 4;

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
    : QGroupBox(tr("Colours"), parent), optionGroup_(new QButtonGroup(this))
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
    // The numbers' design-time texts "Black" and "White" are replaced by colour numbers at start-up.
    auto makeRow = [this, down](const QString &side, int top, const char *caption, const char *numberText,
                                QLabel *&captionLabel, QLabel *&number, SwatchBox *&swatch) {
        captionLabel = new QLabel(tr(caption), this);
        captionLabel->setObjectName(side + QStringLiteral("Caption"));
        captionLabel->setGeometry(kCaptionRect.translated(0, top + down));
        number = new QLabel(tr(numberText), this);
        number->setObjectName(side + QStringLiteral("Number"));
        number->setGeometry(kNumberRect.translated(0, top + down));
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        swatch = new SwatchBox(this);
        swatch->setObjectName(side + QStringLiteral("ColourSwatch"));
        swatch->setGeometry(kColourSwatchRect.translated(0, top + down));
        swatch->setEnabled(false); // shows the colour; picks happen on the palette swatches
    };
    makeRow(QStringLiteral("left"), kLeftRowTop, QT_TR_NOOP("L:"), QT_TR_NOOP("Black"), leftCaption_,
            leftNumber_, leftSwatch_);
    makeRow(QStringLiteral("right"), kRightRowTop, QT_TR_NOOP("R:"), QT_TR_NOOP("White"), rightCaption_,
            rightNumber_, rightSwatch_);

    int widest = 0;
    for (int mode = 0; mode < int(kOptions.size()); ++mode) {
        auto *option = new QRadioButton(tr(kOptions[mode].caption), this);
        // As designed unless the caption needs more: then the option grows to the right, and "2色Ex",
        // which sits left of "2色" on their row, grows to the left instead.
        const int width = std::max(kOptionWidth, option->sizeHint().width());
        int left = twips(kOptions[mode].left);
        if (mode == kMode2Ex)
            left = std::max(0, std::min(left, options_[kMode2]->x() - kOptionGap - width));
        option->setGeometry(left, twips(kOptions[mode].top) + down, width, kOptionHeight);
        widest = std::max(widest, option->geometry().right() + 1 + kOptionGap);
        option->setEnabled(mode >= kMode2); // this edition edits monochrome pages only
        optionGroup_->addButton(option, mode);
        options_[mode] = option;
    }
    options_[kMode2Ex]->setChecked(true);
    // A click, or an arrow key that moves the choice: the program's own selections are not choices.
    connect(optionGroup_, &QButtonGroup::idClicked, this,
            [this](int mode) { emit modeSelected(ColourMode(mode)); });
    setFixedSize(std::max(twips(2175), widest), twips(3255) + down);
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
