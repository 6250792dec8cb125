#include "canvas/canvas_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace vesk4 {

namespace {
constexpr int kScrollBarWidth = 17;
constexpr int kScrollPageStep = 8; // one band of default-height patterns
} // namespace

int mouseButtonNumber(Qt::MouseButton button)
{
    return mouseButtonMask(button);
}

int mouseButtonMask(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0)
        | (buttons & Qt::MiddleButton ? 4 : 0);
}

PictureSurface::PictureSurface(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    // What shows until the first image is painted, or if there is none.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void PictureSurface::setDrawingArea(int width, int height)
{
    setFixedSize(width + 2 * frameWidth(), height + 2 * frameWidth());
}

void PictureSurface::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (!image_ || image_->isNull())
        return;
    const QRect area = contentsRect();
    QPainter painter(this);
    painter.drawImage(area.topLeft(), *image_, QRect(QPoint(0, 0), area.size()));
}

QPointF PictureSurface::drawingAreaPosition(const QMouseEvent *event) const
{
    return event->position() - QPointF(contentsRect().topLeft());
}

void PictureSurface::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(mouseButtonNumber(event->button()), drawingAreaPosition(event));
}

void PictureSurface::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(mouseButtonMask(event->buttons()), drawingAreaPosition(event));
}

void PictureSurface::mouseReleaseEvent(QMouseEvent *event)
{
    emit mouseReleased(mouseButtonNumber(event->button()), drawingAreaPosition(event));
}

BlockSurfaceView::BlockSurfaceView(PictureSurface *canvas) : QWidget(canvas), canvas_(canvas)
{
    setMouseTracking(true);
    setVisible(false);
}

void BlockSurfaceView::showBlock(const QImage &image, const QRect &placeOnCanvas, bool visible)
{
    image_ = image;
    setGeometry(placeOnCanvas.translated(canvas_->contentsRect().topLeft()));
    setVisible(visible);
    update();
}

void BlockSurfaceView::paintEvent(QPaintEvent *)
{
    QPainter(this).drawImage(0, 0, image_);
}

void BlockSurfaceView::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(mouseButtonNumber(event->button()), event->position());
}

void BlockSurfaceView::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(mouseButtonMask(event->buttons()), event->position());
}

void BlockSurfaceView::mouseReleaseEvent(QMouseEvent *event)
{
    // The release of a click on the block belongs to the block: passed on to the canvas below, it
    // would end a range there.
    event->accept();
}

CanvasView::CanvasView(QWidget *parent)
    : QWidget(parent), canvas_(new PictureSurface(this)), floatingBlock_(new BlockSurfaceView(canvas_)),
      scrollBar_(new QScrollBar(Qt::Vertical, this))
{
    scrollBar_->setPageStep(kScrollPageStep);
    // The pen follows the pointer also with no button held.
    canvas_->setMouseTracking(true);
}

void CanvasView::sizeCanvas(int width, int height)
{
    canvas_->setDrawingArea(width, height);
    setFixedSize(canvas_->width() + kScrollBarWidth, canvas_->height());
}

void CanvasView::placeScrollBar(int maximum)
{
    const QRect canvas = canvas_->geometry();
    scrollBar_->setGeometry(canvas.x() + canvas.width(), canvas.y(), kScrollBarWidth, canvas.height());
    scrollBar_->setRange(0, maximum);
    scrollBar_->setValue(0);
}

} // namespace vesk4
