#pragma once

#include <QRgb>

namespace vesk4 {

// The three background colours by which buttons show their state.
enum class ButtonShade {
    Face, // the style's button face: a button at rest
    Active, // light green: the current page, the active tool
    Applicable, // light yellow: a transform that applies to the floating block
};

inline constexpr QRgb kActiveButtonColour = qRgb(0xC0, 0xFF, 0xC0); // 0x00BBGGRR 0xC0FFC0
inline constexpr QRgb kApplicableButtonColour = qRgb(0xFF, 0xFF, 0xC0); // 0x00BBGGRR 0xC0FFFF

} // namespace vesk4
