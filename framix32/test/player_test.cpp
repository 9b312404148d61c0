// Playback without a display: a fake window records what is drawn, a fake control records
// the delays; then the real threads behind dzPlayGif and dzStopGif.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include "byte_source.h"
#include "composition.h"
#include "eventually.h"
#include "fake_window.h"
#include "frame_loader.h"
#include "framix32.h"
#include "gif_builder.h"
#include "player.h"

namespace framix32::test {
namespace {

constexpr uint32_t kWall = 0xFF102030u;  // what the window shows before the animation

uint32_t Color(int i) { return 0xFF000000u | GlobalColor(i); }

TestFrame Solid(int left, int top, int width, int height, uint8_t index, int delay = 10) {
  return FrameOf(left, top, width, height, std::vector<uint8_t>(size_t(width) * height, index),
                 delay);
}

AnimationData Load(const TestGif& gif) {
  const std::vector<uint8_t> bytes = BuildGif(gif);
  ByteSource in(bytes.data(), bytes.size());
  AnimationData animation;
  ErrorCode last;
  EXPECT_EQ(LoadAnimation(in, LoadLimits{}, &animation, &last), kNoError);
  return animation;
}

// What the window showed at (x, y) right after the blit.
uint32_t At(const FakeWindow::Blit& blit, int x, int y) {
  return blit.screen[size_t(y) * blit.screen_width + x];
}

TEST(Player, FramesInOrderWithTheirDelaysAndRepeat) {
  TestGif gif{4, 4, 3, {Solid(0, 0, 4, 4, 1, 0), Solid(0, 0, 4, 4, 2, 5), Solid(0, 0, 4, 4, 3, 6),
                        Solid(0, 0, 4, 4, 4, 50)}};
  FakeWindow window(10, 10, kWall);
  FakeControl control(6);
  Play(Load(gif), window.handle(), 1, 2, control);
  EXPECT_EQ(control.sleeps, (std::vector<int>{60, 60, 60, 500, 60, 60}));
  const auto blits = window.blits();
  ASSERT_EQ(blits.size(), 6u);
  const int expected[] = {1, 2, 3, 4, 1, 2};
  for (size_t i = 0; i < blits.size(); ++i) {
    EXPECT_EQ(blits[i].x, 1);
    EXPECT_EQ(blits[i].y, 2);
    EXPECT_EQ(At(blits[i], 1 + 3, 2 + 3), Color(expected[i])) << i;
  }
}

TEST(Player, DisposalAndTransparencyCompose) {
  TestFrame base = Solid(0, 0, 4, 4, 1);
  TestFrame over = Solid(2, 2, 2, 2, 2);
  TestFrame holes = Solid(0, 0, 4, 4, 3);
  holes.indices[0] = 7;  // the transparent index
  holes.transparent = 7;

  for (int disposal : {0, 1, 2, 3}) {
    SCOPED_TRACE(disposal);
    over.disposal = disposal;
    FakeWindow window(4, 4, kWall);
    FakeControl control(2);
    Play(Load(TestGif{4, 4, 3, {base, over}}), window.handle(), 0, 0, control);
    const auto blits = window.blits();
    ASSERT_EQ(blits.size(), 2u);
    EXPECT_EQ(At(blits[1], 3, 3), Color(2));
    // Methods 2 and 3 put the saved background back before the frame is drawn.
    EXPECT_EQ(At(blits[1], 0, 0), disposal >= 2 ? kWall : Color(1));
  }

  // A transparent first frame shows the window through its hole; over an earlier frame it
  // shows that frame.
  FakeWindow window(4, 4, kWall);
  FakeControl control(3);
  Play(Load(TestGif{4, 4, 3, {holes, base, holes}}), window.handle(), 0, 0, control);
  const auto blits = window.blits();
  ASSERT_EQ(blits.size(), 3u);
  EXPECT_EQ(At(blits[0], 0, 0), kWall);
  EXPECT_EQ(At(blits[0], 1, 0), Color(3));
  EXPECT_EQ(At(blits[2], 0, 0), Color(1));
  EXPECT_EQ(At(blits[2], 1, 0), Color(3));
}

TEST(Player, CanvasGrowsToTheLargestFrameAndClips) {
  TestGif gif{4, 4, 2, {Solid(0, 0, 6, 3, 1), Solid(3, 3, 2, 5, 2)}};
  const AnimationData animation = Load(gif);
  EXPECT_EQ(animation.canvas_width, 6);
  EXPECT_EQ(animation.canvas_height, 5);
  FakeWindow window(8, 8, kWall);
  FakeControl control(2);
  Play(animation, window.handle(), 0, 0, control);
  const auto blits = window.blits();
  ASSERT_EQ(blits.size(), 2u);
  EXPECT_EQ(blits[0].width, 6);
  EXPECT_EQ(blits[0].height, 5);
  EXPECT_EQ(At(blits[1], 5, 0), Color(1));
  EXPECT_EQ(At(blits[1], 4, 4), Color(2));  // the frame's lower rows fall off the canvas
  EXPECT_EQ(At(blits[1], 4, 5), kWall);
  EXPECT_EQ(At(blits[1], 6, 0), kWall);
}

TEST(Player, SingleFrameStopsItselfAndHeldAnimationsWait) {
  FakeWindow window(4, 4, kWall);
  FakeControl single(100);
  Play(Load(TestGif{4, 4, 1, {Solid(0, 0, 4, 4, 1)}}), window.handle(), 0, 0, single);
  EXPECT_TRUE(single.StopRequested());
  EXPECT_TRUE(single.sleeps.empty());
  EXPECT_EQ(window.blit_count(), 1u);

  // With the repeat switch clear, one pass and then a wait for the stop flag.
  FakeWindow held_window(4, 4, kWall);
  FakeControl held(100, /*repeat=*/false);
  Play(Load(TestGif{4, 4, 2, {Solid(0, 0, 4, 4, 1), Solid(0, 0, 4, 4, 2)}}),
       held_window.handle(), 0, 0, held);
  EXPECT_EQ(held_window.blit_count(), 2u);
  EXPECT_EQ(held.holds, 1);
}

// A window whose pixels are a pattern of runs and single pixels, as a page behind an
// animation may be.
void PaintPattern(FakeWindow* window, int width, int height) {
  std::vector<uint32_t> pattern(size_t(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      pattern[size_t(y) * width + x] = (x / 5 + y) % 3 == 0 ? 0xFF000000u | uint32_t(x * 977 + y) : kWall;
    }
  }
  window->handle()->blit(window->handle()->context, 0, 0, width, height, pattern.data(), width);
}

TEST(Composition, WideCanvasesComeInBandsOfWholeRows) {
  // 300 x 250 pixels: bands of 109 rows, three blits a frame.
  TestFrame frame = Solid(0, 0, 300, 250, 1);
  for (size_t i = 0; i < frame.indices.size(); ++i) frame.indices[i] = uint8_t(i % 251 % 8);
  FakeWindow window(300, 250, kWall);
  FakeControl control(2);
  Play(Load(TestGif{300, 250, 3, {frame, frame}}), window.handle(), 0, 0, control);
  const auto blits = window.blits();
  ASSERT_EQ(blits.size(), 6u);
  EXPECT_EQ(blits[0].y, 0);
  EXPECT_EQ(blits[1].y, 109);
  EXPECT_EQ(blits[2].y + blits[2].height, 250);
  for (int y = 0; y < 250; y += 7) {
    for (int x = 0; x < 300; x += 3) {
      ASSERT_EQ(window.pixel(x, y), Color(frame.indices[size_t(y) * 300 + x])) << x << "," << y;
    }
  }
}

TEST(Composition, TheSavedBackgroundShowsThroughAndComesBack) {
  TestFrame holes = Solid(10, 5, 40, 20, 3);
  holes.transparent = 7;
  for (size_t i = 0; i < holes.indices.size(); i += 3) holes.indices[i] = 7;
  TestFrame restore = Solid(0, 0, 4, 4, 2);
  restore.disposal = 2;
  const TestGif gif{64, 48, 3, {holes, restore}};

  FakeWindow reference(64, 48, kWall);
  PaintPattern(&reference, 64, 48);
  FakeWindow window(64, 48, kWall);
  PaintPattern(&window, 64, 48);
  FakeControl control(2);
  Play(Load(gif), window.handle(), 0, 0, control);
  const auto blits = window.blits();
  ASSERT_EQ(blits.size(), 3u);  // the pattern, then two frames
  for (int y = 0; y < 48; ++y) {
    for (int x = 0; x < 64; ++x) {
      const bool in_frame = x >= 10 && x < 50 && y >= 5 && y < 25;
      const bool hole = in_frame && (size_t(y - 5) * 40 + (x - 10)) % 3 == 0;
      const uint32_t expected = in_frame && !hole ? Color(3) : reference.pixel(x, y);
      ASSERT_EQ(At(blits[1], x, y), expected) << x << "," << y;
      // The second frame restored the background before it was drawn.
      ASSERT_EQ(At(blits[2], x, y), x < 4 && y < 4 ? Color(2) : reference.pixel(x, y));
    }
  }

  // No room for the saved background: black stands for it.
  AnimationData animation = Load(gif);
  animation.background_budget = 100;
  FakeWindow tight(64, 48, kWall);
  FakeControl once(1);
  Play(animation, tight.handle(), 0, 0, once);
  EXPECT_EQ(tight.pixel(10, 5), 0xFF000000u);
  EXPECT_EQ(tight.pixel(11, 5), Color(3));
  EXPECT_EQ(tight.pixel(0, 0), 0xFF000000u);
}

TEST(Composition, MoreThan255FramesEachKeepTheirPixels) {
  // 300 one-pixel frames side by side, each with its own colour.
  TestGif gif{20, 15, 8, {}};
  for (int i = 0; i < 300; ++i) gif.frames.push_back(Solid(i % 20, i / 20, 1, 1, uint8_t(i % 251)));
  // With no budget to spare, the canvas stays two bytes a pixel of frame numbers.
  for (uint64_t budget : {uint64_t{0}, uint64_t{1} << 20}) {
    AnimationData animation = Load(gif);
    animation.background_budget = budget;
    FakeWindow window(20, 15, kWall, false);
    FakeControl control(300);
    Play(animation, window.handle(), 0, 0, control);
    for (int i = 0; i < 300; ++i) ASSERT_EQ(window.pixel(i % 20, i / 20), Color(i % 251)) << i;
  }
}

TEST(Composition, OnlyWhatChangedIsShownAgain) {
  // Two small frames over a large canvas, the second restoring the background first.
  TestFrame first = Solid(10, 10, 20, 20, 1);
  TestFrame second = Solid(100, 50, 10, 10, 2);
  TestFrame third = Solid(60, 20, 5, 5, 3);
  third.disposal = 2;
  FakeWindow window(200, 100, kWall);
  PaintPattern(&window, 200, 100);
  FakeControl control(3);
  Play(Load(TestGif{200, 100, 3, {first, second, third}}), window.handle(), 0, 0, control);
  const auto blits = window.blits();
  ASSERT_EQ(blits.size(), 4u);  // the pattern, the whole canvas, then each frame's rectangle
  EXPECT_EQ(blits[1].width * blits[1].height, 200 * 100);
  EXPECT_EQ(std::vector<int>({blits[2].x, blits[2].y, blits[2].width, blits[2].height}),
            std::vector<int>({100, 50, 10, 10}));
  // The restore touched what both earlier frames drew: the rectangle around them.
  EXPECT_EQ(std::vector<int>({blits[3].x, blits[3].y, blits[3].width, blits[3].height}),
            std::vector<int>({10, 10, 100, 50}));
  EXPECT_EQ(At(blits[3], 10, 10), At(blits[0], 10, 10));
  EXPECT_EQ(At(blits[3], 105, 55), At(blits[0], 105, 55));
  EXPECT_EQ(At(blits[3], 62, 22), Color(3));
}

// Frames of random places, sizes, holes and disposals: after each frame the window shows what
// composing the canvas afresh shows, whatever part of it was handed over, with the canvas kept
// as frame numbers or as pixels.
TEST(Composition, ShowingTheChangesMatchesComposingTheWholeCanvas) {
  for (bool keep_pixels : {false, true}) {
    SCOPED_TRACE(keep_pixels ? "pixels" : "frame numbers");
    constexpr int kWidth = 90, kHeight = 70;
    uint32_t seed = 12345;
    const auto next = [&seed](uint32_t n) {
      seed = seed * 1103515245u + 12345u;
      return (seed >> 8) % n;
    };
    for (int round = 0; round < 8; ++round) {
      SCOPED_TRACE(round);
      TestGif gif{kWidth, kHeight, 3, {}};
      for (int i = 0; i < 12; ++i) {
        const int width = 1 + int(next(kWidth)), height = 1 + int(next(kHeight));
        TestFrame frame = Solid(int(next(kWidth)), int(next(kHeight)), width, height, 0);
        for (uint8_t& index : frame.indices) index = uint8_t(next(8));
        if (next(2)) {
          frame.transparent = int(next(8));
          // Mostly holes now and then: a few opaque pixels far apart.
          if (next(2)) {
            for (uint8_t& index : frame.indices) index = next(16) ? uint8_t(frame.transparent) : index;
          }
        }
        frame.disposal = int(next(4));
        gif.frames.push_back(frame);
      }
      const AnimationData animation = Load(gif);
      FakeWindow window(animation.canvas_width + 20, animation.canvas_height + 20, kWall);
      PaintPattern(&window, animation.canvas_width + 20, animation.canvas_height + 20);
      const auto painted = window.blits();
      // The canvas at (7, 5), composed the plain way from the window's own pixels.
      std::vector<uint32_t> canvas, background;
      for (int y = 0; y < animation.canvas_height; ++y) {
        for (int x = 0; x < animation.canvas_width; ++x) background.push_back(At(painted[0], 7 + x, 5 + y));
      }
      canvas = background;
      // What the player does in a pass.
      Composition composition(animation);
      composition.SaveBackground(window.handle(), 7, 5, animation.background_budget);
      EXPECT_EQ(composition.KeepPixels(keep_pixels ? animation.background_budget : 0), keep_pixels);
      for (const AnimationFrame& frame : animation.frames) {
        const int disposal = frame.control.disposal();
        if (disposal == 2 || disposal == 3) {
          composition.RestoreBackground();
          canvas = background;
        }
        composition.Draw(size_t(&frame - animation.frames.data()));
        composition.Show(window.handle(), 7, 5);
        const ImageDescriptor& d = frame.descriptor;
        for (int y = d.top; y < std::min<int>(d.top + d.height, animation.canvas_height); ++y) {
          for (int x = d.left; x < std::min<int>(d.left + d.width, animation.canvas_width); ++x) {
            const uint8_t index = frame.pixels.row(y - d.top)[x - d.left];
            if (!frame.control.transparent() || index != frame.control.transparent_index()) {
              canvas[size_t(y) * animation.canvas_width + x] = frame.colors[index];
            }
          }
        }
        for (int y = 0; y < animation.canvas_height; ++y) {
          for (int x = 0; x < animation.canvas_width; ++x) {
            ASSERT_EQ(window.pixel(7 + x, 5 + y), canvas[size_t(y) * animation.canvas_width + x])
                << x << "," << y << " after frame " << (&frame - animation.frames.data());
          }
        }
      }
    }
  }
}

TEST(BitmapsFromGif, ModesDecideMaskAndPalette) {
  TestFrame frame = Solid(0, 0, 3, 2, 4);
  frame.indices[1] = 9;
  frame.transparent = 9;
  TempFile file("still.gif", BuildGif(TestGif{3, 2, 5, {frame}}));

  HBITMAP mask, image;
  HPALETTE palette;
  ASSERT_EQ(dzBitmapsFromGif(nullptr, file.path(), 0, &mask, &image, &palette), 1);
  ASSERT_NE(mask, nullptr);
  EXPECT_EQ(palette, nullptr);
  EXPECT_EQ(dzBitmapPixels(image)[1], 0xFF000000u);  // transparent pixels draw black
  EXPECT_EQ(dzBitmapPixels(mask)[1], 0xFFFFFFFFu);
  EXPECT_EQ(dzBitmapPixels(mask)[0], 0xFF000000u);
  EXPECT_EQ(dzBitmapPixels(image)[0], Color(4));
  dzDeleteBitmap(mask);
  dzDeleteBitmap(image);

  ASSERT_EQ(dzBitmapsFromGif(nullptr, file.path(), 4, &mask, &image, &palette), 1);
  EXPECT_EQ(mask, nullptr);
  EXPECT_EQ(palette, nullptr);
  EXPECT_EQ(dzBitmapPixels(image)[1], Color(9));
  dzDeleteBitmap(image);

  dzPaletteEntry entries[256];
  for (int mode : {1, 2, 3}) {
    SCOPED_TRACE(mode);
    ASSERT_EQ(dzBitmapsFromGif(nullptr, file.path(), mode, &mask, &image, &palette), 1);
    ASSERT_NE(palette, nullptr);
    const int size = dzGetPaletteEntries(palette, entries, 256);
    if (mode == 1) {
      EXPECT_EQ(size, 256);
      EXPECT_EQ(entries[200].red, 200);
      EXPECT_EQ(entries[200].flags, 1);
    } else if (mode == 2) {
      EXPECT_EQ(size, 256);
      EXPECT_EQ(entries[1].red, 63);  // red changes fastest, then green, then blue
      EXPECT_EQ(entries[8].green, 63);
      EXPECT_EQ(entries[255].blue, 255);
    } else {
      EXPECT_EQ(size, 32);
      EXPECT_EQ(entries[4].green, 251);
      EXPECT_EQ(entries[9].green, 0);  // the transparent colour became black
    }
    dzDeleteBitmap(mask);
    dzDeleteBitmap(image);
    dzDeletePalette(palette);
  }

  // A null out-parameter: 0 at once; a file without images: 1 and nothing.
  EXPECT_EQ(dzBitmapsFromGif(nullptr, file.path(), 0, nullptr, &image, &palette), 0);
  TempFile empty("empty.gif", BuildGif(TestGif{3, 2, 1, {}}));
  EXPECT_EQ(dzBitmapsFromGif(nullptr, empty.path(), 0, &mask, &image, &palette), 1);
  EXPECT_EQ(image, nullptr);
  EXPECT_EQ(mask, nullptr);
}

// Images whose indices decode into their own bitmap's last quarter and are widened there give
// the same pixels and mask (or, ignoring transparency, none) as their indices decoded apart, plain or interlaced, and cut short
// at many points of their data (rows not decoded, the partial row among them, are index 0).
// The rows are long, so that some cut lands in the middle of a row.
TEST(BitmapsFromGif, WideningInPlaceMatchesTheWholeIndices) {
  constexpr int kWidth = 1999, kHeight = 41, kKey = 5;
  TestFrame frame = Solid(0, 0, kWidth, kHeight, 0);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      frame.indices[size_t(y) * kWidth + x] = uint8_t((x / 7 + y / 3 * 5 + (x * y) % 3) % 32);
    }
  }
  frame.transparent = kKey;
  for (bool interlaced : {false, true}) {
    frame.interlaced = interlaced;
    const std::vector<uint8_t> file_bytes = BuildGif(TestGif{kWidth, kHeight, 5, {frame}});
    for (int cut = 0; cut <= 40; ++cut) {
      SCOPED_TRACE(testing::Message() << "interlaced " << interlaced << " cut " << cut);
      std::vector<uint8_t> bytes = file_bytes;
      if (cut > 0) bytes.resize(bytes.size() * (40 + cut) / 82);
      TempFile file("wide.gif", bytes);

      ByteSource in(bytes.data(), bytes.size());
      FrameReader reader(in);
      ASSERT_EQ(reader.Start(), kNoError);
      DecodedFrame whole;
      bool done = false;
      ASSERT_EQ(reader.Next(&whole, &done), kNoError);
      EXPECT_EQ(whole.decoded, cut > 0 ? kCorrupt : kNoError);

      // Mode 0 with the mask; mode 4 without, the key keeping its colour.
      for (int mode : {0, 4}) {
        HBITMAP mask, image;
        HPALETTE palette;
        ASSERT_EQ(dzBitmapsFromGif(nullptr, file.path(), mode, &mask, &image, &palette), 1);
        EXPECT_EQ(GetError(nullptr), cut > 0 ? 2 : 0);
        ASSERT_EQ(mask != nullptr, mode == 0);
        const uint32_t* pixels = dzBitmapPixels(image);
        const uint32_t* bits = dzBitmapPixels(mask);
        for (size_t i = 0; i < size_t(kWidth) * kHeight; ++i) {
          const int index = whole.pixels.data()[i];
          const bool key = index == kKey && mode == 0;
          ASSERT_EQ(pixels[i], key ? 0xFF000000u : Color(index)) << "mode " << mode << " pixel " << i;
          if (mode == 0) {
            ASSERT_EQ(bits[i], key ? 0xFFFFFFFFu : 0xFF000000u) << "pixel " << i;
          }
        }
        dzDeleteBitmap(mask);
        dzDeleteBitmap(image);
      }
    }
  }
}

