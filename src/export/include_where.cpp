#include "export/include_where.h"

#include <QCoreApplication>

#include <algorithm>

namespace vesk4 {

namespace {

constexpr int64_t kMapBytes = int64_t(16) * 32; // the map's 32 lines of 16 chip numbers

QString layoutFailure(const Document &doc, int page)
{
    const Page &p = doc.pages[page];
    return QCoreApplication::translate(
               "IncludeExport",
               "page %1 \"%2\": patterns of %3 x %4 cells cannot be laid out (the width must be "
               "at least 1, and at most %5 in the two-colour modes)")
        .arg(QString::number(page), p.name, QString::number(p.patternWidth), QString::number(p.patternHeight),
             QString::number(kSheetWidth));
}

int64_t blockBytes(const IncludeLayout &layout, int64_t patterns)
{
    return kBlockHeaderBytes + std::max<int64_t>(patterns, 0) * layout.bytesPerPattern();
}

} // namespace

int64_t includePaletteBytes(const Document &doc)
{
    switch (doc.pages[0].colourMode) {
    case kMode16:
        return int64_t(16) * 2; // 16 words
    case kMode4:
        return 4;
    default:
        return 0;
    }
}

Expected<IncludeSizes> includeSizes(const Document &doc)
{
    IncludeSizes sizes;
    sizes.paletteBytes = includePaletteBytes(doc);
    int64_t offset = sizes.paletteBytes;
    for (int page = 0; page <= kLastCharacterPage; ++page) {
        const Page &p = doc.pages[page];
        if (p.outputFlag != 1)
            continue;
        const std::optional<IncludeLayout> layout
            = includeLayout(p.colourMode, p.patternWidth, p.patternHeight);
        if (!layout)
            return Failure{QCoreApplication::translate("IncludeExport", "Cannot lay out %1.")
                               .arg(layoutFailure(doc, page))};
        IncludeBlockSize block;
        block.page = page;
        block.patterns = std::max<int64_t>(p.patternCount, 0);
        block.bytes = blockBytes(*layout, p.patternCount);
        block.offset = offset;
        offset += block.bytes;
        sizes.blocks.push_back(block);
    }
    sizes.mapBytes = doc.FileVer == 1 ? kMapBytes : 0;
    sizes.total = offset + sizes.mapBytes;
    return sizes;
}

Expected<CellWhere> whereCell(const Document &doc, int page, int64_t x, int64_t y)
{
    const Page &p = doc.pages[page];
    const std::optional<IncludeLayout> layout = includeLayout(p.colourMode, p.patternWidth, p.patternHeight);
    if (!layout)
        return Failure{
            QCoreApplication::translate("IncludeExport", "Cannot lay out %1.").arg(layoutFailure(doc, page))};
    const std::optional<IncludeCellPlace> place = includeCellPlace(*layout, p.patternCount, x, y);
    if (!place) {
        return Failure{
            QCoreApplication::translate("IncludeExport",
                                        "Cell %1,%2 lies in none of the %3 pattern(s) of page %4 \"%5\".")
                .arg(QString::number(x), QString::number(y),
                     QString::number(std::max<int>(p.patternCount, 0)), QString::number(page), p.name)};
    }
    CellWhere where;
    where.place = *place;
    if (page > kLastCharacterPage || p.outputFlag != 1)
        return where;
    // The blocks before this one; a page before it that cannot be laid out stops the export, so
    // there is then no offset to give, only the place in the block.
    int64_t offset = includePaletteBytes(doc);
    for (int before = 0; before < page; ++before) {
        const Page &b = doc.pages[before];
        if (b.outputFlag != 1)
            continue;
        const std::optional<IncludeLayout> l = includeLayout(b.colourMode, b.patternWidth, b.patternHeight);
        if (!l)
            return where;
        offset += blockBytes(*l, b.patternCount);
    }
    where.offset = offset + place->byte;
    return where;
}

QString whereText(const CellWhere &where)
{
    QString text = QStringLiteral("pattern=%1 byte=%2 bit=%3 bits=%4")
                       .arg(where.place.pattern)
                       .arg(where.place.byte)
                       .arg(where.place.bit)
                       .arg(where.place.bits);
    if (where.place.maskByte)
        text += QStringLiteral(" mask=%1").arg(*where.place.maskByte);
    if (where.offset)
        text += QStringLiteral(" offset=%1").arg(*where.offset);
    return text;
}

} // namespace vesk4
