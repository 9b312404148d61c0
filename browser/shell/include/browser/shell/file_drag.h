#pragma once

#include <QMimeData>
#include <memory>
#include <string>

#include "browser/script/drag_data_object.h"

class QWidget;

namespace browser::shell {

// What a file drag offers, for a file path as the data object's file list holds it (bytes
// in the local encoding): its URL as text/uri-list, percent-encoded as URLs are, so that the
// target decodes exactly that name; and the file managers' marks that the file is copied,
// not cut (x-special/gnome-copied-files, application/x-kde-cutselection).
std::unique_ptr<QMimeData> FileDragMimeData(const std::string& path);

// Drags through Qt (XDND on X11): the data object is asked for its file list, as a drop
// target would ask it, and the file is offered for copy or link, never move. Escape cancels;
// letting the button go drops. Returns once the drag is over.
class QtFileDragger : public FileDragger {
 public:
  explicit QtFileDragger(QWidget& source) : source_(source) {}
  uint32_t DoDragDrop(CImpIDataObject& data, CImpIDropSource& source, uint32_t allowed) override;

 private:
  QWidget& source_;
};

}  // namespace browser::shell
