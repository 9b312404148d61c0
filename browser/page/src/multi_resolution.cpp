#include "browser/page/multi_resolution.h"

#include <cmath>
#include <limits>

#include "browser/doc/section_names.h"
#include "browser/script/key_reader.h"

namespace browser {
namespace {

int32_t RoundScaled(double scaled) {
  if (std::isnan(scaled)) return 0;
  // A value past the 32-bit range stays at its edge.
  if (scaled >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (scaled <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  const double whole = std::trunc(scaled);
  if (scaled < 0) return static_cast<int32_t>(whole);
  int64_t result = static_cast<int64_t>(whole);
  if (scaled - whole >= 0.41) ++result;
  return static_cast<int32_t>(std::min<int64_t>(result, std::numeric_limits<int32_t>::max()));
}

}  // namespace

int32_t ScaleValue(int32_t value, int32_t mode, double axis_factor, double average_factor) {
  const double a = average_factor;
  double factor = 1.0;
  switch (mode) {
    case 1:
      factor = a;
      break;
    case 2:
      factor = axis_factor;
      break;
    case 3:
      if (!(a < 1)) return value;
      factor = a;
      break;
    case 4:
      if (!(a < 1)) return value;
      factor = axis_factor;
      break;
    case 5:
      if (!(a > 1)) return value;
      factor = a;
      break;
    case 6:
      if (!(a > 1)) return value;
      factor = axis_factor;
      break;
    default:
      return value;
  }
  return RoundScaled(static_cast<double>(value) * factor);
}

void CMultiResolution::ApplyResolution(CDataFile& file, int32_t screen_width,
                                       int32_t screen_height, KeyLog* log) {
  screen_width_ = screen_width;
  screen_height_ = screen_height;
  int32_t xres = 0, yres = 0;
  const KeyReader main(file, std::string(kMainSection), log);
  if (!main.Long(keys::kXres, xres) || !main.Long(keys::kYres, yres)) return;
  // A design size of 0 or less would make the factors infinite or negative: no scaling.
  if (xres <= 0 || yres <= 0) return;
  xres_ = xres;
  yres_ = yres;
  horizontal_ = static_cast<double>(screen_width) / xres;
  vertical_ = static_cast<double>(screen_height) / yres;
  average_ = (horizontal_ + vertical_) / 2;

  // Collect the section names first: writing a key may insert lines.
  std::vector<std::string> sections;
  for (const std::string& line : file.Lines()) {
    if (IsSectionHeader(line)) sections.push_back(line.substr(1, line.size() - 2));
  }
  const auto scale = [&](const std::string& section, Key key, int32_t mode, double factor) {
    int32_t value = 0;
    if (file.ReadInt(section, key.name, value)) {
      file.WriteInt(section, key.name, ScaleValue(value, mode, factor, average_));
    }
  };
  for (const std::string& section : sections) {
    int32_t mode = 0;
    if (!KeyReader(file, section, log).Int(keys::kResize, mode)) continue;
    scale(section, keys::kWidth, mode, horizontal_);
    scale(section, keys::kHeight, mode, vertical_);
    scale(section, keys::kFontSize, mode, average_);
  }
  for (const std::string& section : sections) {
    int32_t mode = 0;
    if (!KeyReader(file, section, log).Int(keys::kReposition, mode)) continue;
    scale(section, keys::kXpos, mode, horizontal_);
    scale(section, keys::kYpos, mode, vertical_);
  }
}

}  // namespace browser
