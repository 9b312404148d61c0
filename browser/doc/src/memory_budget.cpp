#include "browser/doc/memory_budget.h"

namespace browser {

bool MemoryBudget::Take(uint64_t bytes, const std::string& what) {
  uint64_t used = used_.load();
  while (bytes <= limit_ - used) {
    if (used_.compare_exchange_weak(used, used + bytes)) return true;
  }
  Refuse(what);
  return false;
}

void MemoryBudget::Refuse(const std::string& what) {
  Tell("document memory budget of " + std::to_string(limit_ >> 20) + " MiB spent: " + what);
}

void MemoryBudget::Tell(const std::string& line) {
  if (!told_.exchange(true) && on_refused_) on_refused_(line);
}

void MemoryBudget::Give(uint64_t bytes) { used_.fetch_sub(bytes); }

}  // namespace browser
