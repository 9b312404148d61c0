#include "browser/shell/page_keys.h"

namespace browser::shell {

bool SendPageKey(CMainWnd& page, const QKeyEvent& key) {
  const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
  if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  switch (key.key()) {
    case Qt::Key_Tab:
      page.FocusNext(modifiers & Qt::ShiftModifier);
      return true;
    case Qt::Key_Backtab:
      page.FocusNext(true);
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      if (!key.isAutoRepeat()) page.PressFocused();
      return true;
    case Qt::Key_Escape:
      if (!key.isAutoRepeat()) page.Escape();
      return true;
    default:
      return false;
  }
}

}  // namespace browser::shell
