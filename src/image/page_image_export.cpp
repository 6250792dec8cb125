#include "image/page_image.h"

#include "canvas/canvas_greys.h"
#include "files/whole_file.h"

#include <QCoreApplication>
#include <QImageWriter>

#include <algorithm>

namespace vesk4 {

namespace {

constexpr int16_t kEntryClear = 2;

bool bandsOf64(int mode)
{
    return mode == kMode256 || mode == kMode16 || mode == kMode4;
}

// The cells from (0, 0) that the page's patterns cover on the sheet, laid out as the include export
// lays them out: bands 64 cells wide in the modes of more colours, bands of whole patterns in the
// two-colour modes.
Expected<QSize> patternCover(const Document &doc, int page)
{
    const int64_t width = doc.pages[page].patternWidth;
    const int64_t height = doc.pages[page].patternHeight;
    const int64_t count = doc.pages[page].patternCount;
    const int64_t band = bandsOf64(doc.pages[page].colourMode)
        ? kSheetWidth
        : kSheetWidth / std::max<int64_t>(width, 1) * width;
    if (count < 1 || width < 1 || height < 1 || band < 1) {
        return Failure{
            QCoreApplication::translate(
                "PageImage",
                "The patterns of page %1 cover no cell of the sheet (%2 patterns of %3 x %4 cells).")
                .arg(page)
                .arg(count)
                .arg(width)
                .arg(height)};
    }
    int64_t right = 0;
    int64_t bottom = 0;
    for (int64_t p = 0; p < count; ++p) {
        right = std::max(right, p * width % band + width);
        bottom = std::max(bottom, p * width / band * height + height);
    }
    return QSize(int(std::min<int64_t>(right, kSheetWidth)), int(std::min<int64_t>(bottom, kSheetHeight)));
}

} // namespace

Expected<QImage> pageImage(const Document &doc, int page, const PageImageOptions &options)
{
    if (page < 0 || page >= kPageCount)
        return Failure{QCoreApplication::translate("PageImage", "There is no page %1.").arg(page)};
    if (options.scale < 1 || options.scale > kMaxImageScale)
        return Failure{QCoreApplication::translate("PageImage", "The scale must be 1 to %1, not %2.")
                           .arg(kMaxImageScale)
                           .arg(options.scale)};
    QSize cells(kSheetWidth, kSheetHeight);
    if (options.patternsOnly) {
        const Expected<QSize> cover = patternCover(doc, page);
        if (!cover)
            return cover.failure();
        cells = cover.value();
    }

    const int mode = doc.pages[page].colourMode;
    const bool withClear = mode == kMode2Ex;
    const int k = options.scale;
    QImage image(cells * k, withClear ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < cells.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y * k));
        for (int x = 0; x < cells.width(); ++x) {
            const int v = doc.PixelData(page, x, y);
            const int g = cellGrey(doc, mode, v, options.rightColour, options.rightAltColour);
            const QRgb colour = withClear && v == kEntryClear ? qRgba(g, g, g, 0) : qRgb(g, g, g);
            std::fill_n(line + std::ptrdiff_t(x) * k, k, colour);
        }
        for (int r = 1; r < k; ++r)
            std::copy_n(line, image.width(), reinterpret_cast<QRgb *>(image.scanLine(y * k + r)));
    }
    return image;
}

Status writePngImage(const QImage &image, const QString &path)
{
    return writeWholeFile(path, [&image](QIODevice &file) -> Status {
        QImageWriter writer(&file, "png");
        if (!writer.write(image))
            return Failure{QCoreApplication::translate("PageImage", "Cannot write the image: %1")
                               .arg(writer.errorString())};
        return {};
    });
}

} // namespace vesk4
