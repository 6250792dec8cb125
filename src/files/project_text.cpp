#include "files/project_text.h"

#include "document/page_state.h"

#include <QStringList>

namespace vesk4 {

namespace {

const char *modeText(int mode)
{
    switch (mode) {
    case kMode256:
        return "256-colour";
    case kMode16:
        return "16-colour";
    case kMode4:
        return "4-colour";
    case kMode2:
        return "2-colour";
    case kMode2Ex:
        return "2-colour Ex";
    default:
        return "unknown";
    }
}

// The name in double quotes, ASCII only: other characters as \uXXXX.
QString quoted(const QString &name)
{
    QString out = QStringLiteral("\"");
    for (QChar c : name) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\') + c;
        else if (c == QLatin1Char('\t'))
            out += QStringLiteral("\\t");
        else if (c.unicode() < 0x20 || c.unicode() > 0x7E)
            out += QStringLiteral("\\u")
                + QString::number(c.unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0'));
        else
            out += c;
    }
    return out + QLatin1Char('"');
}

QString settingsText(const Document &doc, int page)
{
    return QStringLiteral("%1 mode %2 (%3) size %4x%5 patterns %6 output %7")
        .arg(quoted(doc.pages[page].name))
        .arg(doc.pages[page].colourMode)
        .arg(QLatin1String(modeText(doc.pages[page].colourMode)))
        .arg(doc.pages[page].patternWidth)
        .arg(doc.pages[page].patternHeight)
        .arg(doc.pages[page].patternCount)
        .arg(doc.pages[page].outputFlag);
}

QString rowText(const Document &doc, int page, int y)
{
    QString row(kSheetWidth, QLatin1Char('.'));
    for (int x = 0; x < kSheetWidth; ++x) {
        const int v = doc.PixelData(page, x, y);
        row[x] = QLatin1Char(v == 0                ? '.'
                                 : v == 1          ? '#'
                                 : v == 2          ? '-'
                                 : v > 2 && v < 16 ? "0123456789ABCDEF"[v]
                                                   : '?');
    }
    return row;
}

// The last sheet row of the page that holds a cell other than 0, or -1.
int lastUsedRow(const Document &doc, int page)
{
    for (int y = kSheetHeight - 1; y >= 0; --y)
        for (int x = 0; x < kSheetWidth; ++x)
            if (doc.PixelData(page, x, y) != 0)
                return y;
    return -1;
}

const Document &newProject()
{
    static const Document doc = [] {
        Document d;
        EditorState state;
        startDocument(d, state);
        return d;
    }();
    return doc;
}

bool holdsAnything(const Document &doc, int page)
{
    const Document &fresh = newProject();
    return lastUsedRow(doc, page) >= 0 || settingsText(doc, page) != settingsText(fresh, page);
}

QString rowNumber(int y)
{
    return QStringLiteral("%1 ").arg(y, 3);
}

// The map cells other than 0 of one row of one page's plane, "x=value" apart by blanks.
QString mapRowText(const Document &doc, int page, int y)
{
    QStringList cells;
    for (int x = 0; x < kSheetWidth; ++x)
        if (const int v = doc.MapData(page, x, y); v != 0)
            cells << QStringLiteral("%1=%2").arg(x).arg(v);
    return cells.join(QLatin1Char(' '));
}

QString mapText(const Document &doc)
{
    QString out;
    for (int page = 0; page < kPageCount; ++page)
        for (int y = 0; y < kSheetHeight; ++y)
            if (const QString row = mapRowText(doc, page, y); !row.isEmpty())
                out += QStringLiteral("map page %1 row %2: %3\n").arg(page).arg(y).arg(row);
    return out;
}

} // namespace

QString pageText(const Document &doc, int page)
{
    QString out = QStringLiteral("page %1 %2\n").arg(page).arg(settingsText(doc, page));
    const int last = lastUsedRow(doc, page);
    for (int y = 0; y <= last; ++y)
        out += rowNumber(y) + rowText(doc, page, y) + QLatin1Char('\n');
    return out;
}

QString projectText(const Document &doc)
{
    QString out = QStringLiteral("format %1\n").arg(doc.FileVer);
    for (int page = 0; page < kPageCount; ++page)
        if (holdsAnything(doc, page))
            out += pageText(doc, page);
    if (doc.FileVer == 1)
        out += mapText(doc);
    return out;
}

QString projectDifferences(const Document &a, const Document &b)
{
    QString out;
    if (a.FileVer != b.FileVer)
        out += QStringLiteral("format %1 | %2\n").arg(a.FileVer).arg(b.FileVer);
    for (int page = 0; page < kPageCount; ++page) {
        QString rows;
        for (int y = 0; y < kSheetHeight; ++y) {
            const QString left = rowText(a, page, y);
            const QString right = rowText(b, page, y);
            if (left != right)
                rows += rowNumber(y) + left + QStringLiteral(" | ") + right + QLatin1Char('\n');
        }
        const QString left = settingsText(a, page);
        const QString right = settingsText(b, page);
        if (rows.isEmpty() && left == right)
            continue;
        out += QStringLiteral("page %1\n").arg(page);
        if (left == right)
            out += QStringLiteral("  %1\n").arg(left);
        else
            out += QStringLiteral("  a: %1\n  b: %2\n").arg(left, right);
        out += rows;
    }
    // The map block is kept only with format 1; without it the planes are not part of the file.
    for (int page = 0; page < kPageCount; ++page) {
        for (int y = 0; y < kSheetHeight; ++y) {
            const QString left = a.FileVer == 1 ? mapRowText(a, page, y) : QString();
            const QString right = b.FileVer == 1 ? mapRowText(b, page, y) : QString();
            if (left != right)
                out += QStringLiteral("map page %1 row %2: %3 | %4\n").arg(page).arg(y).arg(left, right);
        }
    }
    return out;
}

} // namespace vesk4
