#include "bench_corpus.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "byte_source.h"
#include "frame_loader.h"

namespace framix32::bench {
namespace {

int ReadMemory(GifFileType* gif, GifByteType* out, int n) {
  auto* m = static_cast<GiflibMemory*>(gif->UserData);
  const size_t take = std::min<size_t>(n, m->bytes->size() - m->at);
  std::memcpy(out, m->bytes->data() + m->at, take);
  m->at += take;
  return static_cast<int>(take);
}

int WriteMemory(GifFileType* gif, const GifByteType* data, int n) {
  auto* out = static_cast<std::vector<uint8_t>*>(gif->UserData);
  out->insert(out->end(), data, data + n);
  return n;
}

void Spew(GifFileType* gif, const std::vector<uint8_t>& indices, int width, int height,
          int bits, const GifColorType* colors) {
  gif->SWidth = width;
  gif->SHeight = height;
  gif->SColorResolution = bits;
  gif->SBackGroundColor = 0;
  gif->SColorMap = GifMakeMapObject(1 << bits, colors);
  SavedImage* image = GifMakeSavedImage(gif, nullptr);
  image->ImageDesc = GifImageDesc{0, 0, width, height, false, nullptr};
  image->RasterBits = static_cast<GifByteType*>(malloc(indices.size()));
  std::memcpy(image->RasterBits, indices.data(), indices.size());
  EGifSpew(gif);  // frees everything
}

}  // namespace

const char* GroupName(Group group) {
  switch (group) {
    case Group::kPhoto:
      return "photo";
    case Group::kAnimation:
      return "animation";
    case Group::kSmall:
      return "small";
    case Group::kAll:
      return "all";
  }
  return "?";
}

GifFileType* GiflibOpen(GiflibMemory* memory) {
  int error = 0;
  return DGifOpen(memory, ReadMemory, &error);
}

long GiflibSlurp(const std::vector<uint8_t>& bytes) {
  GiflibMemory memory{&bytes};
  GifFileType* gif = GiflibOpen(&memory);
  if (gif == nullptr) return -1;
  long pixels = -1;
  if (DGifSlurp(gif) == GIF_OK) {
    pixels = 0;
    for (int i = 0; i < gif->ImageCount; ++i) {
      pixels += long(gif->SavedImages[i].ImageDesc.Width) * gif->SavedImages[i].ImageDesc.Height;
    }
  }
  int error = 0;
  DGifCloseFile(gif, &error);
  return pixels;
}

const std::vector<CorpusFile>& ValidCorpus() {
  static const std::vector<CorpusFile> files = [] {
    std::vector<CorpusFile> out;
    std::error_code ec;
    std::filesystem::directory_iterator it(FRAMIX32_CORPUS_DIR, ec);
    if (ec) {
      std::fprintf(stderr,
                   "framix32_bench: no GIF corpus at '%s' (configure with "
                   "-DFRAMIX32_CORPUS_DIR=FOLDER); the corpus cases measure nothing\n",
                   FRAMIX32_CORPUS_DIR);
    }
    for (std::filesystem::directory_iterator end; !ec && it != end; it.increment(ec)) {
      const auto& entry = *it;
      if (entry.path().extension() != ".gif") continue;
      std::ifstream in(entry.path(), std::ios::binary);
      std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
      GiflibMemory memory{&bytes};
      GifFileType* gif = GiflibOpen(&memory);
      if (gif == nullptr) continue;
      long pixels = -1;
      int frames = 0;
      if (DGifSlurp(gif) == GIF_OK && gif->ImageCount > 0) {
        frames = gif->ImageCount;
        pixels = 0;
        for (int i = 0; i < frames; ++i) {
          pixels += long(gif->SavedImages[i].ImageDesc.Width) * gif->SavedImages[i].ImageDesc.Height;
        }
      }
      int error = 0;
      DGifCloseFile(gif, &error);
      if (pixels <= 0) continue;
      const Group group = frames > 1          ? Group::kAnimation
                          : pixels >= 100000 ? Group::kPhoto
                                             : Group::kSmall;
      out.push_back({entry.path().stem().string(), entry.path().string(), std::move(bytes),
                     pixels, group});
    }
    std::sort(out.begin(), out.end(), [](auto& a, auto& b) { return a.name < b.name; });
    return out;
  }();
  return files;
}

std::vector<const CorpusFile*> CorpusGroup(Group group) {
  std::vector<const CorpusFile*> out;
  for (const CorpusFile& file : ValidCorpus()) {
    if (group == Group::kAll || file.group == group) out.push_back(&file);
  }
  return out;
}

const CorpusFile* FindCorpusFile(const std::string& name) {
  for (const CorpusFile& file : ValidCorpus()) {
    if (file.name == name) return &file;
  }
  return nullptr;
}

void GiflibEncode(const std::vector<uint8_t>& indices, int width, int height, int bits,
                  const GifColorType* colors, std::vector<uint8_t>* out) {
  int error = 0;
  Spew(EGifOpen(out, WriteMemory, &error), indices, width, height, bits, colors);
}

void GiflibEncodeFile(const std::vector<uint8_t>& indices, int width, int height, int bits,
                      const GifColorType* colors, const char* path) {
  int error = 0;
  Spew(EGifOpenFileName(path, false, &error), indices, width, height, bits, colors);
}

long GiflibAnimationBgra(const CorpusFile& file) {
  int error = 0;
  GifFileType* gif = DGifOpenFileName(file.path.c_str(), &error);
  if (gif == nullptr) return 0;
  long pixels = 0;
  if (DGifSlurp(gif) == GIF_OK) {
    std::vector<std::vector<uint32_t>> frames;
    for (int f = 0; f < gif->ImageCount; ++f) {
      const SavedImage& image = gif->SavedImages[f];
      const ColorMapObject* map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
      uint32_t lookup[256] = {};
      for (int i = 0; map != nullptr && i < map->ColorCount; ++i) {
        lookup[i] = 0xFF000000u | map->Colors[i].Red << 16 | map->Colors[i].Green << 8 |
                    map->Colors[i].Blue;
      }
      const size_t count = size_t(image.ImageDesc.Width) * image.ImageDesc.Height;
      std::vector<uint32_t>& out = frames.emplace_back(count);
      for (size_t i = 0; i < count; ++i) out[i] = lookup[image.RasterBits[i]];
      pixels += long(count);
    }
    benchmark::DoNotOptimize(frames.data());
  }
  DGifCloseFile(gif, &error);
  return pixels;
}

long FrameReaderDecode(const std::vector<uint8_t>& bytes) {
  ByteSource in(bytes.data(), bytes.size());
  FrameReader reader(in);
  if (reader.Start() != kNoError) return -1;
  DecodedFrame frame;
  long pixels = 0;
  for (;;) {
    bool done = false;
    if (reader.Next(&frame, &done) != kNoError || done) break;
    pixels += long(frame.pixels.width) * frame.pixels.height;
    benchmark::DoNotOptimize(frame.pixels.data());
  }
  return pixels;
}

long FrameReaderBgra(ByteSource& in, bool every_frame) {
  FrameReader reader(in);
  if (reader.Start() != kNoError) return 0;
  DecodedFrame frame;
  std::unique_ptr<uint32_t[]> out;
  size_t capacity = 0;
  long pixels = 0;
  for (;;) {
    bool done = false;
    if (reader.Next(&frame, &done) != kNoError || done) break;
    uint32_t lookup[256];
    ColorLookup(frame.colors, lookup);
    const size_t count = size_t(frame.pixels.width) * frame.pixels.height;
    if (count > capacity) {
      out.reset(new uint32_t[count]);
      capacity = count;
    }
    const uint8_t* indices = frame.pixels.data();
    for (size_t i = 0; i < count; ++i) out[i] = lookup[indices[i]];
    benchmark::DoNotOptimize(out.get());
    pixels += long(count);
    if (!every_frame) break;
  }
  return pixels;
}

}  // namespace framix32::bench
