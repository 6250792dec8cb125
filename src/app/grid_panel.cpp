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

GridPanel::GridPanel(QWidget *parent) : QGroupBox(QStringLiteral("グリッド"), parent)
{
    auto *layout = new QGridLayout(this);
    layout->setHorizontalSpacing(0);
    const std::array<const char *, 2> captions{"X：", "Y："};
    const std::array<int, 2> maxima{kGridXSpinMaximum, kGridYSpinMaximum};
    for (int i = 0; i < 2; ++i) {
        intervalBoxes_[i] = new QLineEdit(QString::number(kStartInterval));
        intervalBoxes_[i]->setFixedWidth(kNumberBoxWidth);
        intervalSpinBars_[i] = makeSpinBar(maxima[i], kStartInterval);
        intervalSpinBars_[i]->setFixedHeight(intervalBoxes_[i]->sizeHint().height());
        layout->addWidget(new QLabel(QString::fromUtf8(captions[i])), i, 0);
        layout->addWidget(intervalBoxes_[i], i, 1);
        layout->addWidget(intervalSpinBars_[i], i, 2);
    }
    layout->setColumnStretch(3, 1);
}

} // namespace vesk4
