// The control element with a scriptable control: its own properties by name, methods, the
// events that run its scripts, the external object, and the teardown that disconnects them.
#include <gtest/gtest.h>

#include "browser/page/activex_element.h"
#include "browser/page/browser_document.h"
#include "browser/script/control_event_sink.h"
#include "browser/script/id_manager.h"
#include "browser/script/script_item.h"
#include "page_test_support.h"
#include "platform/recording_control.h"

namespace browser {
namespace {

using platform::Variant;

// A window whose controls are recording controls; names starting with "Empty" make an
// empty child, as names no class answers do.
class ControlWindow : public testing::FakeWindow {
 public:
  uint64_t CreateControl(const std::string& name, const Rect& bounds, bool drop) override {
    const uint64_t id = FakeWindow::CreateControl(name, bounds, drop);
    if (name.rfind("Empty", 0) != 0) made[id] = std::make_unique<platform::RecordingControl>();
    return id;
  }
  void DestroyControl(uint64_t control) override {
    FakeWindow::DestroyControl(control);
    if (made.count(control)) {
      // A control the element did not disconnect would still call into it.
      disconnected = made[control]->receiver == nullptr && made[control]->external == nullptr;
      made.erase(control);
    }
  }
  platform::Control* ControlObject(uint64_t control) override {
    return made.count(control) ? made[control].get() : nullptr;
  }
  ScriptContext* ControlScriptContext() override { return context; }

  std::map<uint64_t, std::unique_ptr<platform::RecordingControl>> made;
  ScriptContext* context = nullptr;
  bool disconnected = false;
};

class ActiveXElementTest : public ::testing::Test {
 protected:
  void Load(std::string_view text) {
    file_ = testing::Document(text);
    document_.set_host(&window_);
    window_.context = &context_;
    document_.Load(file_, load_);
    context_.main_page = document_.main_page();
  }
  CActiveXElement& Element(const char* id) {
    return *dynamic_cast<CActiveXElement*>(ids_.Lookup(id));
  }
  platform::RecordingControl& Control(const char* id) { return *window_.made.at(Element(id).control()); }

  CDataFile file_;
  CIdManager ids_;
  LoadContext load_{ids_};
  ControlWindow window_;
  CBrowserDocument document_;
  ScriptContext context_{document_.variables(), ids_};
};

const char kPage[] = R"(
    [Main]
    numElements = 2
    numScripts = 1
    [Script_1]
    name = FromPage
    numScriptItems = 1
    [Script_1_ScriptItem_1]
    name = SetVariable
    varName = page
    value = ran
    [Element_1]
    type = ActiveX
    id = ctl
    controlName = Panorel.TestControl
    width = 50
    height = 20
    numScripts = 1
    [Element_1_Script_1]
    name = Clicked
    numScriptItems = 1
    [Element_1_Script_1_ScriptItem_1]
    name = SetVariable
    varName = clickedAt
    value = |X|
    [Element_2]
    type = ActiveX
    id = empty
    controlName = Empty.Unknown
  )";

TEST_F(ActiveXElementTest, UnknownNamesReachTheControlsOwnProperties) {
  Load(kPage);
  platform::RecordingControl& control = Control("ctl");
  control.properties["Caption"] = Variant::Utf8("old");
  Variant v = Variant::Utf8("new");
  EXPECT_EQ(Element("ctl").AccessProperty("Caption", v, true), PropertyResult::kOk);
  EXPECT_EQ(control.properties["Caption"].TextUtf8(), "new");
  // What the control makes of a name is its business: the put still answers kOk.
  EXPECT_EQ(Element("ctl").AccessProperty("Nothing", v, true), PropertyResult::kOk);
  Variant got = Variant::I4(3);
  EXPECT_EQ(Element("ctl").AccessProperty("Caption", got, false), PropertyResult::kOk);
  EXPECT_EQ(got.TextUtf8(), "new");
  got = Variant::I4(3);
  EXPECT_EQ(Element("ctl").AccessProperty("Nothing", got, false), PropertyResult::kOk);
  EXPECT_EQ(got.IntValue(), 3);
  // The element's own names stay its own.
  Variant width = Variant::I4(70);
  EXPECT_EQ(Element("ctl").AccessProperty("WIDTH", width, true), PropertyResult::kOk);
  EXPECT_EQ(Element("ctl").GetBounds().right, 70);
  EXPECT_EQ(control.puts, 1);

  // An empty child has nothing to script: a put fails, a get answers kOk unchanged.
  EXPECT_EQ(Element("empty").AccessProperty("Caption", v, true), PropertyResult::kFailed);
  got = Variant::I4(4);
  EXPECT_EQ(Element("empty").AccessProperty("Caption", got, false), PropertyResult::kOk);
  EXPECT_EQ(got.IntValue(), 4);
  Variant result;
  EXPECT_FALSE(Element("empty").InvokeMethod("Add", {}, result));
  EXPECT_EQ(Element("empty").event_sink(), nullptr);
}

TEST_F(ActiveXElementTest, EventsAndTheExternalObjectRunScriptsUntilTeardown) {
  Load(kPage);
  platform::RecordingControl* control = &Control("ctl");
  // The events are connected when the control is made, so the window's control declares
  // them first: the recording control declares none, and the element's sink has no map.
  EXPECT_TRUE(Element("ctl").event_sink()->event_map().empty());

  ASSERT_NE(control->external, nullptr);
  int32_t id = 0;
  ASSERT_EQ(control->external->GetIDsOfNames("ExecuteScript", &id), platform::DispStatus::kOk);
  const std::vector<Variant> args = {Variant::Utf8("FromPage")};
  EXPECT_EQ(control->external->Invoke(id, &args, nullptr), platform::DispStatus::kOk);
  ASSERT_NE(document_.variables().FindVariable("page"), nullptr);

  document_.Unload(context_);
  EXPECT_TRUE(window_.disconnected);
  EXPECT_TRUE(window_.made.empty());
}

TEST_F(ActiveXElementTest, AControlsEventRunsTheElementsScript) {
  // Declared before the page loads, as a real control's class declares its events.
  struct EventfulWindow : ControlWindow {
    uint64_t CreateControl(const std::string& name, const Rect& bounds, bool drop) override {
      const uint64_t id = ControlWindow::CreateControl(name, bounds, drop);
      if (made.count(id)) made[id]->events = {{7, "Clicked", {"X", "Y"}}};
      return id;
    }
  };
  EventfulWindow window;
  window.context = &context_;
  file_ = testing::Document(kPage);
  document_.set_host(&window);
  document_.Load(file_, load_);
  auto& element = *dynamic_cast<CActiveXElement*>(ids_.Lookup("ctl"));
  window.made.at(element.control())->Raise(7, {Variant::Utf8("12"), Variant::I4(3)});
  const Variable* v = document_.variables().FindVariable("clickedAt");
  ASSERT_NE(v, nullptr);
  EXPECT_EQ(v->value.TextUtf8(), "12");
  EXPECT_EQ(document_.variables().FindVariable("X"), nullptr);
  document_.Unload(context_);
  EXPECT_TRUE(window.disconnected);
}

}  // namespace
}  // namespace browser
