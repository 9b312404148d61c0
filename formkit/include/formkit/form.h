// A headless form: the state of a form's controls, by control name.
//
// The programs' procedures read control texts and write label captions; this object holds
// exactly that state so the procedures run without a window. A Qt window mirrors it.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace formkit {

enum class ControlKind { kTextBox, kLabel, kButton, kOption, kCheckBox, kList, kMenu };

struct Control {
  ControlKind kind = ControlKind::kTextBox;
  std::string text;  // a text box's text or a label's, button's or menu's caption
  bool visible = true;
  bool enabled = true;
  int value = 0;  // option selected / check box ticked (1); list position for a list
  std::vector<std::string> items;  // a list's items
};

class Form {
 public:
  explicit Form(std::string caption) : caption_(std::move(caption)) {}
  virtual ~Form() = default;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

  // Every control access names a control the form declared; any other name is a
  // programming error and throws std::out_of_range.
  const Control& At(std::string_view name) const;
  const std::string& Text(std::string_view name) const { return At(name).text; }
  void SetText(std::string_view name, std::string text);
  void SetVisible(std::string_view name, bool visible);
  void SetEnabled(std::string_view name, bool enabled);
  void SetValue(std::string_view name, int value);
  void SetItems(std::string_view name, std::vector<std::string> items);
  bool Has(std::string_view name) const { return controls_.count(std::string(name)) != 0; }
  const std::map<std::string, Control, std::less<>>& Controls() const { return controls_; }

  // Called after any change, with the control's name ("" for the caption); the window
  // uses it to mirror the change.
  void SetObserver(std::function<void(const std::string&)> observer) {
    observer_ = std::move(observer);
  }

 protected:
  // Runs after a control's text has changed to a different one, whoever changed it (the
  // user, a procedure or a job file), as the form's change handlers do.
  virtual void TextChanged(const std::string& name) { (void)name; }

  void Declare(std::string name, ControlKind kind, std::string text = "");

 private:
  Control& Mutable(std::string_view name);
  void Changed(const std::string& name);

  std::string caption_;
  std::map<std::string, Control, std::less<>> controls_;
  std::function<void(const std::string&)> observer_;
};

}  // namespace formkit
