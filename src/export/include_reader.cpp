#include "export/include_reader.h"

#include "document/page_state.h"
#include "files/project_file.h"
#include "files/sjis_text.h"
#include "files/whole_file.h"
#include "palette/colour_model.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace vesk4 {

namespace {

constexpr int kMapRows = 32;
constexpr int kMapItems = 16;
constexpr int kMostBlocks = kLastCharacterPage + 1;

// Largest and smallest sums of two 16-bit cells in a "16色" item.
constexpr int64_t kMostPair = 17 * int64_t(INT16_MAX);
constexpr int64_t kLeastPair = 17 * int64_t(INT16_MIN);

QString modeName(int mode)
{
    static const char *const names[] = {"256色", "16色", "4色", "2色", "2色Ex"};
    return QStringLiteral("\"%1\"").arg(QString::fromUtf8(names[mode]));
}

QString hex(uint32_t value)
{
    return QStringLiteral("0x") + QString::number(value, 16).toUpper();
}

// ---------------------------------------------------------------------------------------------
// Lines

enum class LineKind {
    Empty,
    Comment,
    EndTitle,
    Global,
    Palette16,
    Palette4,
    Label,
    SizeX,
    SizeY,
    Pattern,
    Data
};

struct Row {
    int line;
    uint32_t firstItem;
    uint32_t itemCount;
};

struct Pattern {
    int line;
    uint32_t firstRow;
    uint32_t rowCount = 0;
    int endLine = 0; // the line that ends it: the next pattern, label or the closing title
};

struct Block {
    int line;
    QByteArray name;
    int width = 0;
    int height = 0;
    uint32_t firstRow = 0; // data lines before the first pattern: the map, when no pattern follows
    uint32_t leadingRows = 0;
    std::vector<Pattern> patterns;
};

struct Declaration {
    int line;
    QByteArray name;
};

// What the lines of the file say, before any of it is placed on a page.
struct ParsedFile {
    std::vector<uint32_t> items;
    std::vector<Row> rows;
    uint32_t headerRows = 0; // data lines before the first label
    std::vector<Block> blocks;
    std::vector<Declaration> declarations;
    int paletteMode = -1; // kMode16 or kMode4 when palette lines came
    int paletteLine = 0;
    std::vector<uint32_t> palette;
};

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView trimmed(QByteArrayView s)
{
    while (!s.isEmpty() && isBlank(s.front()))
        s = s.sliced(1);
    while (!s.isEmpty() && isBlank(s.back()))
        s.chop(1);
    return s;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// A decimal number of the 16-bit range, with an optional minus sign.
std::optional<int> decimal16(QByteArrayView s)
{
    const bool negative = s.startsWith('-');
    if (negative)
        s = s.sliced(1);
    if (s.isEmpty() || s.size() > 6)
        return std::nullopt;
    int value = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    value = negative ? -value : value;
    if (value < INT16_MIN || value > INT16_MAX)
        return std::nullopt;
    return value;
}

class LineParser {
public:
    explicit LineParser(ParsedFile &file) : file_(file) { }

    Status parse(QByteArrayView text)
    {
        const char *p = text.data();
        const char *end = p + text.size();
        int line = 0;
        while (p != end) {
            const char *lineEnd = std::find(p, end, '\n');
            QByteArrayView content(p, lineEnd - p);
            if (content.endsWith('\r'))
                content.chop(1);
            p = lineEnd == end ? end : lineEnd + 1;
            if (Status s = take(++line, content); !s)
                return s;
        }
        return finish(line);
    }

private:
    Status take(int line, QByteArrayView content)
    {
        LineKind kind;
        if (Status s = classify(line, content, kind); !s)
            return s;
        if (ended_) {
            if (kind == LineKind::Empty || kind == LineKind::Comment)
                return {};
            return Failure{QStringLiteral("Text follows the closing lines."), line};
        }
        if (sizesDue_ > 0 && kind != LineKind::Empty && kind != LineKind::Comment) {
            const LineKind due = sizesDue_ == 2 ? LineKind::SizeX : LineKind::SizeY;
            if (kind != due)
                return missingSizes();
            --sizesDue_;
            (kind == LineKind::SizeX ? file_.blocks.back().width : file_.blocks.back().height) = number_;
            return {};
        }
        switch (kind) {
        case LineKind::Empty:
        case LineKind::Comment:
            return {};
        case LineKind::EndTitle:
            closePattern(line);
            ended_ = true;
            return {};
        case LineKind::Global:
            if (!file_.blocks.empty())
                return Failure{QStringLiteral("A .global line after the first block."), line};
            file_.declarations.push_back({line, name_});
            return {};
        case LineKind::Palette16:
        case LineKind::Palette4:
            return takePalette(line, kind);
        case LineKind::Label:
            return takeLabel(line);
        case LineKind::SizeX:
        case LineKind::SizeY:
            return Failure{QStringLiteral("A size line that follows no label."), line};
        case LineKind::Pattern:
            return takePattern(line);
        case LineKind::Data:
            takeData(line);
            return {};
        }
        return {};
    }

    Status classify(int line, QByteArrayView content, LineKind &kind)
    {
        const QByteArrayView s = trimmed(content);
        if (s.isEmpty()) {
            kind = LineKind::Empty;
        } else if (s.startsWith(";PTN")) {
            kind = LineKind::Pattern;
            const std::optional<int> n = decimal16(trimmed(s.sliced(4)));
            if (!n || *n < 0)
                return Failure{QStringLiteral("A ;PTN line without its pattern number."), line};
            number_ = *n;
        } else if (s.startsWith(';')) {
            kind = s.contains(endTitle()) ? LineKind::EndTitle : LineKind::Comment;
        } else if (s.startsWith(".global")) {
            const QByteArrayView rest = s.sliced(7);
            if (rest.isEmpty() || !isBlank(rest.front()) || !trimmed(rest).startsWith('_'))
                return notUnderstood(line, content);
            kind = LineKind::Global;
            // The export writes the name as it is, trailing blanks included; the right end of the
            // line is the end of the name.
            const QByteArrayView afterDirective = content.sliced(content.indexOf(".global") + 7);
            name_ = afterDirective.sliced(afterDirective.indexOf('_') + 1).toByteArray();
        } else if (s.startsWith('_') && s.endsWith(':')) {
            kind = LineKind::Label;
            const QByteArrayView fromName = content.sliced(content.indexOf('_') + 1);
            name_ = fromName.first(fromName.lastIndexOf(':')).toByteArray();
        } else if (s.startsWith(".byte") || s.startsWith(".word")) {
            return classifyDirective(line, content, s, kind);
        } else {
            return notUnderstood(line, content);
        }
        return {};
    }

    Status classifyDirective(int line, QByteArrayView content, QByteArrayView s, LineKind &kind)
    {
        const bool word = s.startsWith(".word");
        QByteArrayView rest = s.sliced(5);
        if (rest.isEmpty() || !isBlank(rest.front()))
            return notUnderstood(line, content);
        const qsizetype semicolon = rest.indexOf(';');
        const QByteArrayView payload = trimmed(semicolon < 0 ? rest : rest.first(semicolon));
        const QByteArrayView comment = semicolon < 0 ? QByteArrayView() : trimmed(rest.sliced(semicolon + 1));

        if (!word && (comment == "chr sizeX" || comment == "chr sizeY")) {
            kind = comment == "chr sizeX" ? LineKind::SizeX : LineKind::SizeY;
            const std::optional<int> n = decimal16(payload);
            if (!n)
                return Failure{QStringLiteral("The size is no whole number of the 16-bit range."), line};
            number_ = *n;
            return {};
        }
        const QByteArrayView paletteTag = word ? "Palet16(" : "palet4(";
        if (comment.startsWith(paletteTag) && comment.endsWith(')')) {
            kind = word ? LineKind::Palette16 : LineKind::Palette4;
            const std::optional<int> n = decimal16(comment.sliced(paletteTag.size()).chopped(1));
            if (!n)
                return notUnderstood(line, content);
            number_ = *n;
            return items(line, payload);
        }
        if (word)
            return notUnderstood(line, content);
        kind = LineKind::Data;
        return items(line, payload);
    }

    // The items of a data line into file_.items; itemCount_ tells how many.
    Status items(int line, QByteArrayView payload)
    {
        itemCount_ = 0;
        const char *p = payload.data();
        const char *end = p + payload.size();
        for (;;) {
            while (p != end && isBlank(*p))
                ++p;
            if (end - p < 3 || p[0] != '0' || (p[1] != 'x' && p[1] != 'X') || hexDigit(p[2]) < 0) {
                return Failure{itemCount_ == 0 && p == end ? QStringLiteral("A data line without items.")
                                                           : QStringLiteral("Item %1 is missing or is no "
                                                                            "hexadecimal number 0x...")
                                                                 .arg(itemCount_ + 1),
                               line};
            }
            p += 2;
            uint64_t value = 0;
            for (int digit; p != end && (digit = hexDigit(*p)) >= 0; ++p) {
                value = value * 16 + uint64_t(digit);
                if (value > UINT32_MAX)
                    return Failure{QStringLiteral("Item %1 is wider than 32 bits.").arg(itemCount_ + 1),
                                   line};
            }
            file_.items.push_back(uint32_t(value));
            ++itemCount_;
            while (p != end && isBlank(*p))
                ++p;
            if (p == end)
                return {};
            if (*p != ',')
                return Failure{QStringLiteral("Item %1 is followed by \"%2\" where a comma or the line end "
                                              "belongs.")
                                   .arg(itemCount_)
                                   .arg(QChar::fromLatin1(*p)),
                               line};
            ++p;
        }
    }

    Status takePalette(int line, LineKind kind)
    {
        const int mode = kind == LineKind::Palette16 ? kMode16 : kMode4;
        const int entries = mode == kMode16 ? 16 : 4;
        // The item was taken into file_.items; the palette keeps it apart from the data.
        const uint32_t value = file_.items.back();
        file_.items.pop_back();
        if (!file_.blocks.empty() || file_.headerRows > 0)
            return Failure{QStringLiteral("A palette line after the data began."), line};
        if (file_.paletteMode < 0) {
            file_.paletteMode = mode;
            file_.paletteLine = line;
        }
        const int k = int(file_.palette.size());
        if (file_.paletteMode != mode || number_ != k || k >= entries || itemCount_ != 1) {
            return Failure{QStringLiteral("Expected palette line %1 of the %2 palette of page 0.")
                               .arg(k)
                               .arg(modeName(file_.paletteMode)),
                           line};
        }
        file_.palette.push_back(value);
        return {};
    }

    Status takeLabel(int line)
    {
        closePattern(line);
        if (int(file_.blocks.size()) == kMostBlocks)
            return Failure{QStringLiteral("A block beyond the 31st; pages 0 to 30 hold at most 31."), line};
        Block block;
        block.line = line;
        block.name = name_;
        block.firstRow = uint32_t(file_.rows.size());
        file_.blocks.push_back(std::move(block));
        sizesDue_ = 2;
        return {};
    }

    Status takePattern(int line)
    {
        if (file_.blocks.empty())
            return Failure{QStringLiteral("A ;PTN line before the first label."), line};
        Block &block = file_.blocks.back();
        if (number_ != int(block.patterns.size()))
            return Failure{QStringLiteral("Expected ;PTN %1 here.").arg(block.patterns.size()), line};
        closePattern(line);
        block.patterns.push_back({line, uint32_t(file_.rows.size())});
        return {};
    }

    void takeData(int line)
    {
        file_.rows.push_back({line, uint32_t(file_.items.size() - itemCount_), itemCount_});
        if (file_.blocks.empty())
            ++file_.headerRows;
        else if (file_.blocks.back().patterns.empty())
            ++file_.blocks.back().leadingRows;
        else
            ++file_.blocks.back().patterns.back().rowCount;
    }

    void closePattern(int line)
    {
        if (!file_.blocks.empty() && !file_.blocks.back().patterns.empty()
            && file_.blocks.back().patterns.back().endLine == 0)
            file_.blocks.back().patterns.back().endLine = line;
    }

    Status finish(int lastLine)
    {
        if (sizesDue_ > 0)
            return missingSizes();
        if (!ended_) {
            return Failure{
                QStringLiteral("The file ends without its closing lines (\"%1\"); it may have been cut "
                               "short.")
                    .arg(QStringLiteral("データエンド")),
                std::max(lastLine, 1)};
        }
        const int entries = file_.paletteMode == kMode16 ? 16 : 4;
        if (file_.paletteMode >= 0 && int(file_.palette.size()) != entries) {
            return Failure{QStringLiteral("The %1 palette of page 0 has %2 of its %3 lines.")
                               .arg(modeName(file_.paletteMode))
                               .arg(file_.palette.size())
                               .arg(entries),
                           file_.paletteLine};
        }
        return {};
    }

    Failure missingSizes() const
    {
        return {
            QStringLiteral("The label is not followed by its two size lines (\"   .byte  W    ; chr sizeX\", "
                           "\"   .byte  H    ; chr sizeY\")."),
            file_.blocks.back().line};
    }

    static Failure notUnderstood(int line, QByteArrayView content)
    {
        QString shown = QString::fromLatin1(content.first(std::min<qsizetype>(content.size(), 40)));
        for (QChar &c : shown)
            if (c.unicode() < 0x20 || c.unicode() >= 0x7F)
                c = QLatin1Char('?');
        return {QStringLiteral("Not understood: \"%1\".").arg(shown), line};
    }

    static QByteArrayView endTitle()
    {
        static const QByteArray title = encodeCp932(QStringLiteral("データエンド"));
        return title;
    }

    ParsedFile &file_;
    bool ended_ = false;
    int sizesDue_ = 0;
    int number_ = 0;
    uint32_t itemCount_ = 0;
    QByteArray name_;
};

// ---------------------------------------------------------------------------------------------
// Shapes: which colour modes a block's lines fit

struct Shape {
    int mode;
    int64_t rows; // data lines per pattern
    int64_t items; // items per data line
};

std::vector<Shape> shapesFor(int width, int height)
{
    const int64_t w = width;
    const int64_t everyRow = std::max(height, 0);
    const int64_t everyEighth = (everyRow + 7) / 8;
    // The monochrome readings first: they are the ones picked when a block fits more than one.
    std::vector<Shape> shapes;
    if (w <= kSheetWidth) {
        shapes.push_back({kMode2, everyEighth, w});
        shapes.push_back({kMode2Ex, everyEighth, 2 * w});
    }
    shapes.push_back({kMode256, everyRow, w});
    shapes.push_back({kMode16, everyRow, (w + 1) / 2});
    shapes.push_back({kMode4, everyRow, (w + 3) / 4});
    return shapes;
}

struct ShapeFit {
    bool fits = true;
    Failure failure; // where and why it does not fit
    uint32_t mapFirstRow = 0; // the map lines that follow the last pattern
    bool withMap = false;
};

bool isMapRow(const Row &row)
{
    return row.itemCount == kMapItems;
}

ShapeFit fitShape(const ParsedFile &file, const Block &block, const Shape &shape, bool lastBlock)
{
    ShapeFit fit;
    const auto refuse = [&](int line, const QString &why) {
        fit.fits = false;
        fit.failure = {why, line};
        return fit;
    };
    for (std::size_t n = 0; n < block.patterns.size(); ++n) {
        const Pattern &pattern = block.patterns[n];
        int64_t rows = pattern.rowCount;
        const bool lastPattern = n + 1 == block.patterns.size();
        if (lastBlock && lastPattern && rows == shape.rows + kMapRows
            && std::all_of(file.rows.begin() + pattern.firstRow + shape.rows,
                           file.rows.begin() + pattern.firstRow + rows, isMapRow)) {
            fit.withMap = true;
            fit.mapFirstRow = uint32_t(pattern.firstRow + shape.rows);
            rows = shape.rows;
        }
        if (rows != shape.rows) {
            const int line
                = rows < shape.rows ? pattern.endLine : file.rows[pattern.firstRow + shape.rows].line;
            return refuse(
                line,
                QStringLiteral("Pattern %1 has %2 data lines; read as %3, a pattern of %4 x %5 cells has "
                               "%6.")
                    .arg(n)
                    .arg(pattern.rowCount)
                    .arg(modeName(shape.mode))
                    .arg(block.width)
                    .arg(block.height)
                    .arg(shape.rows));
        }
        for (int64_t r = 0; r < rows; ++r) {
            const Row &row = file.rows[pattern.firstRow + r];
            if (row.itemCount != shape.items) {
                return refuse(
                    row.line,
                    QStringLiteral("The line has %1 items; read as %2, a row of a pattern %3 cells wide "
                                   "has %4.")
                        .arg(row.itemCount)
                        .arg(modeName(shape.mode))
                        .arg(block.width)
                        .arg(shape.items));
            }
        }
    }
    return fit;
}

// ---------------------------------------------------------------------------------------------
// Decoding the items of one block onto a sheet

// The entry of the 4-colour row the export writes for a cell: the lowest that holds it, else 0.
int paletteIndex(const std::array<int16_t, 4> &pal4, int value)
{
    for (int e = 0; e < 4; ++e)
        if (pal4[e] == value)
            return e;
    return 0;
}

// The 16-bit cell an item of one cell stands for: the export writes negative cells in two's
// complement.
std::optional<int16_t> cellOfItem(uint32_t item)
{
    if (item <= 0xFFFF)
        return int16_t(item <= 0x7FFF ? int(item) : int(item) - 0x10000);
    return std::nullopt;
}

class SheetPlane {
public:
    SheetPlane() : cells_(kSheetCells), placed_(kSheetCells) { }

    void clear()
    {
        std::fill(cells_.begin(), cells_.end(), int16_t(0));
        std::fill(placed_.begin(), placed_.end(), uint8_t(0));
    }

    int16_t at(int x, int y) const { return cells_[y * kSheetWidth + x]; }
    int16_t *cell(int64_t x, int64_t y, bool &placed)
    {
        const int64_t i = y * kSheetWidth + x;
        placed = placed_[i] != 0;
        placed_[i] = 1;
        return &cells_[i];
    }

private:
    std::vector<int16_t> cells_;
    std::vector<uint8_t> placed_;
};

class BlockDecoder {
public:
    BlockDecoder(const ParsedFile &file, const Block &block, const Shape &shape,
                 const std::array<int16_t, 4> &pal4, SheetPlane &plane)
        : file_(file), block_(block), shape_(shape), pal4_(pal4), plane_(plane)
    {
    }

    Status decode()
    {
        const int64_t width = block_.width;
        const bool wideBands = shape_.mode == kMode256 || shape_.mode == kMode16 || shape_.mode == kMode4;
        const int64_t bandWidth = wideBands ? kSheetWidth : kSheetWidth / width * width;
        const int64_t rowStep = wideBands ? 1 : 8;
        for (std::size_t n = 0; n < block_.patterns.size(); ++n) {
            pattern_ = int(n);
            const int64_t p = int64_t(n) * width;
            const int64_t x0 = p % bandWidth;
            const int64_t y0 = p / bandWidth * block_.height;
            for (int64_t r = 0; r < shape_.rows; ++r) {
                const Row &row = file_.rows[block_.patterns[n].firstRow + r];
                if (!decodeRow(file_.items.data() + row.firstItem, x0, y0 + r * rowStep))
                    return Failure{why_, row.line};
            }
        }
        return {};
    }

private:
    bool decodeRow(const uint32_t *items, int64_t x0, int64_t y)
    {
        const int64_t xEnd = x0 + block_.width;
        const int64_t places = shape_.mode == kMode2Ex ? shape_.items / 2 : shape_.items;
        for (int64_t i = 0; i < places; ++i) {
            bool ok = true;
            switch (shape_.mode) {
            case kMode256:
                ok = putItemCell(items[i], x0 + i, y);
                break;
            case kMode16:
                ok = putPair(items[i], x0 + 2 * i, y, xEnd);
                break;
            case kMode4:
                ok = putIndices(items[i], x0 + 4 * i, y, xEnd);
                break;
            case kMode2:
                ok = putColumn(0xFF, items[i], x0 + i, y);
                break;
            default:
                ok = putColumn(items[2 * i], items[2 * i + 1], x0 + i, y);
                break;
            }
            if (!ok)
                return false;
        }
        return true;
    }

    bool putItemCell(uint32_t item, int64_t x, int64_t y)
    {
        const std::optional<int16_t> v = cellOfItem(item);
        if (!v)
            return refuse(QStringLiteral("The item %1 is wider than a 16-bit cell.").arg(hex(item)));
        return put(x, y, *v);
    }

    // A "16色" item: the left cell in the low four bits, the right cell times 16 on top. Any split
    // that sums to the item writes it again; the one kept puts 0-15 into the left cell.
    bool putPair(uint32_t item, int64_t x, int64_t y, int64_t xEnd)
    {
        if (x + 1 >= xEnd || !inSheet(x + 1, y)) // the right cell reads as 0
            return putItemCell(item, x, y);
        int64_t sum;
        if (item <= kMostPair)
            sum = item;
        else if (item > 0xFFFF && int64_t(item) - (int64_t(1) << 32) >= kLeastPair
                 && int64_t(item) - (int64_t(1) << 32) < INT16_MIN) // the export's 32-bit form
            sum = int64_t(item) - (int64_t(1) << 32);
        else
            return refuse(QStringLiteral("The item %1 is no sum of two 16-bit cells.").arg(hex(item)));
        const int64_t right
            = std::clamp<int64_t>(sum >= 0 ? sum / 16 : (sum - 15) / 16, INT16_MIN, INT16_MAX);
        const int64_t left = sum - 16 * right;
        return put(x, y, int16_t(left)) && put(x + 1, y, int16_t(right));
    }

    // A "4色" item: four 2-bit indices into the page's Pal4 row, the leftmost cell lowest.
    bool putIndices(uint32_t item, int64_t x, int64_t y, int64_t xEnd)
    {
        if (item > 0xFF)
            return refuse(
                QStringLiteral("The item %1 is wider than four 2-bit palette indices.").arg(hex(item)));
        for (int k = 0; k < 4; ++k) {
            const int index = int(item >> (2 * k)) & 3;
            if (x + k >= xEnd) {
                if (index != 0)
                    return refuse(QStringLiteral("The item %1 holds an index past the pattern's right edge.")
                                      .arg(hex(item)));
                continue;
            }
            const int16_t value = pal4_[index];
            if (paletteIndex(pal4_, value) != index) {
                return refuse(
                    QStringLiteral("Index %1 of the item %2 names a colour that an earlier entry of "
                                   "the page's palette row also holds; no cell gives it.")
                        .arg(index)
                        .arg(hex(item)));
            }
            if (!put(x + k, y, value))
                return false;
        }
        return true;
    }

    // A column of eight rows: "2色" has its bits with a full mask, "2色Ex" a mask byte and a colour
    // byte; a cleared mask bit is entry 2.
    bool putColumn(uint32_t mask, uint32_t colour, int64_t x, int64_t y)
    {
        if (mask > 0xFF || colour > 0xFF) {
            return refuse(QStringLiteral("The item %1 is wider than a column of eight cells.")
                              .arg(hex(mask > 0xFF ? mask : colour)));
        }
        if ((colour & ~mask) != 0) {
            return refuse(
                QStringLiteral("The pair %1,%2 sets a colour bit where the mask bit is clear; no cell "
                               "gives that.")
                    .arg(hex(mask), hex(colour)));
        }
        for (int k = 0; k < 8; ++k) {
            const int16_t v = (mask >> k & 1) == 0 ? 2 : int16_t(colour >> k & 1);
            if (!put(x, y + k, v))
                return false;
        }
        return true;
    }

    static bool inSheet(int64_t x, int64_t y)
    {
        return x >= 0 && x < kSheetWidth && y >= 0 && y < kSheetHeight;
    }

    // Whether two cells give the same items in this block's mode.
    bool sameReading(int16_t a, int16_t b) const
    {
        if (shape_.mode == kMode4)
            return paletteIndex(pal4_, a) == paletteIndex(pal4_, b);
        return a == b;
    }

    bool put(int64_t x, int64_t y, int16_t value)
    {
        if (!inSheet(x, y)) {
            // A project file keeps no cell there: it reads as 0 again.
            if (sameReading(value, 0))
                return true;
            return refuse(QStringLiteral("Pattern %1 needs the cell at x %2, y %3, beyond the 64 x 256 sheet "
                                         "a project file keeps.")
                              .arg(pattern_)
                              .arg(x)
                              .arg(y));
        }
        bool placed = false;
        int16_t *cell = plane_.cell(x, y, placed);
        if (!placed) {
            *cell = value;
            return true;
        }
        if (sameReading(*cell, value))
            return true;
        return refuse(QStringLiteral("Pattern %1 gives the cell at x %2, y %3 another value than an earlier "
                                     "pattern that also covers it.")
                          .arg(pattern_)
                          .arg(x)
                          .arg(y));
    }

    bool refuse(const QString &why)
    {
        why_ = why;
        return false;
    }

    const ParsedFile &file_;
    const Block &block_;
    const Shape &shape_;
    const std::array<int16_t, 4> &pal4_;
    SheetPlane &plane_;
    int pattern_ = 0;
    QString why_;
};

// ---------------------------------------------------------------------------------------------
// Placing the blocks on pages

class DocumentBuilder {
public:
    DocumentBuilder(const ParsedFile &file, IncludeReadResult &result)
        : file_(file), doc_(result.doc), notices_(result.notices)
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
            doc_.ColorMode[0] = int16_t(file_.paletteMode);
        if (file_.blocks.empty() && file_.paletteMode >= 0)
            doc_.ColorMode[0] = int16_t(file_.paletteMode);
        putSheets();
        if (file_.blocks.empty() && file_.headerRows > 0)
            return placeMap(0);
        return {};
    }

    // The pages' sheets into the store in its own order, page fastest, so the writes run along it.
    void putSheets()
    {
        for (int y = 0; y < kSheetHeight; ++y) {
            for (int x = 0; x < kSheetWidth; ++x) {
                int16_t *cell = &doc_.PixelData(0, x, y);
                for (const auto &[page, plane] : sheets_)
                    cell[page] = plane.at(x, y);
            }
        }
    }

private:
    Status checkDeclarations() const
    {
        const std::size_t count = std::max(file_.declarations.size(), file_.blocks.size());
        for (std::size_t i = 0; i < count; ++i) {
            if (i >= file_.declarations.size()) {
                return Failure{
                    QStringLiteral("The block has no .global line; the export declares every block."),
                    file_.blocks[i].line};
            }
            const Declaration &d = file_.declarations[i];
            if (i >= file_.blocks.size())
                return Failure{QStringLiteral("The .global line declares a block that does not follow."),
                               d.line};
            if (d.name != file_.blocks[i].name) {
                return Failure{
                    QStringLiteral("The .global line names another label than block %1 has.").arg(i + 1),
                    d.line};
            }
        }
        return {};
    }

    Status placePalette()
    {
        if (file_.paletteMode == kMode4) {
            for (int k = 0; k < 4; ++k) {
                const std::optional<int16_t> v = cellOfItem(file_.palette[k]);
                if (!v)
                    return Failure{QStringLiteral("The palette value is wider than 16 bits."),
                                   file_.paletteLine + k};
                doc_.Pal4[0][k] = *v;
            }
            if (doc_.Pal4[0] != kPal4Defaults)
                notePaletteLost();
        } else if (file_.paletteMode == kMode16) {
            bool defaults = true;
            for (int k = 0; k < 16; ++k) {
                const std::optional<int> number = colourNumber(file_.palette[k], doc_.Pal16[0][k]);
                if (!number) {
                    return Failure{
                        QStringLiteral("The palette word %1 is no colour of the colour-number table.")
                            .arg(hex(file_.palette[k])),
                        file_.paletteLine + k};
                }
                defaults = defaults && *number == doc_.Pal16[0][k];
                doc_.Pal16[0][k] = int16_t(*number);
            }
            if (!defaults)
                notePaletteLost();
        }
        return {};
    }

    void notePaletteLost()
    {
        notices_ << QStringLiteral(
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
        const auto colourOf = [this](int n) { return n >= 0 && n < 256 ? doc_.PalOrder[n] & 0xFF : 0; };
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
            return Failure{QStringLiteral("A data line before the first label."), file_.rows[0].line};
        for (std::size_t i = 0; i < file_.blocks.size(); ++i) {
            const Block &block = file_.blocks[i];
            const bool mayHoldMap = i + 1 == file_.blocks.size() && block.patterns.empty();
            if (block.leadingRows > 0 && !mayHoldMap) {
                return Failure{QStringLiteral("A data line before the block's first ;PTN line."),
                               file_.rows[block.firstRow].line};
            }
        }
        return {};
    }

    Status placeMap(uint32_t firstRow)
    {
        const uint32_t count = uint32_t(file_.rows.size()) - firstRow;
        for (uint32_t r = 0; r < count; ++r) {
            const Row &row = file_.rows[firstRow + r];
            if (count != kMapRows || row.itemCount != kMapItems) {
                return Failure{
                    QStringLiteral("Data lines outside the blocks are the map: 32 lines of 16 items; "
                                   "these are %1 lines, this one of %2 items.")
                        .arg(count)
                        .arg(row.itemCount),
                    row.line};
            }
            for (int x = 0; x < kMapItems; ++x) {
                const std::optional<int16_t> v = cellOfItem(file_.items[row.firstItem + x]);
                if (!v)
                    return Failure{QStringLiteral("Map item %1 is wider than 16 bits.").arg(x + 1), row.line};
                doc_.MapData(0, x, int(r)) = *v;
            }
        }
        doc_.FileVer = 1;
        return {};
    }

    Status placeBlock(int index)
    {
        const Block &block = file_.blocks[index];
        const bool last = index + 1 == int(file_.blocks.size());
        if (block.width < 1)
            return Failure{QStringLiteral("A pattern width below 1 cannot be laid out."), block.line + 1};
        bool ok = false;
        const QString name = decodeCp932(block.name, &ok);
        if (!ok)
            return Failure{QStringLiteral("The label is no valid Shift-JIS (code page 932) text."),
                           block.line};
        if (!isStorablePageName(name))
            return Failure{QStringLiteral("A project file cannot keep the name \"%1\".").arg(name),
                           block.line};

        std::optional<Reading> reading = chooseReading(block, index, last);
        if (!reading)
            return failure_;
        if (index == 0)
            firstPage_ = reading->page;
        const int page = reading->page;

        doc_.ColorMode[page] = int16_t(reading->shape.mode);
        doc_.ChrName[page] = name;
        doc_.ChrSizeX[page] = int16_t(block.width);
        doc_.ChrSizeY[page] = int16_t(block.height);
        doc_.ChrPtnNum[page] = int16_t(block.patterns.size());
        doc_.ChrOutFlag[page] = 1;
        sheets_.emplace_back(page, std::move(reading->plane));
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
                                  [this](const Shape &s) { return s.mode == file_.paletteMode; });
        }
        std::vector<Placement> placements;
        for (const Shape &shape : shapes) {
            if (index > 0) {
                placements.push_back({shape, firstPage_ + index});
                continue;
            }
            const bool changesPalette = file_.paletteMode >= 0
                ? shape.mode != file_.paletteMode
                : shape.mode == kMode16 || shape.mode == kMode4;
            placements.push_back({shape, changesPalette ? 1 : 0});
            if (shape.mode == kMode4 && file_.paletteMode == kMode4)
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
                    placing
                        = Failure{QStringLiteral("Read as %1 the first block goes to page 1, and the blocks "
                                                 "then reach page 31, which the export never writes.")
                                      .arg(modeName(shape.mode)),
                                  file_.blocks.front().line};
                }
                continue;
            }
            anyData = anyData || (shape.rows > 0 && !block.patterns.empty());
            const std::array<int16_t, 4> pal4 = pal4For(placement.page, shape.mode);
            if (chosen) {
                noteOtherReading(*chosen, block, shape, pal4, anyData);
                continue;
            }
            Reading reading{shape, placement.page, fit, SheetPlane(), {}};
            const Status decoded = BlockDecoder(file_, block, shape, pal4, reading.plane).decode();
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
    void noteOtherReading(Reading &chosen, const Block &block, const Shape &shape,
                          const std::array<int16_t, 4> &pal4, bool anyData)
    {
        const QString name = modeName(shape.mode);
        if (!anyData || shape.mode == chosen.shape.mode || chosen.others.contains(name))
            return;
        scratch_.clear();
        if (BlockDecoder(file_, block, shape, pal4, scratch_).decode())
            chosen.others << name;
    }

