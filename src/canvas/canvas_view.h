#pragma once

#include <QFrame>
#include <QImage>
#include <QWidget>

class QScrollBar;

namespace vesk4 {

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

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const QImage *image_ = nullptr;
};

// The canvas Pic_Main with the scroll bar VScroll1 against its right border.
class CanvasView : public QWidget {
    Q_OBJECT
public:
    explicit CanvasView(QWidget *parent = nullptr);

    PictureSurface *Pic_Main() const { return picMain_; }
    QScrollBar *VScroll1() const { return vScroll1_; }

    // Sizes the canvas for a drawing area of width x height.
    void sizeCanvas(int width, int height);
    // Stands the scroll bar against the canvas's right border, as high as the canvas, scrolling
    // 0..maximum.
    void placeScrollBar(int maximum);

private:
    PictureSurface *picMain_;
    QScrollBar *vScroll1_;
};

} // namespace vesk4
