// Waiting in tests of threads for what another thread does, without a fixed sleep.
#ifndef FRAMIX32_TEST_EVENTUALLY_H_
#define FRAMIX32_TEST_EVENTUALLY_H_

#include <chrono>
#include <thread>

namespace framix32::test {

// Waits until pred holds or a generous deadline (for a busy machine) passes.
template <typename Pred>
bool Eventually(Pred pred) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!pred()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

}  // namespace framix32::test

#endif  // FRAMIX32_TEST_EVENTUALLY_H_
