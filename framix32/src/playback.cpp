// dzBitmapsFromGif, dzPlayGif, dzPlayGifOnce and dzStopGif: animations on threads of their
// own, found again through a registry of handles.
#include <pthread.h>
#include <sched.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <system_error>

#include "byte_source.h"
#include "error_state.h"
#include "animation.h"
#include "frame_loader.h"
#include "framix32.h"
#include "player.h"
#include "worker_pool.h"

namespace framix32 {
namespace {

// Set while animations repeat without end; dzPlayGifOnce clears it, an ending thread sets it.
std::atomic<bool> g_repeat{true};

// One animation and the thread that plays it. The thread and dzStopGif share it through
// shared pointers, so it lives until the later of the two lets go.
class AnimationThread : public PlaybackControl {
 public:
  AnimationThread(AnimationData data, dzWindow* window, int x, int y)
      : data_(std::move(data)), window_(window), x_(x), y_(y) {}
  AnimationThread(const AnimationThread&) = delete;
  AnimationThread& operator=(const AnimationThread&) = delete;

  // Plays on a thread of the pool, which holds a reference until the animation has ended.
  // The animation counts as ended once that thread is free for the next one.
  void Start(WorkerPool& workers, std::shared_ptr<AnimationThread> self) {
    const WorkerPool::Ticket ticket =
        workers.Run([self] { self->Run(); }, [self] { self->Finish(); });
    std::lock_guard lock(mutex_);
    ticket_ = ticket;
  }

  // Sets the stop flag and waits up to timeout for the animation to end. After that it no
  // longer touches the window: one that did not end in time (an idle thread on a busy machine)
  // is cut off from it, a call in progress finished first, and frees everything when it ends.
  // One whose thread has not begun it yet is taken back from the pool at once: it has drawn
  // nothing, and its thread is free for the next one.
  void Stop(WorkerPool& workers, std::chrono::milliseconds timeout) {
    RequestStop();
    WorkerPool::Ticket ticket;
    {
      std::lock_guard lock(mutex_);
      ticket = ticket_;
    }
    if (workers.Withdraw(ticket)) {
      Finish();
      return;
    }
    {
      std::unique_lock lock(mutex_);
      // An idle thread on a busy machine may wait long for the processor; ending is what the
      // caller waits for, so it ends at normal priority.
      if (running_) {
        sched_param normal{};
        pthread_setschedparam(thread_, SCHED_OTHER, &normal);
      }
      if (wake_.wait_for(lock, timeout, [this] { return finished_; })) return;
    }
    std::lock_guard window_lock(window_mutex_);
    cut_off_ = true;
  }

  void Wake() {
    std::lock_guard lock(mutex_);
    wake_.notify_all();
  }

  bool StopRequested() override {
    std::lock_guard lock(mutex_);
    return stop_;
  }
  void RequestStop() override {
    std::lock_guard lock(mutex_);
    stop_ = true;
    wake_.notify_all();
  }
  bool RepeatSwitch() override { return g_repeat.load(); }
  void Sleep(int ms) override {
    std::unique_lock lock(mutex_);
    wake_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return stop_; });
  }
  void Hold() override {
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [this] { return stop_ || g_repeat.load(); });
  }

 private:
  void Run();
  void Finish();

  // The caller's window as the player reaches it: every call passes here, and none once Stop
  // has cut the animation off.
  static void GuardedBlit(void* self, int x, int y, int width, int height,
                          const uint32_t* pixels, int stride) {
    auto* animation = static_cast<AnimationThread*>(self);
    std::lock_guard lock(animation->window_mutex_);
    if (animation->cut_off_) return;
    animation->window_->blit(animation->window_->context, x, y, width, height, pixels, stride);
  }
  static void GuardedCapture(void* self, int x, int y, int width, int height, uint32_t* pixels,
                             int stride) {
    auto* animation = static_cast<AnimationThread*>(self);
    std::lock_guard lock(animation->window_mutex_);
    if (animation->cut_off_) return;
    animation->window_->capture(animation->window_->context, x, y, width, height, pixels,
                                stride);
  }

  AnimationData data_;
  dzWindow* window_;
  dzWindow guarded_{this, &GuardedBlit, &GuardedCapture};
  int x_, y_;
  std::mutex window_mutex_;
  bool cut_off_ = false;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stop_ = false;
  bool finished_ = false;
  bool running_ = false;  // Run is under way on thread_
  pthread_t thread_{};
  WorkerPool::Ticket ticket_;  // the pool's name for the task that plays it
};

