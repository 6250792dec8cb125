#include "export/include_export.h"

#include "document/palette_rows.h"
#include "files/sjis_text.h"
#include "files/whole_file.h"
#include "palette/colour_model.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace vesk4 {

namespace {

// Far above anything the settings panel can produce (31 pages of 99 patterns of 64 x 64 cells in
// "256色" stay below 90 MiB); only sizes from a hand-made project file get here, and building such a
// file in memory would exhaust it.
constexpr int64_t kMaxOutputBytes = int64_t(256) << 20;

constexpr char kHexDigits[] = "0123456789ABCDEF";

// Text in code page 932; ok is false when a character has no code there, so a name is never
// written with substitutes in place of its characters.
struct EncodedText {
    QByteArray bytes;
    bool ok = false;
};

EncodedText toCp932(const QString &text)
{
    EncodedText encoded;
    encoded.bytes = encodeCp932(text, &encoded.ok);
    return encoded;
}

// Upper-case hexadecimal without leading zeros. A negative value is written in two's complement the
// way the device tools read a 16-bit word (-1 is FFFF); a computed item below the 16-bit range
// takes 32 bits (FFFF0000), so no value is silently folded onto another.
void appendHex(QByteArray &out, int64_t value)
{
    uint64_t u;
    if (value >= 0)
        u = uint64_t(value);
    else if (value >= INT16_MIN)
        u = uint64_t(value + 0x10000);
    else
        u = uint64_t(value) & 0xFFFFFFFFu;
    char digits[16];
    int n = 0;
    do {
        digits[n++] = kHexDigits[u & 0xF];
        u >>= 4;
    } while (u != 0);
    out.resize(out.size() + n);
    char *dst = out.data() + out.size() - n;
    for (int i = 0; i < n; ++i)
        dst[i] = digits[n - 1 - i];
}

void appendItem(QByteArray &out, int64_t value)
{
    out.append("0x", 2);
    appendHex(out, value);
}

void endLine(QByteArray &out)
{
    out.append("\r\n", 2);
}

constexpr char kDataLineStart[] = "   .byte  ";

// How a page's patterns lie on its plane and become items.
struct PagePlan {
    int page;
    int mode; // the page's colourMode
    int64_t width;
    int64_t height;
    int64_t patterns; // 0 for a negative count
    int64_t bandWidth;
    int64_t rowStep; // 1, or 8 where one item covers eight rows
    int64_t cellsPerItem;
    int64_t maxItemChars; // longest item with its separator
    QByteArray name;
};

bool bandsOf64(int mode)
{
    return mode == kMode256 || mode == kMode16 || mode == kMode4;
}

int64_t rowsTaken(const PagePlan &plan)
{
    return plan.height > 0 ? (plan.height + plan.rowStep - 1) / plan.rowStep : 0;
}

int64_t itemsPerRow(const PagePlan &plan)
{
    return (plan.width + plan.cellsPerItem - 1) / plan.cellsPerItem;
}

QString pageText(int page, const QString &name)
{
    return QStringLiteral("page %1 \"%2\"").arg(page).arg(name);
}

Expected<PagePlan> planPage(const Document &doc, int page)
{
    PagePlan plan;
    plan.page = page;
    plan.mode = doc.pages[page].colourMode;
    plan.width = doc.pages[page].patternWidth;
    plan.height = doc.pages[page].patternHeight;
    plan.patterns = std::max<int64_t>(doc.pages[page].patternCount, 0);

    const bool wide = bandsOf64(plan.mode);
    if (plan.width < 1 || (!wide && plan.width > kSheetWidth)) {
        // One arg() call for all places, so a name holding "%2" is not taken for one.
        return Failure{QStringLiteral("Cannot export %1: patterns of %2 x %3 cells cannot be laid out "
                                      "(the width must be at least 1, and at most %4 in the two-colour "
                                      "modes).")
                           .arg(pageText(page, doc.pages[page].name), QString::number(plan.width),
                                QString::number(plan.height), QString::number(kSheetWidth))};
    }
    plan.bandWidth = wide ? kSheetWidth : (kSheetWidth / plan.width) * plan.width;

    switch (plan.mode) {
    case kMode256:
        plan.rowStep = 1, plan.cellsPerItem = 1, plan.maxItemChars = 7; // 0xFFFF,
        break;
    case kMode16:
        plan.rowStep = 1, plan.cellsPerItem = 2, plan.maxItemChars = 11; // 0xFFFF0000,
        break;
    case kMode4:
        plan.rowStep = 1, plan.cellsPerItem = 4, plan.maxItemChars = 5; // 0xFF,
        break;
    case kMode2:
        plan.rowStep = 8, plan.cellsPerItem = 1, plan.maxItemChars = 5;
        break;
    default:
        plan.rowStep = 8, plan.cellsPerItem = 1, plan.maxItemChars = 10; // 0xFF,0xFF,
        break;
    }

    const EncodedText name = toCp932(doc.pages[page].name);
    if (!name.ok) {
        return Failure{QStringLiteral("Cannot export %1: its name has characters that code page 932 "
                                      "cannot hold.")
                           .arg(pageText(page, doc.pages[page].name))};
    }
    plan.name = name.bytes;
    return plan;
}

// The longest block the page can give; every factor is at most 32767 and there are at most four
// of them, so the product stays within 64 bits.
int64_t blockBound(const PagePlan &plan)
{
    const int64_t line = int64_t(sizeof kDataLineStart) + itemsPerRow(plan) * plan.maxItemChars + 2;
    return 64 + 2 * plan.name.size() + plan.patterns * (16 + rowsTaken(plan) * line);
}

// The cells of one page; cells outside the store count as 0.
class PageCells {
public:
    PageCells(const PagedCellStore &store, int page) : store_(store), page_(page) { }

