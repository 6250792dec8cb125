#include "bench_document.h"

#include "export/c_header_export.h"
#include "export/include_export.h"
#include "export/include_where.h"

#include <benchmark/benchmark.h>

using namespace vesk4;

namespace {

Document fullProject()
{
    Document doc;
    EditorState state;
    startFullProjectDocument(doc, state);
    return doc;
}

// The place of one cell as the status bar asks for it on every pointer move: on the last exported
// page, whose offset adds up the blocks of all 30 pages before it.
void BM_WhereCell(benchmark::State &bench)
{
    const Document doc = fullProject();
    int step = 0;
    for (auto _ : bench) {
        const Expected<CellWhere> where = whereCell(doc, kLastCharacterPage, step % 64, step / 64 % 192);
        benchmark::DoNotOptimize(where.ok());
        ++step;
    }
}

// The C header of the full project, and its include file for comparison.
void BM_ExportC(benchmark::State &bench)
{
    const Document doc = fullProject();
    qsizetype size = 0;
    for (auto _ : bench) {
        const Expected<QByteArray> bytes = cHeaderBytes(doc, QStringLiteral("chr_data.h"));
        size = bytes.value().size();
        benchmark::DoNotOptimize(size);
    }
    bench.SetBytesProcessed(int64_t(bench.iterations()) * size);
}

void BM_ExportFullProject(benchmark::State &bench)
{
    const Document doc = fullProject();
    qsizetype size = 0;
    for (auto _ : bench) {
        const Expected<QByteArray> bytes = includeFileBytes(doc);
        size = bytes.value().size();
        benchmark::DoNotOptimize(size);
    }
    bench.SetBytesProcessed(int64_t(bench.iterations()) * size);
}

} // namespace

BENCHMARK(BM_WhereCell);
BENCHMARK(BM_ExportC)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportFullProject)->Unit(benchmark::kMillisecond);
