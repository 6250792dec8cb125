#pragma once

#include <QGroupBox>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QScrollBar;

namespace vesk4 {

// Spin bars run from 0 to their K with box value = K - position, so moving a bar up raises the
// number in its box.
inline constexpr int kGridXSpinMaximum = 128;
inline constexpr int kGridYSpinMaximum = 96;
inline constexpr int kPatternCountSpinMaximum = 255;

// A number box with a spin bar beside it, coupled by box value = maximum - bar position.
QScrollBar *makeSpinBar(int maximum, int boxValue, QWidget *parent = nullptr);

// The frame "キャラクタ設定": the page's name box Text2, the width and height lists Combo1(0) and
// Combo1(1), the pattern-count box Text1(4) with its spin bar VScroll2(4) and the output check
// box Check1.
class SettingsPanel : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int kPatternCountBox = 4;

    explicit SettingsPanel(QWidget *parent = nullptr);

    QLineEdit *Text2() const { return text2_; }
    QComboBox *Combo1(int index) const { return combo1_.at(index); }
    // The pattern-count box and spin bar, index 4; the grid's 0 and 1 are in the grid panel.
    QLineEdit *Text1(int index) const { return index == kPatternCountBox ? text1_ : nullptr; }
    QScrollBar *VScroll2(int index) const { return index == kPatternCountBox ? vScroll2_ : nullptr; }
    QCheckBox *Check1() const { return check1_; }

    // Appends the width items, then the height items.
    void fillSizeLists();
    // Selects the item of a size in the width (0) or height (1) list; a size the list lacks
    // leaves the selection as it is.
    void selectSize(int list, int size);

private:
    QLineEdit *text2_;
    std::array<QComboBox *, 2> combo1_{};
    QLineEdit *text1_;
    QScrollBar *vScroll2_;
    QCheckBox *check1_;
};

} // namespace vesk4
