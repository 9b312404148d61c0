#pragma once

#include <QMimeData>
#include <functional>
#include <memory>
#include <string>

#include "browser/script/system_request.h"

class QWidget;

namespace browser::shell {

// What a file drag offers, for a file path as the document names it (bytes in the local
// encoding): its URL as text/uri-list, percent-encoded as URLs are, so that the
// target decodes exactly that name; and the file managers' marks that the file is copied,
// not cut (x-special/gnome-copied-files, application/x-kde-cutselection). A relative path
// is taken from `base` (the document's folder), or from the current folder without one.
std::unique_ptr<QMimeData> FileDragMimeData(const std::string& path,
                                            const std::string& base = {});

// The drop actions a drag offers for a request's effects: copy and link; a move is never
// offered, whatever the effects say.
Qt::DropActions DragActions(uint32_t effects);

// Performs DragFile through Qt (XDND on X11): the file is offered with the request's
// actions. Escape cancels; letting the button go drops. Returns once the drag is over,
// true when the file was dropped.
//
// The drag starts only once the pointer has moved past the desktop's drag distance with the
// button held: a button let go before is a click, and the drag ends at once with no effect
// (the release then reaches the window as any other, its OnMouseUp included).
class QtFileDragger {
 public:
  // `base` answers the folder relative paths are taken from (the document's).
  QtFileDragger(QWidget& source, std::function<std::string()> base)
      : source_(source), base_(std::move(base)) {}
  bool Drag(const request::DragFile& drag);

 private:
  QWidget& source_;
  std::function<std::string()> base_;
};

}  // namespace browser::shell
