// A file dragged out of the window through Qt's drag and drop.
#include "browser/shell/file_drag.h"

#include <QDrag>
#include <QFileInfo>
#include <QUrl>
#include <QWidget>

namespace browser::shell {

std::unique_ptr<QMimeData> FileDragMimeData(const std::string& path) {
  auto mime = std::make_unique<QMimeData>();
  // An empty path names no file, not the current folder: the drag offers an empty list.
  if (path.empty()) {
    mime->setUrls({});
    return mime;
  }
  // A file URL names a file whatever folder the drop target works in: a path a document
  // wrote relative to the program's current folder is made absolute against it.
  const QString name = QString::fromLocal8Bit(path.data(), qsizetype(path.size()));
  const QUrl url = QUrl::fromLocalFile(QFileInfo(name).absoluteFilePath());
  mime->setUrls({url});
  const QByteArray encoded = url.toEncoded();
  mime->setData(QStringLiteral("x-special/gnome-copied-files"), "copy\n" + encoded);
  mime->setData(QStringLiteral("application/x-kde-cutselection"), "0");
  return mime;
}

uint32_t QtFileDragger::DoDragDrop(CImpIDataObject& data, CImpIDropSource& /*source*/,
                                   uint32_t allowed) {
  // Qt's drag ends as the drop source would have it: Escape cancels, the button let go drops.
  FormatEtc format;
  format.format = kCfHdrop;
  StgMedium medium;
  if (data.GetData(&format, &medium) != OleResult::kOk || !medium.hglobal) return 0;
  const std::optional<std::string> path = FileListPath(*medium.hglobal);
  if (!path) return 0;

  Qt::DropActions actions;
  if (allowed & kDropEffectCopy) actions |= Qt::CopyAction;
  if (allowed & kDropEffectLink) actions |= Qt::LinkAction;
  if (actions == Qt::IgnoreAction) return 0;
  auto* drag = new QDrag(&source_);
  drag->setMimeData(FileDragMimeData(*path).release());
  const Qt::DropAction done =
      drag->exec(actions, actions.testFlag(Qt::CopyAction) ? Qt::CopyAction : Qt::LinkAction);
  switch (done) {
    case Qt::CopyAction:
      return kDropEffectCopy;
    case Qt::LinkAction:
      return kDropEffectLink;
    default:
      return 0;
  }
}

}  // namespace browser::shell
