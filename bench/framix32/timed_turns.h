// Two pieces of work timed against each other on the thread's CPU clock.
#ifndef BENCH_FRAMIX32_TIMED_TURNS_H_
#define BENCH_FRAMIX32_TIMED_TURNS_H_

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <ctime>
#include <vector>

namespace framix32::bench {

inline double ThreadSeconds() {
  timespec now;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

struct TurnSeconds {
  double first = 0, second = 0;
};

// The seconds `first` and `second` took over the iterations of `state`, both run every
// iteration in the other order each time: the two share whatever the machine's speed does
// meanwhile, so their ratio holds still where the times themselves drift with the load of a
// shared machine.
template <typename First, typename Second>
TurnSeconds TimeInTurns(benchmark::State& state, First&& first, Second&& second) {
  const auto timed = [](auto& work) {
    const double start = ThreadSeconds();
    work();
    return ThreadSeconds() - start;
  };
  TurnSeconds seconds;
  bool first_first = true;
  for (auto _ : state) {
    if (first_first) seconds.first += timed(first);
    seconds.second += timed(second);
    if (!first_first) seconds.first += timed(first);
    first_first = !first_first;
  }
  return seconds;
}

// Each item's path and reference timed in turns, as above, item after item: the seconds one
// run of each took, item by item.
struct ItemSeconds {
  std::vector<double> path, reference;
};

// Times path(i) and reference(i) for every item i < items over the iterations of `state`. An
// item's runs are repeated within one reading of the clock until the quicker of the two takes
// some 20 us, so that the clock's own cost (a system call) does not pull a small file's ratio
// towards 1.
template <typename Path, typename Reference>
ItemSeconds TimeItemsInTurns(benchmark::State& state, size_t items, Path&& path,
                             Reference&& reference) {
  const auto timed = [](auto& work, size_t item, int repeats) {
    const double start = ThreadSeconds();
    for (int r = 0; r < repeats; ++r) work(item);
    return ThreadSeconds() - start;
  };
  std::vector<int> repeats(items);
  for (size_t i = 0; i < items; ++i) {
    const double quicker = std::min(timed(path, i, 1), timed(reference, i, 1));
    repeats[i] = int(std::clamp(std::ceil(20e-6 / std::max(quicker, 1e-9)), 1.0, 10000.0));
  }
  ItemSeconds seconds{std::vector<double>(items), std::vector<double>(items)};
  bool path_first = true;
  for (auto _ : state) {
    for (size_t i = 0; i < items; ++i) {
      if (path_first) seconds.path[i] += timed(path, i, repeats[i]);
      seconds.reference[i] += timed(reference, i, repeats[i]);
      if (!path_first) seconds.path[i] += timed(path, i, repeats[i]);
    }
    path_first = !path_first;
  }
  for (size_t i = 0; i < items; ++i) {
    const double runs = double(repeats[i]) * double(state.iterations());
    seconds.path[i] /= runs;
    seconds.reference[i] /= runs;
  }
  return seconds;
}

// The reference's time over the path's, as counters: "speed" over all items together (the
// aggregate), "geomean" the geometric mean of the items' own ratios, "slowest" the lowest of
// them; above 1 the path is the faster.
inline void CountSpeed(benchmark::State& state, const ItemSeconds& seconds) {
  double path = 0, reference = 0, log_sum = 0, slowest = 0;
  size_t counted = 0;
  for (size_t i = 0; i < seconds.path.size(); ++i) {
    path += seconds.path[i];
    reference += seconds.reference[i];
    if (seconds.path[i] <= 0 || seconds.reference[i] <= 0) continue;
    const double ratio = seconds.reference[i] / seconds.path[i];
    log_sum += std::log(ratio);
    slowest = counted == 0 ? ratio : std::min(slowest, ratio);
    ++counted;
  }
  state.counters["speed"] = path > 0 ? reference / path : 0;
  state.counters["geomean"] = counted > 0 ? std::exp(log_sum / double(counted)) : 0;
  state.counters["slowest"] = slowest;
  state.counters["files"] = double(seconds.path.size());
}

}  // namespace framix32::bench

#endif  // BENCH_FRAMIX32_TIMED_TURNS_H_
