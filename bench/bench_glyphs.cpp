#include "document/page_state.h"
#include "image/glyph_import.h"
#include "image/page_image.h"

#include <QFontDatabase>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

using namespace vesk4;

namespace {

// Glyphs need Qt's font engine; the benchmark program has no application of its own.
bool ensureGuiApplication()
{
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return true;
    if (QCoreApplication::instance())
        return false;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "vesk4-bench";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return true;
}

// The 95 printable ASCII characters at 12 pixels into 8 x 16 patterns of a "2色" page, as the
// command does it: the installed font loaded, every glyph drawn, planned and written. IPAGothic is
// the font the build scripts install.
void BM_GlyphsAscii(benchmark::State &state)
{
    if (!ensureGuiApplication() || !QFontDatabase::families().contains(QStringLiteral("IPAGothic"))) {
        state.SkipWithError("needs a QGuiApplication and the IPAGothic font");
        return;
    }
    Document doc;
    EditorState editor;
    startDocument(doc, editor);
    doc.pages[0].patternHeight = 16;
    const QString text = printableAscii();
    for (auto _ : state) {
        const Expected<GlyphFont> font = GlyphFont::load(QStringLiteral("IPAGothic"), 12);
        const Expected<GlyphImportPlan> plan = planGlyphImport(doc, 0, font.value(), text, 0);
        applyGlyphImport(doc, plan.value());
        benchmark::DoNotOptimize(doc.PixelData(0, 0, 0));
    }
}

// A 256 x 256 grey picture imported with Floyd-Steinberg: the whole picture is dithered, the
// 64 x 256 cells on the sheet written.
void BM_ImportDither(benchmark::State &state)
{
    Document doc;
    EditorState editor;
    startDocument(doc, editor);
    QImage picture(256, 256, QImage::Format_RGB32);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            picture.setPixel(x, y, qRgb(x, (x + y) / 2, y));
    for (auto _ : state) {
        const Expected<ImportPlan> plan
            = planImageImport(doc, 0, picture, {0, 0}, kDefaultImportThreshold, Dithering::FloydSteinberg);
        applyImport(doc, plan.value());
        benchmark::DoNotOptimize(doc.PixelData(0, 0, 0));
    }
}

} // namespace

BENCHMARK(BM_GlyphsAscii)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportDither)->Unit(benchmark::kMillisecond);
