#pragma once

#include <vector>

#include "platform/controls.h"

namespace browser {

class CScriptableObject;
struct ScriptContext;

// Runs a hosted control's events as scripts of the element that hosts it: an event runs
// the element's script named like the event, with the event's arguments as variables of a
// local frame (scope 2) named after the event's parameters. The frame exists only while the
// script runs; events raised by that script nest with frames of their own.
//
// The sink connects itself to the control when made and disconnects when destroyed (or
// told to), so no event reaches an element that is gone.
class CControlEventSink : public platform::ControlEvents {
 public:
  CControlEventSink(platform::Control& control, CScriptableObject& element,
                    ScriptContext& context);
  ~CControlEventSink() override;
  CControlEventSink(const CControlEventSink&) = delete;
  CControlEventSink& operator=(const CControlEventSink&) = delete;

  void Disconnect();

  // An event of the control; an id the control does not declare runs nothing. Arguments
  // past the event's parameters are dropped; missing ones are EMPTY.
  void ControlEvent(int32_t id, const std::vector<platform::Variant>& arguments) override;

  // Each event's member id, name and parameter names, as the control declares them.
  const std::vector<platform::ControlEventInfo>& event_map() const { return event_map_; }

 private:
  platform::Control* control_;  // nullptr once disconnected
  CScriptableObject& element_;
  ScriptContext& context_;
  std::vector<platform::ControlEventInfo> event_map_;
};

}  // namespace browser
