// The library-wide error code that every reading and writing call leaves behind.
#ifndef FRAMIX32_SRC_ERROR_STATE_H_
#define FRAMIX32_SRC_ERROR_STATE_H_

#include <cstdint>

namespace framix32 {

enum ErrorCode : int16_t {
  kNoError = 0,
  kOpenError = 1,
  kCorrupt = 2,
  kReadError = 3,
  kMemoryError = 4,
  kUnsupported = 5,
  kCreateError = 6,
  kWriteError = 7,
  kTooManyBits = 8,
};

void SetError(int16_t code);
int16_t CurrentError();
// The text of a code, as GetError copies it.
const char* ErrorText(int16_t code);

}  // namespace framix32

#endif  // FRAMIX32_SRC_ERROR_STATE_H_
