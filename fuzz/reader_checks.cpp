// The checks of the two readers of outside data besides the project file: the include file read back
// (`vesk4 from-inc`, the editor's include open) and an image imported onto a page.
#include "fuzz/fuzz_checks.h"

#include "document/cell_changes.h"
#include "document/page_state.h"
#include "export/include_export.h"
#include "export/include_reader.h"
#include "files/project_file.h"
#include "image/page_image.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>
#include <memory>

namespace vesk4 {

namespace {

Status broken(const QString &rule)
{
    return Failure{rule};
}

// The most lines a text can have, whichever line ends the reader takes.
qsizetype mostLines(QByteArrayView text)
{
    return text.count('\n') + text.count('\r') + 1;
}

// Where two contents differ first, in words.
QString firstDifference(const ProjectContent &a, const ProjectContent &b)
{
    if (a.FileVer != b.FileVer)
        return QStringLiteral("the format number, %1 against %2").arg(a.FileVer).arg(b.FileVer);
    if (a.map.size() != b.map.size())
        return QStringLiteral("the map sheets, there in only one");
    const auto cell = [](const std::vector<int16_t> &x, const std::vector<int16_t> &y, const char *plane) {
        const auto at = std::mismatch(x.begin(), x.end(), y.begin(), y.end()).first - x.begin();
        return QStringLiteral("the %1 cell at x %2, y %3 of page %4, %5 against %6")
            .arg(QLatin1String(plane))
            .arg(at % kSheetWidth)
            .arg(at / kSheetWidth % kSheetHeight)
            .arg(at / kSheetCells)
            .arg(at < qsizetype(x.size()) ? x[at] : 0)
            .arg(at < qsizetype(y.size()) ? y[at] : 0);
    };
    if (a.pixels != b.pixels)
        return cell(a.pixels, b.pixels, "pixel");
    if (a.map != b.map)
        return cell(a.map, b.map, "map");
    for (int page = 0; page < kPageCount; ++page) {
        const PageSettings &x = a.pages[page];
        const PageSettings &y = b.pages[page];
        if (x != y)
            return QStringLiteral("the settings of page %1: mode %2/%3, size %4x%5/%6x%7, count %8/%9, flag "
                                  "%10/%11")
                .arg(page)
                .arg(x.colourMode)
                .arg(y.colourMode)
                .arg(x.patternWidth)
                .arg(x.patternHeight)
                .arg(y.patternWidth)
                .arg(y.patternHeight)
                .arg(x.patternCount)
                .arg(y.patternCount)
                .arg(x.outputFlag)
                .arg(y.outputFlag);
    }
    return QStringLiteral("nothing");
}

Expected<QByteArray> projectBytes(const Document &doc)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (Status s = writeProject(doc, buffer); !s)
        return s.failure();
    return buffer.data();
}

Expected<ProjectContent> projectRead(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readProject(buffer);
}

// The colour mode, page, threshold, dithering and place of an image import, from the input's first
// four bytes; the rest is the image file.
struct ImportSettings {
    int16_t mode;
    int page;
    int threshold;
    Dithering dithering;
    QPoint at;
};

ImportSettings importSettingsOf(QByteArrayView input)
{
    const auto byte = [&input](int i) { return uint8_t(input[i]); };
    // Mode 9 stands for a number the project file may carry that is none of the five modes.
    static constexpr int16_t kModes[] = {kMode256, kMode16, kMode4, kMode2, kMode2Ex, 9, kMode2, kMode2Ex};
    static constexpr Dithering kDitherings[]
        = {Dithering::None, Dithering::FloydSteinberg, Dithering::Atkinson, Dithering::Bayer4};
    return {kModes[byte(0) & 7], (byte(0) >> 3 & 1) ? kPageCount - 1 : 2, byte(1),
            kDitherings[byte(0) >> 4 & 3],
            // x from -128 to 127 around a 64-cell sheet, y from -384 to 381 around 256 rows.
            QPoint(int8_t(byte(2)), int8_t(byte(3)) * 3)};
}

// The document the imports go into: every page's sheet holds cells of the entries 0-15 and a few
// out of range, so a plan's "before" values and its unchanged cells mean something.
Document &importDocument()
{
    static const std::unique_ptr<Document> doc = [] {
        auto d = std::make_unique<Document>();
        EditorState state;
        startDocument(*d, state);
        for (int page : {2, kPageCount - 1})
            for (int y = 0; y < kSheetHeight; ++y)
                for (int x = 0; x < kSheetWidth; ++x)
                    d->PixelData(page, x, y) = int16_t((x * 5 + y * 3) % 19 - 1);
        return d;
    }();
    return *doc;
}

// The largest entry a page's import gives.
int16_t largestEntry(int mode)
{
    return mode == kMode2 ? 1 : mode == kMode2Ex ? 2 : 15;
}

} // namespace

