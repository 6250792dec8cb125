#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <vector>

namespace vesk4 {

// How an image's greys become the two entries of a two-colour page.
//
// Every method decides per pixel whether its grey, plus what it carries over from its neighbours,
// lies below the threshold (ink, entry 1) or not (background, entry 0):
// - None: the pixel's own grey against the threshold;
// - FloydSteinberg: the error of each decision (the grey minus 0 or 255) goes right and to the row
//   below: 7/16 right, 3/16 below left, 5/16 below, 1/16 below right;
// - Atkinson: 1/8 of the error to each of right, two right, below left, below, below right and two
//   below; the remaining quarter is dropped, which keeps light and dark areas cleaner;
// - Bayer4: no carried error; the threshold varies over the 4 x 4 ordered matrix, centred on the
//   chosen threshold.
// Rows run left to right, each from its first pixel. Errors are whole numbers and each share is
// rounded toward zero, so the result is the same on every machine.
enum class Dithering { None, FloydSteinberg, Atkinson, Bayer4 };

inline constexpr int kClearPixel = -1; // a grey that stays out of the dithering: entry 2

// The names the command line takes: "floyd-steinberg", "atkinson", "bayer4".
std::optional<Dithering> ditheringNamed(QStringView name);
QString ditheringName(Dithering dithering);

// Greys 0-255 row by row, or kClearPixel for pixels that take no part: they give entry 2, receive
// no error and spread none.
struct GreyImage {
    int width = 0;
    int height = 0;
    std::vector<int16_t> greys;
};

// The entry of every pixel, row by row: 1 ink, 0 background, 2 for a clear pixel.
std::vector<int16_t> ditherTwoColours(const GreyImage &image, int threshold, Dithering dithering);

} // namespace vesk4
