#include "browser/doc/document_watch.h"

#include "browser/doc/no_case.h"
#include "platform/paths.h"

namespace browser {
namespace {

// Folders of pictures a folder document may hold, at most: each is a watch of the user's.
constexpr size_t kMaxWatchedFolders = 64;
constexpr int kStopCheckMs = 200;

bool IsEditorsOwn(std::string_view name) {
  return name.empty() || name.front() == '.' || name.front() == '#' || name.back() == '~';
}

// What a page shows or plays. Other files, such as the values a page's own scripts save, are
// no change of the document: a page that saves while it loads would load for ever.
bool IsShown(std::string_view name) {
  static constexpr std::string_view kExtensions[] = {".cdb", ".bmp", ".dib", ".gif",  ".jpg",
                                                     ".jpeg", ".png", ".ico", ".wav", ".htm",
                                                     ".html"};
  const size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return false;
  for (std::string_view extension : kExtensions) {
    if (EqualsNoCase(name.substr(dot), extension)) return true;
  }
  return false;
}

}  // namespace

DocumentWatch::DocumentWatch(platform::FileSystem& files, std::string path)
    : files_(files), path_(std::move(path)) {
  while (path_.size() > 1 && path_.back() == '/') path_.pop_back();
  folder_ = files_.Stat(path_) == platform::FileKind::kDirectory;
}

std::vector<std::string> DocumentWatch::Folders() const {
  if (!folder_) {
    const std::string_view dir = platform::DirectoryPart(path_);
    return {dir.empty() ? std::string(".") : std::string(dir)};
  }
  std::vector<std::string> folders{path_};
  files_.ListFolder(path_, [&](std::string_view name) {
    if (IsEditorsOwn(name)) return true;
    std::string folder = path_ + "/" + std::string(name);
    if (files_.Stat(folder) == platform::FileKind::kDirectory) folders.push_back(std::move(folder));
    return folders.size() <= kMaxWatchedFolders;
  });
  return folders;
}

bool DocumentWatch::Counts(std::string_view name) const {
  // A whole folder's changes were lost: it may hold the document's.
  if (name.empty()) return true;
  if (!folder_) return name == platform::FilePart(path_);
  return !IsEditorsOwn(name) && IsShown(name);
}

bool DocumentWatch::Arm() { return watch_.Watch(Folders()); }

bool DocumentWatch::TakeChanges() {
  bool counts = false;
  for (const auto& change : watch_.Take()) counts = counts || Counts(change.name);
  return counts;
}

bool DocumentWatch::WaitForChange(const std::function<bool()>& stop) {
  for (;;) {
    if (stop()) return false;
    if (!watch_.Wait(kStopCheckMs) || !TakeChanges()) continue;
    // The rest of the save, until it has settled.
    while (watch_.Wait(kSettleMs)) TakeChanges();
    Arm();
    return true;
  }
}

}  // namespace browser
