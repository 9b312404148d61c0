// The C interface's reading paths against giflib, from files (in the page cache), group by
// group of the corpus (photos, animations, small files; the Speed cases all files as well):
//   Still:     ReadGraphicFile, beside the bare frame reader (first frame to indices) and
//              giflib's first image to indices (the Speed cases also to 32 bits);
//   Bitmaps:   dzBitmapsFromGif (mode 0), beside the bare frame reader's first frame and
//              giflib's first image, each expanded to 32 bits in a pass of their own;
//   Animation: the loading of dzPlayGif (every frame, no thread), beside giflib's DGifSlurp
//              with every frame expanded to 32 bits (the Speed cases also beside the bare
//              frame reader's every frame to 32 bits);
//   Decode:    every frame to indices from memory, the bare frame reader against DGifSlurp;
//   dzPlayGif: the load, the thread's start and dzStopGif, against every frame to 32 bits
//              (DGifSlurp, and the bare frame reader).
// How it measures: each iteration frees all it allocated. main() fixes the allocator's
// thresholds (glibc would otherwise move them as buffers come and go, so that a case's figures
// hung on what ran before it): buffers up to 32 MiB come from a heap that keeps what is freed,
// so that, after each case's half second of warm-up, no path pays for fresh pages, the kernel's
// share of the time, which on a virtual machine varies from run to run. Compare the CPU column:
// the machine is shared, and time spent waiting for the processor shows in the real time only.
// The Speed cases run a path and its reference in turn and give their ratio, which stays put
// where the times drift with the load of the machine.
#include <benchmark/benchmark.h>

#include <ctime>
#include <string>
#include <vector>

#include "bench_corpus.h"
#include "animation.h"
#include "byte_source.h"
#include "frame_loader.h"
#include "framix32.h"
#include "timed_turns.h"

