// The tool's glyphs command: characters of a font drawn into a page's patterns.

#include "cli/cli.h"
#include "cli/cli_command.h"

#include "files/project_file.h"
#include "image/glyph_import.h"

namespace vesk4 {

namespace {

const QString kFont = QStringLiteral("--font");
const QString kSize = QStringLiteral("--size");
const QString kPage = QStringLiteral("--page");
const QString kChars = QStringLiteral("--chars");
const QString kFirst = QStringLiteral("--first");
const QString kOutput = QStringLiteral("--output");

QString valueOf(const QStringList &options, const QString &name, const QString &fallback = {})
{
    const qsizetype at = options.indexOf(name);
    return at >= 0 ? options[at + 1] : fallback;
}

void report(QTextStream &out, const QString &family, int size, const GlyphImportPlan &plan)
{
    out << "drew " << plan.characters << " character(s) of \"" << family << "\" at " << size
        << " px into page " << plan.page << ", patterns " << plan.firstPattern << "-"
        << plan.firstPattern + plan.characters - 1 << ": " << plan.changes.size()
        << " cell(s) changed, pattern count " << plan.countBefore << " -> " << plan.countAfter << Qt::endl;
    if (plan.cutGlyphs > 0)
        out << plan.cutGlyphs << " glyph(s) had ink outside the pattern, which was cut" << Qt::endl;
    for (char32_t missing : plan.missing)
        out << "no glyph for " << codePointText(missing) << ": its pattern is left blank" << Qt::endl;
}

int runGlyphs(const QStringList &positional, const QStringList &options, QTextStream &out, QTextStream &err)
{
    for (const QString &needed : {kFont, kSize, kPage}) {
        if (!options.contains(needed))
            return usageError(err, QStringLiteral("glyphs needs %1").arg(needed));
    }
    const std::optional<int> size = intOption(options, kSize, 0, kMinGlyphPixelSize, kMaxGlyphPixelSize, err);
    const std::optional<int> page
        = size ? intOption(options, kPage, 0, 0, kLastCharacterPage, err) : std::nullopt;
    const std::optional<int> first
        = page ? intOption(options, kFirst, 0, 0, kMaxPagePatterns - 1, err) : std::nullopt;
    if (!first)
        return kExitUsage;
    const QString characters = valueOf(options, kChars, printableAscii());
    if (characters.isEmpty())
        return usageError(err, QStringLiteral("--chars takes at least one character"));
    const QString output = valueOf(options, kOutput, positional[0]);

    Opened opened;
    if (Status read = openInto(positional[0], opened); !read)
        return fail(err, positional[0], read.failure());
    const QString fontName = valueOf(options, kFont);
    const Expected<GlyphFont> font = GlyphFont::load(fontName, *size);
    if (!font)
        return fail(err, fontName, font.failure());
    const Expected<GlyphImportPlan> plan
        = planGlyphImport(opened.doc, *page, font.value(), characters, *first);
    if (!plan)
        return fail(err, positional[0], plan.failure());
    applyGlyphImport(opened.doc, plan.value());
    if (Status saved = saveProject(opened.doc, output); !saved)
        return fail(err, output, saved.failure());
    report(out, font.value().familyName(), *size, plan.value());
    out << "wrote " << output << Qt::endl;
    return kExitOk;
}

} // namespace

void addGlyphCommands(CommandTable &table)
{
    table.emplace(
        QStringLiteral("glyphs"),
        Command{"Usage: vesk4 glyphs PROJECT.egd --font FONT --size PX --page N [--chars TEXT] [--first K]\n"
                "                    [--output OUT.egd]\n\n"
                "Draws the characters of TEXT (default: the printable ASCII characters \" \" to \"~\")\n"
                "into page N (0-30), character i into pattern K + i (K 0-98, default 0), at the\n"
                "pattern's place on the sheet as the include export lays it out. FONT is a font\n"
                "file (TrueType, OpenType, BDF, PCF) or the family name of an installed font, PX\n"
                "its pixel size (4-64; a bitmap font draws at its nearest size). Glyphs are drawn\n"
                "without smoothing or hinting, the baseline at the font's ascent from the top, each\n"
                "centred on its advance in the pattern width; every cell of each pattern is\n"
                "written, 1 for ink, 0 elsewhere. Ink outside a pattern is cut and counted, a\n"
                "character without a glyph named and its pattern left blank. The pattern count\n"
                "grows to K + the number of characters. More than 99 patterns, or more than the\n"
                "sheet holds at the page's pattern size, are refused. Writes the project to\n"
                "OUT.egd, by default back to PROJECT.egd, only when the import succeeded.\n",
                1,
                {kFont, kSize, kPage, kChars, kFirst, kOutput},
                {},
                runGlyphs});
}

} // namespace vesk4
