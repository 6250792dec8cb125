#include "bench_document.h"

#include "document/page_state.h"
#include "files/file_stamp.h"
#include "files/project_file.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace vesk4;

namespace {

// A document with the map block and cells of every width, so the file has its full 17474 lines and
// the numbers are not all the one-digit fast case.
const Document &mapDocument()
{
    static const Document doc = [] {
        Document d;
        EditorState state;
        startDocument(d, state);
        d.FileVer = 1;
        for (int page = 0; page < kPageCount; ++page) {
            for (int y = 0; y < kSheetHeight; ++y) {
                for (int x = 0; x < kSheetWidth; ++x) {
                    d.PixelData(page, x, y) = int16_t((page + x + y) % 3);
                    d.MapData(page, x, y) = int16_t((page * 37 + x * 11 + y * 5) % 700 - 200);
                }
            }
        }
        return d;
    }();
    return doc;
}

void BM_SaveProject(benchmark::State &st)
{
    const Document &doc = mapDocument();
    // One buffer for all runs, so what is measured is the writer rather than the first touch of a
    // fresh buffer's memory; a real save hands the bytes to the file system instead.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    for (auto _ : st) {
        buffer.seek(0);
        if (!writeProject(doc, buffer))
            st.SkipWithError("write failed");
        benchmark::DoNotOptimize(buffer.data().size());
    }
}
BENCHMARK(BM_SaveProject)->Unit(benchmark::kMillisecond);

// Reads the file and puts it into an open document, as the editor's Open does.
void loadProject(benchmark::State &st, const Document &written)
{
    const QByteArray file = projectFileText(written).value();
    Document doc = written;
    for (auto _ : st) {
        QBuffer buffer;
        buffer.setData(file);
        buffer.open(QIODevice::ReadOnly);
        Expected<ProjectContent> content = readProject(buffer);
        if (!content) {
            st.SkipWithError("read failed");
            break;
        }
        applyProjectContent(doc, std::move(content.value()));
        benchmark::ClobberMemory();
    }
    st.SetBytesProcessed(st.iterations() * file.size());
}

// The largest project a user exports, without a map block.
void BM_LoadProject(benchmark::State &st)
{
    loadProject(st, fullProjectDocument());
}
BENCHMARK(BM_LoadProject)->Unit(benchmark::kMillisecond);

void BM_LoadProjectWithMap(benchmark::State &st)
{
    loadProject(st, mapDocument());
}
BENCHMARK(BM_LoadProjectWithMap)->Unit(benchmark::kMillisecond);

// The stamp the editor takes of its file after each open and save, and at each look after another
// program's change: the largest project's bytes read back (from the page cache) and hashed.
void BM_StampProjectFile(benchmark::State &st)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.egd"));
    if (!saveProject(mapDocument(), path)) {
        st.SkipWithError("save failed");
        return;
    }
    const FileStamp first = stampFile(path, kMaxProjectFileBytes + 1);
    for (auto _ : st) {
        const FileStamp stamp = stampFile(path, kMaxProjectFileBytes + 1);
        if (stamp != first)
            st.SkipWithError("stamp changed");
    }
    st.SetBytesProcessed(st.iterations() * first.size);
}
BENCHMARK(BM_StampProjectFile)->Unit(benchmark::kMillisecond);

} // namespace
