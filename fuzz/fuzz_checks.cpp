#include "fuzz/fuzz_checks.h"

#include "canvas/canvas_renderer.h"
#include "document/number_text.h"
#include "document/page_state.h"
#include "document/palette_rows.h"
#include "export/include_export.h"
#include "files/project_file.h"
#include "fuzz/project_description.h"
#include "palette/colour_model.h"

#include <QBuffer>

#include <algorithm>
#include <array>
#include <cctype>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <memory>
#include <optional>
#include <string>
#include <tuple>

namespace vesk4 {

namespace {

Status broken(const QString &rule)
{
    return Failure{rule};
}

Expected<ProjectContent> readBytes(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readProject(buffer);
}

Expected<QByteArray> writeBytes(const Document &doc)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (Status s = writeProject(doc, buffer); !s)
        return s.failure();
    return buffer.data();
}

// The start-up document and state, made once: copying them into a document that already has its
// cell stores costs a fraction of building one, whose stores are tens of megabytes.
struct Started {
    Document doc;
    EditorState state;
    Started() { startDocument(doc, state); }
};
const Started &started()
{
    static const Started s;
    return s;
}

// What the editor's Open does once the file has read, on the document the editor starts with.
void openContent(Document &doc, EditorState &state, ProjectContent content)
{
    doc = started().doc;
    state = started().state;
    applyProjectContent(doc, std::move(content));
    resetPalettes(doc, state);
    showPageTables(doc, state);
}

// Saving the opened document and reading the file back gives what the first read gave, except the
// palette rows, which the open reset, and the pattern count of the page shown, which showing it
// limits to 99. Opening that file again and saving gives the same bytes; the reopened document is
// left in doc.
Status checkRoundTrip(Document &doc, const ProjectContent &read)
{
    // The reader takes a double quote in a name as it is, the writer refuses such a name (and the
    // name box does not let one be typed): saving fails, naming the first such page.
    for (int page = 0; page < kPageCount; ++page) {
        if (!doc.pages[page].name.contains(QLatin1Char('"')))
            continue;
        const Expected<QByteArray> refused = writeBytes(doc);
        if (refused)
            return broken(QStringLiteral("a name holding a double quote was saved"));
        if (!refused.failure().message.contains(QStringLiteral(" of page %1 ").arg(page)))
            return broken(QStringLiteral("a refused save does not name page %1: ").arg(page)
                          + refused.failure().text());
        return {};
    }

    const Expected<QByteArray> saved = writeBytes(doc);
    if (!saved)
        return broken(QStringLiteral("a document that read cannot be saved: ") + saved.failure().text());
    const Expected<ProjectContent> again = readBytes(saved.value());
    if (!again)
        return broken(QStringLiteral("a saved document does not read: ") + again.failure().text());
    const ProjectContent &c = again.value();

    if (c.FileVer != read.FileVer)
        return broken(QStringLiteral("the format number changed"));
    if (c.pixels != read.pixels)
        return broken(QStringLiteral("the pixel sheets changed"));
    if (c.map != read.map)
        return broken(QStringLiteral("the map sheets changed"));

    const Document &fresh = started().doc;
    for (int page = 0; page < kPageCount; ++page) {
        const PageSettings &was = read.pages[page];
        const PageSettings &is = c.pages[page];
        const QString where = QStringLiteral(" of page %1").arg(page);
        if (is.colourMode != was.colourMode || is.patternWidth != was.patternWidth
            || is.patternHeight != was.patternHeight || is.outputFlag != was.outputFlag
            || is.pal8 != was.pal8)
            return broken(QStringLiteral("a setting changed") + where);
        if (is.name != was.name)
            return broken(QStringLiteral("the name changed") + where);
        const int16_t count = page == 0 && was.patternCount > kMaxPatternCount ? 0 : was.patternCount;
        if (is.patternCount != count)
            return broken(QStringLiteral("the pattern count changed") + where);
        if (is.pal4 != kPal4Defaults)
            return broken(QStringLiteral("the Pal4 row is not the default") + where);
        if (!std::equal(is.pal16.begin(), is.pal16.end(), fresh.pages[page].pal16.begin()))
            return broken(QStringLiteral("the Pal16 row is not the default") + where);
    }

    // Opening the saved file and saving again writes the same bytes.
    EditorState state;
    openContent(doc, state, c);
    const Expected<QByteArray> savedAgain = writeBytes(doc);
    if (!savedAgain || savedAgain.value() != saved.value())
        return broken(QStringLiteral("saving a reopened document gives other bytes"));
    return {};
}

// The include file of a flagged page that can be laid out is at least this long per pattern: every
// data line at its shortest, one-digit items ("0x0,"). The export's own estimate, by which it refuses
// a file of more than 256 MiB before writing any of it, is never below this.
int64_t leastPatternBytes(const Document &doc, int page)
{
    const int mode = doc.pages[page].colourMode;
    const bool wide = mode == kMode256 || mode == kMode16 || mode == kMode4;
    const int64_t width = doc.pages[page].patternWidth;
    const int64_t height = doc.pages[page].patternHeight;
    if (doc.pages[page].outputFlag != 1 || doc.pages[page].patternCount <= 0 || width < 1
        || (!wide && width > kSheetWidth))
        return 0;
    const int64_t rowStep = wide ? 1 : 8;
    const int64_t perItem = mode == kMode16 ? 2 : mode == kMode4 ? 4 : 1;
    const int64_t rows = height > 0 ? (height + rowStep - 1) / rowStep : 0;
    const int64_t items = (width + perItem - 1) / perItem;
    return 8 + rows * (12 + 4 * items);
}

// A document whose include file would run to tens of megabytes takes seconds to export under the
// sanitizers, and the fuzzer would spend its time there; such a document gets fewer patterns, so
// the file stays near 4 MiB. The loops are the same ones whatever the count; the refusal of files
// over 256 MiB is left alone (it writes nothing and is quick), and the tests cover the large counts.
void keepExportSmall(Document &doc)
{
    constexpr int64_t kBudget = int64_t(4) << 20;
    constexpr int64_t kRefused = int64_t(256) << 20;
    int64_t total = 0;
    for (int page = 0; page <= kLastCharacterPage; ++page)
        total += doc.pages[page].patternCount * leastPatternBytes(doc, page);
    if (total <= kBudget || total > kRefused)
        return;
    for (int page = 0; page <= kLastCharacterPage; ++page) {
        if (leastPatternBytes(doc, page) > 0)
            doc.pages[page].patternCount = int16_t(doc.pages[page].patternCount * kBudget / total);
    }
}

int flaggedPages(const Document &doc)
{
    int n = 0;
    for (int page = 0; page <= kLastCharacterPage; ++page)
        n += doc.pages[page].outputFlag == 1;
    return n;
}

// The export gives the same result twice; a failure says why, a success is a whole include file.
Status checkExport(const Document &doc)
{
    const Expected<QByteArray> first = includeFileBytes(doc);
    const Expected<QByteArray> second = includeFileBytes(doc);
    if (first.ok() != second.ok())
        return broken(QStringLiteral("the export succeeds only once"));
    if (!first) {
        if (first.failure().message.isEmpty() || first.failure().message != second.failure().message)
            return broken(QStringLiteral("a failed export gives no or changing reasons"));
        return {};
    }
    const QByteArray &bytes = first.value();
    if (bytes != second.value())
        return broken(QStringLiteral("the export is not the same twice"));
    const QByteArray rule = ';' + QByteArray(59, '=') + "\r\n";
    if (!bytes.startsWith(rule) || !bytes.endsWith(rule))
        return broken(QStringLiteral("the include file is not framed by its rules"));
    int declarations = 0;
    for (qsizetype at = 0; at < bytes.size();) {
        qsizetype end = bytes.indexOf("\r\n", at);
        if (end < 0)
            return broken(QStringLiteral("the include file's last line has no line end"));
        if (QByteArrayView(bytes).sliced(at, end - at).startsWith(".global _"))
            ++declarations;
        at = end + 2;
    }
    if (declarations != flaggedPages(doc))
        return broken(QStringLiteral("the include file declares %1 pages, %2 are flagged")
                          .arg(declarations)
                          .arg(flaggedPages(doc)));
    return {};
}

// Draws pages 0, 1, 30 and 31 at the top, the bottom and a scroll row taken from the file. The grid
// intervals come from the file too, from page 0's pal8 row, which nothing else reads; so the fuzzer
// steers every number the renderer takes from the document.
Status checkRender(Document &doc, EditorState state)
{
    CanvasRenderer renderer(state);
    state.gridIntervalX = doc.pages[0].pal8[1];
    state.gridIntervalY = doc.pages[0].pal8[2];
    for (int page : {0, 1, 30, 31}) {
        state.currentPage = int16_t(page);
        showPageTables(doc, state);
        for (int16_t scroll : {int16_t(0), int16_t(128), doc.pages[0].pal8[0]}) {
            state.scrollRow = scroll;
            renderer.redraw(doc, state);
        }
    }
    if (renderer.canvas().size() != QSize(state.canvasWidthPx, state.canvasHeightPx))
        return broken(QStringLiteral("the canvas changed its size"));
    return {};
}

// Cell values the fixed pixel block of projectAroundSettings puts in every eighth cell: the values
// the colour modes treat alike or apart, and the ends of the 16-bit range. The other cells hold the
// entries 0, 1 and 2 of the two-colour modes.
constexpr std::array<int16_t, 16> kCellValues{0,  1,   2,   0,   1,  3,     15,     16,
                                              28, 224, 255, 256, -1, 32767, -32768, 2};

// The sheets in the reader's shortest form, numbers separated by commas, one row a line: the reader
// goes through a megabyte of it for every input, so it is kept short.
QByteArray sheetBlock()
{
    QByteArray block;
    for (int page = 0; page < kPageCount; ++page) {
        for (int y = 0; y < kSheetHeight; ++y) {
            for (int x = 0; x < kSheetWidth; ++x) {
                const int k = page * 7 + x * 3 + y * 5;
                const int v = k % 8 == 0 ? kCellValues[std::size_t(k / 8) % kCellValues.size()] : k % 3;
                block.append(QByteArray::number(v)).append(x + 1 < kSheetWidth ? "," : "\r\n");
            }
        }
    }
    return block;
}

// Where two reads differ first, in words.
QString firstDifference(const ProjectContent &a, const ProjectContent &b)
{
    if (a.FileVer != b.FileVer)
        return QStringLiteral("the format number, %1 against %2").arg(a.FileVer).arg(b.FileVer);
    for (const auto &[plane, cells, other] :
         {std::tuple("pixel", &a.pixels, &b.pixels), std::tuple("map", &a.map, &b.map)}) {
        if (cells->size() != other->size())
            return QStringLiteral("the %1 sheets are there in only one").arg(QLatin1String(plane));
        const auto at = std::mismatch(cells->begin(), cells->end(), other->begin()).first - cells->begin();
        if (at < qsizetype(cells->size()))
            return QStringLiteral("the %1 cell at x %2, y %3 of page %4, %5 against %6")
                .arg(QLatin1String(plane))
                .arg(at % kSheetWidth)
                .arg(at / kSheetWidth % kSheetHeight)
                .arg(at / (kSheetWidth * kSheetHeight))
                .arg((*cells)[at])
                .arg((*other)[at]);
    }
    for (int page = 0; page < kPageCount; ++page) {
        if (a.pages[page].name != b.pages[page].name)
            return QStringLiteral("the name of page %1, \"%2\" against \"%3\"")
                .arg(page)
                .arg(a.pages[page].name, b.pages[page].name);
        if (a.pages[page] != b.pages[page])
            return QStringLiteral("the settings of page %1").arg(page);
    }
    return QString();
}

// The lines of a text as the reader counts them: CR LF, a bare LF or a bare CR ends one. Found
// with indexOf, which is quick on megabytes of cells.
qsizetype lineCount(const QByteArray &text)
{
    qsizetype lines = 1;
    for (qsizetype at = text.indexOf('\n'); at >= 0; at = text.indexOf('\n', at + 1))
        ++lines;
    for (qsizetype at = text.indexOf('\r'); at >= 0; at = text.indexOf('\r', at + 1))
        lines += at + 1 == text.size() || text[at + 1] != '\n';
    return lines;
}

// The bytes the writer gives for what a read gave. The document is made once, as its cell stores
// are tens of megabytes, and the scratch content keeps its memory; the names go again afterwards,
// so that the run frees what it allocated (see checkDescribedProject).
Expected<QByteArray> savedBytes(const ProjectContent &read)
{
    static const auto doc = std::make_unique<Document>();
    static ProjectContent scratch;
    scratch = read;
    applyProjectContent(*doc, std::move(scratch));
    Expected<QByteArray> saved = writeBytes(*doc);
    for (Page &page : doc->pages)
        page.name = QString();
    return saved;
}

// Saving what a read gave and reading that file gives the same tables; a name holding a double
// quote is refused, naming its page.
Status checkSavedAgain(const ProjectContent &read)
{
    const Expected<QByteArray> saved = savedBytes(read);
    for (int page = 0; page < kPageCount; ++page) {
        if (!read.pages[page].name.contains(QLatin1Char('"')))
            continue;
        if (saved)
            return broken(QStringLiteral("a name holding a double quote was saved"));
        if (!saved.failure().message.contains(QStringLiteral(" of page %1 ").arg(page)))
            return broken(QStringLiteral("a refused save does not name page %1: ").arg(page)
                          + saved.failure().text());
        return {};
    }
    if (!saved)
        return broken(QStringLiteral("a document that read cannot be saved: ") + saved.failure().text());
    const Expected<ProjectContent> again = readBytes(saved.value());
    if (!again)
        return broken(QStringLiteral("a saved document does not read: ") + again.failure().text());
    if (again.value() != read)
        return broken(QStringLiteral("saving and reading again changed ")
                      + firstDifference(again.value(), read));
    return {};
}

// Reads the text of a described file; whole is what it must read as, if it holds a whole document.
// What reads is saved and read again when saveAgain says so.
Status checkDescribedText(const QByteArray &text, const ProjectContent *whole, bool saveAgain)
{
    const Expected<ProjectContent> read = readBytes(text);
    if (!read) {
        const Failure &failure = read.failure();
        if (failure.message.isEmpty())
            return broken(QStringLiteral("a failed read gives no reason"));
        if (whole)
            return broken(QStringLiteral("a whole file does not read: ") + failure.text());
        if (failure.line < 1 || failure.line > lineCount(text))
            return broken(
                QStringLiteral("a failed read names line %1 of %2: ").arg(failure.line).arg(lineCount(text))
                + failure.message);
        return {};
    }
    if (whole && read.value() != *whole)
        return broken(QStringLiteral("the read differs from the file in ")
                      + firstDifference(read.value(), *whole));
    return saveAgain ? checkSavedAgain(read.value()) : Status();
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// The C library's reading of an ASCII text in the "C" locale, whatever locale the process runs in;
// nothing when it does not take the whole text.
std::optional<double> cValue(QStringView text)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    std::string chars;
    for (QChar c : text) {
        if (c.unicode() >= 0x80 || c.unicode() == 0)
            return std::nullopt;
        chars.push_back(char(c.unicode()));
    }
    if (chars.empty() || std::isspace(uchar(chars[0])))
        return std::nullopt;
    char *end = nullptr;
    const double v = strtod_l(chars.c_str(), &end, cLocale);
    if (end != chars.c_str() + chars.size())
        return std::nullopt;
    return v;
}

bool sameNumber(double a, double b)
{
    return a == b && std::signbit(a) == std::signbit(b);
}

} // namespace

