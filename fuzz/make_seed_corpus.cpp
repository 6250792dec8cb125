// Makes the fuzz targets' starting corpora from the test data: every project file among the golden
// files (unpacked from their qCompress form), its settings block for the settings target and its
// description for the structure target, a handful of number texts, described files in every layout
// and with every kind of damage, and the inputs under fuzz-regressions/<target>/. Run by scripts/fuzz;
// the corpora live in the build folder and are never committed.
#include "document/page_state.h"
#include "files/project_file.h"
#include "fuzz/fuzz_checks.h"
#include "fuzz/project_description.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>

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
    for (const QString &folder : {projects, settings, numbers, structures}) {
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
    };
    addProject(QStringLiteral("varied.egd"), variedProject());
    for (const auto &[name, seed] : describedSeeds())
        ok = put(structures, name, seed) && ok;

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
