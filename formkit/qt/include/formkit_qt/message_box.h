// The programs' message boxes: one OK button, the program's own caption, and a box wide
// enough that the window manager shows that caption whole.
#pragma once

#include <QMessageBox>
#include <QString>
#include <memory>

namespace formkit {

// Room a title bar needs beside its caption for the window manager's buttons and margins.
inline constexpr int kTitleBarRoom = 160;

// `text` with places a line may break inside long words (after a "/" of a path, and every
// 40 characters where there is none), so that a long file name wraps in the box instead of
// being cut.
QString BreakableText(const QString& text);

// The narrowest a box may be so that `caption` shows whole in its title bar.
int MessageBoxMinimumWidth(const QString& caption);

// A box over `parent` with `text` (line ends as the programs write them) and `caption`, at
// least MessageBoxMinimumWidth wide. The caller shows it (exec()).
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, QMessageBox::Icon icon,
                                            const QString& caption, const std::string& text);

}  // namespace formkit
