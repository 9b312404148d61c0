// The threads animations play on: parked after a task and used again, at idle priority, and
// no more kept than the pool parks.
#include <gtest/gtest.h>
#include <sched.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "eventually.h"
#include "worker_pool.h"

namespace framix32 {
namespace {

using test::Eventually;

TEST(WorkerPool, ATaskAfterAnotherRunsOnItsParkedThreadAtIdlePriority) {
  // `then` runs once the thread is parked, so that the next task can have it at once.
  WorkerPool pool;
  std::mutex mutex;
  std::thread::id first, second;
  int policy = -1;
  std::atomic<int> parked_at_then{-1};
  std::atomic<bool> then_ran{false};
  pool.Run(
      [&] {
        std::lock_guard lock(mutex);
        first = std::this_thread::get_id();
        policy = sched_getscheduler(0);
      },
      [&] {
        // The thread is already free for the next task.
        parked_at_then = static_cast<int>(pool.ParkedCount());
        then_ran = true;
      });
  ASSERT_TRUE(Eventually([&] { return then_ran.load(); }));
  EXPECT_EQ(parked_at_then, 1);
  pool.Run([&] {
    std::lock_guard lock(mutex);
    second = std::this_thread::get_id();
  });
  ASSERT_TRUE(Eventually([&] { return pool.ParkedCount() == 1; }));
  std::lock_guard lock(mutex);
  EXPECT_EQ(first, second);
  EXPECT_NE(first, std::this_thread::get_id());
  EXPECT_EQ(policy, SCHED_IDLE);
  EXPECT_EQ(pool.ThreadCount(), 1u);
}

TEST(WorkerPool, ATaskNotYetStartedIsTakenBackAndItsThreadParksAgain) {
  WorkerPool pool;
  std::mutex mutex;
  std::condition_variable release;
  bool go = false;
  std::atomic<bool> in_then{false};
  std::atomic<int> ran{0};
  // The first task's `then` holds its thread, already parked, so that the second task is
  // given to that thread and waits there, not started.
  const WorkerPool::Ticket first = pool.Run([&] { ++ran; },
                                            [&] {
                                              in_then = true;
                                              std::unique_lock lock(mutex);
                                              release.wait(lock, [&] { return go; });
                                            });
  ASSERT_TRUE(Eventually([&] { return in_then.load(); }));
  const WorkerPool::Ticket second = pool.Run([&] { ran += 10; }, [&] { ran += 100; });
  EXPECT_FALSE(pool.Withdraw(first));  // started long ago
  EXPECT_TRUE(pool.Withdraw(second));
  EXPECT_FALSE(pool.Withdraw(second));  // taken back already
  EXPECT_EQ(pool.ParkedCount(), 1u);
  {
    std::lock_guard lock(mutex);
    go = true;
  }
  release.notify_all();
  // The thread is free again: a third task runs on it, and the withdrawn one never does.
  std::atomic<bool> third_ran{false};
  const WorkerPool::Ticket third = pool.Run([&] { third_ran = true; });
  ASSERT_TRUE(Eventually([&] { return third_ran.load() && pool.ParkedCount() == 1; }));
  EXPECT_FALSE(pool.Withdraw(third));
  EXPECT_EQ(ran, 1);
  EXPECT_EQ(pool.ThreadCount(), 1u);
}

TEST(WorkerPool, TasksAtOnceEachHaveAThreadAndOnlySomeStayParked) {
  std::atomic<int> finished{0};
  {
    WorkerPool pool;
    std::mutex mutex;
    std::condition_variable release;
    bool go = false;
    std::atomic<int> running{0};
    constexpr int kTasks = WorkerPool::kMaxParked + 6;
    for (int i = 0; i < kTasks; ++i) {
      pool.Run([&] {
        ++running;
        std::unique_lock lock(mutex);
        release.wait(lock, [&] { return go; });
        ++finished;
      });
    }
    // None waits for another to end.
    ASSERT_TRUE(Eventually([&] { return running == kTasks; }));
    EXPECT_EQ(pool.ThreadCount(), size_t{kTasks});
    {
      std::lock_guard lock(mutex);
      go = true;
    }
    release.notify_all();
    ASSERT_TRUE(Eventually([&] { return finished == kTasks; }));
    EXPECT_TRUE(Eventually([&] { return pool.ThreadCount() == WorkerPool::kMaxParked; }));
    // A task still running when the pool goes is waited for.
    pool.Run([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      ++finished;
    });
  }
  EXPECT_EQ(finished, WorkerPool::kMaxParked + 7);
}

}  // namespace
}  // namespace framix32
