#pragma once

#include "document/cell_changes.h"
#include "document/document.h"
#include "document/result.h"
#include "image/dithering.h"

#include <QIODevice>
#include <QImage>
#include <QPoint>
#include <QString>

#include <cstdint>
#include <vector>

namespace vesk4 {

// Pictures in and out of a page, one image pixel per cell.
//
// Import is two steps so that an undoable command can keep exactly what changed:
//   1. planImageImport() works out the cell changes without touching the document;
//   2. applyImport() writes the new values, through an undo journal when there is one (the editor's
//      import is one undoable step; the journal puts the old values back).
// A plan stays valid only as long as no other edit touches the page in between.
//
//   Expected<QImage> image = readImportImage(path);
//   if (!image) ... image.failure() ...
//   Expected<ImportPlan> plan = planImageImport(doc, page, image.value(), {x, y});
//   if (plan) applyImport(doc, plan.value());

inline constexpr int kMaxImportSide = 4096; // larger images are refused
// An image file larger than this is not read: a 4096 x 4096 image as plain-text PPM fits.
inline constexpr qint64 kMaxImportFileBytes = qint64(256) << 20;
inline constexpr int kDefaultImportThreshold = 128;
inline constexpr int kMaxImageScale = 16;

// One cell the import writes, with its value before and after.
struct ImportedCell {
    int16_t x;
    int16_t y;
    int16_t before;
    int16_t after;

    friend bool operator==(const ImportedCell &, const ImportedCell &) = default;
};

struct ImportPlan {
    int page = 0;
    // Only the sheet cells whose value changes, row by row.
    std::vector<ImportedCell> changes;
    // Image pixels whose cell lies outside the 64 x 256 sheet; they are not written.
    int cut = 0;
};

// Reads an image in any format Qt reads. Refuses, with the reader's reason, a file that does not
// read, and an image larger than 4096 x 4096 (before decoding it when the format tells its size).
Expected<QImage> readImportImage(const QString &path);
Expected<QImage> readImportImage(QIODevice &device);

// The cells that importing image into page at cell `at` would change. Each pixel becomes one entry:
// - "2色": the pixel composed over white; luminance (qGray) below threshold gives 1, else 0;
// - "2色Ex": alpha below 128 gives 2, else the pixel's own luminance as on "2色";
// - other modes: the pixel composed over white, then the palette entry 0-15 whose canvas grey is
//   nearest in RGB, the lower entry on a tie.
// Fails, leaving everything as it was, on a page outside 0-31, a threshold outside 0-255 or an
// image larger than 4096 x 4096.
// With a dithering other than None the two-colour pages dither the luminance instead (see
// dithering.h); "2色Ex" keeps its alpha rule, and other modes keep the nearest grey.
Expected<ImportPlan> planImageImport(const Document &doc, int page, const QImage &image, QPoint at,
                                     int threshold = kDefaultImportThreshold,
                                     Dithering dithering = Dithering::None);

// The entries of the image's first rows (at most its height), row by row, by the rules of
// planImageImport, without placing them: what an import preview shows. Fails as planImageImport.
Expected<std::vector<int16_t>> imageEntries(const Document &doc, int page, const QImage &image, int rows,
                                            int threshold, Dithering dithering);

void applyImport(Document &doc, const ImportPlan &plan, CellChanges *journal = nullptr);

struct PageImageOptions {
    // Only the rectangle from cell (0, 0) that the page's patterns cover, as the include export lays
    // them out, instead of the whole sheet.
    bool patternsOnly = false;
    int scale = 1; // 1-16, each cell a scale x scale block of pixels
    // The right pen's colours: a "2色" page shows cells of colour rightAltColour as rightColour, as the
    // canvas does.
    int rightColour = 255;
    int rightAltColour = 128;
};

// The page's cells in the greys the canvas shows for them; on a "2色Ex" page the cells of entry 2
// are transparent. Fails on a page outside 0-31, a scale outside 1-16, and with patternsOnly on a
// page whose patterns cover no cell of the sheet.
Expected<QImage> pageImage(const Document &doc, int page, const PageImageOptions &options = {});

// Writes image as PNG through a QSaveFile: the file is replaced whole or not at all.
Status writePngImage(const QImage &image, const QString &path);

} // namespace vesk4
