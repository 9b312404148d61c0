#pragma once

#include <cstdint>

#include "browser/doc/data_file.h"

namespace browser {

class KeyLog;

// A value scaled by a factor with the documents' rounding: the integer part (towards zero)
// plus 1 when the fraction is 0.41 or more; a negative result is cut towards zero.
//   mode 0 unchanged      1 x average        2 x axis
//   3 x average if average < 1      4 x axis if average < 1
//   5 x average if average > 1      6 x axis if average > 1      other: unchanged
int32_t ScaleValue(int32_t value, int32_t mode, double axis_factor, double average_factor);

// Adapts a document written for one screen size ("xres" by "yres" in Main) to the screen it
// is shown on, by rewriting sizes and positions in a working copy of its data file.
class CMultiResolution {
 public:
  virtual ~CMultiResolution() = default;

  // Sections with "resize" get their "width", "height" (by the horizontal and vertical
  // factor) and "fontSize" (by the average) scaled; sections with "reposition" their "xpos"
  // and "ypos". Nothing without both "xres" and "yres", whose reads `log` is told.
  void ApplyResolution(CDataFile& file, int32_t screen_width, int32_t screen_height,
                       KeyLog* log = nullptr);

  int32_t screen_width() const { return screen_width_; }
  int32_t screen_height() const { return screen_height_; }
  int32_t xres() const { return xres_; }
  int32_t yres() const { return yres_; }
  double horizontal() const { return horizontal_; }
  double vertical() const { return vertical_; }
  double average() const { return average_; }

 private:
  int32_t screen_width_ = 0;
  int32_t screen_height_ = 0;
  int32_t xres_ = 0;
  int32_t yres_ = 0;
  double horizontal_ = 1.0;
  double vertical_ = 1.0;
  double average_ = 1.0;
};

}  // namespace browser
