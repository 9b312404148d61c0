// Loading a document of many scripted objects: text elements with one script each, as the
// browser's page load builds them (elements, scripts, items, ids). The load is linear in the
// objects: 20,000 of them load in well under a second (every object finds its numbered
// sections through one index of the data file, not a scan of its own).
#include <benchmark/benchmark.h>

#include <string>

#include "browser/doc/data_file.h"
#include "browser/page/browser_document.h"
#include "browser/page/headless_window.h"
#include "browser/script/id_manager.h"
#include "browser/script/load_context.h"
#include "browser/script/script_item.h"

namespace {

browser::CDataFile ScriptedTexts(int count) {
  std::string text = "[Main]\ntitle = many\nwidth = 800\nheight = 600\nnumElements = " +
                     std::to_string(count) + "\n";
  for (int e = 1; e <= count; ++e) {
    const std::string section = "Element_" + std::to_string(e);
    text += "[" + section + "]\ntype = Text\nid = t" + std::to_string(e) +
            "\ntext = element\nxpos = 1\nypos = 1\nwidth = 10\nheight = 10\nnumScripts = 1\n[" +
            section + "_Script_1]\nname = OnMouseUp\nnumScriptItems = 1\n[" + section +
            "_Script_1_ScriptItem_1]\nname = InternalCommand\ncommand = ChangePage\n"
            "parameters = next.cdb\n";
  }
  return browser::CDataFile::FromText(text);
}

void BM_LoadScriptedTexts(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const browser::CDataFile file = ScriptedTexts(count);
  browser::HeadlessWindow window;
  for (auto _ : state) {
    browser::CIdManager ids;
    browser::CBrowserDocument document;
    document.set_host(&window);
    browser::LoadContext load(ids);
    // Each load reads a fresh copy, as the window's working copy is.
    state.PauseTiming();
    browser::CDataFile working = file;
    state.ResumeTiming();
    document.Load(working, load);
    benchmark::DoNotOptimize(document.main_page());
    state.PauseTiming();
    browser::ScriptContext context(document.variables(), ids);
    document.Unload(context);
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_LoadScriptedTexts)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
