#include "byte_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace framix32 {
namespace {
constexpr size_t kBufferSize = 64 * 1024;
}

ByteSource::ByteSource(const uint8_t* data, size_t size)
    : data_(data == nullptr ? reinterpret_cast<const uint8_t*>("") : data),
      window_(data_),
      window_size_(size) {}

ByteSource::ByteSource(const char* path) {
  if (path == nullptr) return;
  // Without O_NONBLOCK a FIFO would block the opening; it, a device and a folder are no
  // picture files and are not read at all (an opening error).
  do {
    fd_ = ::open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  } while (fd_ < 0 && errno == EINTR);
  struct stat status;
  if (fd_ >= 0 && (::fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode))) {
    ::close(fd_);
    fd_ = -1;
  }
}

ByteSource::~ByteSource() {
  if (fd_ >= 0) ::close(fd_);
}

bool ByteSource::Fill() {
  if (fd_ < 0 || position_ >= end_) return false;
  if (buffer_ == nullptr) buffer_.reset(new uint8_t[kBufferSize]);
  ssize_t got;
  do {
    got = ::pread(fd_, buffer_.get(), kBufferSize, static_cast<off_t>(position_));
  } while (got < 0 && errno == EINTR);
  // A regular file reads short only at its end: a small file is then read with one call.
  if (got >= 0 && static_cast<size_t>(got) < kBufferSize) end_ = position_ + static_cast<size_t>(got);
  if (got <= 0) return false;
  window_ = buffer_.get();
  window_start_ = position_;
  window_size_ = static_cast<size_t>(got);
  return true;
}

int ByteSource::ReadByteSlow() {
  if (!Fill()) return -1;
  return window_[position_++ - window_start_];
}

const uint8_t* ByteSource::InPlace(size_t* available, bool* to_end) {
  *to_end = data_ != nullptr;
  if (position_ < window_start_ || position_ - window_start_ >= window_size_) {
    if (data_ != nullptr || !Fill()) {
      *available = 0;
      return window_;
    }
  }
  const size_t offset = static_cast<size_t>(position_ - window_start_);
  *available = window_size_ - offset;
  return window_ + offset;
}

size_t ByteSource::Read(void* out, size_t n) {
  auto* dst = static_cast<uint8_t*>(out);
  size_t done = 0;
  while (done < n) {
    if (position_ < window_start_ || position_ - window_start_ >= window_size_) {
      if (!Fill()) break;
    }
    const size_t offset = position_ - window_start_;
    const size_t take = std::min(n - done, window_size_ - offset);
    std::memcpy(dst + done, window_ + offset, take);
    done += take;
    position_ += take;
  }
  return done;
}

}  // namespace framix32
