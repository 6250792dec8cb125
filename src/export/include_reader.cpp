#include "export/include_reader.h"

#include "document/page_state.h"
#include "document/palette_rows.h"
#include "export/include_blocks.h"
#include "files/sjis_text.h"
#include "files/whole_file.h"
#include "palette/colour_model.h"

#include <QCoreApplication>

#include <algorithm>

namespace vesk4 {

using namespace include_reading;

// A project made from an include file holds at most 31 names of the longest a label gives, besides
// its sheets; it must stay within what the project reader takes.
static_assert(kMostBlocks * kMaxLabelBytes + 8 * kMebibyte <= kMaxProjectFileBytes);

namespace {

// The project the editor starts with, as a project file holds it: every page a default page, its
// sheet empty.
ProjectContent startContent()
{
    static const std::array<PageSettings, kPageCount> startPages = [] {
        Document doc;
        EditorState state;
        startDocument(doc, state);
        std::array<PageSettings, kPageCount> pages;
        for (int page = 0; page < kPageCount; ++page) {
            PageSettings &s = pages[page];
            s.colourMode = doc.pages[page].colourMode;
            s.name = doc.pages[page].name;
            s.patternWidth = doc.pages[page].patternWidth;
            s.patternHeight = doc.pages[page].patternHeight;
            s.patternCount = doc.pages[page].patternCount;
            s.outputFlag = doc.pages[page].outputFlag;
            s.pal4 = doc.pages[page].pal4;
            s.pal8 = doc.pages[page].pal8;
            std::copy_n(doc.pages[page].pal16.begin(), s.pal16.size(), s.pal16.begin());
        }
        return pages;
    }();
    ProjectContent content;
    content.pixels.assign(std::size_t(kPageCount) * kSheetCells, 0);
    content.pages = startPages;
    return content;
}

class DocumentBuilder {
public:
    DocumentBuilder(const ParsedFile &file, IncludeReadResult &result)
        : file_(file), content_(result.content), pages_(result.content.pages), notices_(result.notices)
    {
    }

    Status build()
    {
        if (Status s = checkDeclarations(); !s)
            return s;
        if (Status s = placePalette(); !s)
            return s;
        if (Status s = checkLooseRows(); !s)
            return s;
        for (std::size_t i = 0; i < file_.blocks.size(); ++i) {
            if (Status s = placeBlock(int(i)); !s)
                return s;
        }
        if (file_.paletteMode >= 0 && firstPage_ == 1)
            pages_[0].colourMode = int16_t(file_.paletteMode);
        if (file_.blocks.empty() && file_.paletteMode >= 0)
            pages_[0].colourMode = int16_t(file_.paletteMode);
        if (file_.blocks.empty() && file_.headerRows > 0)
            return placeMap(0);
        return {};
    }

private:
    Status checkDeclarations() const
    {
        const std::size_t count = std::max(file_.declarations.size(), file_.blocks.size());
        for (std::size_t i = 0; i < count; ++i) {
            if (i >= file_.declarations.size()) {
                return Failure{
                    QCoreApplication::translate(
                        "IncludeFile", "The block has no .global line; the export declares every block."),
                    file_.blocks[i].line};
            }
            const Declaration &d = file_.declarations[i];
            if (i >= file_.blocks.size())
                return Failure{QCoreApplication::translate(
                                   "IncludeFile", "The .global line declares a block that does not follow."),
                               d.line};
            if (d.name != file_.blocks[i].name) {
                return Failure{QCoreApplication::translate(
                                   "IncludeFile", "The .global line names another label than block %1 has.")
                                   .arg(i + 1),
                               d.line};
            }
        }
        return {};
    }

    Status placePalette()
    {
        if (file_.paletteMode == kMode4) {
            for (int k = 0; k < 4; ++k) {
                const std::optional<int16_t> v = wholeCellOfItem(file_.palette[k]);
                if (!v)
                    return Failure{QCoreApplication::translate("IncludeFile",
                                                               "The palette value is wider than 16 bits."),
                                   file_.paletteLine + k};
                pages_[0].pal4[k] = *v;
            }
            if (pages_[0].pal4 != kPal4Defaults)
                notePaletteLost();
        } else if (file_.paletteMode == kMode16) {
            bool defaults = true;
            for (int k = 0; k < 16; ++k) {
                const std::optional<int> number = colourNumber(file_.palette[k], pages_[0].pal16[k]);
                if (!number) {
                    return Failure{
                        QCoreApplication::translate(
                            "IncludeFile", "The palette word %1 is no colour of the colour-number table.")
                            .arg(hex(file_.palette[k])),
                        file_.paletteLine + k};
                }
                defaults = defaults && *number == pages_[0].pal16[k];
                pages_[0].pal16[k] = int16_t(*number);
            }
            if (!defaults)
                notePaletteLost();
        }
        return {};
    }

