#include "canvas/canvas_renderer.h"

#include "canvas/canvas_greys.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace vesk4 {

namespace {

constexpr int kSwatchCount = 256;
constexpr int kBeyondPatternsGrey = 200; // columns right of the last whole pattern
constexpr int kWhite = 255;
constexpr int kThumbCellW = 2;
constexpr int kThumbCellH = 3;

constexpr QRgb kPatternWhite = 0xffffffff;
constexpr QRgb kPatternBlack = 0xff000000;
constexpr QRgb kPatternRed = 0xffed1c24; // (237, 28, 36)
constexpr QRgb kPatternBlue = 0xff00a2e8; // (0, 162, 232)

// Top-left corners of the tiles in the line-pattern picture: dotted or solid, horizontal (cellWidthPx x 1)
// or vertical (1 x cellHeightPx).
struct TileOrigins {
    int rowX, rowY, columnX, columnY;
};
constexpr TileOrigins kBlackDotted{0, 10, 10, 10};
constexpr TileOrigins kBlueDotted{24, 10, 34, 10};
constexpr TileOrigins kRedSolid{12, 21, 21, 21};

// A remainder in 0 .. m - 1 whatever the sign of a.
int floorMod(int a, int m)
{
    const int r = a % m;
    return r < 0 ? r + m : r;
}

QRgb *lineOf(uchar *bits, qsizetype bytesPerLine, int y)
{
    return reinterpret_cast<QRgb *>(bits + bytesPerLine * y);
}

} // namespace

CanvasRenderer::CanvasRenderer(const EditorState &state)
{
    dots_ = makeLinePatternPicture();
    if (state.cellWidthPx < kThumbCellW || state.cellHeightPx < kThumbCellH || state.canvasWidthPx < 1
        || state.canvasHeightPx < 1)
        return;
    cellWidth_ = state.cellWidthPx;
    cellHeight_ = state.cellHeightPx;
    width_ = state.canvasWidthPx;
    height_ = state.canvasHeightPx;

    canvas_ = QImage(width_, height_, QImage::Format_RGB32);
    canvas_.fill(kPatternWhite);
    // Two by three pixels per cell; the cell count is taken in floating point, as the window sizes
    // its thumbnail surface.
    const int thumbW = int(std::nearbyint(double(width_) / cellWidth_ * kThumbCellW));
    const int thumbH = int(std::nearbyint(double(height_) / cellHeight_ * kThumbCellH));
    if (thumbW >= 1 && thumbH >= 1) {
        thumbnail_ = QImage(thumbW, thumbH, QImage::Format_RGB32);
        thumbnail_.fill(kPatternWhite);
    }

    // cellHeightPx x 256 wide like the window's strip, and never too narrow for 256 swatches of cellWidthPx.
    strip_ = QImage(std::max(cellHeight_, cellWidth_) * kSwatchCount, cellHeight_, QImage::Format_RGB32);
    strip_.fill(kPatternWhite);
    for (int y = 0; y < cellHeight_; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(strip_.scanLine(y));
        for (int c = 0; c < kSwatchCount; ++c)
            std::fill_n(line + std::ptrdiff_t(c) * cellWidth_, cellWidth_, qRgb(c, c, c));
    }

    blue_ = makeLineRun(kBlueDotted.rowX, kBlueDotted.rowY, kBlueDotted.columnX, kBlueDotted.columnY);
    black_ = makeLineRun(kBlackDotted.rowX, kBlackDotted.rowY, kBlackDotted.columnX, kBlackDotted.columnY);
    red_ = makeLineRun(kRedSolid.rowX, kRedSolid.rowY, kRedSolid.columnX, kRedSolid.columnY);
}

