// The 16 x 16 blocks of the 720 x 720 off-screen surface that were drawn
// over since its background, so that the next frame with the same background
// puts it back only there.
#pragma once

#include <array>
#include <cstdint>

class DirtyBlocks {
 public:
  static constexpr int kBlock = 16;  // pixels a side
  static constexpr int kColumns = 720 / kBlock;
  static constexpr int kRows = 720 / kBlock;

  // Marks every block the box (clipped to the surface) touches.
  void mark(int x, int y, int w, int h);

  // Marks the blocks that lie wholly inside the box: a frame that paints the
  // box opaque need not put its background back there first.
  void mark_covered(int x, int y, int w, int h);

  // Calls put_back(x, y, w, h) for each run of marked blocks along a row of
  // blocks that are not covered, then forgets every mark.
  template <typename PutBack>
  void take(PutBack put_back) {
    for (int row = 0; row < kRows; ++row) {
      std::uint64_t left = rows_[row] & ~covered_[row];
      while (left != 0) {
        const int start = first_bit(left);
        int end = start;
        while (end < kColumns && (left >> end & 1) != 0) ++end;
        put_back(kBlock * start, kBlock * row, kBlock * (end - start), kBlock);
        left &= end >= 64 ? 0 : ~std::uint64_t{0} << end;
      }
      rows_[row] = 0;
      covered_[row] = 0;
    }
  }

  // Whether any block the box (clipped to the surface) touches is marked.
  bool touches(int x, int y, int w, int h) const;

  // How many blocks are marked.
  int count() const;

  // Adds the blocks that `other` marked (not its covered ones).
  void merge(const DirtyBlocks& other) {
    for (int row = 0; row < kRows; ++row) rows_[row] |= other.rows_[row];
  }

  void clear() {
    rows_.fill(0);
    covered_.fill(0);
  }

 private:
  static int first_bit(std::uint64_t bits);
  static std::uint64_t columns(int first, int last);  // bits first..last
  std::array<std::uint64_t, kRows> rows_{};     // bit c: the block in column c
  std::array<std::uint64_t, kRows> covered_{};  // the same for mark_covered
};
static_assert(DirtyBlocks::kColumns <= 64 && DirtyBlocks::kBlock * DirtyBlocks::kColumns == 720);
