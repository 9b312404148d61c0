#include "corpus_folder.h"

#include <algorithm>
#include <filesystem>

namespace framix32::test {
namespace {

struct Corpus {
  std::string folder;
  int minimum_read = 1;
};

Corpus& TheCorpus() {
  static Corpus corpus;
  return corpus;
}

}  // namespace

void SetCorpus(std::string folder, int minimum_read) {
  TheCorpus() = {std::move(folder), minimum_read};
}

const std::string& CorpusFolder() { return TheCorpus().folder; }

int CorpusMinimumRead() {
  const int minimum = TheCorpus().minimum_read;
  return minimum == kAllFiles ? static_cast<int>(CorpusFiles().size()) : minimum;
}

std::vector<std::string> CorpusFiles() {
  std::vector<std::string> files;
  if (CorpusFolder().empty()) return files;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(CorpusFolder(), ec), end; !ec && it != end;
       it.increment(ec)) {
    if (it->path().extension() == ".gif") files.push_back(it->path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace framix32::test
