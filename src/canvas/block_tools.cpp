#include "canvas/block_tools.h"

#include "canvas/mouse_buttons.h"
#include "palette/colour_model.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace vesk4 {

namespace {

// The canvas surface is two pixels larger each way than its drawing area; the block's limits on
// the right and bottom are worked out from the outer size.
constexpr int kCanvasBorder = 2;

// Where a block of the given size goes when the pointer over the canvas takes it along: its first
// cell on viewCell, the cell under the pointer, but never past the far edge of the drawing area,
// nor past the near edge (a pointer dragged beyond the canvas).
int followPointer(int viewCell, int cell, int area, int size)
{
    const long long corner = 1LL * cell * viewCell;
    const int outer = area + kCanvasBorder;
    if (outer - size < corner)
        return std::max(outer - size - kCanvasBorder, 0);
    return corner < 0 ? 0 : int(corner);
}

// Where a block goes when the pointer at pos over the block itself moves it: the cell under the
// pointer becomes its first cell, the block's first pixel moves it one cell back, and it stays on
// the drawing area.
int jumpWithin(int current, double pos, int cell, int area, int size)
{
    const double corner = current + cell * std::floor((pos - 1) / cell);
    const int outer = area + kCanvasBorder;
    if (outer - size < corner)
        return std::max(outer - size - kCanvasBorder, 0);
    if (corner < 0)
        return 0;
    return int(corner);
}

void fillBox(QImage &image, int left, int top, int width, int height, QRgb colour)
{
    const int x0 = std::max(left, 0);
    const int x1 = std::min(left + width, image.width());
    const int y0 = std::max(top, 0);
    const int y1 = std::min(top + height, image.height());
    for (int y = y0; y < y1; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        std::fill(line + x0, line + std::max(x0, x1), colour);
    }
}

} // namespace

QRgb blockCellColour(int value)
{
    // Half intensity for level 0, full for any other level: the block stands out from the greys of
    // the canvas whatever it holds.
    const auto channel = [](int level) { return std::clamp((level + 1) * 128, 0, 255); };
    return qRgb(channel(kLevelRG[std::size_t((value & 0xE0) / 32)]),
                channel(kLevelRG[std::size_t((value & 0x1C) / 4)]), channel(kLevelB[std::size_t(value & 3)]));
}

BlockTools::BlockTools(Document &doc, EditorState &state, CanvasRenderer &renderer)
    : doc_(doc), state_(state), renderer_(renderer)
{
}

bool BlockTools::geometryUsable() const
{
    return state_.cellWidthPx >= 1 && state_.cellHeightPx >= 1 && state_.canvasWidthPx >= 1
        && state_.canvasHeightPx >= 1;
}

Refresh BlockTools::repaintCanvas()
{
    renderer_.redraw(doc_, state_);
    return Refresh{.canvas = true};
}

// ---- The canvas in the range and block tools

ToolOutcome BlockTools::press(const ToolPointer &at, int button)
{
    if (state_.toolMode == ToolMode::Range)
        return {.refresh = rangeMouseDown(button, at.gridPoint)};
    return {};
}

ToolOutcome BlockTools::move(const ToolPointer &at, int buttons)
{
    if (state_.toolMode == ToolMode::Range)
        return {.refresh = rangeMouseMove(buttons, at.gridPoint)};
    if (state_.toolMode == ToolMode::Floating)
        return {.refresh = floatingMouseMove(buttons, at.viewCell)};
    return {};
}

ToolOutcome BlockTools::release(const ToolPointer &, int button)
{
    if (state_.toolMode == ToolMode::Range)
        return {.refresh = rangeMouseUp(button)};
    return {};
}

Refresh BlockTools::rangeMouseDown(int button, QPoint corner)
{
    if (button != kLeftButton)
        return {};
    state_.rangeStartX = state_.rangeEndX = int16_t(corner.x());
    state_.rangeStartY = state_.rangeEndY = int16_t(corner.y());
    return {};
}

Refresh BlockTools::rangeMouseMove(int buttons, QPoint corner)
{
    if (buttons != kLeftButton)
        return {};
    renderer_.redraw(doc_, state_);
    state_.rangeEndX = int16_t(corner.x());
    state_.rangeEndY = int16_t(corner.y());
    return drawRangeOutline();
}

