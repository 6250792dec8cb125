#include "document/page_state.h"
#include "export/include_export.h"
#include "export/include_reader.h"

#include <benchmark/benchmark.h>

using namespace vesk4;

namespace {

// Every character page flagged, in "2色Ex" with 99 patterns of 8 x 8 cells: the largest export the
// settings panel allows at the default size. The cells cycle through 0, 1 and 2 so the items vary.
Document largestTwoColourExDocument()
{
    Document doc;
    EditorState editor;
    startDocument(doc, editor);
    for (int page = 0; page <= kLastCharacterPage; ++page) {
        doc.pages[page].outputFlag = 1;
        doc.pages[page].colourMode = kMode2Ex;
        doc.pages[page].patternWidth = 8;
        doc.pages[page].patternHeight = 8;
        doc.pages[page].patternCount = 99;
        for (int y = 0; y < kSheetHeight; ++y)
            for (int x = 0; x < kSheetWidth; ++x)
                doc.PixelData(page, x, y) = int16_t((x * 7 + y * 3 + page) % 3);
    }
    return doc;
}

void BM_Export(benchmark::State &state)
{
    const Document doc = largestTwoColourExDocument();
    qsizetype size = 0;
    for (auto _ : state) {
        const Expected<QByteArray> bytes = includeFileBytes(doc);
        size = bytes.value().size();
        benchmark::DoNotOptimize(size);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * size);
}

// The same file read back into a document.
void BM_ReadInclude(benchmark::State &state)
{
    const QByteArray bytes = includeFileBytes(largestTwoColourExDocument()).value();
    for (auto _ : state) {
        Expected<IncludeReadResult> read = readInclude(bytes);
        benchmark::DoNotOptimize(read.ok());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}

} // namespace

BENCHMARK(BM_Export)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadInclude)->Unit(benchmark::kMillisecond);
