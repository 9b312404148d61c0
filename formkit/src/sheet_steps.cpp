#include "formkit/sheet_steps.h"

namespace formkit {

float SheetSteps::Read(std::string_view control) {
  const float value = ValSingle(form_.Text(control));
  Input(control, value);
  return value;
}

void SheetSteps::Input(std::string_view control, float value) {
  const Quantity& q = QuantityOf(table_, control);
  sheet_.Input(std::string(q.sheet), NumberText(value), std::string(q.unit), form_.Text(control));
}

void SheetSteps::Unreadable(std::string_view control, std::string why) {
  const Quantity& q = QuantityOf(table_, control);
  sheet_.Add({std::string(q.sheet), "", std::string(q.unit), std::move(why),
              "\"" + form_.Text(control) + "\"", ""});
}

void SheetSteps::Enter(std::string name, std::string value, std::string_view unit,
                       std::string formula) {
  sheet_.Add({std::move(name), std::move(value), std::string(unit), std::move(formula), "", ""});
}

void SheetSteps::Write(std::string_view control, std::string caption, std::string_view unit,
                       std::string formula) {
  const Quantity& q = QuantityOf(table_, control);
  form_.SetText(control, caption);
  sheet_.Add({std::string(q.sheet), std::move(caption), std::string(unit), std::move(formula), "",
              std::string(control)});
}

void SheetSteps::ShowText(std::string_view control, std::string caption, std::string formula) {
  Write(control, std::move(caption), QuantityOf(table_, control).unit, std::move(formula));
}

void SheetSteps::ShowBare(std::string_view control, std::string caption, std::string formula) {
  Write(control, std::move(caption), "", std::move(formula));
}

void SheetSteps::Shown(std::string_view control, std::string formula) {
  const Quantity& q = QuantityOf(table_, control);
  sheet_.Add({std::string(q.sheet), form_.Text(control), std::string(q.unit), std::move(formula),
              "", std::string(control)});
}

}  // namespace formkit
