// What the window showed under an animation's canvas before the animation drew there, kept
// row by row as runs of one colour and stretches of single pixels: the black beyond the
// window's edge, or a plain page, costs a few bytes a row.
#ifndef FRAMIX32_SRC_SAVED_BACKGROUND_H_
#define FRAMIX32_SRC_SAVED_BACKGROUND_H_

#include <cstdint>
#include <vector>

#include "framix32.h"

namespace framix32 {

class SavedBackground {
 public:
  // Captures width x height pixels of the window at (x, y), band_rows rows at a time through
  // band (width * band_rows pixels). Keeps nothing, and returns false, when the rows would
  // take more than budget bytes.
  bool Save(dzWindow* window, int x, int y, int width, int height, uint32_t* band,
            int band_rows, uint64_t budget);
  bool saved() const { return !row_start_.empty(); }
  // Writes the pixels [left, right) of row y to out; black when nothing was saved.
  void ExpandRow(int y, int left, int right, uint32_t* out) const;
  uint64_t bytes() const {
    return (tokens_.capacity() + row_start_.capacity()) * sizeof(uint32_t);
  }

 private:
  // Appends the tokens of one row: a run is kRun | n and its colour, a stretch n and its n
  // pixels. False when that would pass the budget.
  bool AppendRow(const uint32_t* row, int width, uint64_t budget);
  bool Reserve(size_t elements, uint64_t budget);

  static constexpr uint32_t kRun = 0x80000000u;
  std::vector<uint32_t> tokens_;
  std::vector<uint32_t> row_start_;  // index of each row's first token
};

}  // namespace framix32

#endif  // FRAMIX32_SRC_SAVED_BACKGROUND_H_
