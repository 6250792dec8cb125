#pragma once

#include "document/page_settings_editor.h"

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QScrollBar;

namespace vesk4 {

// A number box with a spin bar beside it, coupled by box value = maximum - bar position.
QScrollBar *makeSpinBar(int maximum, int boxValue, QWidget *parent = nullptr);

// The frame "キャラクタ設定": the page's name box, the width and height lists, the pattern-count box
// with its spin bar and the output check box. It shows what it is told and signals only what the
// user does.
class SettingsPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit SettingsPanel(QWidget *parent = nullptr);

    QLineEdit *nameBox() const { return nameBox_; }
    QComboBox *widthList() const { return widthList_; }
    QComboBox *heightList() const { return heightList_; }
    QComboBox *sizeList(Axis axis) const { return axis == Axis::X ? widthList_ : heightList_; }
    QLineEdit *patternCountBox() const { return countBox_; }
    QScrollBar *patternCountSpinBar() const { return countSpinBar_; }
    QCheckBox *outputCheckBox() const { return outputCheckBox_; }

    // Appends the width items, then the height items.
    void fillSizeLists();
    // Shows a page's settings. A size a list lacks leaves its selection as it is.
    void show(const PageSettingsView &view);
    void showPatternCount(const NumberBoxView &view);

signals:
    void nameEdited(const QString &name);
    // An item was chosen from a list, also the one it already showed.
    void sizeChosen(Axis axis, int size);
    void patternCountEdited(const QString &text);
    void patternCountSpinBarMoved(int position);
    void outputClicked(bool checked);

private:
    QLineEdit *nameBox_;
    QComboBox *widthList_;
    QComboBox *heightList_;
    QLineEdit *countBox_;
    QScrollBar *countSpinBar_;
    QCheckBox *outputCheckBox_;
};

// Called on a bar's actionTriggered, before its value follows: whether the user's action moved it.
// An arrow pressed at the end of the bar moves nothing and changes nothing.
bool userMovedSpinBar(const QScrollBar *bar);

// Shows a box's text and its bar's position. The text is set only when it differs, so the cursor of
// a box the user is typing in stays where it is.
void showNumberBox(QLineEdit *box, QScrollBar *bar, const NumberBoxView &view);

} // namespace vesk4
