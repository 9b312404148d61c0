#pragma once

#include <cstddef>
#include <cstdint>

namespace browser {

// The work one event may do, all its nested runs together. Scripts run on the window's
// thread: an event that passes either limit ends there, as a run ends at the depth limit,
// so no document holds the window for long. Ordinary events use a few hundred items and
// a few thousand characters; the limits keep the slowest event of a 64 KB document near
// 50 ms on a release build.
//
// Items: items executed, items stepped over by block skipping, scripts compared while
// looking an event's script up, property assignments made.
inline constexpr int64_t kEventItemBudget = 50'000;
// Characters: characters that expansion reads and produces (a reference counts as 32), that
// appending produces, that conversions and comparisons read.
inline constexpr int64_t kEventCharacterBudget = int64_t{8} << 20;

// What is left of one event's budget. The run loop gives every outermost run a fresh one.
class EventBudget {
 public:
  // Each answers false, and the budget is spent from then on, when the work does not fit
  // in what is left.
  bool ChargeItems(int64_t count) { return Charge(items_left_, count); }
  bool ChargeCharacters(size_t count) {
    return Charge(characters_left_, static_cast<int64_t>(count));
  }
  // Ends the event's runs though work is left (the variables' memory is full).
  void Spend() { spent_ = true; }

  bool spent() const { return spent_; }
  int64_t items_left() const { return items_left_; }
  int64_t characters_left() const { return characters_left_; }

 private:
  bool Charge(int64_t& left, int64_t count) {
    if (spent_ || count > left) {
      spent_ = true;
      return false;
    }
    left -= count;
    return true;
  }

  int64_t items_left_ = kEventItemBudget;
  int64_t characters_left_ = kEventCharacterBudget;
  bool spent_ = false;
};

}  // namespace browser
