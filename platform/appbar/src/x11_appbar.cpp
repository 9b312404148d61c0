#include "platform/x11_appbar.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace platform {
namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

// _NET_WM_STRUT_PARTIAL: left, right, top, bottom, then the start and end (inclusive) of each
// strip along its edge: left_start_y, left_end_y, right_start_y, right_end_y, top_start_x,
// top_end_x, bottom_start_x, bottom_end_x.
enum StrutField {
  kLeft,
  kRight,
  kTop,
  kBottom,
  kLeftStart,
  kLeftEnd,
  kRightStart,
  kRightEnd,
  kTopStart,
  kTopEnd,
  kBottomStart,
  kBottomEnd,
  kStrutFields
};

}  // namespace

X11AppBarService::X11AppBarService(xcb_connection_t* connection, int screen_number)
    : connection_(connection), screen_number_(screen_number) {
  if (connection_ == nullptr) return;
  xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection_));
  for (int i = 0; i < screen_number_ && it.rem > 0; ++i) xcb_screen_next(&it);
  if (it.rem == 0) return;
  root_ = it.data->root;
  screen_width_ = it.data->width_in_pixels;
  screen_height_ = it.data->height_in_pixels;
}

xcb_atom_t X11AppBarService::Atom(const char* name) {
  Reply<xcb_intern_atom_reply_t> r(
      xcb_intern_atom_reply(connection_, xcb_intern_atom(connection_, 0, std::strlen(name), name),
                            nullptr),
      &std::free);
  return r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
}

xcb_atom_t X11AppBarService::EdgeSelection(AppBarEdge edge) {
  static const char* const kEdges[] = {"LEFT", "TOP", "RIGHT", "BOTTOM"};
  const std::string name = std::string("_PANOREL_APPBAR_AUTOHIDE_") +
                           kEdges[static_cast<int>(edge) & 3] + "_S" +
                           std::to_string(screen_number_);
  return Atom(name.c_str());
}

bool X11AppBarService::New(AppBarWindowId window) {
  if (connection_ == nullptr || root_ == XCB_WINDOW_NONE || window == 0) return false;
  return registered_.insert(window).second;
}

bool X11AppBarService::Remove(AppBarWindowId window) {
  if (connection_ == nullptr || window == 0) return false;
  for (AppBarEdge edge :
       {AppBarEdge::kLeft, AppBarEdge::kTop, AppBarEdge::kRight, AppBarEdge::kBottom}) {
    if (GetAutoHideBar(edge) == window) {
      xcb_set_selection_owner(connection_, XCB_WINDOW_NONE, EdgeSelection(edge), XCB_CURRENT_TIME);
    }
  }
  const bool was = registered_.erase(window) != 0;
  if (was) DeleteStrut(static_cast<xcb_window_t>(window));
  xcb_flush(connection_);
  return was;
}

// The outer side moves inward past the strips other windows reserve at the same edge.
AppBarRect X11AppBarService::QueryPos(AppBarWindowId window, AppBarEdge edge, AppBarRect r) {
  if (connection_ == nullptr || root_ == XCB_WINDOW_NONE) return r;
  const xcb_atom_t client_list = Atom("_NET_CLIENT_LIST");
  const xcb_atom_t strut_atom = Atom("_NET_WM_STRUT_PARTIAL");
  Reply<xcb_get_property_reply_t> list(
      xcb_get_property_reply(
          connection_,
          xcb_get_property(connection_, 0, root_, client_list, XCB_ATOM_WINDOW, 0, 65536), nullptr),
      &std::free);
  if (!list || list->format != 32) return r;
  const auto* ids = static_cast<const xcb_window_t*>(xcb_get_property_value(list.get()));
  const int count = xcb_get_property_value_length(list.get()) / 4;
  for (int i = 0; i < count; ++i) {
    if (ids[i] == window) continue;
    Reply<xcb_get_property_reply_t> strut(
        xcb_get_property_reply(connection_,
                               xcb_get_property(connection_, 0, ids[i], strut_atom,
                                                XCB_ATOM_CARDINAL, 0, kStrutFields),
                               nullptr),
        &std::free);
    if (!strut || strut->format != 32 ||
        xcb_get_property_value_length(strut.get()) < kStrutFields * 4) {
      continue;
    }
    const auto* v = static_cast<const uint32_t*>(xcb_get_property_value(strut.get()));
    const auto reserved = [&](StrutField f) {
      return static_cast<int32_t>(std::min<uint32_t>(v[f], 1 << 20));
    };
    // The strip's inner side at each edge, in the order of the edges.
    const int32_t inner[] = {reserved(kLeft), reserved(kTop), screen_width_ - reserved(kRight),
                             screen_height_ - reserved(kBottom)};
    r = StopAtBar(r, edge, inner[static_cast<int32_t>(edge)]);
  }
  return r;
}