Status checkProjectBytes(QByteArrayView bytes)
{
    Expected<ProjectContent> content = readBytes(bytes.toByteArray());
    if (!content) {
        if (content.failure().message.isEmpty())
            return broken(QStringLiteral("a failed read gives no reason"));
        return {};
    }
    const ProjectContent read = content.value();
    // One document for every input, so its cell stores are allocated once.
    static Document doc;
    EditorState state;
    openContent(doc, state, std::move(content.value()));
    if (Status s = checkRoundTrip(doc, read); !s)
        return s;
    keepExportSmall(doc);
    if (Status s = checkExport(doc); !s)
        return s;
    return checkRender(doc, state);
}

Status checkDescribedProject(QByteArrayView description, bool saveAgain)
{
    // The sheets and the text, megabytes each, keep their memory from input to input.
    static ProjectDescription described;
    static QByteArray text;
    static ProjectContent sound;
    readDescription(description, described);
    const bool whole = writeProjectText(described, text) == 0 && soundContent(described, sound);
    const Status status = checkDescribedText(text, whole ? &sound : nullptr, saveAgain);
    // libFuzzer takes a run that allocates more than it frees for a leak and runs the input again
    // to find it; the names this run made go with it.
    described.names.fill(QByteArray());
    for (PageSettings &page : sound.pages)
        page.name.clear();
    return status;
}

