// Loading objects and scripts from a data file, and the run loop's block skipping.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "browser/script/key_reader.h"
#include "browser/script/preload.h"
#include "browser/script/printing_system_services.h"
#include "browser/script/script.h"
#include "browser/script/scriptable_object.h"
#include "browser/script/vocabulary.h"
#include "test_support.h"

namespace browser {
namespace {

using testing::AddScript;
using ::testing::ElementsAre;
using testing::Fixture;
using ::testing::IsEmpty;
using testing::ParseDocument;

class RunLoopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ActionResult r;
    fx_.variables.FindOrCreateInScope(0, "T", r)->value = platform::Variant::I4(1);
    fx_.variables.FindOrCreateInScope(0, "F", r)->value = platform::Variant::I4(0);
  }
  // Runs a one-script page with the given items on "OnLoad"; answers what ended the run.
  ActionResult Run(std::initializer_list<std::string> items) {
    CDataFile file;
    file.WriteInt("Main", "numScripts", 1);
    AddScript(file, "Main", 1, "OnLoad", items);
    page_ = std::make_unique<CScriptableObject>("Main", nullptr);
    page_->Load(file, fx_.load);
    fx_.context.main_page = page_.get();
    return testing::RunScript(*page_->scripts().at(0), fx_.context);
  }

  Fixture fx_;
  std::unique_ptr<CScriptableObject> page_;
};

TEST_F(RunLoopTest, IfElseEndIfPicksOneBranch) {
  Run({"IF F", "SET P", "ELSE", "SET Q", "ENDIF", "SET R"});
  EXPECT_THAT(fx_.Ran(), ElementsAre("Q", "R"));
}

TEST_F(RunLoopTest, TrueConditionSkipsTheAlternative) {
  Run({"IF T", "SET P", "ELSE", "SET Q", "ENDIF", "SET R"});
  EXPECT_THAT(fx_.Ran(), ElementsAre("P", "R"));
}

TEST_F(RunLoopTest, NestedBlocksAreSkippedWhole) {
  Run({"IF F", "IF T", "SET P", "ELSE", "SET Q", "ENDIF", "ELSE", "SET S", "ENDIF"});
  EXPECT_THAT(fx_.Ran(), ElementsAre("S"));
}

TEST_F(RunLoopTest, NestedIfWithoutElseResumesAfterOuterEndIf) {
  Run({"IF F", "IF T", "SET P", "ENDIF", "SET Q", "ENDIF", "SET R"});
  EXPECT_THAT(fx_.Ran(), ElementsAre("R"));
}

TEST_F(RunLoopTest, TrueNestedInsideTrueRunsInnerBranch) {
  Run({"IF T", "IF F", "SET P", "ELSE", "SET Q", "ENDIF", "SET R", "ELSE", "SET S", "ENDIF"});
  EXPECT_THAT(fx_.Ran(), ElementsAre("Q", "R"));
}

TEST_F(RunLoopTest, UnbalancedScripts) {
  // A false IF without ENDIF skips to the end.
  EXPECT_EQ(Run({"SET A", "IF F", "SET P", "SET Q"}), ActionResult::kContinue);
  EXPECT_THAT(fx_.Ran(), ElementsAre("A"));
  // A false IF as the last item ends the run.
  EXPECT_EQ(Run({"IF F"}), ActionResult::kContinue);
  // An ENDIF without IF is a no-op.
  Run({"ENDIF", "SET B"});
  EXPECT_THAT(fx_.Ran(), ElementsAre("A", "B"));
  // An ELSE in the normal flow skips to after the next ENDIF of its level, or the end.
  Run({"SET C", "ELSE", "SET P", "IF T", "SET Q", "ENDIF", "SET R", "ENDIF", "SET D"});
  Run({"ELSE", "SET P"});
  EXPECT_THAT(fx_.Ran(), ElementsAre("A", "B", "C", "D"));
}

TEST_F(RunLoopTest, ElseRightAfterSkippedAlternativeIsExecutedNotChecked) {
  // After an ELSE skip the cursor's item runs without another ELSE check: a second ELSE
  // there executes as a no-op and the run goes on.
  Run({"IF T", "SET P", "ELSE", "SET Q", "ENDIF", "ELSE", "SET R"});
  EXPECT_THAT(fx_.Ran(), ElementsAre("P", "R"));
}

