#include "cli/cli.h"

#include "cli/cli_command.h"

#include "canvas/canvas_renderer.h"
#include "document/page_state.h"
#include "document/start_values.h"
#include "export/c_header_export.h"
#include "export/include_export.h"
#include "files/local_names.h"
#include "files/project_file.h"
#include "files/whole_file.h"
#include "version.h"

#include <functional>
#include <map>
#include <optional>

namespace vesk4 {

namespace {

const char *const kOverview = R"(Usage: vesk4 COMMAND [ARGS]

Works on VESK4 graphics projects (.egd) exactly as the editor does.

Commands:
  new OUT.egd                  write the project the editor starts with
  export PROJECT.egd OUT.inc [--format asm|c] [--check]
                               write the MPLAB include file of a project (or its
                               data as a C header), or check that OUT is what it
                               would write
  from-inc IN.inc OUT.egd      read an include file back into a project
  render PROJECT.egd OUT.png [--page N] [--scroll Y] [--thumbnail]
                               write a page as the editor's canvas shows it
  check PROJECT.egd            check that a project file reads
  where PROJECT.egd --page N --cell X,Y
                               print the pattern, byte and bit a cell lands in
  size PROJECT.egd             print the bytes each exported page and the whole
                               include file take
  show PROJECT.egd [--page N]  print the pages as text (a git diff text converter)
  diff A.egd B.egd             print the pages and rows where two projects differ
  import PROJECT.egd IMAGE --page N [--at X,Y] [--threshold T] [--dither METHOD]
         [--output OUT.egd]    read an image into a page, one cell per pixel
  image PROJECT.egd OUT.png --page N [--patterns] [--scale K]
                               write a page as an image, one pixel per cell
  glyphs PROJECT.egd --font FONT --size PX --page N [--chars TEXT] [--first K]
         [--output OUT.egd]    draw the characters of a font into a page's patterns

Options:
  -h, --help                   show this help, or after a command that command's help
  --version                    show the version

Run 'vesk4 COMMAND --help' for the details of a command.
Exit status: 0 success, 1 the command failed, 2 the command line was wrong;
'export --check' and 'diff' exit 1 for a difference and 'diff' 2 for a file it cannot read.
)";

int runNew(const QStringList &positional, const QStringList &, QTextStream &out, QTextStream &err)
{
    Opened fresh;
    startDocument(fresh.doc, fresh.state);
    if (Status saved = saveProject(fresh.doc, positional[0]); !saved)
        return fail(err, positional[0], saved.failure());
    out << "wrote " << positional[0] << Qt::endl;
    return kExitOk;
}

int runExport(const QStringList &positional, const QStringList &options, QTextStream &out, QTextStream &err)
{
    const bool check = options.contains(QStringLiteral("--check"));
    if (!check && refusesOutputOverInput(err, positional[1], {positional[0]}))
        return kExitFailure;
    Opened opened;
    if (Status read = openInto(positional[0], opened); !read)
        return fail(err, positional[0], read.failure());
    const qsizetype formatAt = options.indexOf(QStringLiteral("--format"));
    const QString format = formatAt >= 0 ? options[formatAt + 1] : QStringLiteral("asm");
    if (format != QLatin1String("asm") && format != QLatin1String("c"))
        return usageError(err, QStringLiteral("--format takes asm or c"));
    const bool header = format == QLatin1String("c");
    if (check) {
        return header ? checkCHeaderExport(opened.doc, positional[1], out, err)
                      : checkExport(opened.doc, positional[1], out, err);
    }
    const Status written
        = header ? exportCHeader(opened.doc, positional[1]) : exportInclude(opened.doc, positional[1]);
    if (!written)
        return fail(err, positional[1], written.failure());
    out << "wrote " << positional[1] << Qt::endl;
    return kExitOk;
}

int runRender(const QStringList &positional, const QStringList &options, QTextStream &out, QTextStream &err)
{
    Opened opened;
    startDocument(opened.doc, opened.state);
    const int scrollMaximum = canvasScrollMaximum(opened.state);

    const std::optional<int> page
        = intOption(options, QStringLiteral("--page"), 0, 0, kLastCharacterPage, err);
    if (!page)
        return kExitUsage;
    const std::optional<int> scroll
        = intOption(options, QStringLiteral("--scroll"), 0, 0, scrollMaximum, err);
    if (!scroll)
        return kExitUsage;

    if (refusesOutputOverInput(err, positional[1], {positional[0]}))
        return kExitFailure;
    if (Status read = openProject(positional[0], opened.doc, opened.state); !read)
        return fail(err, positional[0], read.failure());

    // The editor's page button and scroll bar.
    opened.state.currentPage = int16_t(*page);
    showPageTables(opened.doc, opened.state);
    opened.state.scrollRow = int16_t(*scroll);

    CanvasRenderer renderer(opened.state);
    renderer.redraw(opened.doc, opened.state);
    const QImage &image
        = options.contains(QStringLiteral("--thumbnail")) ? renderer.thumbnail() : renderer.canvas();

    const Status written = writeWholeFile(positional[1], [&image](QIODevice &file) -> Status {
        if (!image.save(&file, "PNG"))
            return Failure{QStringLiteral("Cannot write the image: %1").arg(file.errorString())};
        return {};
    });
    if (!written)
        return fail(err, positional[1], written.failure());
    out << "wrote " << positional[1] << Qt::endl;
    return kExitOk;
}

int runCheck(const QStringList &positional, const QStringList &, QTextStream &out, QTextStream &err)
{
    const Expected<ProjectContent> content = readProjectFile(positional[0]);
    if (!content)
        return fail(err, positional[0], content.failure());

    int flagged = 0;
    for (int p = 0; p <= kLastCharacterPage; ++p)
        flagged += content.value().pages[p].outputFlag == 1;
    out << givenName(positional[0]) << ": reads; format number " << content.value().FileVer
        << (content.value().FileVer == 1 ? ", with map block" : ", no map block") << ", " << flagged
        << " page(s) flagged for output" << Qt::endl;
    return kExitOk;
}

CommandTable withMoreCommands(CommandTable table)
{
    addImageCommands(table);
    addIncludeCommands(table);
    addGlyphCommands(table);
    addFirmwareCommands(table);
    return table;
}

const CommandTable &commands()
{
    static const CommandTable table = withMoreCommands({
        {QStringLiteral("new"),
         {"Usage: vesk4 new OUT.egd\n\n"
          "Writes the project the editor starts with, as saving it at once would:\n"
          "31 empty character pages Chr00-Chr30 and the BG page MapChip0.\n",
          1,
          {},
          {},
          runNew}},
        {QStringLiteral("export"),
         {"Usage: vesk4 export PROJECT.egd OUT.inc [--format asm|c] [--check]\n\n"
          "Opens the project as the editor's Open does and writes its include file as the\n"
          "editor's export does, byte for byte. On failure no output file is left behind.\n\n"
          "With --format c it writes a C header instead (C99 and C++17): for each exported\n"
          "page a 'static const uint8_t' array of exactly the bytes of the page's block in\n"
          "the include file, from the pattern width on, with NAME_WIDTH, NAME_HEIGHT,\n"
          "NAME_PATTERNS and NAME_PATTERN_BYTES; NAME is the page name with every character\n"
          "outside A-Z, a-z, 0-9 and _ made _, chr_ before a leading digit or an empty name,\n"
          "and _ and the page number after a name an earlier page (or C) already uses.\n"
          "Page 0's palette (chr_palette16 or chr_palette4) and the map (chr_map) have\n"
          "arrays of their own. A value the include file holds that is no byte is refused.\n\n"
          "With --check nothing is written: exits 0 when OUT is byte for byte what the\n"
          "export would write, else 1, naming the first differing line (for the include\n"
          "file also the page and pattern it belongs to), or that OUT cannot be read.\n",
          2,
          {QStringLiteral("--format")},
          {QStringLiteral("--check")},
          runExport}},
        {QStringLiteral("render"),
         {"Usage: vesk4 render PROJECT.egd OUT.png [--page N] [--scroll Y] [--thumbnail]\n\n"
          "Opens the project, shows page N (0-30, default 0) scrolled to row Y (0-128,\n"
          "default 0) with the start-up grid, and writes the canvas's 512 x 640 drawing\n"
          "area, or with --thumbnail the 128 x 192 thumbnail, as PNG.\n",
          2,
          {QStringLiteral("--page"), QStringLiteral("--scroll")},
          {QStringLiteral("--thumbnail")},
          runRender}},
        {QStringLiteral("check"),
         {"Usage: vesk4 check PROJECT.egd\n\n"
          "Reads the project file; exits 0 when it reads, else 1 with the line and reason.\n",
          1,
          {},
          {},
          runCheck}},
    });
    return table;
}

bool isHelp(const QString &arg)
{
    return arg == QLatin1String("--help") || arg == QLatin1String("-h");
}

} // namespace