TEST(PlaybackThreads, StartStopAndHandleLifetime) {
  EXPECT_EQ(dzStopGif(nullptr), 1);
  EXPECT_EQ(dzPlayGif(nullptr, 0, 0, "/nonexistent.gif", 0), nullptr);
  EXPECT_EQ(GetError(nullptr), 1);
  // A good file and no window to draw into: refused, not a thread that draws through null.
  TempFile good("good.gif", BuildGif(TestGif{2, 2, 1, {Solid(0, 0, 2, 2, 1), Solid(0, 0, 2, 2, 0)}}));
  EXPECT_EQ(dzPlayGif(nullptr, 0, 0, good.path(), 0), nullptr);
  EXPECT_EQ(GetError(nullptr), 5);
  EXPECT_EQ(dzPlayGifOnce(nullptr, 0, 0, good.path(), 0), nullptr);
  EXPECT_EQ(GetError(nullptr), 5);
  dzWindow blind{nullptr, nullptr, nullptr};
  EXPECT_EQ(dzPlayGif(&blind, 0, 0, good.path(), 0), nullptr);
  EXPECT_EQ(GetError(nullptr), 5);

  // Within a caller's own limit: refused with code 4 when the frames need more, and otherwise
  // told what it may hold, never more than asked.
  uint64_t held = 1;
  FakeWindow small_window(8, 8, kWall, false);
  EXPECT_EQ(dzPlayGifWithin(small_window.handle(), 0, 0, good.path(), 0, 16, &held), nullptr);
  EXPECT_EQ(GetError(nullptr), 4);
  EXPECT_EQ(held, 0u);
  HANIMATION within =
      dzPlayGifWithin(small_window.handle(), 0, 0, good.path(), 0, uint64_t{1} << 40, &held);
  ASSERT_NE(within, nullptr);
  EXPECT_GT(held, 0u);
  EXPECT_LT(held, uint64_t{1} << 20);
  EXPECT_EQ(dzStopGif(within), 1);

  // A single frame is drawn once and its thread ends by itself; stopping it later is harmless.
  TempFile still("one.gif", BuildGif(TestGif{2, 2, 1, {Solid(0, 0, 2, 2, 1)}}));
  FakeWindow window(8, 8, kWall, false);
  HANIMATION one = dzPlayGif(window.handle(), 1, 1, still.path(), 0);
  ASSERT_NE(one, nullptr);
  EXPECT_TRUE(Eventually([&] { return window.blit_count() == 1; }));
  EXPECT_EQ(dzStopGif(one), 1);
  EXPECT_EQ(dzStopGif(one), 1);  // already stopped: found nowhere, touches nothing

  // A long-delay animation stops promptly instead of finishing its delay.
  TempFile slow("slow.gif", BuildGif(TestGif{2, 2, 1, {Solid(0, 0, 2, 2, 1, 3000),
                                                        Solid(0, 0, 2, 2, 0, 3000)}}));
  FakeWindow slow_window(8, 8, kWall, false);
  HANIMATION running = dzPlayGif(slow_window.handle(), 0, 0, slow.path(), 0);
  ASSERT_NE(running, nullptr);
  EXPECT_TRUE(Eventually([&] { return slow_window.blit_count() == 1; }));
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(dzStopGif(running), 1);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
  EXPECT_EQ(slow_window.blit_count(), 1u);
}

