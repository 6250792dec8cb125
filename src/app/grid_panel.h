#pragma once

#include "document/page_settings_editor.h"

#include <QGroupBox>

#include <array>

class QLineEdit;
class QScrollBar;

namespace vesk4 {

// The frame "グリッド": the grid interval boxes for X and Y, each with its spin bar. It shows what it
// is told and signals only what the user does.
class GridPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit GridPanel(QWidget *parent = nullptr);

    QLineEdit *intervalBox(Axis axis) const { return intervalBoxes_[int(axis)]; }
    QScrollBar *intervalSpinBar(Axis axis) const { return intervalSpinBars_[int(axis)]; }

    void show(Axis axis, const NumberBoxView &view);

signals:
    void intervalEdited(Axis axis, const QString &text);
    void intervalSpinBarMoved(Axis axis, int position);

private:
    std::array<QLineEdit *, 2> intervalBoxes_{};
    std::array<QScrollBar *, 2> intervalSpinBars_{};
};

} // namespace vesk4
