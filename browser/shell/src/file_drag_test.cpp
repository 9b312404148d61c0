// What a file drag offers a drop target, on the offscreen platform.
#include "browser/shell/file_drag.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QUrl>

namespace browser::shell {
namespace {

TEST(FileDragMimeData, OffersTheFileUrlEncodedSoItDecodesToTheSameName) {
  for (const std::string path :
       {"/media/cd/Docs/100%.txt", "/cd/a b#c?.pdf", "/cd/%41%25.txt", "/cd/caf\xc3\xa9.txt"}) {
    const auto mime = FileDragMimeData(path);
    ASSERT_EQ(mime->urls().size(), 1) << path;
    EXPECT_EQ(mime->urls()[0].toLocalFile().toStdString(), path);
    // text/uri-list holds the encoded URL, not the raw name.
    const QByteArray list = mime->data(QStringLiteral("text/uri-list"));
    EXPECT_TRUE(list.startsWith("file:///")) << list.toStdString();
    EXPECT_FALSE(list.contains(' '));
    EXPECT_EQ(QUrl::fromEncoded(list.trimmed()).toLocalFile().toStdString(), path);
  }
  const auto mime = FileDragMimeData("/media/cd/100%.txt");
  EXPECT_EQ(mime->data(QStringLiteral("text/uri-list")).trimmed(),
            QByteArray("file:///media/cd/100%25.txt"));
  EXPECT_EQ(mime->data(QStringLiteral("x-special/gnome-copied-files")),
            QByteArray("copy\nfile:///media/cd/100%25.txt"));
  EXPECT_EQ(mime->data(QStringLiteral("application/x-kde-cutselection")), QByteArray("0"));
}

// A document's relative path names a file in the program's current folder; the drop target
// works in a folder of its own, so the URL holds the whole path.
TEST(FileDragMimeData, ARelativePathIsOfferedFromTheCurrentFolder) {
  const auto mime = FileDragMimeData("brochures/100%.pdf");
  ASSERT_EQ(mime->urls().size(), 1);
  EXPECT_EQ(mime->urls()[0].toLocalFile(), QDir::currentPath() + "/brochures/100%.pdf");
  EXPECT_TRUE(mime->data(QStringLiteral("text/uri-list")).startsWith("file:///"));
}

// An empty path is offered too, as a list that names nothing (not the current folder); a path
// that names no file is offered as any other.
TEST(FileDragMimeData, AnEmptyPathNamesNoFileAMissingOneIsOfferedAsItIs) {
  EXPECT_TRUE(FileDragMimeData("")->urls().isEmpty());
  const auto missing = FileDragMimeData("/no/such/folder/file.txt");
  ASSERT_EQ(missing->urls().size(), 1);
  EXPECT_EQ(missing->urls()[0].toLocalFile(), QStringLiteral("/no/such/folder/file.txt"));
}

// Started from another folder, the document's relative path still names the file beside the
// document.
TEST(FileDragMimeData, ARelativePathIsOfferedFromTheDocumentsFolderWhenThereIsOne) {
  const auto mime = FileDragMimeData("brochures/report.pdf", "/media/cd/");
  ASSERT_EQ(mime->urls().size(), 1);
  EXPECT_EQ(mime->urls()[0].toLocalFile(), QString("/media/cd/brochures/report.pdf"));
  EXPECT_EQ(FileDragMimeData("/tmp/a.pdf", "/media/cd/")->urls()[0].toLocalFile(),
            QString("/tmp/a.pdf"));
}

// Copy and link are offered as the request asks; a move never is.
TEST(FileDrag, OffersCopyAndLinkNeverMove) {
  using request::kDropEffectCopy, request::kDropEffectLink, request::kDropEffectMove;
  EXPECT_EQ(DragActions(kDropEffectCopy | kDropEffectLink), Qt::CopyAction | Qt::LinkAction);
  EXPECT_EQ(DragActions(kDropEffectCopy | kDropEffectMove | kDropEffectLink),
            Qt::CopyAction | Qt::LinkAction);
  EXPECT_EQ(DragActions(kDropEffectMove), Qt::DropActions(Qt::IgnoreAction));
  EXPECT_EQ(DragActions(kDropEffectLink), Qt::DropActions(Qt::LinkAction));
}

}  // namespace
}  // namespace browser::shell