QImage CanvasRenderer::makeLinePatternPicture()
{
    QImage picture(36, 32, QImage::Format_RGB32);
    picture.fill(kPatternWhite);
    const QRgb colours[] = {kPatternBlack, kPatternRed, kPatternBlue};
    for (int k = 0; k < 3; ++k) {
        const QRgb colour = colours[k];
        const int x0 = 12 * k;
        for (int y = 1; y <= 9; ++y)
            for (int x = x0 + 1; x <= x0 + 9; ++x)
                picture.setPixel(x, y, colour);
        for (int x = x0; x <= x0 + 9; ++x) {
            if ((x - x0) % 2 == 0)
                picture.setPixel(x, 10, colour);
            picture.setPixel(x, 11, colour);
        }
        picture.setPixel(x0 + 10, 10, colour);
        picture.setPixel(x0 + 11, 10, colour);
        picture.setPixel(x0 + 11, 11, colour);
        for (int y = 12; y <= 19; ++y) {
            if (y % 2 == 0)
                picture.setPixel(x0 + 10, y, colour);
            picture.setPixel(x0 + 11, y, colour);
        }
        for (int t = 0; t < 10; ++t) {
            picture.setPixel(x0 + t, 21, colour);
            picture.setPixel(x0 + t, 30, colour);
            picture.setPixel(x0, 21 + t, colour);
            picture.setPixel(x0 + 9, 21 + t, colour);
        }
    }
    return picture;
}

CanvasRenderer::LineRun CanvasRenderer::makeLineRun(int rowTileX, int rowTileY, int columnTileX,
                                                    int columnTileY) const
{
    // A tile reaching past the picture (a cell larger than the picture's tiles) reads the ground.
    const auto pictureAt
        = [this](int x, int y) { return dots_.valid(x, y) ? dots_.pixel(x, y) : kPatternWhite; };
    LineRun run;
    run.row.resize(std::size_t(width_));
    for (int x = 0; x < width_; ++x)
        run.row[std::size_t(x)] = pictureAt(rowTileX + x % cellWidth_, rowTileY);
    run.column.resize(std::size_t(height_));
    for (int y = 0; y < height_; ++y)
        run.column[std::size_t(y)] = pictureAt(columnTileX, columnTileY + y % cellHeight_);
    return run;
}

