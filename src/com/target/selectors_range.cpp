#include "com/target/selectors.h"

#include <array>

#include "com/hand_terms.h"
#include "com/target/com_target.h"
#include "com/target/seat_facts.h"
#include "com/target/selector_counts.h"
#include "base/ai_record.h"
#include "base/visible.h"
#include "base/yaku_table.h"
#include "base/table_state.h"

// Tile-range selectors: lower, middle and upper tiles, all fives. Each aims
// with variant 0.

namespace {

// A set of numbers 1..9 as bits.
constexpr int ranks(std::initializer_list<int> list) {
  int mask = 0;
  for (int r : list) mask |= 1 << r;
  return mask;
}
constexpr int rank_span(int from, int to) {
  int mask = 0;
  for (int r = from; r <= to; ++r) mask |= 1 << r;
  return mask;
}
constexpr bool has_rank(int mask, int rank) { return (mask >> rank & 1) != 0; }

struct RangeTraits {
  int yaku;
  int chow_starts;     // lowest numbers of the chow melds that fit
  int pung_ranks;      // numbers of the suited pung and kong melds that fit
  int stopping_runs;   // first numbers of the runs that stop a closed hand
  int stopping_pungs;  // numbers held three times that stop a closed hand
  int counted_ranks;   // numbers of the suited slot tiles that count
};

// The lower tiles take the 4s with the 1s to 3s, the upper the 6s with the 7s to 9s.
constexpr RangeTraits kLowerTiles{kYaku61LowerTiles, ranks({1, 2}), rank_span(1, 4), rank_span(4, 7), rank_span(5, 9),
                                  rank_span(1, 4)};
constexpr RangeTraits kUpperTiles{kYaku59UpperTiles, ranks({6, 7}), rank_span(6, 9), rank_span(1, 4), rank_span(1, 5),
                                  rank_span(6, 9)};
constexpr RangeTraits kMiddleTiles{kYaku60MiddleTiles, ranks({4}),   rank_span(4, 6), ranks({1, 2, 6, 7}),
                                   rank_span(1, 3) | rank_span(7, 9), rank_span(4, 6)};

bool melds_fit_range(int seat, const RangeTraits& traits) {
  for (int code : g_melds[seat]) {
    if (code == 0) continue;
    const int tile = meld_tile(code);
    if (!is_suited(tile)) return false;
    const int allowed = meld_kind(code) == kMeldChow ? traits.chow_starts : traits.pung_ranks;
    if (!has_rank(allowed, rank_of(tile))) return false;
  }
  return true;
}

// A closed hand already holding a run or pung outside the range is not aimed at it.
bool holds_set_outside(const RangeTraits& traits) {
  for (int s = kCharacters; s <= kBamboo; ++s) {
    const int* n = g_hand_counts + make_tile(s, 0);
    for (int r = 1; r <= 9; ++r) {
      if (has_rank(traits.stopping_pungs, r) && n[r] >= 3) return true;
      if (has_rank(traits.stopping_runs, r) && n[r] && n[r + 1] && n[r + 2]) return true;
    }
  }
  return false;
}

// The seat's slot tiles, declared ones too, of the range's numbers.
int tiles_in_range(const RangeFacts& f, const RangeTraits& traits) {
  int counted = 0;
  for (int r = 1; r <= 9; ++r) counted += has_rank(traits.counted_ranks, r) ? f.suited_slots[r] : 0;
  return counted;
}

void aim_range(int seat, int threshold, const RangeTraits& traits) {
  if (keeps_current_target(seat, traits.yaku)) return;
  const RangeFacts& f = seat_facts(seat).range;
  if (tiles_in_range(f, traits) < threshold || !melds_fit_range(seat, traits)) return;
  if (f.closed && holds_set_outside(traits)) return;
  write_target(seat, traits.yaku, 0);
}

// ------------------------------------------------------------- all fives

constexpr int kFives[] = {5, 15, 25};

// Declared fives, or -1 when a meld cannot hold a five.
int declared_fives(int seat) {
  int fives = 0;
  for (int code : g_melds[seat]) {
    if (code == 0) continue;
    const int t = meld_tile(code);
    if (meld_kind(code) == kMeldChow) {
      if (rank_of(t) < 3 || rank_of(t) > 5) return -1;
      ++fives;
    } else {
      if (!is_suited(t) || rank_of(t) != 5) return -1;
      fives += is_kong_meld(code) ? 4 : 3;
    }
  }
  return fives;
}

// The sets the hand's fives promise: fives held with no neighbour fill less.
int five_set_estimate(int seat) {
  int estimate = declared_melds(seat);
  for (int five : kFives) {
    const int copies = held(five);
    const bool alone = held(five - 1) == 0 && held(five + 1) == 0;
    estimate += copies - (alone && copies == 2 ? 1 : 0) - (alone && copies >= 3 ? 2 : 0);
  }
  return estimate;
}

bool holds_terminal_run() {
  for (int s = kCharacters; s <= kBamboo; ++s) {
    const int* n = g_hand_counts + make_tile(s, 0);
    if ((n[1] && n[2] && n[3]) || (n[7] && n[8] && n[9])) return true;
  }
  return false;
}

int five_groups() {
  KindCounts r = free_tile_counts();
  int groups = 0;
  for (int s = kCharacters; s <= kBamboo; ++s) {
    const auto t = [s](int rank) { return make_tile(s, rank); };
    for (int n : {3, 4, 5}) groups += take_each(r, {t(n), t(n + 1), t(n + 2)});
    for (int n : {3, 4, 5, 6}) groups += take_each(r, {t(n), t(n + 1)});
    for (int n : {3, 4, 5}) groups += take_each(r, {t(n), t(n + 2)});
    if (r[t(5)] >= 2) {
      ++groups;
      r[t(5)] = 0;
    }
  }
  return groups;
}

}  // namespace

RangeFacts range_facts(int seat) {
  RangeFacts f;
  for (int slot : g_hand[seat]) {
    const int t = tile_of(slot);
    if (is_suited(t)) ++f.suited_slots[rank_of(t)];
  }
  f.closed = is_closed_hand(seat);
  return f;
}

void aim_lower_tiles(int seat, int threshold) { aim_range(seat, threshold, kLowerTiles); }
void aim_middle_tiles(int seat, int threshold) { aim_range(seat, threshold, kMiddleTiles); }
void aim_upper_tiles(int seat, int threshold) { aim_range(seat, threshold, kUpperTiles); }

void aim_all_fives(int seat, int level) {
  // The middle tiles stay open to replacement: their hand is nearly all fives already.
  if (g_ai_target_yaku[seat] != kYaku60MiddleTiles && keeps_current_target(seat, kYaku52AllFives)) return;
  const int own = declared_fives(seat);
  if (own < 0) return;
  const int visible = seen_by_all(5) + seen_by_all(15) + seen_by_all(25);
  if (visible - own >= 7) return;
  if (level == 1 && AI[seat].min_shanten >= 2) return;
  if (five_set_estimate(seat) < 6) return;
  if (is_closed_hand(seat) &&
      (holds_terminal_run() || held(5) == 0 || held(15) == 0 || held(25) == 0))
    return;
  if (five_groups() >= 4) write_target(seat, kYaku52AllFives, 0);
}
