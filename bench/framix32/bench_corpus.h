// What the framix32 benchmarks share: the corpus files giflib reads, grouped, held in memory
// and on disk, and giflib read from and written to memory.
#ifndef BENCH_FRAMIX32_BENCH_CORPUS_H_
#define BENCH_FRAMIX32_BENCH_CORPUS_H_

#include <gif_lib.h>

#include "byte_source.h"

#include <cstdint>
#include <string>
#include <vector>

namespace framix32::bench {

// photo: one frame of 100,000 pixels or more; animation: more than one frame; small: the rest;
// all: every file of the three.
enum class Group { kPhoto, kAnimation, kSmall, kAll };
const char* GroupName(Group group);

struct CorpusFile {
  std::string name;  // file name without .gif
  std::string path;
  std::vector<uint8_t> bytes;
  long pixels;  // every frame's, as giflib decodes them
  Group group;
};

// The corpus files giflib reads, sorted by name (loaded once).
const std::vector<CorpusFile>& ValidCorpus();
std::vector<const CorpusFile*> CorpusGroup(Group group);
const CorpusFile* FindCorpusFile(const std::string& name);

// giflib over bytes in memory; null when giflib refuses them. Close with DGifCloseFile.
struct GiflibMemory {
  const std::vector<uint8_t>* bytes;
  size_t at = 0;
};
GifFileType* GiflibOpen(GiflibMemory* memory);
// Pixels decoded by DGifSlurp, or -1 when giflib refuses the file.
long GiflibSlurp(const std::vector<uint8_t>& bytes);

// Every frame through the bare frame reader from memory to indices; the pixels of all frames,
// -1 when the file does not start.
long FrameReaderDecode(const std::vector<uint8_t>& bytes);

// The first frame, or every frame, through the bare frame reader, each expanded to 32 bits
// through its colour table into a buffer of its own (one for all frames): a decoder to BGRA.
// The pixels of the frames read.
long FrameReaderBgra(ByteSource& in, bool every_frame);

// giflib's DGifSlurp of the file, every frame then expanded to 32 bits through its colour
// table into a buffer of its own; the pixels of all frames.
long GiflibAnimationBgra(const CorpusFile& file);

// A GIF89a file of one 8-bit image (2^bits colours) written by EGifSpew to *out.
void GiflibEncode(const std::vector<uint8_t>& indices, int width, int height, int bits,
                  const GifColorType* colors, std::vector<uint8_t>* out);
// The same written by EGifSpew to a file.
void GiflibEncodeFile(const std::vector<uint8_t>& indices, int width, int height, int bits,
                      const GifColorType* colors, const char* path);

}  // namespace framix32::bench

#endif  // BENCH_FRAMIX32_BENCH_CORPUS_H_