Status checkIncludeBytes(QByteArrayView bytes)
{
    Expected<IncludeReadResult> read = readInclude(bytes);
    if (!read) {
        const Failure &failure = read.failure();
        if (failure.message.isEmpty())
            return broken(QStringLiteral("a failed read gives no reason"));
        if (failure.line < 0 || failure.line > mostLines(bytes))
            return broken(QStringLiteral("a failed read names line %1 of at most %2: ")
                              .arg(failure.line)
                              .arg(mostLines(bytes))
                          + failure.message);
        return {};
    }
    const ProjectContent &content = read.value().content;

    // What `vesk4 from-inc` writes: the project file of the stored document, which reads back as
    // what the include file held.
    const Document doc = storedDocument(ProjectContent(content));
    const Expected<QByteArray> saved = projectBytes(doc);
    if (!saved)
        return broken(QStringLiteral("an include file that read cannot be saved: ") + saved.failure().text());
    const Expected<ProjectContent> reopened = projectRead(saved.value());
    if (!reopened)
        return broken(QStringLiteral("the saved project does not read: ") + reopened.failure().text());
    if (reopened.value() != content)
        return broken(QStringLiteral("saving and reading the project changed ")
                      + firstDifference(reopened.value(), content));

    // Exported again, the document gives an include file that reads back as the same project, and
    // exporting that one gives the same bytes.
    const Expected<QByteArray> exported = includeFileBytes(doc);
    if (!exported)
        return broken(QStringLiteral("an include file that read does not export: ")
                      + exported.failure().text());
    const Expected<IncludeReadResult> again = readInclude(exported.value());
    if (!again)
        return broken(QStringLiteral("the export of what read does not read: ") + again.failure().text());
    if (again.value().content != content)
        return broken(QStringLiteral("exporting and reading again changed ")
                      + firstDifference(again.value().content, content));
    return {};
}

Status checkImageImport(QByteArrayView input)
{
    if (input.size() < 4)
        return {};
    // Decoding stops at 4 MiB of pixels (a 1024 x 1024 image), so the runs go on the decoders and
    // the plan rather than on large allocations, which the size limits already bound.
    static const bool limited = [] {
        QImageReader::setAllocationLimit(4);
        return true;
    }();
    Q_UNUSED(limited);
    const ImportSettings settings = importSettingsOf(input);
    QByteArray file = input.sliced(4).toByteArray();
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    const Expected<QImage> read = readImportImage(buffer);
    if (!read) {
        if (read.failure().message.isEmpty())
            return broken(QStringLiteral("a failed image read gives no reason"));
        return {};
    }
    const QImage &image = read.value();
    if (image.isNull() || image.width() > kMaxImportSide || image.height() > kMaxImportSide)
        return broken(QStringLiteral("an image of %1 x %2 was read").arg(image.width()).arg(image.height()));

    Document &doc = importDocument();
    const int page = settings.page;
    doc.pages[page].colourMode = settings.mode;
    const Expected<ImportPlan> plan
        = planImageImport(doc, page, image, settings.at, settings.threshold, settings.dithering);
    if (!plan)
        return broken(QStringLiteral("an image that read does not plan: ") + plan.failure().text());

    // The entries of the rows on the sheet and one more: the dithering carries nothing upwards, so
    // the plan's rows are the first rows of the whole image's entries.
    const int w = image.width();
    const int h = image.height();
    const int top = std::max(0, settings.at.y());
    const int bottom = std::min(kSheetHeight, settings.at.y() + h);
    const int left = std::max(0, settings.at.x());
    const int right = std::min(kSheetWidth, settings.at.x() + w);
    const int rows = std::clamp(bottom - settings.at.y() + 1, 1, h);
    const Expected<std::vector<int16_t>> entries
        = imageEntries(doc, page, image, rows, settings.threshold, settings.dithering);
    if (!entries || entries.value().size() != std::size_t(w) * std::size_t(rows))
        return broken(QStringLiteral("the entries of an image that planned are missing"));
    for (int16_t e : entries.value())
        if (e < 0 || e > largestEntry(settings.mode))
            return broken(QStringLiteral("an entry %1 on a page of mode %2").arg(e).arg(settings.mode));

    const qint64 onSheet = qint64(std::max(0, right - left)) * std::max(0, bottom - top);
    if (plan.value().cut != qint64(w) * h - onSheet)
        return broken(QStringLiteral("%1 pixels are cut, %2 lie outside the sheet")
                          .arg(plan.value().cut)
                          .arg(qint64(w) * h - onSheet));

    // The changes are the sheet cells whose entry differs from the cell, row by row.
    const std::vector<ImportedCell> &changes = plan.value().changes;
    auto change = changes.begin();
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const int16_t cell = doc.PixelData(page, x, y);
            const int16_t entry
                = entries.value()[std::size_t(y - settings.at.y()) * w + (x - settings.at.x())];
            if (entry == cell)
                continue;
            if (change == changes.end() || change->x != x || change->y != y)
                return broken(
                    QStringLiteral("the cell at x %1, y %2 changes but is not planned").arg(x).arg(y));
            if (change->before != cell || change->after != entry)
                return broken(QStringLiteral("the plan for x %1, y %2 is %3 to %4, not %5 to %6")
                                  .arg(x)
                                  .arg(y)
                                  .arg(change->before)
                                  .arg(change->after)
                                  .arg(cell)
                                  .arg(entry));
            ++change;
        }
    }
    if (change != changes.end())
        return broken(QStringLiteral("the plan changes a cell that keeps its value or lies off the sheet"));

    // Applied through a journal and taken back, the page is as before.
    CellChanges journal;
    applyImport(doc, plan.value(), &journal);
    if (journal.list().size() != changes.size())
        return broken(QStringLiteral("the import journals %1 changes of %2")
                          .arg(journal.list().size())
                          .arg(changes.size()));
    for (const ImportedCell &c : changes)
        if (doc.PixelData(page, c.x, c.y) != c.after)
            return broken(QStringLiteral("the import did not write x %1, y %2").arg(c.x).arg(c.y));
    restoreBefore(doc.PixelData, journal.list());
    for (const ImportedCell &c : changes)
        if (doc.PixelData(page, c.x, c.y) != c.before)
            return broken(QStringLiteral("undoing the import did not restore x %1, y %2").arg(c.x).arg(c.y));
    return {};
}

Status fuzzIncludeFile(QByteArrayView input)
{
    return checkIncludeBytes(input);
}

Status fuzzImageImport(QByteArrayView input)
{
    return checkImageImport(input);
}

} // namespace vesk4
