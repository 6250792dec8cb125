#include "image/page_image.h"

#include "canvas/canvas_greys.h"
#include "files/whole_file.h"

#include <QBuffer>
#include <QImageReader>

#include <array>
#include <climits>

namespace vesk4 {

namespace {

constexpr int kOpaqueFrom = 128; // "2色Ex": alpha below this gives entry 2
constexpr int16_t kEntryBackground = 0;
constexpr int16_t kEntryDrawn = 1;
constexpr int16_t kEntryClear = 2;

Failure tooLarge(QSize size)
{
    return Failure{QStringLiteral("The image is %1 x %2 pixels; at most %3 x %3 can be imported.")
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

// Turns one pixel into the entry the page stores for it.
class EntryOfPixel {
public:
    EntryOfPixel(const Document &doc, int page, int threshold)
        : mode_(doc.pages[page].colourMode), threshold_(threshold), greys_(paletteGreys(doc))
    {
    }

    int16_t operator()(QRgb pixel) const
    {
        switch (mode_) {
        case kMode2:
            return byLuminance(composedOverWhite(pixel));
        case kMode2Ex:
            return qAlpha(pixel) < kOpaqueFrom ? kEntryClear : byLuminance(pixel);
        default:
            return nearestEntry(composedOverWhite(pixel));
        }
    }

private:
    int16_t byLuminance(QRgb pixel) const
    {
        return qGray(pixel) < threshold_ ? kEntryDrawn : kEntryBackground;
    }

    int16_t nearestEntry(QRgb pixel) const
    {
        int best = 0;
        int bestDistance = INT_MAX;
        for (int e = 0; e < kPaletteEntries; ++e) {
            const int g = greys_[std::size_t(e)];
            const int dr = qRed(pixel) - g, dg = qGreen(pixel) - g, db = qBlue(pixel) - g;
            const int distance = dr * dr + dg * dg + db * db;
            if (distance < bestDistance)
                best = e, bestDistance = distance;
        }
        return int16_t(best);
    }

    int mode_;
    int threshold_;
    std::array<int, kPaletteEntries> greys_;
};

} // namespace

Expected<QImage> readImportImage(QIODevice &device)
{
    QImageReader reader(&device);
    // Formats that tell their size are refused before any pixel is decoded.
    if (const QSize size = reader.size(); size.isValid() && !fitsImport(size))
        return tooLarge(size);
    QImage image = reader.read();
    if (image.isNull())
        return Failure{QStringLiteral("Cannot read the image: %1").arg(reader.errorString())};
    if (!fitsImport(image.size()))
        return tooLarge(image.size());
    return image;
}

Expected<QImage> readImportImage(const QString &path)
{
    // Read whole first, so a device or a pipe is bounded and waited on as every file reader does.
    Expected<QByteArray> bytes = readWholeFile(path, kMaxImportFileBytes);
    if (!bytes)
        return Failure{QStringLiteral("Cannot read the image: %1").arg(bytes.failure().message)};
    QBuffer buffer(&bytes.value());
    buffer.open(QIODevice::ReadOnly);
    return readImportImage(buffer);
}

Expected<ImportPlan> planImageImport(const Document &doc, int page, const QImage &image, QPoint at,
                                     int threshold)
{
    if (page < 0 || page >= kPageCount)
        return Failure{QStringLiteral("There is no page %1.").arg(page)};
    if (threshold < 0 || threshold > 255)
        return Failure{QStringLiteral("The threshold must be 0 to 255, not %1.").arg(threshold)};
    if (!fitsImport(image.size()))
        return tooLarge(image.size());

    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    const EntryOfPixel entryOf(doc, page, threshold);
    ImportPlan plan;
    plan.page = page;
    for (int iy = 0; iy < pixels.height(); ++iy) {
        const qint64 y = qint64(at.y()) + iy;
        const QRgb *line = reinterpret_cast<const QRgb *>(pixels.constScanLine(iy));
        for (int ix = 0; ix < pixels.width(); ++ix) {
            const qint64 x = qint64(at.x()) + ix;
            if (x < 0 || x >= kSheetWidth || y < 0 || y >= kSheetHeight) {
                ++plan.cut;
                continue;
            }
            const int16_t before = doc.PixelData(page, int(x), int(y));
            const int16_t after = entryOf(line[ix]);
            if (after != before)
                plan.changes.push_back({int16_t(x), int16_t(y), before, after});
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
