#include "formkit_qt/message_box.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>

#include "formkit_qt/form_mirror.h"

namespace formkit {

int MessageBoxMinimumWidth(const QString& caption) {
  // Window managers draw titles in about the application font, often bold.
  QFont title = QApplication::font();
  title.setBold(true);
  return QFontMetrics(title).horizontalAdvance(caption) + kTitleBarRoom;
}

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, QMessageBox::Icon icon,
                                            const QString& caption, const std::string& text) {
  auto box = std::make_unique<QMessageBox>(icon, caption, MessageBoxText(text), QMessageBox::Ok,
                                           parent);
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