void CanvasRenderer::drawCells(const Document &doc, const EditorState &state)
{
    if (canvas_.isNull())
        return;
    const int page = state.currentPage;
    const bool pageKnown = page >= 0 && page < kPageCount;
    const int cols = width_ / cellWidth_;
    const int rows = height_ / cellHeight_;
    const int greyFrom = firstGreyColumn(doc, page);
    const bool twoColour = pageKnown && doc.pages[std::size_t(page)].colourMode == kMode2;
    const int rightColour = state.rightPenColour;
    const int rightAltColour = state.rightPenAltColour;

    // Every row of a swatch is the same grey, so row 0 of the strip stands for all of them: each
    // cell row is composed once in its first scanline and copied down.
    const QRgb *swatches = reinterpret_cast<const QRgb *>(strip_.constScanLine(0));
    uchar *canvasBits = canvas_.bits();
    const qsizetype canvasBpl = canvas_.bytesPerLine();
    const int thumbW = thumbnail_.width();
    const int thumbH = thumbnail_.height();
    uchar *thumbBits = thumbnail_.isNull() ? nullptr : thumbnail_.bits();
    const qsizetype thumbBpl = thumbnail_.bytesPerLine();

    for (int i = 0; i <= rows; ++i) {
        const int y0 = i * cellHeight_;
        const int ty0 = i * kThumbCellH;
        const bool onCanvas = y0 < height_;
        const bool onThumb = ty0 < thumbH;
        if (!onCanvas && !onThumb)
            break;
        QRgb *line = onCanvas ? lineOf(canvasBits, canvasBpl, y0) : nullptr;
        QRgb *thumbLine = onThumb ? lineOf(thumbBits, thumbBpl, ty0) : nullptr;
        const int pageY = state.scrollRow + i;
        // The view lies on the sheet but for a few cells of its edge: read the sheet row straight.
        const int16_t *sheetRow
            = pageKnown && inSheet(0, pageY) ? doc.PixelData.sheetRow(page, pageY) : nullptr;

        for (int j = 0; j <= cols; ++j) {
            const int x0 = j * cellWidth_;
            const int tx0 = j * kThumbCellW;
            const bool cellOnCanvas = onCanvas && x0 < width_;
            const bool cellOnThumb = onThumb && tx0 < thumbW;
            if (!cellOnCanvas && !cellOnThumb)
                break;
            int c = kBeyondPatternsGrey;
            if (j < greyFrom) {
                const int x = state.scrollColumn + j;
                const int v
                    = sheetRow && inSheet(x, pageY) ? sheetRow[x] : doc.PixelData.valueOr0(page, x, pageY);
                c = colourNumberOfCell(doc, v);
            }
            if (cellOnCanvas) {
                const int grey
                    = greyOfColourNumber(shownColourNumber(c, twoColour, rightColour, rightAltColour));
                std::memcpy(line + x0, swatches + std::ptrdiff_t(cellWidth_) * grey,
                            sizeof(QRgb) * std::size_t(std::min(cellWidth_, width_ - x0)));
            }
            if (cellOnThumb) {
                const int shown = c == rightAltColour ? kWhite : c;
                std::memcpy(thumbLine + tx0,
                            swatches + std::ptrdiff_t(cellWidth_) * greyOfColourNumber(shown),
                            sizeof(QRgb) * std::size_t(std::min(kThumbCellW, thumbW - tx0)));
            }
        }

        if (onCanvas) {
            const int cellRows = std::min(cellHeight_, height_ - y0);
            for (int r = 1; r < cellRows; ++r)
                std::memcpy(lineOf(canvasBits, canvasBpl, y0 + r), line, sizeof(QRgb) * std::size_t(width_));
        }
        if (onThumb) {
            const int cellRows = std::min(kThumbCellH, thumbH - ty0);
            for (int r = 1; r < cellRows; ++r)
                std::memcpy(lineOf(thumbBits, thumbBpl, ty0 + r), thumbLine,
                            sizeof(QRgb) * std::size_t(thumbW));
        }
    }
}

// View columns from here on show grey: no whole pattern reaches them. A width of 0 or less (only
// from a project file) counts as no whole pattern at all.
int CanvasRenderer::firstGreyColumn(const Document &doc, int page) const
{
    const int patternW = page >= 0 && page < kPageCount ? doc.pages[std::size_t(page)].patternWidth : 0;
    return patternW >= 1 ? width_ / cellWidth_ / patternW * patternW : 0;
}

void CanvasRenderer::drawCellsAs(const Document &doc, const EditorState &state,
                                 const std::vector<QPoint> &cells, int value)
{
    if (canvas_.isNull())
        return;
    const int page = state.currentPage;
    const bool twoColour
        = page >= 0 && page < kPageCount && doc.pages[std::size_t(page)].colourMode == kMode2;
    const int greyFrom = firstGreyColumn(doc, page);
    const int valueColour = colourNumberOfCell(doc, value);
    const QRgb *swatches = reinterpret_cast<const QRgb *>(strip_.constScanLine(0));
    uchar *canvasBits = canvas_.bits();
    const qsizetype canvasBpl = canvas_.bytesPerLine();
    for (const QPoint &cell : cells) {
        const int j = cell.x() - state.scrollColumn;
        const int i = cell.y() - state.scrollRow;
        if (j < 0 || i < 0 || j >= width_ / cellWidth_ || i >= height_ / cellHeight_)
            continue;
        const int c = j < greyFrom ? valueColour : kBeyondPatternsGrey;
        const QRgb *swatch = swatches
            + std::ptrdiff_t(cellWidth_)
                * greyOfColourNumber(
                    shownColourNumber(c, twoColour, state.rightPenColour, state.rightPenAltColour));
        for (int r = 0; r < cellHeight_; ++r)
            std::memcpy(lineOf(canvasBits, canvasBpl, i * cellHeight_ + r) + std::ptrdiff_t(j) * cellWidth_,
                        swatch, sizeof(QRgb) * std::size_t(cellWidth_));
        const int tx = j * kThumbCellW;
        const int ty = i * kThumbCellH;
        if (thumbnail_.isNull() || tx >= thumbnail_.width() || ty >= thumbnail_.height())
            continue;
        const QRgb *thumbSwatch = swatches
            + std::ptrdiff_t(cellWidth_) * greyOfColourNumber(c == state.rightPenAltColour ? kWhite : c);
        for (int r = 0; r < std::min(kThumbCellH, thumbnail_.height() - ty); ++r)
            std::memcpy(lineOf(thumbnail_.bits(), thumbnail_.bytesPerLine(), ty + r) + tx, thumbSwatch,
                        sizeof(QRgb) * std::size_t(std::min(kThumbCellW, thumbnail_.width() - tx)));
    }
}

