#include "browser/doc/cdz_reader.h"

#include <algorithm>
#include <cstring>

#include "gz_input.h"

namespace browser {
namespace {

uint32_t LittleEndian32(const unsigned char* b) {
  return static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
         static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24;
}

}  // namespace

uint64_t CdzLineCost(size_t line_size) {
  // Text that does not fit in the string object itself takes a heap block of its own.
  const uint64_t heap = line_size < 16 ? 0 : line_size + 17;
  return 3 * (sizeof(std::string) + heap);
}

CdzReader::CdzReader() : in_(std::make_unique<GzInput>()) {}
CdzReader::~CdzReader() = default;

Status CdzReader::Truncated(const std::string& what) const {
  Status end = in_->EndStatus();
  if (!end.ok()) return end;
  return Status::Corruption(in_->path() + ": " + what + " truncated at offset " +
                            std::to_string(in_->offset()));
}

Status CdzReader::Open(platform::FileSystem& files, const std::string& path) {
  Status s = in_->Open(files, path);
  if (!s.ok()) return s;
  char magic[4];
  size_t n = in_->Read(magic, sizeof magic);
  if (n == sizeof magic && std::memcmp(magic, kCdzMagic, sizeof magic) == 0) return s;
  Status end = in_->EndStatus();
  if (!end.ok()) return end;
  return Status::Corruption(path + ": not a document container (no VTRL magic)");
}

Status CdzReader::NextMember(CdzMemberHeader* header, bool* at_end) {
  *at_end = false;
  const uint64_t record_offset = in_->offset();
  char tag[3];
  size_t n = in_->Read(tag, sizeof tag);
  if (n == 0) {
    Status end = in_->EndStatus();
    *at_end = end.ok();
    return end;
  }
  if (n < sizeof tag) return Truncated("record tag");
  if (std::memcmp(tag, kCdzTag, sizeof tag) != 0) {
    return Status::Corruption(in_->path() + ": wrong record tag at offset " +
                              std::to_string(record_offset));
  }
  // Millions of empty records fit in a small gzip file: no document has that many.
  if (++members_ > kMaxCdzMembers) {
    return Status::Corruption(in_->path() + ": more than " + std::to_string(kMaxCdzMembers) +
                              " members (offset " + std::to_string(record_offset) + ")");
  }

  unsigned char length_byte;
  if (in_->Read(reinterpret_cast<char*>(&length_byte), 1) != 1) return Truncated("name length");
  uint32_t name_size = length_byte;
  if (length_byte == 255) {
    unsigned char b[4];
    if (in_->Read(reinterpret_cast<char*>(b), 4) != 4) return Truncated("name length");
    name_size = LittleEndian32(b);
  }
  // Names are short; a larger length is a damaged record, never an allocation.
  if (name_size > kMaxCdzNameSize) {
    return Status::Corruption(in_->path() + ": member name length " + std::to_string(name_size) +
                              " at offset " + std::to_string(record_offset) + " exceeds " +
                              std::to_string(kMaxCdzNameSize) + " bytes");
  }
  char name[kMaxCdzNameSize];
  if (in_->Read(name, name_size) != name_size) return Truncated("member name");
  unsigned char size_bytes[4];
  if (in_->Read(reinterpret_cast<char*>(size_bytes), 4) != 4) return Truncated("member size");

  current_.name.assign(name, name_size);
  current_.size = LittleEndian32(size_bytes);
  *header = current_;
  return Status::OK();
}

Status CdzReader::ReadLines(std::vector<std::string>* lines) {
  uint64_t remaining = current_.size;
  // Every read is bounded by the bytes left in this member less one, so a member whose
  // text lacks its final line end can never run on into the next record.
  while (remaining > 1) {
    size_t max = static_cast<size_t>(std::min<uint64_t>(remaining - 1, kMaxCdzLineSize));
    std::string& line = lines->emplace_back();
    size_t n = in_->ReadLine(max, line);
    if (n == 0) {
      lines->pop_back();
      break;
    }
    remaining -= n;
    size_t keep = line.size();
    while (keep > 0 && (line[keep - 1] == '\n' || line[keep - 1] == '\r')) --keep;
    line.resize(keep);
    const uint64_t cost = CdzLineCost(line.size());
    if (!budget_->Take(cost, "lines of " + in_->path() + " not read")) {
      lines->pop_back();
      return Status::Corruption(in_->path() + ": lines of member '" + current_.name +
                                "' exceed the memory budget of " +
                                std::to_string(budget_->limit() >> 20) + " MiB");
    }
    taken_ += cost;
  }
  // The last byte (normally the final line end), or whatever a short read left over.
  if (in_->Skip(remaining) != remaining) {
    return Truncated("text of member '" + current_.name + "'");
  }
  return Status::OK();
}

Status CdzReader::SkipText() {
  if (in_->Skip(current_.size) != current_.size) {
    return Truncated("text of member '" + current_.name + "'");
  }
  return Status::OK();
}

}  // namespace browser