QByteArray projectAroundSettings(QByteArrayView input)
{
    static const QByteArray sheets = sheetBlock();
    const bool withMap = !input.isEmpty() && (input[0] & 1);
    QByteArray file = withMap ? QByteArray(" 1 \r\n") : QByteArray(" 0 \r\n");
    file.reserve(2 * sheets.size() + input.size() + 16);
    file.append(sheets);
    if (!input.isEmpty())
        file.append(input.sliced(1));
    if (withMap)
        file.append(sheets);
    file.append("\r\n");
    return file;
}

QString numberTextOf(QByteArrayView input)
{
    if (input.isEmpty())
        return QString();
    if ((input[0] & 1) == 0)
        return QString::fromUtf8(input.sliced(1));
    const QByteArrayView units = input.sliced(1);
    QString text(units.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = QChar(char16_t(uchar(units[2 * i]) | uchar(units[2 * i + 1]) << 8));
    return text;
}

Status checkNumberText(QStringView text)
{
    const double lead = leadingNumber(text);
    if (std::isnan(lead))
        return broken(QStringLiteral("leadingNumber gives NaN"));

    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    const QStringView trimmed = text.sliced(begin, end - begin);

    if (isNumber(text)) {
        const std::optional<double> value = cValue(trimmed);
        if (!value)
            return broken(QStringLiteral("isNumber takes text the C library does not read whole"));
        if (!sameNumber(lead, *value))
            return broken(QStringLiteral("leadingNumber is not the value of the whole number"));
        // Blanks around a number do not change it, and neither does what follows it.
        if (!isNumber(trimmed) || !sameNumber(leadingNumber(trimmed), lead))
            return broken(QStringLiteral("blanks around a number change it"));
        if (!sameNumber(leadingNumber(text.toString() + QStringLiteral("#x")), lead))
            return broken(QStringLiteral("text after a number changes it"));
    }

    // The leading number is the longest leading part that is a number on its own (short texts only:
    // this looks at every prefix).
    if (text.size() <= 256) {
        qsizetype longest = -1;
        for (qsizetype k = text.size(); k >= 1; --k) {
            if (isNumber(text.first(k))) {
                longest = k;
                break;
            }
        }
        if (longest < 0) {
            if (!sameNumber(lead, 0.0))
                return broken(QStringLiteral("a text without a leading number does not read as 0"));
        } else if (!sameNumber(lead, leadingNumber(text.first(longest)))) {
            return broken(QStringLiteral("leadingNumber is not the value of the longest leading number"));
        }
    }

    for (double v : {lead, -lead, lead / 7, lead + 0.5, lead - 0.5})
        if (Status s = checkToInt16(v); !s)
            return s;
    return {};
}

Status checkToInt16(double value)
{
    const std::optional<int16_t> n = toInt16(value);
    const bool fits = std::isfinite(value) && value >= -32768.5 && value < 32767.5;
    if (n.has_value() != fits)
        return broken(QStringLiteral("toInt16(%1) %2")
                          .arg(value, 0, 'g', 17)
                          .arg(fits ? QLatin1String("fails") : QLatin1String("fits")));
    if (!n)
        return {};
    const double distance = std::fabs(value - *n);
    if (distance > 0.5 || (distance == 0.5 && *n % 2 != 0))
        return broken(QStringLiteral("toInt16(%1) is %2").arg(value, 0, 'g', 17).arg(*n));
    return {};
}

Status fuzzProjectFile(QByteArrayView input)
{
    return checkProjectBytes(input);
}

Status fuzzProjectSettings(QByteArrayView input)
{
    return checkProjectBytes(projectAroundSettings(input));
}

Status fuzzProjectStructure(QByteArrayView input)
{
    return checkDescribedProject(input);
}

Status fuzzProjectStructureQuickly(QByteArrayView input)
{
    // Chosen by the input's bytes, so that a run of one input repeats the checks of the first.
    return checkDescribedProject(input, qHash(input, 0) % kSaveAgainShare == 0);
}

Status fuzzNumberText(QByteArrayView input)
{
    if (Status s = checkNumberText(numberTextOf(input)); !s)
        return s;
    // The input's first eight bytes as a double: NaN, infinities, subnormals and every rounding case.
    if (input.size() >= qsizetype(sizeof(double))) {
        double value;
        std::memcpy(&value, input.data(), sizeof value);
        return checkToInt16(value);
    }
    return {};
}

} // namespace vesk4
