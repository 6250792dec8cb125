#include "app/settings_panel.h"

#include "files/project_file.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QValidator>

#include <initializer_list>
#include <limits>

namespace vesk4 {

namespace {

constexpr std::initializer_list<int> kWidthItems{4, 8, 16, 20, 24, 32, 40, 48, 56, 64};
constexpr std::initializer_list<int> kHeightItems{8, 16, 20, 24, 32, 40, 48, 56, 64};
constexpr int kNumberBoxWidth = 40;
constexpr int kSpinBarWidth = 17;

// Keeps out of the name box what a project file cannot carry back: commas, double quotes, control
// characters, a leading blank, characters outside code page 932. Names the program puts into the
// box are shown as they are.
class PageNameValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        return isStorablePageName(input) ? Acceptable : Invalid;
    }
};

} // namespace

QScrollBar *makeSpinBar(int maximum, int boxValue, QWidget *parent)
{
    auto *bar = new QScrollBar(Qt::Vertical, parent);
    bar->setRange(0, maximum);
    bar->setValue(maximum - boxValue);
    bar->setPageStep(1); // a spin: no slider to speak of, only the two arrows
    bar->setFixedWidth(kSpinBarWidth);
    return bar;
}

SettingsPanel::SettingsPanel(QWidget *parent)
    : QGroupBox(QStringLiteral("キャラクタ設定"), parent),
      nameBox_(new QLineEdit(QStringLiteral("Chr00"))), sizeLists_{new QComboBox, new QComboBox},
      countBox_(new QLineEdit(QStringLiteral("8"))), countSpinBar_(makeSpinBar(kPatternCountSpinMaximum, 0)),
      outputCheckBox_(new QCheckBox)
{
    nameBox_->setValidator(new PageNameValidator(nameBox_));
    // Names have no length limit; the box's default of 32767 would cut a longer name from a file
    // when its page is shown, and the cut name would be saved.
    nameBox_->setMaxLength(std::numeric_limits<int>::max());
    countBox_->setFixedWidth(kNumberBoxWidth);
    countSpinBar_->setFixedHeight(countBox_->sizeHint().height());

    auto *layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("ネーム：")), 0, 0);
    layout->addWidget(nameBox_, 0, 1, 1, 3);
    layout->addWidget(new QLabel(QStringLiteral("サイズ")), 1, 0);
    layout->addWidget(new QLabel(QStringLiteral("X：")), 1, 1);
    layout->addWidget(sizeLists_[0], 1, 2, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Y：")), 2, 1);
    layout->addWidget(sizeLists_[1], 2, 2, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("パターン数：")), 3, 0);
    auto *count = new QHBoxLayout;
    count->setSpacing(0);
    count->addWidget(countBox_);
    count->addWidget(countSpinBar_);
    count->addStretch();
    layout->addLayout(count, 3, 1, 1, 3);
    layout->addWidget(new QLabel(QStringLiteral("データ出力：")), 4, 0);
    layout->addWidget(outputCheckBox_, 4, 1, 1, 3);
    layout->setColumnStretch(3, 1);
}

void SettingsPanel::fillSizeLists()
{
    // Appending items is no selection by the user: the lists' handlers do not run.
    const QSignalBlocker blockWidths(sizeLists_[0]);
    const QSignalBlocker blockHeights(sizeLists_[1]);
    for (int size : kWidthItems)
        sizeLists_[0]->addItem(QString::number(size));
    for (int size : kHeightItems)
        sizeLists_[1]->addItem(QString::number(size));
}

void SettingsPanel::selectSize(int list, int size)
{
    QComboBox *combo = sizeLists_.at(list);
    const int index = combo->findText(QString::number(size));
    if (index >= 0)
        combo->setCurrentIndex(index);
}

} // namespace vesk4