    int at(int64_t x, int64_t y) const
    {
        if (x < kCellMin || x > kCellMax || y < kCellMin || y > kCellMax)
            return 0;
        return store_(page_, int(x), int(y));
    }

private:
    const PagedCellStore &store_;
    int page_;
};

void appendRow(QByteArray &out, const Document &doc, const PagePlan &plan, const PageCells &cells, int64_t x0,
               int64_t y)
{
    out.append(kDataLineStart, sizeof kDataLineStart - 1);
    // A packed item that reaches past the pattern's right edge (a width that is no multiple of 2 or
    // 4) fills those places with 0, so a pattern never takes bits from its neighbour.
    const int64_t xEnd = x0 + plan.width;
    auto cellIn = [&](int64_t x) { return x < xEnd ? cells.at(x, y) : 0; };
    for (int64_t x = x0; x < xEnd; x += plan.cellsPerItem) {
        if (x != x0)
            out.append(',');
        switch (plan.mode) {
        case kMode256:
            appendItem(out, cells.at(x, y));
            break;
        case kMode16:
            appendItem(out, int64_t(cellIn(x)) + 16 * int64_t(cellIn(x + 1)));
            break;
        case kMode4: {
            int64_t item = 0;
            for (int k = 0; k < 4; ++k)
                if (x + k < xEnd)
                    item |= int64_t(paletteEntryOf(doc, kSearchPal4, plan.page, cells.at(x + k, y)))
                        << (2 * k);
            appendItem(out, item);
            break;
        }
        default: {
            int mask = 0;
            int colour = 0;
            for (int k = 0; k < 8; ++k) {
                const int v = cells.at(x, y + k);
                if (v == 1)
                    colour |= 1 << k;
                if (v != 2)
                    mask |= 1 << k;
            }
            if (plan.mode != kMode2) {
                appendItem(out, mask);
                out.append(',');
            }
            appendItem(out, colour);
            break;
        }
        }
    }
    endLine(out);
}

void appendBlock(QByteArray &out, const Document &doc, const PagePlan &plan)
{
    endLine(out);
    out.append('_').append(plan.name).append(':');
    endLine(out);
    out.append(kDataLineStart).append(QByteArray::number(plan.width)).append("    ; chr sizeX");
    endLine(out);
    out.append(kDataLineStart).append(QByteArray::number(plan.height)).append("    ; chr sizeY");
    endLine(out);

    const PageCells cells(doc.PixelData, plan.page);
    for (int64_t n = 0; n < plan.patterns; ++n) {
        out.append(";PTN ").append(QByteArray::number(n)).append(' ');
        endLine(out);
        const int64_t p = n * plan.width;
        const int64_t x0 = p % plan.bandWidth;
        const int64_t y0 = p / plan.bandWidth * plan.height;
        for (int64_t y = y0; y < y0 + plan.height; y += plan.rowStep)
            appendRow(out, doc, plan, cells, x0, y);
    }
}

void appendPalette(QByteArray &out, const Document &doc)
{
    switch (doc.pages[0].colourMode) {
    case kMode16:
        for (int k = 0; k < 16; ++k) {
            const int number = doc.pages[0].pal16[k];
            // A colour number outside the table (only from a hand-made file) has no colour: black.
            const int rgb = number >= 0 && number < 256 ? kPalOrder[number] : 0;
            const Rgb332Levels l = rgb332Levels(rgb);
            const char digits[]
                = {kHexDigits[l.r == 0 ? 0 : 2 * l.r + 1], kHexDigits[l.g == 0 ? 0 : 2 * l.g + 1],
                   kHexDigits[l.b == 0 ? 0 : 4 * l.b + 1]};
            out.append("   .word  0x0").append(digits, 3).append("    ; Palet16(");
            out.append(QByteArray::number(k)).append(')');
            endLine(out);
        }
        break;
    case kMode4:
        for (int k = 0; k < 4; ++k) {
            out.append("   .byte  ");
            appendItem(out, doc.pages[0].pal4[k]);
            out.append("    ; palet4(").append(QByteArray::number(k)).append(')');
            endLine(out);
        }
        break;
    default:
        break;
    }
}

void appendMap(QByteArray &out, const Document &doc)
{
    for (int y = 0; y < 32; ++y) {
        out.append(kDataLineStart);
        for (int x = 0; x < 16; ++x) {
            if (x != 0)
                out.append(',');
            appendItem(out, doc.MapData(0, x, y));
        }
        endLine(out);
    }
}

constexpr char kRule[] = ";===========================================================";

} // namespace

