#include "composition.h"

#include <algorithm>
#include <new>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// The position of the first of the n bytes at p that is not key; n when all are.
size_t FirstOther(const uint8_t* p, size_t n, uint8_t key) {
  size_t i = 0;
#if defined(__SSE2__)
  const __m128i keys = _mm_set1_epi8(static_cast<char>(key));
  for (; i + 16 <= n; i += 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
    const unsigned same = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(block, keys)));
    if (same != 0xFFFF) return i + size_t(__builtin_ctz(~same));
  }
#endif
  while (i < n && p[i] == key) ++i;
  return i;
}

// One past the last of the n bytes at p that is not key; 0 when all are.
size_t EndOfOthers(const uint8_t* p, size_t n, uint8_t key) {
  size_t end = n;
#if defined(__SSE2__)
  const __m128i keys = _mm_set1_epi8(static_cast<char>(key));
  for (; end >= 16; end -= 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + end - 16));
    const unsigned same = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(block, keys)));
    if (same != 0xFFFF) return end - 16 + size_t(32 - __builtin_clz(~same & 0xFFFFu));
  }
#endif
  while (end > 0 && p[end - 1] == key) --end;
  return end;
}

int BandRows(int width, int height) {
  if (width <= 0 || height <= 0) return 0;
  return static_cast<int>(std::clamp<size_t>(kBandPixels / static_cast<size_t>(width), 1,
                                             static_cast<size_t>(height)));
}

}  // namespace

void CanvasRect::Add(const CanvasRect& other) {
  if (other.empty()) return;
  if (empty()) {
    *this = other;
    return;
  }
  left = std::min(left, other.left);
  top = std::min(top, other.top);
  right = std::max(right, other.right);
  bottom = std::max(bottom, other.bottom);
}

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
      band_(new uint32_t[size_t(band_rows_) * width_]),
      changed_{0, 0, width_, height_} {
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
  if (pixels_) return uint64_t(width_) * height_ * sizeof(uint32_t) + background_.bytes();
  return Bytes(width_, height_, animation_.frames.size()) + background_.bytes();
}

bool Composition::KeepPixels(uint64_t budget) {
  const uint64_t pixels = uint64_t(width_) * height_;
  if (pixels == 0 || pixels * sizeof(uint32_t) > budget) return false;
  std::unique_ptr<uint32_t[]> canvas(new (std::nothrow) uint32_t[pixels]);
  if (canvas == nullptr) return false;
  for (int y = 0; y < height_; ++y) {
    uint32_t* row = canvas.get() + size_t(y) * width_;
    switch (owner_bytes_) {
      case 1:
        RenderRow<uint8_t>(y, 0, width_, row);
        break;
      case 2:
        RenderRow<uint16_t>(y, 0, width_, row);
        break;
      default:
        RenderRow<uint32_t>(y, 0, width_, row);
        break;
    }
  }
  pixels_ = std::move(canvas);
  owners8_.reset();
  owners16_.reset();
  owners32_.reset();
  band_.reset();
  return true;
}

void Composition::SaveBackground(dzWindow* window, int x, int y, uint64_t budget) {
  if (band_rows_ == 0 || band_ == nullptr) return;
  background_.Save(window, x, y, width_, height_, band_.get(), band_rows_, budget);
}

template <typename Owner>
void Composition::ClearOwners(const CanvasRect& area) {
  for (int y = area.top; y < area.bottom; ++y) {
    Owner* row = Owners<Owner>() + size_t(y) * width_;
    std::fill(row + area.left, row + area.right, Owner{0});
  }
}

void Composition::RestoreBackground() {
  if (drawn_.empty()) return;
  if (pixels_) {
    for (int y = drawn_.top; y < drawn_.bottom; ++y) {
      background_.ExpandRow(y, drawn_.left, drawn_.right,
                            pixels_.get() + size_t(y) * width_ + drawn_.left);
    }
  } else {
    switch (owner_bytes_) {
      case 1:
        ClearOwners<uint8_t>(drawn_);
        break;
      case 2:
        ClearOwners<uint16_t>(drawn_);
        break;
      default:
        ClearOwners<uint32_t>(drawn_);
        break;
    }
  }
  changed_.Add(drawn_);
  drawn_ = CanvasRect{};
}

CanvasRect Composition::OnCanvas(const ImageDescriptor& d) const {
  return {d.left, d.top, std::min<int>(d.left + d.width, width_),
          std::min<int>(d.top + d.height, height_)};
}

