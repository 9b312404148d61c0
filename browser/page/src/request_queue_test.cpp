#include "browser/page/request_queue.h"

#include <gtest/gtest.h>

namespace browser {
namespace {

using Kind = PageRequest::Kind;

std::string Drain(PageRequestQueue& queue) {
  std::string out;
  while (auto request = queue.Pop()) {
    switch (request->kind) {
      case Kind::kOpenDocument: out += "open:" + request->document + " "; break;
      case Kind::kNextDocument: out += "next "; break;
      case Kind::kPreviousDocument: out += "prev "; break;
      case Kind::kExit: out += "exit "; break;
      case Kind::kReload: out += "reload "; break;
      case Kind::kStartupLoad: out += "startup "; break;
    }
  }
  return out;
}

TEST(PageRequestQueue, OnlyTheLastPageChangeWaits) {
  PageRequestQueue queue;
  queue.Push({Kind::kOpenDocument, "a.cdb"});
  queue.Push({Kind::kNextDocument, {}});
  queue.Push({Kind::kOpenDocument, "b.cdb"});
  EXPECT_EQ(queue.size(), 1u);
  EXPECT_EQ(Drain(queue), "open:b.cdb ");

  // An exit keeps its place; a page change posted after it still comes after it.
  queue.Push({Kind::kOpenDocument, "a.cdb"});
  queue.Push({Kind::kExit, {}});
  queue.Push({Kind::kReload, {}});
  EXPECT_EQ(Drain(queue), "exit reload ");
  EXPECT_TRUE(queue.empty());
}

// A page whose OnUnload and OnLoad both change pages: each load posts two requests, and the
// queue stays at one however long the pages keep changing.
TEST(PageRequestQueue, PagesChangingForEverHoldOneRequest) {
  PageRequestQueue queue;
  queue.Push({Kind::kOpenDocument, "b.cdb"});
  for (int load = 0; load < 1000; ++load) {
    ASSERT_TRUE(queue.Pop().has_value());
    queue.Push({Kind::kOpenDocument, "c.cdb"});  // the page left: its OnUnload
    queue.Push({Kind::kOpenDocument, "a.cdb"});  // the page loaded: its OnLoad
    ASSERT_EQ(queue.size(), 1u);
  }
}

}  // namespace
}  // namespace browser
