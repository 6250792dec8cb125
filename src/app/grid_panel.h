#pragma once

#include <QGroupBox>

#include <array>

class QLineEdit;
class QScrollBar;

namespace vesk4 {

// The frame "グリッド": the grid interval boxes Text1(0) (X) and Text1(1) (Y), each with its spin
// bar VScroll2(0) and VScroll2(1).
class GridPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit GridPanel(QWidget *parent = nullptr);

    // Index 0 or 1; the pattern-count box 4 is in the settings panel.
    QLineEdit *Text1(int index) const { return index == 0 || index == 1 ? text1_[index] : nullptr; }
    QScrollBar *VScroll2(int index) const { return index == 0 || index == 1 ? vScroll2_[index] : nullptr; }

private:
    std::array<QLineEdit *, 2> text1_{};
    std::array<QScrollBar *, 2> vScroll2_{};
};

} // namespace vesk4
