#pragma once

#include "document/document.h"
#include "document/editor_state.h"

#include <QImage>

namespace vesk4 {

// Paints the canvas and its thumbnail into off-screen images. Every cell and every grid segment is
// a block copy from one of two source pictures prepared once: the colour strip (swatch n filled
// with grey n) and the line-pattern picture. The widgets only show the images.
class CanvasRenderer {
public:
    // Sizes the images from the geometry in state (pDotX, pDot, pScrMainW, pScrMainH) and draws
    // the colour strip.
    explicit CanvasRenderer(const EditorState &state);

    // Repaints every cell of the view on the canvas and on the thumbnail.
    void ScrDraw(const Document &doc, const EditorState &state);
    // Draws the six line families over the canvas; always right after ScrDraw.
    void GridDraw(const Document &doc, const EditorState &state);
    // Both, the work of one refresh.
    void redraw(const Document &doc, const EditorState &state)
    {
        ScrDraw(doc, state);
        GridDraw(doc, state);
    }

    const QImage &canvas() const { return canvas_; } // Pic_Main's drawing area, 512 x 640
    const QImage &thumbnail() const { return thumbnail_; } // Pic_Sub2's drawing area, 128 x 192
    const QImage &colourStrip() const { return strip_; } // Pic_box
    const QImage &linePattern() const { return dots_; } // Pic_Dot

    // The 36 x 32 line-pattern picture: white ground, black, red and blue tiles.
    static QImage makeLinePatternPicture();

private:
    QImage canvas_;
    QImage thumbnail_;
    QImage strip_;
    QImage dots_;
};

} // namespace vesk4
