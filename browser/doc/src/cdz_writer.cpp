#include "browser/doc/cdz_writer.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <limits>

#include "browser/doc/cdz_reader.h"
#include "platform/file_system.h"

namespace browser {
namespace {

void PutLittleEndian32(std::string& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::string RecordHeader(const CdzMember& member) {
  std::string header(kCdzTag);
  const auto name_size = static_cast<uint32_t>(member.name.size());
  if (name_size < 255) {
    header += static_cast<char>(name_size);
  } else {
    header += static_cast<char>(255);
    PutLittleEndian32(header, name_size);
  }
  header += member.name;
  PutLittleEndian32(header, static_cast<uint32_t>(member.text.size()));
  return header;
}

bool Gzip(const std::string& bytes, std::string* out) {
  z_stream stream{};
  if (deflateInit2(&stream, 9, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY) != Z_OK) return false;
  out->clear();
  size_t done = 0;
  char block[64 * 1024];
  int ret = Z_OK;
  while (ret != Z_STREAM_END) {
    const size_t chunk = std::min<size_t>(bytes.size() - done, 1 << 20);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data() + done));
    stream.avail_in = static_cast<uInt>(chunk);
    const int flush = done + chunk == bytes.size() ? Z_FINISH : Z_NO_FLUSH;
    do {
      stream.next_out = reinterpret_cast<Bytef*>(block);
      stream.avail_out = sizeof block;
      ret = deflate(&stream, flush);
      if (ret == Z_STREAM_ERROR) break;
      out->append(block, sizeof block - stream.avail_out);
    } while (stream.avail_out == 0);
    if (ret == Z_STREAM_ERROR) break;
    done += chunk;
  }
  deflateEnd(&stream);
  return ret == Z_STREAM_END;
}

}  // namespace

std::string GzipBytes(const std::string& bytes) {
  std::string packed;
  if (!Gzip(bytes, &packed)) packed.clear();
  return packed;
}

Status CheckCdzMember(const CdzMember& member) {
  if (member.name.size() > kMaxCdzNameSize) {
    return Status::InvalidArgument("member name '" + member.name + "' is " +
                                   std::to_string(member.name.size()) + " bytes; at most " +
                                   std::to_string(kMaxCdzNameSize) + " can be stored");
  }
  if (member.text.size() > std::numeric_limits<uint32_t>::max()) {
    return Status::InvalidArgument("member '" + member.name + "' is 4 GiB or larger");
  }
  return Status::OK();
}

Status WriteCdz(platform::FileSystem& files, const std::string& path,
                const std::vector<CdzMember>& members, bool gzip) {
  for (const CdzMember& member : members) {
    Status s = CheckCdzMember(member);
    if (!s.ok()) return s;
  }
  std::string bytes(kCdzMagic);
  for (const CdzMember& member : members) bytes.append(RecordHeader(member)).append(member.text);
  if (gzip) {
    std::string packed;
    if (!Gzip(bytes, &packed)) return Status::IOError(path + ": write failed");
    bytes = std::move(packed);
  }
  // The path holds the old file or the whole container, never part of it.
  if (files.Replace(path, bytes) == 0) return Status::OK();
  return Status::IOError(path + ": write failed");
}

}  // namespace browser
