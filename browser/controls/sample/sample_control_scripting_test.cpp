// The sample control in a document: found in its plug-in folder and made by name as the
// browser's window makes controls, then driven by the page's scripts (CallActiveXMethod) and
// driving them (its Pressed event runs the element's script).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QMouseEvent>
#include <QWidget>
#include <map>
#include <memory>

#include "browser/page/activex_element.h"
#include "browser/page/browser_document.h"
#include "browser/script/control_event_sink.h"
#include "browser/script/id_manager.h"
#include "browser/script/script_item.h"
#include "page_test_support.h"
#include "platform/control_registry.h"

namespace browser {
namespace {

using platform::Variant;

// A window whose controls come from a registry over the sample library's folder, children
// of one widget, as the program's window hosts them.
class PluginWindow : public testing::FakeWindow {
 public:
  PluginWindow()
      : registry_({QFileInfo(QStringLiteral(CORVANE_SAMPLE_CONTROL)).absolutePath()},
                  [](const QString& line) { ADD_FAILURE() << line.toStdString(); }) {}

  uint64_t CreateControl(const std::string& name, const Rect& bounds, bool drop) override {
    const uint64_t id = FakeWindow::CreateControl(name, bounds, drop);
    if (auto control = registry_.Create(name, &parent_)) made_[id] = std::move(control);
    return id;
  }
  void DestroyControl(uint64_t control) override {
    FakeWindow::DestroyControl(control);
    made_.erase(control);
  }
  platform::Control* ControlObject(uint64_t control) override {
    const auto it = made_.find(control);
    return it == made_.end() ? nullptr : it->second.get();
  }
  ScriptContext* ControlScriptContext() override { return context; }

  QWidget* Widget(uint64_t control) { return made_.at(control)->widget(); }

  ScriptContext* context = nullptr;

 private:
  QWidget parent_;
  platform::ControlRegistry registry_;
  std::map<uint64_t, std::unique_ptr<platform::QtControl>> made_;
};

// "Go" calls Scale(Value, Factor) three ways and Append once; the element's "Pressed"
// tests X, its first argument, against 5 and Y against 9.
const char kPage[] = R"(
    [Main]
    numElements = 1
    numScripts = 1
    [Script_1]
    name = Go
    numScriptItems = 4
    [Script_1_ScriptItem_1]
    name = CallActiveXMethod
    controlId = sample
    method = Scale
    numParameters = 2
    retVariable = R
    [Script_1_ScriptItem_1_Param_0]
    varName = Missing
    constValue = 1.5
    [Script_1_ScriptItem_1_Param_1]
    varName = Factor
    constValue = unused
    [Script_1_ScriptItem_2]
    name = CallActiveXMethod
    controlId = sample
    method = Scale
    numParameters = 2
    retVariable = Kept
    returnType = 24
    [Script_1_ScriptItem_2_Param_0]
    constValue = 2
    [Script_1_ScriptItem_2_Param_1]
    varName = Factor
    [Script_1_ScriptItem_3]
    name = CallActiveXMethod
    controlId = sample
    method = Scale
    numParameters = 2
    retVariable = Nobody
    [Script_1_ScriptItem_3_Param_0]
    constValue = 3
    [Script_1_ScriptItem_3_Param_1]
    constValue = 3
    [Script_1_ScriptItem_4]
    name = CallActiveXMethod
    controlId = sample
    method = Append
    numParameters = 1
    retVariable = Appended
    [Script_1_ScriptItem_4_Param_0]
    constValue = More
    [Element_1]
    type = ActiveX
    id = sample
    controlName = Corvane.SampleControl
    width = 80
    height = 30
    numScripts = 1
    [Element_1_Script_1]
    name = Pressed
    numScriptItems = 6
    [Element_1_Script_1_ScriptItem_1]
    name = IF/WHILE Statement
    leftName = X
    constValue = 5
    operator = 2
    [Element_1_Script_1_ScriptItem_2]
    name = SetVariable
    varName = sawX
    value = yes
    [Element_1_Script_1_ScriptItem_3]
    name = ENDIF Statement
    [Element_1_Script_1_ScriptItem_4]
    name = IF/WHILE Statement
    leftName = Y
    constValue = 9
    operator = 2
    [Element_1_Script_1_ScriptItem_5]
    name = SetVariable
    varName = sawY
    value = yes
    [Element_1_Script_1_ScriptItem_6]
    name = ENDIF Statement
  )";

class SampleControlScriptingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_.context = &context_;
    document_.set_host(&window_);
    file_ = testing::Document(kPage);
    document_.Load(file_, load_);
    context_.main_page = document_.main_page();
  }
  void TearDown() override { document_.Unload(context_); }

  Variable& Global(const char* name, Variant value) {
    ActionResult r;
    Variable* v = document_.variables().FindOrCreateInScope(0, name, r);
    v->value = std::move(value);
    return *v;
  }
  const Variable* Find(const char* name) { return document_.variables().FindVariable(name); }
  CActiveXElement& Element() { return *dynamic_cast<CActiveXElement*>(ids_.Lookup("sample")); }
  void Press(int x, int y) {
    QWidget* widget = window_.Widget(Element().control());
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(x, y), widget->mapToGlobal(QPointF(x, y)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
  }

  CDataFile file_;
  CIdManager ids_;
  LoadContext load_{ids_};
  PluginWindow window_;
  CBrowserDocument document_;
  ScriptContext context_{document_.variables(), ids_};
};

