// Scripting hosted controls: CallActiveXMethod's arguments and result, control events run as
// scripts with local variables, and the external object a control host hands its control.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "actions/call_activex_method_action.h"
#include "browser/script/control_event_sink.h"
#include "browser/script/control_scripting.h"
#include "browser/script/external_object.h"
#include "browser/script/script.h"
#include "platform/recording_control.h"
#include "test_support.h"

namespace browser {
namespace {

using platform::DispStatus;
using platform::Variant;
using testing::Fixture;
using testing::ParseDocument;

// A control element as the page layer makes one, over a recording control.
class ControlElement : public CScriptableObject, public ControlScripting {
 public:
  ControlElement(std::string section, platform::Control* control)
      : CScriptableObject(std::move(section), nullptr), control_(control) {}
  bool InvokeMethod(std::string_view name, const std::vector<Variant>& arguments,
                    Variant& result) override {
    return control_ != nullptr && control_->Call(name, arguments, &result);
  }

 private:
  platform::Control* control_;
};

// Calling "Nest" raises event 2 (Inner) while the call runs, as a control may.
class NestingControl : public platform::RecordingControl {
 public:
  bool Call(std::string_view name, const std::vector<Variant>& arguments,
            Variant* result) override {
    if (name == "Nest") Raise(2, {Variant::Utf8("inner")});
    return RecordingControl::Call(name, arguments, result);
  }
};

struct RequestLog : ScriptHost {
  void PostRequest(PageRequest request) override { requests.push_back(request.kind); }
  void Minimize() override {}
  std::vector<PageRequest::Kind> requests;
};

class ControlScriptingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    control_.results = {{"Add", Variant::I4(42)}, {"Text", Variant::Utf8("abc")},
                        {"Number", Variant::Utf8("17")}, {"Nest", Variant()}};
    control_.events = {{1, "Outer", {"X", "Y"}}, {2, "Inner", {"X"}}, {3, "Quiet", {"X"}}};
    fx_.context.host = &host_;
  }

  // The control element "ctl" with the scripts given as data file text, then a script
  // "S" whose items are the given key lines; answers the result of running "S".
  ActionResult Run(std::initializer_list<std::string> items, const std::string& element_text = "") {
    std::string text = "[Ctl]\nid = ctl\n" + element_text + "\n[Other]\nid = other\n";
    text += "[S]\nnumScriptItems = " + std::to_string(items.size()) + "\n";
    int n = 0;
    for (const std::string& item : items) {
      text += "[S_ScriptItem_" + std::to_string(++n) + "]\n" + item + "\n";
    }
    file_ = ParseDocument(text);
    element_ = std::make_unique<ControlElement>("Ctl", &control_);
    element_->Load(file_, fx_.load);
    other_ = std::make_unique<CScriptableObject>("Other", nullptr);
    other_->Load(file_, fx_.load);
    script_ = std::make_unique<CScript>("S", nullptr);
    script_->Load(file_, fx_.load);
    return testing::RunScript(*script_, fx_.context);
  }
  Variable& Global(const std::string& name, Variant value) {
    ActionResult r;
    Variable* v = fx_.variables.FindOrCreateInScope(0, name, r);
    v->value = std::move(value);
    return *v;
  }
  std::vector<std::string> Arguments(size_t call) {
    std::vector<std::string> texts;
    for (const Variant& v : control_.calls.at(call).arguments) {
      texts.push_back(std::to_string(v.type()) + ":" + v.TextUtf8().value_or("?"));
    }
    return texts;
  }

  Fixture fx_;
  RequestLog host_;
  NestingControl control_;
  CDataFile file_;
  std::unique_ptr<ControlElement> element_;
  std::unique_ptr<CScriptableObject> other_;
  std::unique_ptr<CScript> script_;
};

const char kCall[] = "name = CallActiveXMethod\ncontrolId = ctl\n";

TEST_F(ControlScriptingTest, ParametersPassInSectionOrderFromVariablesOrConstants) {
  Global("N", Variant::I4(7));
  Global("T", Variant::Utf8("x|N2|y"));
  Global("N2", Variant::Utf8("1"));
  ASSERT_EQ(
      Run({std::string(kCall) + "method = Add\nnumParameters = 5\nreturnType = 24\n"
                                "[S_ScriptItem_1_Param_0]\nconstValue = A\n"
                                "[S_ScriptItem_1_Param_1]\nconstValue = B\nvarName = Missing\n"
                                "[S_ScriptItem_1_Param_2]\nvarName = N\nconstValue = unused\n"
                                "[S_ScriptItem_1_Param_3]\nvarName = T\n"
                                "[S_ScriptItem_1_Param_4]\nconstValue = |N2|\nvalueType = 3"}),
      ActionResult::kContinue);
  ASSERT_EQ(control_.calls.size(), 1u);
  EXPECT_EQ(control_.calls[0].name, "Add");
  // The first section is the first argument; a variable's text is expanded, a constant
  // never is; an integer variable passes its integer.
  EXPECT_EQ(Arguments(0), (std::vector<std::string>{"8:A", "8:B", "3:7", "8:x1y", "8:|N2|"}));
  EXPECT_EQ(script_->items().size(), 1u);
}