int runCli(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.isEmpty())
        return usageError(err, QStringLiteral("missing command"));
    if (isHelp(args[0])) {
        out << kOverview;
        return kExitOk;
    }
    if (args[0] == QLatin1String("--version")) {
        out << "vesk4 " << kVersion << '\n';
        return kExitOk;
    }
    const auto found = commands().find(args[0]);
    if (found == commands().end())
        return usageError(err, QStringLiteral("unknown command '%1'").arg(args[0]));
    const Command &command = found->second;

    QStringList positional;
    QStringList options;
    QStringList given; // the options named so far
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (isHelp(arg)) {
            out << command.help;
            return kExitOk;
        }
        // A second value would silently win over the first; which one was meant is not known.
        if (command.valueOptions.contains(arg) || command.flagOptions.contains(arg)) {
            if (given.contains(arg))
                return usageError(err, QStringLiteral("%1 given more than once").arg(arg));
            given << arg;
        }
        if (command.valueOptions.contains(arg)) {
            if (i + 1 >= args.size())
                return usageError(err, QStringLiteral("%1 needs a value").arg(arg));
            options << arg << args[++i];
        } else if (command.flagOptions.contains(arg)) {
            options << arg;
        } else if (arg.startsWith(QLatin1String("--"))) {
            return usageError(err, QStringLiteral("unknown option '%1' for %2").arg(arg, args[0]));
        } else {
            positional << arg;
        }
    }
    if (positional.size() != command.fileArgs)
        return usageError(err,
                          QStringLiteral("%1 takes %2 file argument(s)").arg(args[0]).arg(command.fileArgs));
    return command.run(positional, options, out, err);
}

} // namespace vesk4