    void notePaletteLost()
    {
        notices_ << QCoreApplication::translate(
            "IncludeFile",
            "The palette lines give page 0 a palette other than the editor's default; a "
            "project file does not keep it (opening a project resets every palette), so "
            "an export of the saved project writes the default palette.");
    }

    // The colour number whose word the export writes as this one: the page's own entry when it has
    // that colour (so a default palette reads back unchanged), else the lowest such number.
    std::optional<int> colourNumber(uint32_t word, int current) const
    {
        if (word > 0xFFF)
            return std::nullopt;
        const int r = int(word >> 8), g = int(word >> 4 & 0xF), b = int(word & 0xF);
        const auto level = [](int digit, int step) {
            return digit == 0 ? 0 : (digit - 1) % step == 0 ? (digit - 1) / step : -1;
        };
        const int lr = level(r, 2), lg = level(g, 2), lb = level(b, 4);
        if (lr < 0 || lg < 0 || lb < 0 || lr > 7 || lg > 7 || lb > 3)
            return std::nullopt;
        const int rgb = lr << 5 | lg << 2 | lb;
        const std::array<int16_t, 256> &order = kPalOrder;
        const auto colourOf = [&order](int n) { return n >= 0 && n < 256 ? order[n] & 0xFF : 0; };
        if (colourOf(current) == rgb)
            return current;
        for (int n = 0; n < 256; ++n)
            if (colourOf(n) == rgb)
                return n;
        return std::nullopt;
    }

    Status checkLooseRows() const
    {
        if (!file_.blocks.empty() && file_.headerRows > 0)
            return Failure{QCoreApplication::translate("IncludeFile", "A data line before the first label."),
                           file_.rows[0].line};
        for (std::size_t i = 0; i < file_.blocks.size(); ++i) {
            const Block &block = file_.blocks[i];
            const bool mayHoldMap = i + 1 == file_.blocks.size() && block.patterns.empty();
            if (block.leadingRows > 0 && !mayHoldMap) {
                return Failure{QCoreApplication::translate("IncludeFile",
                                                           "A data line before the block's first ;PTN line."),
                               file_.rows[block.firstRow].line};
            }
        }
        return {};
    }

    Status placeMap(uint32_t firstRow)
    {
        const uint32_t count = uint32_t(file_.rows.size()) - firstRow;
        content_.map.assign(content_.pixels.size(), 0);
        for (uint32_t r = 0; r < count; ++r) {
            const Row &row = file_.rows[firstRow + r];
            if (count != kMapRows || row.itemCount != kMapItems) {
                return Failure{QCoreApplication::translate(
                                   "IncludeFile",
                                   "Data lines outside the blocks are the map: 32 lines of 16 items; "
                                   "these are %1 lines, this one of %2 items.")
                                   .arg(count)
                                   .arg(row.itemCount),
                               row.line};
            }
            for (int x = 0; x < kMapItems; ++x) {
                const std::optional<int16_t> v = wholeCellOfItem(file_.items[row.firstItem + x]);
                if (!v)
                    return Failure{
                        QCoreApplication::translate("IncludeFile", "Map item %1 is wider than 16 bits.")
                            .arg(x + 1),
                        row.line};
                content_.map[std::size_t(r) * kSheetWidth + x] = *v;
            }
        }
        content_.FileVer = 1;
        return {};
    }