namespace framix32::bench {
namespace {

using Path = long (*)(const CorpusFile&);

// The file's first frame through the bare frame reader; false when there is none.
bool FirstFrame(const CorpusFile& file, DecodedFrame* frame) {
  ByteSource in(file.path.c_str());
  FrameReader reader(in);
  if (reader.Start() != kNoError) return false;
  bool done = false;
  return reader.Next(frame, &done) == kNoError && !done;
}

long BareFrameReader(const CorpusFile& file) {
  DecodedFrame frame;
  if (!FirstFrame(file, &frame)) return 0;
  benchmark::DoNotOptimize(frame.pixels.data());
  return long(frame.pixels.width) * frame.pixels.height;
}

// The bare frame reader's first frame, or every frame, expanded to 32 bits: a decoder to BGRA.
long BareFrameReaderBgra(const CorpusFile& file) {
  ByteSource in(file.path.c_str());
  return FrameReaderBgra(in, false);
}
long BareFrameReaderEveryFrameBgra(const CorpusFile& file) {
  ByteSource in(file.path.c_str());
  return FrameReaderBgra(in, true);
}

long Still(const CorpusFile& file) {
  HGLOBAL block = ReadGraphicFile(file.path.c_str());
  benchmark::DoNotOptimize(block);
  const long pixels = block == nullptr ? 0 : long(dzGlobalSize(block));
  dzGlobalFree(block);
  return pixels;
}

long Bitmaps(const CorpusFile& file) {
  HBITMAP mask = nullptr, image = nullptr;
  HPALETTE palette = nullptr;
  dzBitmapsFromGif(nullptr, file.path.c_str(), 0, &mask, &image, &palette);
  const long pixels = long(dzBitmapWidth(image)) * dzBitmapHeight(image);
  benchmark::DoNotOptimize(dzBitmapPixels(image));
  dzDeleteBitmap(mask);
  dzDeleteBitmap(image);
  dzDeletePalette(palette);
  return pixels;
}

// dzPlayGif into a window that shows nothing, stopped at once: the load and the thread's start
// and end as the caller pays for them (the thread's own time is not on the caller's clock).
// The window has its two calls, which do nothing: without them no thread is started.
void ShowNothing(void*, int, int, int, int, const uint32_t*, int) {}
void CaptureNothing(void*, int, int, int, int, uint32_t*, int) {}
long PlayAndStop(const CorpusFile& file) {
  static dzWindow nowhere{nullptr, ShowNothing, CaptureNothing};
  HANIMATION animation = dzPlayGif(&nowhere, 0, 0, file.path.c_str(), 0);
  benchmark::DoNotOptimize(animation);
  dzStopGif(animation);
  return file.pixels;
}

// Every frame to indices, from memory: the bare frame reader and giflib's DGifSlurp.
long FrameReaderEveryFrame(const CorpusFile& file) { return FrameReaderDecode(file.bytes); }
long GiflibEveryFrame(const CorpusFile& file) { return GiflibSlurp(file.bytes); }

long Animation(const CorpusFile& file) {
  ByteSource in(file.path.c_str());
  AnimationData animation;
  ErrorCode last;
  if (LoadAnimation(in, LoadLimits{}, &animation, &last) != kNoError) return 0;
  long pixels = 0;
  for (const AnimationFrame& frame : animation.frames) {
    pixels += long(frame.descriptor.width) * frame.descriptor.height;
  }
  return pixels;
}

// giflib's first image, read line by line (interlaced rows put in place) into one buffer.
// With bgra, expanded to 32 bits through its colour table.
long GiflibFirstImage(const CorpusFile& file, bool bgra) {
  int error = 0;
  GifFileType* gif = DGifOpenFileName(file.path.c_str(), &error);
  if (gif == nullptr) return 0;
  long pixels = 0;
  GifRecordType type;
  while (DGifGetRecordType(gif, &type) == GIF_OK && type != TERMINATE_RECORD_TYPE) {
    if (type == EXTENSION_RECORD_TYPE) {
      int code;
      GifByteType* extension;
      if (DGifGetExtension(gif, &code, &extension) != GIF_OK) break;
      while (extension != nullptr) {
        if (DGifGetExtensionNext(gif, &extension) != GIF_OK) break;
      }
      continue;
    }
    if (type != IMAGE_DESC_RECORD_TYPE || DGifGetImageDesc(gif) != GIF_OK) break;
    const int width = gif->Image.Width, height = gif->Image.Height;
    std::vector<GifByteType> indices(size_t(width) * height);
    static constexpr int kStart[] = {0, 4, 2, 1}, kStep[] = {8, 8, 4, 2};
    bool ok = true;
    if (gif->Image.Interlace) {
      for (int pass = 0; pass < 4 && ok; ++pass) {
        for (int y = kStart[pass]; y < height && ok; y += kStep[pass]) {
          ok = DGifGetLine(gif, indices.data() + size_t(y) * width, width) == GIF_OK;
        }
      }
    } else {
      for (int y = 0; y < height && ok; ++y) {
        ok = DGifGetLine(gif, indices.data() + size_t(y) * width, width) == GIF_OK;
      }
    }
    if (bgra) {
      const ColorMapObject* map = gif->Image.ColorMap ? gif->Image.ColorMap : gif->SColorMap;
      uint32_t lookup[256] = {};
      for (int i = 0; map != nullptr && i < map->ColorCount; ++i) {
        lookup[i] = 0xFF000000u | map->Colors[i].Red << 16 | map->Colors[i].Green << 8 |
                    map->Colors[i].Blue;
      }
      std::vector<uint32_t> out(indices.size());
      for (size_t i = 0; i < indices.size(); ++i) out[i] = lookup[indices[i]];
      benchmark::DoNotOptimize(out.data());
    }
    benchmark::DoNotOptimize(indices.data());
    pixels = long(width) * height;
    break;
  }
  DGifCloseFile(gif, &error);
  return pixels;
}

long GiflibIndices(const CorpusFile& file) { return GiflibFirstImage(file, false); }
long GiflibBgra(const CorpusFile& file) { return GiflibFirstImage(file, true); }

void BM_Group(benchmark::State& state, Group group, Path path) {
  const std::vector<const CorpusFile*> files = CorpusGroup(group);
  long pixels = 0;
  for (const CorpusFile* file : files) pixels += file->pixels;
  for (auto _ : state) {
    for (const CorpusFile* file : files) benchmark::DoNotOptimize(path(*file));
  }
  state.counters["files"] = double(files.size());
  state.counters["Mpixel/s"] =
      benchmark::Counter(double(pixels) * double(state.iterations()) / 1e6, benchmark::Counter::kIsRate);
}

// A path and its reference file by file in turn, in the other order each iteration, each timed
// on the thread's CPU clock: "speed" is the reference's time over the path's for the group
// together, "geomean" the geometric mean of the files' own ratios (see CountSpeed). The two
// share whatever the machine's speed does meanwhile, so the ratios hold still where the times
// themselves drift with the load of a shared machine.
void BM_Speed(benchmark::State& state, Group group, Path path, Path reference) {
  const std::vector<const CorpusFile*> files = CorpusGroup(group);
  const auto on_file = [&files](Path run) {
    return [&files, run](size_t i) { benchmark::DoNotOptimize(run(*files[i])); };
  };
  CountSpeed(state, TimeItemsInTurns(state, files.size(), on_file(path), on_file(reference)));
}

}  // namespace

void RegisterInterfaceBenchmarks() {
  const std::pair<const char*, Path> kPaths[] = {
      {"Still/frame-reader", BareFrameReader},  {"Still/ReadGraphicFile", Still},
      {"Still/giflib", GiflibIndices},          {"Bitmaps/dzBitmapsFromGif", Bitmaps},
      {"Bitmaps/frame-reader-bgra", BareFrameReaderBgra},
      {"Bitmaps/giflib-bgra", GiflibBgra},      {"Animation/load", Animation},
      {"Animation/giflib-bgra", GiflibAnimationBgra},
  };
  struct Pairing {
    const char* name;
    Path path, reference;
  };
  const Pairing kPairings[] = {
      {"Speed/ReadGraphicFile:frame-reader", Still, BareFrameReader},
      {"Speed/ReadGraphicFile:giflib", Still, GiflibIndices},
      {"Speed/ReadGraphicFile:frame-reader-bgra", Still, BareFrameReaderBgra},
      {"Speed/ReadGraphicFile:giflib-bgra", Still, GiflibBgra},
      {"Speed/dzBitmapsFromGif:frame-reader-bgra", Bitmaps, BareFrameReaderBgra},
      {"Speed/dzBitmapsFromGif:giflib-bgra", Bitmaps, GiflibBgra},
      {"Speed/dzBitmapsFromGif:ReadGraphicFile", Bitmaps, Still},
      {"Speed/Animation-load:giflib-bgra", Animation, GiflibAnimationBgra},
      {"Speed/Animation-load:frame-reader-bgra", Animation, BareFrameReaderEveryFrameBgra},
      {"Speed/Decode:giflib", FrameReaderEveryFrame, GiflibEveryFrame},
      {"Speed/dzPlayGif:giflib-bgra", PlayAndStop, GiflibAnimationBgra},
      {"Speed/dzPlayGif:frame-reader-bgra", PlayAndStop, BareFrameReaderEveryFrameBgra},
  };
  for (Group group : {Group::kPhoto, Group::kAnimation, Group::kSmall, Group::kAll}) {
    for (const Pairing& pairing : kPairings) {
      benchmark::RegisterBenchmark((std::string(pairing.name) + "/" + GroupName(group)).c_str(),
                                   BM_Speed, group, pairing.path, pairing.reference)
          ->Unit(benchmark::kMicrosecond)
          ->MinWarmUpTime(0.5);
    }
    if (group == Group::kAll) continue;
    for (const auto& [name, path] : kPaths) {
      benchmark::RegisterBenchmark((std::string(name) + "/" + GroupName(group)).c_str(), BM_Group,
                                   group, path)
          ->Unit(benchmark::kMicrosecond)
          ->MinWarmUpTime(0.5);
    }
  }
}

}  // namespace framix32::bench
