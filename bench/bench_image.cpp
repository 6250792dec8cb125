#include "document/page_state.h"
#include "image/page_image.h"

#include <QBuffer>

#include <benchmark/benchmark.h>

using namespace vesk4;

namespace {

QByteArray pngOf(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A whole 64 x 256 sheet read from PNG bytes, planned and applied to a "2色" page. The picture and
// its negative take turns, so every import changes every cell.
void BM_ImportImage(benchmark::State &state)
{
    Document doc;
    EditorState editor;
    startDocument(doc, editor);
    QImage picture(kSheetWidth, kSheetHeight, QImage::Format_RGB32);
    for (int y = 0; y < kSheetHeight; ++y)
        for (int x = 0; x < kSheetWidth; ++x)
            picture.setPixel(x, y, (x * 7 + y * 3) % 5 < 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    QImage negative = picture;
    negative.invertPixels();
    QByteArray pngs[2] = {pngOf(picture), pngOf(negative)};

    int turn = 0;
    for (auto _ : state) {
        QBuffer buffer(&pngs[turn]);
        buffer.open(QIODevice::ReadOnly);
        const Expected<QImage> image = readImportImage(buffer);
        const Expected<ImportPlan> plan = planImageImport(doc, 0, image.value(), {0, 0});
        applyImport(doc, plan.value());
        benchmark::DoNotOptimize(doc.PixelData(0, 0, 0));
        turn = 1 - turn;
    }
}

} // namespace

BENCHMARK(BM_ImportImage)->Unit(benchmark::kMillisecond);
