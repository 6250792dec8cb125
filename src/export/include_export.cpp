#include "export/include_export.h"

#include "export/include_items.h"
#include "export/include_layout.h"

#include "files/sjis_text.h"
#include "files/whole_file.h"
#include "palette/colour_model.h"

#include <QCoreApplication>

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

// A flagged page as the export writes it.
struct PagePlan {
    int page;
    IncludeLayout layout;
    int64_t patterns; // 0 for a negative count
    int64_t maxItemChars; // longest item with its separator
    Pal4Row pal4; // the row "4色" cells are indexed through
    QByteArray name;
};

QString pageText(int page, const QString &name)
{
    return QCoreApplication::translate("IncludeExport", "page %1 \"%2\"").arg(page).arg(name);
}

// The longest text an item can take with its separator, from the widest value it can hold.
int64_t maxItemChars(const IncludeLayout &layout)
{
    switch (layout.itemWidth * layout.itemHeight) {
    case 1:
        return 7; // 0xFFFF,
    case 2:
        return 11; // 0xFFFF0000,
    default:
        return layout.maskBytes ? 10 : 5; // 0xFF,0xFF,
    }
}

Expected<PagePlan> planPage(const Document &doc, int page)
{
    const int64_t width = doc.pages[page].patternWidth;
    const int64_t height = doc.pages[page].patternHeight;
    const std::optional<IncludeLayout> layout = includeLayout(doc.pages[page].colourMode, width, height);
    if (!layout) {
        // One arg() call for all places, so a name holding "%2" is not taken for one.
        return Failure{
            QCoreApplication::translate("IncludeExport",
                                        "Cannot export %1: patterns of %2 x %3 cells cannot be laid out "
                                        "(the width must be at least 1, and at most %4 in the two-colour "
                                        "modes).")
                .arg(pageText(page, doc.pages[page].name), QString::number(width), QString::number(height),
                     QString::number(kSheetWidth))};
    }
    const EncodedText name = toCp932(doc.pages[page].name);
    if (!name.ok) {
        return Failure{
            QCoreApplication::translate("IncludeExport",
                                        "Cannot export %1: its name has characters that code page 932 "
                                        "cannot hold.")
                .arg(pageText(page, doc.pages[page].name))};
    }
    return PagePlan{page,
                    *layout,
                    std::max<int64_t>(doc.pages[page].patternCount, 0),
                    maxItemChars(*layout),
                    doc.pages[page].pal4,
                    name.bytes};
}

// The longest block the page can give; every factor is at most 32767 and there are at most four
// of them, so the product stays within 64 bits.
int64_t blockBound(const PagePlan &plan)
{
    const int64_t line = int64_t(sizeof kDataLineStart) + plan.layout.itemsPerRow() * plan.maxItemChars + 2;
    return 64 + 2 * plan.name.size() + plan.patterns * (16 + plan.layout.rowsPerPattern() * line);
}

// Writes the data lines of a block as the patterns are walked.
class TextRows {
public:
    explicit TextRows(QByteArray &out) : out_(out) { }

    void pattern(int64_t n)
    {
        out_.append(";PTN ").append(QByteArray::number(n)).append(' ');
        endLine(out_);
    }
    void row() { out_.append(kDataLineStart, sizeof kDataLineStart - 1); }
    void item(const PackedItem &item, bool first)
    {
        if (!first)
            out_.append(',');
        if (maskBytes) {
            appendItem(out_, item.mask);
            out_.append(',');
        }
        appendItem(out_, item.value);
    }
    void rowEnd() { endLine(out_); }

    bool maskBytes = false;

private:
    QByteArray &out_;
};

void appendBlock(QByteArray &out, const Document &doc, const PagePlan &plan)
{
    const IncludeLayout &layout = plan.layout;
    endLine(out);
    out.append('_').append(plan.name).append(':');
    endLine(out);
    out.append(kDataLineStart).append(QByteArray::number(layout.width)).append("    ; chr sizeX");
    endLine(out);
    out.append(kDataLineStart).append(QByteArray::number(layout.height)).append("    ; chr sizeY");
    endLine(out);

    TextRows rows(out);
    rows.maskBytes = layout.maskBytes;
    visitPatternItems(doc, plan.page, layout, plan.patterns, plan.pal4, rows);
}

void appendPalette(QByteArray &out, const Document &doc)
{
    switch (doc.pages[0].colourMode) {
    case kMode16:
        for (int k = 0; k < 16; ++k) {
            const int word = palette16Word(doc, k);
            const char digits[]
                = {kHexDigits[word >> 8 & 0xF], kHexDigits[word >> 4 & 0xF], kHexDigits[word & 0xF]};
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

int palette16Word(const Document &doc, int k)
{
    const int number = doc.pages[0].pal16[k];
    // A colour number outside the table (only from a hand-made file) has no colour: black.
    const int rgb = number >= 0 && number < 256 ? kPalOrder[number] : 0;
    const Rgb332Levels l = rgb332Levels(rgb);
    return (l.r == 0 ? 0 : 2 * l.r + 1) << 8 | (l.g == 0 ? 0 : 2 * l.g + 1) << 4
        | (l.b == 0 ? 0 : 4 * l.b + 1);
}

Expected<QByteArray> includeFileBytes(const Document &doc)
{
    const EncodedText title
        = toCp932(QStringLiteral(";                  キャラクタデータ                         "));
    const EncodedText globals = toCp932(QStringLiteral(";グローバル変数宣言　： "));
    const EncodedText end
        = toCp932(QStringLiteral(";                      データエンド                         "));
    if (!title.ok || !globals.ok || !end.ok)
        return Failure{
            QCoreApplication::translate("IncludeExport", "Cannot export: code page 932 is not available.")};

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
            return Failure{
                QCoreApplication::translate("IncludeExport",
                                            "Cannot export %1: its %2 patterns of %3 x %4 cells would make "
                                            "the include file larger than %5 MiB.")
                    .arg(pageText(page, doc.pages[page].name), QString::number(p.patterns),
                         QString::number(p.layout.width), QString::number(p.layout.height),
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
    return writeWholeFile(path, bytes.value());
}

} // namespace vesk4
