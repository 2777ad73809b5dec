// Template leftover rules 500, 520, 521, 530 and 560. They run right after
// the keepers took the aimed template out of the pool: each recognises one
// arrangement of the few tiles left and throws the one that does not fit it.
#include <algorithm>

#include "base/ai_record.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "com/aimed/aimed_rules.h"
#include "com/hand_terms.h"
#include "com/turn/cascade_places.h"
#include "com/turn/rule_target.h"
#include "com/turn/template_leftovers.h"
#include "base/yaku_table.h"

bool template_rule_gate(int seat, bool with_34, std::initializer_list<int> sizes, Leftovers& out) {
  const bool aims = aims_at_any(seat, {kYaku27MixedShiftedChows, kYaku33MixedTripleChow, kYaku34MixedShiftedPungs,
                                       kYaku35MixedStraight, kYaku43KnittedStraight, kYaku47PureShiftedChows,
                                       kYaku49PureStraight}) &&
                    (with_34 || !aims_at_any(seat, {kYaku34MixedShiftedPungs}));
  const bool single_honour =
      std::any_of(kPlayingTiles.begin(), kPlayingTiles.end(), [](int t) { return is_honour(t) && held(t) == 1; });
  if (!aims || single_honour) return false;
  count_pool(out.c.data());
  out.n = 0;
  for (int t : kPlayingTiles) out.n += out.c[t];
  return sizes.size() == 0 || std::find(sizes.begin(), sizes.end(), out.n) != sizes.end();
}

bool fits(const int* counts, int tile, int side, const MirroredShape& shape) {
  const int rank = side_rank(tile, side);
  if (rank < shape.low || rank > shape.high || !side_run(counts, tile, side, shape.run)) return false;
  if (shape.pair_single == kNoPairSingle) return true;
  const int a = side_count(counts, tile, side, shape.pair_single);
  const int b = side_count(counts, tile, side, shape.pair_single + 1);
  return a >= 1 && b >= 1 && a + b == 3;
}

bool take_lowest(KindCounts& counts, Group group) {
  if (group == Group::kChow) {
    const int low = lowest_chow(counts);
    if (low != kNoTile) take_chow(counts, low);
    return low != kNoTile;
  }
  const int size = group == Group::kTriplet ? 3 : 2;
  const auto* lowest = std::find_if(kPlayingTiles.begin(), kPlayingTiles.end(), [&](int t) { return counts[t] >= size; });
  if (lowest == kPlayingTiles.end()) return false;
  counts[*lowest] -= size;
  return true;
}

bool take_first_fit_by_passes(int seat, int reason, const int* counts, const MirroredShape& shape) {
  return each_by_distance(0, 4, [&](int slot, int tile) {
    return each_side([&](int side) {
      return fits(counts, tile, side, shape) && take(seat, slot, reason, side_code(side, shape.toward_one, shape.toward_nine));
    });
  });
}

namespace {

constexpr int kA = kAnyCount;
constexpr int kDeadAt = 4;    // a tile with all four copies visible
constexpr int kLivePair = 5;  // two waiting kinds with fewer visible than this together

// The visible count `offset` ranks from a suited tile, 0 past its suit.
int visible(int tile, int offset) { return count_at(g_visible_counts, tile, offset); }

// A two-tile run of singles n, n+1 whose completing tiles are live.
bool live_run(const Leftovers& l, int n) {
  if (l.c[n] != 1 || count_at(l.c.data(), n, 1) != 1) return false;
  switch (rank_of(n)) {
    case 1: return visible(n, 2) < kDeadAt;
    case 8: return visible(n, -1) < kDeadAt;
    default: return visible(n, -1) != kDeadAt || visible(n, 2) != kDeadAt;
  }
}

// A closed pair n, n+2 alone in its stretch of the suit, its middle live.
bool live_closed_pair(const Leftovers& l, int n) {
  return side_run(l.c.data(), n, kTowardOne, -2, {0, 0, 1, 0, 1, 0, 0}) && visible(n, 1) < kDeadAt;
}

// Two-tile runs of singles starting at rank 2 to 7 whose two completing
// tiles have fewer than five visible together; `isolated` wants nothing
// beside the run.
bool open_two_sided(const Leftovers& l, bool isolated) {
  return std::any_of(kPlayingTiles.begin(), kPlayingTiles.end(), [&](int n) {
    if (!is_suited(n) || rank_of(n) < 2 || rank_of(n) > 7) return false;
    const bool run = isolated ? side_run(l.c.data(), n, kTowardOne, -1, {0, 1, 1, 0})
                              : side_run(l.c.data(), n, kTowardOne, 0, {1, 1});
    return run && visible(n, -1) + visible(n, 2) < kLivePair;
  });
}

// A suited single with nothing within two ranks of it.
bool has_stray_single(const Leftovers& l) {
  return std::any_of(kPlayingTiles.begin(), kPlayingTiles.end(), [&](int t) {
    return is_suited(t) && side_run(l.c.data(), t, kTowardOne, -2, {0, 0, 1, 0, 0});
  });
}

}  // namespace

