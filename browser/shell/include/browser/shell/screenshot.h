#pragma once

#include <string>

namespace browser::shell {

class MainWindow;

// --screenshot: loads the window's document as it would be shown (PreLoad, the page,
// OnLoad, then the requests its scripts posted), paints the page and writes it to `out` as
// a PNG of the page's size, transparent outside the window's shape. Answers the exit status:
// 0 when written, 1 when there was no document or the file could not be written (said on
// stderr).
int WriteScreenshot(MainWindow& window, const std::string& out);

}  // namespace browser::shell
