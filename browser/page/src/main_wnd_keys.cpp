// The keyboard over the page: the focus, Enter and Space as a click, Escape as the document's
// own Exit, and the window's close as Exit.
#include "browser/page/main_wnd.h"

namespace browser {

void CMainWnd::FocusNext(bool backward) {
  if (closing_) return;
  CElement* before = focused();
  CElement* now = focus_.Move(main_page(), backward);
  // A hover the keyboard's click began ends when the focus leaves the element; the pointer's
  // own hover stays until the pointer moves.
  if (hovered_by_keys_ && hovered_ != nullptr && hovered_ != now) {
    hovered_by_keys_ = false;
    Hover(nullptr);
  }
  FocusMovedFrom(before);
}

void CMainWnd::PressFocused() {
  if (closing_) return;
  if (CElement* element = focused()) Click(element);
}

void CMainWnd::Escape() {
  if (closing_) return;
  if (CElement* exit = focus_.ExitElement(main_page())) Click(exit);
}

bool CMainWnd::Press(int32_t serial) {
  if (closing_) return false;
  for (CElement* element : focus_.Order(main_page())) {
    if (element->serial() == serial) {
      Click(element);
      return true;
    }
  }
  return false;
}

void CMainWnd::CloseRequested() {
  if (closing_) return;
  services_.trace.Request("close");
  Close();
}

void CMainWnd::Click(CElement* element) {
  if (element != hovered_) {
    hovered_by_keys_ = true;
    Hover(element);
  }
  if (pressed_ != nullptr) pressed_->set_pressed(false);
  pressed_ = element;
  element->set_pressed(true);
  FireEvent(element, "OnMouseDown");
  InvalidateBounds(element);
  FireEvent(element, "OnMouseUp");
  element->set_pressed(false);
  pressed_ = nullptr;
  InvalidateBounds(element);
}

void CMainWnd::PageShown(const CDataFile& file) {
  hovered_by_keys_ = false;
  focus_.PageLoaded(file, main_page(), services_.key_log);
  // The elements before are gone with their page: a page without a focus is news too.
  if (CElement* now = focused()) services_.trace.Focus(now->section(), now->id());
  if (services_.focus_moved) services_.focus_moved();
}

void CMainWnd::FocusMovedFrom(CElement* before) {
  CElement* now = focused();
  if (now == before) return;
  // The ring lies inside the element's bounds.
  InvalidateBounds(before);
  InvalidateBounds(now);
  if (now != nullptr) services_.trace.Focus(now->section(), now->id());
  if (services_.focus_moved) services_.focus_moved();
}

}  // namespace browser
