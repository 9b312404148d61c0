// Threads that run tasks at idle priority and then wait, parked, for the next one.
#ifndef FRAMIX32_SRC_WORKER_POOL_H_
#define FRAMIX32_SRC_WORKER_POOL_H_

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace framix32 {

// Starting a task on a parked thread costs a wake-up instead of making a thread. Each task has
// a thread to itself while it runs; afterwards its thread parks, up to kMaxParked of them, or
// ends.
class WorkerPool {
 public:
  static constexpr size_t kMaxParked = 4;

  WorkerPool() = default;
  // Waits for the tasks still running, then ends every thread.
  ~WorkerPool();
  WorkerPool(const WorkerPool&) = delete;
  WorkerPool& operator=(const WorkerPool&) = delete;

  // Names a task given to Run, for Withdraw.
  struct Ticket {
    const void* worker = nullptr;
    uint64_t serial = 0;
  };

  // Runs task on a thread of its own, then `then` on the same thread, once that thread is
  // parked (or bound to end): whoever waits for `then` may start the next task on it at
  // once. Throws std::system_error when no thread can be made.
  Ticket Run(std::function<void()> task, std::function<void()> then = nullptr);

  // Takes back the task of the ticket when its thread has not started it yet: neither it nor
  // its `then` will run, and the thread is parked again (or ends). False when the task has
  // started (or the ticket names none).
  bool Withdraw(const Ticket& ticket);

  // Threads not yet ended (running or parked), and those parked; for tests.
  size_t ThreadCount();
  size_t ParkedCount();

 private:
  struct Worker {
    std::thread thread;
    std::function<void()> task;  // set while the worker has work to start
    std::function<void()> then;
    uint64_t serial = 0;  // the ticket of the task last given
    std::condition_variable wake;
    bool retire = false;  // a withdrawn task left it without work and with no place to park
    bool ended = false;
  };
  void Loop(Worker* worker);
  // Joins the workers that ended; the lock is held.
  void JoinEnded();

  std::mutex mutex_;
  std::vector<std::unique_ptr<Worker>> workers_;
  std::vector<Worker*> parked_;
  bool closing_ = false;
  uint64_t next_serial_ = 1;
};

}  // namespace framix32

#endif  // FRAMIX32_SRC_WORKER_POOL_H_