TEST_F(ControlScriptingTest, TheCountOfArgumentsIsNumParametersWhateverSectionsExist) {
  Run({std::string(kCall) + "method = Add\nnumParameters = 4\n"
       "[S_ScriptItem_1_Param_0]\nconstValue = A\n[S_ScriptItem_1_Param_2]\nconstValue = C",
       std::string(kCall) + "method = Add\nnumParameters = 1\n"
       "[S_ScriptItem_2_Param_0]\nconstValue = A\n[S_ScriptItem_2_Param_1]\nconstValue = B",
       std::string(kCall) + "method = Add\nnumParameters = -3\n"
       "[S_ScriptItem_3_Param_0]\nconstValue = A",
       std::string(kCall) + "method = Add\nnumParameters = 2\n"
       "[S_ScriptItem_4_Param_0]\nconstValue = A"});
  ASSERT_EQ(control_.calls.size(), 4u);
  // A missing section is an empty parameter, in between or after the last; sections past the
  // count are not read.
  EXPECT_EQ(Arguments(0), (std::vector<std::string>{"8:A", "8:", "8:C", "8:"}));
  EXPECT_EQ(Arguments(1), (std::vector<std::string>{"8:A"}));
  EXPECT_TRUE(Arguments(2).empty());
  EXPECT_EQ(Arguments(3), (std::vector<std::string>{"8:A", "8:"}));
}

TEST_F(ControlScriptingTest, AHostileParameterCountCostsOnlyTheSectionsThatExistUntilTheCall) {
  // Two thousand million arguments are more than an event may spend: the call is not made,
  // and loading made only the sections there are.
  Run({std::string(kCall) + "method = Add\nnumParameters = 2000000000\n"
       "[S_ScriptItem_1_Param_0]\nconstValue = A\n[S_ScriptItem_1_Param_2]\nconstValue = C"});
  const auto* call = dynamic_cast<const CCallActiveXMethodAction*>(script_->items().at(0).get());
  ASSERT_NE(call, nullptr);
  EXPECT_EQ(call->parameters().size(), 3u);
  EXPECT_TRUE(control_.calls.empty());
}

TEST_F(ControlScriptingTest, TheResultTakesTheVariablesTypeAndNeverCreatesOne) {
  Variable& i = Global("I", Variant::I4(1));
  Variable& t = Global("T", Variant::Utf8("old"));
  Variable& kept = Global("K", Variant::I4(5));
  Variable& untouched = Global("U", Variant::I4(6));
  Run({std::string(kCall) + "method = Number\nretVariable = I",            // "17" as I4
       std::string(kCall) + "method = Add\nretVariable = T\nreturnType = 8",  // 42 as text
       std::string(kCall) + "method = Text\nretVariable = K",              // "abc" fits no I4
       std::string(kCall) + "method = Add\nretVariable = U\nreturnType = 24",
       std::string(kCall) + "method = Unknown\nretVariable = T",
       std::string(kCall) + "method = Add\nretVariable = Nobody"});
  EXPECT_EQ(i.value.type(), platform::VT_I4);
  EXPECT_EQ(i.value.IntValue(), 17);
  EXPECT_EQ(t.value.TextUtf8(), "42");
  EXPECT_EQ(kept.value.IntValue(), 5);
  EXPECT_EQ(untouched.value.IntValue(), 6);
  EXPECT_EQ(fx_.variables.FindVariable("Nobody"), nullptr);
  EXPECT_EQ(control_.calls.size(), 6u);  // the unknown method was asked for, and failed
}

TEST_F(ControlScriptingTest, AnIdThatIsNoControlEndsTheScript) {
  EXPECT_EQ(Run({"name = CallActiveXMethod\ncontrolId = other\nmethod = Add",
                 "name = SetVariable\nvarName = after\nvalue = ran"}),
            ActionResult::kObjectMissing);
  EXPECT_EQ(Run({"name = CallActiveXMethod\ncontrolId = nobody\nmethod = Add"}),
            ActionResult::kObjectMissing);
  EXPECT_EQ(fx_.variables.FindVariable("after"), nullptr);
  EXPECT_TRUE(control_.calls.empty());
}

