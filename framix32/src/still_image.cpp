// GetFileInformation, ReadGraphicFile and WriteGraphicFile: a GIF file's first image to and
// from a packed bitmap.
#include <cstdio>
#include <cstring>

#include "byte_source.h"
#include "dib.h"
#include "error_state.h"
#include "framix32.h"
#include "gif_stream.h"
#include "gif_writer.h"
#include "image_decoder.h"
#include "still_image.h"

namespace framix32 {
namespace {

struct FirstImage {
  ScreenHeader screen;
  ImageDescriptor descriptor;
  ColorTable colors;  // the local table, else the global one (or zeros of its size)
};

// Header, global table and the block scan up to the first image descriptor. at_end is the
// code for a zero byte or the end of the input before any image.
ErrorCode LocateFirstImage(ByteSource& in, ErrorCode at_end, FirstImage* image) {
  if (ErrorCode code = ReadScreen(in, &image->screen); code != kNoError) return code;
  image->colors = image->screen.global;
  for (;;) {
    switch (ReadIntroducer(in)) {
      case Introducer::kImage:
        return ReadImageDescriptor(in, &image->descriptor, &image->colors);
      case Introducer::kExtension:
        if (SkipExtension(in, nullptr) != kNoError) return at_end;
        break;
      case Introducer::kEnd:
        return at_end;
      case Introducer::kOther:
        break;  // stray bytes, the trailer among them, are passed over
    }
  }
}

}  // namespace

HGLOBAL FileInformation(ByteSource& in) {
  FirstImage image;
  if (ErrorCode code = LocateFirstImage(in, kReadError, &image); code != kNoError) {
    return SetError(code), nullptr;
  }
  HGLOBAL block = AllocateDib(image.descriptor.width, image.descriptor.height, image.colors, false);
  if (block == nullptr) SetError(kMemoryError);
  return block;
}

HGLOBAL ReadFirstImage(ByteSource& in) {
  FirstImage image;
  if (ErrorCode code = LocateFirstImage(in, kCorrupt, &image); code != kNoError) {
    return SetError(code), nullptr;
  }
  const ImageDescriptor& d = image.descriptor;
  if (!WithinPixelLimit(d.width, d.height, FRAMIX32_MAX_PIXELS)) {
    return SetError(kMemoryError), nullptr;
  }
  IndexImage pixels;
  DecodeScratch scratch;
  const ErrorCode decoded = DecodeImage(in, d, &pixels, &scratch);
  // The file ended before the code size byte: there is no image data at all.
  if (decoded == kReadError) return SetError(kCorrupt), nullptr;

  HGLOBAL block = AllocateDib(d.width, d.height, image.colors, true);
  if (block == nullptr) return SetError(kMemoryError), nullptr;
  auto* bytes = static_cast<uint8_t*>(dzGlobalLock(block));
  const int bit_count = BitCountForTableBits(image.colors.bits);
  const size_t row_bytes = RowBytes(bit_count, d.width);
  uint8_t* rows = bytes + kInfoHeaderSize + (size_t{4} << bit_count);
  for (int y = 0; y < d.height; ++y) {
    PackRow(pixels.row(y), d.width, bit_count, rows + (d.height - 1 - y) * row_bytes);
  }
  dzGlobalUnlock(block);
  SetError(decoded);
  return block;
}

namespace {

HGLOBAL FromFile(const char* path, HGLOBAL (*read)(ByteSource&)) {
  ByteSource in(path);
  if (!in.ok()) return SetError(kOpenError), nullptr;
  return read(in);
}

int WriteFile(const char* path, HGLOBAL bitmap) {
  std::FILE* file = path == nullptr ? nullptr : std::fopen(path, "wb");
  if (file == nullptr) return SetError(kCreateError), 0;
  std::vector<uint8_t> gif;
  ErrorCode code = EncodeGif(bitmap, &gif);
  if (code == kNoError) {
    if (std::fwrite(gif.data(), 1, gif.size(), file) != gif.size()) code = kWriteError;
  }
  if (std::fclose(file) != 0 && code == kNoError) code = kWriteError;
  if (code != kNoError) {
    std::remove(path);
    return SetError(code), 0;
  }
  return 1;
}

}  // namespace
}  // namespace framix32

extern "C" {

FRAMIX32_API HGLOBAL GetFileInformation(const char* path) {
  framix32::SetError(framix32::kNoError);
  return framix32::FromFile(path, framix32::FileInformation);
}

FRAMIX32_API HGLOBAL ReadGraphicFile(const char* path) {
  framix32::SetError(framix32::kNoError);
  return framix32::FromFile(path, framix32::ReadFirstImage);
}

FRAMIX32_API int WriteGraphicFile(const char* path, HGLOBAL bitmap) {
  framix32::SetError(framix32::kNoError);
  return framix32::WriteFile(path, bitmap);
}

}  // extern "C"
