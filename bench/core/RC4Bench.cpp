#include "cipher/RC4.h"

#include <benchmark/benchmark.h>

namespace {

// Throughput of crypt on texts of the given size (255: one document record).
void BM_RC4Crypt(benchmark::State& state) {
    const QByteArray text(static_cast<int>(state.range(0)), 'a');
    RC4 rc4("benchmark password");
    for (auto _ : state)
        benchmark::DoNotOptimize(rc4.crypt(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_RC4Crypt)->Arg(16)->Arg(255)->Arg(1 << 16);

// As a document's records are read and written: each into one buffer used again.
void BM_RC4CryptInto(benchmark::State& state) {
    const QByteArray text(static_cast<int>(state.range(0)), 'a');
    RC4 rc4("benchmark password");
    QByteArray out;
    for (auto _ : state) {
        rc4.crypt(text, &out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_RC4CryptInto)->Arg(255);

void BM_RC4Init(benchmark::State& state) {
    RC4 rc4;
    for (auto _ : state) {
        rc4.init("benchmark password");
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RC4Init);

}  // namespace
