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

#include <QList>

#include <algorithm>
#include <iterator>
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

// The numbers a description draws its cells from: the same input gives the same document.
class DescribedNumbers {
public:
    explicit DescribedNumbers(uint32_t seed) : state_(seed | 1) { }
    uint32_t next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }

private:
    uint32_t state_;
};

// Reads the description's bytes in order; zero once they run out.
class DescriptionBytes {
public:
    explicit DescriptionBytes(QByteArrayView bytes) : bytes_(bytes) { }
    uint8_t next() { return at_ < bytes_.size() ? uint8_t(bytes_[at_++]) : 0; }
    uint32_t next32()
    {
        return uint32_t(next()) | uint32_t(next()) << 8 | uint32_t(next()) << 16 | uint32_t(next()) << 24;
    }

private:
    QByteArrayView bytes_;
    qsizetype at_ = 0;
};

// A cell value of a page of the mode: mostly one the mode writes, now and then one it cannot hold.
int16_t describedCell(int mode, DescribedNumbers &numbers)
{
    const uint32_t n = numbers.next();
    if (n % 61 == 0) {
        static constexpr int16_t kOdd[] = {-1, 16, 256, 4095, 32767, -32768, 3, 2};
        return kOdd[(n >> 8) % std::size(kOdd)];
    }
    switch (mode) {
    case kMode2:
        return int16_t(n >> 8 & 1);
    case kMode2Ex:
        return int16_t((n >> 8) % 3);
    case kMode4:
        return int16_t(n >> 8 & 3);
    case kMode16:
        return int16_t(n >> 8 & 15);
    default:
        return int16_t(n >> 8 & 255);
    }
}

// The document a description gives (see checkDescribedInclude). It is made afresh from the start-up
// document, whose sheets hold nothing, so a run frees what it allocates and libFuzzer sees no leak.
Document describedDocument(DescriptionBytes &in, int &damages)
{
    static const std::unique_ptr<Document> start = [] {
        auto d = std::make_unique<Document>();
        EditorState state;
        startDocument(*d, state);
        return d;
    }();
    Document doc = *start;
    static constexpr int16_t kWidths[]
        = {1, 2, 3, 4, 5, 7, 8, 9, 12, 16, 17, 24, 31, 32, 40, 63, 64, 65, 0, 8};
    static constexpr int16_t kHeights[] = {1, 2, 3, 4, 7, 8, 9, 15, 16, 17, 24, 32, 33, 64, 0, 8};
    const uint8_t flags = in.next();
    const int pages = flags & 7;
    damages = flags >> 6;
    for (int page = 0; page < pages; ++page) {
        Page &p = doc.pages[page];
        p.outputFlag = 1;
        p.colourMode = int16_t(in.next() % 5);
        p.patternWidth = kWidths[in.next() % std::size(kWidths)];
        p.patternHeight = kHeights[in.next() % std::size(kHeights)];
        p.patternCount = int16_t(in.next() % 13);
    }
    if (flags & 8) {
        for (int16_t &entry : doc.pages[0].pal4)
            entry = int16_t(in.next());
    }
    if (flags & 16) {
        for (int k = 0; k < 16; ++k)
            doc.pages[0].pal16[k] = int16_t(in.next());
    }
    DescribedNumbers numbers(in.next32());
    for (int page = 0; page < pages; ++page) {
        // The rows the patterns can reach; every cell of them, so patterns laid out side by side and
        // below each other all have data.
        const int rows = std::min<int>(kSheetHeight, std::max<int>(doc.pages[page].patternHeight, 1) * 4);
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < kSheetWidth; ++x)
                doc.PixelData(page, x, y) = describedCell(doc.pages[page].colourMode, numbers);
    }
    if (flags & 32) {
        doc.FileVer = 1;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 16; ++x)
                doc.MapData(0, x, y)
                    = numbers.next() % 29 == 0 ? int16_t(numbers.next()) : int16_t(numbers.next() & 255);
    }
    return doc;
}

