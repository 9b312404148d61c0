#include "composition.h"

#include <algorithm>

#include "animation.h"
#include "surface.h"

namespace framix32 {
namespace {

// The band the canvas is drawn through: a few hundred kilobytes at most, whatever the canvas.
constexpr size_t kBandPixels = 32 * 1024;

int OwnerBytes(size_t frame_count) {
  if (frame_count <= 0xFF) return 1;
  return frame_count <= 0xFFFF ? 2 : 4;
}

int BandRows(int width, int height) {
  if (width <= 0 || height <= 0) return 0;
  return static_cast<int>(std::clamp<size_t>(kBandPixels / static_cast<size_t>(width), 1,
                                             static_cast<size_t>(height)));
}

}  // namespace

uint64_t Composition::Bytes(int canvas_width, int canvas_height, size_t frame_count) {
  const uint64_t pixels = uint64_t(canvas_width) * uint64_t(canvas_height);
  const uint64_t band = uint64_t(BandRows(canvas_width, canvas_height)) * canvas_width;
  return pixels * OwnerBytes(frame_count) + band * sizeof(uint32_t);
}

Composition::Composition(const AnimationData& animation)
    : animation_(animation),
      width_(animation.canvas_width),
      height_(animation.canvas_height),
      owner_bytes_(OwnerBytes(animation.frames.size())),
      band_rows_(BandRows(width_, height_)),
      band_(new uint32_t[size_t(band_rows_) * width_]) {
  const size_t pixels = size_t(width_) * height_;
  switch (owner_bytes_) {
    case 1:
      owners8_.reset(new uint8_t[pixels]());
      break;
    case 2:
      owners16_.reset(new uint16_t[pixels]());
      break;
    default:
      owners32_.reset(new uint32_t[pixels]());
      break;
  }
}

template <>
uint8_t* Composition::Owners<uint8_t>() const {
  return owners8_.get();
}
template <>
uint16_t* Composition::Owners<uint16_t>() const {
  return owners16_.get();
}
template <>
uint32_t* Composition::Owners<uint32_t>() const {
  return owners32_.get();
}

uint64_t Composition::bytes() const {
  return Bytes(width_, height_, animation_.frames.size()) + background_.bytes();
}

void Composition::SaveBackground(dzWindow* window, int x, int y, uint64_t budget) {
  if (band_rows_ == 0) return;
  background_.Save(window, x, y, width_, height_, band_.get(), band_rows_, budget);
}

void Composition::RestoreBackground() {
  const size_t pixels = size_t(width_) * height_;
  if (owners8_) std::fill(owners8_.get(), owners8_.get() + pixels, 0);
  if (owners16_) std::fill(owners16_.get(), owners16_.get() + pixels, 0);
  if (owners32_) std::fill(owners32_.get(), owners32_.get() + pixels, 0);
}

template <typename Owner>
void Composition::DrawAs(size_t frame) {
  const AnimationFrame& f = animation_.frames[frame];
  const ImageDescriptor& d = f.descriptor;
  const int right = std::min<int>(d.left + d.width, width_);
  const int bottom = std::min<int>(d.top + d.height, height_);
  if (d.left >= right || d.top >= bottom) return;
  const Owner mark = static_cast<Owner>(frame + 1);
  const bool transparent = f.control.transparent();
  const uint8_t key = f.control.transparent_index();
  const size_t count = size_t(right - d.left);
  for (int y = d.top; y < bottom; ++y) {
    Owner* out = Owners<Owner>() + size_t(y) * width_ + d.left;
    if (!transparent) {
      std::fill(out, out + count, mark);
      continue;
    }
    const uint8_t* in = f.pixels.row(y - d.top);
    for (size_t i = 0; i < count; ++i) {
      if (in[i] != key) out[i] = mark;
    }
  }
}

void Composition::Draw(size_t frame) {
  switch (owner_bytes_) {
    case 1:
      return DrawAs<uint8_t>(frame);
    case 2:
      return DrawAs<uint16_t>(frame);
    default:
      return DrawAs<uint32_t>(frame);
  }
}

template <typename Owner>
void Composition::RenderRow(int y, uint32_t* out) const {
  const Owner* owner = Owners<Owner>() + size_t(y) * width_;
  if (background_.saved()) background_.ExpandRow(y, width_, out);
  for (int x = 0; x < width_;) {
    const Owner o = owner[x];
    int end = x + 1;
    while (end < width_ && owner[end] == o) ++end;
    if (o != 0) {
      const AnimationFrame& f = animation_.frames[o - 1];
      const uint8_t* in = f.pixels.row(y - f.descriptor.top) + (x - f.descriptor.left);
      const uint32_t* colors = f.colors.data();
      for (int i = 0; i < end - x; ++i) out[x + i] = colors[in[i]];
    } else if (!background_.saved()) {
      std::fill(out + x, out + end, kBlack);
    }
    x = end;
  }
}

void Composition::Show(dzWindow* window, int x, int y) {
  if (window->blit == nullptr || band_rows_ == 0) return;
  for (int top = 0; top < height_; top += band_rows_) {
    const int rows = std::min(band_rows_, height_ - top);
    for (int r = 0; r < rows; ++r) {
      uint32_t* row = band_.get() + size_t(r) * width_;
      switch (owner_bytes_) {
        case 1:
          RenderRow<uint8_t>(top + r, row);
          break;
        case 2:
          RenderRow<uint16_t>(top + r, row);
          break;
        default:
          RenderRow<uint32_t>(top + r, row);
          break;
      }
    }
    window->blit(window->context, x, y + top, width_, rows, band_.get(), width_);
  }
}

}  // namespace framix32
