// Builds the one-suit table. Rows are filled in key order; every split of a
// vector starts with what becomes of one copy of its lowest rank, and what
// is left is a vector with a smaller key, whose best split is already known.
#include <algorithm>
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
int split_merit(int value) {
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

// The row of what is left after taking `take` at ranks low.., or -1 when
// the row's tiles do not hold it.
int row_after(int* ranks, int low, const int (&take)[3]) {
  for (int k = 0; k < 3; ++k)
    if (take[k] > 0 && (low + k >= kSuitRanks || ranks[low + k] < take[k])) return -1;
  for (int k = 0; k < 3; ++k)
    if (take[k] > 0) ranks[low + k] -= take[k];
  const int index = hai_table_index(ranks);
  for (int k = 0; k < 3; ++k)
    if (take[k] > 0) ranks[low + k] += take[k];
  return index;
}

// The best split of `ranks`, from the rows of smaller keys.
int best_split(int* ranks) {
  const int low = lowest_rank(ranks);
  if (low == kSuitRanks) return 0;
  int best = -1;
  for (const Option& option : kOptions) {
    const int row = row_after(ranks, low, option.take);
    const int value = row < 0 ? -1 : g_hai_table[row].value + option.add;
    if (value >= 0 && (best < 0 || split_merit(value) > split_merit(best))) best = value;
  }
  return best;
}

// For one row, the most partial sets of any split with exactly s sets and p
// pairs (-1 when none has them). Dropping a block leaves its tiles loose, so
// a split with at least s sets, p pairs and q partial sets exists exactly
// when the entry for s, p is q or more.
constexpr int kMostSets = kMaxSuitTiles / 3;
constexpr int kMostPairs = kMaxSuitTiles / 2;
struct SplitReach {
  std::int8_t partials[kMostSets + 1][kMostPairs + 1];
};

SplitReach reach_of(int* ranks, const std::vector<SplitReach>& rows) {
  SplitReach out;
  std::fill(&out.partials[0][0], &out.partials[0][0] + sizeof out.partials, std::int8_t{-1});
  const int low = lowest_rank(ranks);
  if (low == kSuitRanks) {
    out.partials[0][0] = 0;
    return out;
  }
  for (const Option& option : kOptions) {
    const int row = row_after(ranks, low, option.take);
    if (row < 0) continue;
    const int ds = hai_value_sets(option.add);
    const int dp = hai_value_pairs(option.add);
    const int dq = hai_value_partials(option.add);
    for (int s = 0; s + ds <= kMostSets; ++s)
      for (int p = 0; p + dp <= kMostPairs; ++p) {
        const int q = rows[static_cast<std::size_t>(row)].partials[s][p];
        if (q >= 0) {
          std::int8_t& best = out.partials[s + ds][p + dp];
          best = static_cast<std::int8_t>(std::max<int>(best, q + dq));
        }
      }
  }
  return out;
}

}  // namespace

bool hai_table_values_possible() {
  std::vector<SplitReach> rows(kHaiTableRows);
  int ranks[kSuitRanks] = {};
  int row = 0;
  bool possible = true;
  do {
    rows[static_cast<std::size_t>(row)] = reach_of(ranks, rows);
    const int value = g_hai_table[row].value;
    const int s = hai_value_sets(value);
    const int p = hai_value_pairs(value);
    possible = possible && s <= kMostSets && p <= kMostPairs &&
               rows[static_cast<std::size_t>(row)].partials[s][p] >= hai_value_partials(value);
    ++row;
  } while (possible && next_suit_counts(ranks));
  return possible;
}

void build_hai_table() {
  int ranks[kSuitRanks] = {};
  int row = 0;
  do {
    assert(row < kHaiTableRows && hai_table_index(ranks) == row);
    g_hai_table[row].key = hai_table_key(ranks);
    g_hai_table[row].value = best_split(ranks);
    ++row;
  } while (next_suit_counts(ranks));
  assert(row == kHaiTableRows);
  g_hai_table_loaded = 1;
}