// The handles of animations not yet stopped by dzStopGif. Handles are serial numbers, never
// reused, so a stale handle finds nothing instead of another animation.
class Registry {
 public:
  static Registry& Get() {
    static Registry registry;
    return registry;
  }

  ~Registry() {
    // At unload, stop what still runs; then workers_, the last member to go, ends its
    // threads, so that none outlives the library.
    for (auto& [id, animation] : animations_) {
      animation->Stop(workers_, std::chrono::milliseconds(5000));
    }
  }

  // The threads animations play on: a parked one starts an animation sooner than a new one.
  WorkerPool& Workers() { return workers_; }

  HANIMATION Add(std::shared_ptr<AnimationThread> animation) {
    std::lock_guard lock(mutex_);
    const uintptr_t id = next_id_++;
    animations_.emplace(id, std::move(animation));
    return reinterpret_cast<HANIMATION>(id);
  }

  std::shared_ptr<AnimationThread> Remove(HANIMATION handle) {
    std::lock_guard lock(mutex_);
    auto it = animations_.find(reinterpret_cast<uintptr_t>(handle));
    if (it == animations_.end()) return nullptr;
    std::shared_ptr<AnimationThread> animation = std::move(it->second);
    animations_.erase(it);
    return animation;
  }

  // Sets the repeat switch and wakes the animations that hold their last frame.
  void SetRepeat() {
    g_repeat.store(true);
    std::lock_guard lock(mutex_);
    for (auto& [id, animation] : animations_) animation->Wake();
  }

 private:
  WorkerPool workers_;
  std::mutex mutex_;
  uintptr_t next_id_ = 1;
  std::map<uintptr_t, std::shared_ptr<AnimationThread>> animations_;
};

void AnimationThread::Run() {
  {
    std::lock_guard lock(mutex_);
    thread_ = pthread_self();
    running_ = true;
  }
  // Playing must never delay the caller's interface (a thread raised to stop one animation
  // may play the next).
  sched_param idle{};
  pthread_setschedparam(thread_, SCHED_IDLE, &idle);
  try {
    // Stopped before it began (the pool had handed it over already): nothing to show.
    if (!StopRequested()) Play(data_, &guarded_, x_, y_, *this);
  } catch (const std::bad_alloc&) {
    // The canvas could not be made: the animation ends as if stopped.
  }
  data_.frames.clear();
  std::lock_guard lock(mutex_);
  running_ = false;
}

void AnimationThread::Finish() {
  Registry::Get().SetRepeat();
  {
    std::lock_guard lock(mutex_);
    finished_ = true;
  }
  // Outside the lock: a waiter woken under it would only wait again for the lock. Whoever
  // calls Finish holds a reference, so the animation outlives the call.
  wake_.notify_all();
}

