#include "platform/recording_appbar.h"

#include <iterator>

namespace platform {
namespace {

// In the order of the edges' values.
constexpr const char* kEdgeNames[] = {"left", "top", "right", "bottom"};

std::string Describe(const AppBarRect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

}  // namespace

const char* EdgeName(AppBarEdge edge) {
  const auto i = static_cast<size_t>(edge);
  return i < std::size(kEdgeNames) ? kEdgeNames[i] : "?";
}

bool RecordingAppBarService::New(AppBarWindowId window) {
  log.push_back("new " + std::to_string(window));
  if (refuse_new || desktop_.bars.count(window) != 0) return false;
  desktop_.bars[window] = {};
  return true;
}

bool RecordingAppBarService::Remove(AppBarWindowId window) {
  log.push_back("remove " + std::to_string(window));
  std::erase_if(desktop_.auto_hide, [&](const auto& held) { return held.second == window; });
  return desktop_.bars.erase(window) != 0;
}

// Moves the outer side inward past the space other bars reserved at the same edge.
AppBarRect RecordingAppBarService::Adjust(AppBarWindowId window, AppBarEdge edge,
                                          AppBarRect r) const {
  for (const auto& [id, bar] : desktop_.bars) {
    if (id == window || bar.edge != edge) continue;
    const AppBarRect& o = bar.reserved;
    if (o.right <= o.left || o.bottom <= o.top) continue;
    // The other bar's inner side at each edge, in the order of the edges.
    const int32_t inner[] = {o.right, o.bottom, o.left, o.top};
    r = StopAtBar(r, edge, inner[static_cast<int32_t>(edge)]);
  }
  return r;
}

AppBarRect RecordingAppBarService::QueryPos(AppBarWindowId window, AppBarEdge edge,
                                            AppBarRect proposed) {
  log.push_back("querypos " + std::to_string(window) + " " + EdgeName(edge) + " " +
                Describe(proposed));
  return Adjust(window, edge, proposed);
}

AppBarRect RecordingAppBarService::SetPos(AppBarWindowId window, AppBarEdge edge,
                                          AppBarRect proposed) {
  log.push_back("setpos " + std::to_string(window) + " " + EdgeName(edge) + " " +
                Describe(proposed));
  const AppBarRect r = Adjust(window, edge, proposed);
  if (auto it = desktop_.bars.find(window); it != desktop_.bars.end()) {
    it->second = {edge, r};
  }
  return r;
}

AppBarWindowId RecordingAppBarService::GetAutoHideBar(AppBarEdge edge) {
  log.push_back(std::string("getautohide ") + EdgeName(edge));
  auto it = desktop_.auto_hide.find(edge);
  return it == desktop_.auto_hide.end() ? 0 : it->second;
}

bool RecordingAppBarService::SetAutoHideBar(AppBarWindowId window, AppBarEdge edge, bool on) {
  log.push_back("setautohide " + std::to_string(window) + " " + EdgeName(edge) +
                (on ? " on" : " off"));
  auto it = desktop_.auto_hide.find(edge);
  const AppBarWindowId holder = it == desktop_.auto_hide.end() ? 0 : it->second;
  if (on) {
    if (holder != 0 && holder != window) {
      last_error_ = 5;
      return false;
    }
    desktop_.auto_hide[edge] = window;
    return true;
  }
  if (refuse_release || holder != window) {
    last_error_ = release_error;
    return false;
  }
  desktop_.auto_hide.erase(edge);
  return true;
}

void RecordingAppBarService::WindowPosChanged(AppBarWindowId window) {
  log.push_back("poschanged " + std::to_string(window));
}

std::optional<std::string> RecordingAppBarService::ErrorText(uint32_t code) const {
  auto it = error_texts.find(code);
  if (it == error_texts.end()) return std::nullopt;
  return it->second;
}

}  // namespace platform
