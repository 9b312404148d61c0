#include "formkit/form.h"

#include <stdexcept>

namespace formkit {

void Form::Declare(std::string name, ControlKind kind, std::string text) {
  Control control;
  control.kind = kind;
  control.text = std::move(text);
  controls_[std::move(name)] = std::move(control);
}

const Control& Form::At(std::string_view name) const {
  const auto it = controls_.find(name);
  if (it == controls_.end()) throw std::out_of_range("no control named " + std::string(name));
  return it->second;
}

Control& Form::Mutable(std::string_view name) { return const_cast<Control&>(At(name)); }

void Form::Changed(const std::string& name) {
  if (observer_) observer_(name);
}

void Form::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Changed("");
}

void Form::SetText(std::string_view name, std::string text) {
  Control& control = Mutable(name);
  const bool different = control.text != text;
  control.text = std::move(text);
  Changed(std::string(name));
  if (different) TextChanged(std::string(name));
}

void Form::SetVisible(std::string_view name, bool visible) {
  Mutable(name).visible = visible;
  Changed(std::string(name));
}

void Form::SetEnabled(std::string_view name, bool enabled) {
  Mutable(name).enabled = enabled;
  Changed(std::string(name));
}

void Form::SetValue(std::string_view name, int value) {
  Mutable(name).value = value;
  Changed(std::string(name));
}

void Form::SetItems(std::string_view name, std::vector<std::string> items) {
  Mutable(name).items = std::move(items);
  Changed(std::string(name));
}

}  // namespace formkit
