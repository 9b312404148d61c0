// One event of the script interpreter: the slowest documents the fuzzer found (a script that
// starts itself and doubles a text through a reference to itself, ended by the event's work
// budget), and a long ordinary script of a few hundred items without recursion, which the
// budget must not slow down. Each document's slowest event is reported as "slowest_ms".
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <sstream>
#include <string>

#include "test_support.h"

namespace {

using browser::testing::DocumentRun;

std::string ReadCorpusFile(const std::string& name) {
  std::ifstream in(std::string(CORVANE_SCRIPT_CORPUS) + "/" + name, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// A page whose "OnLoad" runs `blocks` times: a text built from references, a counter
// increased, an appended text, a condition on each with both branches.
std::string OrdinaryDocument(int blocks) {
  std::string text = "[Main]\nnumScripts = 1\n[Script_1]\nname = OnLoad\n";
  text += "numScriptItems = " + std::to_string(blocks * 7 + 1) + "\n";
  int n = 0;
  const auto item = [&](const std::string& keys) {
    text += "[Script_1_ScriptItem_" + std::to_string(++n) + "]\n" + keys;
  };
  item("name = SetVariable\nvarName = COUNT\nvalueType = 3\nvalue = 0\n");
  for (int b = 0; b < blocks; ++b) {
    const std::string v = "V" + std::to_string(b % 20);
    item("name = SetVariable\nvarName = " + v + "\nvalue = page |APPPATH|item" +
         std::to_string(b) + ".gif of |CD_ROOT|\n");
    item("name = Modify Variable\ntargetVar = COUNT\nmainOp = Plus\nvalueType = 3\nvalue = 1\n");
    item("name = Modify Variable\ntargetVar = " + v +
         "\nmainOp = Plus\nvalueType = 8\nvalue = , seen |COUNT|\n");
    item("name = IF/WHILE Statement\nleftName = COUNT\nconstValue = 100\noperator = 3\n");
    item("name = SetVariable\nvarName = LOW\nvalue = |" + v + "|\n");
    item("name = ELSE Statement\n");
    item("name = ENDIF Statement\n");
  }
  return text;
}

// Loads the document and fires all its events; the time of the slowest event goes to
// `slowest`.
void RunDocument(const std::string& bytes, double& slowest) {
  DocumentRun run(bytes);
  const auto start = std::chrono::steady_clock::now();
  run.Load();
  auto last = std::chrono::steady_clock::now();
  slowest = std::max(slowest, std::chrono::duration<double, std::milli>(last - start).count());
  while (run.FireNext()) {
    const auto now = std::chrono::steady_clock::now();
    slowest = std::max(slowest, std::chrono::duration<double, std::milli>(now - last).count());
    last = now;
  }
  benchmark::DoNotOptimize(run.variables.held_text());
}

void BM_Document(benchmark::State& state, const std::string& bytes) {
  double slowest = 0;
  for (auto _ : state) RunDocument(bytes, slowest);
  state.counters["slowest_ms"] = slowest;
}

void BM_SlowEvent(benchmark::State& state, const char* name) {
  BM_Document(state, ReadCorpusFile(name));
}
BENCHMARK_CAPTURE(BM_SlowEvent, 14_lines, "script_slow_event_14_lines.txt")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SlowEvent, fuzz_361, "script_slow_event_361.bin")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SlowEvent, fuzz_833, "script_slow_event_833.bin")
    ->Unit(benchmark::kMillisecond);

// A script that starts itself twice and runs thirty items between: the item budget, not the
// characters, ends it.
std::string ItemBoundDocument() {
  std::string text = "[Main]\nnumScripts = 1\n[Script_1]\nname = OnLoad\nnumScriptItems = 32\n";
  for (int n = 1; n <= 32; ++n) {
    text += "[Script_1_ScriptItem_" + std::to_string(n) + "]\n";
    text += n <= 2 ? "name = ExecuteGlobalScript\nscriptName = OnLoad\n"
                   : "name = SetVariable\nvarName = V" + std::to_string(n) +
                         "\nvalue = |APPPATH|x|CD_ROOT|\n";
  }
  return text;
}
BENCHMARK_CAPTURE(BM_Document, item_bound, ItemBoundDocument())->Unit(benchmark::kMillisecond);

// The event alone: the document is loaded once.
void BM_OrdinaryScript(benchmark::State& state) {
  DocumentRun run(OrdinaryDocument(static_cast<int>(state.range(0))));
  run.Load();
  const long before = run.host.items;
  for (auto _ : state) run.FireOnPage("OnLoad");
  state.counters["items_per_event"] =
      static_cast<double>(run.host.items - before) / static_cast<double>(state.iterations());
  state.SetItemsProcessed(run.host.items - before);
}
BENCHMARK(BM_OrdinaryScript)->Arg(50)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
