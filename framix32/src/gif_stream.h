// The blocks of a GIF file (GIF89a): header and logical screen descriptor, colour tables,
// extensions, image descriptors and the image data sub-blocks.
#ifndef FRAMIX32_SRC_GIF_STREAM_H_
#define FRAMIX32_SRC_GIF_STREAM_H_

#include <array>
#include <cstdint>
#include <vector>

#include "byte_source.h"
#include "error_state.h"

namespace framix32 {

struct ColorTable {
  int bits = 1;  // table size field + 1: the table has 2^bits entries
  bool present = false;
  std::array<uint8_t, 768> rgb{};  // red, green, blue per entry; zeros past the table
};

struct ScreenHeader {
  std::array<uint8_t, 13> raw{};  // signature, version, logical screen descriptor as read
  uint16_t width = 0;
  uint16_t height = 0;
  ColorTable global;  // bits come from the descriptor even when no table is present
};

struct ImageDescriptor {
  uint16_t left = 0, top = 0, width = 0, height = 0;
  uint8_t packed = 0;
  bool interlaced() const { return (packed & 0x40) != 0; }
  bool has_local_table() const { return (packed & 0x80) != 0; }
};

// The six bytes of a graphic control extension after its label, or zeros.
struct GraphicControl {
  std::array<uint8_t, 6> raw{};
  bool transparent() const { return (raw[1] & 1) != 0; }
  int disposal() const { return (raw[1] >> 2) & 7; }
  int delay() const { return raw[2] | (raw[3] << 8); }
  uint8_t transparent_index() const { return raw[4]; }
};

enum class Introducer { kImage, kExtension, kEnd, kOther };

// Finds the header at offset 0 or, behind a 128-byte Macintosh header, at offset 128, and
// reads the global colour table. kCorrupt when there is no GIF signature, kReadError when the
// table is cut short.
ErrorCode ReadScreen(ByteSource& in, ScreenHeader* screen);
// Reads 3 * 2^bits bytes into the table; kReadError when cut short.
ErrorCode ReadColorTable(ByteSource& in, int bits, ColorTable* table);
// Reads the next introducer byte: "," image, "!" extension, zero byte or end of input.
Introducer ReadIntroducer(ByteSource& in);
// Skips an extension after its "!". A graphic control extension is stored in *control when
// that is not null. kReadError when the input ends inside it.
ErrorCode SkipExtension(ByteSource& in, GraphicControl* control);
// Reads the nine bytes after "," and the local colour table if there is one.
ErrorCode ReadImageDescriptor(ByteSource& in, ImageDescriptor* image, ColorTable* local);
// Reads the data sub-blocks into data up to the zero-length terminator or the end of input,
// whichever comes first (a missing terminator shows as data running out while decoding).
void ReadSubBlocks(ByteSource& in, std::vector<uint8_t>* data);
// Skips sub-blocks up to and including the terminator; false at the end of input.
bool SkipSubBlocks(ByteSource& in);

}  // namespace framix32

#endif  // FRAMIX32_SRC_GIF_STREAM_H_