    Status placeBlock(int index)
    {
        const Block &block = file_.blocks[index];
        const bool last = index + 1 == int(file_.blocks.size());
        if (block.width < 1)
            return Failure{
                QCoreApplication::translate("IncludeFile", "A pattern width below 1 cannot be laid out."),
                block.line + 1};
        bool ok = false;
        const QString name = decodeCp932(block.name, &ok);
        if (!ok)
            return Failure{QCoreApplication::translate(
                               "IncludeFile", "The label is no valid Shift-JIS (code page 932) text."),
                           block.line};
        if (!isStorablePageName(name))
            return Failure{
                QCoreApplication::translate("IncludeFile", "A project file cannot keep the name \"%1\".")
                    .arg(shownText(name)),
                block.line};

        std::optional<Reading> reading = chooseReading(block, index, last);
        if (!reading)
            return failure_;
        if (index == 0)
            firstPage_ = reading->page;
        const int page = reading->page;

        PageSettings &settings = pages_[page];
        settings.colourMode = int16_t(reading->shape.layout.mode);
        settings.name = name;
        settings.patternWidth = int16_t(block.width);
        settings.patternHeight = int16_t(block.height);
        settings.patternCount = int16_t(block.patterns.size());
        settings.outputFlag = 1;
        std::copy_n(reading->plane.cells(), kSheetCells,
                    content_.pixels.begin() + std::ptrdiff_t(page) * kSheetCells);
        noteBlock(block, page, *reading, index);

        if (last && reading->fit.withMap)
            return placeMap(reading->fit.mapFirstRow);
        if (last && block.patterns.empty() && block.leadingRows > 0)
            return placeMap(block.firstRow);
        return {};
    }

    struct Reading {
        Shape shape;
        int page;
        ShapeFit fit;
        SheetPlane plane;
        QStringList others; // other modes the data also reads as
    };

    struct Placement {
        Shape shape;
        int page;
    };

    // The readings to try, in the order of preference: the monochrome modes first, but for the first
    // block the palette lines' mode before all, so page 0 keeps them. The first block goes to page 1
    // when its mode would change page 0's palette lines; a "4色" block also when its indices do not
    // read through the palette lines' row, for page 1 indexes the default row.
    std::vector<Placement> placementsFor(const Block &block, int index) const
    {
        std::vector<Shape> shapes = shapesFor(block.width, block.height);
        if (index == 0 && file_.paletteMode >= 0) {
            std::stable_partition(shapes.begin(), shapes.end(),
                                  [this](const Shape &s) { return s.layout.mode == file_.paletteMode; });
        }
        std::vector<Placement> placements;
        for (const Shape &shape : shapes) {
            if (index > 0) {
                placements.push_back({shape, firstPage_ + index});
                continue;
            }
            const bool changesPalette = file_.paletteMode >= 0
                ? shape.layout.mode != file_.paletteMode
                : shape.layout.mode == kMode16 || shape.layout.mode == kMode4;
            placements.push_back({shape, changesPalette ? 1 : 0});
            if (shape.layout.mode == kMode4 && file_.paletteMode == kMode4)
                placements.push_back({shape, 1});
        }
        return placements;
    }

    // The first placement whose shape the block fits, whose items place on a sheet and whose page
    // leaves room for the blocks after it. failure_ tells why none did: of the readings of the right
    // shape the one that placed furthest, else the shape mismatch that came furthest.
    std::optional<Reading> chooseReading(const Block &block, int index, bool last)
    {
        std::optional<Reading> chosen;
        std::optional<Failure> placing; // of the readings whose shape fits, the one that placed furthest
        Failure shaping; // the shape mismatch the furthest into the block
        bool anyData = false;
        const int blocksAfter = int(file_.blocks.size()) - 1 - index;
        for (const Placement &placement : placementsFor(block, index)) {
            const Shape &shape = placement.shape;
            ShapeFit fit = fitShape(file_, block, shape, last);
            if (!fit.fits) {
                if (fit.failure.line >= shaping.line)
                    shaping = fit.failure;
                continue;
            }
            if (placement.page + blocksAfter > kLastCharacterPage) {
                if (!placing) {
                    placing = Failure{QCoreApplication::translate(
                                          "IncludeFile",
                                          "Read as %1 the first block goes to page 1, and the blocks "
                                          "then reach page 31, which the export never writes.")
                                          .arg(modeName(shape.layout.mode)),
                                      file_.blocks.front().line};
                }
                continue;
            }
            anyData = anyData || (shape.rows > 0 && !block.patterns.empty());
            const Pal4Row pal4 = pal4For(placement.page, shape.layout.mode);
            if (chosen) {
                noteOtherReading(*chosen, block, shape, pal4, anyData);
                continue;
            }
            Reading reading{shape, placement.page, fit, SheetPlane(), {}};
            const Status decoded = decodeBlock(file_, block, shape, pal4, reading.plane);
            if (decoded)
                chosen = std::move(reading);
            else if (!placing || decoded.failure().line > placing->line)
                placing = decoded.failure();
        }
        if (!chosen)
            failure_ = placing ? *placing : shaping;
        // Without data any mode reads; the one taken is one whose export accepts the width.
        if (chosen && !anyData)
            chosen->others.clear();
        return chosen;
    }