TEST_F(RunLoopTest, MisspelledBlockItemsAreDroppedBeforeTheBlocksAreMatched) {
  // "if/while statement" is no action: the ELSE belongs to nothing and skips to the ENDIF.
  Run({"SET A", "if/while statement", "SET P", "ELSE", "SET Q", "ENDIF", "SET R"});
  EXPECT_THAT(fx_.Ran(), ElementsAre("A", "P", "R"));
  EXPECT_EQ(page_->scripts()[0]->items().size(), 6u);
}

TEST_F(RunLoopTest, StoppingResultsEndTheRun) {
  EXPECT_EQ(Run({"SET A", "STOP 11", "SET B"}), ActionResult::kVariableError);
  EXPECT_EQ(Run({"STOP 9", "SET C"}), ActionResult::kNoLocalScope);
  EXPECT_EQ(Run({"STOP 10", "SET D"}), ActionResult::kUnknownScope);
  EXPECT_THAT(fx_.Ran(), ElementsAre("A"));
  // The object stays usable: the same event runs again.
  EXPECT_EQ(Run({"SET E"}), ActionResult::kContinue);
  EXPECT_THAT(fx_.Ran(), ElementsAre("A", "E"));
}

TEST_F(RunLoopTest, SelfStartingScriptEndsAtTheDepthLimit) {
  ActionResult r;
  fx_.variables.FindOrCreateInScope(0, "n", r)->value = platform::Variant::I4(0);
  CDataFile file;
  file.WriteInt("Main", "numScripts", 1);
  AddScript(file, "Main", 1, "Again", {"CALL Again"});
  // Count the runs: Modify n Plus 1 before calling again.
  file.WriteInt("Script_1", "numScriptItems", 2);
  file.WriteString("Script_1_ScriptItem_2", "name", "ExecuteGlobalScript");
  file.WriteString("Script_1_ScriptItem_2", "scriptName", "Again");
  file.WriteString("Script_1_ScriptItem_1", "name", "Modify Variable");
  file.WriteString("Script_1_ScriptItem_1", "targetVar", "n");
  file.WriteString("Script_1_ScriptItem_1", "mainOp", "Plus");
  file.WriteString("Script_1_ScriptItem_1", "valueType", "3");
  file.WriteString("Script_1_ScriptItem_1", "value", "1");
  CScriptableObject page("Main", nullptr);
  page.Load(file, fx_.load);
  fx_.context.main_page = &page;
  page.RunScriptByName("Again", fx_.context);
  EXPECT_EQ(fx_.Text("n"), std::to_string(kMaxScriptDepth));
  EXPECT_EQ(fx_.context.depth, 0);
  // The next event starts with a fresh budget.
  page.RunScriptByName("Again", fx_.context);
  EXPECT_EQ(fx_.Text("n"), std::to_string(2 * kMaxScriptDepth));
}

TEST_F(RunLoopTest, ScriptStartingItselfTwiceStopsAtTheRunBudget) {
  CDataFile file;
  file.WriteInt("Main", "numScripts", 1);
  AddScript(file, "Main", 1, "Twice", {"CALL Twice", "CALL Twice"});
  CScriptableObject page("Main", nullptr);
  page.Load(file, fx_.load);
  fx_.context.main_page = &page;
  page.RunScriptByName("Twice", fx_.context);  // 2^64 runs without the budget
  EXPECT_EQ(fx_.context.depth, 0);
}

TEST(ScriptLoading, SectionNamesFollowTheOwner) {
  CDataFile file = ParseDocument(R"(
    [Main]
    numScripts = 1
    [Script_1]
    name = OnLoad
    numScriptItems = 1
    [Script_1_ScriptItem_1]
    name = SetVariable
    varName = main
    value = ran
    [Page2]
    numScripts = 1
    mouseMoveable = true
    id = p2
    xpos = 0x10
    [Page2_Script_1]
    name = OnLoad
    numScriptItems = 1
    [Page2_Script_1_ScriptItem_1]
    name = SetVariable
    varName = page2
    value = ran
  )");
  Fixture fx;
  CScriptableObject main("Main", nullptr), page2("Page2", nullptr);
  main.Load(file, fx.load);
  page2.Load(file, fx.load);
  main.RunScriptByName("OnLoad", fx.context);
  page2.RunScriptByName("OnLoad", fx.context);
  EXPECT_THAT(fx.Ran(), ElementsAre("main", "page2"));
  EXPECT_EQ(page2.mouse_moveable(), 1);
  EXPECT_EQ(main.mouse_moveable(), 0);
  EXPECT_EQ(page2.x(), 16);
  EXPECT_EQ(page2.cursor(), "arrow");
  EXPECT_EQ(page2.scripts()[0]->parent(), &page2);
  EXPECT_EQ(page2.scripts()[0]->items()[0]->parent(), page2.scripts()[0].get());
  EXPECT_EQ(fx.ids.Lookup("p2"), &page2);
}

