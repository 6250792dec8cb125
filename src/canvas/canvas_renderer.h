#pragma once

#include "document/document.h"
#include "document/editor_state.h"

#include <QImage>
#include <QPoint>

#include <vector>

namespace vesk4 {

// Paints the canvas and its thumbnail into off-screen images. Every cell and every grid segment is
// a block copy from one of two source pictures prepared once: the colour strip (swatch n filled
// with grey n) and the line-pattern picture. The widgets only show the images.
class CanvasRenderer {
public:
    // Sizes the images from the geometry in state (cellWidthPx, cellHeightPx, canvasWidthPx, canvasHeightPx)
    // and draws the colour strip.
    explicit CanvasRenderer(const EditorState &state);

    // Repaints every cell of the view on the canvas and on the thumbnail.
    void drawCells(const Document &doc, const EditorState &state);
    // Paints those page cells of the view as if they held entry value, over the last drawCells: a
    // shape being dragged, shown as it would be written. Cells the view does not show are left out.
    void drawCellsAs(const Document &doc, const EditorState &state, const std::vector<QPoint> &cells,
                     int value);
    // Draws the six line families over the canvas; always right after drawCells.
    void drawGrid(const EditorState &state);
    // Both, the work of one refresh.
    void redraw(const Document &doc, const EditorState &state)
    {
        drawCells(doc, state);
        drawGrid(state);
    }

    const QImage &canvas() const { return canvas_; } // the canvas's drawing area, 512 x 640
    // For what is drawn over a fresh repaint (the range outline); the next drawCells paints over it.
    QImage &canvasImage() { return canvas_; }
    const QImage &thumbnail() const { return thumbnail_; } // the thumbnail's drawing area, 128 x 192
    const QImage &colourStrip() const { return strip_; }
    const QImage &linePattern() const { return dots_; }

    // The 36 x 32 line-pattern picture: white ground, black, red and blue tiles.
    static QImage makeLinePatternPicture();

private:
    // The first view column that shows the light grey of the columns beyond the last whole pattern.
    int firstGreyColumn(const Document &doc, int page) const;

    // One line family's pattern, repeated across the whole canvas: each segment is a fresh copy of
    // its tile, so a line at any position is a slice of these.
    struct LineRun {
        std::vector<QRgb> row; // canvasWidthPx pixels: the cellWidthPx x 1 tile from x = 0 on
        std::vector<QRgb> column; // canvasHeightPx pixels: the 1 x cellHeightPx tile from y = 0 on
    };

    LineRun makeLineRun(int rowTileX, int rowTileY, int columnTileX, int columnTileY) const;
    // Whether a line family draws its line on the view's own top (left) edge.
    enum class LineAtEdge { Drawn, Skipped };
    // The first line's offset in pixels from the top (left) edge, at or below (right of) it.
    static int firstLine(int every, int scroll, int cellPx, LineAtEdge atEdge);
    void drawRows(const std::vector<QRgb> &row, int every, int scrollRow, LineAtEdge atEdge);
    void drawColumns(const std::vector<QRgb> &column, int every, int scrollColumn, LineAtEdge atEdge);

    // Geometry taken from the state at construction; a renderer with an unusable geometry keeps
    // null images and draws nothing.
    int cellWidth_ = 0; // cellWidthPx
    int cellHeight_ = 0; // cellHeightPx
    int width_ = 0; // canvasWidthPx
    int height_ = 0; // canvasHeightPx

    QImage canvas_;
    QImage thumbnail_;
    QImage strip_;
    QImage dots_;

    LineRun blue_;
    LineRun black_;
    LineRun red_;
};

} // namespace vesk4
