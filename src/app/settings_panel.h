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

// The frame "キャラクタ設定": the page's name box, the width and height lists sizeList(0) and
// sizeList(1), the pattern-count box numberBox(4) with its spin bar spinBar(4) and the output check
// box.
class SettingsPanel : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int kPatternCountBox = 4;

    explicit SettingsPanel(QWidget *parent = nullptr);

    QLineEdit *nameBox() const { return nameBox_; }
    QComboBox *sizeList(int index) const { return sizeLists_.at(index); }
    // The pattern-count box and spin bar, index 4; the grid's 0 and 1 are in the grid panel.
    QLineEdit *numberBox(int index) const { return index == kPatternCountBox ? countBox_ : nullptr; }
    QScrollBar *spinBar(int index) const { return index == kPatternCountBox ? countSpinBar_ : nullptr; }
    QCheckBox *outputCheckBox() const { return outputCheckBox_; }

    // Appends the width items, then the height items.
    void fillSizeLists();
    // Selects the item of a size in the width (0) or height (1) list; a size the list lacks
    // leaves the selection as it is.
    void selectSize(int list, int size);

private:
    QLineEdit *nameBox_;
    std::array<QComboBox *, 2> sizeLists_{};
    QLineEdit *countBox_;
    QScrollBar *countSpinBar_;
    QCheckBox *outputCheckBox_;
};

} // namespace vesk4