TEST_F(SampleControlScriptingTest, MethodsTakeTheSectionsInOrderAndLeaveResultsAsAsked) {
  ASSERT_NE(window_.ControlObject(Element().control()), nullptr);
  Variable& r = Global("R", Variant::R8(0));
  Variable& kept = Global("Kept", Variant::Utf8("old"));
  Global("Factor", Variant::I4(4));
  Variable& appended = Global("Appended", Variant::Utf8(""));
  document_.main_page()->RunScriptByName("Go", context_);

  // Value = "1.5" (the missing variable's constant, as text), Factor = 4 (the variable's
  // integer, not its constant): 6 only in that order.
  EXPECT_EQ(r.value.type(), platform::VT_R8);
  EXPECT_EQ(r.value.RealValue(), 6.0);
  EXPECT_EQ(kept.value.TextUtf8(), "old");  // returnType 24
  EXPECT_EQ(Find("Nobody"), nullptr);
  EXPECT_EQ(appended.value.TextUtf8(), "SampleMore");
  Variant text = Variant::Utf8("");
  ASSERT_EQ(Element().AccessProperty("text", text, false), PropertyResult::kOk);
  EXPECT_EQ(text.TextUtf8(), "SampleMore");
}

TEST_F(SampleControlScriptingTest, APressRunsTheElementsScriptWithXAndYForItsRun) {
  ASSERT_EQ(Element().event_sink()->event_map().size(), 2u);  // Pressed, TextChanged
  Press(9, 5);  // X is 9 and Y is 5: neither condition holds
  EXPECT_EQ(Find("sawX"), nullptr);
  EXPECT_EQ(Find("sawY"), nullptr);
  Press(5, 9);
  EXPECT_NE(Find("sawX"), nullptr);
  EXPECT_NE(Find("sawY"), nullptr);
  // The event's variables lived only while its script ran.
  EXPECT_EQ(Find("X"), nullptr);
  EXPECT_EQ(Find("Y"), nullptr);
  EXPECT_EQ(document_.variables().top_local(), nullptr);
  Variant presses = Variant::I4(0);
  ASSERT_EQ(Element().AccessProperty("presses", presses, false), PropertyResult::kOk);
  EXPECT_EQ(presses.IntValue(), 2);
}

}  // namespace
}  // namespace browser
