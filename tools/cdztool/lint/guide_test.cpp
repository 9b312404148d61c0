// The authors' guide is the key reference: every key each kind of object and action reads,
// every action and every event the lint knows, is named there (in backquotes).
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "lint_keys.h"

namespace cdztool {
namespace {

std::string Guide() {
  std::ifstream in(AUTHORING_GUIDE);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

bool Names(const std::string& guide, const std::string& word) {
  return guide.find("`" + word + "`") != std::string::npos;
}

TEST(GuideTest, NamesEveryKeyActionAndEventTheBrowserReads) {
  const std::string guide = Guide();
  ASSERT_FALSE(guide.empty()) << AUTHORING_GUIDE;
  for (ObjectKind kind : {ObjectKind::kMain, ObjectKind::kImage, ObjectKind::kImageList,
                          ObjectKind::kText, ObjectKind::kActiveX, ObjectKind::kScript,
                          ObjectKind::kItem, ObjectKind::kFrame, ObjectKind::kParam,
                          ObjectKind::kProperty}) {
    for (const std::string& key : KindKeys(kind)) EXPECT_TRUE(Names(guide, key)) << key;
  }
  for (const std::string& action : ActionTypeNames()) {
    EXPECT_TRUE(Names(guide, action)) << action;
    for (const std::string& key : ActionKeys(action)) {
      EXPECT_TRUE(Names(guide, key)) << action << ": " << key;
    }
  }
  for (const std::string& event : EventNames()) EXPECT_TRUE(Names(guide, event)) << event;
}

}  // namespace
}  // namespace cdztool
