#include "canvas/tool_buttons.h"

#include "canvas/block_tools.h"

// The tool buttons' model, and the click handler of BlockTools that drives it.

namespace vesk4 {

namespace {

// English; the tool panel shows each in the interface's language.
constexpr std::array<const char *, ToolButtons::kLastButton + 1> kCaptions{
    QT_TRANSLATE_NOOP("vesk4::ToolButtons", "Pen"),    QT_TRANSLATE_NOOP("vesk4::ToolButtons", "Select"),
    QT_TRANSLATE_NOOP("vesk4::ToolButtons", "Copy"),   QT_TRANSLATE_NOOP("vesk4::ToolButtons", "Move"),
    QT_TRANSLATE_NOOP("vesk4::ToolButtons", "Erase"),  QT_TRANSLATE_NOOP("vesk4::ToolButtons", "Turn"),
    QT_TRANSLATE_NOOP("vesk4::ToolButtons", "Flip H"), QT_TRANSLATE_NOOP("vesk4::ToolButtons", "Flip V"),
    QT_TRANSLATE_NOOP("vesk4::ToolButtons", "Invert"), "",
    QT_TRANSLATE_NOOP("vesk4::ToolButtons", "Clear"),  QT_TRANSLATE_NOOP("vesk4::ToolButtons", "Line"),
    QT_TRANSLATE_NOOP("vesk4::ToolButtons", "Rect"),   QT_TRANSLATE_NOOP("vesk4::ToolButtons", "Box"),
    QT_TRANSLATE_NOOP("vesk4::ToolButtons", "Fill"),
};

constexpr ToolMode shapeToolMode(int index)
{
    switch (index) {
    case ToolButtons::kLine:
        return ToolMode::Line;
    case ToolButtons::kRectangle:
        return ToolMode::Rectangle;
    case ToolButtons::kFilledRectangle:
        return ToolMode::FilledRectangle;
    default:
        return ToolMode::Fill;
    }
}

} // namespace

ToolButtons::ToolButtons()
{
    for (std::size_t i = 0; i < buttons.size(); ++i)
        buttons[i].caption = QString::fromUtf8(kCaptions[i]);
    buttons[9].visible = false; // there is no button 9
    toolButton(kPen).enabled = true;
    toolButton(kPen).shade = ButtonShade::Active;
    toolButton(kRange).enabled = true;
    setEnabled(kLine, kFill, true);
    toolButton(kMapButton).visible = false;
}

void ToolButtons::setShade(int first, int last, ButtonShade shade)
{
    for (int i = first; i <= last; ++i)
        if (exists(i))
            toolButton(i).shade = shade;
}

void ToolButtons::setEnabled(int first, int last, bool enabled)
{
    for (int i = first; i <= last; ++i)
        if (exists(i))
            toolButton(i).enabled = enabled;
}

Refresh BlockTools::toolButtonClicked(int index)
{
    switch (index) {
    case ToolButtons::kPen:
        return cellToolClicked(ToolMode::Pen, ToolButtons::kPen, CanvasPointer::Default);
    case ToolButtons::kRange:
        return rangeClicked();
    case ToolButtons::kCopy:
    case ToolButtons::kMove:
        return copyOrMoveClicked(index);
    case ToolButtons::kErase:
        return eraseClicked();
    case ToolButtons::kTurn:
    case ToolButtons::kMirrorLeftRight:
    case ToolButtons::kMirrorTopBottom:
    case ToolButtons::kInvert:
        return transformClicked(index);
    case ToolButtons::kMapButton:
        return mapSwitchClicked();
    case ToolButtons::kLine:
    case ToolButtons::kRectangle:
    case ToolButtons::kFilledRectangle:
    case ToolButtons::kFill:
        return cellToolClicked(shapeToolMode(index), index, CanvasPointer::Cross);
    default:
        return {};
    }
}

// The pen and the shape tools aim at cells: the chosen button lit, every other tool button plain, no
// floating block and nothing to copy. The pen keeps the default pointer, the shapes the cross.
Refresh BlockTools::cellToolClicked(ToolMode mode, int index, CanvasPointer pointer)
{
    state_.toolMode = mode;
    tools_.setShade(ToolButtons::kPen, ToolButtons::kInvert, ButtonShade::Face);
    tools_.setShade(ToolButtons::kLine, ToolButtons::kFill, ButtonShade::Face);
    tools_.setShade(index, index, ButtonShade::Active);
    tools_.canvasPointer = pointer;
    surface_.visible = false;
    tools_.setEnabled(ToolButtons::kCopy, ToolButtons::kInvert, false);
    Refresh refresh = repaintCanvas();
    refresh.controls = refresh.blockSurface = true;
    return refresh;
}

Refresh BlockTools::rangeClicked()
{
    state_.toolMode = ToolMode::Range;
    tools_.setShade(ToolButtons::kRange, ToolButtons::kRange, ButtonShade::Active);
    tools_.setShade(ToolButtons::kPen, ToolButtons::kPen, ButtonShade::Face);
    tools_.setShade(ToolButtons::kLine, ToolButtons::kFill, ButtonShade::Face);
    // The block buttons keep their colours: they are all disabled below.
    tools_.canvasPointer = CanvasPointer::Cross;
    surface_.visible = false;
    tools_.setEnabled(ToolButtons::kCopy, ToolButtons::kInvert, false);
    Refresh refresh = repaintCanvas();
    refresh.controls = refresh.blockSurface = true;
    return refresh;
}

Refresh BlockTools::copyOrMoveClicked(int index)
{
    tools_.setShade(ToolButtons::kCopy, ToolButtons::kErase, ButtonShade::Face);
    tools_.setShade(index, index, ButtonShade::Active);
    tools_.setShade(ToolButtons::kTurn, ToolButtons::kInvert, ButtonShade::Applicable);
    // A second copy or move needs a new range.
    tools_.setEnabled(ToolButtons::kCopy, ToolButtons::kErase, false);
    tools_.setEnabled(ToolButtons::kTurn, ToolButtons::kInvert, true);
    state_.toolMode = ToolMode::Floating;
    tools_.canvasPointer = CanvasPointer::Cross;
    Refresh refresh{.controls = true};
    if (state_.rangeSurface != 0)
        return refresh;

    // The block starts exactly over its source.
    placeSurface(state_.blockX * state_.cellWidthPx, state_.blockY * state_.cellHeightPx,
                 state_.blockWidthCells * state_.cellWidthPx, state_.blockHeightCells * state_.cellHeightPx);
    refresh |= paintBlock(BlockTransform::None);
    if (index == ToolButtons::kMove)
        refresh |= eraseCells(state_.blockX, state_.blockY, state_.blockWidthCells - 1,
                              state_.blockHeightCells - 1);
    surface_.visible = true;
    refresh.blockSurface = true;
    return refresh;
}

Refresh BlockTools::eraseClicked()
{
    tools_.setShade(ToolButtons::kCopy, ToolButtons::kErase, ButtonShade::Face);
    tools_.setEnabled(ToolButtons::kCopy, ToolButtons::kInvert, false);
    Refresh refresh{.controls = true};
    // The range tool stays on, so a new range can be dragged at once.
    if (state_.rangeSurface == 0)
        refresh |= eraseCells(state_.blockX, state_.blockY, state_.blockWidthCells - 1,
                              state_.blockHeightCells - 1);
    return refresh;
}

Refresh BlockTools::transformClicked(int index)
{
    tools_.setEnabled(ToolButtons::kCopy, ToolButtons::kErase, false);
    const BlockTransform transform = index == ToolButtons::kTurn ? BlockTransform::TurnClockwise
        : index == ToolButtons::kMirrorLeftRight                 ? BlockTransform::MirrorLeftRight
        : index == ToolButtons::kMirrorTopBottom                 ? BlockTransform::MirrorTopBottom
                                                                 : BlockTransform::Invert;
    Refresh refresh = paintBlock(transform);
    surface_.visible = true;
    refresh.controls = refresh.blockSurface = true;
    return refresh;
}

Refresh BlockTools::mapSwitchClicked()
{
    ToolButton &mapButton = tools_.toolButton(ToolButtons::kMapButton);
    if (state_.toolMode == ToolMode::Map) {
        state_.toolMode = ToolMode::Pen;
        state_.chosenMapChip = 0;
        tools_.canvasShown = true;
        mapButton.shade = ButtonShade::Face;
        mapButton.caption = QStringLiteral("Map");
        tools_.setShade(ToolButtons::kPen, ToolButtons::kPen, ButtonShade::Active);
        tools_.setShade(ToolButtons::kRange, ToolButtons::kRange, ButtonShade::Face);
        tools_.canvasPointer = CanvasPointer::Default;
        surface_.visible = true;
        tools_.setEnabled(ToolButtons::kPen, ToolButtons::kRange, true);
        tools_.setEnabled(ToolButtons::kLine, ToolButtons::kFill, true);
        tools_.setEnabled(ToolButtons::kCopy, ToolButtons::kErase, false);
        // The frames hidden on the way in stay hidden.
        return Refresh{.canvas = true, .thumbnail = true, .blockSurface = true, .controls = true};
    }

    state_.toolMode = ToolMode::Map;
    tools_.canvasShown = false;
    mapButton.shade = ButtonShade::Active;
    mapButton.caption = QStringLiteral("Chr");
    tools_.setShade(ToolButtons::kPen, ToolButtons::kRange, ButtonShade::Face);
    tools_.setShade(ToolButtons::kLine, ToolButtons::kFill, ButtonShade::Face);
    tools_.canvasPointer = CanvasPointer::Cross;
    surface_.visible = false;
    tools_.framesShown = false;
    tools_.setEnabled(ToolButtons::kPen, ToolButtons::kErase, false);
    tools_.setEnabled(ToolButtons::kLine, ToolButtons::kFill, false);
    tools_.setEnabled(ToolButtons::kTurn, ToolButtons::kInvert, true);
    drawMap(doc_, state_, chipPainter_);
    drawChipList(doc_, state_, chipPainter_);
    drawChosenChip(doc_, state_, chipPainter_);
    return Refresh{.blockSurface = true, .controls = true};
}

} // namespace vesk4
