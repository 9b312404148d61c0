#pragma once

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <cstdint>
#include <map>

#include "browser/page/page_focus.h"

namespace browser::shell {

class MainWindow;

// The page's elements as accessible objects for screen readers (Qt accessibility, which
// reaches AT-SPI on Linux desktops): the main window's accessible object, named by the
// document's title, has one child per element (role button, image or static text; the
// element's accessible name; its bounds on the screen) before the window's child widgets
// (hosted controls). A button can be pressed from the screen reader, as Enter presses it.
class PageAccessibility {
 public:
  explicit PageAccessibility(MainWindow& window) : window_(window) {}
  // Lets go of every element's object.
  ~PageAccessibility();

  // Makes Qt ask this file for the main window's accessible object. Once per program.
  static void Install();

  // The focus moved or the page changed: the objects of elements gone are let go, and
  // screen readers hear of the element that has the focus now.
  void FocusMoved();

  // The accessible object of the page's element with this serial, made on first use (an
  // element gone since answers isValid() false until FocusMoved lets go of it).
  QAccessibleInterface* ElementObject(int32_t serial);
  // The page's elements now.
  std::vector<AccessibleItem> Items() const;
  MainWindow& window() { return window_; }

 private:
  MainWindow& window_;
  std::map<int32_t, QAccessible::Id> objects_;  // by serial
};

}  // namespace browser::shell
