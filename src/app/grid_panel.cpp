#include "app/grid_panel.h"

#include "app/settings_panel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

namespace vesk4 {

namespace {
constexpr int kStartInterval = 8; // the boxes' design-time text
constexpr int kNumberBoxWidth = 40;
} // namespace

GridPanel::GridPanel(QWidget *parent) : QGroupBox(tr("Grid"), parent)
{
    auto *layout = new QGridLayout(this);
    layout->setHorizontalSpacing(0);
    const std::array<const char *, 2> captions{QT_TR_NOOP("X:"), QT_TR_NOOP("Y:")};
    for (Axis axis : {Axis::X, Axis::Y}) {
        const int i = int(axis);
        const QString axisName = QLatin1String(axis == Axis::X ? "X" : "Y");
        auto *box = new QLineEdit(QString::number(kStartInterval));
        box->setObjectName(QStringLiteral("grid%1Box").arg(axisName));
        box->setFixedWidth(kNumberBoxWidth);
        auto *bar = makeSpinBar(spinMaximum(axis), kStartInterval);
        bar->setObjectName(QStringLiteral("grid%1SpinBar").arg(axisName));
        bar->setFixedHeight(box->sizeHint().height());
        layout->addWidget(new QLabel(tr(captions[i])), i, 0);
        layout->addWidget(box, i, 1);
        layout->addWidget(bar, i, 2);
        connect(box, &QLineEdit::textEdited, this,
                [this, axis](const QString &text) { emit intervalEdited(axis, text); });
        connect(bar, &QScrollBar::actionTriggered, this, [this, axis, bar] {
            if (userMovedSpinBar(bar))
                emit intervalSpinBarMoved(axis, bar->sliderPosition());
        });
        intervalBoxes_[i] = box;
        intervalSpinBars_[i] = bar;
    }
    layout->setColumnStretch(3, 1);
}

void GridPanel::show(Axis axis, const NumberBoxView &view)
{
    showNumberBox(intervalBox(axis), intervalSpinBar(axis), view);
}

} // namespace vesk4
