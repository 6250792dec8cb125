#pragma once

#include "canvas/tool_buttons.h"

#include <QGroupBox>

#include <array>

class QAction;
class QToolButton;

namespace vesk4 {

// The frame "描画モード": the tool buttons toolButton(0) to toolButton(8), toolButton(10) and, in a row of
// their own, the shape tools toolButton(11) to toolButton(14); there is no button 9. At start the pen,
// range and shape tools are enabled, the pen highlighted, the block buttons disabled and the map
// button hidden.
//
// Each button shows its action (toolAction), which the menu shares: its enabled state and its key
// live there, and the button's caption is the action's icon text.
class ToolPanel : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int kMapButton = ToolButtons::kMapButton;

    explicit ToolPanel(QWidget *parent = nullptr);

    // The tool button of that index, or nullptr for an index without one.
    QToolButton *toolButton(int index) const;
    // The action of that button, or nullptr for an index without one. Every one but the map
    // button's has a menu caption and a single key.
    QAction *toolAction(int index) const;

    // Shows each button as the model has it: colour, enabled, visible and caption.
    void showButtons(const ToolButtons &model);

signals:
    // A tool's action was triggered, by its button, its menu entry or its key, while its button
    // was shown.
    void toolClicked(int index);

private:
    std::array<QToolButton *, ToolButtons::kLastButton + 1> buttons_{};
    std::array<QAction *, ToolButtons::kLastButton + 1> actions_{};
};

} // namespace vesk4
