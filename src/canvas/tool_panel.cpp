#include "canvas/tool_panel.h"

#include "widgets/button_colour.h"
#include "widgets/twips.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QToolButton>

namespace vesk4 {

namespace {

struct ToolButtonDesign {
    int index;
    int left; // twips within the frame
    int top;
};

constexpr std::array<ToolButtonDesign, 10> kDesigns{{
    {0, 120, 240},
    {1, 600, 240},
    {2, 120, 720},
    {3, 600, 720},
    {4, 1080, 720},
    {5, 120, 1230},
    {6, 600, 1230},
    {7, 1080, 1230},
    {8, 1560, 1230},
    {ToolPanel::kMapButton, 1560, 210},
}};

constexpr int kButtonSize = twips(495);

void drawArrowHead(QPainter &p, QPointF tip, QPointF direction)
{
    const QPointF side(-direction.y(), direction.x());
    p.drawPolygon(QPolygonF{tip, tip - 2.5 * direction + 2 * side, tip - 2.5 * direction - 2 * side});
}

void drawToolIcon(QPainter &p, int index)
{
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::black);
    switch (index) {
    case 0: // pen: a pencil across the square
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(QPointF(3.5, 8.5), QPointF(10, 2));
        p.setPen(QPen(Qt::black, 1));
        p.drawPolygon(QPolygonF{{1, 11}, {1.5, 8}, {4, 10.5}});
        break;
    case 1: // range: a dotted frame
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(1.5, 1.5, 9, 9));
        break;
    case 2: // copy: two overlapping sheets
        p.setBrush(Qt::white);
        p.drawRect(QRectF(0.5, 0.5, 6, 7));
        p.drawRect(QRectF(4.5, 3.5, 6, 7));
        break;
    case 3: // move: arrows in four directions
        p.drawLine(QPointF(6, 1.5), QPointF(6, 10.5));
        p.drawLine(QPointF(1.5, 6), QPointF(10.5, 6));
        drawArrowHead(p, {6, 0.5}, {0, -1});
        drawArrowHead(p, {6, 11.5}, {0, 1});
        drawArrowHead(p, {0.5, 6}, {-1, 0});
        drawArrowHead(p, {11.5, 6}, {1, 0});
        break;
    case 4: // erase: a cross
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(QPointF(2, 2), QPointF(10, 10));
        p.drawLine(QPointF(10, 2), QPointF(2, 10));
        break;
    case 5: { // rotate: three quarters of a circle ending in an arrow
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(1.5, 1.5, 9, 9), 90 * 16, 270 * 16);
        p.setBrush(Qt::black);
        drawArrowHead(p, {10, 6}, {0, -1});
        break;
    }
    case 6: // mirror left-right
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawLine(QPointF(6, 0), QPointF(6, 12));
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(QPointF(1.5, 6), QPointF(10.5, 6));
        drawArrowHead(p, {0.5, 6}, {-1, 0});
        drawArrowHead(p, {11.5, 6}, {1, 0});
        break;
    case 7: // mirror top-bottom
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawLine(QPointF(0, 6), QPointF(12, 6));
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(QPointF(6, 1.5), QPointF(6, 10.5));
        drawArrowHead(p, {6, 0.5}, {0, -1});
        drawArrowHead(p, {6, 11.5}, {0, 1});
        break;
    case 8: // invert: a square half black, half white
        p.setBrush(Qt::white);
        p.drawRect(QRectF(0.5, 0.5, 11, 11));
        p.fillRect(QRectF(6, 1, 5.5, 10.5), Qt::black);
        break;
    default: // map: a two-by-two chip grid
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 0.5, 9, 9));
        p.drawLine(QPointF(5, 0.5), QPointF(5, 9.5));
        p.drawLine(QPointF(0.5, 5), QPointF(9.5, 5));
        break;
    }
}

QPixmap toolIcon(int index)
{
    const int size = index == ToolPanel::kMapButton ? 10 : 12;
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    drawToolIcon(painter, index);
    return pixmap;
}

} // namespace

ToolPanel::ToolPanel(QWidget *parent) : QGroupBox(QStringLiteral("描画モード"), parent)
{
    const int down = titleAllowance(this);
    for (const ToolButtonDesign &design : kDesigns) {
        auto *button = new QToolButton(this);
        const QPixmap icon = toolIcon(design.index);
        button->setIcon(icon);
        button->setIconSize(icon.size());
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setGeometry(twips(design.left), twips(design.top) + down, kButtonSize, kButtonSize);
        button->setFocusPolicy(Qt::NoFocus);
        const int index = design.index;
        connect(button, &QToolButton::clicked, this, [this, index] { emit toolClicked(index); });
        buttons_[index] = button;
    }
    showButtons(ToolButtons()); // captions and start states
    setFixedSize(twips(2175), twips(1815) + down);
}

QToolButton *ToolPanel::toolButton(int index) const
{
    return index >= 0 && index < int(buttons_.size()) ? buttons_[index] : nullptr;
}

void ToolPanel::showButtons(const ToolButtons &model)
{
    for (int index = 0; index < int(buttons_.size()); ++index) {
        QToolButton *button = buttons_[index];
        if (!button)
            continue;
        const ToolButton &shown = model.toolButton(index);
        setButtonShade(button, shown.shade);
        button->setEnabled(shown.enabled);
        button->setVisible(shown.visible);
        button->setText(shown.caption);
    }
}

} // namespace vesk4
