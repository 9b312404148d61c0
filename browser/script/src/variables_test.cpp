// Variable scopes, references, SetVariable and Modify Variable.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>

#include "browser/script/script.h"
#include "browser/script/scriptable_object.h"
#include "platform/memory_registry.h"
#include "test_support.h"

namespace browser {
namespace {

using platform::Variant;
using testing::Fixture;
using testing::ParseDocument;

class VariablesTest : public ::testing::Test {
 protected:
  void SetUp() override { platform::SetUserNumberFormat({u'.', u'\0'}); }

  Variable* Set(int scope, std::string_view name, Variant value) {
    ActionResult r;
    Variable* v = fx_.variables.FindOrCreateInScope(scope, name, r);
    v->value = std::move(value);
    return v;
  }
  // Runs one item given as "key = value" lines; answers what ended the run.
  ActionResult RunItem(std::string_view keys) {
    CDataFile file =
        ParseDocument("[S]\nnumScriptItems = 1\n[S_ScriptItem_1]\n" + std::string(keys));
    CScript script("S", nullptr);
    script.Load(file, fx_.load);
    return testing::RunScript(script, fx_.context);
  }

  // Runs a Modify Variable of `target` by `op`, with the rest of its keys.
  ActionResult Modify(std::string_view target, std::string_view op, std::string_view keys) {
    return RunItem("name = Modify Variable\ntargetVar = " + std::string(target) +
                   "\nmainOp = " + std::string(op) + "\n" + std::string(keys));
  }

  // Modifies `target` and gives its text after.
  std::string Modified(std::string_view target, std::string_view op, std::string_view keys) {
    Modify(target, op, keys);
    return fx_.Text(target);
  }