// The element's scripts: "Outer" tests X against its first argument, calls "Nest" (which
// raises "Inner" with X = "inner" while the call runs) and tests X again.
const char kEventScripts[] =
    "numScripts = 2\n"
    "[Ctl_Script_1]\nname = Outer\nnumScriptItems = 6\n"
    "[Ctl_Script_1_ScriptItem_1]\nname = IF/WHILE Statement\nleftName = X\nconstValue = 5\noperator = 2\n"
    "[Ctl_Script_1_ScriptItem_2]\nname = SetVariable\nvarName = sawFirst\nvalue = |Y|\n"
    "[Ctl_Script_1_ScriptItem_3]\nname = ENDIF Statement\n"
    "[Ctl_Script_1_ScriptItem_4]\nname = CallActiveXMethod\ncontrolId = ctl\nmethod = Nest\n"
    "[Ctl_Script_1_ScriptItem_5]\nname = IF/WHILE Statement\nleftName = X\nconstValue = 5\noperator = 2\n"
    "[Ctl_Script_1_ScriptItem_6]\nname = SetVariable\nvarName = stillFirst\nvalue = yes\n"
    "[Ctl_Script_2]\nname = Inner\nnumScriptItems = 1\n"
    "[Ctl_Script_2_ScriptItem_1]\nname = SetVariable\nvarName = inner\nvalue = |X|\n";

TEST_F(ControlScriptingTest, EventsRunTheirScriptWithTheArgumentsAsLocalVariables) {
  Run({}, kEventScripts);
  CControlEventSink sink(control_, *element_, fx_.context);
  EXPECT_EQ(sink.event_map().size(), 3u);
  control_.Raise(1, {Variant::I4(5), Variant::Utf8("why")});
  EXPECT_EQ(fx_.Text("sawFirst"), "why");
  EXPECT_EQ(fx_.Text("inner"), "inner");
  // The nested event had a frame of its own: the outer X is 5 again after it.
  EXPECT_EQ(fx_.Text("stillFirst"), "yes");
  // After the script, the event's variables are gone.
  EXPECT_EQ(fx_.variables.FindVariable("X"), nullptr);
  EXPECT_EQ(fx_.variables.FindVariable("Y"), nullptr);
  EXPECT_EQ(fx_.variables.top_local(), nullptr);
}

TEST_F(ControlScriptingTest, EventsWithoutScriptsOrIdsAndAfterDisconnectingRunNothing) {
  Run({}, kEventScripts);
  auto sink = std::make_unique<CControlEventSink>(control_, *element_, fx_.context);
  control_.Raise(3, {Variant::I4(1)});     // no script of that name
  control_.Raise(99, {Variant::I4(1)});    // no such event
  control_.Raise(1, {Variant::I4(4)});     // Y missing: empty; X is not 5
  EXPECT_EQ(fx_.variables.FindVariable("sawFirst"), nullptr);
  EXPECT_EQ(fx_.variables.top_local(), nullptr);
  sink.reset();
  EXPECT_EQ(control_.receiver, nullptr);
  control_.Raise(1, {Variant::I4(5), Variant::Utf8("late")});
  EXPECT_EQ(fx_.variables.FindVariable("sawFirst"), nullptr);
}

TEST_F(ControlScriptingTest, TheExternalObjectRunsMainPageScriptsAndCloses) {
  CDataFile page_file = ParseDocument(
      "[Main]\nnumScripts = 1\n[Script_1]\nname = Go\nnumScriptItems = 1\n"
      "[Script_1_ScriptItem_1]\nname = SetVariable\nvarName = went\nvalue = ran\n");
  CScriptableObject page("Main", nullptr);
  page.Load(page_file, fx_.load);
  fx_.context.main_page = &page;
  ExternalObject external(fx_.context);

  int32_t id = 0;
  EXPECT_EQ(external.GetIDsOfNames("executescript", &id), DispStatus::kOk);
  EXPECT_EQ(id, 1);
  EXPECT_EQ(external.GetIDsOfNames("CLOSE", &id), DispStatus::kOk);
  EXPECT_EQ(id, 2);
  EXPECT_EQ(external.GetIDsOfNames("Navigate", &id), DispStatus::kNotImplemented);

  const std::vector<Variant> none;
  const std::vector<Variant> number = {Variant::I4(1)};
  const std::vector<Variant> go = {Variant::Utf8("Go")};
  uint32_t argument_error = 7;
  EXPECT_EQ(external.Invoke(1, nullptr, &argument_error), DispStatus::kInvalidArgument);
  EXPECT_EQ(external.Invoke(1, &none, &argument_error), DispStatus::kOk);
  EXPECT_EQ(fx_.variables.FindVariable("went"), nullptr);
  EXPECT_EQ(external.Invoke(1, &number, &argument_error), DispStatus::kTypeMismatch);
  EXPECT_EQ(argument_error, 0u);
  EXPECT_EQ(external.Invoke(3, &go, &argument_error), DispStatus::kMemberNotFound);
  EXPECT_TRUE(host_.requests.empty());
  EXPECT_EQ(external.Invoke(1, &go, &argument_error), DispStatus::kOk);
  EXPECT_EQ(fx_.Text("went"), "ran");
  EXPECT_EQ(external.Invoke(2, &none, &argument_error), DispStatus::kOk);
  EXPECT_EQ(host_.requests, (std::vector<PageRequest::Kind>{PageRequest::Kind::kExit}));

  // Without a document there is no page to run a script of.
  fx_.context.main_page = nullptr;
  EXPECT_EQ(external.Invoke(1, &go, &argument_error), DispStatus::kOk);
}

}  // namespace
}  // namespace browser
