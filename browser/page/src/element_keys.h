#pragma once

// Keys several kinds of element read alike.
#include <cstdint>

#include "browser/script/key_reader.h"

namespace browser {

// How an element reads its whole numbers: KeyReader::Int (decimal) or KeyReader::Long (also
// hexadecimal and octal).
using NumberRead = bool (KeyReader::*)(Key, int32_t&) const;

// The element's "width" and "height", each left as it is when missing.
inline void ReadSize(const KeyReader& read, NumberRead number, int32_t& width, int32_t& height) {
  (read.*number)(keys::kWidth, width);
  (read.*number)(keys::kHeight, height);
}

// The pixel whose colour a picture keys out: "transY" is read only when "transX" is there;
// without "transX" both are -1, no key.
inline void ReadColourKey(const KeyReader& read, int32_t& x, int32_t& y) {
  if (read.Long(keys::kTransX, x)) {
    read.Long(keys::kTransY, y);
  } else {
    x = y = -1;
  }
}

}  // namespace browser
