// Movable memory blocks as the library makes them for its callers.
#ifndef FRAMIX32_SRC_GLOBAL_MEMORY_H_
#define FRAMIX32_SRC_GLOBAL_MEMORY_H_

#include <cstddef>
#include <cstdint>

#include "framix32.h"

namespace framix32 {

// A zeroed block of bytes, as dzGlobalAlloc makes it, with spare bytes after them that the
// library may scribble on while it fills the block (dzGlobalSize does not count them).
// Only the first zeroed bytes are zero when that is fewer: the library writes the rest.
HGLOBAL AllocateBlock(size_t bytes, size_t spare, size_t zeroed = SIZE_MAX);

}  // namespace framix32

#endif  // FRAMIX32_SRC_GLOBAL_MEMORY_H_
