// A file dragged out of the window through Qt's drag and drop.
#include "browser/shell/file_drag.h"

#include <QApplication>
#include <QDir>
#include <QDrag>
#include <QElapsedTimer>
#include <QThread>
#include <cstdlib>
#include <optional>
#include <QFileInfo>
#include <QUrl>
#include <QWidget>

#include "browser/shell/x11_window.h"

namespace browser::shell {
namespace {

// Waits, reading the pointer from the X server (the window's own events wait meanwhile),
// until the left button is let go (false: a click) or the pointer has moved past the drag
// distance with it held (true). Without X11, or after a while, a drag.
bool PointerMovesWithButtonHeld() {
  xcb_connection_t* connection = X11Connection();
  if (connection == nullptr) return true;
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  const int distance = QApplication::startDragDistance();
  std::optional<QPoint> start;
  QElapsedTimer waited;
  waited.start();
  constexpr int kLongestClickMs = 10000;
  while (waited.elapsed() < kLongestClickMs) {
    xcb_query_pointer_reply_t* pointer =
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, root), nullptr);
    if (pointer == nullptr) return true;
    const QPoint at(pointer->root_x, pointer->root_y);
    const bool held = (pointer->mask & XCB_BUTTON_MASK_1) != 0;
    std::free(pointer);
    if (!held) return false;
    if (!start) start = at;
    if ((at - *start).manhattanLength() >= distance) return true;
    QThread::msleep(5);
  }
  return true;
}

}  // namespace

std::unique_ptr<QMimeData> FileDragMimeData(const std::string& path, const std::string& base) {
  auto mime = std::make_unique<QMimeData>();
  // An empty path names no file, not the current folder: the drag offers an empty list.
  if (path.empty()) {
    mime->setUrls({});
    return mime;
  }
  // A file URL names a file whatever folder the drop target works in: a path a document
  // wrote relative to its folder (or the program's current folder) is made absolute.
  const QString name = QString::fromLocal8Bit(path.data(), qsizetype(path.size()));
  const QFileInfo file =
      base.empty() || QFileInfo(name).isAbsolute()
          ? QFileInfo(name)
          : QFileInfo(QDir(QString::fromLocal8Bit(base.data(), qsizetype(base.size()))), name);
  const QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
  mime->setUrls({url});
  const QByteArray encoded = url.toEncoded();
  mime->setData(QStringLiteral("x-special/gnome-copied-files"), "copy\n" + encoded);
  mime->setData(QStringLiteral("application/x-kde-cutselection"), "0");
  return mime;
}

Qt::DropActions DragActions(uint32_t effects) {
  Qt::DropActions actions;
  if (effects & request::kDropEffectCopy) actions |= Qt::CopyAction;
  if (effects & request::kDropEffectLink) actions |= Qt::LinkAction;
  return actions;
}

bool QtFileDragger::Drag(const request::DragFile& request) {
  // Qt's drag ends as the drop source would have it: Escape cancels, the button let go drops.
  const Qt::DropActions actions = DragActions(request.effects);
  if (actions == Qt::IgnoreAction) return false;
  if (!PointerMovesWithButtonHeld()) return false;
  auto* drag = new QDrag(&source_);
  drag->setMimeData(FileDragMimeData(request.path, base_ ? base_() : std::string()).release());
  const Qt::DropAction done =
      drag->exec(actions, actions.testFlag(Qt::CopyAction) ? Qt::CopyAction : Qt::LinkAction);
  return done == Qt::CopyAction || done == Qt::LinkAction;
}

}  // namespace browser::shell
