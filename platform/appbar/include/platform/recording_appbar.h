// An app bar service for tests: a desktop held in memory that several services (one per
// program) share, with a log of what each was asked.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/appbar.h"

namespace platform {

// What the desktop knows: the registered bars with the space they reserve, and the holder of
// each edge's auto-hide bar.
struct RecordingAppBarDesktop {
  struct Bar {
    AppBarEdge edge = AppBarEdge::kRight;
    AppBarRect reserved;  // empty until SetPos
  };
  std::map<AppBarWindowId, Bar> bars;
  std::map<AppBarEdge, AppBarWindowId> auto_hide;
};

class RecordingAppBarService : public AppBarService {
 public:
  explicit RecordingAppBarService(RecordingAppBarDesktop& desktop) : desktop_(desktop) {}

  // One line per call: "new 7", "remove 7", "querypos 7 left 0,0,200,768",
  // "setpos 7 left 0,0,200,768", "getautohide left", "setautohide 7 left on",
  // "poschanged 7".
  std::vector<std::string> log;
  // Makes the next calls fail: New answers false; SetAutoHideBar(off) fails with
  // `release_error` even for the holder.
  bool refuse_new = false;
  bool refuse_release = false;
  uint32_t release_error = 5;
  // The texts ErrorText answers; a code not here has none.
  std::map<uint32_t, std::string> error_texts{{5, "Access is denied."}};

  bool New(AppBarWindowId window) override;
  bool Remove(AppBarWindowId window) override;
  AppBarRect QueryPos(AppBarWindowId window, AppBarEdge edge, AppBarRect proposed) override;
  AppBarRect SetPos(AppBarWindowId window, AppBarEdge edge, AppBarRect proposed) override;
  AppBarWindowId GetAutoHideBar(AppBarEdge edge) override;
  bool SetAutoHideBar(AppBarWindowId window, AppBarEdge edge, bool on) override;
  void WindowPosChanged(AppBarWindowId window) override;
  uint32_t LastError() const override { return last_error_; }
  std::optional<std::string> ErrorText(uint32_t code) const override;

 private:
  AppBarRect Adjust(AppBarWindowId window, AppBarEdge edge, AppBarRect proposed) const;

  RecordingAppBarDesktop& desktop_;
  uint32_t last_error_ = 0;
};

// "left", "top", "right", "bottom".
const char* EdgeName(AppBarEdge edge);

}  // namespace platform