    // A "4色" block on page 0 indexes the palette lines' row; on any other page the default row.
    std::array<int16_t, 4> pal4For(int page, int mode) const
    {
        if (page == 0 && mode == kMode4)
            return doc_.Pal4[0];
        return kPal4Defaults;
    }

    void noteBlock(const Block &block, int page, const Reading &reading, int index)
    {
        const QString label = QStringLiteral("_") + doc_.ChrName[page];
        if (!reading.others.isEmpty()) {
            notices_ << QStringLiteral("line %1: the data of %2 reads as %3 and as %4; it is read as %3.")
                            .arg(block.line)
                            .arg(label, modeName(reading.shape.mode),
                                 reading.others.join(QStringLiteral(", ")));
        }
        if (index == 0 && page == 1) {
            notices_ << (file_.paletteMode >= 0
                             ? QStringLiteral(
                                   "%1 is in %2 and the palette lines in %3, so page 0 stays an unflagged "
                                   "%3 page with that palette and the blocks start at page 1.")
                                   .arg(label, modeName(reading.shape.mode), modeName(file_.paletteMode))
                             : QStringLiteral(
                                   "%1 is in %2 but the file has no palette lines, so page 0 stays an "
                                   "unflagged %3 page and the blocks start at page 1.")
                                   .arg(label, modeName(reading.shape.mode), modeName(kMode2)));
        }
        if (block.patterns.size() > std::size_t(kMaxPatternCount)) {
            notices_ << QStringLiteral(
                            "Page %1 holds %2 patterns; the editor counts at most %3 and sets a larger "
                            "count to 0 when it shows the page.")
                            .arg(page)
                            .arg(block.patterns.size())
                            .arg(kMaxPatternCount);
        }
    }

