#include "image/page_image.h"

#include "canvas/canvas_greys.h"
#include "files/whole_file.h"
#include "image/dithering.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>

#include <algorithm>
#include <array>
#include <climits>

namespace vesk4 {

namespace {

constexpr int kOpaqueFrom = 128; // "2色Ex": alpha below this gives entry 2

Failure tooLarge(QSize size)
{
    return Failure{QCoreApplication::translate(
                       "PageImage", "The image is %1 x %2 pixels; at most %3 x %3 can be imported.")
                       .arg(size.width())
                       .arg(size.height())
                       .arg(kMaxImportSide)};
}

bool fitsImport(QSize size)
{
    return size.width() <= kMaxImportSide && size.height() <= kMaxImportSide;
}

// Rounded to the nearest level.
int overWhite(int channel, int alpha)
{
    return (channel * alpha + 255 * (255 - alpha) + 127) / 255;
}

QRgb composedOverWhite(QRgb pixel)
{
    const int a = qAlpha(pixel);
    return qRgb(overWhite(qRed(pixel), a), overWhite(qGreen(pixel), a), overWhite(qBlue(pixel), a));
}

// The greys the two-colour rules decide on: "2色" composes each pixel over white first; on "2色Ex"
// a mostly transparent pixel stays out.
GreyImage twoColourGreys(const QImage &pixels, int mode, int rows)
{
    GreyImage greys;
    greys.width = pixels.width();
    greys.height = rows;
    greys.greys.resize(std::size_t(pixels.width()) * std::size_t(rows));
    auto out = greys.greys.begin();
    for (int iy = 0; iy < rows; ++iy) {
        const QRgb *line = reinterpret_cast<const QRgb *>(pixels.constScanLine(iy));
        for (int ix = 0; ix < pixels.width(); ++ix, ++out) {
            const QRgb pixel = line[ix];
            if (mode == kMode2)
                *out = int16_t(qGray(composedOverWhite(pixel)));
            else
                *out = qAlpha(pixel) < kOpaqueFrom ? int16_t(kClearPixel) : int16_t(qGray(pixel));
        }
    }
    return greys;
}

// The palette entry 0-15 whose canvas grey is nearest in RGB to the pixel composed over white, the
// lower entry on a tie.
std::vector<int16_t> nearestEntries(const Document &doc, const QImage &pixels, int rows)
{
    const std::array<int, kPaletteEntries> greys = paletteGreys(doc);
    std::vector<int16_t> entries(std::size_t(pixels.width()) * std::size_t(rows));
    auto out = entries.begin();
    for (int iy = 0; iy < rows; ++iy) {
        const QRgb *line = reinterpret_cast<const QRgb *>(pixels.constScanLine(iy));
        for (int ix = 0; ix < pixels.width(); ++ix, ++out) {
            const QRgb pixel = composedOverWhite(line[ix]);
            int best = 0;
            int bestDistance = INT_MAX;
            for (int e = 0; e < kPaletteEntries; ++e) {
                const int g = greys[std::size_t(e)];
                const int dr = qRed(pixel) - g, dg = qGreen(pixel) - g, db = qBlue(pixel) - g;
                const int distance = dr * dr + dg * dg + db * db;
                if (distance < bestDistance)
                    best = e, bestDistance = distance;
            }
            *out = int16_t(best);
        }
    }
    return entries;
}

} // namespace

Expected<QImage> readImportImage(QIODevice &device)
{
    QImageReader reader(&device);
    // Formats that tell their size are refused before any pixel is decoded.
    if (const QSize size = reader.size(); size.isValid() && !fitsImport(size))
        return tooLarge(size);
    QImage image = reader.read();
    if (image.isNull())
        return Failure{
            QCoreApplication::translate("PageImage", "Cannot read the image: %1").arg(reader.errorString())};
    if (!fitsImport(image.size()))
        return tooLarge(image.size());
    return image;
}

Expected<QImage> readImportImage(const QString &path)
{
    // Read whole first, so a device or a pipe is bounded and waited on as every file reader does.
    Expected<QByteArray> bytes = readWholeFile(path, kMaxImportFileBytes);
    if (!bytes)
        return Failure{QCoreApplication::translate("PageImage", "Cannot read the image: %1")
                           .arg(bytes.failure().message)};
    QBuffer buffer(&bytes.value());
    buffer.open(QIODevice::ReadOnly);
    return readImportImage(buffer);
}

Expected<std::vector<int16_t>> imageEntries(const Document &doc, int page, const QImage &image, int rows,
                                            int threshold, Dithering dithering)
{
    if (page < 0 || page >= kPageCount)
        return Failure{QCoreApplication::translate("PageImage", "There is no page %1.").arg(page)};
    if (threshold < 0 || threshold > 255)
        return Failure{QCoreApplication::translate("PageImage", "The threshold must be 0 to 255, not %1.")
                           .arg(threshold)};
    if (!fitsImport(image.size()))
        return tooLarge(image.size());
    rows = std::clamp(rows, 0, image.height());
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    const int mode = doc.pages[page].colourMode;
    if (mode == kMode2 || mode == kMode2Ex)
        return ditherTwoColours(twoColourGreys(pixels, mode, rows), threshold, dithering);
    return nearestEntries(doc, pixels, rows);
}

Expected<ImportPlan> planImageImport(const Document &doc, int page, const QImage &image, QPoint at,
                                     int threshold, Dithering dithering)
{
    // Rows below the sheet are only counted: the dithering carries nothing upwards, so the rows
    // above decide alone.
    const qint64 rowsOnSheet = std::clamp<qint64>(qint64(kSheetHeight) - at.y(), 0, image.height());
    const Expected<std::vector<int16_t>> entries
        = imageEntries(doc, page, image, int(rowsOnSheet), threshold, dithering);
    if (!entries)
        return entries.failure();

    ImportPlan plan;
    plan.page = page;
    plan.cut = int((image.height() - rowsOnSheet) * image.width());
    auto entry = entries.value().begin();
    for (int iy = 0; iy < rowsOnSheet; ++iy) {
        const qint64 y = qint64(at.y()) + iy;
        for (int ix = 0; ix < image.width(); ++ix, ++entry) {
            const qint64 x = qint64(at.x()) + ix;
            if (x < 0 || x >= kSheetWidth || y < 0) {
                ++plan.cut;
                continue;
            }
            const int16_t before = doc.PixelData(page, int(x), int(y));
            if (*entry != before)
                plan.changes.push_back({int16_t(x), int16_t(y), before, *entry});
        }
    }
    return plan;
}

void applyImport(Document &doc, const ImportPlan &plan, CellChanges *journal)
{
    for (const ImportedCell &c : plan.changes)
        writeCell(doc.PixelData, journal, plan.page, c.x, c.y, c.after);
}

} // namespace vesk4