void CanvasRenderer::drawGrid(const EditorState &state)
{
    if (canvas_.isNull())
        return;
    // Each family over the ones before it: the fine grid on every cell edge while the grid in that
    // direction is on, the grid, the pattern boundaries (never on the view's own left and top edges).
    if (state.gridIntervalY >= 1)
        drawRows(blue_.row, 1, state.scrollRow, LineAtEdge::Drawn);
    if (state.gridIntervalX >= 1)
        drawColumns(blue_.column, 1, state.scrollColumn, LineAtEdge::Drawn);
    drawRows(black_.row, state.gridIntervalY, state.scrollRow, LineAtEdge::Drawn);
    drawColumns(black_.column, state.gridIntervalX, state.scrollColumn, LineAtEdge::Drawn);
    drawRows(red_.row, state.currentPatternHeight, state.scrollRow, LineAtEdge::Skipped);
    drawColumns(red_.column, state.currentPatternWidth, state.scrollColumn, LineAtEdge::Skipped);
}

int CanvasRenderer::firstLine(int every, int scroll, int cellPx, LineAtEdge atEdge)
{
    // View cell k shows sheet cell scroll + k; the lines lie on the sheet cells that are multiples
    // of every.
    const int first = floorMod(-scroll, every) * cellPx;
    return first == 0 && atEdge == LineAtEdge::Skipped ? every * cellPx : first;
}

// A line above every sheet row that is a multiple of every (none when every < 1).
void CanvasRenderer::drawRows(const std::vector<QRgb> &row, int every, int scrollRow, LineAtEdge atEdge)
{
    if (every < 1)
        return;
    uchar *bits = canvas_.bits();
    const qsizetype bpl = canvas_.bytesPerLine();
    const int step = every * cellHeight_;
    for (int y = firstLine(every, scrollRow, cellHeight_, atEdge); y < height_; y += step)
        std::memcpy(lineOf(bits, bpl, y), row.data(), sizeof(QRgb) * std::size_t(width_));
}

// A line left of every sheet column that is a multiple of every, written a scanline at a time to
// walk the image in memory order.
void CanvasRenderer::drawColumns(const std::vector<QRgb> &column, int every, int scrollColumn,
                                 LineAtEdge atEdge)
{
    if (every < 1)
        return;
    const int first = firstLine(every, scrollColumn, cellWidth_, atEdge);
    if (first >= width_)
        return;
    uchar *bits = canvas_.bits();
    const qsizetype bpl = canvas_.bytesPerLine();
    const int step = every * cellWidth_;
    for (int y = 0; y < height_; ++y) {
        QRgb *line = lineOf(bits, bpl, y);
        const QRgb pixel = column[std::size_t(y)];
        for (int x = first; x < width_; x += step)
            line[x] = pixel;
    }
}

} // namespace vesk4
