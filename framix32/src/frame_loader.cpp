#include "frame_loader.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>
#include <optional>

#include "dib.h"
#include "lzw_decoder.h"
#include "widen.h"

namespace framix32 {

ErrorCode FrameReader::Start() { return ReadScreen(in_, &screen_); }

ErrorCode FrameReader::NextImage(DecodedFrame* frame, bool* done) {
  *done = false;
  for (;;) {
    const int introducer = in_.ReadByte();
    if (introducer < 0) {
      *done = true;
      return kNoError;
    }
    if (introducer == 0x21) {
      // An extension cut short is the end of the file, which ends loading normally.
      if (SkipExtension(in_, &pending_) != kNoError) {
        *done = true;
        return kNoError;
      }
      continue;
    }
    if (introducer != 0x2C) continue;  // anything else between blocks is passed over

    frame->control = pending_;
    pending_ = GraphicControl{};
    frame->colors = screen_.global;
    return ReadImageDescriptor(in_, &frame->descriptor, &frame->colors);
  }
}

void FrameReader::DecodePixels(DecodedFrame* frame) {
  frame->decoded = DecodeImage(in_, frame->descriptor, &frame->pixels, &scratch_);
  // No data at all (the file ended at the code size byte) shows as an all-zero frame.
  if (frame->decoded == kReadError) {
    frame->pixels.width = frame->descriptor.width;
    frame->pixels.height = frame->descriptor.height;
    frame->pixels.capacity = IndexImageBytes(frame->descriptor.width, frame->descriptor.height);
    frame->pixels.pixels.reset(new uint8_t[frame->pixels.capacity]());
    frame->decoded = kCorrupt;
  }
}

ErrorCode FrameReader::DecodePixelsInto(const DecodedFrame& frame, uint8_t* out) {
  const ErrorCode decoded = DecodeImageInto(in_, frame.descriptor, out, &scratch_);
  if (decoded != kReadError) return decoded;
  // No data at all (the file ended at the code size byte) shows as an all-zero frame.
  std::memset(out, 0, size_t{frame.descriptor.width} * frame.descriptor.height);
  return kCorrupt;
}

ErrorCode FrameReader::Next(DecodedFrame* frame, bool* done, uint64_t pixel_limit) {
  if (ErrorCode code = NextImage(frame, done); code != kNoError || *done) return code;
  const ImageDescriptor& d = frame->descriptor;
  if (!WithinPixelLimit(d.width, d.height, pixel_limit)) return kMemoryError;
  DecodePixels(frame);
  return kNoError;
}

void ColorLookup(const ColorTable& colors, uint32_t lookup[256]) {
  const uint8_t index_mask = static_cast<uint8_t>((1u << BitCountForTableBits(colors.bits)) - 1);
  for (int i = 0; i < 256; ++i) {
    const int entry = i & index_mask;
    lookup[i] = kOpaque | (colors.rgb[entry * 3] << 16) | (colors.rgb[entry * 3 + 1] << 8) |
                colors.rgb[entry * 3 + 2];
  }
}

PalettePtr MakePalette(int mode, const ColorTable& colors) {
  if (BitCountForTableBits(colors.bits) != 8 || mode < 1 || mode > 3) return nullptr;
  PalettePtr palette(new (std::nothrow) dzPalette);
  if (palette == nullptr) return nullptr;
  switch (mode) {
    case 1:
      palette->entries.resize(256);
      for (int i = 0; i < 256; ++i) palette->entries[i] = {static_cast<uint8_t>(i), 0, 0, 1};
      break;
    case 2: {
      static constexpr uint8_t kRedGreen[] = {0, 63, 95, 127, 159, 191, 223, 255};
      static constexpr uint8_t kBlue[] = {0, 127, 191, 255};
      for (uint8_t blue : kBlue) {
        for (uint8_t green : kRedGreen) {
          for (uint8_t red : kRedGreen) palette->entries.push_back({red, green, blue, 0});
        }
      }
      break;
    }
    case 3:
      palette->entries.resize(size_t{1} << colors.bits);
      for (size_t i = 0; i < palette->entries.size(); ++i) {
        palette->entries[i] = {colors.rgb[i * 3], colors.rgb[i * 3 + 1], colors.rgb[i * 3 + 2], 0};
      }
      break;
  }
  return palette;
}

namespace {

// The bitmaps of a frame, without pixels yet, and the lookup that widens its indices.
ErrorCode PrepareBitmaps(const DecodedFrame& frame, int mode, bool use_transparency,
                         size_t spare, uint32_t lookup[256], FrameBitmaps* out) {
  const ImageDescriptor& d = frame.descriptor;
  const bool transparent = use_transparency && frame.control.transparent();
  // A transparent frame's colours with its key black; an opaque frame's as they are.
  std::optional<ColorTable> blackened;
  if (transparent) {
    const uint8_t key = frame.control.transparent_index();
    blackened = frame.colors;
    blackened->rgb[key * 3] = blackened->rgb[key * 3 + 1] = blackened->rgb[key * 3 + 2] = 0;
  }
  const ColorTable& colors = transparent ? *blackened : frame.colors;
  ColorLookup(colors, lookup);
  out->image.reset(NewBitmap(d.width, d.height, spare));
  if (out->image == nullptr) return kMemoryError;
  if (transparent) {
    out->mask.reset(NewBitmap(d.width, d.height));
    if (out->mask == nullptr) return kMemoryError;
  }
  out->palette = MakePalette(mode, colors);
  return kNoError;
}

}  // namespace

ErrorCode MakeFrameBitmaps(const DecodedFrame& frame, int mode, bool use_transparency,
                           FrameBitmaps* out) {
  uint32_t lookup[256];
  if (ErrorCode code = PrepareBitmaps(frame, mode, use_transparency, 0, lookup, out);
      code != kNoError) {
    return code;
  }
  const size_t count = static_cast<size_t>(frame.pixels.width) * frame.pixels.height;
  WidenIndices(frame.pixels.data(), count, lookup, frame.control.transparent_index(),
               out->image->pixels, out->mask ? out->mask->pixels : nullptr);
  return kNoError;
}

ErrorCode ReadFrameBitmaps(FrameReader& reader, DecodedFrame* frame, int mode,
                           bool use_transparency, FrameBitmaps* out) {
  const ImageDescriptor& d = frame->descriptor;
  const size_t count = static_cast<size_t>(d.width) * d.height;
  // The indices go to the last quarter of the image's own pixels (and the spare bytes after
  // them), so that no buffer of indices is needed besides; widened front to back, a pixel
  // never lands on an index not yet read.
  uint32_t lookup[256];
  if (ErrorCode code = PrepareBitmaps(*frame, mode, use_transparency, kLzwOutputSlack, lookup,
                                      out);
      code != kNoError) {
    return code;
  }
  uint32_t* image = out->image->pixels;
  uint8_t* indices = reinterpret_cast<uint8_t*>(image) + 3 * count;
  frame->decoded = reader.DecodePixelsInto(*frame, indices);
  WidenIndices(indices, count, lookup, frame->control.transparent_index(), image,
               out->mask ? out->mask->pixels : nullptr);
  return kNoError;
}

}  // namespace framix32
