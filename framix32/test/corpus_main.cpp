// main() of the corpus tests: GoogleTest's options, then --corpus=FOLDER and
// --min-read=N|all.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "corpus_folder.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  std::string folder;
  int minimum_read = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.rfind("--corpus=", 0) == 0) {
      folder = arg.substr(9);
    } else if (arg.rfind("--min-read=", 0) == 0) {
      const std::string value = arg.substr(11);
      minimum_read = value == "all" ? framix32::test::kAllFiles : std::atoi(value.c_str());
    } else {
      std::fprintf(stderr, "usage: %s [GTEST OPTIONS] --corpus=FOLDER [--min-read=N|all]\n", argv[0]);
      return 2;
    }
  }
  framix32::test::SetCorpus(folder, minimum_read);
  return RUN_ALL_TESTS();
}
