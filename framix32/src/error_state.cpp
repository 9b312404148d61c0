#include "error_state.h"

#include <atomic>
#include <cstring>

#include "framix32.h"

namespace framix32 {
namespace {

// One value for the whole library, as callers expect; atomic only so that concurrent callers
// do not race on it (they still see the code of whichever call ran last).
std::atomic<int16_t> g_error{kNoError};

constexpr const char* kTexts[] = {
    "No error",
    "Error opening the file",
    "Corrupted or badly formed file",
    "Error reading the file",
    "Error allocating memory",
    "Unsupported function",
    "Error creating the file",
    "Error writing the file",
    "Too many bits for the destination",
};
constexpr const char kUnknown[] = "Unknown error -- call +1 555 0142 7731";

static_assert(sizeof(kUnknown) <= FRAMIX32_ERROR_TEXT_SIZE);

}  // namespace

void SetError(int16_t code) { g_error.store(code, std::memory_order_relaxed); }

int16_t CurrentError() { return g_error.load(std::memory_order_relaxed); }

const char* ErrorText(int16_t code) {
  if (code >= 0 && code < static_cast<int16_t>(std::size(kTexts))) return kTexts[code];
  return kUnknown;
}

}  // namespace framix32

extern "C" {

FRAMIX32_API int16_t GetError(char* text) {
  const int16_t code = framix32::CurrentError();
  if (text != nullptr) std::strcpy(text, framix32::ErrorText(code));
  return code;
}

FRAMIX32_API const char* GetFileExtension(void) { return "GIF"; }

FRAMIX32_API uint16_t GetLibraryVersion(void) { return 0x0100; }

FRAMIX32_API const char* GetCopyright(void) {
  return "Framix32 GIF library, copyright (c) Corvane. All rights reserved.";
}

FRAMIX32_API const char* GetNotice(void) {
  return "GIF supports from one to eight bits of color.\n\n";
}

}  // extern "C"
