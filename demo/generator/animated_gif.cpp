#include "animated_gif.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstring>

#include "framix32.h"

namespace demo {
namespace {

constexpr int kInfoHeaderSize = 40;

void Put16(QByteArray& out, int value) {
  out.append(static_cast<char>(value & 0xFF));
  out.append(static_cast<char>((value >> 8) & 0xFF));
}

void Put32(uint8_t* at, uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(value >> (8 * i));
}

// The 8-bit packed bitmap framix32 writes: header, 256 palette entries (blue, green, red, 0),
// rows bottom-up padded to four bytes.
HGLOBAL PackedBitmap(const QImage& indexed) {
  const int width = indexed.width();
  const int height = indexed.height();
  const int row_bytes = (width + 3) & ~3;
  const size_t size = kInfoHeaderSize + 256 * 4 + size_t(row_bytes) * height;
  HGLOBAL block = dzGlobalAlloc(size);
  if (block == nullptr) return nullptr;
  auto* bytes = static_cast<uint8_t*>(dzGlobalLock(block));
  std::memset(bytes, 0, size);
  Put32(bytes, kInfoHeaderSize);
  Put32(bytes + 4, static_cast<uint32_t>(width));
  Put32(bytes + 8, static_cast<uint32_t>(height));
  bytes[12] = 1;  // planes
  bytes[14] = 8;  // bits per pixel
  const QVector<QRgb> table = indexed.colorTable();
  uint8_t* palette = bytes + kInfoHeaderSize;
  for (int i = 0; i < table.size() && i < 256; ++i) {
    palette[i * 4] = static_cast<uint8_t>(qBlue(table[i]));
    palette[i * 4 + 1] = static_cast<uint8_t>(qGreen(table[i]));
    palette[i * 4 + 2] = static_cast<uint8_t>(qRed(table[i]));
  }
  uint8_t* rows = palette + 256 * 4;
  for (int y = 0; y < height; ++y) {
    std::memcpy(rows + size_t(height - 1 - y) * row_bytes, indexed.constScanLine(y), width);
  }
  dzGlobalUnlock(block);
  return block;
}

QImage Reduce(const QImage& image, const QVector<QRgb>& palette) {
  return image.convertToFormat(QImage::Format_RGB32)
      .convertToFormat(QImage::Format_Indexed8, palette,
                       Qt::ThresholdDither | Qt::AvoidDither | Qt::ThresholdAlphaDither);
}

bool EncodeStill(const QString& path, const QImage& image, const QVector<QRgb>& palette,
                 QString* error) {
  HGLOBAL block = PackedBitmap(Reduce(image, palette));
  if (block == nullptr) {
    *error = "out of memory";
    return false;
  }
  const int ok = WriteGraphicFile(QFile::encodeName(path).constData(), block);
  dzGlobalFree(block);
  if (!ok) {
    char text[FRAMIX32_ERROR_TEXT_SIZE];
    GetError(text);
    *error = path + ": " + QString::fromLatin1(text);
  }
  return ok != 0;
}

}  // namespace

QVector<QRgb> DrawingPalette(const QVector<QRgb>& exact) {
  QVector<QRgb> palette;
  for (QRgb colour : exact.mid(0, 40)) palette.append(qRgb(qRed(colour), qGreen(colour), qBlue(colour)));
  for (int r = 0; r < 6; ++r) {
    for (int g = 0; g < 6; ++g) {
      for (int b = 0; b < 6; ++b) palette.append(qRgb(r * 51, g * 51, b * 51));
    }
  }
  const int greys = 256 - int(palette.size());
  for (int i = 0; i < greys; ++i) {
    const int v = greys > 1 ? i * 255 / (greys - 1) : 0;
    palette.append(qRgb(v, v, v));
  }
  return palette;
}

bool WriteStillGif(const QString& path, const QImage& image, const QVector<QRgb>& palette,
                   QString* error) {
  return EncodeStill(path, image, palette, error);
}

bool WriteAnimatedGif(const QString& path, const QList<QImage>& frames,
                      const QVector<QRgb>& palette, int delay_cs, QString* error) {
  QTemporaryDir scratch;
  if (!scratch.isValid() || frames.isEmpty()) {
    *error = "no scratch folder or no frames";
    return false;
  }
  // What WriteGraphicFile writes for 8 bits: "GIF89a", a 7-byte screen descriptor, the
  // 768-byte global table, the image block (descriptor and data) and the trailer.
  constexpr int kHeaderAndTable = 6 + 7 + 256 * 3;
  QByteArray gif;
  for (int i = 0; i < frames.size(); ++i) {
    const QString still = scratch.filePath(QString("frame%1.gif").arg(i));
    if (!EncodeStill(still, frames[i], palette, error)) return false;
    QFile in(still);
    if (!in.open(QIODevice::ReadOnly)) {
      *error = still + ": cannot read back";
      return false;
    }
    const QByteArray bytes = in.readAll();
    if (bytes.size() < kHeaderAndTable + 11 || bytes[kHeaderAndTable] != 0x2C ||
        bytes.back() != 0x3B) {
      *error = still + ": not the layout the writer promises";
      return false;
    }
    if (i == 0) {
      gif.append(bytes.left(kHeaderAndTable));
      // Application extension: loop for ever.
      gif.append("\x21\xFF\x0B" "NETSCAPE2.0" "\x03\x01\x00\x00\x00", 19);
    }
    // Graphic control extension: restore nothing (each frame covers the whole canvas).
    gif.append("\x21\xF9\x04\x04", 4);
    Put16(gif, delay_cs);
    gif.append("\x00\x00", 2);
    gif.append(bytes.mid(kHeaderAndTable, bytes.size() - kHeaderAndTable - 1));
  }
  gif.append('\x3B');
  QFile out(path);
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(gif) != gif.size()) {
    *error = path + ": cannot write";
    return false;
  }
  return true;
}

}  // namespace demo
