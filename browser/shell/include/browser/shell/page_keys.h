#pragma once

#include <QKeyEvent>

#include "browser/page/main_wnd.h"

namespace browser::shell {

// Hands a key meant for the page to the main window object: Tab and Shift+Tab move the
// focus, Enter and Space press the focused element, Escape the document's own Exit (a held
// key presses once). False for any other key, and for Tab with Ctrl or Alt.
bool SendPageKey(CMainWnd& page, const QKeyEvent& key);

}  // namespace browser::shell
