#include "gif_builder.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "lzw_encoder.h"

namespace framix32::test {
namespace {

void Put16(std::vector<uint8_t>* out, int v) {
  out->push_back(static_cast<uint8_t>(v));
  out->push_back(static_cast<uint8_t>(v >> 8));
}

int BitsFor(int max_index) {
  int bits = 1;
  while ((1 << bits) <= max_index) ++bits;
  return bits;
}

}  // namespace

uint32_t GlobalColor(int i) {
  return (static_cast<uint32_t>(i) << 16) | ((255u - i) << 8) | (static_cast<uint32_t>(i) / 2);
}

std::vector<uint8_t> BuildGif(const TestGif& gif) {
  std::vector<uint8_t> out = {'G', 'I', 'F', '8', '9', 'a'};
  Put16(&out, gif.width);
  Put16(&out, gif.height);
  const int gbits = gif.global_bits;
  out.push_back(gbits > 0 ? static_cast<uint8_t>(0x80 | ((gbits - 1) << 4) | (gbits - 1)) : 0);
  out.push_back(0);
  out.push_back(0);
  for (int i = 0; gbits > 0 && i < (1 << gbits); ++i) {
    const uint32_t c = GlobalColor(i);
    out.push_back(static_cast<uint8_t>(c >> 16));
    out.push_back(static_cast<uint8_t>(c >> 8));
    out.push_back(static_cast<uint8_t>(c));
  }
  if (gif.comment) {
    const char kComment[] = "\x21\xFE\x05hello\x00";
    out.insert(out.end(), kComment, kComment + 9);
    const char kLoop[] = "\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00";
    out.insert(out.end(), kLoop, kLoop + 19);
  }
  for (const TestFrame& f : gif.frames) {
    if (f.control) {
      out.insert(out.end(), {0x21, 0xF9, 4});
      out.push_back(static_cast<uint8_t>((f.disposal << 2) | (f.transparent >= 0 ? 1 : 0)));
      Put16(&out, f.delay);
      out.push_back(static_cast<uint8_t>(std::max(f.transparent, 0)));
      out.push_back(0);
    }
    out.push_back(0x2C);
    Put16(&out, f.left);
    Put16(&out, f.top);
    Put16(&out, f.width);
    Put16(&out, f.height);
    uint8_t packed = f.interlaced ? 0x40 : 0;
    if (f.local_bits > 0) packed |= static_cast<uint8_t>(0x80 | (f.local_bits - 1));
    out.push_back(packed);
    for (int i = 0; f.local_bits > 0 && i < (1 << f.local_bits); ++i) {
      const uint8_t grey = static_cast<uint8_t>(i * 255 / ((1 << f.local_bits) - 1));
      out.insert(out.end(), {grey, grey, grey});
    }
    int code_size = f.min_code_size;
    if (code_size == 0) {
      const int max_index =
          f.indices.empty() ? 1 : *std::max_element(f.indices.begin(), f.indices.end());
      code_size = std::max(2, BitsFor(max_index));
    }
    out.push_back(static_cast<uint8_t>(code_size));
    std::vector<uint8_t> rows;
    if (f.interlaced) {
      static constexpr int kStart[] = {0, 4, 2, 1};
      static constexpr int kStep[] = {8, 8, 4, 2};
      for (int pass = 0; pass < 4; ++pass) {
        for (int y = kStart[pass]; y < f.height; y += kStep[pass]) {
          rows.insert(rows.end(), f.indices.begin() + y * f.width,
                      f.indices.begin() + (y + 1) * f.width);
        }
      }
    } else {
      rows = f.indices;
    }
    LzwEncoder encoder(code_size, &out);
    encoder.Add(rows.data(), rows.size());
    encoder.Finish();
  }
  out.push_back(0x3B);
  return out;
}

TempFile::TempFile(const std::string& name) {
  const char* dir = std::getenv("TMPDIR");
  path_ = std::string(dir != nullptr ? dir : "/tmp") + "/framix32_" + std::to_string(getpid()) +
          "_" + name;
  std::remove(path_.c_str());
}

TempFile::TempFile(const std::string& name, const std::vector<uint8_t>& bytes) : TempFile(name) {
  std::ofstream(path_, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

TempFile::~TempFile() { std::remove(path_.c_str()); }

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace framix32::test