TEST(ScriptLoading, EventNamesAreExactAndTheFirstScriptWins) {
  CDataFile file;
  file.WriteInt("Main", "numScripts", 3);
  AddScript(file, "Main", 1, "onload", {"SET lower"});
  AddScript(file, "Main", 2, "OnLoad", {"SET first"});
  AddScript(file, "Main", 3, "OnLoad", {"SET second"});
  Fixture fx;
  CScriptableObject page("Main", nullptr);
  page.Load(file, fx.load);
  page.RunScriptByName("OnLoad", fx.context);
  page.RunScriptByName("OnMouseUp", fx.context);  // no such script: nothing
  EXPECT_THAT(fx.Ran(), ElementsAre("first"));
}

TEST(ScriptLoading, CountsLimitWhatIsLoaded) {
  CDataFile file;
  file.WriteInt("Main", "numScripts", 1);
  AddScript(file, "Main", 1, "OnLoad", {"SET a", "SET b", "SET c"});
  AddScript(file, "Main", 2, "Other", {"SET d"});
  file.WriteInt("Script_1", "numScriptItems", 2);
  Fixture fx;
  CScriptableObject page("Main", nullptr);
  page.Load(file, fx.load);
  ASSERT_EQ(page.scripts().size(), 1u);
  page.RunScriptByName("OnLoad", fx.context);
  EXPECT_THAT(fx.Ran(), ElementsAre("a", "b"));

  // A huge count costs nothing beyond the sections that exist.
  file.WriteInt("Main", "numScripts", 2147483647);
  file.WriteString("Script_1", "numScriptItems", "-5");
  CScriptableObject again("Main", nullptr);
  again.Load(file, fx.load);
  ASSERT_EQ(again.scripts().size(), 2u);
  EXPECT_THAT(again.scripts()[0]->items(), IsEmpty());
}

TEST(ActionFactory, TypeNamesAreExact) {
  EXPECT_NE(CreateScriptItem("SetVariable", "S", nullptr), nullptr);
  EXPECT_NE(CreateScriptItem("Create Variable", "S", nullptr), nullptr);
  EXPECT_EQ(CreateScriptItem("setvariable", "S", nullptr), nullptr);
  EXPECT_EQ(CreateScriptItem("SetVariable ", "S", nullptr), nullptr);
  EXPECT_EQ(CreateScriptItem("", "S", nullptr), nullptr);
  EXPECT_NE(FindAction("DragFile"), nullptr);
  EXPECT_EQ(FindAction("dragfile"), nullptr);
  EXPECT_NE(FindAction("Modify Variable"), nullptr);
  EXPECT_EQ(FindAction("Modify variable"), nullptr);
}

// Every type name of the vocabulary makes an item: none is listed that the program drops.
TEST(ActionFactory, EveryActionOfTheVocabularyMakesAnItem) {
  for (const ActionVocabulary& action : Actions()) {
    EXPECT_NE(CreateScriptItem(action.name, "S", nullptr), nullptr) << action.name;
  }
}

// Every action reads its own keys and then the item's: an item of any type with an "id" is
// found by it once loaded (RegisterActiveX needs its file name to be kept at all).
TEST(ActionFactory, EveryActionLoadsTheItemsKeysAfterItsOwn) {
  Fixture fx;
  int n = 0;
  for (const ActionVocabulary& action : Actions()) {
    const std::string section = "S_ScriptItem_" + std::to_string(++n);
    CDataFile file = ParseDocument("[" + section + "]\nid = item" + std::to_string(n) +
                                   "\nFilename = c.ocx\nvalueType = 3\nvalue = 1\n");
    std::unique_ptr<CScriptItem> item = CreateScriptItem(action.name, section, nullptr);
    ASSERT_NE(item, nullptr) << action.name;
    EXPECT_TRUE(item->Load(file, fx.load)) << action.name;
    EXPECT_EQ(fx.ids.Lookup("item" + std::to_string(n)), item.get()) << action.name;
  }
}

