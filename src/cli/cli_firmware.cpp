// The commands that answer what the firmware gets from a project: where a cell's bits land in the
// include file's data, and how many bytes that data takes.
#include "cli/cli.h"
#include "cli/cli_command.h"

#include "export/c_header_export.h"
#include "export/include_reader.h"
#include "export/include_where.h"
#include "files/whole_file.h"

#include <QFileInfo>

namespace vesk4 {

namespace {

// "X,Y" as two integers.
std::optional<std::pair<int64_t, int64_t>> cellArgument(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 2)
        return std::nullopt;
    bool okX = false;
    bool okY = false;
    const qlonglong x = parts[0].trimmed().toLongLong(&okX);
    const qlonglong y = parts[1].trimmed().toLongLong(&okY);
    if (!okX || !okY)
        return std::nullopt;
    return std::pair<int64_t, int64_t>(x, y);
}

int runWhere(const QStringList &positional, const QStringList &options, QTextStream &out, QTextStream &err)
{
    if (!options.contains(QStringLiteral("--page")))
        return usageError(err, QStringLiteral("where needs --page N"));
    const std::optional<int> page = intOption(options, QStringLiteral("--page"), 0, 0, kPageCount - 1, err);
    if (!page)
        return kExitUsage;
    const qsizetype at = options.indexOf(QStringLiteral("--cell"));
    const std::optional<std::pair<int64_t, int64_t>> cell
        = at >= 0 ? cellArgument(options[at + 1]) : std::nullopt;
    if (!cell)
        return usageError(err, QStringLiteral("where needs --cell X,Y with two integers"));

    Opened opened;
    if (Status read = openInto(positional[0], opened); !read)
        return fail(err, positional[0], read.failure());
    const Expected<CellWhere> where = whereCell(opened.doc, *page, cell->first, cell->second);
    if (!where)
        return fail(err, positional[0], where.failure());
    out << whereText(where.value()) << Qt::endl;
    return kExitOk;
}

int runSize(const QStringList &positional, const QStringList &, QTextStream &out, QTextStream &err)
{
    Opened opened;
    if (Status read = openInto(positional[0], opened); !read)
        return fail(err, positional[0], read.failure());
    const Expected<IncludeSizes> sizes = includeSizes(opened.doc);
    if (!sizes)
        return fail(err, positional[0], sizes.failure());
    for (const IncludeBlockSize &block : sizes.value().blocks)
        out << "label=_" << opened.doc.pages[block.page].name << " patterns=" << block.patterns
            << " bytes=" << block.bytes << '\n';
    out << "total=" << sizes.value().total << Qt::endl;
    return kExitOk;
}

} // namespace

int checkCHeaderExport(const Document &doc, const QString &headerPath, QTextStream &out, QTextStream &err)
{
    const Expected<QByteArray> expected = cHeaderBytes(doc, QFileInfo(headerPath).fileName());
    if (!expected)
        return fail(err, headerPath, expected.failure());
    // The header is text of a few bytes a data byte; the include file's limit holds it.
    const Expected<QByteArray> actual = readWholeFile(headerPath, kMaxIncludeFileBytes);
    if (!actual)
        return fail(err, headerPath, actual.failure());
    if (actual.value() == expected.value()) {
        out << headerPath << ": current" << Qt::endl;
        return kExitOk;
    }
    const QList<QByteArray> want = expected.value().split('\n');
    const QList<QByteArray> have = actual.value().split('\n');
    qsizetype line = 0;
    while (line < want.size() && line < have.size() && want[line] == have[line])
        ++line;
    const auto shown = [](const QList<QByteArray> &lines, qsizetype at) {
        return at < lines.size()
            ? QLatin1Char('"') + shownText(QString::fromUtf8(lines[at])) + QLatin1Char('"')
            : QStringLiteral("(no line)");
    };
    // A copy with CR LF line ends differs on every line by a character that does not show.
    const bool crLf = line < want.size() && line < have.size() && have[line] == want[line] + '\r';
    err << "vesk4: " << headerPath << ": line " << line + 1 << " differs from the export"
        << (crLf ? ": the export ends the line with LF, the file with CR LF" : "") << Qt::endl
        << "  export: " << shown(want, line) << Qt::endl
        << "  file:   " << shown(have, line) << Qt::endl;
    return kExitFailure;
}

void addFirmwareCommands(CommandTable &table)
{
    table.merge(CommandTable{
        {QStringLiteral("where"),
         {"Usage: vesk4 where PROJECT.egd --page N --cell X,Y\n\n"
          "Prints where cell X,Y of page N (0-31) lands in the include file's data, as\n"
          "  pattern=K byte=B bit=b bits=W [mask=M] [offset=O]\n"
          "K is the pattern holding the cell, B the byte holding it counted from the page's\n"
          "label (the pattern width is byte 0), b the lowest of its W bits in that byte (0 the\n"
          "least significant). On \"2色Ex\" pages M is the byte of its mask bit. On a page the\n"
          "export writes, O is the byte's offset from the start of all the data the include\n"
          "file assembles to (a .word takes two bytes), as a hex dump of the firmware shows.\n"
          "A cell no pattern of the page holds exits 1.\n",
          1,
          {QStringLiteral("--page"), QStringLiteral("--cell")},
          {},
          runWhere}},
        {QStringLiteral("size"),
         {"Usage: vesk4 size PROJECT.egd\n\n"
          "Prints one line per page the export writes, label=_NAME patterns=n bytes=b, the\n"
          "bytes of its block (the two size bytes and the patterns), and last total=T, the\n"
          "bytes the whole include file assembles to: page 0's palette, the blocks and the\n"
          "map.\n",
          1,
          {},
          {},
          runSize}},
    });
}

} // namespace vesk4