  Fixture fx_;
};

TEST_F(VariablesTest, ScopesAndLookupOrder) {
  Set(0, "X", Variant::Utf8("global"));
  EXPECT_EQ(fx_.Text("X"), "global");
  fx_.variables.PushLocalFrame();
  Set(2, "X", Variant::Utf8("local"));
  EXPECT_EQ(fx_.Text("X"), "local");
  Set(1, "X", Variant::Utf8("override"));
  EXPECT_EQ(fx_.Text("X"), "override");
  fx_.variables.PopLocalFrame();
  EXPECT_EQ(fx_.Text("X"), "override");
  EXPECT_EQ(fx_.Text("x"), "<missing>");  // names are case-sensitive

  ActionResult result = ActionResult::kContinue;
  EXPECT_EQ(fx_.variables.FindOrCreateInScope(2, "L", result), nullptr);
  EXPECT_EQ(result, ActionResult::kNoLocalScope);
  EXPECT_EQ(fx_.variables.FindOrCreateInScope(3, "L", result), nullptr);
  EXPECT_EQ(result, ActionResult::kUnknownScope);
  EXPECT_EQ(fx_.variables.FindOrCreateInScope(-1, "L", result), nullptr);
  EXPECT_EQ(result, ActionResult::kUnknownScope);
  Variable* created = fx_.variables.FindOrCreateInScope(0, "New", result);
  EXPECT_EQ(result, ActionResult::kContinue);
  EXPECT_EQ(created->value.type(), platform::VT_EMPTY);
  EXPECT_EQ(fx_.variables.FindOrCreateInScope(0, "New", result), created);
}

TEST_F(VariablesTest, ExpandReferences) {
  Set(0, "NAME", Variant::Utf8("World"));
  Set(0, "A", Variant::Utf8("x"));
  Set(0, "B", Variant::Utf8("y"));
  Set(0, "N", Variant::I4(5));
  Set(0, "BARS", Variant::Utf8("|A|"));
  const auto expand = [&](std::u16string_view text) {
    return platform::TextToUtf8(ExpandReferences(fx_.variables, text));
  };
  EXPECT_EQ(expand(u"Hello |NAME|"), "Hello World");
  EXPECT_EQ(expand(u"|A| and |B|"), "x and y");
  EXPECT_EQ(expand(u"|A| |nobody| |B|"), "x |nobody| y");
  EXPECT_EQ(expand(u"|N| stays"), "|N| stays");  // not a text
  EXPECT_EQ(expand(u"|BARS|"), "|A|");           // inserted text is not searched again
  EXPECT_EQ(expand(u"|A||B|"), "xy");
  EXPECT_EQ(expand(u"a|b"), "a|b");
  EXPECT_EQ(expand(u"||"), "||");
  EXPECT_EQ(expand(u"|||A|"), "||x");  // "||" names nobody; the search goes on after it
  Set(0, "", Variant::Utf8("empty"));
  EXPECT_EQ(expand(u"a||b"), "aemptyb");
}

TEST_F(VariablesTest, ExpansionStopsAtTheTextLimit) {
  // A document that doubles a text on every run must not exhaust memory.
  Set(0, "X", Variant::Utf8(std::string(kMaxExpandedText / 2 + 1, 'a')));
  const std::u16string once = ExpandReferences(fx_.variables, u"|X|");
  EXPECT_EQ(once.size(), kMaxExpandedText / 2 + 1);
  const std::u16string twice = ExpandReferences(fx_.variables, u"|X||X|");
  EXPECT_EQ(twice.size(), kMaxExpandedText / 2 + 1 + 3);
  EXPECT_EQ(twice.substr(twice.size() - 3), u"|X|");
}

TEST_F(VariablesTest, SetVariableStoresExpandedText) {
  Set(0, "NAME", Variant::Utf8("World"));
  EXPECT_EQ(RunItem("name = SetVariable\nvarName = X\nvalue = Hello |NAME|"),
            ActionResult::kContinue);
  EXPECT_EQ(fx_.Text("X"), "Hello World");
  Set(0, "NAME", Variant::I4(3));
  RunItem("name = Create Variable\nvarName = X\nvalue = Hello |NAME|");
  EXPECT_EQ(fx_.Text("X"), "Hello |NAME|");
}

TEST_F(VariablesTest, SetVariableTypesScopesAndResults) {
  RunItem("name = SetVariable\nvarName = I\nvalueType = 3\nvalue = 0x10");
  RunItem("name = SetVariable\nvarName = S\nvalueType = 2\nvalue = 0x10");
  RunItem("name = SetVariable\nvarName = R\nvalueType = 4\nvalue = 2.5");
  RunItem("name = SetVariable\nvarName = B\nvalueType = 11\nvalue = True");
  RunItem("name = SetVariable\nvarName = E\nvalueType = 0\nvalue = 5");
  RunItem("name = SetVariable\nvarName = Y\nvalueType = 17\nvalue = 300");  // stays text
  const auto var = [&](const char* n) { return fx_.variables.FindVariable(n)->value; };
  EXPECT_EQ(var("I").type(), platform::VT_I4);
  EXPECT_EQ(var("I").IntValue(), 16);
  EXPECT_EQ(var("S").IntValue(), 0);
  EXPECT_EQ(var("R").type(), platform::VT_R8);
  EXPECT_EQ(var("B").type(), platform::VT_BOOL);
  EXPECT_EQ(var("B").IntValue(), -1);
  EXPECT_EQ(var("E").type(), platform::VT_EMPTY);
  EXPECT_EQ(var("Y").type(), platform::VT_BSTR);

  RunItem("name = SetVariable\nvarName = X\nscope = 1\nvalue = over");
  EXPECT_EQ(fx_.variables.overrides().size(), 1u);
  EXPECT_EQ(RunItem("name = SetVariable\nvarName = X\nscope = 2\nvalue = v"),
            ActionResult::kNoLocalScope);
  EXPECT_EQ(RunItem("name = SetVariable\nvarName = X\nscope = 5\nvalue = v"),
            ActionResult::kUnknownScope);
  fx_.variables.PushLocalFrame();
  EXPECT_EQ(RunItem("name = SetVariable\nvarName = L\nscope = 2\nvalue = v"),
            ActionResult::kContinue);
  EXPECT_EQ(fx_.variables.top_local()->size(), 1u);
}

TEST_F(VariablesTest, SetVariableReadsTheRegistryOnceAtLoad) {
  platform::MemoryRegistry registry;
  fx_.load.registry = &registry;
  ASSERT_TRUE(registry.WriteString("Software\\Corvane\\Show", "Path", "D:\\Cd"));
  ASSERT_TRUE(registry.WriteDword("Software\\Corvane\\Show", "Count", 7));
  CDataFile file = ParseDocument(R"(
    [S]
    numScriptItems = 3
    [S_ScriptItem_1]
    name = SetVariable
    varName = P
    flag = registry
    registryKey = Software\Corvane\Show
    registryValueName = Path
    value = not used
    [S_ScriptItem_2]
    name = SetVariable
    varName = C
    flag = registry
    registryKey = Software\Corvane\Show
    registryValueName = Count
    [S_ScriptItem_3]
    name = SetVariable
    varName = M
    flag = registry
    registryKey = Software\Corvane\Show
    registryValueName = Missing
  )");
  CScript script("S", nullptr);
  script.Load(file, fx_.load);
  ASSERT_TRUE(registry.WriteString("Software\\Corvane\\Show", "Path", "changed later"));
  script.Run(fx_.context);
  EXPECT_EQ(fx_.Text("P"), "D:\\Cd");
  EXPECT_EQ(fx_.Text("C"), "7");
  EXPECT_EQ(fx_.variables.FindVariable("M")->value.type(), platform::VT_EMPTY);
}

TEST_F(VariablesTest, ModifyVariableOnTextsAndNumbers) {
  Set(0, "T", Variant::Utf8("abc"));
  EXPECT_EQ(Modified("T", "Plus", "valueType = 3\nvalue = 1"), "abc1");
  EXPECT_EQ(Modified("T", "Minus", "value = c"), "abc1");

  Set(0, "N", Variant::I4(5));
  Modify("N", "Plus", "valueType = 8\nvalue = 3");
  EXPECT_EQ(fx_.variables.FindVariable("N")->value.type(), platform::VT_I4);
  EXPECT_EQ(fx_.Text("N"), "8");
  EXPECT_EQ(Modified("N", "Times", "valueType = 3\nvalue = -3"), "-24");
  EXPECT_EQ(Modified("N", "Divide", "valueType = 3\nvalue = 5"), "-4");  // truncates
  // Division by zero leaves the target; operations are case-sensitive.
  EXPECT_EQ(Modified("N", "Divide", "valueType = 3\nvalue = 0"), "-4");
  EXPECT_EQ(Modified("N", "plus", "valueType = 3\nvalue = 1"), "-4");
  // A constant that does not convert: arithmetic does nothing, Equals takes it as it is.
  EXPECT_EQ(Modified("N", "Plus", "valueType = 8\nvalue = abc"), "-4");
  EXPECT_EQ(Modified("N", "Equals", "valueType = 8\nvalue = abc"), "abc");
  // Without "valueType" the constant is the empty text, whatever "value" says.
  EXPECT_EQ(Modified("N", "Equals", "value = abc"), "");

  Set(0, "W", Variant::I2(32767));
  // Whole numbers wrap in their type's width.
  EXPECT_EQ(Modified("W", "Plus", "valueType = 3\nvalue = 1"), "-32768");
  Set(0, "UW", Variant::UI2(1));
  EXPECT_EQ(Modified("UW", "Minus", "valueType = 18\nvalue = 2"), "65535");
  Set(0, "UL", Variant::UI4(1));
  EXPECT_EQ(Modified("UL", "Minus", "valueType = 19\nvalue = 2"), "4294967295");
  EXPECT_EQ(fx_.variables.FindVariable("UL")->value.type(), platform::VT_UI4);
  Set(0, "M", Variant::I4(INT32_MIN));
  EXPECT_EQ(Modified("M", "Divide", "valueType = 3\nvalue = -1"), "-2147483648");
  Set(0, "D", Variant::R8(1));
  EXPECT_EQ(Modified("D", "Divide", "valueType = 5\nvalue = 4"), "0.25");
  // A real divided by zero takes the real result, an infinity, shown as the variant's text.
  Modify("D", "Divide", "valueType = 5\nvalue = 0");
  const Variable* d = fx_.variables.FindVariable("D");
  EXPECT_EQ(d->value.type(), platform::VT_R8);
  EXPECT_TRUE(std::isinf(d->value.RealValue()) && d->value.RealValue() > 0);
  EXPECT_EQ(fx_.Text("D"),
            Variant::R8(std::numeric_limits<double>::infinity()).TextUtf8().value_or("?"));
  Set(0, "F", Variant::R4(-2));
  Modify("F", "Divide", "valueType = 4\nvalue = 0");
  EXPECT_TRUE(std::isinf(fx_.variables.FindVariable("F")->value.RealValue()));
}

TEST_F(VariablesTest, ModifyVariableFromAnotherVariable) {
  Set(0, "N", Variant::I4(5));
  Set(0, "S", Variant::Utf8("10"));
  Set(0, "Bad", Variant::Utf8("ten"));
  Set(0, "Null", Variant::Null());
  EXPECT_EQ(Modify("N", "Plus", "srcVar = S"), ActionResult::kContinue);
  EXPECT_EQ(fx_.Text("N"), "15");
  EXPECT_EQ(Modify("N", "Plus", "srcVar = Bad"), ActionResult::kVariableError);
  EXPECT_EQ(Modify("N", "Plus", "srcVar = Null"), ActionResult::kVariableError);
  EXPECT_EQ(Modify("N", "Plus", "srcVar = Nope"), ActionResult::kVariableError);
  EXPECT_EQ(fx_.Text("N"), "15");
  // Equals takes the operand converted to the target's type; the target never changes type.
  Set(0, "T", Variant::Utf8("x"));
  Modify("T", "Equals", "srcVar = N");
  EXPECT_EQ(fx_.variables.FindVariable("T")->value.type(), platform::VT_BSTR);
  EXPECT_EQ(fx_.Text("T"), "15");
  // A target that was never set stops the script and is not created.
  EXPECT_EQ(Modify("Never", "Equals", "value = 1"), ActionResult::kVariableError);
  EXPECT_EQ(fx_.variables.FindVariable("Never"), nullptr);
}

TEST_F(VariablesTest, AppendingStopsAtTheTextLimit) {
  Set(0, "T", Variant::Utf8(std::string(kMaxExpandedText / 2 + 1, 'a')));
  for (int run = 0; run < 3; ++run) Modify("T", "Plus", "srcVar = T");
  EXPECT_EQ(fx_.Text("T").size(), kMaxExpandedText / 2 + 1);
}

TEST_F(VariablesTest, ModifyVariableExpandsTheResult) {
  Set(0, "WHO", Variant::Utf8("World"));
  Set(0, "T", Variant::Utf8("Hello "));
  EXPECT_EQ(Modified("T", "Plus", "valueType = 8\nvalue = |WHO|"), "Hello World");
}

TEST(PredefinedVariables, AddedOnceFirstOneWins) {
  Fixture fx;
  AddPredefinedVariables(fx.variables, {"/media/cd/show/", "/media/cd/", "/usr/", "/usr/lib/"});
  // Every page load adds them: the store does not grow with the loads.
  for (int load = 0; load < 100; ++load) {
    AddPredefinedVariables(fx.variables, {"/other/", "/", "/usr/", "/usr/lib/"});
  }
  EXPECT_EQ(fx.variables.global().size(), 7u);
  EXPECT_EQ(fx.Text("APPPATH"), "/media/cd/show/");
  EXPECT_EQ(fx.Text("CD_ROOT"), "/media/cd/");
  EXPECT_EQ(fx.Text("WIN"), "/usr/");
  EXPECT_EQ(fx.Text("SYS"), "/usr/lib/");
  EXPECT_EQ(fx.variables.FindVariable("NULL")->value.type(), platform::VT_EMPTY);
  EXPECT_EQ(fx.variables.FindVariable("TRUE")->value.type(), platform::VT_I4);
  EXPECT_EQ(fx.Text("TRUE"), "1");
  EXPECT_EQ(fx.Text("FALSE"), "0");
  std::vector<std::string> names;
  for (const Variable& v : fx.variables.global()) names.push_back(v.name);
  EXPECT_THAT(std::vector<std::string>(names.begin(), names.begin() + 7),
              ::testing::ElementsAre("NULL", "CD_ROOT", "WIN", "SYS", "APPPATH", "TRUE", "FALSE"));
}

TEST(PredefinedVariables, DirectoriesOfADocument) {
  DocumentDirectories dirs = DirectoriesForDocument("/", platform::SystemDirectories{});
  EXPECT_EQ(dirs.document, "/");
  EXPECT_EQ(dirs.drive_root, "/");
  const std::string tmp = std::filesystem::temp_directory_path().string();
  dirs = DirectoriesForDocument(tmp, platform::SystemDirectories{});
  EXPECT_EQ(dirs.document, tmp + "/");
  EXPECT_EQ(dirs.drive_root.back(), '/');
  EXPECT_EQ(dirs.document.rfind(dirs.drive_root, 0), 0u);  // a prefix of the directory
}

}  // namespace
}  // namespace browser
