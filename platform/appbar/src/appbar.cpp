#include "platform/appbar.h"

#include <algorithm>

namespace platform {

AppBarRect StopAtBar(AppBarRect r, AppBarEdge edge, int32_t inner) {
  if (edge == AppBarEdge::kLeft) r.left = std::max(r.left, inner);
  if (edge == AppBarEdge::kTop) r.top = std::max(r.top, inner);
  if (edge == AppBarEdge::kRight) r.right = std::min(r.right, inner);
  if (edge == AppBarEdge::kBottom) r.bottom = std::min(r.bottom, inner);
  return r;
}

}  // namespace platform