    const ParsedFile &file_;
    Document &doc_;
    QStringList &notices_;
    int firstPage_ = 0;
    SheetPlane scratch_;
    std::vector<std::pair<int, SheetPlane>> sheets_; // page, cells
    Failure failure_;
};

} // namespace

Expected<IncludeReadResult> readInclude(QByteArrayView text)
{
    ParsedFile file;
    file.items.reserve(std::size_t(text.size() / 4));
    file.rows.reserve(std::size_t(text.size() / 32));
    if (Status s = LineParser(file).parse(text); !s)
        return s.failure();

    IncludeReadResult result;
    EditorState state;
    startDocument(result.doc, state);
    if (Status s = DocumentBuilder(file, result).build(); !s)
        return s.failure();
    return result;
}

Expected<IncludeReadResult> readIncludeFile(const QString &path)
{
    if (QFileInfo(path).isDir())
        return Failure{QStringLiteral("%1 is a folder, not an include file.").arg(shownPath(path))};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{QStringLiteral("Cannot open %1: %2").arg(shownPath(path), file.errorString())};
    if (file.size() > kMaxIncludeFileBytes) {
        return Failure{QStringLiteral("%1 is larger than %2 MiB; it is no include file this program wrote.")
                           .arg(shownPath(path))
                           .arg(kMaxIncludeFileBytes >> 20)};
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFile::NoError)
        return Failure{QStringLiteral("Reading %1 failed: %2").arg(shownPath(path), file.errorString())};
    return readInclude(bytes);
}

} // namespace vesk4
