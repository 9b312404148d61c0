// A control for tests: keeps every call and property write, answers as told, and raises the
// events a test asks it to. Nothing is shown.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/controls.h"

namespace platform {

class RecordingControl : public Control {
 public:
  struct CallRecord {
    std::string name;
    std::vector<Variant> arguments;
  };

  bool Call(std::string_view name, const std::vector<Variant>& arguments,
            Variant* result) override {
    calls.push_back({std::string(name), arguments});
    const auto it = results.find(std::string(name));
    if (it == results.end()) return false;  // a method the control does not have
    if (result) *result = it->second;
    return true;
  }
  bool PutProperty(std::string_view name, const Variant& value) override {
    const auto it = properties.find(std::string(name));
    if (it == properties.end()) return false;
    it->second = value;
    ++puts;
    return true;
  }
  bool GetProperty(std::string_view name, Variant* value) override {
    const auto it = properties.find(std::string(name));
    if (it == properties.end()) return false;
    if (value) *value = it->second;
    return true;
  }
  const std::vector<ControlEventInfo>& Events() const override { return events; }
  void SetEventReceiver(ControlEvents* r) override { receiver = r; }
  void SetExternal(ExternalDispatch* e) override { external = e; }

  // Raises event `id` as the control would; nothing while no receiver is connected.
  void Raise(int32_t id, const std::vector<Variant>& arguments) {
    if (receiver) receiver->ControlEvent(id, arguments);
  }

  // Method names the control has, with the result each answers.
  std::map<std::string, Variant> results;
  // Property names the control has, with their values.
  std::map<std::string, Variant> properties;
  std::vector<ControlEventInfo> events;

  std::vector<CallRecord> calls;
  int puts = 0;
  ControlEvents* receiver = nullptr;
  ExternalDispatch* external = nullptr;
};

}  // namespace platform
