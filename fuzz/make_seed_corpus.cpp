// Makes the fuzz targets' starting corpora from the test data: every project file among the golden
// files (unpacked from their qCompress form), its settings block for the settings target and its
// description for the structure target, a handful of number texts, described files in every layout
// and with every kind of damage, and the inputs under fuzz-regressions/<target>/. Run by scripts/fuzz;
// the corpora live in the build folder and are never committed.
#include "document/page_state.h"
#include "export/include_export.h"
#include "files/project_file.h"
#include "fuzz/fuzz_checks.h"
#include "fuzz/project_description.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>

#include <cstdio>
#include <utility>
#include <vector>

using namespace vesk4;

namespace {

bool put(const QString &folder, const QString &name, const QByteArray &bytes)
{
    QFile file(QDir(folder).filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    return true;
}

// The settings target's form of a project file: '1' (odd) when it carries a map, '0' otherwise, then
// the lines after the pixel block up to the end of the settings block.
QByteArray settingsSeed(const QByteArray &project)
{
    qsizetype at = 0;
    const int skip = 1 + kPageCount * kSheetHeight;
    for (int line = 0; line < skip && at >= 0; ++line)
        at = project.indexOf('\n', at) + 1;
    if (at <= 0)
        return QByteArray();
    qsizetype end = at;
    for (int line = 0; line < kPageCount * 34 && end > 0; ++line)
        end = project.indexOf('\n', end) + 1;
    if (end <= 0)
        end = project.size();
    const char kind = project.startsWith(" 1 ") ? '1' : '0';
    return kind + project.sliced(at, end - at);
}

// A document with one flagged page in each colour mode, patterns of several sizes and cells that
// each mode encodes differently, so the export has work from the first run on.
QByteArray variedProject()
{
    Document doc;
    EditorState state;
    startDocument(doc, state);
    const int sizes[][2] = {{8, 8}, {20, 16}, {16, 20}, {8, 8}, {24, 8}};
    for (int page = 0; page < 5; ++page) {
        doc.pages[page].colourMode = int16_t(page);
        doc.pages[page].outputFlag = 1;
        doc.pages[page].patternWidth = int16_t(sizes[page][0]);
        doc.pages[page].patternHeight = int16_t(sizes[page][1]);
        doc.pages[page].patternCount = int16_t(3 + page);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 64; ++x)
                doc.PixelData(page, x, y) = int16_t((x * 7 + y * 3 + page) % 5);
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!writeProject(doc, buffer))
        return QByteArray();
    return buffer.data();
}

// The structure target's seeds are kept short, as the fuzzer's own inputs are.
constexpr qsizetype kDescriptionLimit = 2048;

// The description of a project file read whole; empty when the file does not read.
QByteArray descriptionSeed(const QByteArray &project)
{
    QBuffer buffer;
    buffer.setData(project);
    buffer.open(QIODevice::ReadOnly);
    const Expected<ProjectContent> content = readProject(buffer);
    if (!content)
        return QByteArray();
    return descriptionBytes(describedContent(content.value()), kDescriptionLimit);
}

// Descriptions of a small document in every layout, and with each kind of damage in each part of
// the file.
std::vector<std::pair<QString, QByteArray>> describedSeeds()
{
    ProjectDescription d;
    readDescription(QByteArray(), d);
    d.names[3] = "\x83\x8f\x81\x5b\x83\x8b\x83\x68"; // a name in code page 932
    d.content.pages[3].colourMode = 1;
    d.content.pages[3].outputFlag = 1;
    d.content.pages[3].patternCount = 100;
    for (int i = 0; i < 300; ++i) {
        d.content.pixels[std::size_t(3 * kPageCells + i)] = int16_t(i % 17 - 1);
        d.content.map[std::size_t(31 * kPageCells + i)] = int16_t(-32768 + 127 * i);
    }
    std::vector<std::pair<QString, QByteArray>> seeds;
    for (bool withMap : {false, true}) {
        d.content.FileVer = int16_t(withMap);
        d.mapBlock = withMap;
        for (LineEnd lineEnd : {LineEnd::CrLf, LineEnd::Lf, LineEnd::Cr}) {
            for (NumberForm form : {NumberForm::Writer, NumberForm::Comma, NumberForm::Blank}) {
                d.lineEnd = lineEnd;
                d.form = form;
                seeds.emplace_back(
                    QStringLiteral("layout_%1_%2_%3").arg(int(withMap)).arg(int(lineEnd)).arg(int(form)),
                    descriptionBytes(d, kDescriptionLimit));
            }
        }
    }
    d.lineEnd = LineEnd::CrLf;
    d.form = NumberForm::Writer;
    const int64_t fields[] = {0,
                              kFirstPixelField + 3 * kPageCells + 5,
                              kFirstSettingsField + 3 * kSettingsFields,
                              kFirstSettingsField + 3 * kSettingsFields + 1,
                              kFirstSettingsField + 31 * kSettingsFields + 33,
                              kFinalLineField - 1,
                              kFinalLineField};
    for (int action = 0; action < kDamageActions; ++action) {
        for (int64_t field : fields) {
            d.damages = {{field, DamageAction(action), uint8_t(action * 3 + 1)}};
            seeds.emplace_back(QStringLiteral("damage_%1_%2").arg(action).arg(field),
                               descriptionBytes(d, kDescriptionLimit));
        }
    }
    return seeds;
}

// The include file the export writes for a project file's document; empty when it does not export.
QByteArray includeSeed(const QByteArray &project)
{
    QBuffer buffer;
    buffer.setData(project);
    buffer.open(QIODevice::ReadOnly);
    Expected<ProjectContent> content = readProject(buffer);
    if (!content)
        return QByteArray();
    const Expected<QByteArray> bytes = includeFileBytes(storedDocument(std::move(content.value())));
    return bytes ? bytes.value() : QByteArray();
}

// A small picture with greys, colours and transparency, so every import rule has pixels to decide.
QImage seedImage(int width, int height, QImage::Format format)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y,
                           qRgba(x * 255 / width, y * 255 / height, (x ^ y) * 37 % 256, (x + y) % 3 * 120));
    return image.convertToFormat(format);
}