// A value type's code is kept as the variants' unsigned code; a missing one keeps what the
// action starts with.
TEST(KeyReader, ValueTypeCodesReadAsShortsAndKeptUnsigned) {
  CDataFile file = ParseDocument("[S]\nvalueType = -1\nreturnType = 0x18\n");
  const KeyReader read(file, "S");
  uint16_t type = 8;
  EXPECT_TRUE(read.Short(keys::kValueType, type));
  EXPECT_EQ(type, 0xFFFF);
  type = 8;
  EXPECT_FALSE(read.Short(keys::kRetVariable, type));
  EXPECT_EQ(type, 8);
  EXPECT_TRUE(read.Short(keys::kReturnType, type));
  EXPECT_EQ(type, 0);  // decimal, as every short: "0x18" reads as 0
}

TEST(PreLoad, OnlyTheFirstThreeScriptSectionsAndAnyCase) {
  CDataFile file;
  AddScript(file, "Main", 1, "OnLoad", {"SET onload"});
  AddScript(file, "Main", 2, "preload", {"SET two"});
  AddScript(file, "Main", 3, "PRELOAD", {"SET three"});
  AddScript(file, "Main", 4, "PreLoad", {"SET four"});
  file.WriteString("Script_3_ScriptItem_1", "id", "temporary");
  Fixture fx;
  EXPECT_EQ(RunPreLoadScripts(file, fx.load, fx.context), 2);
  EXPECT_THAT(fx.Ran(), ElementsAre("two", "three"));
  // The temporary script's items are gone: their ids must not be found.
  EXPECT_EQ(fx.ids.Lookup("temporary"), nullptr);
}

// A PreLoad script reaches the files the document's other scripts reach.
TEST(PreLoad, SeesTheFilesHandedIn) {
  CDataFile file;
  AddScript(file, "Main", 1, "PreLoad", {"IF/WHILE Statement", "SET found", "ENDIF"});
  file.WriteString("Script_1_ScriptItem_1", "path", "/cd/setup.exe");
  Fixture fx;
  fx.files.WriteFile("/cd/setup.exe", "x");
  EXPECT_EQ(RunPreLoadScripts(file, fx.load, fx.context), 1);
  EXPECT_THAT(fx.Ran(), ElementsAre("found"));
}

// A PreLoad script's actions prepare their paths with the directories the program hands in,
// as every other script's do: SaveToFile's temporary folder is the user's, not "/tmp/".
TEST(PreLoad, ActionsUseTheDirectoriesHandedIn) {
  CDataFile file;
  AddScript(file, "Main", 1, "PreLoad", {"SaveToFile"});
  for (const auto& [key, value] : {std::pair{"useTemDir", "true"}, {"path", "keep"},
                                   {"key", "k"}, {"value", "v"}}) {
    file.WriteString("Script_1_ScriptItem_1", key, value);
  }
  Fixture fx;
  fx.load.system_dirs.temp = "/home/u/.cache/tmp/";
  std::vector<std::string> lines;
  PrintingSystemServices printing([&lines](const std::string& line) { lines.push_back(line); });
  fx.context.system = &printing;
  EXPECT_EQ(RunPreLoadScripts(file, fx.load, fx.context), 1);
  EXPECT_THAT(lines, ElementsAre("save: /home/u/.cache/tmp/keep.kps k v"));
}

TEST(IdManager, FirstRegistrationWinsAndEmptyFindsNothing) {
  CIdManager ids;
  CScriptableObject a("A", nullptr), b("B", nullptr);
  ids.Register("x", &a);
  ids.Register("x", &b);
  ids.Register("", &b);
  EXPECT_EQ(ids.Lookup("x"), &a);
  EXPECT_EQ(ids.Lookup("X"), nullptr);
  EXPECT_EQ(ids.Lookup(""), nullptr);
  ids.Clear();
  EXPECT_EQ(ids.Lookup("x"), nullptr);
  EXPECT_NE(a.serial(), b.serial());
  EXPECT_EQ(a.FindBySerial(a.serial()), &a);
  EXPECT_EQ(a.FindBySerial(b.serial()), nullptr);
}

}  // namespace
}  // namespace browser
