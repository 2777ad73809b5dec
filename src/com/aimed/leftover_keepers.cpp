// Keepers of the tiles a template aim leaves. Once the aim's template is out
// of the pool, a promising shape among the few tiles left (a chow with a
// pair, a run of four, a pair beside a run) is kept as well, so that the
// relaxation levels discard from what is left; a mixed-shifted-chows hand
// of five pairs turns to seven pairs; and a pool left with one finished
// group is given back whole.
#include <array>
#include <initializer_list>

#include "base/ai_record.h"
#include "com/aimed/aimed_protocol.h"
#include "com/aimed/aimed_rules.h"
#include "com/hand_terms.h"
#include "com/target/com_target.h"
#include "com/turn/rule_shapes.h"
#include "base/yaku_table.h"

namespace {

// Codes recorded in discard_yaku by the keepers that act on a shape.
constexpr int kPlanChowWithPair = 90;
constexpr int kPlanRunOfFour = 91;
constexpr int kPlanPairBesideRun = 93;

constexpr int kLeftForShapes = 6;
constexpr int kLeftForPairs = 7;
constexpr int kSetsForPairs = 2;
constexpr int kPairsForSevenPairs = 5;
constexpr int kLiveSeen = 5;  // two waiting kinds with fewer copies seen than this together are live

using Counts = KindCounts;

bool aims_at_template(int seat) {
  return aims_at_any(seat, {kYaku27MixedShiftedChows, kYaku33MixedTripleChow, kYaku34MixedShiftedPungs,
                            kYaku35MixedStraight, kYaku43KnittedStraight, kYaku47PureShiftedChows,
                            kYaku49PureStraight});
}

int alternates(int seat) {
  int n = 0;
  for (int id : g_ai_chow_candidates[seat]) n += id != 0;
  return n;
}

// The first four keepers stand aside once all five alternates are listed.
bool shape_keeper_gate(int seat) { return aims_at_template(seat) && alternates(seat) < kChowCandidates; }

Counts left_counts() {
  Counts c{};
  count_pool(c.data());
  return c;
}

int total(const Counts& c) {
  int n = 0;
  for (int tile : kPlayingTiles) n += c[tile];
  return n;
}

int kinds_held(const Counts& c, int at_least) {
  int n = 0;
  for (int tile : kPlayingTiles) n += c[tile] >= at_least;
  return n;
}

// The count `offset` ranks from a suited tile, 0 past its suit.
int at(const Counts& c, int tile, int offset) { return count_at(c.data(), tile, offset); }
int seen(int tile, int offset) { return count_at(g_seen_counts, tile, offset); }

// Suited tiles of rank 1..7 by code, lowest first; fn(tile) true stops.
template <class Fn>
bool each_run_start(Fn&& fn) {
  for (int tile : kPlayingTiles)
    if (is_suited(tile) && rank_of(tile) <= 7 && fn(tile)) return true;
  return false;
}

void record_plan(int seat, int code) {
  AI[seat].discard_subcode = AI[seat].discard_yaku;
  AI[seat].discard_yaku = code;
}

// A kept shape goes tile by tile, a tile listed twice taking two slots.
void keep_shape(std::initializer_list<int> tiles) {
  for (int tile : tiles) keep_copies(tile, 1);
}

// A chow with one end doubled, free around it: read toward 1 the pair tops
// the chow (x-2, x-1, x, x), toward 9 it is its bottom (x, x, x+1, x+2).
bool keep_chow_with_pair(const Counts& c, int x, int side) {
  if (side_rank(x, side) < 4 || !side_run(c.data(), x, side, -3, {0, 1, 1, 2, 0, 0})) return false;
  if (seen(x, -3 * side) + seen(x, 0) >= kLiveSeen) return false;
  keep_shape({x - 2 * side, x - side, x, x});
  return true;
}

bool keep_run_of_four(const Counts& c, int x) {
  if (!side_run(c.data(), x, kTowardOne, -2, {0, 0, 1, 1, 1, 1, 0, 0})) return false;
  if (seen(x, 0) + seen(x, 3) >= kLiveSeen) return false;
  keep_shape({x, x + 1, x + 2, x + 3});
  return true;
}

// A pair beside a run of two singles, the pair at the bottom, middle or top.
bool pair_beside_run(const Counts& e, int x) {
  return side_run(e.data(), x, kTowardOne, 0, {2, 1, 1}) || side_run(e.data(), x, kTowardOne, -1, {1, 2, 1}) ||
         side_run(e.data(), x, kTowardOne, -2, {1, 1, 2});
}

// Chows and honour triples; suited triples are not counted.
int set_count(Counts c) {
  int sets = 0;
  each_run_start([&](int t) {
    if (chow_at(c.data(), t)) take_chow(c, t), ++sets;
    return false;
  });
  for (int t = kEast; t <= kRed; ++t) sets += c[t] >= 3;
  return sets;
}

// The lowest (or highest) chow of the counts set aside.
void take_end_chow(Counts& e, bool lowest) {
  const int low = lowest ? lowest_chow(e) : highest_chow(e);
  if (low != kNoTile) take_chow(e, low);
}

// The pair to keep: the only pair with a free side, or, beside an open
// two-sided wait and a chow with one tile doubled, the lowest pair.
int pair_to_keep(const Counts& c) {
  int free_pairs = 0, free_pair = kNoTile;
  for (int t : kPlayingTiles) {
    // Honours read their code neighbours, as the other honours of the row.
    if (c[t] != 2 || (c[t - 1] != 0 && c[t + 1] != 0)) continue;
    ++free_pairs;
    free_pair = t;
  }
  if (free_pairs == 1) return free_pair;
  const bool open_wait = each_run_start([&](int t) {
    return rank_of(t) >= 2 && side_run(c.data(), t, kTowardOne, -1, {0, 1, 1, 0}) && seen(t, -1) < 4 && seen(t, 2) < 4;
  });
  const bool doubled = each_run_start([&](int t) { return thick_run(c.data(), t, 4); });
  if (!open_wait || !doubled) return 0;
  for (int t : kPlayingTiles)
    if (c[t] == 2) return t;
  return 0;
}

// The pool holds one finished group and nothing else.
bool lone_group_left(const Counts& c) {
  const int left = total(c);
  const bool chow = each_run_start([&](int t) { return c[t] == 1 && c[t + 1] == 1 && c[t + 2] == 1; });
  return (left == 3 && (chow || kinds_held(c, 3) == 1)) || (left == 2 && kinds_held(c, 2) == 1);
}

}  // namespace

