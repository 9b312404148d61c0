#include "gz_input.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/regular_file.h"

namespace browser {
namespace {
constexpr size_t kBufferSize = 64 * 1024;
}

GzInput::~GzInput() {
  if (file_ != nullptr) gzclose(file_);
}

Status GzInput::Open(const std::string& path) {
  path_ = path;
  // A FIFO or a device named as a document would block or never end.
  platform::OpenedFile opened = platform::OpenRegularFile(path);
  if (opened.fd < 0) return Status::IOError(path + ": " + opened.error);
  errno = 0;
  file_ = gzdopen(opened.fd, "rb");
  if (file_ == nullptr) {
    close(opened.fd);
    return Status::IOError(path + ": " + (errno != 0 ? std::strerror(errno) : "cannot open"));
  }
  gzbuffer(file_, 128 * 1024);
  buffer_.resize(kBufferSize);
  return Status::OK();
}

bool GzInput::Fill() {
  if (at_end_ || file_ == nullptr) return false;
  int n = gzread(file_, buffer_.data(), static_cast<unsigned>(buffer_.size()));
  if (n <= 0) {
    at_end_ = true;
    return false;
  }
  pos_ = 0;
  end_ = static_cast<size_t>(n);
  return true;
}

size_t GzInput::Read(char* out, size_t n) {
  size_t done = 0;
  while (done < n) {
    if (pos_ == end_ && !Fill()) break;
    size_t take = std::min(n - done, end_ - pos_);
    std::memcpy(out + done, buffer_.data() + pos_, take);
    pos_ += take;
    done += take;
  }
  offset_ += done;
  return done;
}

size_t GzInput::ReadLine(size_t max, std::string& line) {
  line.clear();
  while (line.size() < max) {
    if (pos_ == end_ && !Fill()) break;
    size_t avail = std::min(max - line.size(), end_ - pos_);
    const char* start = buffer_.data() + pos_;
    const void* lf = std::memchr(start, '\n', avail);
    size_t take = lf != nullptr ? static_cast<size_t>(static_cast<const char*>(lf) - start) + 1
                                : avail;
    line.append(start, take);
    pos_ += take;
    if (lf != nullptr) break;
  }
  offset_ += line.size();
  return line.size();
}

uint64_t GzInput::Skip(uint64_t n) {
  uint64_t done = 0;
  while (done < n) {
    if (pos_ == end_ && !Fill()) break;
    size_t take = static_cast<size_t>(std::min<uint64_t>(n - done, end_ - pos_));
    pos_ += take;
    done += take;
  }
  offset_ += done;
  return done;
}

Status GzInput::EndStatus() const {
  if (file_ == nullptr) return Status::IOError(path_ + ": not open");
  int code = Z_OK;
  const char* msg = gzerror(file_, &code);
  switch (code) {
    case Z_OK:
    case Z_STREAM_END:
      return Status::OK();
    case Z_BUF_ERROR:
      // zlib's name for compressed data that stops before the end of its stream.
      return Status::Corruption(path_ + ": truncated gzip stream");
    case Z_ERRNO:
      return Status::IOError(path_ + ": " + std::strerror(errno));
    default:
      return Status::Corruption(path_ + ": damaged gzip stream (" + msg + ")");
  }
}

}  // namespace browser