Refresh BlockTools::rangeMouseUp(int button)
{
    if (button != kLeftButton)
        return {};
    state_.rangeSurface = 0;
    tools_.setShade(ToolButtons::kCopy, ToolButtons::kErase, ButtonShade::Applicable);
    tools_.setEnabled(ToolButtons::kCopy, ToolButtons::kErase, true);
    const int xL = std::min(state_.rangeStartX, state_.rangeEndX);
    const int xR = std::max(state_.rangeStartX, state_.rangeEndX);
    const int yT = std::min(state_.rangeStartY, state_.rangeEndY);
    const int yB = std::max(state_.rangeStartY, state_.rangeEndY);
    captureRange(xL, yT, xR, yB);
    state_.blockX = int16_t(xL);
    state_.blockY = int16_t(yT);
    state_.blockWidthCells = int16_t(xR - xL);
    state_.blockHeightCells = int16_t(yB - yT);
    // The outline stays on the canvas until the next repaint.
    return Refresh{.controls = true};
}

// Both far corners included: the block's drawing reads one column and one row beyond its cells.
void BlockTools::captureRange(int xL, int yT, int xR, int yB)
{
    for (int y = yT; y <= yB; ++y)
        for (int x = xL; x <= xR; ++x)
            if (inCellStore(x - xL, y - yT))
                state_.blockBuffer.set(x - xL, y - yT,
                                       doc_.PixelData.valueOr0(state_.currentPage, x + state_.scrollColumn,
                                                               y + state_.scrollRow));
}

Refresh BlockTools::drawRangeOutline()
{
    QImage &canvas = renderer_.canvasImage();
    if (canvas.isNull())
        return {};
    const int xa = std::min(state_.rangeStartX, state_.rangeEndX) * state_.cellWidthPx;
    const int xb = std::max(state_.rangeStartX, state_.rangeEndX) * state_.cellWidthPx;
    const int ya = std::min(state_.rangeStartY, state_.rangeEndY) * state_.cellHeightPx;
    const int yb = std::max(state_.rangeStartY, state_.rangeEndY) * state_.cellHeightPx;
    // Corners on the view's right or bottom edge lie on the canvas's border, outside the image.
    const auto row = [&](int y) {
        if (y >= 0 && y < canvas.height())
            fillBox(canvas, xa, y, xb - xa + 1, 1, kRangeOutlineColour);
    };
    const auto column = [&](int x) {
        if (x >= 0 && x < canvas.width())
            fillBox(canvas, x, ya, 1, yb - ya + 1, kRangeOutlineColour);
    };
    row(ya);
    row(yb);
    column(xa);
    column(xb);
    return Refresh{.canvas = true};
}

Refresh BlockTools::floatingMouseMove(int buttons, QPoint viewCell)
{
    if (!geometryUsable())
        return {};
    surface_.left = followPointer(viewCell.x(), state_.cellWidthPx, state_.canvasWidthPx, surface_.width);
    surface_.top = followPointer(viewCell.y(), state_.cellHeightPx, state_.canvasHeightPx, surface_.height);
    Refresh refresh{.blockSurface = true};
    if (buttons == kRightButton) {
        // A right drag drops the block without pasting; after a move the source stays erased.
        state_.toolMode = ToolMode::Range;
        surface_.visible = false;
        tools_.setEnabled(ToolButtons::kCopy, ToolButtons::kErase, false);
        refresh.controls = true;
    }
    return refresh;
}

// ---- The floating block

Refresh BlockTools::floatingBlockMoved(int, double x, double y)
{
    if (!geometryUsable() || !std::isfinite(x) || !std::isfinite(y))
        return {};
    surface_.left = jumpWithin(surface_.left, x, state_.cellWidthPx, state_.canvasWidthPx, surface_.width);
    surface_.top = jumpWithin(surface_.top, y, state_.cellHeightPx, state_.canvasHeightPx, surface_.height);
    return Refresh{.blockSurface = true};
}

Refresh BlockTools::floatingBlockPressed(int button, double, double)
{
    Refresh refresh;
    if (button == kLeftButton) {
        refresh |= pasteBlock();
        refresh.thumbnail = true;
    }
    // Any click ends the block; a right or middle click drops it unpasted.
    state_.toolMode = ToolMode::Range;
    tools_.setShade(ToolButtons::kCopy, ToolButtons::kInvert, ButtonShade::Face);
    surface_.visible = false;
    tools_.setEnabled(ToolButtons::kCopy, ToolButtons::kInvert, false);
    refresh.controls = true;
    refresh.blockSurface = true;
    return refresh;
}

void BlockTools::placeSurface(int left, int top, int width, int height)
{
    surface_.left = std::max(left, 0);
    surface_.top = std::max(top, 0);
    surface_.width = std::max(width, 0);
    surface_.height = std::max(height, 0);
    if (surface_.image.width() != surface_.width || surface_.image.height() != surface_.height) {
        surface_.image = QImage();
        if (surface_.width > 0 && surface_.height > 0) {
            surface_.image = QImage(surface_.width, surface_.height, QImage::Format_RGB32);
            surface_.image.fill(blockCellColour(0));
        }
    }
}

