#pragma once

#include "canvas/tool_buttons.h"

#include <QGroupBox>

#include <array>

class QToolButton;

namespace vesk4 {

// The frame "描画モード": the tool buttons toolButton(0) to toolButton(8) and toolButton(10); there is no
// button 9. At start the pen and range tools are enabled, the pen highlighted, the block buttons
// disabled and the map button hidden.
class ToolPanel : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int kMapButton = 10;

    explicit ToolPanel(QWidget *parent = nullptr);

    // The tool button of that index, or nullptr for an index without one.
    QToolButton *toolButton(int index) const;

    // Shows each button as the model has it: colour, enabled, visible and caption.
    void showButtons(const ToolButtons &model);

signals:
    void toolClicked(int index);

private:
    std::array<QToolButton *, kMapButton + 1> buttons_{};
};

} // namespace vesk4