// Damage to a line of the text: the action, and the line and byte it takes from the description.
void damage(QByteArray &text, DescriptionBytes &in)
{
    QList<QByteArray> lines = text.split('\n');
    if (lines.isEmpty())
        return;
    const uint16_t at = uint16_t(in.next() | in.next() << 8);
    const uint8_t action = in.next();
    const uint8_t byte = in.next();
    const qsizetype line = at % lines.size();
    QByteArray &l = lines[line];
    switch (action % 7) {
    case 0:
        lines.removeAt(line);
        break;
    case 1:
        lines.insert(line, l);
        break;
    case 2:
        if (line + 1 < lines.size())
            lines.swapItemsAt(line, line + 1);
        break;
    case 3:
        if (!l.isEmpty())
            l[byte % l.size()] = char(action);
        break;
    case 4:
        l.truncate(l.size() / 2);
        break;
    case 5:
        l.insert(l.size() / 2, char(byte));
        break;
    default:
        l.replace("0x", "0x" + QByteArray::number(byte % 16, 16));
        break;
    }
    text = lines.join('\n');
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

Status checkIncludeBytes(QByteArrayView bytes, bool saveProjectAgain)
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
    if (saveProjectAgain) {
        const Expected<QByteArray> saved = projectBytes(doc);
        if (!saved)
            return broken(QStringLiteral("an include file that read cannot be saved: ")
                          + saved.failure().text());
        const Expected<ProjectContent> reopened = projectRead(saved.value());
        if (!reopened)
            return broken(QStringLiteral("the saved project does not read: ") + reopened.failure().text());
        if (reopened.value() != content)
            return broken(QStringLiteral("saving and reading the project changed ")
                          + firstDifference(reopened.value(), content));
    }

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

Status checkDescribedInclude(QByteArrayView description, bool saveProjectAgain)
{
    DescriptionBytes in(description);
    int damages = 0;
    const Document doc = describedDocument(in, damages);
    const Expected<QByteArray> exported = includeFileBytes(doc);
    if (!exported)
        return exported.failure().message.isEmpty()
            ? broken(QStringLiteral("a failed export gives no reason"))
            : Status();
    QByteArray text = exported.value();
    for (int k = 0; k < damages; ++k)
        damage(text, in);
    if (Status s = checkIncludeBytes(text, saveProjectAgain); !s)
        return s;
    if (damages > 0)
        return {};
    // What the export wrote reads back, unless a pattern reaches past the sheet, and exports again
    // byte for byte.
    const Expected<IncludeReadResult> read = readInclude(text);
    if (!read) {
        if (read.failure().message.contains(QStringLiteral("beyond the 64 x 256 sheet")))
            return {};
        return broken(QStringLiteral("an export does not read: ") + read.failure().text());
    }
    const Expected<QByteArray> again = includeFileBytes(storedDocument(ProjectContent(read.value().content)));
    if (!again || again.value() != text)
        return broken(QStringLiteral("an export read back does not export the same bytes"));
    return {};
}

namespace {

Status includeFileChecks(QByteArrayView input, bool saveProjectAgain)
{
    // Odd first byte: the rest is the include file; even: the rest describes a document whose export
    // is read, with a few lines damaged.
    if (input.isEmpty())
        return {};
    if (input[0] & 1)
        return checkIncludeBytes(input.sliced(1), saveProjectAgain);
    return checkDescribedInclude(input.sliced(1), saveProjectAgain);
}

} // namespace

Status fuzzIncludeFile(QByteArrayView input)
{
    return includeFileChecks(input, true);
}

Status fuzzIncludeFileQuickly(QByteArrayView input)
{
    return includeFileChecks(input, qHash(input, 0) % kProjectAgainShare == 0);
}

Status fuzzImageImport(QByteArrayView input)
{
    return checkImageImport(input);
}

} // namespace vesk4
