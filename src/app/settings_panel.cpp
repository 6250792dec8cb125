#include "app/settings_panel.h"

#include "document/number_text.h"
#include "files/project_file.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
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
    : QGroupBox(tr("Character Settings"), parent), nameBox_(new QLineEdit(QStringLiteral("Chr00"))),
      widthList_(new QComboBox), heightList_(new QComboBox), countBox_(new QLineEdit(QStringLiteral("8"))),
      countSpinBar_(makeSpinBar(kPatternCountSpinMaximum, 0)), outputCheckBox_(new QCheckBox)
{
    // Names for what the controls are, for accessibility tools and tests.
    nameBox_->setObjectName(QStringLiteral("nameBox"));
    widthList_->setObjectName(QStringLiteral("widthList"));
    heightList_->setObjectName(QStringLiteral("heightList"));
    countBox_->setObjectName(QStringLiteral("patternCountBox"));
    countSpinBar_->setObjectName(QStringLiteral("patternCountSpinBar"));
    outputCheckBox_->setObjectName(QStringLiteral("outputCheckBox"));
    nameBox_->setValidator(new PageNameValidator(nameBox_));
    // Names have no length limit; the box's default of 32767 would cut a longer name from a file
    // when its page is shown, and the cut name would be saved.
    nameBox_->setMaxLength(std::numeric_limits<int>::max());
    countBox_->setFixedWidth(kNumberBoxWidth);
    countSpinBar_->setFixedHeight(countBox_->sizeHint().height());

    auto *layout = new QGridLayout(this);
    layout->addWidget(new QLabel(tr("Name:")), 0, 0);
    layout->addWidget(nameBox_, 0, 1, 1, 3);
    layout->addWidget(new QLabel(tr("Size")), 1, 0);
    layout->addWidget(new QLabel(tr("X:")), 1, 1);
    layout->addWidget(widthList_, 1, 2, 1, 2);
    layout->addWidget(new QLabel(tr("Y:")), 2, 1);
    layout->addWidget(heightList_, 2, 2, 1, 2);
    layout->addWidget(new QLabel(tr("Patterns:")), 3, 0);
    auto *count = new QHBoxLayout;
    count->setSpacing(0);
    count->addWidget(countBox_);
    count->addWidget(countSpinBar_);
    count->addStretch();
    layout->addLayout(count, 3, 1, 1, 3);
    layout->addWidget(new QLabel(tr("Output data:")), 4, 0);
    layout->addWidget(outputCheckBox_, 4, 1, 1, 3);
    layout->setColumnStretch(3, 1);

    connect(nameBox_, &QLineEdit::textEdited, this, &SettingsPanel::nameEdited);
    for (Axis axis : {Axis::X, Axis::Y}) {
        connect(sizeList(axis), &QComboBox::activated, this, [this, axis](int index) {
            if (const std::optional<int16_t> size = toInt16(leadingNumber(sizeList(axis)->itemText(index))))
                emit sizeChosen(axis, *size);
        });
    }
    connect(countBox_, &QLineEdit::textEdited, this, &SettingsPanel::patternCountEdited);
    connect(countSpinBar_, &QScrollBar::actionTriggered, this, [this] {
        if (userMovedSpinBar(countSpinBar_))
            emit patternCountSpinBarMoved(countSpinBar_->sliderPosition());
    });
    connect(outputCheckBox_, &QCheckBox::clicked, this, &SettingsPanel::outputClicked);
}

void SettingsPanel::fillSizeLists()
{
    for (int size : kWidthItems)
        widthList_->addItem(QString::number(size));
    for (int size : kHeightItems)
        heightList_->addItem(QString::number(size));
}

void SettingsPanel::show(const PageSettingsView &view)
{
    nameBox_->setText(view.name);
    nameBox_->setEnabled(!view.nameAndSizeLocked);
    const std::pair<QComboBox *, int> lists[]
        = {{widthList_, view.patternWidth}, {heightList_, view.patternHeight}};
    for (auto [list, size] : lists) {
        list->setEnabled(!view.nameAndSizeLocked);
        if (const int index = list->findText(QString::number(size)); index >= 0)
            list->setCurrentIndex(index);
    }
    countBox_->setText(view.patternCountText);
    outputCheckBox_->setChecked(view.outputChecked);
}

void SettingsPanel::showPatternCount(const NumberBoxView &view)
{
    showNumberBox(countBox_, countSpinBar_, view);
}

bool userMovedSpinBar(const QScrollBar *bar)
{
    return bar->sliderPosition() != bar->value();
}

void showNumberBox(QLineEdit *box, QScrollBar *bar, const NumberBoxView &view)
{
    if (box->text() != view.text)
        box->setText(view.text);
    bar->setValue(view.spinPosition);
}

} // namespace vesk4
