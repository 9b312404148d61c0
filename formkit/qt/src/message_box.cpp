#include "formkit_qt/message_box.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>

#include "formkit_qt/form_mirror.h"

namespace formkit {

QString BreakableText(const QString& text) {
  // A word longer than this would widen the box past the screen or be cut: it may break
  // after a path separator, and every so many characters where it has none.
  constexpr int kLongWord = 40;
  const QChar zero_width_space(0x200B);
  QString out;
  int run = 0;  // characters since the last place a line may break
  for (const QChar c : text) {
    out += c;
    if (c.isSpace()) {
      run = 0;
      continue;
    }
    ++run;
    if ((c == QLatin1Char('/') && run > 1) || run >= kLongWord) {
      out += zero_width_space;
      run = 0;
    }
  }
  return out;
}

int MessageBoxMinimumWidth(const QString& caption) {
  // Window managers draw titles in about the application font, often bold.
  QFont title = QApplication::font();
  title.setBold(true);
  return QFontMetrics(title).horizontalAdvance(caption) + kTitleBarRoom;
}

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, QMessageBox::Icon icon,
                                            const QString& caption, const std::string& text) {
  auto box = std::make_unique<QMessageBox>(icon, caption, BreakableText(MessageBoxText(text)),
                                           QMessageBox::Ok, parent);
  // QMessageBox sizes itself to its text; a spacer across its grid keeps it as wide as its
  // caption needs (setMinimumWidth is overridden when the box lays itself out).
  if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
    grid->addItem(new QSpacerItem(MessageBoxMinimumWidth(caption), 0, QSizePolicy::Minimum,
                                  QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
  }
  return box;
}

}  // namespace formkit