// A window whose first drawing takes longer than dzStopGif waits: once dzStopGif has
// returned, the caller may free the window, so no call may still be under way or come later.
struct StuckWindow {
  static void Blit(void* self, int, int, int, int, const uint32_t*, int) {
    auto* window = static_cast<StuckWindow*>(self);
    window->inside = true;
    if (window->calls++ == 0) std::this_thread::sleep_for(std::chrono::milliseconds(5400));
    window->inside = false;
  }
  static void Capture(void*, int, int, int, int, uint32_t* pixels, int) { pixels[0] = 0; }
  std::atomic<bool> inside{false};
  std::atomic<int> calls{0};
  dzWindow window{this, &Blit, &Capture};
};

TEST(PlaybackThreads, NothingReachesTheWindowOnceStopHasReturned) {
  TempFile file("stuck.gif", BuildGif(TestGif{2, 2, 1, {Solid(0, 0, 2, 2, 1, 1),
                                                         Solid(0, 0, 2, 2, 0, 1)}}));
  auto stuck = std::make_unique<StuckWindow>();
  HANIMATION animation = dzPlayGif(&stuck->window, 0, 0, file.path(), 0);
  ASSERT_NE(animation, nullptr);
  ASSERT_TRUE(Eventually([&] { return stuck->inside.load(); }));
  EXPECT_EQ(dzStopGif(animation), 1);
  EXPECT_FALSE(stuck->inside.load());
  const int calls = stuck->calls.load();
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_EQ(stuck->calls.load(), calls);
  stuck.reset();
}

TEST(PlaybackThreads, PlayOnceHoldsTheLastFrame) {
  TempFile file("twice.gif", BuildGif(TestGif{2, 2, 1, {Solid(0, 0, 2, 2, 1, 1),
                                                         Solid(0, 0, 2, 2, 0, 1)}}));
  FakeWindow window(4, 4, kWall, false);
  HANIMATION once = dzPlayGifOnce(window.handle(), 0, 0, file.path(), 0);
  ASSERT_NE(once, nullptr);
  EXPECT_TRUE(Eventually([&] { return window.blit_count() == 2; }));
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_EQ(window.blit_count(), 2u);
  EXPECT_EQ(window.pixel(0, 0), Color(0));
  EXPECT_EQ(dzStopGif(once), 1);  // the ending thread sets the repeat switch again

  HANIMATION again = dzPlayGif(window.handle(), 0, 0, file.path(), 0);
  EXPECT_TRUE(Eventually([&] { return window.blit_count() >= 5; }));
  dzStopGif(again);
}

}  // namespace
}  // namespace framix32::test
