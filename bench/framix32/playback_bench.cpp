// What an animation costs while it plays: every frame of an animation loaded beforehand composed
// and handed to a window whose blit copies the pixels into a screen of its own, against
// decoding every frame of the same file to 32 bits: giflib's DGifSlurp, or the bare frame
// reader from memory, each frame then expanded through its colour table. The Speed cases run
// both in turn, file by file, and give the decoding's time over the playing's ("speed" for the
// files together, "geomean" of their own ratios; above 1/3 means a frame plays in less than
// three times its decoding) and the playing's CPU time a frame.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <ctime>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "animation.h"
#include "bench_corpus.h"
#include "byte_source.h"
#include "frame_loader.h"
#include "player.h"
#include "timed_turns.h"

namespace framix32::bench {
namespace {

// A screen as large as the canvas that takes each blit's rows.
class ScreenWindow {
 public:
  explicit ScreenWindow(const AnimationData& animation)
      : width_(std::max(animation.canvas_width, 1)),
        screen_(size_t(width_) * std::max(animation.canvas_height, 1)),
        window_{this, &ScreenWindow::OnBlit, &ScreenWindow::OnCapture} {}
  dzWindow* handle() { return &window_; }

 private:
  static void OnBlit(void* context, int x, int y, int width, int height, const uint32_t* pixels,
                     int stride) {
    auto* self = static_cast<ScreenWindow*>(context);
    for (int r = 0; r < height; ++r) {
      std::memcpy(self->screen_.data() + size_t(y + r) * self->width_ + x,
                  pixels + size_t(r) * stride, size_t(width) * sizeof(uint32_t));
    }
    benchmark::ClobberMemory();
  }
  static void OnCapture(void* context, int x, int y, int width, int height, uint32_t* pixels,
                        int stride) {
    auto* self = static_cast<ScreenWindow*>(context);
    for (int r = 0; r < height; ++r) {
      std::memcpy(pixels + size_t(r) * stride, self->screen_.data() + size_t(y + r) * self->width_ + x,
                  size_t(width) * sizeof(uint32_t));
    }
  }

  int width_;
  std::vector<uint32_t> screen_;
  dzWindow window_;
};

// One pass over the frames, never sleeping.
class OnePass : public PlaybackControl {
 public:
  explicit OnePass(size_t frames) : frames_(frames) {}
  bool StopRequested() override { return stop_; }
  void RequestStop() override { stop_ = true; }
  bool RepeatSwitch() override { return true; }
  void Sleep(int) override { stop_ = ++slept_ >= frames_; }
  void Hold() override { stop_ = true; }

 private:
  size_t frames_;
  size_t slept_ = 0;
  bool stop_ = false;
};

const AnimationData& Loaded(const CorpusFile& file) {
  static std::map<const CorpusFile*, std::unique_ptr<AnimationData>> loaded;
  std::unique_ptr<AnimationData>& animation = loaded[&file];
  if (animation == nullptr) {
    animation = std::make_unique<AnimationData>();
    ByteSource in(file.bytes.data(), file.bytes.size());
    ErrorCode last;
    LoadAnimation(in, LoadLimits{}, animation.get(), &last);
  }
  return *animation;
}

void PlayOnce(const AnimationData& animation, ScreenWindow* window) {
  OnePass control(animation.frames.size());
  Play(animation, window->handle(), 0, 0, control);
}

// Every frame through the bare frame reader from memory, each expanded to 32 bits.
long FrameReaderMemoryBgra(const CorpusFile& file) {
  ByteSource in(file.bytes.data(), file.bytes.size());
  return FrameReaderBgra(in, true);
}

// Playing and decoding file by file in turn: "speed" the decoding's time over the playing's
// for the files together, "geomean" and "slowest" of the files' own ratios, and the playing's
// CPU time a frame.
void BM_PlaybackSpeed(benchmark::State& state, std::vector<const CorpusFile*> files,
                      long (*reference)(const CorpusFile&)) {
  std::vector<std::unique_ptr<ScreenWindow>> windows;
  size_t frames = 0;
  for (const CorpusFile* file : files) {
    windows.push_back(std::make_unique<ScreenWindow>(Loaded(*file)));
    frames += Loaded(*file).frames.size();
  }
  const ItemSeconds seconds = TimeItemsInTurns(
      state, files.size(), [&](size_t i) { PlayOnce(Loaded(*files[i]), windows[i].get()); },
      [&](size_t i) { benchmark::DoNotOptimize(reference(*files[i])); });
  CountSpeed(state, seconds);
  double play_seconds = 0;
  for (double s : seconds.path) play_seconds += s;
  state.counters["us/frame"] = frames == 0 ? 0 : play_seconds * 1e6 / double(frames);
  state.counters["frames"] = double(frames);
}

}  // namespace

// The animation of the most frames and that of the most pixels on their own, and every
// animation of the corpus.
void RegisterPlaybackBenchmarks() {
  const std::vector<const CorpusFile*> animations = CorpusGroup(Group::kAnimation);
  if (animations.empty()) return;
  const CorpusFile* longest = *std::max_element(
      animations.begin(), animations.end(), [](const CorpusFile* a, const CorpusFile* b) {
        return Loaded(*a).frames.size() < Loaded(*b).frames.size();
      });
  const CorpusFile* largest = *std::max_element(
      animations.begin(), animations.end(),
      [](const CorpusFile* a, const CorpusFile* b) { return a->pixels < b->pixels; });
  const std::pair<std::string, std::vector<const CorpusFile*>> kSets[] = {
      {longest->name, {longest}}, {largest->name, {largest}}, {"animation", animations}};
  const std::pair<const char*, long (*)(const CorpusFile&)> kReferences[] = {
      {"giflib-bgra", GiflibAnimationBgra}, {"frame-reader-bgra", FrameReaderMemoryBgra}};
  for (const auto& [set, files] : kSets) {
    for (const auto& [name, reference] : kReferences) {
      benchmark::RegisterBenchmark(("Speed/Playback:" + std::string(name) + "/" + set).c_str(),
                                   BM_PlaybackSpeed, files, reference)
          ->Unit(benchmark::kMillisecond)
          ->MinWarmUpTime(0.5)
          ->MinTime(2);
    }
  }
}

}  // namespace framix32::bench
