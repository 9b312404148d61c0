#include "browser/script/control_event_sink.h"

#include "browser/script/script_item.h"
#include "browser/script/scriptable_object.h"
#include "browser/script/variables.h"

namespace browser {

CControlEventSink::CControlEventSink(platform::Control& control, CScriptableObject& element,
                                     ScriptContext& context)
    : control_(&control), element_(element), context_(context), event_map_(control.Events()) {
  control.SetEventReceiver(this);
}

CControlEventSink::~CControlEventSink() { Disconnect(); }

void CControlEventSink::Disconnect() {
  if (control_ != nullptr) control_->SetEventReceiver(nullptr);
  control_ = nullptr;
}

void CControlEventSink::ControlEvent(int32_t id, const std::vector<platform::Variant>& arguments) {
  if (control_ == nullptr) return;
  const platform::ControlEventInfo* event = nullptr;
  for (const auto& e : event_map_) {
    if (e.id == id) event = &e;
  }
  if (event == nullptr) return;

  CVariableStore& variables = context_.variables;
  variables.PushLocalFrame();
  for (size_t i = 0; i < event->parameters.size(); ++i) {
    if (event->parameters[i].empty()) continue;  // an unnamed parameter has no variable
    ActionResult unused;
    Variable* v = variables.FindOrCreateInScope(2, event->parameters[i], unused);
    // A value the variables have no room for leaves the variable empty.
    if (v != nullptr && i < arguments.size()) variables.Store(*v, arguments[i]);
  }
  element_.RunScriptByName(event->name, context_);
  variables.PopLocalFrame();
}

}  // namespace browser