AppBarRect X11AppBarService::SetPos(AppBarWindowId window, AppBarEdge edge, AppBarRect proposed) {
  const AppBarRect r = QueryPos(window, edge, proposed);
  if (registered_.count(window) != 0) WriteStrut(static_cast<xcb_window_t>(window), edge, r);
  return r;
}

void X11AppBarService::WriteStrut(xcb_window_t window, AppBarEdge edge, const AppBarRect& r) {
  uint32_t v[kStrutFields] = {};
  const auto clamp = [](int32_t x) { return static_cast<uint32_t>(std::max(x, 0)); };
  const uint32_t x0 = clamp(r.left), x1 = clamp(r.right - 1);
  const uint32_t y0 = clamp(r.top), y1 = clamp(r.bottom - 1);
  // An empty rectangle reserves nothing.
  if (r.right > r.left && r.bottom > r.top) {
    switch (edge) {
      case AppBarEdge::kLeft:
        v[kLeft] = clamp(r.right);
        v[kLeftStart] = y0, v[kLeftEnd] = y1;
        break;
      case AppBarEdge::kTop:
        v[kTop] = clamp(r.bottom);
        v[kTopStart] = x0, v[kTopEnd] = x1;
        break;
      case AppBarEdge::kRight:
        v[kRight] = clamp(screen_width_ - r.left);
        v[kRightStart] = y0, v[kRightEnd] = y1;
        break;
      case AppBarEdge::kBottom:
        v[kBottom] = clamp(screen_height_ - r.top);
        v[kBottomStart] = x0, v[kBottomEnd] = x1;
        break;
    }
  }
  xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window, Atom("_NET_WM_STRUT_PARTIAL"),
                      XCB_ATOM_CARDINAL, 32, kStrutFields, v);
  xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window, Atom("_NET_WM_STRUT"),
                      XCB_ATOM_CARDINAL, 32, 4, v);
  xcb_flush(connection_);
}

void X11AppBarService::DeleteStrut(xcb_window_t window) {
  xcb_delete_property(connection_, window, Atom("_NET_WM_STRUT_PARTIAL"));
  xcb_delete_property(connection_, window, Atom("_NET_WM_STRUT"));
}

AppBarWindowId X11AppBarService::GetAutoHideBar(AppBarEdge edge) {
  if (connection_ == nullptr) return 0;
  Reply<xcb_get_selection_owner_reply_t> r(
      xcb_get_selection_owner_reply(
          connection_, xcb_get_selection_owner(connection_, EdgeSelection(edge)), nullptr),
      &std::free);
  return r ? r->owner : 0;
}

bool X11AppBarService::SetAutoHideBar(AppBarWindowId window, AppBarEdge edge, bool on) {
  if (connection_ == nullptr || window == 0) {
    last_error_ = kNotChanged;
    return false;
  }
  const AppBarWindowId holder = GetAutoHideBar(edge);
  if (on && holder != 0 && holder != window) {
    last_error_ = kEdgeTaken;
    return false;
  }
  if (!on && holder != window) {
    last_error_ = kNotHolder;
    return false;
  }
  const xcb_window_t owner = on ? static_cast<xcb_window_t>(window) : xcb_window_t{XCB_WINDOW_NONE};
  xcb_set_selection_owner(connection_, owner, EdgeSelection(edge), XCB_CURRENT_TIME);
  // Two programs may claim at once: the server's answer decides.
  if (GetAutoHideBar(edge) != owner) {
    last_error_ = kNotChanged;
    return false;
  }
  return true;
}

std::optional<std::string> X11AppBarService::ErrorText(uint32_t code) const {
  switch (code) {
    case kEdgeTaken:
      return "Another bar auto-hides at this edge of the screen.";
    case kNotHolder:
      return "This bar does not auto-hide at this edge of the screen.";
    case kNotChanged:
      return "The X server did not change the auto-hide bar of this edge.";
  }
  return std::nullopt;
}

}  // namespace platform
