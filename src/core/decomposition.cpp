// Rows that begin with the same steps share those steps' work: the search
// walks the tree of step orders depth first, so each prefix is extracted only
// once, and only the picked row is written out, replayed from its digits.
#include "core/decomposition.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstdint>
#include <tuple>
#include <utility>


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

// The tiles left at one state of the search as four masks: held[k] has bit t
// when tile t is held more than k times. Small to copy, and each step is a
// mask test.
struct Pool {
  Mask held[kMaxCopies];

  // Takes n copies of each tile of `tiles`: a tile's count drops by n, so
  // "held more than k times" becomes what "more than k + n" was.
  void take(Mask tiles, int n) {
    for (int k = 0; k < kMaxCopies; ++k) held[k] = (held[k] & ~tiles) | (k + n < kMaxCopies ? held[k + n] & tiles : 0);
  }
  bool operator==(const Pool&) const = default;
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

// The block one step finds in a pool, code 0 when it finds nothing or
// refuses. The first fitting tile is the lowest, as the work hand is ascending.
struct Block {
  int code;
  int score;
};

[[gnu::always_inline]] inline Block find_block(int step, const Search& s, const Pool& pool, int set_count) {
  const Mask* h = pool.held;
  const bool sets_full = set_count >= kMaxSetsTaken;
  int t = 0;
  switch (step) {
    case 0:  // extract_complete_chow
      if (sets_full || !(t = lowest(h[0] & h[0] >> 1 & h[0] >> 2 & kChowStarts))) return {};
      return {kPlanChow + t, s.chow_score};
    case 1:  // extract_pung
      if (sets_full || !(t = lowest(h[2]))) return {};
      return {kPlanPung + t, s.pung_score};
    case 2:  // extract_pair
      if (!(t = lowest(h[1] & ~s.blocked.pair))) return {};
      return {kPlanPair + t, kPairScore};
    case 3:  // extract_two_sided_wait
      if (sets_full || !(t = lowest(h[0] & h[0] >> 1 & kTwoSidedStarts & ~s.blocked.two_sided))) return {};
      return {kPlanTwoSided + t, kTwoSidedScore};
    default:  // extract_closed_wait
      if (sets_full || !(t = lowest(h[0] & h[0] >> 2 & kClosedStarts & ~s.blocked.closed))) return {};
      return {kPlanClosed + t, kClosedScore};
  }
}

void take_block(int code, Pool& pool) {
  const Mask bit = Mask{1} << code % 100;
  switch (code / 100 * 100) {
    case kPlanChow: return pool.take(bit | bit << 1 | bit << 2, 1);
    case kPlanPung: return pool.take(bit, 3);
    case kPlanPair: return pool.take(bit, 2);
    case kPlanTwoSided: return pool.take(bit | bit << 1, 1);
    default: return pool.take(bit | bit << 2, 1);
  }
}

void add_block(const Block& b, Row& row) {
  row.entries[row.entry_count++] = b.code;
  row.score += b.score;
  if (b.code >= kPlanChow) ++row.set_count;
}

// What the positions from k on can still add depends only on the tiles left
// and the sets taken, not on the order that led there: the orders that take
// the same blocks meet in one state, and each state is solved once.
struct State {
  Pool pool;
  int set_count;
  int child[kDecompositionSteps];  // each step's state at the next position
  int gain[kDecompositionSteps];   // each step's block score, 0 when it takes none
  int best;                        // the highest score positions k..4 add from here
  int best_digits;                 // the lowest sum of step x 5^position over k..4 that reaches it
};

// The states at positions 0..4, at most 5^k at position k, found again by
// an open-addressed table of their indices (-1 free).
constexpr int kPositionStart[kDecompositionSteps + 1] = {0, 1, 6, 31, 156, 781};
constexpr int kTableBits = 11;  // 2048 entries, over twice the states
constexpr std::uint64_t kTableMask = (1u << kTableBits) - 1;

struct Levels {
  State states[kPositionStart[kDecompositionSteps]];
  int count[kDecompositionSteps] = {};
  std::int16_t table[1 << kTableBits];
  Levels() { std::fill(std::begin(table), std::end(table), -1); }
};

std::uint64_t table_slot(int k, const Pool& pool, int set_count) {
  std::uint64_t h = pool.held[0] * 0x9E3779B97F4A7C15u;
  h = (h ^ pool.held[1] ^ pool.held[2] << 1 ^ pool.held[3] << 2) * 0xC2B2AE3D27D4EB4Fu;
  h = (h ^ static_cast<std::uint64_t>(set_count * kDecompositionSteps + k)) * 0x165667B19E3779F9u;
  return h >> (64 - kTableBits);
}

int find_or_add(Levels& l, int k, const Pool& pool, int set_count) {
  for (std::uint64_t at = table_slot(k, pool, set_count);; at = (at + 1) & kTableMask) {
    const int index = l.table[at];
    if (index < 0) {
      const int i = l.count[k]++;
      // The rest of the state is filled by expand and solve.
      l.states[kPositionStart[k] + i].pool = pool;
      l.states[kPositionStart[k] + i].set_count = set_count;
      l.table[at] = static_cast<std::int16_t>(kPositionStart[k] + i);
      return i;
    }
    const State& found = l.states[index];
    if (index >= kPositionStart[k] && index < kPositionStart[k + 1] && found.set_count == set_count && found.pool == pool)
      return index - kPositionStart[k];
  }
}

// The children of every state at positions 0..3; a step that finds nothing,
// or a position of a declared meld, leads to the state itself.
void expand(const Search& s, Levels& l) {
  for (int k = 0; k < kDecompositionSteps; ++k) {
    for (int i = 0; i < l.count[k]; ++i) {
      State& state = l.states[kPositionStart[k] + i];
      for (int step = 0; step < kDecompositionSteps; ++step) {
        const Block b = k < s.first_position ? Block{} : find_block(step, s, state.pool, state.set_count);
        state.gain[step] = b.score;
        if (k == kDecompositionSteps - 1) continue;
        Pool child = state.pool;
        if (b.code != 0) take_block(b.code, child);
        state.child[step] = find_or_add(l, k + 1, child, state.set_count + (b.code >= kPlanChow));
      }
    }
  }
}

// What step `step` from `state` at position k (place 5^k) leads to: its
// score onwards and the digits of its best row at positions k..4.
std::pair<int, int> step_outcome(const Levels& l, const State& state, int k, int place, int step) {
  if (k + 1 == kDecompositionSteps) return {state.gain[step], step * place};
  const State& child = l.states[kPositionStart[k + 1] + state.child[step]];
  return {state.gain[step] + child.best, step * place + child.best_digits};
}

// Each state's best from position 4 back to 0; on equal scores the lower
// digits, that is the earlier row, win.
void solve(Levels& l) {
  for (int k = kDecompositionSteps - 1, place = kDecompositionRows / kDecompositionSteps; k >= 0;
       --k, place /= kDecompositionSteps) {
    for (int i = 0; i < l.count[k]; ++i) {
      State& state = l.states[kPositionStart[k] + i];
      std::tie(state.best, state.best_digits) = step_outcome(l, state, k, place, 0);
      for (int step = 1; step < kDecompositionSteps; ++step) {
        const auto [score, digits] = step_outcome(l, state, k, place, step);
        if (score > state.best || (score == state.best && digits < state.best_digits))
          state.best = score, state.best_digits = digits;
      }
    }
  }
}

// The blocks of row `r` taken in order from `pool`; returns its score.
int replay_row(const Search& s, Pool pool, int r, int (&blocks)[kDecompositionSteps]) {
  Row row{};
  for (int k = 0; k < kDecompositionSteps; ++k, r /= kDecompositionSteps) {
    if (k < s.first_position) continue;
    const Block b = find_block(r % kDecompositionSteps, s, pool, row.set_count);
    if (b.code == 0) continue;
    take_block(b.code, pool);
    add_block(b, row);
  }
  std::copy(row.entries, row.entries + kDecompositionSteps, blocks);
  return row.score;
}

void sort_hand(const int (&hand)[kHandSlots], int (&sorted)[kHandSlots]) {
  std::copy(hand, hand + kHandSlots, sorted);
  std::sort(sorted, sorted + kHandSlots);
  // The empty entries sort first; they go last, the tiles keeping their order.
  std::rotate(sorted, std::find_if(sorted, sorted + kHandSlots, [](int v) { return v != 0; }), sorted + kHandSlots);
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
  assert(melds >= 0 && melds < kDecompositionSteps);
  s.first_position = melds;
  s.chow_score = kSetScore + (prefer_pungs == 0);
  s.pung_score = kSetScore + (prefer_pungs == 1);
  Levels levels;
  find_or_add(levels, 0, pool, 0);
  expand(s, levels);
  solve(levels);
  const State& root = levels.states[0];
  // A hand with no block scores 0 in every row: row 0 is picked.
  d.pick = root.best > 0 ? root.best_digits : 0;
  d.score = replay_row(s, pool, d.pick, d.row);
  assert(d.score == root.best);
}

void remove_picked_chows(const Decomposition& d, int (&hand)[kHandSlots]) {
  for (int i = 0; i < kDecompositionSteps; ++i) {
    const int code = d.row[i];
    if (code >= kPlanChow && code < kPlanPung)
      for (int k = 0; k < 3; ++k) zero_first(hand, code - kPlanChow + k, 1);
  }
}

int remove_picked_pungs(const Decomposition& d, int (&hand)[kHandSlots]) {
  int removed = 0;
  for (int i = 0; i < kDecompositionSteps; ++i) {
    const int code = d.row[i];
    if (code >= kPlanPung && code < kPlanTwoSided) {
      zero_first(hand, code - kPlanPung, 3);
      ++removed;
    }
  }
  return removed;
}
