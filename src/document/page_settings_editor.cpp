#include "document/page_settings_editor.h"

#include "document/number_text.h"
#include "document/page_state.h"

namespace vesk4 {

namespace {

constexpr int kBgPage = kPageCount - 1;
constexpr int kStartGridText = 8; // what the grid boxes show as the window opens

// The text a refused grid entry is replaced with: the last accepted value behind its sign position.
QString signedText(int value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

// A grid box's text as an interval: from 0 to the bar's maximum, compared before rounding.
std::optional<int16_t> acceptedInterval(const QString &text, int maximum)
{
    const double value = leadingNumber(text);
    return value >= 0 && value <= maximum ? toInt16(value) : std::nullopt;
}

} // namespace

QString pageButtonCaption(const QString &name)
{
    return name.left(kPageCaptionLength);
}

int spinMaximum(Axis axis)
{
    return axis == Axis::X ? kGridXSpinMaximum : kGridYSpinMaximum;
}

PageSettingsEditor::PageSettingsEditor(Document &doc, EditorState &state, EditHistory &history)
    : doc_(doc), state_(state), history_(history),
      // The count bar starts at its bottom, whatever the box shows; nothing but the user moves it.
      countBox_{QStringLiteral("0"), kPatternCountSpinMaximum}
{
    resetGridBoxes();
}

void PageSettingsEditor::resetGridBoxes()
{
    for (Axis axis : {Axis::X, Axis::Y})
        gridBoxes_[int(axis)] = {QString::number(kStartGridText), spinMaximum(axis) - kStartGridText};
}

PageSettingsView PageSettingsEditor::showPage()
{
    showPageTables(doc_, state_);
    const int page = state_.currentPage;
    countBox_.text = QString::number(doc_.pages[page].patternCount);
    return {.name = doc_.pages[page].name,
            .patternWidth = doc_.pages[page].patternWidth,
            .patternHeight = doc_.pages[page].patternHeight,
            .patternCountText = countBox_.text,
            .outputChecked = doc_.pages[page].outputFlag == 1,
            .nameAndSizeLocked = page == kBgPage};
}

void PageSettingsEditor::editName(const QString &name)
{
    history_.changeSetting(state_.currentPage, PageSetting::Name, name);
}

void PageSettingsEditor::chooseSize(Axis axis, int size)
{
    const auto value = int16_t(size);
    history_.changeSetting(state_.currentPage,
                           axis == Axis::X ? PageSetting::PatternWidth : PageSetting::PatternHeight, value);
    (axis == Axis::X ? state_.currentPatternWidth : state_.currentPatternHeight) = value;
}

void PageSettingsEditor::setOutput(bool checked)
{
    history_.changeSetting(state_.currentPage, PageSetting::OutputFlag, int16_t(checked ? 1 : 0));
}

const NumberBoxView &PageSettingsEditor::editGridBox(Axis axis, const QString &text)
{
    NumberBoxView &box = gridBoxes_[int(axis)];
    const int maximum = spinMaximum(axis);
    box.text = text;
    std::optional<int16_t> accepted = acceptedInterval(text, maximum);
    if (!accepted) {
        box.text = signedText(state_.lastGridValue[int(axis)]);
        // The replacement is read like typed text; a last value out of range stores nothing.
        accepted = acceptedInterval(box.text, maximum);
        if (!accepted)
            return box;
    }
    gridInterval(axis) = *accepted;
    state_.lastGridValue[int(axis)] = *accepted;
    // A bar that moves writes its value back as plain digits: a typed leading zero or the blank of
    // a replacement goes.
    if (box.spinPosition != maximum - *accepted) {
        box.spinPosition = maximum - *accepted;
        box.text = QString::number(*accepted);
    }
    return box;
}

const NumberBoxView &PageSettingsEditor::moveGridSpinBar(Axis axis, int position)
{
    gridBoxes_[int(axis)].spinPosition = position;
    return editGridBox(axis, QString::number(spinMaximum(axis) - position));
}

const NumberBoxView &PageSettingsEditor::editPatternCount(const QString &text)
{
    // Compared before rounding: 99.4 is above 99, though it rounds to 99.
    const std::optional<int16_t> count = isNumber(text) && leadingNumber(text) <= kMaxPatternCount
        ? toInt16(leadingNumber(text))
        : std::nullopt;
    countBox_.text = count ? text : QStringLiteral("0");
    history_.changeSetting(state_.currentPage, PageSetting::PatternCount, count.value_or(0));
    return countBox_;
}

const NumberBoxView &PageSettingsEditor::movePatternCountSpinBar(int position)
{
    countBox_.spinPosition = position;
    return editPatternCount(QString::number(kPatternCountSpinMaximum - position));
}

} // namespace vesk4