void discard_rule_500_template_leftover(int seat) {
  Leftovers l{};
  if (!template_rule_gate(seat, true, {6}, l)) return;
  const bool waiting = std::count(l.c.begin(), l.c.end(), 2) >= 2 ||
                       std::any_of(kPlayingTiles.begin(), kPlayingTiles.end(), [&](int n) {
                         return is_suited(n) && (live_run(l, n) || live_closed_pair(l, n));
                       });
  if (!waiting) return;
  // A single two ranks past a pair and a single of its suit.
  static constexpr MirroredShape kBeyondPairAndSingle{0, 10, 4, 9, {-4, 6, {0, kA, kA, 0, 1, 0}}, -3};
  take_first_fit(seat, 500, l.c.data(), kBeyondPairAndSingle);
}

void discard_rule_520_template_leftover(int seat) {
  Leftovers l{};
  if (!template_rule_gate(seat, false, {4, 6}, l) || AI[seat].best_pairs != 1) return;
  if (l.n == 6 && !open_two_sided(l, true)) return;
  // A single right below a pair and a single of its suit.
  static constexpr MirroredShape kBesidePairAndSingle{0, 1, 1, 7, {-1, 5, {0, 1, kA, kA, 0}}, 1};
  take_first_fit(seat, 520, l.c.data(), kBesidePairAndSingle);
}

void discard_rule_521_template_leftover(int seat) {
  Leftovers l{};
  if (!template_rule_gate(seat, false, {5}, l) || !open_two_sided(l, false)) return;
  // A hand that may still turn to mixed shifted chows keeps its value-honour triplets.
  const bool shifted_chows = aims_at_or_keeps(seat, kYaku27MixedShiftedChows);
  const bool triplet = std::any_of(kPlayingTiles.begin(), kPlayingTiles.end(), [&](int t) {
    return l.c[t] == 3 && !(shifted_chows && is_value_honour(seat, t));
  });
  if (!triplet) return;
  // The first triplet in pool order, even when another one passed the test.
  each_pool_tile([&](int slot, int t) { return l.c[t] == 3 && take(seat, slot, 521, 0); });
}

void discard_rule_530_template_leftover(int seat) {
  Leftovers l{};
  if (!template_rule_gate(seat, true, {}, l) || has_stray_single(l) || l.n < 6) return;
  struct Reading {
    Group first, second;
    int subcode;
  };
  static constexpr Reading kReadings[] = {{Group::kChow, Group::kPair, 0},
                                          {Group::kPair, Group::kChow, 10},
                                          {Group::kTriplet, Group::kPair, 20},
                                          {Group::kPair, Group::kTriplet, 30}};
  for (const Reading& r : kReadings) {
    KindCounts d = l.c;
    if (!take_lowest(d, r.first) || !take_lowest(d, r.second)) continue;
    if (each_pool_tile([&](int slot, int t) { return d[t] == 1 && take(seat, slot, 530, r.subcode); })) return;
  }
}

void discard_rule_560_only_neutral_kind(int seat) {
  Leftovers l{};
  if (!template_rule_gate(seat, true, {}, l) || g_seat_state[seat].naki_count <= 0) return;
  int neutral_kinds = 0, neutral = 0;
  for (int t : kPlayingTiles) {
    if (l.c[t] == 0 || !is_neutral(seat, t)) continue;
    ++neutral_kinds;
    neutral = t;
  }
  if (neutral_kinds == 1) take_tile(seat, neutral, 560, 0);
}
