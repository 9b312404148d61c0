#include "saved_background.h"

#include <algorithm>

#include "surface.h"

namespace framix32 {
namespace {

// Runs shorter than this stay in a stretch: a run token costs two words.
constexpr int kMinRun = 3;

int RunLength(const uint32_t* row, int at, int width) {
  int end = at + 1;
  while (end < width && row[end] == row[at]) ++end;
  return end - at;
}

}  // namespace

bool SavedBackground::Reserve(size_t elements, uint64_t budget) {
  const uint64_t limit = budget / sizeof(uint32_t);
  if (elements > limit) return false;
  const uint64_t old_capacity = tokens_.capacity();
  if (elements <= old_capacity) return true;
  // Doubling, but the old and the new room, held together while the tokens move, stay
  // within the budget.
  if (old_capacity + elements > limit) return false;
  tokens_.reserve(static_cast<size_t>(
      std::min<uint64_t>(limit - old_capacity, std::max<uint64_t>(elements, 2 * old_capacity))));
  return true;
}

bool SavedBackground::AppendRow(const uint32_t* row, int width, uint64_t budget) {
  int at = 0;
  while (at < width) {
    const int run = RunLength(row, at, width);
    if (run >= kMinRun) {
      if (!Reserve(tokens_.size() + 2, budget)) return false;
      tokens_.push_back(kRun | static_cast<uint32_t>(run));
      tokens_.push_back(row[at]);
      at += run;
      continue;
    }
    int end = at + run;
    while (end < width && RunLength(row, end, std::min(width, end + kMinRun)) < kMinRun) ++end;
    if (!Reserve(tokens_.size() + 1 + (end - at), budget)) return false;
    tokens_.push_back(static_cast<uint32_t>(end - at));
    tokens_.insert(tokens_.end(), row + at, row + end);
    at = end;
  }
  return true;
}

bool SavedBackground::Save(dzWindow* window, int x, int y, int width, int height,
                           uint32_t* band, int band_rows, uint64_t budget) {
  tokens_.clear();
  row_start_.clear();
  const uint64_t index_bytes = uint64_t{sizeof(uint32_t)} * height;
  bool fits = window->capture != nullptr && index_bytes <= budget;
  if (fits) {
    row_start_.reserve(height);
    budget -= index_bytes;
  }
  for (int top = 0; fits && top < height; top += band_rows) {
    const int rows = std::min(band_rows, height - top);
    window->capture(window->context, x, y + top, width, rows, band, width);
    for (int r = 0; fits && r < rows; ++r) {
      uint32_t* row = band + static_cast<size_t>(r) * width;
      for (int i = 0; i < width; ++i) row[i] |= kOpaque;
      row_start_.push_back(static_cast<uint32_t>(tokens_.size()));
      fits = AppendRow(row, width, budget);
    }
  }
  if (!fits) {
    std::vector<uint32_t>().swap(tokens_);
    std::vector<uint32_t>().swap(row_start_);
  } else if ((tokens_.capacity() + tokens_.size()) * sizeof(uint32_t) <= budget) {
    tokens_.shrink_to_fit();  // the spare room of the last doubling, while both fit
  }
  return fits;
}

void SavedBackground::ExpandRow(int y, int left, int right, uint32_t* out) const {
  if (!saved()) {
    std::fill(out, out + (right - left), kBlack);
    return;
  }
  const uint32_t* token = tokens_.data() + row_start_[y];
  for (int at = 0; at < right;) {
    const uint32_t head = *token++;
    const int n = static_cast<int>(head & ~kRun);
    // The part of the token's pixels [at, at + n) that lies within [left, right).
    const int from = std::max(at, left), to = std::min(at + n, right);
    if (head & kRun) {
      if (from < to) std::fill(out + (from - left), out + (to - left), *token);
      ++token;
    } else {
      if (from < to) std::copy(token + (from - at), token + (to - at), out + (from - left));
      token += n;
    }
    at += n;
  }
}

}  // namespace framix32
