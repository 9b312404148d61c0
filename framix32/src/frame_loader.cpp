#include "frame_loader.h"

#include <algorithm>
#include <new>

#include "dib.h"

namespace framix32 {

ErrorCode FrameReader::Start() { return ReadScreen(in_, &screen_); }

ErrorCode FrameReader::Next(DecodedFrame* frame, bool* done, uint64_t pixel_limit) {
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
    if (ErrorCode code = ReadImageDescriptor(in_, &frame->descriptor, &frame->colors);
        code != kNoError) {
      return code;
    }
    const ImageDescriptor& d = frame->descriptor;
    if (!WithinPixelLimit(d.width, d.height, pixel_limit)) return kMemoryError;
    frame->decoded = DecodeImage(in_, d, &frame->pixels, &scratch_);
    // No data at all (the file ended at the code size byte) shows as an all-zero frame.
    if (frame->decoded == kReadError) frame->decoded = kCorrupt;
    return kNoError;
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

ErrorCode MakeFrameBitmaps(const DecodedFrame& frame, int mode, bool use_transparency,
                           FrameBitmaps* out) {
  const int width = frame.pixels.width;
  const int height = frame.pixels.height;
  const bool transparent = use_transparency && frame.control.transparent();
  ColorTable colors = frame.colors;
  const uint8_t key = frame.control.transparent_index();
  if (transparent) {
    colors.rgb[key * 3] = colors.rgb[key * 3 + 1] = colors.rgb[key * 3 + 2] = 0;
  }
  // Indices are cut to the bit depth of the frame's bitmap, as in a packed bitmap.
  const uint8_t index_mask = static_cast<uint8_t>((1u << BitCountForTableBits(colors.bits)) - 1);
  uint32_t lookup[256];
  for (int i = 0; i < 256; ++i) {
    const int entry = i & index_mask;
    lookup[i] = kOpaque | (colors.rgb[entry * 3] << 16) | (colors.rgb[entry * 3 + 1] << 8) |
                colors.rgb[entry * 3 + 2];
  }

  out->image.reset(NewBitmap(width, height));
  if (out->image == nullptr) return kMemoryError;
  if (transparent) {
    out->mask.reset(NewBitmap(width, height));
    if (out->mask == nullptr) return kMemoryError;
  }
  const size_t count = static_cast<size_t>(width) * height;
  const uint8_t* indices = frame.pixels.pixels.data();
  uint32_t* image = out->image->pixels.data();
  for (size_t i = 0; i < count; ++i) image[i] = lookup[indices[i]];
  if (transparent) {
    uint32_t* mask = out->mask->pixels.data();
    for (size_t i = 0; i < count; ++i) mask[i] = indices[i] == key ? kWhite : kBlack;
  }
  out->palette = MakePalette(mode, colors);
  return kNoError;
}

ErrorCode LoadAnimation(ByteSource& in, int mode, const LoadLimits& limits,
                        AnimationData* animation, ErrorCode* last_decoded) {
  *animation = AnimationData{};
  *last_decoded = kNoError;
  FrameReader reader(in);
  if (ErrorCode code = reader.Start(); code != kNoError) return code;
  AnimationData loaded;
  loaded.header = reader.screen().raw;
  loaded.canvas_width = reader.screen().width;
  loaded.canvas_height = reader.screen().height;
  uint64_t total_pixels = 0;
  DecodedFrame frame;
  for (;;) {
    bool done = false;
    ErrorCode code = reader.Next(&frame, &done, limits.frame_pixels);
    if (code != kNoError) return code;
    if (done) break;
    const ImageDescriptor& d = frame.descriptor;
    total_pixels += uint64_t{d.width} * d.height;
    if (total_pixels > limits.total_pixels) return kMemoryError;
    *last_decoded = frame.decoded;
    AnimationFrame& added = loaded.frames.emplace_back();
    added.control = frame.control;
    added.descriptor = d;
    if (ErrorCode made = MakeFrameBitmaps(frame, mode, true, &added.bitmaps); made != kNoError) {
      return made;
    }
    loaded.canvas_width = std::max<int>(loaded.canvas_width, d.width);
    loaded.canvas_height = std::max<int>(loaded.canvas_height, d.height);
  }
  // The player keeps two canvas-sized surfaces: a huge logical screen is refused like a huge
  // frame.
  if (!WithinPixelLimit(loaded.canvas_width, loaded.canvas_height, limits.frame_pixels)) {
    return kMemoryError;
  }
  *animation = std::move(loaded);
  return kNoError;
}

}  // namespace framix32