Expected<QByteArray> includeFileBytes(const Document &doc)
{
    const EncodedText title
        = toCp932(QStringLiteral(";                  キャラクタデータ                         "));
    const EncodedText globals = toCp932(QStringLiteral(";グローバル変数宣言　： "));
    const EncodedText end
        = toCp932(QStringLiteral(";                      データエンド                         "));
    if (!title.ok || !globals.ok || !end.ok)
        return Failure{QStringLiteral("Cannot export: code page 932 is not available.")};

    std::vector<PagePlan> plans;
    int64_t bound = 8192; // banner, palette and map lines
    for (int page = 0; page <= kLastCharacterPage; ++page) {
        if (doc.pages[page].outputFlag != 1)
            continue;
        Expected<PagePlan> plan = planPage(doc, page);
        if (!plan)
            return plan.failure();
        bound += blockBound(plan.value());
        if (bound > kMaxOutputBytes) {
            const PagePlan &p = plan.value();
            return Failure{QStringLiteral("Cannot export %1: its %2 patterns of %3 x %4 cells would make "
                                          "the include file larger than %5 MiB.")
                               .arg(pageText(page, doc.pages[page].name), QString::number(p.patterns),
                                    QString::number(p.width), QString::number(p.height),
                                    QString::number(kMaxOutputBytes >> 20))};
        }
        plans.push_back(std::move(plan.value()));
    }

    QByteArray out;
    // The bound is tight for ordinary documents; for a huge one most items are short, and growing
    // beyond a third of the bound is cheaper than holding the whole bound.
    constexpr int64_t kReserveWhole = int64_t(16) << 20;
    out.reserve(qsizetype(bound <= kReserveWhole ? bound : bound / 3));

    out.append(kRule);
    endLine(out);
    out.append(title.bytes);
    endLine(out);
    out.append(kRule);
    endLine(out);
    out.append(globals.bytes);
    endLine(out);
    for (const PagePlan &plan : plans) {
        out.append(".global _").append(plan.name);
        endLine(out);
    }
    appendPalette(out, doc);
    for (const PagePlan &plan : plans)
        appendBlock(out, doc, plan);
    if (doc.FileVer == 1)
        appendMap(out, doc);
    endLine(out);
    endLine(out);
    out.append(kRule);
    endLine(out);
    out.append(end.bytes);
    endLine(out);
    out.append(kRule);
    endLine(out);
    return out;
}

Status exportInclude(const Document &doc, const QString &path)
{
    const Expected<QByteArray> bytes = includeFileBytes(doc);
    if (!bytes)
        return bytes.status();
    return writeWholeFile(path, [&bytes, &path](QIODevice &out) -> Status {
        if (out.write(bytes.value()) != bytes.value().size())
            return Failure{QStringLiteral("Cannot write %1: %2").arg(shownPath(path), out.errorString())};
        return {};
    });
}

} // namespace vesk4
