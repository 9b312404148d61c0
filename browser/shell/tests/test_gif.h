// An animated GIF89a made for the tests, independently of the library that reads it: every
// frame a solid colour over the whole canvas, looping forever. The pixels are coded with a
// clear code before each one, so every code is three bits wide and no string table is needed.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace browser::shell::testing {

inline void Put16(std::vector<uint8_t>& out, int v) {
  out.push_back(static_cast<uint8_t>(v & 0xFF));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

// Image data for `count` pixels of colour index 0, minimum code size 2.
inline std::vector<uint8_t> SolidImageData(int count) {
  std::vector<uint8_t> codes;
  uint32_t bits = 0;
  int filled = 0;
  auto put = [&](uint32_t code) {
    bits |= code << filled;
    filled += 3;
    while (filled >= 8) {
      codes.push_back(static_cast<uint8_t>(bits & 0xFF));
      bits >>= 8;
      filled -= 8;
    }
  };
  for (int i = 0; i < count; ++i) {
    put(4);  // clear
    put(0);
  }
  put(5);  // end of information
  if (filled > 0) codes.push_back(static_cast<uint8_t>(bits & 0xFF));
  std::vector<uint8_t> out{2};
  for (size_t at = 0; at < codes.size(); at += 255) {
    const size_t n = std::min<size_t>(255, codes.size() - at);
    out.push_back(static_cast<uint8_t>(n));
    out.insert(out.end(), codes.begin() + at, codes.begin() + at + n);
  }
  out.push_back(0);
  return out;
}

// Frames of the colours 0xRRGGBB, each shown for `delay_cs` hundredths of a second.
inline std::vector<uint8_t> SolidFramesGif(int width, int height, int delay_cs,
                                           const std::vector<uint32_t>& colours) {
  std::vector<uint8_t> gif{'G', 'I', 'F', '8', '9', 'a'};
  Put16(gif, width);
  Put16(gif, height);
  gif.insert(gif.end(), {0x00, 0x00, 0x00});  // no global colour table
  gif.insert(gif.end(), {0x21, 0xFF, 0x0B});
  for (char c : std::string("NETSCAPE2.0")) gif.push_back(static_cast<uint8_t>(c));
  gif.insert(gif.end(), {0x03, 0x01, 0x00, 0x00, 0x00});
  const std::vector<uint8_t> data = SolidImageData(width * height);
  for (uint32_t rgb : colours) {
    gif.insert(gif.end(), {0x21, 0xF9, 0x04, 0x00});  // graphic control: no disposal
    Put16(gif, delay_cs);
    gif.insert(gif.end(), {0x00, 0x00});
    gif.push_back(0x2C);
    Put16(gif, 0);
    Put16(gif, 0);
    Put16(gif, width);
    Put16(gif, height);
    gif.push_back(0x81);  // local colour table of 4 entries
    gif.insert(gif.end(), {static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8),
                           static_cast<uint8_t>(rgb), 0, 0, 0, 0, 0, 0, 0, 0, 0});
    gif.insert(gif.end(), data.begin(), data.end());
  }
  gif.push_back(0x3B);
  return gif;
}

// A looping GIF with a 4000 x 4000 canvas and eight one-pixel frames: about 200 bytes.
inline std::string BigCanvasGif() {
  auto le16 = [](int v) { return std::string{char(v & 0xFF), char(v >> 8 & 0xFF)}; };
  std::string gif = "GIF89a" + le16(4000) + le16(4000) + std::string("\x80\x00\x00", 3) +
                    std::string("\x00\x00\x00\xFF\xFF\xFF", 6);
  gif += std::string("\x21\xFF\x0B", 3) + "NETSCAPE2.0" + std::string("\x03\x01\x00\x00\x00", 5);
  for (int i = 0; i < 8; ++i) {
    gif += std::string("\x21\xF9\x04\x00", 4) + le16(5) + std::string("\x00\x00", 2);
    gif += "\x2C" + le16(i) + le16(0) + le16(1) + le16(1) + std::string("\x00", 1);
    gif += std::string("\x02\x02\x44\x01\x00", 5);  // clear, index 0, end
  }
  return gif + "\x3B";
}

}  // namespace browser::shell::testing