template <typename Owner>
void Composition::DrawAs(size_t frame) {
  const AnimationFrame& f = animation_.frames[frame];
  const ImageDescriptor& d = f.descriptor;
  const CanvasRect on_canvas = OnCanvas(d);
  if (on_canvas.empty()) return;
  const int bottom = on_canvas.bottom;
  const Owner mark = static_cast<Owner>(frame + 1);
  const size_t count = size_t(on_canvas.right - d.left);
  if (!f.control.transparent()) {
    for (int y = d.top; y < bottom; ++y) {
      Owner* out = Owners<Owner>() + size_t(y) * width_ + d.left;
      std::fill(out, out + count, mark);
    }
    drawn_.Add(on_canvas);
    changed_.Add(on_canvas);
    return;
  }
  // Only the opaque pixels change the canvas: the rectangle around them is what changed.
  const uint8_t key = f.control.transparent_index();
  CanvasRect area;
  for (int y = d.top; y < bottom; ++y) {
    const uint8_t* in = f.pixels.row(y - d.top);
    const size_t first = FirstOther(in, count, key);
    if (first == count) continue;
    const size_t end = EndOfOthers(in + first, count - first, key) + first;
    Owner* out = Owners<Owner>() + size_t(y) * width_ + d.left;
    for (size_t i = first; i < end; ++i) out[i] = in[i] != key ? mark : out[i];
    area.Add(CanvasRect{d.left + int(first), y, d.left + int(end), y + 1});
  }
  drawn_.Add(area);
  changed_.Add(area);
}

void Composition::DrawPixels(size_t frame) {
  const AnimationFrame& f = animation_.frames[frame];
  const ImageDescriptor& d = f.descriptor;
  const CanvasRect on_canvas = OnCanvas(d);
  if (on_canvas.empty()) return;
  const int bottom = on_canvas.bottom;
  const size_t count = size_t(on_canvas.right - d.left);
  const uint32_t* colors = f.colors.data();
  const bool transparent = f.control.transparent();
  const uint8_t key = f.control.transparent_index();
  CanvasRect area;
  for (int y = d.top; y < bottom; ++y) {
    const uint8_t* in = f.pixels.row(y - d.top);
    size_t first = 0, end = count;
    if (transparent) {
      first = FirstOther(in, count, key);
      if (first == count) continue;
      end = EndOfOthers(in + first, count - first, key) + first;
    }
    uint32_t* out = pixels_.get() + size_t(y) * width_ + d.left;
    if (transparent) {
      for (size_t i = first; i < end; ++i) out[i] = in[i] != key ? colors[in[i]] : out[i];
    } else {
      for (size_t i = 0; i < count; ++i) out[i] = colors[in[i]];
    }
    area.Add(CanvasRect{d.left + int(first), y, d.left + int(end), y + 1});
  }
  drawn_.Add(area);
  changed_.Add(area);
}

void Composition::Draw(size_t frame) {
  if (pixels_) return DrawPixels(frame);
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
void Composition::RenderRow(int y, int left, int right, uint32_t* out) const {
  const Owner* owner = Owners<Owner>() + size_t(y) * width_;
  if (background_.saved()) background_.ExpandRow(y, left, right, out);
  for (int x = left; x < right;) {
    const Owner o = owner[x];
    int end = x + 1;
    while (end < right && owner[end] == o) ++end;
    if (o != 0) {
      const AnimationFrame& f = animation_.frames[o - 1];
      const uint8_t* in = f.pixels.row(y - f.descriptor.top) + (x - f.descriptor.left);
      const uint32_t* colors = f.colors.data();
      uint32_t* to = out + (x - left);
      for (int i = 0; i < end - x; ++i) to[i] = colors[in[i]];
    } else if (!background_.saved()) {
      std::fill(out + (x - left), out + (end - left), kBlack);
    }
    x = end;
  }
}

void Composition::Show(dzWindow* window, int x, int y) {
  const CanvasRect area = changed_;
  changed_ = CanvasRect{};
  if (window->blit == nullptr || band_rows_ == 0 || area.empty()) return;
  const int width = area.right - area.left;
  if (pixels_) {
    // The canvas is the pixels: handed over as they are, as many rows at a time as a band.
    const int rows_at_once = std::max(1, int(kBandPixels / size_t(width)));
    for (int top = area.top; top < area.bottom; top += rows_at_once) {
      const int rows = std::min(rows_at_once, area.bottom - top);
      window->blit(window->context, x + area.left, y + top, width, rows,
                   pixels_.get() + size_t(top) * width_ + area.left, width_);
    }
    return;
  }
  // The band holds band_rows_ whole canvas rows: as many rows of the narrower area as fit.
  const int band_rows = static_cast<int>(std::min<size_t>(
      size_t(band_rows_) * width_ / size_t(width), size_t(area.bottom - area.top)));
  for (int top = area.top; top < area.bottom; top += band_rows) {
    const int rows = std::min(band_rows, area.bottom - top);
    for (int r = 0; r < rows; ++r) {
      uint32_t* row = band_.get() + size_t(r) * width;
      switch (owner_bytes_) {
        case 1:
          RenderRow<uint8_t>(top + r, area.left, area.right, row);
          break;
        case 2:
          RenderRow<uint16_t>(top + r, area.left, area.right, row);
          break;
        default:
          RenderRow<uint32_t>(top + r, area.left, area.right, row);
          break;
      }
    }
    window->blit(window->context, x + area.left, y + top, width, rows, band_.get(), width);
  }
}

}  // namespace framix32
