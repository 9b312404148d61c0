#include "worker_pool.h"

#include <pthread.h>
#include <sched.h>

#include <algorithm>

namespace framix32 {

WorkerPool::~WorkerPool() {
  std::vector<std::unique_ptr<Worker>> workers;
  {
    std::lock_guard lock(mutex_);
    closing_ = true;
    for (auto& worker : workers_) worker->wake.notify_one();
    workers.swap(workers_);
    parked_.clear();
  }
  for (auto& worker : workers) worker->thread.join();
}

WorkerPool::Ticket WorkerPool::Run(std::function<void()> task, std::function<void()> then) {
  std::lock_guard lock(mutex_);
  JoinEnded();
  const uint64_t serial = next_serial_++;
  if (!parked_.empty()) {
    Worker* worker = parked_.back();
    parked_.pop_back();
    worker->task = std::move(task);
    worker->then = std::move(then);
    worker->serial = serial;
    worker->wake.notify_one();
    return {worker, serial};
  }
  auto worker = std::make_unique<Worker>();
  worker->task = std::move(task);
  worker->then = std::move(then);
  worker->serial = serial;
  // The new thread waits for the lock before it looks at its task.
  worker->thread = std::thread(&WorkerPool::Loop, this, worker.get());
  workers_.push_back(std::move(worker));
  return {workers_.back().get(), serial};
}

bool WorkerPool::Withdraw(const Ticket& ticket) {
  // What the task holds goes after the lock is let go.
  std::function<void()> task, then;
  std::lock_guard lock(mutex_);
  // A worker that took the task cleared it under the lock; a worker that is gone had ended
  // with no task given.
  const auto found = std::find_if(workers_.begin(), workers_.end(), [&](const auto& worker) {
    return worker.get() == ticket.worker;
  });
  if (found == workers_.end()) return false;
  Worker* worker = found->get();
  if (worker->serial != ticket.serial || worker->task == nullptr) return false;
  task.swap(worker->task);
  then.swap(worker->then);
  if (!closing_ && parked_.size() < kMaxParked) {
    parked_.push_back(worker);
  } else {
    worker->retire = true;
    worker->wake.notify_one();
  }
  return true;
}

size_t WorkerPool::ThreadCount() {
  std::lock_guard lock(mutex_);
  JoinEnded();
  return workers_.size();
}

size_t WorkerPool::ParkedCount() {
  std::lock_guard lock(mutex_);
  return parked_.size();
}

void WorkerPool::JoinEnded() {
  // An ended worker set `ended` under the lock and touches nothing of the pool after it.
  auto ended = std::stable_partition(workers_.begin(), workers_.end(),
                                     [](const auto& worker) { return !worker->ended; });
  for (auto it = ended; it != workers_.end(); ++it) (*it)->thread.join();
  workers_.erase(ended, workers_.end());
}

void WorkerPool::Loop(Worker* worker) {
  // Tasks must never delay the caller's interface.
  sched_param idle{};
  pthread_setschedparam(pthread_self(), SCHED_IDLE, &idle);
  std::unique_lock lock(mutex_);
  bool parked = true;
  while (parked) {
    worker->wake.wait(lock,
                      [&] { return worker->task != nullptr || closing_ || worker->retire; });
    if (worker->task == nullptr) break;
    std::function<void()> task = std::move(worker->task);
    std::function<void()> then = std::move(worker->then);
    worker->task = nullptr;
    worker->then = nullptr;
    lock.unlock();
    task();
    task = nullptr;  // what it holds goes before the lock is taken again
    lock.lock();
    parked = !closing_ && parked_.size() < kMaxParked;
    if (parked) parked_.push_back(worker);
    // A task given meanwhile waits in worker->task until this one's `then` has run.
    lock.unlock();
    if (then) then();
    then = nullptr;
    lock.lock();
  }
  worker->ended = true;
}

}  // namespace framix32
