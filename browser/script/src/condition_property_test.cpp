// Conditions of IF/WHILE and the property actions.
#include <gtest/gtest.h>

#include "actions/condition.h"
#include "actions/if_while_action.h"
#include "browser/script/script.h"
#include "browser/script/scriptable_object.h"
#include "test_support.h"

namespace browser {
namespace {

using platform::Variant;
using testing::Fixture;
using testing::ParseDocument;

bool Cond(const Variant& l, const char* r, int op) {
  return EvaluateCondition(l, Variant::Utf8(r), op);
}

class ConditionTest : public ::testing::Test {
 protected:
  void SetUp() override { platform::SetUserNumberFormat({u'.', u'\0'}); }
};

TEST_F(ConditionTest, NumbersCompareAsNumbersTextsByLengthThenBytes) {
  EXPECT_TRUE(Cond(Variant::I4(9), "10", kLess));
  EXPECT_FALSE(Cond(Variant::Utf8("9"), "10", kLess));  // shorter, but '9' > '1'
  EXPECT_FALSE(Cond(Variant::Utf8("9"), "10", kGreater));  // not longer
  EXPECT_TRUE(Cond(Variant::Utf8("10"), "9", kLess) == false);
  EXPECT_FALSE(Cond(Variant::Utf8("abc"), "abd", kLess));  // same length
  EXPECT_FALSE(Cond(Variant::Utf8("ab"), "abd", kLess));  // common bytes equal: not lower
  EXPECT_TRUE(Cond(Variant::Utf8("aa"), "abd", kLess));
  EXPECT_TRUE(Cond(Variant::Utf8("abd"), "ab", kGreater));
  EXPECT_TRUE(Cond(Variant::Utf8("abc"), "abc", kGreaterOrEqual));
  EXPECT_FALSE(Cond(Variant::Utf8("ABC"), "abc", kEqual));
  EXPECT_TRUE(Cond(Variant::Utf8("abc"), "abc", kEqual));
  // Little-endian bytes: the low byte of U+0100 (0x00) is below that of "A" (0x41).
  EXPECT_TRUE(EvaluateCondition(Variant::Text(u"\u0100"), Variant::Text(u"AB"), kLess));
  EXPECT_TRUE(Cond(Variant::R8(2.5), "2.5", kEqual));
  EXPECT_TRUE(Cond(Variant::R8(2.5), "3", kLessOrEqual));
  EXPECT_FALSE(Cond(Variant::I4(3), "3", kLess));
  EXPECT_TRUE(Cond(Variant::I4(3), "3", kLessOrEqual));
  EXPECT_TRUE(Cond(Variant::I4(-1), "0", kLess));
}

TEST_F(ConditionTest, UnsignedLeftSidesCompareAsSignedAndReal) {
  EXPECT_TRUE(Cond(Variant::UI2(65535), "65535", kEqual));  // as I4
  EXPECT_TRUE(Cond(Variant::UI2(65535), "70000", kLess));
  EXPECT_TRUE(Cond(Variant::UI4(4294967295u), "4294967295", kEqual));  // as R8
  EXPECT_TRUE(Cond(Variant::UI4(4294967295u), "1e10", kLess));
  EXPECT_TRUE(Cond(Variant::UI1(200), "100", kGreater));
}

TEST_F(ConditionTest, FailedConversionIsFalse) {
  for (int op = kIsFalse; op <= kGreaterOrEqual; ++op) {
    EXPECT_FALSE(Cond(Variant::I4(1), "one", op)) << op;
  }
  EXPECT_FALSE(Cond(Variant::I2(1), "40000", kLess));  // overflow
  EXPECT_FALSE(Cond(Variant::I4(1), "1", 7));          // unknown operator
  EXPECT_FALSE(EvaluateCondition(Variant::Error(1), Variant::I4(1), kEqual));
}

TEST_F(ConditionTest, TruthIsTheLowWord) {
  EXPECT_FALSE(EvaluateCondition(Variant::I4(65536), Variant(), kIsTrue));
  EXPECT_TRUE(EvaluateCondition(Variant::I4(65536), Variant(), kIsFalse));
  EXPECT_FALSE(EvaluateCondition(Variant::R8(1.0), Variant(), kIsTrue));
  EXPECT_TRUE(EvaluateCondition(Variant::Bool(true), Variant(), kIsTrue));
  EXPECT_TRUE(EvaluateCondition(Variant::Utf8(""), Variant(), kIsTrue));
  EXPECT_FALSE(EvaluateCondition(Variant(), Variant(), kIsTrue));
}

TEST_F(ConditionTest, EmptyValuesAreEqualAndBothLessAndGreater) {
  EXPECT_TRUE(EvaluateCondition(Variant(), Variant::I4(5), kEqual));
  EXPECT_TRUE(EvaluateCondition(Variant(), Variant::I4(5), kLess));
  EXPECT_TRUE(EvaluateCondition(Variant(), Variant::I4(5), kGreater));
  EXPECT_TRUE(Cond(Variant::I4(0), "", kEqual) == false);  // "" is no number
  EXPECT_TRUE(EvaluateCondition(Variant::I4(0), Variant(), kEqual));  // empty is 0
}

// Each type compares its stored value in its own width; equality knows fewer types than
// order does, so equal values of those types are neither equal nor less-or-equal.
TEST_F(ConditionTest, EachTypeComparesInItsOwnWidth) {
  struct Case {
    Variant left;
    const char* right;
    bool equal, less, greater;
  };
  const Case cases[] = {
      {Variant::I2(-1), "-1", true, false, false},
      {Variant::Bool(true), "0", false, true, false},
      {Variant::I1(5), "5", false, false, false},
      {Variant::I1(-5), "5", false, true, false},
      {Variant::Int(65535), "0", false, true, false},  // -1 in 16 bits
      {Variant::I8(4294967296), "0", false, false, false},  // 0 in 32 bits
      {Variant::UI8(4294967297u), "2", false, true, false},  // 1 in 32 bits
      {Variant::UInt(65536), "1", false, true, false},  // 0 in 16 bits
      {Variant::UI1(200), "200", true, false, false},
      {Variant::R4(0.5f), "0.25", false, false, true},
  };
  for (const Case& c : cases) {
    const std::string what = std::to_string(c.left.type()) + " " + c.right;
    EXPECT_EQ(Cond(c.left, c.right, kEqual), c.equal) << what;
    EXPECT_EQ(Cond(c.left, c.right, kLess), c.less) << what;
    EXPECT_EQ(Cond(c.left, c.right, kGreater), c.greater) << what;
    EXPECT_EQ(Cond(c.left, c.right, kLessOrEqual), c.less || c.equal) << what;
  }
}

class IfItemTest : public ConditionTest {
 protected:
  ActionResult Run(std::string keys) {
    CDataFile file =
        ParseDocument("[S]\nnumScriptItems = 1\n[S_ScriptItem_1]\nname = IF/WHILE Statement\n" +
                      keys);
    CScript script("S", nullptr);
    script.Load(file, fx_.load);
    return script.items().at(0)->Execute(fx_.context);
  }
  Variable* Set(std::string_view name, Variant value) {
    ActionResult r;
    Variable* v = fx_.variables.FindOrCreateInScope(0, name, r);
    v->value = std::move(value);
    return v;
  }
  Fixture fx_;
};

TEST_F(IfItemTest, OperandsFromVariablesAndConstants) {
  Set("N", Variant::I4(9));
  Set("S", Variant::Utf8("9"));
  Set("TEN", Variant::Utf8("10"));
  EXPECT_EQ(Run("leftName = N\nconstValue = 10\noperator = 3"), ActionResult::kConditionTrue);
  EXPECT_EQ(Run("leftName = S\nconstValue = 10\noperator = 3"), ActionResult::kConditionFalse);
  EXPECT_EQ(Run("leftName = N\nrightName = TEN\noperator = 3"), ActionResult::kConditionTrue);
  // "rightName" counts only when "constValue" is empty.
  EXPECT_EQ(Run("leftName = N\nconstValue = 9\nrightName = TEN\noperator = 2"), ActionResult::kConditionTrue);
  EXPECT_EQ(Run("leftName = Missing\nconstValue = 1\noperator = 6"), ActionResult::kConditionFalse);
  // A missing right variable is an empty value: 0 for a number.
  Set("Z", Variant::I4(0));
  EXPECT_EQ(Run("leftName = Z\nrightName = Missing\noperator = 2"), ActionResult::kConditionTrue);
  // Scope 1 shadows scope 0.
  ActionResult r;
  fx_.variables.FindOrCreateInScope(1, "N", r)->value = Variant::I4(11);
  EXPECT_EQ(Run("leftName = N\nconstValue = 10\noperator = 5"), ActionResult::kConditionTrue);
}

TEST_F(IfItemTest, PathConditions) {
  platform::MemoryFileSystem& files = fx_.files;
  const std::string d = "/media/cd";
  files.MakeFolder(d + "/sub[1]");
  files.WriteFile(d + "/setup.exe", "x");
  Set("N", Variant::I4(1));
  EXPECT_EQ(Run("path = " + d + "/setup.exe\nleftName = N\noperator = 1"), ActionResult::kConditionTrue);
  EXPECT_EQ(Run("path = " + d + "/*.exe"), ActionResult::kConditionTrue);
  EXPECT_EQ(Run("path = " + d + "/set?p.*"), ActionResult::kConditionTrue);
  EXPECT_EQ(Run("path = " + d + "\\setup.exe"), ActionResult::kConditionTrue);
  EXPECT_EQ(Run("path = " + d + "/sub[1]"), ActionResult::kConditionTrue);  // brackets are no wildcards
  EXPECT_EQ(Run("path = " + d + "/*.txt"), ActionResult::kConditionFalse);
  // Wildcards match names that begin with a full stop, as a directory search does.
  files.WriteFile(d + "/sub[1]/.settings.kps", "x");
  EXPECT_EQ(Run("path = " + d + "\\sub[1]\\*.kps"), ActionResult::kConditionTrue);
  EXPECT_EQ(Run("path = " + d + "/sub[1]/?settings.kps"), ActionResult::kConditionTrue);
  // A present but empty path is false, and no other key is read.
  EXPECT_EQ(Run("path = \nleftName = N\noperator = 1"), ActionResult::kConditionFalse);
  // Wildcards match in the last component only: a folder's name is taken as it stands, so
  // "/*/*/*/*/*/*" looks into one folder of that very name instead of walking the disk.
  EXPECT_EQ(Run("path = " + d + "/../cd/set*"), ActionResult::kConditionTrue);
  EXPECT_EQ(Run("path = " + d + "/s*/x"), ActionResult::kConditionFalse);
  EXPECT_EQ(Run("path = " + d + "/*"), ActionResult::kConditionTrue);
  // The folder's own "." matches, as a directory search there finds it.
  EXPECT_EQ(Run("path = " + d + "/.*"), ActionResult::kConditionTrue);
  EXPECT_EQ(Run("path = /*/*/*/*/*/*"), ActionResult::kConditionFalse);
  // Every name read is an item of the event's budget.
  for (int i = 0; i < 300; ++i) files.WriteFile(d + "/f" + std::to_string(i), "");
  EventBudget budget;
  ASSERT_TRUE(budget.ChargeItems(kEventItemBudget - 100));
  EXPECT_EQ(PathMatchExists(files, d + "/*.none", budget), std::nullopt);
  EXPECT_TRUE(budget.spent());
  EventBudget fresh;
  EXPECT_EQ(PathMatchExists(files, d + "/*.none", fresh), false);
  EXPECT_LT(fresh.items_left(), kEventItemBudget - 300);
  // A relative path is looked for from the current folder.
  files.WriteFile("notes.txt", "");
  EXPECT_EQ(Run("path = notes.txt"), ActionResult::kConditionTrue);
  EXPECT_EQ(Run("path = note?.*"), ActionResult::kConditionTrue);
  // Without files handed in, nothing exists.
  fx_.load.files = nullptr;
  EXPECT_EQ(Run("path = notes.txt"), ActionResult::kConditionFalse);
}

// A scriptable object with one integer property "xpos" that it reads only into an integer,
// as the element classes do, and one that always fails.
class TestObject : public CScriptableObject {
 public:
  using CScriptableObject::CScriptableObject;
  PropertyResult AccessProperty(std::string_view name, Variant& value, bool put) override {
    if (name == "broken") return PropertyResult::kFailed;
    if (name != "xpos") {
      if (put) puts.emplace_back(name, value.TextUtf8().value_or("<none>"));
      return PropertyResult::kUnknown;
    }
    if (value.type() != platform::VT_I4) return PropertyResult::kWrongType;
    if (put) {
      x_ = static_cast<int32_t>(value.IntValue());
    } else {
      value = Variant::I4(x_);
    }
    return PropertyResult::kOk;
  }
  std::vector<std::pair<std::string, std::string>> puts;
};

class PropertyTest : public IfItemTest {
 protected:
  ActionResult RunScript(std::string_view text) {
    CDataFile file = ParseDocument(text);
    CScript script("S", nullptr);
    script.Load(file, fx_.load);
    return testing::RunScript(script, fx_.context);
  }
  void SetUp() override {
    IfItemTest::SetUp();
    object_.set_position(42, 7);
    fx_.ids.Register("pic", &object_);
    fx_.ids.Register("pic", &second_);
    fx_.ids.Register("script", &not_scriptable_);
  }
  TestObject object_{"Element_1", nullptr};
  TestObject second_{"Element_2", nullptr};
  CScript not_scriptable_{"Script_1", nullptr};
};

TEST_F(PropertyTest, GetPropertyNeedsAVariableOfTheRightType) {
  const char* get = "[S]\nnumScriptItems = 1\n[S_ScriptItem_1]\nname = GetProperty\n"
                    "controlId = pic\nproperty = xpos\nvariableName = X\n";
  EXPECT_EQ(RunScript(get), ActionResult::kContinue);
  EXPECT_EQ(fx_.variables.FindVariable("X")->value.type(), platform::VT_EMPTY);
  Set("X", Variant::I4(0));
  EXPECT_EQ(RunScript(get), ActionResult::kContinue);
  EXPECT_EQ(fx_.variables.FindVariable("X")->value.IntValue(), 42);  // the first "pic"

  EXPECT_EQ(RunScript("[S]\nnumScriptItems = 1\n[S_ScriptItem_1]\nname = GetProperty\n"
                      "controlId = pic\nproperty = broken\nvariableName = X\n"),
            ActionResult::kPropertyError);
  EXPECT_EQ(RunScript("[S]\nnumScriptItems = 1\n[S_ScriptItem_1]\nname = GetProperty\n"
                      "controlId = nobody\nproperty = xpos\nvariableName = X\n"),
            ActionResult::kObjectMissing);
  EXPECT_EQ(RunScript("[S]\nnumScriptItems = 1\n[S_ScriptItem_1]\nname = GetProperty\n"
                      "controlId = script\nproperty = xpos\nvariableName = X\n"),
            ActionResult::kObjectMissing);  // not scriptable
  EXPECT_EQ(RunScript("[S]\nnumScriptItems = 1\n[S_ScriptItem_1]\nname = GetProperty\n"
                      "controlId = pic\nproperty = xpos\nvariableName = X\nscope = 2\n"),
            ActionResult::kNoLocalScope);
}

TEST_F(PropertyTest, SetPropertyConvertsVariablesAndExpandsTexts) {
  Set("POS", Variant::Utf8("100"));
  Set("WHO", Variant::Utf8("World"));
  EXPECT_EQ(RunScript("[S]\nnumScriptItems = 1\n[S_ScriptItem_1]\nname = SetProperty\n"
                      "controlId = pic\nproperty = xpos\nvariableName = POS\nvalueType = 3\n"),
            ActionResult::kContinue);
  EXPECT_EQ(object_.x(), 100);
  EXPECT_EQ(RunScript("[S]\nnumScriptItems = 1\n[S_ScriptItem_1]\nname = SetProperty\n"
                      "controlId = pic\nproperty = caption\nvalue = Hello |WHO|\n"),
            ActionResult::kContinue);
  Set("BAD", Variant::Utf8("far"));
  EXPECT_EQ(RunScript("[S]\nnumScriptItems = 2\n[S_ScriptItem_1]\nname = SetProperty\n"
                      "controlId = pic\nproperty = xpos\nvariableName = BAD\nvalueType = 3\n"
                      "[S_ScriptItem_2]\nname = SetVariable\nvarName = after\nvalue = ran\n"),
            ActionResult::kPropertyError);  // stops the script
  EXPECT_EQ(fx_.variables.FindVariable("after"), nullptr);
  // A wrong type is ignored: the script goes on.
  EXPECT_EQ(RunScript("[S]\nnumScriptItems = 1\n[S_ScriptItem_1]\nname = SetProperty\n"
                      "controlId = pic\nproperty = xpos\nvalue = 5\n"),
            ActionResult::kContinue);
  EXPECT_EQ(object_.x(), 100);
  ASSERT_EQ(object_.puts.size(), 1u);
  EXPECT_EQ(object_.puts[0].second, "Hello World");
}

TEST_F(PropertyTest, MultiReadsNumberedSectionsWhateverItSays) {
  Set("A", Variant::Utf8("|WHO|"));
  Set("WHO", Variant::Utf8("World"));
  EXPECT_EQ(RunScript(R"(
    [S]
    numScriptItems = 1
    [S_ScriptItem_1]
    name = SetProperty
    controlId = pic
    multi = false
    property = ignored
    [S_ScriptItem_1_Property_0]
    property = xpos
    valueType = 3
    value = 0x20
    [S_ScriptItem_1_Property_1]
    property = text
    variableName = A
    [S_ScriptItem_1_Property_2]
    value = no property: the list ends here
    [S_ScriptItem_1_Property_3]
    property = never
  )"),
            ActionResult::kContinue);
  EXPECT_EQ(object_.x(), 32);
  ASSERT_EQ(object_.puts.size(), 1u);
  EXPECT_EQ(object_.puts[0].first, "text");
  EXPECT_EQ(object_.puts[0].second, "World");  // a variable of the same type is expanded
}

}  // namespace
}  // namespace browser
