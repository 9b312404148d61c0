// Encoding speed and output size against giflib (EGifSpew), in memory and through files:
// 1024 x 1024 synthetic 8-bit images, and photographs from the corpus (decoded, then encoded
// again with their own colour table). The Speed cases run both encoders in memory in turn.
#include <benchmark/benchmark.h>

#include <cstring>
#include <ctime>
#include <random>
#include <string>
#include <unistd.h>

#include "bench_corpus.h"
#include "byte_source.h"
#include "dib.h"
#include "frame_loader.h"
#include "framix32.h"
#include "lzw_encoder.h"
#include "timed_turns.h"

namespace framix32::bench {
namespace {

struct EncodeInput {
  std::string name;
  int width = 0, height = 0;
  std::vector<uint8_t> indices;  // top-down
  GifColorType colors[256] = {};
};

// Synthetic inputs: smooth gradients with grain, noise, flat blocks.
EncodeInput MakeSynthetic(int kind) {
  static const char* const kNames[] = {"gradient", "noise", "blocks"};
  EncodeInput input;
  input.name = kNames[kind];
  input.width = input.height = 1024;
  input.indices.resize(1024 * 1024);
  std::mt19937 random(42);
  for (int y = 0; y < 1024; ++y) {
    for (int x = 0; x < 1024; ++x) {
      uint8_t v;
      if (kind == 0) {
        v = static_cast<uint8_t>((x / 5 + y / 7 + (x * y) / 9000 + random() % 3) & 0xFF);
      } else if (kind == 1) {
        v = static_cast<uint8_t>(random());
      } else {
        v = static_cast<uint8_t>(((x / 64) * 17 + (y / 64) * 5) & 0xFF);
      }
      input.indices[y * 1024 + x] = v;
    }
  }
  return input;
}

// The first frame of a corpus photograph, cut to at most max_side x max_side from the top left.
EncodeInput FromCorpus(const std::string& name, int max_side) {
  EncodeInput input;
  const CorpusFile* file = FindCorpusFile(name);
  if (file == nullptr) return input;
  ByteSource in(file->bytes.data(), file->bytes.size());
  FrameReader reader(in);
  DecodedFrame frame;
  bool done = false;
  if (reader.Start() != kNoError || reader.Next(&frame, &done) != kNoError || done) return input;
  input.width = std::min(frame.pixels.width, max_side);
  input.height = std::min(frame.pixels.height, max_side);
  input.name = name + "/" + std::to_string(input.width) + "x" + std::to_string(input.height);
  for (int y = 0; y < input.height; ++y) {
    input.indices.insert(input.indices.end(), frame.pixels.row(y), frame.pixels.row(y) + input.width);
  }
  for (int i = 0; i < 256; ++i) {
    input.colors[i] = {frame.colors.rgb[i * 3], frame.colors.rgb[i * 3 + 1], frame.colors.rgb[i * 3 + 2]};
  }
  return input;
}

void BM_EncodeGiflib(benchmark::State& state, const EncodeInput* input) {
  std::vector<uint8_t> out;
  for (auto _ : state) {
    out.clear();
    GiflibEncode(input->indices, input->width, input->height, 8, input->colors, &out);
  }
  state.counters["bytes"] = double(out.size());
}

void EncodeOurs(const EncodeInput& input, std::vector<uint8_t>* out) {
  out->clear();
  // Header, table and descriptor are a fixed 792 bytes; the same copy of the pixels that
  // giflib makes.
  std::vector<uint8_t> copy(input.indices);
  out->resize(13 + 768 + 10 + 1);
  LzwEncoder encoder(8, out, copy.size());
  for (int y = 0; y < input.height; ++y) {
    encoder.Add(copy.data() + size_t(y) * input.width, input.width);
  }
  encoder.Finish();
  out->push_back(0x3B);
  benchmark::DoNotOptimize(out->data());
}

void BM_EncodeOurs(benchmark::State& state, const EncodeInput* input) {
  std::vector<uint8_t> out;
  for (auto _ : state) EncodeOurs(*input, &out);
  state.counters["bytes"] = double(out.size());
}

// Both encoders in turn, each timed on the thread's CPU clock: "speed" is giflib's time over
// ours, "size" our file's bytes over giflib's.
void BM_EncodeSpeed(benchmark::State& state, const EncodeInput* input) {
  std::vector<uint8_t> ours, theirs;
  const TurnSeconds seconds = TimeInTurns(
      state, [&] { EncodeOurs(*input, &ours); },
      [&] {
        theirs.clear();
        GiflibEncode(input->indices, input->width, input->height, 8, input->colors, &theirs);
      });
  const double our_seconds = seconds.first, their_seconds = seconds.second;
  state.counters["speed"] = our_seconds > 0 ? their_seconds / our_seconds : 0;
  state.counters["size"] = theirs.empty() ? 0 : double(ours.size()) / double(theirs.size());
}

std::string ScratchPath(const char* who) {
  return "/tmp/framix32_bench_" + std::to_string(getpid()) + "_" + who + ".gif";
}

void BM_WriteGiflib(benchmark::State& state, const EncodeInput* input) {
  const std::string path = ScratchPath("giflib");
  for (auto _ : state) {
    GiflibEncodeFile(input->indices, input->width, input->height, 8, input->colors, path.c_str());
  }
  std::remove(path.c_str());
}

// WriteGraphicFile from an 8-bit packed bitmap of the image.
void BM_WriteOurs(benchmark::State& state, const EncodeInput* input) {
  const size_t row_bytes = RowBytes(8, input->width);
  HGLOBAL block = dzGlobalAlloc(kInfoHeaderSize + 1024 + row_bytes * input->height);
  auto* bytes = static_cast<uint8_t*>(dzGlobalLock(block));
  DibHeader h;
  h.width = input->width;
  h.height = input->height;
  h.bit_count = 8;
  h.clr_used = h.clr_important = 256;
  StoreHeader(h, bytes);
  for (int i = 0; i < 256; ++i) {
    bytes[kInfoHeaderSize + i * 4] = input->colors[i].Blue;
    bytes[kInfoHeaderSize + i * 4 + 1] = input->colors[i].Green;
    bytes[kInfoHeaderSize + i * 4 + 2] = input->colors[i].Red;
  }
  for (int y = 0; y < input->height; ++y) {
    std::memcpy(bytes + kInfoHeaderSize + 1024 + (input->height - 1 - y) * row_bytes,
                input->indices.data() + size_t(y) * input->width, input->width);
  }
  dzGlobalUnlock(block);
  const std::string path = ScratchPath("framix32");
  for (auto _ : state) benchmark::DoNotOptimize(WriteGraphicFile(path.c_str(), block));
  std::remove(path.c_str());
  dzGlobalFree(block);
}

const std::vector<EncodeInput>& Inputs() {
  static const std::vector<EncodeInput> inputs = [] {
    std::vector<EncodeInput> out;
    for (int kind = 0; kind < 3; ++kind) out.push_back(MakeSynthetic(kind));
    // Quantised photographs: a 1024 x 1024 cut, then whole pictures.
    const std::pair<const char*, int> kPhotos[] = {
        {"imagegif__note", 1024},       {"wuffs__harvesters", 4096},
        {"wuffs__hibiscus.regular", 4096}, {"wuffs__hippopotamus.regular", 4096},
        {"imagegif__test", 4096},       {"pillow__hopper", 4096},
    };
    for (const auto& [name, side] : kPhotos) {
      EncodeInput input = FromCorpus(name, side);
      if (!input.indices.empty()) out.push_back(std::move(input));
    }
    return out;
  }();
  return inputs;
}

}  // namespace

void RegisterEncodeBenchmarks() {
  for (const EncodeInput& input : Inputs()) {
    benchmark::RegisterBenchmark(("Encode/giflib/" + input.name).c_str(), BM_EncodeGiflib, &input)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("Encode/framix32/" + input.name).c_str(), BM_EncodeOurs, &input)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("Speed/Encode:giflib/" + input.name).c_str(), BM_EncodeSpeed,
                                 &input)
        ->Unit(benchmark::kMillisecond)
        ->MinWarmUpTime(0.2);
    benchmark::RegisterBenchmark(("WriteFile/giflib/" + input.name).c_str(), BM_WriteGiflib, &input)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("WriteFile/framix32/" + input.name).c_str(), BM_WriteOurs, &input)
        ->Unit(benchmark::kMillisecond);
  }
}

}  // namespace framix32::bench
