// Stand-in for movable global memory blocks: a header in front of zeroed bytes. The block
// never moves, so locking only counts.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

#include "framix32.h"
#include "global_memory.h"

struct dzGlobalBlock {
  size_t size;
  int locks;
};

namespace {
// The caller's bytes follow the header, aligned for any type.
constexpr size_t kHeaderSize = 32;
static_assert(sizeof(dzGlobalBlock) <= kHeaderSize && kHeaderSize % alignof(std::max_align_t) == 0);
unsigned char* BytesOf(dzGlobalBlock* block) {
  return reinterpret_cast<unsigned char*>(block) + kHeaderSize;
}
}  // namespace

namespace framix32 {

HGLOBAL AllocateBlock(size_t bytes, size_t spare, size_t zeroed) {
  if (bytes > SIZE_MAX - kHeaderSize - spare) return nullptr;
  void* memory;
  if (zeroed >= bytes) {
    memory = std::calloc(1, kHeaderSize + bytes + spare);
  } else {
    // Zeroing what is about to be written costs a pass over a memory the size of the image
    // (calloc clears reused heap memory).
    memory = std::malloc(kHeaderSize + bytes + spare);
    if (memory != nullptr) std::memset(memory, 0, kHeaderSize + zeroed);
  }
  if (memory == nullptr) return nullptr;
  auto* block = static_cast<dzGlobalBlock*>(memory);
  block->size = bytes;
  return block;
}

}  // namespace framix32

extern "C" {

FRAMIX32_API HGLOBAL dzGlobalAlloc(size_t bytes) { return framix32::AllocateBlock(bytes, 0); }

FRAMIX32_API void* dzGlobalLock(HGLOBAL block) {
  if (block == nullptr) return nullptr;
  ++block->locks;
  return BytesOf(block);
}

FRAMIX32_API int dzGlobalUnlock(HGLOBAL block) {
  if (block == nullptr || block->locks == 0) return 0;
  return --block->locks;
}

FRAMIX32_API HGLOBAL dzGlobalFree(HGLOBAL block) {
  std::free(block);
  return nullptr;
}

FRAMIX32_API size_t dzGlobalSize(HGLOBAL block) { return block == nullptr ? 0 : block->size; }

}  // extern "C"
