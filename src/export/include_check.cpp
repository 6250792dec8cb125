#include "export/include_check.h"

#include "files/sjis_text.h"

#include <QList>
#include <QStringList>

namespace vesk4 {

namespace {

// The lines of text, each with its line end: LF, CR LF, CRs before an LF, or a CR alone, as the
// include reader takes them.
QList<QByteArrayView> splitLines(QByteArrayView text)
{
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != '\n' && text[end] != '\r')
            ++end;
        qsizetype crs = end;
        while (crs < text.size() && text[crs] == '\r')
            ++crs;
        if (crs < text.size() && text[crs] == '\n')
            end = crs + 1;
        else if (end < text.size())
            end += 1;
        lines.append(text.sliced(start, end - start));
        start = end;
    }
    return lines;
}

QByteArrayView withoutLineEnd(QByteArrayView line)
{
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return line;
}

QString lineEndName(QByteArrayView line)
{
    const QByteArrayView end = line.sliced(withoutLineEnd(line).size());
    if (end.isEmpty())
        return QStringLiteral("none");
    QStringList names;
    for (char c : end)
        names << (c == '\r' ? QStringLiteral("CR") : QStringLiteral("LF"));
    return names.join(QLatin1Char(' '));
}

// Why two lines differ where the reason is not in the characters a reader sees.
QString causeOf(int i, QByteArrayView expected, QByteArrayView found)
{
    if (i == 0 && found.startsWith("\xEF\xBB\xBF"))
        return QStringLiteral("the file begins with a UTF-8 byte order mark");
    if (withoutLineEnd(expected) == withoutLineEnd(found)) {
        return QStringLiteral("the line ends differ: the export ends the line with %1, the file with %2")
            .arg(lineEndName(expected), lineEndName(found));
    }
    const QByteArrayView text = withoutLineEnd(found);
    if (QString::fromUtf8(text) == decodeCp932(withoutLineEnd(expected)) && text.isValidUtf8())
        return QStringLiteral("the file is UTF-8 text; the export writes Shift-JIS (code page 932)");
    return QString();
}

QString pageName(const Document &doc, int page)
{
    return QStringLiteral("page %1 \"%2\"").arg(page).arg(doc.pages[page].name);
}

// What the export writes at line index i (from 0) of its lines: the banner, declarations and
// palette lines, then per flagged page an empty line, the label, two size lines and the patterns,
// then the map and five closing lines. Only the blocks and the closing lines hold empty lines.
QString placeOf(const Document &doc, const QList<QByteArrayView> &lines, int i)
{
    constexpr int kBannerLines = 4;
    constexpr int kClosingLines = 5;
    const int count = int(lines.size());
    if (i >= count)
        return QStringLiteral("past the end of the export");
    if (i < kBannerLines)
        return QStringLiteral("the banner");
    if (i >= count - kClosingLines)
        return QStringLiteral("the closing lines");
    if (doc.FileVer == 1 && i >= count - kClosingLines - 32)
        return QStringLiteral("the map");

    int page = -1;
    int pattern = -1;
    for (int k = kBannerLines; k <= i; ++k) {
        if (lines[k] == "\r\n") {
            do
                ++page;
            while (page < kLastCharacterPage && doc.pages[page].outputFlag != 1);
            pattern = -1;
        } else if (page >= 0 && lines[k].startsWith(";PTN ")) {
            ++pattern;
        }
    }
    if (page < 0)
        return lines[i].startsWith(".global") ? QStringLiteral("the declarations")
                                              : QStringLiteral("the palette of page 0");
    if (pattern < 0)
        return pageName(doc, page) + QStringLiteral(", its label and sizes");
    return pageName(doc, page) + QStringLiteral(", pattern %1").arg(pattern);
}

} // namespace

std::optional<IncludeDifference> firstIncludeDifference(const Document &doc, QByteArrayView exported,
                                                        QByteArrayView text)
{
    if (exported == text)
        return std::nullopt;
    const QList<QByteArrayView> want = splitLines(exported);
    const QList<QByteArrayView> have = splitLines(text);
    int i = 0;
    while (i < want.size() && i < have.size() && want[i] == have[i])
        ++i;
    IncludeDifference difference;
    difference.line = i + 1;
    difference.place = placeOf(doc, want, i);
    if (i < want.size())
        difference.expected = want[i].toByteArray();
    if (i < have.size())
        difference.found = have[i].toByteArray();
    if (difference.expected && difference.found)
        difference.cause = causeOf(i, *difference.expected, *difference.found);
    return difference;
}

} // namespace vesk4
