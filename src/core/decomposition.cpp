// Rows that begin with the same steps share those steps' work: the search
// builds the tree of step orders once, a position at a time, so each prefix
// is extracted only once, and then writes the rows in order from its leaves.
#include "core/decomposition.h"

#include <algorithm>
#include <bit>
#include <cassert>
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
  const int t = code % 100;
  switch (code / 100 * 100) {
    case kPlanChow: return pool.take(t, 1), pool.take(t + 1, 1), pool.take(t + 2, 1);
    case kPlanPung: return pool.take(t, 3);
    case kPlanPair: return pool.take(t, 2);
    case kPlanTwoSided: return pool.take(t, 1), pool.take(t + 1, 1);
    default: return pool.take(t, 1), pool.take(t + 2, 1);
  }
}

void add_block(const Block& b, Row& row) {
  row.entries[row.entry_count++] = b.code;
  row.score += b.score;
  if (b.code >= kPlanChow) ++row.set_count;
}

// One node of the tree of step orders: the tiles left and the row so far.
struct Node {
  Pool pool;
  Row row;
};

// The node after one more position, written over `child` (which may be
// the parent itself): a step that finds nothing, or a position of a
// declared meld (`skipped`), leaves the node as it was.
void make_child(const Search& s, const Node& parent, int step, bool skipped, Node& child) {
  const Block b = skipped ? Block{} : find_block(step, s, parent.pool, parent.row.set_count);
  if (&child != &parent) child = parent;
  if (b.code == 0) return;
  take_block(b.code, child.pool);
  add_block(b, child.row);
}

constexpr int kLastNodes = kDecompositionRows / kDecompositionSteps;  // the nodes before the last position

// The nodes after positions 0 to 3, node i having taken at position k the
// step of digit k of i, built a position at a time in place: the children
// of step 0 overwrite their parents, so they are made last.
void build_nodes(const Search& s, const Pool& pool, Node (&nodes)[kLastNodes]) {
  nodes[0] = Node{pool, Row{}};
  int count = 1;
  for (int k = 0; k < kDecompositionSteps - 1; ++k) {
    for (int step = kDecompositionSteps - 1; step >= 0; --step)
      for (int parent = 0; parent < count; ++parent)
        make_child(s, nodes[parent], step, k < s.first_position, nodes[parent + step * count]);
    count *= kDecompositionSteps;
  }
}

// Rows Step x kLastNodes onwards: each node with the block of the last
// position's step, in order. One function per step, so that the step's
// test is all that is left of find_block in the loop.
template <int Step>
void write_step_rows(const Search& s, const Node (&nodes)[kLastNodes], Decomposition& d) {
  int r = Step * kLastNodes;
  for (const Node& node : nodes) {
    const Block last = find_block(Step, s, node.pool, node.row.set_count);
    for (int i = 0; i < kDecompositionSteps; ++i) d.rows[r][i] = node.row.entries[i];
    if (last.code != 0) d.rows[r][node.row.entry_count] = last.code;
    d.scores[r++] = node.row.score + last.score;
  }
}

void write_rows(const Search& s, const Node (&nodes)[kLastNodes], Decomposition& d) {
  write_step_rows<0>(s, nodes, d);
  write_step_rows<1>(s, nodes, d);
  write_step_rows<2>(s, nodes, d);
  write_step_rows<3>(s, nodes, d);
  write_step_rows<4>(s, nodes, d);
}

// The first row with the highest score above 0, else 0.
int first_best_row(const int (&scores)[kDecompositionRows]) {
  int best = 0;
  for (int score : scores) best = std::max(best, score);
  if (best == 0) return 0;
  return static_cast<int>(std::find(std::begin(scores), std::end(scores), best) - std::begin(scores));
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
  Node nodes[kLastNodes];
  build_nodes(s, pool, nodes);
  write_rows(s, nodes, d);
  d.pick = first_best_row(d.scores);
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
