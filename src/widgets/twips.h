#pragma once

#include <QGroupBox>
#include <QRect>

#include <algorithm>

namespace vesk4 {

// Control positions and sizes are designed in twips, 15 to a pixel at 96 dpi; Qt scales the pixels
// for high-dpi screens.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twips(int t)
{
    return t / kTwipsPerPixel;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {twips(left), twips(top), twips(width), twips(height)};
}

// Frames are designed with their caption on the border line and their first row 240 twips down. A
// group box draws its title above the line instead; this is how far the designed positions inside
// it move down, and its height grows, so the first row clears the title and the line.
inline int titleAllowance(const QGroupBox *frame)
{
    constexpr int kClearance = 4;
    return std::max(0, frame->contentsRect().top() + kClearance - twips(240));
}

} // namespace vesk4
