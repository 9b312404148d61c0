// The GIF corpus a corpus test sweeps, named on its command line (corpus_main.cpp): the
// shared corpus of real-world files when the build found one, or the project's own, made at
// test time.
#ifndef FRAMIX32_TEST_CORPUS_FOLDER_H_
#define FRAMIX32_TEST_CORPUS_FOLDER_H_

#include <string>
#include <vector>

namespace framix32::test {

// --corpus=FOLDER (empty: the build has none, and the tests skip) and --min-read=N (how many
// of its files giflib reads at least; kAllFiles: every one).
constexpr int kAllFiles = -1;
void SetCorpus(std::string folder, int minimum_read);
const std::string& CorpusFolder();
// Its .gif files, sorted; none when the folder is missing.
std::vector<std::string> CorpusFiles();
int CorpusMinimumRead();

}  // namespace framix32::test

// Skips the test when no corpus was configured, and fails it when the configured folder
// holds no GIF (a corpus that went missing must not pass as an empty sweep).
#define FRAMIX32_REQUIRE_CORPUS(files)                                                      \
  if (::framix32::test::CorpusFolder().empty()) {                                          \
    GTEST_SKIP() << "no shared GIF corpus folder in this build (configure with "          \
                    "-DFRAMIX32_CORPUS_DIR=FOLDER); the project's own corpus still runs"; \
  }                                                                                        \
  ASSERT_FALSE((files).empty()) << "no .gif file in " << ::framix32::test::CorpusFolder()

#endif  // FRAMIX32_TEST_CORPUS_FOLDER_H_
