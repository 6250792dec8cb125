#pragma once

namespace vesk4 {

// Mouse buttons as the canvas handlers receive them: on a press or release the one button, on a
// move the set of buttons held, as a bit mask (3 is left and right together).
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

} // namespace vesk4
