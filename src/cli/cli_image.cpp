// The tool's picture commands: import an image into a page, write a page as an image.

#include "cli/cli.h"
#include "cli/cli_command.h"

#include "document/page_state.h"
#include "files/project_file.h"
#include "image/page_image.h"

#include <QFileInfo>
#include <QLockFile>

namespace vesk4 {

namespace {

const QString kPage = QStringLiteral("--page");
const QString kAt = QStringLiteral("--at");
const QString kThreshold = QStringLiteral("--threshold");
const QString kOutput = QStringLiteral("--output");
const QString kDither = QStringLiteral("--dither");
const QString kPatterns = QStringLiteral("--patterns");
const QString kScale = QStringLiteral("--scale");
constexpr int kImportLockWaitMs = 2000;

// The character page the command works on; --page has no default.
std::optional<int> pageOption(const QString &command, const QStringList &options, QTextStream &err)
{
    if (!options.contains(kPage)) {
        usageError(err, QStringLiteral("%1 needs --page N").arg(command));
        return std::nullopt;
    }
    return intOption(options, kPage, 0, 0, kLastCharacterPage, err);
}

// The sheet cell of --at X,Y; (0, 0) without it.
std::optional<QPoint> cellOption(const QStringList &options, QTextStream &err)
{
    const qsizetype at = options.indexOf(kAt);
    if (at < 0)
        return QPoint(0, 0);
    const QStringList parts = options[at + 1].split(QLatin1Char(','));
    bool xOk = false;
    bool yOk = false;
    const int x = parts.size() == 2 ? parts[0].toInt(&xOk) : 0;
    const int y = parts.size() == 2 ? parts[1].toInt(&yOk) : 0;
    if (!xOk || !yOk || x < 0 || x >= kSheetWidth || y < 0 || y >= kSheetHeight) {
        usageError(err,
                   QStringLiteral("--at takes a cell X,Y with X from 0 to %1 and Y from 0 to %2")
                       .arg(kSheetWidth - 1)
                       .arg(kSheetHeight - 1));
        return std::nullopt;
    }
    return QPoint(x, y);
}

QString importReport(const QString &image, int page, QPoint at, const ImportPlan &plan)
{
    QString report = QStringLiteral("imported %1 into page %2 at %3,%4: %5 cell(s) changed")
                         .arg(image)
                         .arg(page)
                         .arg(at.x())
                         .arg(at.y())
                         .arg(plan.changes.size());
    if (plan.cut > 0)
        report += QStringLiteral(", %1 pixel(s) beyond the sheet cut").arg(plan.cut);
    return report;
}

int runImport(const QStringList &positional, const QStringList &options, QTextStream &out, QTextStream &err)
{
    const std::optional<int> page = pageOption(QStringLiteral("import"), options, err);
    if (!page)
        return kExitUsage;
    const std::optional<QPoint> at = cellOption(options, err);
    if (!at)
        return kExitUsage;
    const std::optional<int> threshold = intOption(options, kThreshold, kDefaultImportThreshold, 0, 255, err);
    if (!threshold)
        return kExitUsage;
    Dithering dithering = Dithering::None;
    if (const qsizetype ditherAt = options.indexOf(kDither); ditherAt >= 0) {
        const std::optional<Dithering> named = ditheringNamed(options[ditherAt + 1]);
        if (!named)
            return usageError(err, QStringLiteral("--dither takes floyd-steinberg, atkinson or bayer4"));
        dithering = *named;
    }
    const qsizetype outputAt = options.indexOf(kOutput);
    const QString output = outputAt >= 0 ? options[outputAt + 1] : positional[0];
    // Writing back to the project is what import does; writing over the image is not.
    if (refusesOutputOverInput(err, output, {positional[1]}))
        return kExitFailure;

    // Two imports into one project at once would each write their own change over the other's: the
    // project is read, changed and written under a lock. A lock whose program ended is taken over.
    QLockFile lock(QFileInfo(output).absoluteFilePath() + QStringLiteral(".lock"));
    // Where no lock file can be made (a folder without write access) the write fails on its own.
    if (!lock.tryLock(kImportLockWaitMs) && lock.error() == QLockFile::LockFailedError) {
        return fail(err, output,
                    Failure{QStringLiteral("Another program is changing this project (it holds %1.lock); try "
                                           "again when it has finished.")
                                .arg(output)});
    }
    Opened opened;
    if (Status read = openInto(positional[0], opened); !read)
        return fail(err, positional[0], read.failure());
    const Expected<QImage> image = readImportImage(positional[1]);
    if (!image)
        return fail(err, positional[1], image.failure());
    const Expected<ImportPlan> plan
        = planImageImport(opened.doc, *page, image.value(), *at, *threshold, dithering);
    if (!plan)
        return fail(err, positional[1], plan.failure());
    applyImport(opened.doc, plan.value());
    if (Status saved = saveProject(opened.doc, output); !saved)
        return fail(err, output, saved.failure());
    out << importReport(positional[1], *page, *at, plan.value()) << Qt::endl;
    out << "wrote " << output << Qt::endl;
    return kExitOk;
}

int runImage(const QStringList &positional, const QStringList &options, QTextStream &out, QTextStream &err)
{
    const std::optional<int> page = pageOption(QStringLiteral("image"), options, err);
    if (!page)
        return kExitUsage;
    const std::optional<int> scale = intOption(options, kScale, 1, 1, kMaxImageScale, err);
    if (!scale)
        return kExitUsage;

    if (refusesOutputOverInput(err, positional[1], {positional[0]}))
        return kExitFailure;
    Opened opened;
    if (Status read = openInto(positional[0], opened); !read)
        return fail(err, positional[0], read.failure());
    // The page's button: its pen colours decide how a "2色" page shows its third entry.
    opened.state.currentPage = int16_t(*page);
    showPageTables(opened.doc, opened.state);

    PageImageOptions shown;
    shown.patternsOnly = options.contains(kPatterns);
    shown.scale = *scale;
    shown.rightColour = opened.state.rightPenColour;
    shown.rightAltColour = opened.state.rightPenAltColour;
    const Expected<QImage> image = pageImage(opened.doc, *page, shown);
    if (!image)
        return fail(err, positional[0], image.failure());
    if (Status written = writePngImage(image.value(), positional[1]); !written)
        return fail(err, positional[1], written.failure());
    out << "wrote " << positional[1] << " (" << image.value().width() << " x " << image.value().height()
        << " pixels)" << Qt::endl;
    return kExitOk;
}

} // namespace

void addImageCommands(CommandTable &table)
{
    table.emplace(
        QStringLiteral("import"),
        Command{"Usage: vesk4 import PROJECT.egd IMAGE --page N [--at X,Y] [--threshold T]\n"
                "                    [--dither METHOD] [--output OUT.egd]\n\n"
                "Reads IMAGE (PNG, BMP, GIF, PBM/PGM/PPM, at most 4096 x 4096 pixels) into page N\n"
                "(0-30), one cell per pixel, from cell X,Y (default 0,0) on. On a \"2色\" page a\n"
                "pixel darker than T (0-255, default 128) after composing it over white gives\n"
                "entry 1, any other entry 0; on a \"2色Ex\" page a pixel with alpha below 128 gives\n"
                "entry 2; on other pages the palette entry of the nearest grey. Pixels beyond the\n"
                "64 x 256 sheet are cut. With --dither the two-colour pages dither the greys\n"
                "instead, left to right in every row, T the decision point: floyd-steinberg or\n"
                "atkinson spread each pixel's error to the pixels right and below, bayer4 varies T\n"
                "over a 4 x 4 ordered matrix; on \"2色Ex\" the transparent pixels stay entry 2 and\n"
                "out of the dithering. Writes the project to OUT.egd, by default back to\n"
                "PROJECT.egd, only when the import succeeded.\n",
                2,
                {kPage, kAt, kThreshold, kDither, kOutput},
                {},
                runImport});
    table.emplace(QStringLiteral("image"),
                  Command{"Usage: vesk4 image PROJECT.egd OUT.png --page N [--patterns] [--scale K]\n\n"
                          "Writes page N (0-30) as PNG, one pixel per cell in the greys the canvas\n"
                          "shows, the entry 2 cells of a \"2色Ex\" page transparent: the whole\n"
                          "64 x 256 sheet, or with --patterns the part its patterns cover as the\n"
                          "include export lays them out. --scale K (1-16, default 1) makes each\n"
                          "cell K x K pixels.\n",
                          2,
                          {kPage, kScale},
                          {kPatterns},
                          runImage});
}

} // namespace vesk4
