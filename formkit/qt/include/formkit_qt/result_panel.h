// The result labels of a form window as a user reads them: selectable (to copy a value),
// right-aligned in their boxes, each with its unit beside it, and dimmed while the inputs
// differ from those they were last written from. The captions are never touched.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "formkit/form.h"

class QLabel;
class QWidget;

namespace formkit {

struct ResultUnit {
  const char* label;  // the result label's control name
  const char* unit;   // shown beside it; "" for none
};

class ResultPanel {
 public:
  // Sets up the labels of `window` named in `results` (a name without a widget is
  // skipped). Each unit becomes a label named after the result with "Unit" appended, in the
  // grid cell to the right of the result.
  ResultPanel(const Form& form, QWidget& window, std::vector<ResultUnit> results);

  // To be called with the name of every control that changed (the form's observer).
  void Changed(const std::string& name);

  bool IsDimmed(const std::string& label) const;
  // True when any result was written from inputs other than the form holds now.
  bool AnyDimmed() const;

 private:
  // Every input of the form (all but results, buttons and menus) in one text.
  std::string Inputs() const;
  void Show(const std::string& label);

  const Form& form_;
  std::map<std::string, QLabel*> labels_;
  // The inputs each result was last written from; none before its first write.
  std::map<std::string, std::string> written_from_;
  std::string inputs_;
};

}  // namespace formkit
