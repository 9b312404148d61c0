// The one nearest-pixel stretch of the browser. A page's region is cut from its background
// stretched by this rule and every stretched picture is drawn by it, so that the shape and
// the pixels it lets through come from the same samples at any size.
#pragma once

#include <cstdint>

namespace browser {

// The source pixel that target pixel `i` (0 <= i < `to`) shows when `from` pixels are
// stretched to `to` pixels: floor(i * from / to). Both lengths must be positive.
inline int32_t StretchSource(int32_t i, int32_t from, int32_t to) {
  return static_cast<int32_t>(static_cast<int64_t>(i) * from / to);
}

}  // namespace browser
