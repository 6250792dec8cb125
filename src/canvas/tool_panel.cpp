#include "canvas/tool_panel.h"

#include "widgets/button_colour.h"
#include "widgets/twips.h"

#include <QAction>
#include <QCoreApplication>
#include <QFontMetrics>
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
    // The menu entry with its access key, and the single key that picks the tool; a text box with
    // the focus takes these keys as text (QLineEdit claims printable keys before any shortcut).
    const char *menuCaption;
    Qt::Key key;
};

// The shape tools' row lies as far below the transforms as those lie below the range actions.
constexpr int kShapeRowTop = 1230 + (1230 - 720);

constexpr std::array<ToolButtonDesign, 14> kDesigns{{
    {0, 120, 240, QT_TRANSLATE_NOOP("vesk4::ToolPanel", "&Pen"), Qt::Key_P},
    {1, 600, 240, QT_TRANSLATE_NOOP("vesk4::ToolPanel", "&Select"), Qt::Key_S},
    {2, 120, 720, QT_TRANSLATE_NOOP("vesk4::ToolPanel", "&Copy"), Qt::Key_C},
    {3, 600, 720, QT_TRANSLATE_NOOP("vesk4::ToolPanel", "&Move"), Qt::Key_M},
    {4, 1080, 720, QT_TRANSLATE_NOOP("vesk4::ToolPanel", "&Erase"), Qt::Key_E},
    {5, 120, 1230, QT_TRANSLATE_NOOP("vesk4::ToolPanel", "&Turn"), Qt::Key_T},
    {6, 600, 1230, QT_TRANSLATE_NOOP("vesk4::ToolPanel", "Flip &Horizontal"), Qt::Key_H},
    {7, 1080, 1230, QT_TRANSLATE_NOOP("vesk4::ToolPanel", "Flip &Vertical"), Qt::Key_V},
    {8, 1560, 1230, QT_TRANSLATE_NOOP("vesk4::ToolPanel", "&Invert"), Qt::Key_I},
    {ToolPanel::kMapButton, 1560, 210, nullptr, Qt::Key_unknown},
    {ToolButtons::kLine, 120, kShapeRowTop, QT_TRANSLATE_NOOP("vesk4::ToolPanel", "&Line"), Qt::Key_L},
    {ToolButtons::kRectangle, 600, kShapeRowTop, QT_TRANSLATE_NOOP("vesk4::ToolPanel", "&Rectangle"),
     Qt::Key_R},
    {ToolButtons::kFilledRectangle, 1080, kShapeRowTop,
     QT_TRANSLATE_NOOP("vesk4::ToolPanel", "Fille&d Rectangle"), Qt::Key_B},
    {ToolButtons::kFill, 1560, kShapeRowTop, QT_TRANSLATE_NOOP("vesk4::ToolPanel", "&Fill"), Qt::Key_F},
}};

constexpr int kButtonSize = twips(495);
// The frame as designed, and grown by the shape tools' row.
constexpr int kFrameWidth = 2175;
constexpr int kFrameHeight = 1815 + (kShapeRowTop - 1230);

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
    case ToolButtons::kLine: // a diagonal line
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(QPointF(1.5, 10.5), QPointF(10.5, 1.5));
        break;
    case ToolButtons::kRectangle: // a square's border
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(1.5, 2.5, 9, 7));
        break;
    case ToolButtons::kFilledRectangle: // a filled square
        p.drawRect(QRectF(1.5, 2.5, 9, 7));
        break;
    case ToolButtons::kFill: // a bucket pouring
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(QPolygonF{{2, 4}, {7, 1}, {11, 6}, {6, 10}});
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(2, 9.5), 1.5, 2);
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

// A caption wider than its button, as three full-width characters are, is drawn narrower rather
// than cut short.
void fitCaption(QToolButton *button)
{
    constexpr int kTextMargin = 6; // the style's frame and padding on both sides
    QFont font = button->font();
    for (int stretch = 95; stretch >= 50
         && QFontMetrics(font).horizontalAdvance(button->text()) > button->width() - kTextMargin;
         stretch -= 5)
        font.setStretch(stretch);
    if (font != button->font())
        button->setFont(font);
}

} // namespace

ToolPanel::ToolPanel(QWidget *parent) : QGroupBox(tr("Tools"), parent)
{
    const int down = titleAllowance(this);
    for (const ToolButtonDesign &design : kDesigns) {
        const int index = design.index;
        const QPixmap icon = toolIcon(index);
        auto *action = new QAction(QIcon(icon), QString(), this);
        if (design.menuCaption) {
            action->setText(tr(design.menuCaption));
            action->setShortcut(design.key);
        }
        auto *button = new QToolButton(this);
        button->setDefaultAction(action);
        button->setIconSize(icon.size());
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setGeometry(twips(design.left), twips(design.top) + down, kButtonSize, kButtonSize);
        button->setFocusPolicy(Qt::NoFocus);
        // A key or menu entry acts only when the button could be pressed: the map mode hides the
        // frame and leaves some of its buttons enabled.
        connect(action, &QAction::triggered, this, [this, button, index] {
            if (button->isVisibleTo(window()))
                emit toolClicked(index);
        });
        buttons_[std::size_t(index)] = button;
        actions_[std::size_t(index)] = action;
    }
    showButtons(ToolButtons()); // captions and start states
    for (QToolButton *button : buttons_)
        if (button)
            fitCaption(button);
    setFixedSize(twips(kFrameWidth), twips(kFrameHeight) + down);
}

QToolButton *ToolPanel::toolButton(int index) const
{
    return index >= 0 && index < int(buttons_.size()) ? buttons_[std::size_t(index)] : nullptr;
}

QAction *ToolPanel::toolAction(int index) const
{
    return index >= 0 && index < int(actions_.size()) ? actions_[std::size_t(index)] : nullptr;
}

void ToolPanel::showButtons(const ToolButtons &model)
{
    for (int index = 0; index < int(buttons_.size()); ++index) {
        QToolButton *button = buttons_[std::size_t(index)];
        if (!button)
            continue;
        const ToolButton &shown = model.toolButton(index);
        QAction *action = actions_[std::size_t(index)];
        setButtonShade(button, shown.shade);
        action->setEnabled(shown.enabled);
        button->setVisible(shown.visible);
        // The model holds the English caption; it is shown in the language installed now.
        action->setIconText(
            QCoreApplication::translate("vesk4::ToolButtons", shown.caption.toUtf8().constData()));
    }
}

} // namespace vesk4
