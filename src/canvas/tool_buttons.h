#pragma once

#include "widgets/button_shade.h"

#include <QString>

#include <array>
#include <cstdint>

namespace vesk4 {

// Mouse pointer shapes of the canvas, by the toolkit's pointer numbers.
enum class CanvasPointer : int16_t {
    Default = 0, // the pen
    Cross = 2, // range and block work, the map
};

// One button of the tool frame as the widgets show it.
struct ToolButton {
    ButtonShade shade = ButtonShade::Face;
    bool enabled = false;
    bool visible = true;
    QString caption;

    friend bool operator==(const ToolButton &, const ToolButton &) = default;
};

// What the tool buttons and the map switch leave on screen: the buttons toolButton(0) to toolButton(8),
// toolButton(10) (there is no button 9) and the shape tools toolButton(11) to toolButton(14), the canvas
// pointer, and which parts of the window are shown. The core changes it; the widgets mirror it. A
// default-constructed model is the start state: the pen, range and shape tools enabled, the pen
// highlighted, the block buttons disabled, the map button hidden.
struct ToolButtons {
    static constexpr int kPen = 0;
    static constexpr int kRange = 1;
    static constexpr int kCopy = 2;
    static constexpr int kMove = 3;
    static constexpr int kErase = 4;
    static constexpr int kTurn = 5;
    static constexpr int kMirrorLeftRight = 6;
    static constexpr int kMirrorTopBottom = 7;
    static constexpr int kInvert = 8;
    static constexpr int kMapButton = 10;
    static constexpr int kLine = 11;
    static constexpr int kRectangle = 12;
    static constexpr int kFilledRectangle = 13;
    static constexpr int kFill = 14;
    static constexpr int kLastButton = kFill;

    ToolButtons();

    static bool exists(int index) { return (index >= kPen && index <= kLastButton) && index != 9; }

    // The button of that index; index 9 is a placeholder that no operation touches.
    ToolButton &toolButton(int index) { return buttons.at(std::size_t(index)); }
    const ToolButton &toolButton(int index) const { return buttons.at(std::size_t(index)); }

    // The buttons first … last (both included) that exist.
    void setShade(int first, int last, ButtonShade shade);
    void setEnabled(int first, int last, bool enabled);

    std::array<ToolButton, kLastButton + 1> buttons;
    CanvasPointer canvasPointer = CanvasPointer::Default;
    bool canvasShown = true; // the canvas and the thumbnail
    // The frames "グリッド", "キャラクタ設定", "描画モード", "ファイル", "CHR", "色選択" and the frame
    // of the line-pattern picture; the map mode hides them all.
    bool framesShown = true;

    friend bool operator==(const ToolButtons &, const ToolButtons &) = default;
};

} // namespace vesk4
