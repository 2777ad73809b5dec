// Rules 41 to 44: break a pair that stands beside another pair or a single
// of its suit once the pool's complete runs are set aside.
#include <algorithm>
#include <array>

#include "base/ai_record.h"
#include "base/visible.h"
#include "com/hand_terms.h"
#include "com/turn/generic_rules.h"
#include "com/turn/rule_shapes.h"
#include "com/turn/rule_target.h"

namespace {

// Counts of the pool without its complete runs: every start rank whose three
// ranks the pool holds gives up to four copies of each of its three tiles,
// judged on the suit as it was before any start was worked.
void count_run_stripped_pool(int* counts) {
  count_pool(counts);
  for (int suit = kCharacters; suit <= kBamboo; ++suit) {
    int held[10] = {};
    for (int rank = 1; rank <= 9; ++rank) held[rank] = counts[make_tile(suit, rank)];
    for (int rank = 1; rank <= 7; ++rank) {
      if (held[rank] == 0 || held[rank + 1] == 0 || held[rank + 2] == 0) continue;
      for (int k = 0; k < 3; ++k) {
        int& count = counts[make_tile(suit, rank + k)];
        count = std::max(0, count - 4);
      }
    }
  }
}

// Kinds held exactly twice, of those that pass `counted`.
template <class Pred>
int pairs_among(const int* counts, Pred&& counted) {
  int pairs = 0;
  for (int tile = 1; tile <= kRed; ++tile) pairs += counts[tile] == 2 && counted(tile) ? 1 : 0;
  return pairs;
}

// Takes the first pool tile `tile` when it keeps the distance to ready.
bool take_if_neutral(int seat, int tile, int reason, int subcode) {
  return is_neutral(seat, tile) && take_tile(seat, tile, reason, subcode);
}

// Of a pair beside a single of its suit (gap 1) or two ranks from it (gap
// 2), the pair's tile: 0 when the single is lower, 1 when the pair is.
bool take_pair_beside_single(int seat, const int* stripped, int reason, int first_rank, int last_rank, int gap) {
  for (int suit = kCharacters; suit <= kBamboo; ++suit)
    for (int rank = first_rank; rank <= last_rank; ++rank) {
      const int t = make_tile(suit, rank);
      if (gap == 2 && stripped[t + 1] != 0) continue;
      const int partner = t + gap;
      if (stripped[t] == 1 && stripped[partner] == 2) {
        if (take_if_neutral(seat, partner, reason, 0)) return true;
      } else if (stripped[t] == 2 && stripped[partner] == 1) {
        if (take_if_neutral(seat, t, reason, 1)) return true;
      }
    }
  return false;
}

// Enough pairs to break one: a value-honour pair with fewer than two copies
// visible, or `needed` pairs of suited tiles and guest winds.
bool holds_pairs_to_spare(int seat, const int* stripped, int needed) {
  const int value_honours[5] = {seat_wind(seat), round_wind(), kWhite, kGreen, kRed};
  for (int tile : value_honours)
    if (stripped[tile] == 2 && seen_by_all(tile) < 2) return true;
  return pairs_among(stripped, [&](int tile) { return is_suited(tile) || is_guest_wind(seat, tile); }) >= needed;
}

// Of two equally visible adjacent pairs, the offset of the one to break by
// the lower pair's rank (index rank - 1): the pair nearer the 5, but with
// few terminals and honours the terminal pair of 1-2 and 8-9.
constexpr std::array<int, 8> kBreakOffset{1, 1, 1, 1, 0, 0, 0, 0};
constexpr std::array<int, 8> kBreakOffsetFewTerminals{0, 1, 1, 1, 0, 0, 0, 1};

constexpr std::array<int, 12> kTargetsKeepingPairShapes{27, 33, 34, 35, 43, 47, 49, 50, 51, 53, 54, 74};

// The lone terminal beside a pair of 2s (or 8s) in a hand without honours.
bool take_lone_terminal(int seat) {
  if (rule_target(seat).yaku != 0) return false;
  int terminals = 0;
  for (int tile = kEast; tile <= kRed; ++tile)
    if (held(tile) != 0) return false;
  for (int suit = kCharacters; suit <= kBamboo; ++suit)
    terminals += held(make_tile(suit, 1)) + held(make_tile(suit, 9));
  if (terminals != 1) return false;
  int pool[kTileCodes];
  count_pool(pool);
  return each_pool_tile([&](int slot, int tile) {
    return each_side([&](int side) {
      return side_rank(tile, side) == 1 && side_run(pool, tile, side, 0, {1, 2, 0, 0}) &&
             take(seat, slot, 42, side_code(side, 100, 101));
    });
  });
}

}  // namespace

void discard_rule_41_adjacent_pairs(int seat) {
  int stripped[kTileCodes];
  count_run_stripped_pool(stripped);
  if (pairs_among(stripped, [](int) { return true; }) < 2) return;
  const auto& offsets = terminal_honour_slots(seat) <= 3 ? kBreakOffsetFewTerminals : kBreakOffset;
  for (int suit = kCharacters; suit <= kBamboo; ++suit)
    for (int rank = 1; rank <= 8; ++rank) {
      const int t = make_tile(suit, rank);
      if (stripped[t] != 2 || stripped[t + 1] != 2) continue;
      int tile = t + offsets[rank - 1];
      int code = 10;
      if (seen_by_all(t) != seen_by_all(t + 1)) {
        tile = seen_by_all(t) > seen_by_all(t + 1) ? t : t + 1;
        code = tile - t;
      }
      // A tile two ranks off would be left a closed partial: keep the pair.
      if (count_at(stripped, tile, -2) > 0 || count_at(stripped, tile, 2) > 0) continue;
      if (take_if_neutral(seat, tile, 41, code)) return;
    }
}

void discard_rule_42_simples_shapes(int seat) {
  const int target = rule_target(seat).yaku;
  if (std::find(kTargetsKeepingPairShapes.begin(), kTargetsKeepingPairShapes.end(), target) != kTargetsKeepingPairShapes.end())
    return;
  if (take_lone_terminal(seat)) return;
  int stripped[kTileCodes];
  count_run_stripped_pool(stripped);
  if (holds_pairs_to_spare(seat, stripped, 2)) take_pair_beside_single(seat, stripped, 42, 1, 8, 1);
}

void discard_rule_43_pair_beside_single(int seat) {
  int stripped[kTileCodes];
  count_run_stripped_pool(stripped);
  if (holds_pairs_to_spare(seat, stripped, 3)) take_pair_beside_single(seat, stripped, 43, 2, 7, 1);
}

void discard_rule_44_pair_gap_single(int seat) {
  int stripped[kTileCodes];
  count_run_stripped_pool(stripped);
  if (holds_pairs_to_spare(seat, stripped, 3)) take_pair_beside_single(seat, stripped, 44, 1, 7, 2);
}