void BlockTools::paintBlockCell(int x, int y, int value)
{
    if (!surface_.image.isNull())
        fillBox(surface_.image, x * state_.cellWidthPx, y * state_.cellHeightPx, state_.cellWidthPx,
                state_.cellHeightPx, blockCellColour(value));
}

Refresh BlockTools::paintBlock(BlockTransform transform)
{
    const int width = std::clamp<int>(state_.blockWidthCells, 0, kCellMax);
    const int height = std::clamp<int>(state_.blockHeightCells, 0, kCellMax);
    CellBlock block(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            block.at(x, y) = std::as_const(state_.blockBuffer)(x, y);
    block = transformed(block, transform);
    if (transform == BlockTransform::TurnClockwise) {
        state_.blockWidthCells = int16_t(block.width);
        state_.blockHeightCells = int16_t(block.height);
    }
    placeSurface(surface_.left, surface_.top, block.width * state_.cellWidthPx,
                 block.height * state_.cellHeightPx);
    for (int y = 0; y < block.height; ++y)
        for (int x = 0; x < block.width; ++x) {
            state_.blockBuffer.set(x, y, block.at(x, y));
            paintBlockCell(x, y, block.at(x, y));
        }
    return Refresh{.blockSurface = true};
}

Refresh BlockTools::pasteBlock()
{
    if (!geometryUsable())
        return {};
    const int x0 = int(std::nearbyint(double(surface_.left) / state_.cellWidthPx));
    const int y0 = int(std::nearbyint(double(surface_.top) / state_.cellHeightPx));
    const int x1 = int(std::nearbyint(double(surface_.width) / state_.cellWidthPx + x0 - 1));
    const int y1 = int(std::nearbyint(double(surface_.height) / state_.cellHeightPx + y0 - 1));
    const int page = state_.currentPage;
    if (page >= 0 && page < kPageCount) {
        // Every cell of the block replaces the page cell, entry 0 included: no transparent entry.
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                const int pageX = x + state_.scrollColumn;
                const int pageY = y + state_.scrollRow;
                if (inCellStore(x - x0, y - y0) && inCellStore(pageX, pageY))
                    writeCell(doc_.PixelData, journal_, page, pageX, pageY,
                              std::as_const(state_.blockBuffer)(x - x0, y - y0));
            }
    }
    return repaintCanvas();
}

Refresh BlockTools::eraseCells(int x, int y, int sizeX, int sizeY)
{
    const int page = state_.currentPage;
    if (page >= 0 && page < kPageCount) {
        // Only the part of the range that lies in the store.
        const long long firstJ = std::max<long long>(x, kCellMin - state_.scrollColumn);
        const long long lastJ = std::min<long long>(0LL + x + sizeX, kCellMax - state_.scrollColumn);
        const long long firstI = std::max<long long>(y, kCellMin - state_.scrollRow);
        const long long lastI = std::min<long long>(0LL + y + sizeY, kCellMax - state_.scrollRow);
        for (long long i = firstI; i <= lastI; ++i)
            for (long long j = firstJ; j <= lastJ; ++j)
                writeCell(doc_.PixelData, journal_, page, int(j) + state_.scrollColumn,
                          int(i) + state_.scrollRow, 0);
    }
    return repaintCanvas();
}

Refresh BlockTools::shiftRange(ShiftDirection direction)
{
    const int page = state_.currentPage;
    if (!rangeDrawn() || page < 0 || page >= kPageCount)
        return {};
    const int left = state_.blockX + state_.scrollColumn;
    const int top = state_.blockY + state_.scrollRow;
    CellBlock block(std::max<int>(state_.blockWidthCells, 0), std::max<int>(state_.blockHeightCells, 0));
    for (int y = 0; y < block.height; ++y)
        for (int x = 0; x < block.width; ++x)
            block.at(x, y) = doc_.PixelData.valueOr0(page, left + x, top + y);
    block = shifted(block, direction);
    for (int y = 0; y < block.height; ++y)
        for (int x = 0; x < block.width; ++x)
            if (inCellStore(left + x, top + y))
                writeCell(doc_.PixelData, journal_, page, left + x, top + y, block.at(x, y));
    // A copy or move after the shift takes what the range holds now.
    captureRange(state_.blockX, state_.blockY, state_.blockX + block.width, state_.blockY + block.height);
    Refresh refresh = repaintCanvas();
    refresh |= drawRangeOutline();
    refresh.thumbnail = true;
    return refresh;
}

} // namespace vesk4
