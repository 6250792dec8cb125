#pragma once

#include "document/document.h"
#include "document/edit_history.h"
#include "document/editor_state.h"

#include <QString>

#include <array>

namespace vesk4 {

// The two directions of the pattern size lists and of the grid interval boxes.
enum class Axis { X = 0, Y = 1 };

// A spin bar runs from 0 to its maximum K, coupled to its box by box value = K - bar position, so
// moving a bar up raises the number in its box.
inline constexpr int kGridXSpinMaximum = 128;
inline constexpr int kGridYSpinMaximum = 96;
inline constexpr int kPatternCountSpinMaximum = 255;

// How many characters of a page's name its button shows. The buttons are made to show eight
// ("MapChip0" and every start-up name whole), and names that differ only in their eighth character,
// such as "Enemy_01" and "Enemy_02", must not look alike.
inline constexpr int kPageCaptionLength = 8;

// The caption of a page's button for its name.
QString pageButtonCaption(const QString &name);

// The maximum of a grid box's spin bar, which is also the largest interval the box accepts.
int spinMaximum(Axis axis);

// A number box and the spin bar beside it: the text the box shows and the bar's position.
struct NumberBoxView {
    QString text;
    int spinPosition = 0;

    friend bool operator==(const NumberBoxView &, const NumberBoxView &) = default;
};

// What the frame "キャラクタ設定" shows for the current page. A size the lists lack leaves their
// selection as it is.
struct PageSettingsView {
    QString name;
    int patternWidth = 0;
    int patternHeight = 0;
    QString patternCountText;
    bool outputChecked = false; // only a flag of 1 is exported, so only 1 shows checked
    bool nameAndSizeLocked = false; // the BG page's name and size are not edited

    friend bool operator==(const PageSettingsView &, const PageSettingsView &) = default;
};

// The rules of the settings and grid boxes, without widgets. The window shows what it is told and
// hands over only what the user did; every change of a page setting goes through the edit history as
// one step. The editor also keeps what the grid and pattern-count boxes show, since the rules of a
// box depend on its text and on where its spin bar stands.
class PageSettingsEditor {
public:
    PageSettingsEditor(Document &doc, EditorState &state, EditHistory &history);

    // The grid boxes as the window starts: "8" in each with its bar at that value. The grid
    // intervals and the last accepted values are the document's and are not touched.
    void resetGridBoxes();

    // Makes the current page's values the ones the tables and the boxes show: its pattern size
    // becomes the current size and a pattern count above 99 (which only a project file can bring)
    // becomes 0, as the count box would turn it; then what the frame shows. Adds no step: showing a
    // page is no edit.
    PageSettingsView showPage();

    // The user's edits of the current page.
    void editName(const QString &name);
    // An item of the width (X) or height (Y) list was chosen, also the one already shown.
    void chooseSize(Axis axis, int size);
    void setOutput(bool checked);

    // A grid box's new text: a value from 0 to the bar's maximum is the new interval and moves the
    // bar; when the bar moves, the box shows the value's plain decimal text. Any other text is
    // replaced by the last accepted value behind a sign position (a blank, or the minus sign).
    const NumberBoxView &editGridBox(Axis axis, const QString &text);
    // The user moved a grid box's spin bar.
    const NumberBoxView &moveGridSpinBar(Axis axis, int position);
    // The pattern-count box's new text: a number up to 99 is the count; any other text becomes "0"
    // and the count 0. The bar does not follow the box.
    const NumberBoxView &editPatternCount(const QString &text);
    // The user moved the pattern-count spin bar: the box shows maximum - position.
    const NumberBoxView &movePatternCountSpinBar(int position);

    const NumberBoxView &gridBox(Axis axis) const { return gridBoxes_[int(axis)]; }
    const NumberBoxView &patternCountBox() const { return countBox_; }

private:
    int16_t &gridInterval(Axis axis) { return axis == Axis::X ? state_.gridIntervalX : state_.gridIntervalY; }

    Document &doc_;
    EditorState &state_;
    EditHistory &history_;
    std::array<NumberBoxView, 2> gridBoxes_;
    NumberBoxView countBox_;
};

} // namespace vesk4
