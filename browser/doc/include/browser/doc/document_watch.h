#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/folder_watch.h"

namespace browser {

// Tells when a document changes on disk, for a program that shows or checks it afresh.
//
// Of a folder document, what its pages show in the folder and in its folders one level down
// counts: data files, pictures, icons, sounds and web pages (.cdb, .bmp, .dib, .gif, .jpg,
// .jpeg, .png, .ico, .wav, .htm, .html), but not hidden files and editors' backups and autosaves
// (names that begin with "." or "#", or end in "~"), nor the values the pages save. Of a single
// file, only that file counts. The folders are watched, not the files, so that a file an editor
// saves by renaming a new one over it is seen.
class DocumentWatch {
 public:
  // A change ends waiting when no other came for this long: an editor's save is several steps.
  static constexpr int kSettleMs = 40;

  // `files` tells what is at `path` and in its folders; the watch itself is the system's.
  DocumentWatch(platform::FileSystem& files, std::string path);

  // Watches the document's folders as they are now (a new folder of pictures is watched once
  // armed again). False when one cannot be watched (error() says which).
  bool Arm();
  const std::string& error() const { return watch_.error(); }
  // Readable when changes wait, for a caller's own event loop (-1 without one).
  int fd() const { return watch_.fd(); }
  // Takes the changes waiting now; true when one of them is the document's.
  bool TakeChanges();
  // Waits until the document changed and kSettleMs passed without a further change, arming the
  // watch again; false as soon as `stop` answers true (asked at least every 200 ms).
  bool WaitForChange(const std::function<bool()>& stop);

  const std::string& path() const { return path_; }
  std::vector<std::string> Folders() const;
  // Whether a change of the entry `name` in one of Folders() is the document's ("" stands for
  // changes lost).
  bool Counts(std::string_view name) const;

 private:
  platform::FileSystem& files_;
  std::string path_;
  bool folder_ = false;
  platform::FolderWatch watch_;
};

}  // namespace browser
