#include "draw/dirty_blocks.h"

#include <algorithm>
#include <bit>

int DirtyBlocks::first_bit(std::uint64_t bits) { return std::countr_zero(bits); }

void DirtyBlocks::mark(int x, int y, int w, int h) {
  const int x0 = std::max(x, 0), x1 = std::min(x + w, kBlock * kColumns);
  const int y0 = std::max(y, 0), y1 = std::min(y + h, kBlock * kRows);
  if (x0 >= x1 || y0 >= y1) return;
  const std::uint64_t span = columns(x0 / kBlock, (x1 - 1) / kBlock);
  for (int row = y0 / kBlock; row <= (y1 - 1) / kBlock; ++row) rows_[row] |= span;
}

bool DirtyBlocks::touches(int x, int y, int w, int h) const {
  const int x0 = std::max(x, 0), x1 = std::min(x + w, kBlock * kColumns);
  const int y0 = std::max(y, 0), y1 = std::min(y + h, kBlock * kRows);
  if (x0 >= x1 || y0 >= y1) return false;
  const std::uint64_t span = columns(x0 / kBlock, (x1 - 1) / kBlock);
  for (int row = y0 / kBlock; row <= (y1 - 1) / kBlock; ++row)
    if ((rows_[row] & span) != 0) return true;
  return false;
}

int DirtyBlocks::count() const {
  int n = 0;
  for (const std::uint64_t row : rows_) n += std::popcount(row);
  return n;
}

void DirtyBlocks::mark_covered(int x, int y, int w, int h) {
  const int x0 = std::max(x, 0), x1 = std::min(x + w, kBlock * kColumns);
  const int y0 = std::max(y, 0), y1 = std::min(y + h, kBlock * kRows);
  // The first and last whole blocks inside [x0, x1) and [y0, y1).
  const int first_column = (x0 + kBlock - 1) / kBlock, last_column = x1 / kBlock - 1;
  const int first_row = (y0 + kBlock - 1) / kBlock, last_row = y1 / kBlock - 1;
  if (first_column > last_column) return;
  const std::uint64_t span = columns(first_column, last_column);
  for (int row = first_row; row <= last_row; ++row) covered_[row] |= span;
}

std::uint64_t DirtyBlocks::columns(int first, int last) {
  const int n = last - first + 1;
  return (n >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << n) - 1) << first;
}
