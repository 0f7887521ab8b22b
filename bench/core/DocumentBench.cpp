#include "cipher/RC4.h"
#include "document/format/DocumentReader.h"
#include "document/format/DocumentWriter.h"
#include "framework/core/FolderItem.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <vector>

namespace {

// A full table: 10001 entries, every field 255 characters (accented ones among them).
const std::vector<EntryRow>& fullTable() {
    static const std::vector<EntryRow> rows = [] {
        std::vector<EntryRow> r(10001);
        for (size_t i = 0; i < r.size(); ++i)
            for (QString& cell : r[i])
                cell = (QString::number(i) + QString::fromUtf8("caf\xC3\xA9 * tab\t") + QString(255, QChar(u'x')))
                           .left(255);
        return r;
    }();
    return rows;
}

const QString kPassword = QStringLiteral("benchmark password");
const WindowPlacement kPlacement{40, 60, 639, 376};

void BM_WriteDocumentInMemory(benchmark::State& state) {
    for (auto _ : state) {
        RC4 cipher;
        QByteArray out;
        if (!DocumentWriter::WriteBytes(&out, cipher, kPassword, fullTable(), -1, kPlacement).ok())
            state.SkipWithError("write failed");
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_WriteDocumentInMemory)->Unit(benchmark::kMillisecond);

void BM_ReadDocumentInMemory(benchmark::State& state) {
    RC4 wcipher;
    QByteArray doc;
    DocumentWriter::WriteBytes(&doc, wcipher, kPassword, fullTable(), -1, kPlacement);
    for (auto _ : state) {
        RC4 cipher;
        const DocumentReadResult r = DocumentReader::ReadBytes(doc, cipher, kPassword);
        if (r.rows.size() != fullTable().size())
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(r.rows.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * doc.size());
}
BENCHMARK(BM_ReadDocumentInMemory)->Unit(benchmark::kMillisecond);

void BM_WriteDocumentFile(benchmark::State& state) {
    QTemporaryDir dir;
    const FolderItem file(dir.filePath("bench.brimel"));
    for (auto _ : state) {
        RC4 cipher;
        if (!DocumentWriter::WriteFile(file, cipher, kPassword, fullTable(), -1, kPlacement).ok())
            state.SkipWithError("write failed");
    }
}
BENCHMARK(BM_WriteDocumentFile)->Unit(benchmark::kMillisecond);

void BM_ReadDocumentFile(benchmark::State& state) {
    QTemporaryDir dir;
    const FolderItem file(dir.filePath("bench.brimel"));
    RC4 wcipher;
    DocumentWriter::WriteFile(file, wcipher, kPassword, fullTable(), -1, kPlacement);
    for (auto _ : state) {
        RC4 cipher;
        const DocumentReadResult r = DocumentReader::ReadFile(file, cipher, kPassword);
        if (r.rows.size() != fullTable().size())
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(r.rows.data());
    }
}
BENCHMARK(BM_ReadDocumentFile)->Unit(benchmark::kMillisecond);

}  // namespace
