// Decoding speed against giflib: every frame of each corpus file that giflib reads, from
// memory, to one index per pixel (giflib: DGifSlurp); the whole corpus and file by file.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <string>

#include "bench_corpus.h"
#include "byte_source.h"
#include "frame_loader.h"

namespace framix32::bench {
namespace {

template <long (*Decode)(const std::vector<uint8_t>&)>
void BM_DecodeCorpus(benchmark::State& state) {
  long pixels = 0;
  for (auto _ : state) {
    for (const CorpusFile& file : ValidCorpus()) pixels += Decode(file.bytes);
  }
  state.counters["Mpixel/s"] = benchmark::Counter(double(pixels) / 1e6, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DecodeCorpus<GiflibSlurp>)->Name("DecodeCorpus/giflib")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeCorpus<FrameReaderDecode>)->Name("DecodeCorpus/framix32")->Unit(benchmark::kMillisecond);

void BM_DecodeFile(benchmark::State& state, const CorpusFile* file, bool ours) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(ours ? FrameReaderDecode(file->bytes) : GiflibSlurp(file->bytes));
  }
  state.counters["pixels"] = double(file->pixels);
}

}  // namespace

// One pair per corpus file of 10,000 pixels or more.
void RegisterFileDecodeBenchmarks() {
  for (const CorpusFile& file : ValidCorpus()) {
    if (file.pixels < 10000) continue;
    benchmark::RegisterBenchmark(("File/giflib/" + file.name).c_str(), BM_DecodeFile, &file, false);
    benchmark::RegisterBenchmark(("File/framix32/" + file.name).c_str(), BM_DecodeFile, &file, true);
  }
}

void RegisterEncodeBenchmarks();
void RegisterInterfaceBenchmarks();
void RegisterPlaybackBenchmarks();

}  // namespace framix32::bench

int main(int argc, char** argv) {
  // Fixed thresholds stop glibc from moving them as large buffers come and go, which made a
  // case's figures hang on what ran before it: buffers up to 32 MiB come from the heap, which
  // keeps what is freed, so that after the warm-up no case waits for fresh pages.
  mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
  mallopt(M_TRIM_THRESHOLD, 1024 * 1024 * 1024);
  framix32::bench::RegisterFileDecodeBenchmarks();
  framix32::bench::RegisterEncodeBenchmarks();
  framix32::bench::RegisterInterfaceBenchmarks();
  framix32::bench::RegisterPlaybackBenchmarks();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
