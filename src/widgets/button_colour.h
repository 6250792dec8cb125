#pragma once

#include "widgets/button_shade.h"

#include <QColor>

class QAbstractButton;

namespace vesk4 {

// Sets the button's background through its palette's Button role, which the Fusion style paints;
// Face drops the button's own colour so it follows the style again.
void setButtonShade(QAbstractButton *button, ButtonShade shade);

// The background colour the button is painted with.
QColor buttonBackground(const QAbstractButton *button);

} // namespace vesk4
