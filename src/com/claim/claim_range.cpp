#include <array>
#include <utility>

#include "base/table_state.h"
#include "com/claim/claim_protocol.h"
#include "com/claim/claim_rules.h"
#include "com/claim/claim_suit_calls.h"
#include "com/hand_terms.h"
#include "com/target/com_target.h"

// Claims of the tile-range patterns (lower, middle and upper tiles): one
// rule over a row of the range's figures. The lower and upper rules are
// mirror images; only they simulate their calls and watch the inner edge.

namespace {

constexpr int H = kChiDiscardHighest, M = kChiDiscardMiddle, L = kChiDiscardLowest;

// A chow case on the leftovers: the discard's rank and its place in the chow.
struct LeftoverChow {
  int rank = 0;  // 0 ends the list
  int shape = 0;
};

struct RangeRule {
  int yaku;
  int low, high;                      // the fitting ranks
  int outward;                        // -1 lower, 1 upper: the side the edge case leans to; 0 none
  std::array<int, 2> chow_lows;       // the range's chows by lowest rank, in the order they are set aside; 0 none
  int pung_reason;                    // the pung shape with the discard lowest; + 1 middle, + 2 highest
  std::array<LeftoverChow, 6> chows;  // the chow cases after the edge case, in order
};

constexpr RangeRule kLowerTiles{61, 1, 4, -1, {1, 2}, 101, {{{3, H}, {2, M}, {1, L}, {2, L}, {3, M}, {4, H}}}};
constexpr RangeRule kUpperTiles{59, 6, 9, 1, {7, 6}, 107, {{{7, L}, {8, M}, {9, H}, {6, L}, {7, M}, {8, H}}}};
constexpr RangeRule kMiddleTiles{60, 4, 6, 0, {4, 0}, 104, {{{6, H}, {5, M}, {4, L}}}};

bool in_range(const RangeRule& rule, int rank) { return rank >= rule.low && rank <= rule.high; }

// The rank at the range's inner edge (4 for the lower, 6 for the upper tiles).
int inner_rank(const RangeRule& rule) { return rule.outward < 0 ? rule.high : rule.low; }

// ------------------------------------------------------------ simulation
// The hand without honours and foreign ranks: a call needing any of them
// cannot be placed on it, so only the chow gate is left to say.
bool decide_simulated_call(int seat, const RangeRule& rule, int discard) {
  const bool chow = may_chow(seat, discard);
  StrippedTiles stripped{};
  for (int t = 1; t < kTileCodes; ++t) stripped[t] = is_honour(t) || (is_suited(t) && !in_range(rule, rank_of(t)));
  return decide_single_improving_call(seat, discard, {chow, chow, chow, true}, stripped, rule.yaku);
}

// ------------------------------------------------------------ pung shapes
// The discard held twice beside two neighbours of the range held 1 to 3
// times, 3 or 5 in all, with nothing next to the three ranks. `start` is
// the offset of the lowest of the three from the discard (0, -1, -2).
bool pung_shape(const RangeRule& rule, const Around& c, int start) {
  const int lowest = c.rank() + start;
  if (!in_range(rule, lowest) || !in_range(rule, lowest + 2)) return false;
  if (c(0) != 2 || c(start - 1) != 0 || c(start + 3) != 0) return false;
  int sum = 0;
  for (int x = start; x <= start + 2; ++x) {
    if (x == 0) continue;
    if (c(x) < 1 || c(x) > 3) return false;
    sum += c(x);
  }
  return sum == 3 || sum == 5;
}

// ------------------------------------------------------------ leftovers
using Counts = KindCounts;

struct Leftovers {
  Counts left{};
  bool edge = false;  // a set touching the range's inner edge was set aside or declared
};

bool touches_inner_edge(const RangeRule& rule, int meld) {
  const int digit = meld % 10;
  if (meld_kind(meld) == kMeldChow) return digit == rule.chow_lows[1];
  return digit == inner_rank(rule);
}

// The seat's free tiles with the range's chows and then its pungs set aside in every suit.
Leftovers leftovers(int seat, const RangeRule& rule) {
  Leftovers out;
  for (int v : g_hand[seat])
    if (is_free_slot(v)) ++out.left[v];
  for (int s = 0; s < 3; ++s)
    for (int low : rule.chow_lows) {
      if (low == 0) continue;
      int* c = &out.left[make_tile(s, low)];
      while (c[0] >= 1 && c[1] >= 1 && c[2] >= 1) {
        --c[0], --c[1], --c[2];
        out.edge |= low == rule.chow_lows[1];
      }
    }
  for (int s = 0; s < 3; ++s)
    for (int r = rule.low; r <= rule.high; ++r) {
      int& n = out.left[make_tile(s, r)];
      if (n < 3) continue;
      n -= 3;
      out.edge |= r == inner_rank(rule);
    }
  for (int meld : g_melds[seat]) out.edge |= touches_inner_edge(rule, meld);
  return out;
}

// The leftover shape of a chow: `shape` names where the discard sits; the
// two other tiles are left, the discard itself is not.
bool leftover_chow(const Around& r, int shape) {
  const int lowest = shape == H ? -2 : shape == M ? -1 : 0;
  for (int x = lowest; x <= lowest + 2; ++x)
    if ((x == 0) != (r(x) == 0)) return false;
  return true;
}

// The edge case: 2-3-4 rather than 1-2-3 when a pair of 1s stays beside it
// and a set already touches the 4 (mirrored for the upper tiles).
bool edge_chow(const RangeRule& rule, const Around& r, bool edge) {
  const int o = rule.outward;
  if (o == 0 || !edge || r.rank() != (o < 0 ? rule.low + 2 : rule.high - 2)) return false;
  return r(2 * o) == 2 && r(o) >= 1 && r(0) == 0 && r(-o) == 1;
}

// The leftover chow case that holds: {shape, case number}, shape 0 none.
// Case 0 is the edge case where the rule has one.
std::pair<int, int> leftover_chow_case(const RangeRule& rule, const Around& r, bool edge) {
  const int first = rule.outward != 0 ? 1 : 0;
  if (first == 1 && edge_chow(rule, r, edge)) return {M, 0};
  for (int i = 0; i < static_cast<int>(rule.chows.size()); ++i) {
    const LeftoverChow& k = rule.chows[i];
    if (k.rank == r.rank() && leftover_chow(r, k.shape)) return {k.shape, first + i};
  }
  return {0, 0};
}

void decide_range(int seat, const RangeRule& rule) {
  if (!aims_at_any(seat, {rule.yaku})) return;
  const int discard = take_naki_tile();
  if (!is_suited(discard) || !in_range(rule, rank_of(discard))) return;
  if (rule.outward != 0 && decide_simulated_call(seat, rule, discard)) return;
  const Around c{g_hand_counts, discard};
  for (int start = 0; start >= -2; --start)
    if (pung_shape(rule, c, start)) return decide_claim(seat, kNakiPung, 0, rule.yaku, rule.pung_reason - start);
  const Leftovers w = leftovers(seat, rule);
  Counts fitting{};  // only the fitting ranks of the discard's suit are read
  for (int rank = rule.low; rank <= rule.high; ++rank) {
    const int t = make_tile(suit_of(discard), rank);
    fitting[t] = w.left[t];
  }
  const Around r{fitting.data(), discard};
  if (may_chow(seat, discard)) {
    const auto [shape, number] = leftover_chow_case(rule, r, w.edge);
    if (shape != 0) return decide_claim(seat, kNakiChow, shape, rule.yaku, number);
  }
  if (r(0) == 2) decide_claim(seat, kNakiPung, 0, rule.yaku, 10);
}

}  // namespace

void naki_upper_tiles(int seat) { decide_range(seat, kUpperTiles); }
void naki_middle_tiles(int seat) { decide_range(seat, kMiddleTiles); }
void naki_lower_tiles(int seat) { decide_range(seat, kLowerTiles); }
