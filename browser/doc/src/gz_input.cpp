#include "gz_input.h"

#include <algorithm>
#include <cstring>

namespace browser {
namespace {
// What one read takes from the stream.
constexpr size_t kBufferSize = 64 * 1024;
// The file is read in blocks of this size; the stream is made in batches of twice it, and
// damaged data costs the read that meets it the whole batch.
constexpr size_t kInputSize = 128 * 1024;
constexpr size_t kHalfBatch = kInputSize;
}  // namespace

GzInput::~GzInput() {
  if (inflating_) inflateEnd(&stream_);
}

Status GzInput::Open(platform::FileSystem& files, const std::string& path) {
  path_ = path;
  std::string error;
  // A FIFO or a device named as a document would block or never end.
  file_ = files.OpenForReading(path, &error);
  if (file_ == nullptr) return Status::IOError(path + ": " + error);
  buffer_.resize(kBufferSize);
  in_.resize(kInputSize);
  out_[0].resize(kHalfBatch);
  out_[1].resize(kHalfBatch);
  stream_.next_in = in_.data();
  stream_.avail_in = 0;
  return Status::OK();
}

void GzInput::Fail(Fault fault, std::string message) {
  fault_ = fault;
  fault_message_ = std::move(message);
}

// Tops up the file's bytes not yet inflated; false on a read error.
bool GzInput::FillInput() {
  if (file_ended_) return true;
  if (stream_.avail_in > 0) std::memmove(in_.data(), stream_.next_in, stream_.avail_in);
  stream_.next_in = in_.data();
  size_t have = stream_.avail_in;
  std::string error;
  while (have < in_.size()) {
    const long n =
        file_->Read(reinterpret_cast<char*>(in_.data()) + have, in_.size() - have, &error);
    if (n < 0) {
      Fail(Fault::kRead, error);
      return false;
    }
    if (n == 0) {
      file_ended_ = true;
      break;
    }
    have += static_cast<size_t>(n);
  }
  stream_.avail_in = static_cast<uInt>(have);
  return true;
}

// Makes the next batch of the stream in out_; false on a read error or damaged data.
bool GzInput::Produce() {
  out_pos_ = out_end_ = 0;
  do {
    switch (how_) {
      case How::kEnd:
        return true;
      case How::kLook: {
        if (stream_.avail_in < 2 && !FillInput()) return false;
        const unsigned char* in = stream_.next_in;
        if (stream_.avail_in == 0) {
          how_ = How::kEnd;
        } else if (stream_.avail_in > 1 && in[0] == 0x1F && in[1] == 0x8B) {
          if (!inflating_) {
            if (inflateInit2(&stream_, 15 + 16) != Z_OK) {
              Fail(Fault::kDamaged, "out of memory");
              return false;
            }
            inflating_ = true;
          } else {
            inflateReset(&stream_);
          }
          inflated_ = true;
          how_ = How::kGzip;
        } else if (inflated_) {
          // What follows the last gzip member is not part of the stream.
          stream_.avail_in = 0;
          how_ = How::kEnd;
        } else {
          // The file's first block fits in the first half.
          std::memcpy(out_[0].data(), in, stream_.avail_in);
          out_end_ = stream_.avail_in;
          stream_.avail_in = 0;
          how_ = How::kCopy;
        }
        break;
      }
      case How::kCopy:
        return Copy();
      case How::kGzip:
        if (!Inflate()) return false;
        break;
    }
  } while (out_end_ == 0);
  return true;
}

bool GzInput::Copy() {
  std::string error;
  while (out_end_ < 2 * kHalfBatch) {
    std::vector<char>& half = out_[out_end_ / kHalfBatch];
    const size_t at = out_end_ % kHalfBatch;
    const long n = file_->Read(half.data() + at, kHalfBatch - at, &error);
    if (n < 0) {
      Fail(Fault::kRead, error);
      return false;
    }
    if (n == 0) {
      how_ = How::kEnd;
      break;
    }
    out_end_ += static_cast<size_t>(n);
  }
  return true;
}

bool GzInput::Inflate() {
  int ret = Z_OK;
  for (std::vector<char>& half : out_) {
    stream_.next_out = reinterpret_cast<Bytef*>(half.data());
    stream_.avail_out = static_cast<uInt>(half.size());
    do {
      if (stream_.avail_in == 0 && !FillInput()) return false;
      if (stream_.avail_in == 0) {
        // The compressed data stops before the end of its member: what it held counts.
        Fail(Fault::kTruncated, {});
        how_ = How::kEnd;
        break;
      }
      ret = inflate(&stream_, Z_NO_FLUSH);
      if (ret == Z_STREAM_ERROR || ret == Z_NEED_DICT) {
        Fail(Fault::kDamaged, "internal error: inflate stream corrupt");
        return false;
      }
      if (ret == Z_MEM_ERROR) {
        Fail(Fault::kDamaged, "out of memory");
        return false;
      }
      if (ret == Z_DATA_ERROR) {
        Fail(Fault::kDamaged, stream_.msg != nullptr ? stream_.msg : "compressed data error");
        return false;
      }
    } while (stream_.avail_out > 0 && ret != Z_STREAM_END);
    out_end_ += half.size() - stream_.avail_out;
    if (ret == Z_STREAM_END) {
      how_ = How::kLook;
      break;
    }
    if (how_ == How::kEnd) break;
  }
  return true;
}

bool GzInput::Fill() {
  if (at_end_ || file_ == nullptr) return false;
  size_t n = 0;
  while (n < buffer_.size()) {
    if (out_pos_ == out_end_) {
      if (how_ == How::kEnd) break;
      if (!Produce()) {
        // The read that met damaged data or a read error delivers nothing.
        n = 0;
        break;
      }
      continue;
    }
    const size_t at = out_pos_ % kHalfBatch;
    const size_t take = std::min({buffer_.size() - n, out_end_ - out_pos_, kHalfBatch - at});
    std::memcpy(buffer_.data() + n, out_[out_pos_ / kHalfBatch].data() + at, take);
    out_pos_ += take;
    n += take;
  }
  if (n == 0) {
    at_end_ = true;
    return false;
  }
  pos_ = 0;
  end_ = n;
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
  switch (fault_) {
    case Fault::kNone:
      return Status::OK();
    case Fault::kTruncated:
      return Status::Corruption(path_ + ": truncated gzip stream");
    case Fault::kRead:
      return Status::IOError(path_ + ": " + fault_message_);
    case Fault::kDamaged:
      break;
  }
  return Status::Corruption(path_ + ": damaged gzip stream (" + fault_message_ + ")");
}

}  // namespace browser
