// Two pieces of work timed against each other on the thread's CPU clock.
#ifndef BENCH_FRAMIX32_TIMED_TURNS_H_
#define BENCH_FRAMIX32_TIMED_TURNS_H_

#include <benchmark/benchmark.h>

#include <ctime>

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

}  // namespace framix32::bench

#endif  // BENCH_FRAMIX32_TIMED_TURNS_H_
