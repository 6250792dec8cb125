#pragma once

#include <QGroupBox>

#include <array>

class QLineEdit;
class QScrollBar;

namespace vesk4 {

// The frame "グリッド": the grid interval boxes numberBox(0) (X) and numberBox(1) (Y), each with its spin
// bar spinBar(0) and spinBar(1).
class GridPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit GridPanel(QWidget *parent = nullptr);

    // Index 0 or 1; the pattern-count box 4 is in the settings panel.
    QLineEdit *numberBox(int index) const
    {
        return index == 0 || index == 1 ? intervalBoxes_[index] : nullptr;
    }
    QScrollBar *spinBar(int index) const
    {
        return index == 0 || index == 1 ? intervalSpinBars_[index] : nullptr;
    }

private:
    std::array<QLineEdit *, 2> intervalBoxes_{};
    std::array<QScrollBar *, 2> intervalSpinBars_{};
};

} // namespace vesk4
