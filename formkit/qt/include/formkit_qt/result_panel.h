// The result labels of a form window as a user reads them: selectable (to copy a value),
// right-aligned in their boxes, each with its unit beside it, and marked stale while the
// inputs differ from those they were last written from: in italics, with a tooltip saying
// so, and in a softer colour that still reads at a contrast of at least 4.5:1 on whatever
// background the user picked. The captions are never touched.
#pragma once

#include <QColor>
#include <QObject>
#include <map>
#include <span>
#include <string>

#include "formkit/form.h"
#include "formkit/quantity.h"

class QLabel;
class QWidget;

namespace formkit {

// The contrast ratio of two colours (1 to 21), as the Web Content Accessibility Guidelines
// define it from their relative luminance.
double ContrastRatio(const QColor& a, const QColor& b);
// The text colour of a stale result on `background`: black or white, whichever reads
// better there, softened towards the background as far as a contrast of 4.5:1 allows.
QColor StaleTextColor(const QColor& background);
inline constexpr const char* kStaleResultTip = "changed - press Calculate";

class ResultPanel : public QObject {
 public:
  // Sets up the labels of `window` named by the results of `quantities` (a name without a
  // widget is skipped). Each unit becomes a label named after the result with "Unit"
  // appended, in the grid cell to the right of the result.
  ResultPanel(const Form& form, QWidget& window, std::span<const Quantity> quantities);

  // To be called with the name of every control that changed (the form's observer).
  void Changed(const std::string& name);

  bool IsDimmed(const std::string& label) const;

 protected:
  // A result label's background changed (the user picked a colour): a stale result takes
  // the colour that reads on it.
  bool eventFilter(QObject* watched, QEvent* event) override;

 public:
  // True when any result was written from inputs other than the form holds now.
  bool AnyDimmed() const;

 private:
  // Every input of the form (all but results, buttons and menus) in one text.
  std::string Inputs() const;
  void Show(const std::string& label);
  void Paint(QLabel* label);

  const Form& form_;
  std::map<std::string, QLabel*> labels_;
  // The inputs each result was last written from; none before its first write.
  std::map<std::string, std::string> written_from_;
  std::string inputs_;
};

}  // namespace formkit
