#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

namespace browser {

// What everything decoded from one document may hold in memory together: the lines and
// members of its containers, its pictures and its animation frames. A document is written by
// a stranger and a few kilobytes of it can claim gigabytes; past this the rest is refused and
// degrades as a missing picture or a refused animation does.
inline constexpr uint64_t kDocumentMemoryBudget = uint64_t{160} << 20;

// A count of bytes taken and given back. Take and Give may be called from any thread.
class MemoryBudget {
 public:
  explicit MemoryBudget(uint64_t limit = kDocumentMemoryBudget) : limit_(limit) {}
  MemoryBudget(const MemoryBudget&) = delete;
  MemoryBudget& operator=(const MemoryBudget&) = delete;

  // Takes `bytes` when they fit in what is left; otherwise takes nothing, tells the refusal
  // handler (once until Reset) what was refused and answers false.
  bool Take(uint64_t bytes, const std::string& what);
  void Give(uint64_t bytes);
  // Tells the refusal handler, as Take does, that `what` did not fit.
  void Refuse(const std::string& what);
  // Tells the refusal handler `line` unless a refusal was told since ResetRefusals: one line
  // per document however much is refused.
  void Tell(const std::string& line);
  // A new document: a refusal is told again.
  void ResetRefusals() { told_ = false; }

  // Called with a line such as "document memory budget of 160 MiB spent: picture x.bmp not
  // loaded" (any thread).
  void set_refusal_handler(std::function<void(const std::string&)> handler) {
    on_refused_ = std::move(handler);
  }

  uint64_t used() const { return used_.load(); }
  uint64_t limit() const { return limit_; }

 private:
  const uint64_t limit_;
  std::atomic<uint64_t> used_{0};
  std::atomic<bool> told_{false};
  std::function<void(const std::string&)> on_refused_;
};

// Bytes taken from a budget for as long as this lives (moves along with its owner).
class BudgetShare {
 public:
  BudgetShare() = default;
  BudgetShare(MemoryBudget* budget, uint64_t bytes) : budget_(budget), bytes_(bytes) {}
  BudgetShare(BudgetShare&& other) noexcept : budget_(other.budget_), bytes_(other.bytes_) {
    other.budget_ = nullptr;
  }
  BudgetShare& operator=(BudgetShare&& other) noexcept {
    if (this != &other) {
      Release();
      budget_ = other.budget_;
      bytes_ = other.bytes_;
      other.budget_ = nullptr;
    }
    return *this;
  }
  ~BudgetShare() { Release(); }

 private:
  void Release() {
    if (budget_ != nullptr) budget_->Give(bytes_);
    budget_ = nullptr;
  }

  MemoryBudget* budget_ = nullptr;
  uint64_t bytes_ = 0;
};

}  // namespace browser
