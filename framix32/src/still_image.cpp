// GetFileInformation, ReadGraphicFile and WriteGraphicFile: a GIF file's first image to and
// from a packed bitmap.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#include "byte_source.h"
#include "dib.h"
#include "error_state.h"
#include "framix32.h"
#include "gif_stream.h"
#include "gif_writer.h"
#include "image_decoder.h"
#include "lzw_decoder.h"
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

// Swaps the n bytes at a and b (which do not overlap), 16 at a time.
void SwapBytes(uint8_t* a, uint8_t* b, size_t n) {
  size_t i = 0;
  for (; i + 16 <= n; i += 16) {
    uint8_t x[16], y[16];
    std::memcpy(x, a + i, 16);
    std::memcpy(y, b + i, 16);
    std::memcpy(a + i, y, 16);
    std::memcpy(b + i, x, 16);
  }
  for (; i < n; ++i) std::swap(a[i], b[i]);
}

// One index a pixel: the indices are decoded into the block itself, top-down and close
// together, then spread to their padded rows and turned bottom-up.
HGLOBAL ReadEightBitRows(ByteSource& in, const ImageDescriptor& d, const ColorTable& colors,
                         DecodeScratch* scratch) {
  // The file ended before the code size byte: there is no image data at all.
  if (in.ReadByte() < 0) return SetError(kCorrupt), nullptr;
  in.Seek(in.Tell() - 1);
  // Every pixel byte is written below: by the decoder (zeros for rows not decoded) or as
  // the rows' padding.
  HGLOBAL block = AllocateDib(d.width, d.height, colors, true, kLzwOutputSlack, true);
  if (block == nullptr) return SetError(kMemoryError), nullptr;
  auto* bytes = static_cast<uint8_t*>(dzGlobalLock(block));
  uint8_t* rows = bytes + kInfoHeaderSize + 1024;
  const ErrorCode decoded = DecodeImageInto(in, d, rows, scratch);
  const size_t width = d.width;
  const size_t row_bytes = RowBytes(8, d.width);
  if (row_bytes != width) {
    // Each row moves up to its padded place, the last first; the padding is zero again.
    for (size_t y = d.height; y-- > 0;) {
      std::memmove(rows + y * row_bytes, rows + y * width, width);
      std::memset(rows + y * row_bytes + width, 0, row_bytes - width);
    }
  }
  // Top-down to bottom-up: rows swap places in pairs.
  for (size_t top = 0, bottom = d.height; top + 1 < bottom; ++top) {
    --bottom;
    SwapBytes(rows + top * row_bytes, rows + bottom * row_bytes, row_bytes);
  }
  dzGlobalUnlock(block);
  SetError(decoded);
  return block;
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
  DecodeScratch scratch;
  const int bit_count = BitCountForTableBits(image.colors.bits);
  if (bit_count == 8) return ReadEightBitRows(in, d, image.colors, &scratch);
  IndexImage pixels;
  const ErrorCode decoded = DecodeImage(in, d, &pixels, &scratch);
  // The file ended before the code size byte: there is no image data at all.
  if (decoded == kReadError) return SetError(kCorrupt), nullptr;

  // Every pixel byte is written below: each row's last word is zeroed (its padding) before
  // the row is packed over it.
  HGLOBAL block = AllocateDib(d.width, d.height, image.colors, true, 0, true);
  if (block == nullptr) return SetError(kMemoryError), nullptr;
  auto* bytes = static_cast<uint8_t*>(dzGlobalLock(block));
  const size_t row_bytes = RowBytes(bit_count, d.width);
  uint8_t* rows = bytes + kInfoHeaderSize + (size_t{4} << bit_count);
  if (row_bytes > 0) {
    for (int y = 0; y < d.height; ++y) {
      uint8_t* row = rows + (d.height - 1 - y) * row_bytes;
      std::memset(row + row_bytes - 4, 0, 4);
      PackRow(pixels.row(y), d.width, bit_count, row);
    }
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

// Writes all of *bytes to fd, through short writes and interruptions, and empties it.
bool WriteAll(int fd, std::vector<uint8_t>* bytes) {
  for (size_t done = 0; done < bytes->size();) {
    const ssize_t wrote = ::write(fd, bytes->data() + done, bytes->size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) return false;
    done += static_cast<size_t>(wrote);
  }
  bytes->clear();
  return true;
}

int WriteFile(const char* path, HGLOBAL bitmap) {
  // An existing file is written over and then cut to the new length, not emptied first:
  // emptying frees its blocks to allocate them again, and ext4 then flushes the file when it
  // is closed, which for a small picture costs ten times the encoding.
  // Only a regular file is written: O_NONBLOCK keeps the opening of a FIFO from waiting for a
  // reader, and a FIFO, a device or a folder is refused as a file that cannot be created.
  int fd = -1;
  if (path != nullptr) {
    do {
      fd = ::open(path, O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
  }
  struct stat status;
  if (fd >= 0 && (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))) {
    ::close(fd);
    fd = -1;
  }
  if (fd < 0) return SetError(kCreateError), 0;
  std::vector<uint8_t> buffer;
  off_t length = 0;
  ErrorCode code = EncodeGif(bitmap, &buffer, [&](std::vector<uint8_t>* bytes) {
    length += static_cast<off_t>(bytes->size());
    return WriteAll(fd, bytes);
  });
  if (code == kNoError && ::ftruncate(fd, length) != 0) {
    code = kWriteError;
  }
  if (::close(fd) != 0 && code == kNoError) code = kWriteError;
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
