#pragma once

#include <QFrame>
#include <QImage>
#include <QPointF>
#include <QWidget>

class QMouseEvent;
class QScrollBar;

namespace vesk4 {

// The toolkit's buttons as the canvas handlers number them: 1 left, 2 right, 4 middle, or their
// sum for a set of held buttons.
int mouseButtonNumber(Qt::MouseButton button);
int mouseButtonMask(Qt::MouseButtons buttons);

// A picture surface: an off-screen image shown inside a one-pixel border. The image belongs to
// the renderer; a refresh shows its current content.
class PictureSurface : public QFrame {
    Q_OBJECT
public:
    explicit PictureSurface(QWidget *parent = nullptr);

    // Makes the surface the drawing area plus its border.
    void setDrawingArea(int width, int height);
    // The image to show; it must outlive the surface. A null or missing image shows blank.
    void setImage(const QImage *image) { image_ = image; }
    const QImage *image() const { return image_; }

    void refresh() { update(); }

signals:
    // Mouse events with positions in drawing-area pixels. While a button pressed over the surface
    // is held, moves keep coming, wherever the pointer goes.
    void mousePressed(int button, QPointF position);
    void mouseMoved(int buttons, QPointF position);
    void mouseReleased(int button, QPointF position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPointF drawingAreaPosition(const QMouseEvent *event) const;

private:
    const QImage *image_ = nullptr;
};

// The floating block: a borderless surface lying on the canvas's drawing area, with
// mouse positions in its own pixels. Moves arrive also with no button held, so the block can follow.
class BlockSurfaceView : public QWidget {
    Q_OBJECT
public:
    explicit BlockSurfaceView(PictureSurface *canvas);

    // Shows the block's image at its place on the canvas's drawing area, or hides it.
    void showBlock(const QImage &image, const QRect &placeOnCanvas, bool visible);
    const QImage &image() const { return image_; }

signals:
    void mousePressed(int button, QPointF position);
    void mouseMoved(int buttons, QPointF position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    PictureSurface *canvas_;
    QImage image_; // shares the core's pixels until they change
};

// The canvas with its scroll bar against its right border.
class CanvasView : public QWidget {
    Q_OBJECT
public:
    explicit CanvasView(QWidget *parent = nullptr);

    PictureSurface *canvas() const { return canvas_; }
    BlockSurfaceView *floatingBlock() const { return floatingBlock_; }
    QScrollBar *scrollBar() const { return scrollBar_; }

    // Sizes the canvas for a drawing area of width x height.
    void sizeCanvas(int width, int height);
    // Stands the scroll bar against the canvas's right border, as high as the canvas, scrolling
    // 0..maximum.
    void placeScrollBar(int maximum);

private:
    PictureSurface *canvas_;
    BlockSurfaceView *floatingBlock_;
    QScrollBar *scrollBar_;
};

} // namespace vesk4