// The palette mode chooses palettes that nothing selects on a 32-bit target: frames are drawn
// in their own colours whatever the mode.
HANIMATION StartAnimation(dzWindow* window, int x, int y, const char* path, uint64_t max_bytes,
                          uint64_t* held) {
  ByteSource in(path);
  if (!in.ok()) return SetError(kOpenError), nullptr;
  AnimationData data;
  ErrorCode last_decoded;
  LoadLimits limits;
  limits.held_bytes = std::min<uint64_t>(limits.held_bytes, max_bytes);
  if (ErrorCode code = LoadAnimation(in, limits, &data, &last_decoded); code != kNoError) {
    return SetError(code), nullptr;
  }
  // Without a window to draw into, the thread would call through a null target: the frames
  // were read (so a bad file keeps its own code) and are let go.
  if (window == nullptr || window->blit == nullptr || window->capture == nullptr) {
    return SetError(kUnsupported), nullptr;
  }
  SetError(last_decoded);
  if (held != nullptr) *held = HeldAtMost(data);
  auto animation = std::make_shared<AnimationThread>(std::move(data), window, x, y);
  HANIMATION handle = Registry::Get().Add(animation);
  try {
    animation->Start(Registry::Get().Workers(), animation);
  } catch (const std::system_error&) {
    Registry::Get().Remove(handle);
    return SetError(kMemoryError), nullptr;
  }
  return handle;
}

int BitmapsFromGif(const char* path, int mode, HBITMAP* mask, HBITMAP* image,
                   HPALETTE* palette) {
  ByteSource in(path);
  if (!in.ok()) return SetError(kOpenError), 0;
  FrameReader reader(in);
  if (ErrorCode code = reader.Start(); code != kNoError) return SetError(code), 0;
  DecodedFrame frame;
  bool done = false;
  if (ErrorCode code = reader.NextImage(&frame, &done); code != kNoError) return SetError(code), 0;
  if (done) return 1;
  if (!WithinPixelLimit(frame.descriptor.width, frame.descriptor.height, FRAMIX32_MAX_PIXELS)) {
    return SetError(kMemoryError), 0;
  }
  FrameBitmaps bitmaps;
  // Mode 4 ignores transparency: no mask, and the transparent index keeps its colour.
  if (ErrorCode code = ReadFrameBitmaps(reader, &frame, mode, mode != 4, &bitmaps);
      code != kNoError) {
    return SetError(code), 0;
  }
  SetError(frame.decoded);
  *image = bitmaps.image.release();
  *mask = bitmaps.mask.release();
  *palette = bitmaps.palette.release();
  return 1;
}

}  // namespace
}  // namespace framix32

extern "C" {

FRAMIX32_API int dzBitmapsFromGif(HWND /*window*/, const char* path, int mode, HBITMAP* mask,
                                  HBITMAP* image, HPALETTE* palette) {
  if (mask == nullptr || image == nullptr || palette == nullptr) return 0;
  *mask = nullptr;
  *image = nullptr;
  *palette = nullptr;
  framix32::SetError(framix32::kNoError);
  try {
    return framix32::BitmapsFromGif(path, mode, mask, image, palette);
  } catch (const std::bad_alloc&) {
    framix32::SetError(framix32::kMemoryError);
    return 0;
  }
}

FRAMIX32_API HANIMATION dzPlayGif(HWND window, int x, int y, const char* path, int mode) {
  return dzPlayGifWithin(window, x, y, path, mode, FRAMIX32_MAX_ANIMATION_BYTES, nullptr);
}

FRAMIX32_API HANIMATION dzPlayGifWithin(HWND window, int x, int y, const char* path,
                                        int /*mode*/, uint64_t max_bytes, uint64_t* held) {
  framix32::SetError(framix32::kNoError);
  if (held != nullptr) *held = 0;
  try {
    return framix32::StartAnimation(window, x, y, path, max_bytes, held);
  } catch (const std::bad_alloc&) {
    framix32::SetError(framix32::kMemoryError);
    return nullptr;
  }
}

FRAMIX32_API HANIMATION dzPlayGifOnce(HWND window, int x, int y, const char* path, int mode) {
  framix32::g_repeat.store(false);
  return dzPlayGif(window, x, y, path, mode);
}

FRAMIX32_API int dzStopGif(HANIMATION animation) {
  if (animation == nullptr) return 1;
  if (auto found = framix32::Registry::Get().Remove(animation)) {
    found->Stop(framix32::Registry::Get().Workers(), std::chrono::milliseconds(5000));
  }
  return 1;
}

}  // extern "C"
