#pragma once

#include <QColor>
#include <QRgb>

class QAbstractButton;

namespace vesk4 {

// The three background colours by which buttons show their state.
enum class ButtonShade {
    Face, // the style's button face: a button at rest
    Active, // light green: the current page, the active tool
    Applicable, // light yellow: a transform that applies to the floating block
};

inline constexpr QRgb kActiveButtonColour = qRgb(0xC0, 0xFF, 0xC0); // 0x00BBGGRR 0xC0FFC0
inline constexpr QRgb kApplicableButtonColour = qRgb(0xFF, 0xFF, 0xC0); // 0x00BBGGRR 0xC0FFFF

// Sets the button's background through its palette's Button role, which the Fusion style paints;
// Face drops the button's own colour so it follows the style again.
void setButtonShade(QAbstractButton *button, ButtonShade shade);

// The background colour the button is painted with.
QColor buttonBackground(const QAbstractButton *button);

} // namespace vesk4
