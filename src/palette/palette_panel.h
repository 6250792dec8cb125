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
    // A press, with the button numbered 1 left, 2 right, 4 middle.
    void pressed(int button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QColor colour_ = Qt::white;
};

// The frame "色選択": the 16 palette swatches, the left and right pen's colour swatches with their
// captions and colour numbers, and one option button per colour mode. The window has no colour
// chart to pick colour numbers from. The panel shows what it is told and signals only what the user
// does.
class PalettePanel : public QGroupBox {
    Q_OBJECT
public:
    explicit PalettePanel(QWidget *parent = nullptr);

    SwatchBox *paletteSwatch(int entry) const { return paletteSwatches_.at(entry); }
    SwatchBox *leftColourSwatch() const { return leftSwatch_; }
    SwatchBox *rightColourSwatch() const { return rightSwatch_; }
    QLabel *leftCaption() const { return leftCaption_; } // "左："
    QLabel *rightCaption() const { return rightCaption_; } // "右："
    QLabel *leftNumber() const { return leftNumber_; } // the left pen's colour number
    QLabel *rightNumber() const { return rightNumber_; } // the right pen's colour number
    QRadioButton *modeButton(ColourMode mode) const { return options_.at(mode); }
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
    // The user chose the option button of a colour mode, also the one already chosen.
    void modeSelected(ColourMode mode);

private:
    void setNumbers(const EditorState &state);

    std::array<SwatchBox *, 16> paletteSwatches_{};
    SwatchBox *leftSwatch_ = nullptr;
    SwatchBox *rightSwatch_ = nullptr;
    QLabel *leftCaption_ = nullptr;
    QLabel *rightCaption_ = nullptr;
    QLabel *leftNumber_ = nullptr;
    QLabel *rightNumber_ = nullptr;
    std::array<QRadioButton *, 5> options_{};
    QButtonGroup *optionGroup_;
};

} // namespace vesk4
