// The authors' guide is the key reference: its printed block is exactly what the vocabulary
// prints, so every key each kind of object and action reads, every action and every event is
// named there (in backquotes).
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "browser/script/vocabulary.h"
#include "key_reference.h"

namespace cdztool {
namespace {

constexpr char kBegin[] =
    "<!-- The key reference below is printed by `cdztool vocabulary`: change the vocabulary "
    "(browser/script/src/vocabulary.cpp), then print it here again. -->\n";
constexpr char kEnd[] = "<!-- End of the printed key reference. -->\n";

std::string Guide() {
  std::ifstream in(AUTHORING_GUIDE);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

bool Names(const std::string& guide, std::string_view word) {
  return guide.find("`" + std::string(word) + "`") != std::string::npos;
}

TEST(GuideTest, TheKeyReferenceIsTheOneTheVocabularyPrints) {
  const std::string guide = Guide();
  ASSERT_FALSE(guide.empty()) << AUTHORING_GUIDE;
  const size_t begin = guide.find(kBegin);
  ASSERT_NE(begin, std::string::npos) << "the guide has no line " << kBegin;
  const size_t from = begin + sizeof(kBegin) - 1;
  const size_t end = guide.find(kEnd, from);
  ASSERT_NE(end, std::string::npos) << "the guide has no line " << kEnd;
  EXPECT_EQ(guide.substr(from, end - from), KeyReference())
      << "print the reference with `cdztool vocabulary` into " << AUTHORING_GUIDE;
}

TEST(GuideTest, NamesEveryKeyActionAndEventTheBrowserReads) {
  const std::string guide = Guide();
  ASSERT_FALSE(guide.empty()) << AUTHORING_GUIDE;
  for (const browser::ObjectVocabulary& object : browser::Objects()) {
    browser::ForEachKey(object.kind, [&](const browser::KeyEntry& entry) {
      EXPECT_TRUE(Names(guide, entry.key.name)) << entry.key.name;
    });
  }
  for (const browser::ActionVocabulary& action : browser::Actions()) {
    EXPECT_TRUE(Names(guide, action.name)) << action.name;
    for (const browser::KeyEntry& entry : action.keys) {
      EXPECT_TRUE(Names(guide, entry.key.name)) << action.name << ": " << entry.key.name;
    }
  }
  for (std::string_view event : browser::EventNames()) EXPECT_TRUE(Names(guide, event)) << event;
}

}  // namespace
}  // namespace cdztool
