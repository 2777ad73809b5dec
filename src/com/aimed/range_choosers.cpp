// Choosers of the patterns that allow only part of the tiles: upper, middle
// and lower tiles, and all green.
#include <array>

#include "com/aimed/aimed_rules.h"
#include "com/aimed/chooser_scans.h"

namespace {

constexpr int kUpperTiles = 59;
constexpr int kMiddleTiles = 60;
constexpr int kLowerTiles = 61;
constexpr int kAllGreen = 78;

constexpr int rank_bit(int rank) { return 1 << rank; }

// The out-of-range ranks in the order they go; the ranks of one step are
// searched in one scan, so within a step the lower tile code goes first.
struct RangeOrder {
  int yaku;
  std::array<int, 5> steps;  // rank bit sets; 0 (no rank) fills the list
};

constexpr RangeOrder kUpperOrder{kUpperTiles, {rank_bit(1), rank_bit(2), rank_bit(3), rank_bit(4), rank_bit(5)}};
constexpr RangeOrder kMiddleOrder{kMiddleTiles,
                                  {rank_bit(1) | rank_bit(9), rank_bit(2) | rank_bit(8), rank_bit(3) | rank_bit(7)}};
constexpr RangeOrder kLowerOrder{kLowerTiles, {rank_bit(9), rank_bit(8), rank_bit(7), rank_bit(6), rank_bit(5)}};

// Any honour goes before every suited tile, a single before a pair.
void discard_out_of_range(int seat, const RangeOrder& order) {
  if (!aims_at_any(seat, {order.yaku})) return;
  if (pick_least_held(seat, order.yaku, 0, is_honour)) return;
  for (int ranks : order.steps) {
    const auto in_step = [ranks](int tile) { return is_suited(tile) && (ranks & rank_bit(rank_of(tile))) != 0; };
    if (pick_first(seat, order.yaku, 1, in_step)) return;
  }
}

bool is_green(int tile) {
  return tile == 22 || tile == 23 || tile == 24 || tile == 26 || tile == 28 || tile == kGreen;
}
bool is_other_honour(int tile) { return is_honour(tile) && tile != kGreen; }

}  // namespace

void discard_upper_tiles(int seat) { discard_out_of_range(seat, kUpperOrder); }
void discard_middle_tiles(int seat) { discard_out_of_range(seat, kMiddleOrder); }
void discard_lower_tiles(int seat) { discard_out_of_range(seat, kLowerOrder); }

// Green tiles stay, but for a fourth copy of 26, 28 or the green dragon: a
// fourth 22, 23 or 24 still fits the one green chow, 2-3-4 of bamboo.
void discard_all_green(int seat) {
  if (!aims_at_any(seat, {kAllGreen})) return;
  const auto quad = [](int tile) { return held_four_times(tile) && (tile == 26 || tile == 28 || tile == kGreen); };
  const auto characters_or_dots = [](int tile) { return is_suited(tile) && suit_of(tile) != kBamboo; };
  const auto other_bamboo = [](int tile) { return suit_of(tile) == kBamboo && !is_green(tile); };
  if (pick_first(seat, kAllGreen, 0, quad)) return;
  if (pick_first(seat, kAllGreen, 10, [](int tile) { return is_other_honour(tile) && held_once(tile); })) return;
  if (pick_least_held(seat, kAllGreen, 20, characters_or_dots)) return;
  if (pick_least_held(seat, kAllGreen, 30, is_other_honour)) return;
  pick_least_held(seat, kAllGreen, 30, other_bamboo);
}
