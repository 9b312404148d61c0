// libFuzzer target: a picture file read as the browser reads one for an element, in the
// format the build names (PICTURE_FORMAT: "bmp" or "jpeg"), within the picture limit.
#include <QBuffer>
#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "browser/shell/picture_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool limited = (browser::shell::LimitImageAllocations(), true);
  (void)limited;
  QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                             static_cast<qsizetype>(size));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  std::unique_ptr<browser::Picture> picture = browser::shell::ReadPicture(buffer, PICTURE_FORMAT);
  if (picture != nullptr) {
    // Every row is there to be read.
    static volatile uint32_t sink;
    uint32_t sum = 0;
    for (int32_t y = 0; y < picture->height(); y += 7) sum += picture->Row(y)[picture->width() - 1];
    sink = sum;
  }
  return 0;
}
