#include "image/dithering.h"

#include <array>
#include <cstddef>

namespace vesk4 {

namespace {

constexpr int16_t kInk = 1;
constexpr int16_t kBackground = 0;
constexpr int16_t kClear = 2;

struct Share {
    int dx;
    int dy;
    int numerator;
    int denominator;
};

constexpr std::array<Share, 4> kFloydSteinberg{{{1, 0, 7, 16}, {-1, 1, 3, 16}, {0, 1, 5, 16}, {1, 1, 1, 16}}};
constexpr std::array<Share, 6> kAtkinson{
    {{1, 0, 1, 8}, {2, 0, 1, 8}, {-1, 1, 1, 8}, {0, 1, 1, 8}, {1, 1, 1, 8}, {0, 2, 1, 8}}};

constexpr int kBayer4[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

// The errors still to come for the next rows, kept for three rows (Atkinson reaches two down) with
// two columns of margin on each side so no share needs a bounds check.
class ErrorRows {
public:
    explicit ErrorRows(int width) : width_(width), cells_(std::size_t(3) * (std::size_t(width) + 4), 0) { }

    int &at(int x, int rowsDown)
    {
        return cells_[std::size_t(rowsDown) * (std::size_t(width_) + 4) + std::size_t(x + 2)];
    }

    // The next row becomes the current one.
    void advance()
    {
        const std::size_t row = std::size_t(width_) + 4;
        std::copy(cells_.begin() + std::ptrdiff_t(row), cells_.end(), cells_.begin());
        std::fill(cells_.end() - std::ptrdiff_t(row), cells_.end(), 0);
    }

private:
    int width_;
    std::vector<int> cells_;
};

template <std::size_t N>
std::vector<int16_t> diffuse(const GreyImage &image, int threshold, const std::array<Share, N> &shares)
{
    std::vector<int16_t> entries(image.greys.size(), kBackground);
    ErrorRows errors(image.width);
    for (int y = 0; y < image.height; ++y) {
        const std::size_t row = std::size_t(y) * std::size_t(image.width);
        for (int x = 0; x < image.width; ++x) {
            const int grey = image.greys[row + std::size_t(x)];
            if (grey == kClearPixel) {
                entries[row + std::size_t(x)] = kClear;
                continue;
            }
            const int value = grey + errors.at(x, 0);
            const bool ink = value < threshold;
            entries[row + std::size_t(x)] = ink ? kInk : kBackground;
            const int error = value - (ink ? 0 : 255);
            for (const Share &s : shares)
                errors.at(x + s.dx, s.dy) += error * s.numerator / s.denominator;
        }
        errors.advance();
    }
    return entries;
}

std::vector<int16_t> ordered(const GreyImage &image, int threshold)
{
    std::vector<int16_t> entries(image.greys.size(), kBackground);
    for (int y = 0; y < image.height; ++y) {
        const std::size_t row = std::size_t(y) * std::size_t(image.width);
        for (int x = 0; x < image.width; ++x) {
            const int grey = image.greys[row + std::size_t(x)];
            // Ink below threshold + (m + 1/2) / 16 x 255 - 255 / 2 for matrix entry m, in 32nds.
            const int m = kBayer4[y & 3][x & 3];
            entries[row + std::size_t(x)] = grey == kClearPixel   ? kClear
                : 32 * grey < 32 * threshold + (2 * m - 15) * 255 ? kInk
                                                                  : kBackground;
        }
    }
    return entries;
}

} // namespace

std::optional<Dithering> ditheringNamed(QStringView name)
{
    for (Dithering d : {Dithering::FloydSteinberg, Dithering::Atkinson, Dithering::Bayer4})
        if (name == ditheringName(d))
            return d;
    return std::nullopt;
}

QString ditheringName(Dithering dithering)
{
    switch (dithering) {
    case Dithering::FloydSteinberg:
        return QStringLiteral("floyd-steinberg");
    case Dithering::Atkinson:
        return QStringLiteral("atkinson");
    case Dithering::Bayer4:
        return QStringLiteral("bayer4");
    case Dithering::None:
        break;
    }
    return QStringLiteral("none");
}

std::vector<int16_t> ditherTwoColours(const GreyImage &image, int threshold, Dithering dithering)
{
    switch (dithering) {
    case Dithering::FloydSteinberg:
        return diffuse(image, threshold, kFloydSteinberg);
    case Dithering::Atkinson:
        return diffuse(image, threshold, kAtkinson);
    case Dithering::Bayer4:
        return ordered(image, threshold);
    case Dithering::None:
        break;
    }
    return diffuse(image, threshold, std::array<Share, 0>{});
}

} // namespace vesk4
