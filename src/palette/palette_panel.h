#pragma once

#include "document/document.h"
#include "document/editor_state.h"

#include <QColor>
#include <QFrame>
#include <QGroupBox>

#include <array>

class QButtonGroup;
class QLabel;
class QRadioButton;

namespace vesk4 {

// A colour swatch: a bordered box filled with one colour.
class SwatchBox : public QFrame {
    Q_OBJECT
public:
    explicit SwatchBox(QWidget *parent = nullptr);

    void fill(QColor colour);
    QColor colour() const { return colour_; }

signals:
    // A press, with the button numbered 1 left, 2 right, 4 middle; a double-click follows the
    // press of the same click.
    void pressed(int button);
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QColor colour_ = Qt::white;
};

// The frame "色選択": the 16 palette swatches paletteSwatch(0..15), the left and right colour swatches
// colourSwatch(256) and colourSwatch(257) with their numbers penLabel(6) and penLabel(7), and the colour-mode
// option buttons modeButton(0..4). The window has no colour chart, so colourSwatch holds only 256 and 257.
class PalettePanel : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int kLeftSwatch = 256;
    static constexpr int kRightSwatch = 257;

    explicit PalettePanel(QWidget *parent = nullptr);

    SwatchBox *paletteSwatch(int entry) const { return paletteSwatches_.at(entry); }
    // The colour swatch 256 or 257; nullptr for a chart cell, which this window does not have.
    SwatchBox *colourSwatch(int index) const;
    // penLabel(4) "左：", (5) "右：", (6) left number, (7) right number.
    QLabel *penLabel(int index) const { return labels_.at(index - 4); }
    QRadioButton *modeButton(int mode) const { return options_.at(mode); }
    QButtonGroup *optionGroup() const { return optionGroup_; }

    // The left and right swatches by the linear rule, with their colour numbers.
    void showPenColours(const EditorState &state);
    // The 16 palette swatches from pal16 row 0 by the linear rule, then showPenColours.
    void showPalette16(const Document &doc, const EditorState &state);
    // Palette swatches 0-3 from the page's pal4 row and the left and right swatches of the RGB332
    // values leftPenColour and rightPenColour, by the level rules.
    void showPalette4(const Document &doc, const EditorState &state);
    // The monochrome swatches: black and near-white, with the colour numbers.
    void showMonochromePens(const EditorState &state);

    // Shows the first count palette swatches and hides the others.
    void showPaletteSwatches(int count);
    // Selects the option button of a colour mode; a mode without one clears the selection.
    void selectMode(int mode);

signals:
    void paletteSwatchPressed(int entry, int button);
    void paletteSwatchDoubleClicked(int entry);
    // The user or the program selected the option button of a colour mode.
    void modeSelected(int mode);

private:
    void setNumbers(const EditorState &state);

    std::array<SwatchBox *, 16> paletteSwatches_{};
    std::array<SwatchBox *, 2> colourSwatches_{};
    std::array<QLabel *, 4> labels_{};
    std::array<QRadioButton *, 5> options_{};
    QButtonGroup *optionGroup_;
};

} // namespace vesk4
