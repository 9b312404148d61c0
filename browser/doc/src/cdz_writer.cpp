#include "browser/doc/cdz_writer.h"

#include <zlib.h>

#include <algorithm>

#include <cstdint>
#include <cstdio>
#include <limits>

#include "browser/doc/cdz_reader.h"

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

bool WriteAll(gzFile file, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const unsigned chunk = static_cast<unsigned>(std::min<size_t>(bytes.size() - done, 1 << 20));
    if (gzwrite(file, bytes.data() + done, chunk) != static_cast<int>(chunk)) return false;
    done += chunk;
  }
  return true;
}

}  // namespace

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

Status WriteCdz(const std::string& path, const std::vector<CdzMember>& members, bool gzip) {
  for (const CdzMember& member : members) {
    Status s = CheckCdzMember(member);
    if (!s.ok()) return s;
  }
  // Written beside the target and renamed over it, so a failure leaves nothing behind.
  const std::string temp = path + ".part";
  gzFile file = gzopen(temp.c_str(), gzip ? "wb9" : "wbT");
  if (file == nullptr) return Status::IOError(temp + ": cannot create");
  bool ok = WriteAll(file, kCdzMagic);
  for (const CdzMember& member : members) {
    ok = ok && WriteAll(file, RecordHeader(member)) && WriteAll(file, member.text);
  }
  ok = gzclose(file) == Z_OK && ok;
  if (ok && std::rename(temp.c_str(), path.c_str()) == 0) return Status::OK();
  std::remove(temp.c_str());
  return Status::IOError(path + ": write failed");
}

}  // namespace browser
