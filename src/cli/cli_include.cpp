// The commands around the firmware repository's view of a project: reading an include file back,
// checking one is current, and projects as text for reading and diffing.
#include "cli/cli.h"
#include "cli/cli_command.h"

#include "export/include_check.h"
#include "export/include_export.h"
#include "export/include_reader.h"
#include "files/local_names.h"
#include "files/project_file.h"
#include "files/project_text.h"
#include "files/sjis_text.h"
#include "files/whole_file.h"

namespace vesk4 {

namespace {

int runFromInc(const QStringList &positional, const QStringList &, QTextStream &out, QTextStream &err)
{
    if (refusesOutputOverInput(err, positional[1], {positional[0]}))
        return kExitFailure;
    Expected<IncludeReadResult> read = readIncludeFile(positional[0]);
    if (!read)
        return fail(err, positional[0], read.failure());
    for (const QString &notice : read.value().notices)
        err << "vesk4: " << givenName(positional[0]) << ": note: " << shownText(notice) << Qt::endl;
    // The project file keeps what the include file held, page 0's palette lines included.
    if (Status saved = saveProject(storedDocument(std::move(read.value().content)), positional[1]); !saved)
        return fail(err, positional[1], saved.failure());
    out << "wrote " << positional[1] << Qt::endl;
    return kExitOk;
}

// What the project file holds, without what opening it in the editor changes.
Expected<Document> projectAsStored(const QString &path)
{
    Expected<ProjectContent> content = readProjectFile(path);
    if (!content)
        return content.failure();
    return storedDocument(std::move(content.value()));
}

int runShow(const QStringList &positional, const QStringList &options, QTextStream &out, QTextStream &err)
{
    const std::optional<int> page = intOption(options, QStringLiteral("--page"), -1, 0, kPageCount - 1, err);
    if (!page)
        return kExitUsage;
    const Expected<Document> doc = projectAsStored(positional[0]);
    if (!doc)
        return fail(err, positional[0], doc.failure());
    out << (*page < 0 ? projectText(doc.value()) : pageText(doc.value(), *page));
    return kExitOk;
}

int runDiff(const QStringList &positional, const QStringList &, QTextStream &out, QTextStream &err)
{
    const Expected<Document> a = projectAsStored(positional[0]);
    if (!a) {
        fail(err, positional[0], a.failure());
        return kExitUsage;
    }
    const Expected<Document> b = projectAsStored(positional[1]);
    if (!b) {
        fail(err, positional[1], b.failure());
        return kExitUsage;
    }
    const QString differences = projectDifferences(a.value(), b.value());
    out << differences;
    return differences.isEmpty() ? kExitOk : kExitFailure;
}

// A line of an include file for a message: its text without the line end, in quotes.
QString shownLine(const std::optional<QByteArray> &line)
{
    if (!line)
        return QStringLiteral("(no line)");
    QByteArray text = *line;
    while (text.endsWith('\n') || text.endsWith('\r'))
        text.chop(1);
    return QLatin1Char('"') + shownText(decodeCp932(text)) + QLatin1Char('"');
}

} // namespace

int checkExport(const Document &doc, const QString &includePath, QTextStream &out, QTextStream &err)
{
    const Expected<QByteArray> expected = includeFileBytes(doc);
    if (!expected)
        return fail(err, includePath, expected.failure());
    const Expected<QByteArray> actual = readWholeFile(includePath, kMaxIncludeFileBytes);
    if (!actual)
        return fail(err, includePath, actual.failure());
    const std::optional<IncludeDifference> difference
        = firstIncludeDifference(doc, expected.value(), actual.value());
    if (!difference) {
        out << includePath << ": current" << Qt::endl;
        return kExitOk;
    }
    err << "vesk4: " << includePath << ": line " << difference->line << " (" << difference->place
        << ") differs from the export"
        << (difference->cause.isEmpty() ? QString() : QStringLiteral(": ") + difference->cause) << Qt::endl
        << "  export: " << shownLine(difference->expected) << Qt::endl
        << "  file:   " << shownLine(difference->found) << Qt::endl;
    return kExitFailure;
}

void addIncludeCommands(CommandTable &table)
{
    table.merge(CommandTable{
        {QStringLiteral("from-inc"),
         {"Usage: vesk4 from-inc IN.inc OUT.egd\n\n"
          "Reads an include file back into a project: each labelled block becomes the page\n"
          "of its place (page 0 upwards) with its name, sizes, patterns and output flag set;\n"
          "the colour mode follows from the shape of the data, page 0's palette and the map\n"
          "from their lines. Notes on the reading (a block that fits two modes, a first block\n"
          "moved to page 1) go to standard error. A file it cannot place is refused with its\n"
          "line, and nothing is written. 'vesk4 export' of the result gives IN.inc back byte\n"
          "for byte when this program wrote it.\n",
          2,
          {},
          {},
          runFromInc}},
        {QStringLiteral("show"),
         {"Usage: vesk4 show PROJECT.egd [--page N]\n\n"
          "Prints the project as ASCII text: the format number, then each page that holds\n"
          "anything (or page N, 0-31) as a header with number, name, mode, size, pattern\n"
          "count and output flag, and its rows down to the last one in use, one character a\n"
          "cell: '.' 0, '#' 1, '-' 2, 3-F for 3-15, '?' for other values; then the map cells\n"
          "when the file has a map. For 'git diff', in .gitattributes:  *.egd diff=egd\n"
          "and once:  git config diff.egd.textconv \"vesk4 show\"\n",
          1,
          {QStringLiteral("--page")},
          {},
          runShow}},
        {QStringLiteral("diff"),
         {"Usage: vesk4 diff A.egd B.egd\n\n"
          "Prints the pages whose settings or rows differ, with the differing rows of A and B\n"
          "side by side in the form of 'vesk4 show'. Exits 0 when the projects show the same,\n"
          "1 when they differ, 2 when a file cannot be read.\n",
          2,
          {},
          {},
          runDiff}},
    });
}

} // namespace vesk4