// Tiny images in every format Qt writes here, and a GIF by hand (Qt reads GIF but writes none), each
// behind the import target's four bytes of settings.
std::vector<std::pair<QString, QByteArray>> imageSeeds()
{
    std::vector<std::pair<QString, QByteArray>> files;
    const struct {
        const char *format;
        QImage::Format pixels;
    } kinds[] = {
        {"png", QImage::Format_ARGB32},     {"png", QImage::Format_Indexed8}, {"png", QImage::Format_Mono},
        {"bmp", QImage::Format_RGB32},      {"bmp", QImage::Format_Indexed8}, {"ppm", QImage::Format_RGB32},
        {"pgm", QImage::Format_Grayscale8}, {"pbm", QImage::Format_Mono},     {"xpm", QImage::Format_ARGB32},
        {"xbm", QImage::Format_Mono},       {"jpg", QImage::Format_RGB32},    {"ico", QImage::Format_ARGB32}};
    int n = 0;
    for (const auto &kind : kinds) {
        for (const QSize size : {QSize(3, 2), QSize(17, 9)}) {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            if (seedImage(size.width(), size.height(), kind.pixels).save(&buffer, kind.format))
                files.emplace_back(QStringLiteral("%1_%2").arg(QLatin1String(kind.format)).arg(n++),
                                   buffer.data());
        }
    }
    // A 1 x 1 GIF of two colours, the first transparent.
    files.emplace_back(QStringLiteral("gif"),
                       QByteArray::fromHex("47494638396101000100800000000000ffffff21f90401000000002c00000000"
                                           "010001000002024401003b"));
    std::vector<std::pair<QString, QByteArray>> seeds;
    // Settings: a "2色" page at the sheet's corner, a "2色Ex" page with Floyd-Steinberg at the
    // threshold 100, a "16色" page partly off the left and the bottom edge.
    const QByteArray settings[]
        = {QByteArray::fromHex("03800000"), QByteArray::fromHex("1c640505"), QByteArray::fromHex("0180fe54")};
    for (const auto &[name, bytes] : files)
        for (int k = 0; k < 3; ++k)
            seeds.emplace_back(QStringLiteral("%1_%2").arg(name).arg(k), settings[k] + bytes);
    return seeds;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: vesk4-fuzz-seeds TEST_DATA_DIR CORPUS_DIR\n");
        return 2;
    }
    // Absolute, so the files' paths relative to it hold no "..".
    const QDir data(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
    const QString root = QString::fromLocal8Bit(argv[2]);
    const QString projects = root + QStringLiteral("/project_file");
    const QString settings = root + QStringLiteral("/project_settings");
    const QString numbers = root + QStringLiteral("/number_text");
    const QString structures = root + QStringLiteral("/project_structure");
    const QString includes = root + QStringLiteral("/include_file");
    const QString images = root + QStringLiteral("/image_import");
    for (const QString &folder : {projects, settings, numbers, structures, includes, images}) {
        if (!QDir().mkpath(folder)) {
            std::fprintf(stderr, "cannot make %s\n", qPrintable(folder));
            return 1;
        }
    }

    bool ok = true;
    auto addProject = [&](const QString &name, const QByteArray &bytes) {
        ok = put(projects, name, bytes) && ok;
        if (const QByteArray seed = settingsSeed(bytes); !seed.isEmpty())
            ok = put(settings, name, seed) && ok;
        if (const QByteArray seed = descriptionSeed(bytes); !seed.isEmpty())
            ok = put(structures, name, seed) && ok;
        // The include target takes inputs up to 128 KiB; a full project's include file is tens of
        // megabytes.
        if (const QByteArray seed = includeSeed(bytes); !seed.isEmpty() && seed.size() <= 128 * 1024)
            ok = put(includes, name + QStringLiteral(".inc"), '\x01' + seed) && ok;
    };
    addProject(QStringLiteral("varied.egd"), variedProject());
    for (const auto &[name, seed] : describedSeeds())
        ok = put(structures, name, seed) && ok;
    for (const auto &[name, seed] : imageSeeds())
        ok = put(images, name, seed) && ok;
    // Described documents for the include target (checkDescribedInclude): one to seven pages of
    // every mode, with and without palette rows and a map, some with damaged lines.
    for (int k = 0; k < 16; ++k) {
        QByteArray description(1, '\0');
        const int pages = 1 + k % 7;
        description += char(pages | (k & 1) << 3 | (k & 2) << 3 | (k & 4) << 3 | (k / 8) << 6);
        for (int page = 0; page < pages; ++page)
            description += QByteArray()
                               .append(char(page + k))
                               .append(char(k * 3 + page))
                               .append(char(k + 2 * page))
                               .append(char(1 + k % 5));
        description += QByteArray(20, char(17 * k + 5));
        ok = put(includes, QStringLiteral("described_%1").arg(k), description) && ok;
    }

    QDirIterator files(data.path(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString relative = data.relativeFilePath(path);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
            return 1;
        }
        const QByteArray bytes = file.readAll();
        const QString name = QString(relative).replace(QLatin1Char('/'), QLatin1Char('_'));
        if (relative.startsWith(QLatin1String("fuzz-regressions/"))) {
            // fuzz-regressions/<target>/<input>
            const QString target = relative.section(QLatin1Char('/'), 1, 1);
            ok = put(root + QLatin1Char('/') + target, relative.section(QLatin1Char('/'), 2), bytes) && ok;
        } else if (relative.endsWith(QLatin1String(".z"))) {
            addProject(name.chopped(2), qUncompress(bytes));
        } else if (relative.endsWith(QLatin1String(".inc"))) {
            ok = put(includes, name, '\x01' + bytes) && ok;
        } else {
            ok = put(projects, name, bytes) && ok;
        }
    }

    const char *texts[]
        = {"8",   " 12",   "0",        "99",      "100",    "-3", "2.5", "3.5", " 1e2 ", "12abc",
           "abc", "1e999", "-32768.5", "32767.5", "0.5e-3", ".5", "5.",  "+7",  "1 2",   "\t4\t"};
    int n = 0;
    for (const char *text : texts)
        ok = put(numbers, QStringLiteral("text%1").arg(n++), QByteArray("0") + text) && ok;
    return ok ? 0 : 1;
}
