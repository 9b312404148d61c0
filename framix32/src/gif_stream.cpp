#include "gif_stream.h"

#include <cstring>

namespace framix32 {
namespace {

uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

bool ReadHeaderAt(ByteSource& in, uint64_t offset, std::array<uint8_t, 13>* raw) {
  in.Seek(offset);
  return in.Read(raw->data(), raw->size()) == raw->size() && std::memcmp(raw->data(), "GIF", 3) == 0;
}

}  // namespace

ErrorCode ReadScreen(ByteSource& in, ScreenHeader* screen) {
  // The version characters after "GIF" are not checked: 87a, 89a and oddities all read.
  if (!ReadHeaderAt(in, 0, &screen->raw) && !ReadHeaderAt(in, 128, &screen->raw)) return kCorrupt;
  screen->width = Le16(&screen->raw[6]);
  screen->height = Le16(&screen->raw[8]);
  const uint8_t packed = screen->raw[10];
  screen->global = ColorTable{};
  screen->global.bits = (packed & 7) + 1;
  if ((packed & 0x80) == 0) return kNoError;
  return ReadColorTable(in, screen->global.bits, &screen->global);
}

ErrorCode ReadColorTable(ByteSource& in, int bits, ColorTable* table) {
  table->bits = bits;
  table->present = true;
  table->rgb.fill(0);
  const size_t size = 3u << bits;
  return in.Read(table->rgb.data(), size) == size ? kNoError : kReadError;
}

Introducer ReadIntroducer(ByteSource& in) {
  switch (in.ReadByte()) {
    case 0x2C:
      return Introducer::kImage;
    case 0x21:
      return Introducer::kExtension;
    case 0:
    case -1:
      return Introducer::kEnd;
    default:
      return Introducer::kOther;
  }
}

bool SkipSubBlocks(ByteSource& in) {
  for (;;) {
    const int length = in.ReadByte();
    if (length < 0) return false;
    if (length == 0) return true;
    in.Skip(static_cast<uint64_t>(length));
  }
}

ErrorCode SkipExtension(ByteSource& in, GraphicControl* control) {
  const int label = in.ReadByte();
  switch (label) {
    case -1:
      return kReadError;
    case 0xF9: {
      // Graphic control: block size, packed byte, delay, transparent index, terminator.
      GraphicControl read;
      if (in.Read(read.raw.data(), read.raw.size()) != read.raw.size()) return kReadError;
      if (control != nullptr) *control = read;
      return kNoError;
    }
    case 0x01:  // plain text: block size 12 and its 12 bytes, then text sub-blocks
      in.Skip(13);
      break;
    case 0xFF:  // application: block size 11 and its 11 bytes, then data sub-blocks
      in.Skip(12);
      break;
    default:  // comment and unknown labels: sub-blocks only
      break;
  }
  return SkipSubBlocks(in) ? kNoError : kReadError;
}

ErrorCode ReadImageDescriptor(ByteSource& in, ImageDescriptor* image, ColorTable* local) {
  uint8_t raw[9];
  if (in.Read(raw, sizeof raw) != sizeof raw) return kReadError;
  image->left = Le16(raw);
  image->top = Le16(raw + 2);
  image->width = Le16(raw + 4);
  image->height = Le16(raw + 6);
  image->packed = raw[8];
  if (!image->has_local_table()) return kNoError;
  return ReadColorTable(in, (image->packed & 7) + 1, local);
}

void ReadSubBlocks(ByteSource& in, std::vector<uint8_t>* data) {
  data->clear();
  for (;;) {
    const int length = in.ReadByte();
    if (length <= 0) return;
    const size_t old_size = data->size();
    data->resize(old_size + static_cast<size_t>(length));
    const size_t got = in.Read(data->data() + old_size, static_cast<size_t>(length));
    if (got < static_cast<size_t>(length)) {
      data->resize(old_size + got);
      return;
    }
  }
}

}  // namespace framix32
