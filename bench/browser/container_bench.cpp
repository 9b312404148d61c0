// Compares CMultiFileCdz::LoadAll with the bare cost of reading the same file through
// zlib's gzip file functions (gzread into one buffer, no parsing): the limit a container
// reader built on them can approach.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>
#include <zlib.h>

#include <string>
#include <vector>

#include "browser/doc/cdz_writer.h"
#include "browser/doc/multi_file_cdz.h"
#include "platform/disk_file_system.h"

namespace {

constexpr size_t kTargetBytes = 20 << 20;

// Data files that look like documents: sections of elements and scripts, short key lines.
std::vector<browser::CdzMember> Documents() {
  std::vector<browser::CdzMember> members;
  size_t total = 0;
  for (int page = 0; total < kTargetBytes; ++page) {
    std::string text = "[Main]\r\nnumElements = 400\r\ntitle = Corvane page ";
    text += std::to_string(page);
    text += "\r\n";
    for (int e = 1; e <= 400; ++e) {
      const std::string n = std::to_string(e);
      const std::string section = "Element_" + n;
      text.append("[").append(section).append("]\r\ntype = 3\r\nname = picture").append(n);
      text.append(".gif\r\nxpos = ").append(std::to_string(e * 7 % 640));
      text.append("\r\nypos = ").append(std::to_string(e * 13 % 480));
      text.append("\r\nnumScripts = 1\r\n[").append(section).append("_Script_1]\r\n");
      text.append("name = OnMouseUp\r\nnumScriptItems = 1\r\n[").append(section);
      text.append("_Script_1_ScriptItem_1]\r\nname = ChangePage\r\npage = page");
      text.append(std::to_string(e % 17)).append(".cdb\r\ntext = First line|second line of ");
      text.append(section).append("\r\n\r\n");
    }
    total += text.size();
    members.push_back({"page" + std::to_string(page) + ".cdb", std::move(text)});
  }
  return members;
}

struct Files {
  std::string plain, packed;
  Files() {
    char dir[] = "/tmp/cdz_bench_XXXXXX";
    if (mkdtemp(dir) == nullptr) abort();
    plain = std::string(dir) + "/docs.cdb";
    packed = std::string(dir) + "/docs.cdz";
    const auto members = Documents();
    platform::DiskFileSystem disk;
    if (!browser::WriteCdz(disk, plain, members, false).ok()) abort();
    if (!browser::WriteCdz(disk, packed, members, true).ok()) abort();
  }
  ~Files() {
    unlink(plain.c_str());
    unlink(packed.c_str());
    rmdir(plain.substr(0, plain.rfind('/')).c_str());
  }
};

const Files& TheFiles() {
  static Files files;
  return files;
}

void LoadAll(benchmark::State& state, const std::string& path) {
  size_t lines = 0;
  platform::DiskFileSystem disk;
  for (auto _ : state) {
    browser::CMultiFileCdz cdz;
    if (!cdz.LoadAll(disk, path).ok()) state.SkipWithError("load failed");
    lines = 0;
    for (size_t i = 0; i < cdz.Count(); ++i) lines += cdz.At(i)->Lines().size();
    benchmark::DoNotOptimize(lines);
  }
  state.counters["lines"] = static_cast<double>(lines);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kTargetBytes);
}

void ZlibOnly(benchmark::State& state, const std::string& path) {
  std::vector<char> buffer(1 << 16);
  for (auto _ : state) {
    gzFile file = gzopen(path.c_str(), "rb");
    gzbuffer(file, 128 * 1024);
    size_t total = 0;
    int n;
    while ((n = gzread(file, buffer.data(), static_cast<unsigned>(buffer.size()))) > 0) {
      total += static_cast<size_t>(n);
    }
    gzclose(file);
    benchmark::DoNotOptimize(total);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kTargetBytes);
}

void BM_LoadAllCompressed(benchmark::State& s) { LoadAll(s, TheFiles().packed); }
void BM_ZlibInflateOnly(benchmark::State& s) { ZlibOnly(s, TheFiles().packed); }
void BM_LoadAllPlain(benchmark::State& s) { LoadAll(s, TheFiles().plain); }
void BM_ZlibReadPlainOnly(benchmark::State& s) { ZlibOnly(s, TheFiles().plain); }

BENCHMARK(BM_LoadAllCompressed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZlibInflateOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadAllPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZlibReadPlainOnly)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
