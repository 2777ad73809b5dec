// Rows that begin with the same steps share those steps' work: the search
// walks the tree of step orders once, so each prefix is extracted only once,
// and every leaf writes the rows it stands for.
#include "core/decomposition.h"

#include <algorithm>
#include <bit>
#include <cstdint>


namespace {

constexpr int kSetScore = 13;
constexpr int kPairScore = 4;
constexpr int kTwoSidedScore = 4;
constexpr int kClosedScore = 3;
constexpr int kMaxSetsTaken = 4;  // complete and partial sets
constexpr int kMaxCopies = 4;

using Mask = std::uint64_t;  // bit t for tile code t (1-37)

constexpr Mask suit_ranks_mask(int low, int high) {
  Mask m = 0;
  for (int s = 0; s < 3; ++s)
    for (int r = low; r <= high; ++r) m |= Mask{1} << make_tile(s, r);
  return m;
}
constexpr Mask kChowStarts = suit_ranks_mask(1, 7);
constexpr Mask kTwoSidedStarts = suit_ranks_mask(2, 7);
constexpr Mask kClosedStarts = suit_ranks_mask(1, 7);

// The tiles left at one node of the tree as four masks: held[k] has bit t
// when tile t is held more than k times. Small to copy, and each step is a
// mask test.
struct Pool {
  Mask held[kMaxCopies];

  void take(int t, int n) {
    const Mask bit = Mask{1} << t;
    int count = 0;
    while (count < kMaxCopies && (held[count] & bit)) ++count;
    for (int k = count - n; k < count; ++k) held[k] &= ~bit;
  }
};

// Masks of the start tiles whose block the visible tiles forbid.
struct Blocked {
  Mask pair;       // two copies visible
  Mask two_sided;  // both waits, t-1 and t+2, have four copies visible
  Mask closed;     // the middle tile has four copies visible
};

Blocked blocked_by_visible(const int (&visible)[kTileCodes]) {
  Blocked b{};
  for (int t = 1; t <= kRed; ++t) {
    const Mask bit = Mask{1} << t;
    if (visible[t] >= 2) b.pair |= bit;
    if (is_suited(t) && rank_of(t) >= 2 && rank_of(t) <= 7 && visible[t - 1] >= 4 && visible[t + 2] >= 4)
      b.two_sided |= bit;
    if (is_suited(t) && rank_of(t) <= 7 && visible[t + 1] >= 4) b.closed |= bit;
  }
  return b;
}

struct Row {
  int entries[kDecompositionSteps];  // 0 past entry_count
  int entry_count;
  int set_count;
  int score;
};

struct Search {
  Blocked blocked;
  int first_position;  // the seat's meld count
  int chow_score;
  int pung_score;
};

int lowest(Mask m) { return m ? std::countr_zero(m) : 0; }

// One extraction step on `pool`; false when it finds nothing or refuses.
// The first fitting tile is the lowest, as the work hand is ascending.
bool extract(int step, const Search& s, Pool& pool, Row& row) {
  const Mask* h = pool.held;
  const bool sets_full = row.set_count >= kMaxSetsTaken;
  int t = 0;
  int code = 0;
  int score = 0;
  switch (step) {
    case 0:  // extract_complete_chow
      if (sets_full || !(t = lowest(h[0] & h[0] >> 1 & h[0] >> 2 & kChowStarts))) return false;
      pool.take(t, 1), pool.take(t + 1, 1), pool.take(t + 2, 1);
      code = kPlanChow + t, score = s.chow_score;
      break;
    case 1:  // extract_pung
      if (sets_full || !(t = lowest(h[2]))) return false;
      pool.take(t, 3);
      code = kPlanPung + t, score = s.pung_score;
      break;
    case 2:  // extract_pair
      if (!(t = lowest(h[1] & ~s.blocked.pair))) return false;
      pool.take(t, 2);
      code = kPlanPair + t, score = kPairScore;
      break;
    case 3:  // extract_two_sided_wait
      if (sets_full || !(t = lowest(h[0] & h[0] >> 1 & kTwoSidedStarts & ~s.blocked.two_sided))) return false;
      pool.take(t, 1), pool.take(t + 1, 1);
      code = kPlanTwoSided + t, score = kTwoSidedScore;
      break;
    default:  // extract_closed_wait
      if (sets_full || !(t = lowest(h[0] & h[0] >> 2 & kClosedStarts & ~s.blocked.closed))) return false;
      pool.take(t, 1), pool.take(t + 2, 1);
      code = kPlanClosed + t, score = kClosedScore;
  }
  row.entries[row.entry_count++] = code;
  row.score += score;
  if (code >= kPlanChow) ++row.set_count;
  return true;
}

// Writes every row whose digits from `first_position` on are those of `high`.
void write_rows(const Search& s, const Row& row, int high, Decomposition& d) {
  int run = 1;
  for (int k = 0; k < s.first_position; ++k) run *= kDecompositionSteps;
  for (int r = high; r < high + run; ++r) {
    std::copy(row.entries, row.entries + kDecompositionSteps, d.rows[r]);
    d.scores[r] = row.score;
  }
}

// Position k of the step order; `high` holds the digits chosen so far.
void walk(const Search& s, const Pool& pool, const Row& row, int k, int place, int high, Decomposition& d) {
  if (k == kDecompositionSteps) {
    write_rows(s, row, high, d);
    return;
  }
  for (int step = 0; step < kDecompositionSteps; ++step) {
    Pool next_pool = pool;
    Row next_row = row;
    extract(step, s, next_pool, next_row);
    walk(s, next_pool, next_row, k + 1, place * kDecompositionSteps, high + step * place, d);
  }
}

void sort_hand(const int (&hand)[kHandSlots], int (&sorted)[kHandSlots]) {
  std::copy(hand, hand + kHandSlots, sorted);
  std::sort(sorted, sorted + kHandSlots);
  std::stable_partition(sorted, sorted + kHandSlots, [](int v) { return v != 0; });
}

void zero_first(int (&hand)[kHandSlots], int tile, int copies) {
  for (int i = 0; i < kHandSlots && copies > 0; ++i)
    if (hand[i] == tile) hand[i] = 0, --copies;
}

}  // namespace

