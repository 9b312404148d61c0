// What an animation holds, counted allocation by allocation: this program replaces the global
// allocation functions with ones that keep the live and the peak byte counts, so the counts
// are the library's own (the test's window and control allocate nothing while measured).
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "animation.h"
#include "byte_source.h"
#include "fake_window.h"
#include "framix32.h"
#include "gif_builder.h"
#include "player.h"

namespace {

std::atomic<int64_t> g_live{0};
std::atomic<int64_t> g_peak{0};

// Each block carries its size in front, aligned for any type.
constexpr size_t kHeader = alignof(std::max_align_t);

void* Allocate(size_t size) {
  auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
  if (block == nullptr) return nullptr;
  *reinterpret_cast<size_t*>(block) = size;
  const int64_t live = g_live += static_cast<int64_t>(size);
  int64_t peak = g_peak.load();
  while (live > peak && !g_peak.compare_exchange_weak(peak, live)) {
  }
  return block + kHeader;
}

void Release(void* p) {
  if (p == nullptr) return;
  auto* block = static_cast<unsigned char*>(p) - kHeader;
  g_live -= static_cast<int64_t>(*reinterpret_cast<size_t*>(block));
  std::free(block);
}

}  // namespace

void* operator new(size_t size) {
  if (void* p = Allocate(size)) return p;
  throw std::bad_alloc();
}
void* operator new[](size_t size) { return operator new(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, size_t) noexcept { Release(p); }
void operator delete[](void* p, size_t) noexcept { Release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { Release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { Release(p); }

namespace framix32::test {
namespace {

// Bytes allocated and not freed since it was made, and the most there were at any moment.
class Meter {
 public:
  Meter() : base_(g_live.load()) { g_peak = base_; }
  int64_t live() const { return g_live.load() - base_; }
  int64_t peak() const { return g_peak.load() - base_; }

 private:
  int64_t base_;
};

void Ignore(void*, int, int, int, int, const uint32_t*, int) {}
// What the window shows: black beyond its 1280 x 1024 pixels, a busy picture within.
void BusyWindow(void*, int x, int y, int width, int height, uint32_t* pixels, int stride) {
  for (int r = 0; r < height; ++r) {
    for (int c = 0; c < width; ++c) {
      const bool inside = x + c < 1280 && y + r < 1024;
      pixels[size_t(r) * stride + c] = inside ? uint32_t(x + c) * 2654435761u ^ uint32_t(y + r) : 0;
    }
  }
}

TestFrame Frame(int width, int height, uint8_t index, int disposal, int transparent) {
  TestFrame f;
  f.width = width;
  f.height = height;
  f.indices.assign(size_t(width) * height, index);
  if (transparent >= 0) f.indices[0] = static_cast<uint8_t>(transparent);
  f.disposal = disposal;
  f.transparent = transparent;
  return f;
}

struct Measured {
  ErrorCode loaded;
  int64_t held = 0;  // after loading
  int64_t peak = 0;  // while loading and playing one pass
  uint64_t stated = 0;
  uint64_t at_most = 0;  // what the caller is told the animation may hold while it plays
};

// Loads the animation and plays one pass of it.
Measured LoadAndPlay(const TestGif& test_gif, dzWindow* window,
                     const LoadLimits& limits = LoadLimits{}) {
  const std::vector<uint8_t> gif = BuildGif(test_gif);
  Measured m;
  ByteSource in(gif.data(), gif.size());
  AnimationData animation;
  ErrorCode last;
  FakeControl once(static_cast<int>(test_gif.frames.size()));
  once.sleeps.reserve(test_gif.frames.size() + 1);
  Meter meter;
  m.loaded = LoadAnimation(in, limits, &animation, &last);
  m.held = meter.live();
  if (m.loaded == kNoError) {
    m.stated = HeldBytes(animation);
    m.at_most = HeldAtMost(animation);
    Play(animation, window, 0, 0, once);
  }
  m.peak = meter.peak();
  return m;
}

TEST(AnimationMemory, FourFramesOfSixteenMegapixelsStayUnderTheStatedBound) {
  dzWindow window{nullptr, Ignore, BusyWindow};
  for (bool restores : {false, true}) {
    SCOPED_TRACE(restores ? "transparent frames that restore the background" : "opaque frames");
    TestGif gif{4096, 4096, 8, {}};
    for (int i = 0; i < 4; ++i) {
      gif.frames.push_back(Frame(4096, 4096, uint8_t(i + 1), restores ? 2 : 1, restores ? 200 : -1));
    }
    const Measured m = LoadAndPlay(gif, &window);
    ASSERT_EQ(m.loaded, kNoError);
    EXPECT_LE(uint64_t(m.held), m.stated);
    EXPECT_LE(m.at_most, uint64_t{FRAMIX32_MAX_ANIMATION_BYTES});
    EXPECT_LE(m.peak, int64_t{FRAMIX32_MAX_ANIMATION_BYTES});
    EXPECT_LT(m.peak, 100'000'000);
  }
}

TEST(AnimationMemory, LogosStayUnderAMegabyte) {
  dzWindow window{nullptr, Ignore, BusyWindow};
  TestGif gif{200, 200, 8, {}};
  for (int i = 0; i < 10; ++i) gif.frames.push_back(Frame(200, 200, uint8_t(i), 2, 99));
  const Measured m = LoadAndPlay(gif, &window);
  ASSERT_EQ(m.loaded, kNoError);
  EXPECT_LE(uint64_t(m.held), m.stated);
  EXPECT_LT(m.peak, 1'000'000);
  // A caller counting animations against a budget of its own is told about what the logo
  // needs, not the whole limit it could have had.
  EXPECT_LE(uint64_t(m.peak), m.at_most);
  EXPECT_LT(m.at_most, 3'000'000u);
}

TEST(AnimationMemory, RefusedBeforeThePixelsThatWouldPassTheLimit) {
  dzWindow window{nullptr, Ignore, BusyWindow};
  TestGif gif{300, 300, 8, {}};
  for (int i = 0; i < 40; ++i) gif.frames.push_back(Frame(300, 300, uint8_t(i), 0, -1));
  LoadLimits limits;
  limits.held_bytes = 1'000'000;
  const Measured m = LoadAndPlay(gif, &window, limits);
  EXPECT_EQ(m.loaded, kMemoryError);
  EXPECT_EQ(m.held, 0);
  EXPECT_LT(m.peak, 1'000'000 + 100'000);  // what was held, and one frame's compressed data

  // The saved background gives way to black rather than pass the limit.
  TestGif small{300, 300, 8, {Frame(100, 100, 1, 2, 5), Frame(100, 100, 2, 2, 5)}};
  limits.held_bytes = 300'000;
  const Measured fitted = LoadAndPlay(small, &window, limits);
  ASSERT_EQ(fitted.loaded, kNoError);
  EXPECT_LE(fitted.peak, 300'000);
}

}  // namespace
}  // namespace framix32::test
