// The main window's handlers of the settings and grid frames and of the canvas scroll bar. Each
// writes what its control shows into the tables of the current page; setting a control from the
// program runs its handler as a user edit would.
#include "app/main_window.h"

#include "app/grid_panel.h"
#include "app/page_bar.h"
#include "app/settings_panel.h"
#include "canvas/canvas_view.h"
#include "document/number_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace vesk4 {

namespace {

constexpr int kCaptionLength = 7;
constexpr int kMaxPatternCountInBox = 99;

// Box value = K - spin bar position.
int spinMaximum(int index)
{
    switch (index) {
    case 0:
        return kGridXSpinMaximum;
    case 1:
        return kGridYSpinMaximum;
    default:
        return kPatternCountSpinMaximum;
    }
}

// A box's text as a 16-bit value: its leading number, rounded half to even; nothing when that does
// not fit.
std::optional<int16_t> boxValue(const QLineEdit *box)
{
    return toInt16(leadingNumber(box->text()));
}

// The text a rejected grid entry is replaced with: the last accepted value behind its sign position.
QString signedText(int value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

} // namespace

QLineEdit *MainWindow::numberBox(int index) const
{
    return index == SettingsPanel::kPatternCountBox ? settingsPanel_->numberBox(index)
                                                    : gridPanel_->numberBox(index);
}

QScrollBar *MainWindow::spinBar(int index) const
{
    return index == SettingsPanel::kPatternCountBox ? settingsPanel_->spinBar(index)
                                                    : gridPanel_->spinBar(index);
}

void MainWindow::nameEdited()
{
    const QString name = settingsPanel_->nameBox()->text();
    history_.changeSetting(state_.currentPage, PageSetting::Name, name);
    pageBar_->pageButton(state_.currentPage)->setText(name.left(kCaptionLength));
}

void MainWindow::sizeChosen(int index)
{
    const std::optional<int16_t> size
        = toInt16(leadingNumber(settingsPanel_->sizeList(index)->currentText()));
    if (!size) // no item selected
        return;
    history_.changeSetting(state_.currentPage,
                           index == 0 ? PageSetting::PatternWidth : PageSetting::PatternHeight, *size);
    (index == 0 ? state_.currentPatternWidth : state_.currentPatternHeight) = *size;
    redraw(true);
}

void MainWindow::numberBoxEdited(int index)
{
    if (index == 0 || index == 1) {
        QLineEdit *box = numberBox(index);
        const double value = leadingNumber(box->text());
        const int maximum = spinMaximum(index);
        const std::optional<int16_t> accepted
            = value >= 0 && value <= maximum ? toInt16(value) : std::nullopt;
        if (!accepted) {
            // Runs this handler again with the last accepted value.
            box->setText(signedText(state_.lastGridValue[index]));
        } else {
            (index == 0 ? state_.gridIntervalX : state_.gridIntervalY) = *accepted;
            spinBar(index)->setValue(maximum - *accepted);
            state_.lastGridValue[index] = *accepted;
        }
    } else if (index == SettingsPanel::kPatternCountBox) {
        QLineEdit *box = numberBox(index);
        if (!isNumber(box->text()))
            box->setText(QStringLiteral("0"));
        // Compared before rounding: 99.4 is above 99, though it rounds to 99.
        const double value = leadingNumber(box->text());
        const std::optional<int16_t> count
            = isNumber(box->text()) && value <= kMaxPatternCountInBox ? toInt16(value) : std::nullopt;
        if (!count)
            box->setText(QStringLiteral("0"));
        history_.changeSetting(state_.currentPage, PageSetting::PatternCount, count.value_or(0));
    }
    redraw(false);
}

void MainWindow::spinBarMoved(int index)
{
    QLineEdit *box = numberBox(index);
    box->setText(QString::number(spinMaximum(index) - spinBar(index)->value()));
    const int16_t value = boxValue(box).value_or(0);
    if (index == 0)
        state_.gridIntervalX = value;
    else if (index == 1)
        state_.gridIntervalY = value;
    else
        history_.changeSetting(state_.currentPage, PageSetting::PatternCount, value);
    redraw(false);
}

void MainWindow::outputToggled()
{
    history_.changeSetting(state_.currentPage, PageSetting::OutputFlag,
                           int16_t(settingsPanel_->outputCheckBox()->isChecked() ? 1 : 0));
}

void MainWindow::scrollBarMoved()
{
    state_.scrollRow = int16_t(canvasView_->scrollBar()->value());
    redraw(true);
}

} // namespace vesk4