    // Keeps the name of another mode the block's data also reads as, for the notice.
    void noteOtherReading(Reading &chosen, const Block &block, const Shape &shape, const Pal4Row &pal4,
                          bool anyData)
    {
        const QString name = modeName(shape.layout.mode);
        if (!anyData || shape.layout.mode == chosen.shape.layout.mode || chosen.others.contains(name))
            return;
        scratch_.clear();
        if (decodeBlock(file_, block, shape, pal4, scratch_))
            chosen.others << name;
    }

    // A "4色" block on page 0 indexes the palette lines' row; on any other page the default row.
    Pal4Row pal4For(int page, int mode) const
    {
        if (page == 0 && mode == kMode4)
            return pages_[0].pal4;
        return kPal4Defaults;
    }

    void noteBlock(const Block &block, int page, const Reading &reading, int index)
    {
        const QString label = QStringLiteral("_") + pages_[page].name;
        if (!reading.others.isEmpty()) {
            notices_ << QCoreApplication::translate(
                            "IncludeFile", "line %1: the data of %2 reads as %3 and as %4; it is read as %3.")
                            .arg(block.line)
                            .arg(label, modeName(reading.shape.layout.mode),
                                 reading.others.join(QStringLiteral(", ")));
        }
        if (index == 0 && page == 1) {
            notices_ << (file_.paletteMode >= 0
                             ? QCoreApplication::translate(
                                   "IncludeFile",
                                   "%1 is in %2 and the palette lines in %3, so page 0 stays an unflagged "
                                   "%3 page with that palette and the blocks start at page 1.")
                                   .arg(label, modeName(reading.shape.layout.mode),
                                        modeName(file_.paletteMode))
                             : QCoreApplication::translate(
                                   "IncludeFile",
                                   "%1 is in %2 but the file has no palette lines, so page 0 stays an "
                                   "unflagged %3 page and the blocks start at page 1.")
                                   .arg(label, modeName(reading.shape.layout.mode), modeName(kMode2)));
        }
        if (block.patterns.size() > std::size_t(kMaxPatternCount)) {
            notices_ << QCoreApplication::translate(
                            "IncludeFile",
                            "Page %1 holds %2 patterns; the editor counts at most %3 and sets a larger "
                            "count to 0 when it shows the page.")
                            .arg(page)
                            .arg(block.patterns.size())
                            .arg(kMaxPatternCount);
        }
    }

    const ParsedFile &file_;
    ProjectContent &content_;
    std::array<PageSettings, kPageCount> &pages_;
    QStringList &notices_;
    int firstPage_ = 0;
    SheetPlane scratch_;
    Failure failure_;
};

} // namespace

Expected<IncludeReadResult> readInclude(QByteArrayView text)
{
    ParsedFile file;
    if (Status s = parseLines(text, file); !s)
        return s.failure();
    IncludeReadResult result{startContent(), {}};
    if (Status s = DocumentBuilder(file, result).build(); !s)
        return s.failure();
    return result;
}

Expected<IncludeReadResult> readIncludeFile(const QString &path)
{
    const Expected<QByteArray> bytes = readWholeFile(path, kMaxIncludeFileBytes);
    if (!bytes)
        return bytes.failure();
    return readInclude(bytes.value());
}

Expected<QStringList> openIncludeFile(const QString &path, Document &doc, EditorState &state)
{
    Expected<IncludeReadResult> read = readIncludeFile(path);
    if (!read)
        return read.failure();
    // The pages read replace the document's whole planes: no cell of the one before stays, also
    // beyond the sheet, where patterns that run past its edge take their cells from.
    doc.PixelData = PagedCellStore();
    doc.MapData = PagedCellStore();
    state.currentPage = 0;
    loadProjectContent(doc, state, std::move(read.value().content));
    return std::move(read.value().notices);
}

} // namespace vesk4
