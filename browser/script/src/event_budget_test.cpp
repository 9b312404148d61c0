// The work budget of an event and the memory of the variables: the slowest documents the
// fuzzer found, nested runs ending together, a fresh budget for the next event, the name of
// the event told to the host, and the variables' text bound.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "browser/script/event_budget.h"
#include "browser/script/script.h"
#include "browser/script/scriptable_object.h"
#include "test_support.h"

namespace browser {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using platform::Variant;
using testing::AddScript;
using testing::DocumentRun;

std::string ReadCorpusFile(const std::string& name) {
  std::ifstream in(std::string(CORVANE_SCRIPT_CORPUS) + "/" + name, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// One "Modify Variable" step of these documents by the expansion rules: the text's last
// reference is to the variable itself, every other one names nobody, so the reference is
// replaced by the whole text, unless the result would pass the text limit.
std::u16string Doubled(const std::u16string& text) {
  const std::u16string result = text.substr(0, text.size() - 3) + text;
  return result.size() <= kMaxExpandedText ? result : text;
}

class SlowDocumentTest : public ::testing::TestWithParam<const char*> {};

TEST_P(SlowDocumentTest, EventEndsAtTheBudgetWithTheVariablesOfTheStepsThatRan) {
  DocumentRun run(ReadCorpusFile(GetParam()));
  run.host.keep_results = true;
  run.Load();
  const Variable* a = run.variables.FindVariable("A");
  ASSERT_NE(a, nullptr);
  const std::u16string preloaded = a->value.TextValue();
  ASSERT_GE(preloaded.size(), 3u);
  ASSERT_EQ(preloaded.substr(preloaded.size() - 3), u"|A|");
  EXPECT_THAT(run.host.spent, IsEmpty());

  while (run.FireNext()) {
  }
  // The page's "OnLoad" starts itself again and again; its budget, not the runs' count or
  // depth, ends it, and nothing else fired in these documents does any work.
  EXPECT_THAT(run.host.spent, ElementsAre("OnLoad"));
  EXPECT_EQ(run.context.depth, 0);
  EXPECT_LE(run.host.items, kEventItemBudget);
  const long steps = run.host.Count("Modify Variable", ActionResult::kContinue);
  EXPECT_GT(steps, 10);
  EXPECT_EQ(run.host.Count("Modify Variable", ActionResult::kBudgetSpent), 1);
  std::u16string expected = preloaded;
  for (long i = 0; i < steps; ++i) expected = Doubled(expected);
  EXPECT_TRUE(a->value.TextValue() == expected) << "A holds " << a->value.TextValue().size()
                                                << " characters, not " << expected.size();
  EXPECT_GE(run.variables.held_text(), expected.size());
}

INSTANTIATE_TEST_SUITE_P(Corpus, SlowDocumentTest,
                         ::testing::Values("script_slow_event_14_lines.txt",
                                           "script_slow_event_361.bin",
                                           "script_slow_event_833.bin"));

class BudgetTest : public ::testing::Test {
 protected:
  // A main page with the scripts given as (event, items) in the test notation.
  void Load(std::initializer_list<std::pair<std::string, std::initializer_list<std::string>>>
                scripts) {
    CDataFile file;
    file.WriteInt("Main", "numScripts", static_cast<int32_t>(scripts.size()));
    int n = 0;
    for (const auto& [event, items] : scripts) AddScript(file, "Main", ++n, event, items);
    page_ = std::make_unique<CScriptableObject>("Main", nullptr);
    page_->Load(file, fx_.load);
    fx_.context.main_page = page_.get();
    fx_.context.host = &host_;
  }

  testing::Fixture fx_;
  testing::BudgetRecorder host_;
  std::unique_ptr<CScriptableObject> page_;
};

TEST_F(BudgetTest, SpentBudgetEndsEveryRunOfTheEventAndTheNextEventStartsAfresh) {
  // Two calls of itself and eighteen other items per run: the runs' count (10000) would
  // allow some 100000 items.
  Load({{"Wide", {"CALL Wide", "CALL Wide", "SET W", "SET W", "SET W", "SET W", "SET W",
                  "SET W", "SET W", "SET W", "SET W", "SET W", "SET W", "SET W", "SET W",
                  "SET W", "SET W", "SET W", "SET W", "SET W"}},
        {"Other", {"SET R"}}});
  page_->RunScriptByName("Wide", fx_.context);
  EXPECT_THAT(host_.spent, ElementsAre("Wide"));
  EXPECT_EQ(fx_.context.depth, 0);
  // Once the budget is spent, no run of the event executes another item.
  EXPECT_LE(host_.items, kEventItemBudget);
  EXPECT_GT(host_.items, kEventItemBudget / 4);

  page_->RunScriptByName("Other", fx_.context);
  EXPECT_THAT(fx_.Ran(), ElementsAre("W", "R"));
  EXPECT_THAT(host_.spent, ElementsAre("Wide"));
}

TEST_F(BudgetTest, OrdinaryEventsDoNotComeNearTheBudget) {
  Load({{"OnLoad", {"SET A", "IF A", "SET B", "ELSE", "SET C", "ENDIF", "CALL Sub"}},
        {"Sub", {"SET D", "CALL Sub2"}},
        {"Sub2", {"SET E"}}});
  page_->RunScriptByName("OnLoad", fx_.context);
  EXPECT_THAT(fx_.Ran(), ElementsAre("A", "B", "D", "E"));
  EXPECT_THAT(host_.spent, IsEmpty());
  EXPECT_GT(fx_.context.budget.items_left(), kEventItemBudget - 100);
  EXPECT_GT(fx_.context.budget.characters_left(), kEventCharacterBudget - 1000);
}

TEST_F(BudgetTest, LongTextsSpendTheCharacterBudget) {
  // Each SetVariable expands a text of a million characters: the budget holds a few of them.
  ActionResult r;
  fx_.variables.FindOrCreateInScope(0, "BIG", r)->value =
      Variant::Utf8(std::string(kMaxExpandedText - 10, 'x'));
  CDataFile file;
  file.WriteInt("Main", "numScripts", 1);
  AddScript(file, "Main", 1, "OnLoad", {});
  file.WriteInt("Script_1", "numScriptItems", 20);
  for (int i = 1; i <= 20; ++i) {
    const std::string s = "Script_1_ScriptItem_" + std::to_string(i);
    file.WriteString(s, "name", "SetVariable");
    file.WriteString(s, "varName", "V" + std::to_string(i));
    file.WriteString(s, "value", "|BIG|");
  }
  page_ = std::make_unique<CScriptableObject>("Main", nullptr);
  page_->Load(file, fx_.load);
  fx_.context.host = &host_;
  page_->RunScriptByName("OnLoad", fx_.context);
  EXPECT_THAT(host_.spent, ElementsAre("OnLoad"));
  // The item that did not fit created its variable (as every SetVariable does) but left it
  // empty; the ones after it never ran.
  int full = 0;
  for (int i = 1; i <= 20; ++i) {
    const Variable* v = fx_.variables.FindVariable("V" + std::to_string(i));
    if (v == nullptr) continue;
    if (v->value.TextValue().size() == kMaxExpandedText - 10) {
      ++full;
    } else {
      EXPECT_EQ(v->value.type(), platform::VT_EMPTY) << i;
      EXPECT_EQ(fx_.variables.FindVariable("V" + std::to_string(i + 1)), nullptr);
    }
  }
  EXPECT_GE(full, 2);
  EXPECT_LT(full, 20);
}

TEST_F(BudgetTest, FullVariableMemoryEndsTheEventAndTheHostHearsItsName) {
  ActionResult r;
  Variable* big = fx_.variables.FindOrCreateInScope(0, "BIG", r);
  ASSERT_TRUE(fx_.variables.Store(*big, Variant::Text(std::u16string(kMaxVariableText - 5, u'x'))));
  Load({{"OnClick", {"SET A", "SET B", "SET C"}}});
  page_->RunScriptByName("OnClick", fx_.context);
  // "ran" takes three characters: one fits, the second does not.
  EXPECT_THAT(fx_.Ran(), ElementsAre("A"));
  EXPECT_EQ(fx_.Text("B"), "");
  EXPECT_EQ(fx_.variables.FindVariable("C"), nullptr);
  EXPECT_THAT(host_.spent, ElementsAre("OnClick"));
  EXPECT_EQ(fx_.variables.held_text(), kMaxVariableText - 2);

  // Storing a shorter text frees what the longer one held.
  ASSERT_TRUE(fx_.variables.Store(*big, Variant::I4(1)));
  EXPECT_EQ(fx_.variables.held_text(), 3u);
  page_->RunScriptByName("OnClick", fx_.context);
  EXPECT_THAT(fx_.Ran(), ElementsAre("A", "B", "C"));
  EXPECT_EQ(fx_.variables.held_text(), 9u);
}

TEST(VariableMemory, LocalFramesGiveBackWhatTheyHeld) {
  CVariableStore store;
  ActionResult r;
  store.PushLocalFrame();
  Variable* local = store.FindOrCreateInScope(2, "P", r);
  ASSERT_TRUE(store.Store(*local, Variant::Utf8("parameter")));
  EXPECT_EQ(store.held_text(), 9u);
  // A value written directly is counted when it is next stored through the store.
  Variable* g = store.FindOrCreateInScope(0, "G", r);
  g->value = Variant::Utf8("direct");
  EXPECT_EQ(store.held_text(), 9u);
  ASSERT_TRUE(store.Store(*g, Variant::Utf8("ab")));
  EXPECT_EQ(store.held_text(), 11u);
  store.PopLocalFrame();
  EXPECT_EQ(store.held_text(), 2u);
  EXPECT_FALSE(store.Store(*g, Variant::Text(std::u16string(kMaxVariableText + 1, u'x'))));
  EXPECT_EQ(g->value.TextValue(), u"ab");
}

TEST(PreLoadBudget, ThePreLoadEventIsNamedWhenItsBudgetEnds) {
  DocumentRun run(
      "[Main]\nnumScripts = 1\n[Script_1]\nname = preload\nnumScriptItems = 1\n"
      "[Script_1_ScriptItem_1]\nname = SetVariable\nvarName = X\nvalue = more text\n");
  ActionResult r;
  Variable* big = run.variables.FindOrCreateInScope(0, "BIG", r);
  ASSERT_TRUE(run.variables.Store(*big, Variant::Text(std::u16string(kMaxVariableText, u'x'))));
  run.Load();
  EXPECT_THAT(run.host.spent, ElementsAre("PreLoad"));
  EXPECT_EQ(run.variables.FindVariable("X")->value.type(), platform::VT_EMPTY);
}

}  // namespace
}  // namespace browser
