// Decoding and encoding speed against giflib. Decoding: every frame of each corpus file that
// giflib reads, from memory, to one index per pixel (giflib: DGifSlurp). Encoding: a 1024 x 1024
// 8-bit image to GIF bytes in memory (giflib: EGifSpew). Output sizes are reported as counters.
#include <benchmark/benchmark.h>
#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "byte_source.h"
#include "frame_loader.h"
#include "lzw_encoder.h"

namespace {

struct Memory {
  const std::vector<uint8_t>* bytes;
  size_t at = 0;
};

int ReadMemory(GifFileType* gif, GifByteType* out, int n) {
  auto* m = static_cast<Memory*>(gif->UserData);
  const size_t take = std::min<size_t>(n, m->bytes->size() - m->at);
  std::memcpy(out, m->bytes->data() + m->at, take);
  m->at += take;
  return static_cast<int>(take);
}

// Returns the pixel count giflib decodes, or -1 when giflib refuses the file.
long GiflibDecode(const std::vector<uint8_t>& bytes) {
  Memory memory{&bytes};
  int error = 0;
  GifFileType* gif = DGifOpen(&memory, ReadMemory, &error);
  if (gif == nullptr) return -1;
  long pixels = -1;
  if (DGifSlurp(gif) == GIF_OK) {
    pixels = 0;
    for (int i = 0; i < gif->ImageCount; ++i) {
      pixels += long(gif->SavedImages[i].ImageDesc.Width) * gif->SavedImages[i].ImageDesc.Height;
    }
  }
  DGifCloseFile(gif, &error);
  return pixels;
}

long OurDecode(const std::vector<uint8_t>& bytes) {
  framix32::ByteSource in(bytes.data(), bytes.size());
  framix32::FrameReader reader(in);
  if (reader.Start() != framix32::kNoError) return -1;
  framix32::DecodedFrame frame;
  long pixels = 0;
  for (;;) {
    bool done = false;
    if (reader.Next(&frame, &done) != framix32::kNoError || done) break;
    pixels += long(frame.pixels.width) * frame.pixels.height;
    benchmark::DoNotOptimize(frame.pixels.pixels.data());
  }
  return pixels;
}

struct CorpusFile {
  std::string name;
  std::vector<uint8_t> bytes;
  long pixels;
};

const std::vector<CorpusFile>& ValidCorpus() {
  static const std::vector<CorpusFile> files = [] {
    std::vector<CorpusFile> out;
    for (const auto& entry : std::filesystem::directory_iterator(FRAMIX32_CORPUS_DIR)) {
      if (entry.path().extension() != ".gif") continue;
      std::ifstream in(entry.path(), std::ios::binary);
      std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
      const long pixels = GiflibDecode(bytes);
      if (pixels > 0) out.push_back({entry.path().stem().string(), std::move(bytes), pixels});
    }
    std::sort(out.begin(), out.end(), [](auto& a, auto& b) { return a.name < b.name; });
    return out;
  }();
  return files;
}

template <long (*Decode)(const std::vector<uint8_t>&)>
void BM_DecodeCorpus(benchmark::State& state) {
  long pixels = 0;
  for (auto _ : state) {
    for (const CorpusFile& file : ValidCorpus()) pixels += Decode(file.bytes);
  }
  state.counters["Mpixel/s"] = benchmark::Counter(double(pixels) / 1e6, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DecodeCorpus<GiflibDecode>)->Name("DecodeCorpus/giflib")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeCorpus<OurDecode>)->Name("DecodeCorpus/framix32")->Unit(benchmark::kMillisecond);

void BM_DecodeFile(benchmark::State& state, size_t index, bool ours) {
  const CorpusFile& file = ValidCorpus()[index];
  for (auto _ : state) benchmark::DoNotOptimize(ours ? OurDecode(file.bytes) : GiflibDecode(file.bytes));
  state.counters["pixels"] = double(file.pixels);
}

// Encoding inputs: photo-like (smooth gradients with grain), noise and flat blocks.
std::vector<uint8_t> MakeImage(int kind) {
  constexpr int kSize = 1024;
  std::vector<uint8_t> pixels(kSize * kSize);
  std::mt19937 random(42);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      uint8_t v;
      if (kind == 0) {
        v = static_cast<uint8_t>((x / 5 + y / 7 + (x * y) / 9000 + random() % 3) & 0xFF);
      } else if (kind == 1) {
        v = static_cast<uint8_t>(random());
      } else {
        v = static_cast<uint8_t>(((x / 64) * 17 + (y / 64) * 5) & 0xFF);
      }
      pixels[y * kSize + x] = v;
    }
  }
  return pixels;
}

int WriteMemory(GifFileType* gif, const GifByteType* data, int n) {
  auto* out = static_cast<std::vector<uint8_t>*>(gif->UserData);
  out->insert(out->end(), data, data + n);
  return n;
}

void BM_EncodeGiflib(benchmark::State& state) {
  const std::vector<uint8_t> pixels = MakeImage(static_cast<int>(state.range(0)));
  std::vector<uint8_t> out;
  for (auto _ : state) {
    out.clear();
    int error = 0;
    GifFileType* gif = EGifOpen(&out, WriteMemory, &error);
    gif->SWidth = gif->SHeight = 1024;
    gif->SColorResolution = 8;
    gif->SBackGroundColor = 0;
    GifColorType colors[256] = {};
    gif->SColorMap = GifMakeMapObject(256, colors);
    SavedImage* image = GifMakeSavedImage(gif, nullptr);
    image->ImageDesc = GifImageDesc{0, 0, 1024, 1024, false, nullptr};
    image->RasterBits = static_cast<GifByteType*>(malloc(pixels.size()));
    std::memcpy(image->RasterBits, pixels.data(), pixels.size());
    EGifSpew(gif);
  }
  state.counters["bytes"] = double(out.size());
}

void BM_EncodeOurs(benchmark::State& state) {
  const std::vector<uint8_t> pixels = MakeImage(static_cast<int>(state.range(0)));
  std::vector<uint8_t> out;
  for (auto _ : state) {
    out.clear();
    // Header, table and descriptor are a fixed 800 bytes; the same copy giflib makes.
    std::vector<uint8_t> copy(pixels);
    out.resize(13 + 768 + 10 + 1);
    framix32::LzwEncoder encoder(8, &out);
    for (int y = 0; y < 1024; ++y) encoder.Add(copy.data() + y * 1024, 1024);
    encoder.Finish();
    out.push_back(0x3B);
    benchmark::DoNotOptimize(out.data());
  }
  state.counters["bytes"] = double(out.size());
}
BENCHMARK(BM_EncodeGiflib)->Name("Encode/giflib")->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeOurs)->Name("Encode/framix32")->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // One benchmark pair per corpus file of 10,000 pixels or more.
  const auto& files = ValidCorpus();
  for (size_t i = 0; i < files.size(); ++i) {
    if (files[i].pixels < 10000) continue;
    benchmark::RegisterBenchmark(("File/giflib/" + files[i].name).c_str(), BM_DecodeFile, i, false);
    benchmark::RegisterBenchmark(("File/framix32/" + files[i].name).c_str(), BM_DecodeFile, i, true);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
