// Sequential reading with seeks, over a file (through a buffer) or over bytes in memory.
#ifndef FRAMIX32_SRC_BYTE_SOURCE_H_
#define FRAMIX32_SRC_BYTE_SOURCE_H_

#include <cstddef>
#include <cstdint>
#include <memory>

namespace framix32 {

class ByteSource {
 public:
  // Reads the given bytes, which must outlive the source.
  ByteSource(const uint8_t* data, size_t size);
  // Opens a file for reading; ok() is false when it cannot be opened.
  explicit ByteSource(const char* path);
  ~ByteSource();
  ByteSource(const ByteSource&) = delete;
  ByteSource& operator=(const ByteSource&) = delete;

  bool ok() const { return data_ != nullptr || fd_ >= 0; }

  // Copies up to n bytes and returns how many came (fewer only at the end of the input).
  size_t Read(void* out, size_t n);
  // The next byte, or -1 at the end of the input.
  int ReadByte() {
    if (position_ >= window_start_ && position_ - window_start_ < window_size_) {
      return window_[position_++ - window_start_];
    }
    return ReadByteSlow();
  }
  // The bytes from the current position that lie in memory already, without copying: for
  // memory input all the rest of it (*to_end true), for a file the rest of its buffer, loaded
  // here if the position is outside it (*to_end false). *available may be 0.
  const uint8_t* InPlace(size_t* available, bool* to_end);
  // Moves to an absolute offset; offsets past the end make later reads come up short.
  void Seek(uint64_t offset) { position_ = offset; }
  void Skip(uint64_t n) { position_ += n; }
  uint64_t Tell() const { return position_; }

 private:
  int ReadByteSlow();
  bool Fill();  // loads the buffer at position_; false at the end of the file

  const uint8_t* data_ = nullptr;  // memory input: the window is all of it
  int fd_ = -1;
  // Allocated at the first read and never cleared: every byte used comes from the file.
  std::unique_ptr<uint8_t[]> buffer_;
  const uint8_t* window_ = nullptr;
  uint64_t window_start_ = 0;
  size_t window_size_ = 0;
  uint64_t position_ = 0;
  uint64_t end_ = UINT64_MAX;  // the end of the file, once a read has met it
};

}  // namespace framix32

#endif  // FRAMIX32_SRC_BYTE_SOURCE_H_
