// Builds the one-suit table. Rows are filled in key order; every split of a
// vector starts with what becomes of one copy of its lowest rank, and what
// is left is a vector with a smaller key, whose best split is already known.
#include <cassert>
#include <cstdint>
#include <vector>

#include "core/hai_table.h"

bool next_suit_counts(int* ranks) {
  int used = 0;
  for (int i = 0; i < kSuitRanks; ++i) used += ranks[i];
  for (int i = kSuitRanks - 1; i >= 0; --i) {
    used -= ranks[i];
    if (ranks[i] < kMaxCopies && used + ranks[i] + 1 <= kMaxSuitTiles) {
      ++ranks[i];
      for (int j = i + 1; j < kSuitRanks; ++j) ranks[j] = 0;
      return true;
    }
  }
  return false;
}

namespace {

// Orders splits: 2 x sets + pairs + partials first, then sets, then pairs.
// Sets stay at 4 or fewer and pairs at 7 or fewer, so the weights never let
// a lower criterion outweigh a higher one.
constexpr int split_merit(int value) {
  const int sets = hai_value_sets(value);
  const int pairs = hai_value_pairs(value);
  return 100 * (2 * sets + pairs + hai_value_partials(value)) + 10 * sets + pairs;
}

// What becomes of one copy of the lowest rank: the copies taken at that rank
// and the two above, and the block it adds. Sets first, then the pair, then
// partial sets, then the copy left alone: among equal splits the first one
// met stays.
struct Option {
  int take[3];
  int add;
  int merit = split_merit(add);
};
constexpr Option kOptions[] = {
    {{1, 1, 1}, make_hai_value(1, 0, 0, 0, 0)},
    {{3, 0, 0}, make_hai_value(0, 1, 0, 0, 0)},
    {{2, 0, 0}, make_hai_value(0, 0, 1, 0, 0)},
    {{1, 1, 0}, make_hai_value(0, 0, 0, 1, 0)},
    {{1, 0, 1}, make_hai_value(0, 0, 0, 0, 1)},
    {{1, 0, 0}, 0},
};

int lowest_rank(const int* ranks) {
  int low = 0;
  while (low < kSuitRanks && ranks[low] == 0) ++low;
  return low;
}

// The row of what is left of `code` after taking `take` at ranks low..,
// or -1 when the counts do not hold it.
int row_after(const int* ranks, int code, int low, const int (&take)[3]) {
  for (int k = 0; k < 3; ++k) {
    if (take[k] == 0) continue;
    if (low + k >= kSuitRanks || ranks[low + k] < take[k]) return -1;
    code -= take[k] * rank_weight(low + k + 1);
  }
  return hai_row_of_code(code);
}

// A row's best split and its merit side by side: the build reads both of
// rows far apart, one cache line each.
struct Split {
  int value;
  int merit;
};

// The best split of `ranks`, from the rows of smaller keys. A value's digits
// never carry, so the merit of a row's split plus a block is the row's merit
// plus the block's.
Split best_split(const int* ranks, const std::vector<Split>& splits) {
  const int low = lowest_rank(ranks);
  if (low == kSuitRanks) return {0, 0};
  const int code = suit_code(ranks);
  Split best{-1, 0};
  for (const Option& option : kOptions) {
    const int row = row_after(ranks, code, low, option.take);
    if (row < 0) continue;
    const Split split{splits[row].value + option.add, splits[row].merit + option.merit};
    if (best.value < 0 || split.merit > best.merit) best = split;
  }
  return best;
}

}  // namespace

void build_hai_table() {
  int ranks[kSuitRanks] = {};
  std::vector<Split> splits(kHaiTableRows);
  int row = 0;
  do {
    assert(row < kHaiTableRows && hai_table_index(ranks) == row);
    splits[row] = best_split(ranks, splits);
    assert(splits[row].merit == split_merit(splits[row].value));
    g_hai_table[row] = {hai_table_key(ranks), splits[row].value};
    ++row;
  } while (next_suit_counts(ranks));
  assert(row == kHaiTableRows);
  pack_hai_splits();
  g_hai_table_loaded = 1;
}