void keep_leftover_shapes(int seat) {
  if (!shape_keeper_gate(seat)) return;
  const Counts c = left_counts();
  if (total(c) != kLeftForShapes || kinds_held(c, 2) > 1) return;
  const bool kept = each_pool_tile([&](int, int x) {
    return is_suited(x) && each_side([&](int side) { return keep_chow_with_pair(c, x, side); });
  });
  if (kept) record_plan(seat, kPlanChowWithPair);  // two tiles are always left
}

void keep_leftover_shapes_b(int seat) {
  if (!shape_keeper_gate(seat)) return;
  const Counts c = left_counts();
  if (total(c) != kLeftForShapes || kinds_held(c, 2) > 0) return;
  const bool kept = each_pool_tile([&](int, int x) { return is_suited(x) && keep_run_of_four(c, x); });
  if (kept) record_plan(seat, kPlanRunOfFour);
}

void keep_leftover_pairs(int seat) {
  if (!shape_keeper_gate(seat)) return;
  const Counts c = left_counts();
  if (total(c) != kLeftForPairs || set_count(c) != kSetsForPairs) return;
  // Attempts: the lowest chow set aside first, the highest, none. Of seven
  // tiles at most four copies of the pair go, so some are always left.
  for (int attempt = 0; attempt < 3; ++attempt) {
    Counts e = c;
    if (attempt < 2) take_end_chow(e, attempt == 0);
    const bool kept = each_pool_tile([&](int, int x) {
      if (!is_suited(x) || !pair_beside_run(e, x)) return false;
      keep_copies(x, kHandSlots);
      return true;
    });
    if (kept) return record_plan(seat, kPlanPairBesideRun);
  }
}

void keep_leftover_pair_a(int seat) {
  if (!shape_keeper_gate(seat)) return;
  const Counts c = left_counts();
  const bool isolated_five = each_run_start([&](int t) {
    return thick_run(c.data(), t, 5) && at(c, t, -1) == 0 && at(c, t, 3) == 0;
  });
  if (isolated_five) return;
  const int pair = pair_to_keep(c);
  if (pair == kNoTile) return;
  const PoolCopy entry;
  keep_copies(pair, kHandSlots);
  entry.give_back_if_emptied();
}

void keep_pairs_or_chiitoi(int seat) {
  if (!aims_at_any(seat, {kYaku27MixedShiftedChows}) || has_declared_meld(seat)) return;
  if (lone_honour_pair() == 0) return;
  int pairs = 0;
  for (int t : kPlayingTiles) pairs += held(t) == 4 ? 2 : held(t) >= 2;
  if (pairs != kPairsForSevenPairs) return;
  for (int& tile : g_ai_work_hand)
    if (is_playing_tile(tile) && (held(tile) == 2 || held(tile) == 4)) tile = 0;
  if (pool_has_playing_tile()) return record_plan(seat, kYaku56SevenPairs);
  // Nothing but pairs: aim at seven pairs for the rest of the decision.
  write_target(seat, kYaku56SevenPairs, 0);
  build_work_hand(seat);
}

void keep_leftover_pair_b(int seat) {
  if (!aims_at_template(seat) || alternates(seat) == 0) return;
  if (lone_group_left(left_counts())) build_work_hand(seat);
}