void search_decompositions(const int (&hand)[kHandSlots], int melds, int prefer_pungs,
                           const int (&visible)[kTileCodes], Decomposition& d) {
  sort_hand(hand, d.sorted_hand);
  int counts[kRed + 1] = {};
  for (int v : d.sorted_hand)
    if (v >= 1 && v <= kRed) ++counts[v];
  Pool pool{};
  for (int t = 1; t <= kRed; ++t)
    for (int k = 0; k < kMaxCopies && k < counts[t]; ++k) pool.held[k] |= Mask{1} << t;

  Search s{};
  s.blocked = blocked_by_visible(visible);
  s.first_position = melds;
  s.chow_score = kSetScore + (prefer_pungs == 0);
  s.pung_score = kSetScore + (prefer_pungs == 1);
  int place = 1;
  for (int k = 0; k < s.first_position; ++k) place *= kDecompositionSteps;
  walk(s, pool, Row{}, s.first_position, place, 0, d);

  d.pick = 0;
  for (int r = 0, best = 0; r < kDecompositionRows; ++r)
    if (d.scores[r] > best) best = d.scores[r], d.pick = r;
}

void remove_picked_chows(const Decomposition& d, int (&hand)[kHandSlots]) {
  for (int i = 0; i < kDecompositionSteps; ++i) {
    const int code = d.rows[d.pick][i];
    if (code >= kPlanChow && code < kPlanPung)
      for (int k = 0; k < 3; ++k) zero_first(hand, code - kPlanChow + k, 1);
  }
}

int remove_picked_pungs(const Decomposition& d, int (&hand)[kHandSlots]) {
  int removed = 0;
  for (int i = 0; i < kDecompositionSteps; ++i) {
    const int code = d.rows[d.pick][i];
    if (code >= kPlanPung && code < kPlanTwoSided) {
      zero_first(hand, code - kPlanPung, 3);
      ++removed;
    }
  }
  return removed;
}
