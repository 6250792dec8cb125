#include "palette/colour_model.h"

#include <algorithm>

namespace vesk4 {

namespace {

int levelChannel(int level, int plus)
{
    return std::min((level + plus) * 16, 255);
}

QRgb levelColour(int rgb332, int plus)
{
    const Rgb332Levels l = rgb332Levels(rgb332);
    return qRgb(levelChannel(kLevelRG[l.r], plus), levelChannel(kLevelRG[l.g], plus),
                levelChannel(kLevelB[l.b], plus));
}

} // namespace

QRgb linearColour(int colourNumber)
{
    if (colourNumber < 0 || colourNumber > 255)
        return qRgb(0, 0, 0);
    const Rgb332Levels l = rgb332Levels(kPalOrder[colourNumber]);
    return qRgb(l.r * 32, l.g * 32, l.b * 64);
}

QRgb paletteSwatchLevelColour(int rgb332)
{
    return levelColour(rgb332, 1);
}

QRgb colourSwatchLevelColour(int rgb332)
{
    return levelColour(rgb332, 0);
}

} // namespace vesk4
