#include "com/claim/claim_rules.h"

#include <array>

#include "base/table_state.h"
#include "com/claim/claim_protocol.h"
#include "com/target/com_target.h"
#include "core/tiles.h"
#include "base/yaku_table.h"
#include "table/claim_actions.h"

// Claims of the fixed chow layouts, which only complete the layout's own
// chows, and of the knitted straight, which keeps its nine tiles concealed
// and claims only for the set and the pair beside them.

namespace {

// The layout's chows by lowest tile, a chow needed twice listed twice.
struct FixedChows {
  std::array<int, 4> lowest{};
  int count = 0;
};

// The two suits of the three-suited terminal chows by template (the third
// suit gives the pair of 5s, which is never claimed).
constexpr std::array<std::array<int, 2>, 3> kTerminalChowSuits{
    {{kCharacters, kDots}, {kCharacters, kBamboo}, {kDots, kBamboo}}};

void add(FixedChows& c, int lowest, int times = 1) {
  for (int i = 0; i < times; ++i) c.lowest[c.count++] = lowest;
}

// False for a variant outside the ranges target selection stores.
bool build_layout(int yaku, int v, FixedChows& c) {
  switch (yaku) {
    case kYaku53PureTripleChow:
    case kYaku65QuadrupleChow:  // the lowest tile of the chow
      if (!is_suited(v) || rank_of(v) > 7) return false;
      add(c, v, yaku == kYaku53PureTripleChow ? 3 : 4);
      return true;
    case kYaku68PureTerminalChows:  // the suit
      if (v < 0 || v > kBamboo) return false;
      add(c, make_tile(v, 1), 2);
      add(c, make_tile(v, 7), 2);
      return true;
    case kYaku48ThreeSuitedTerminalChows:  // the template
      if (v < 0 || v > 2) return false;
      for (int suit : kTerminalChowSuits[v]) {
        add(c, make_tile(suit, 1));
        add(c, make_tile(suit, 7));
      }
      return true;
    default: {  // four pure shifted chows: suit x 10 + layout, 0-3 one rank apart, 4 two
      const int suit = v / 10, layout = v % 10;
      if (v < 0 || suit > kBamboo || layout > 4) return false;
      const int start = layout <= 3 ? layout + 1 : 1;
      const int step = layout <= 3 ? 1 : 2;
      for (int j = 0; j < 4; ++j) add(c, make_tile(suit, start + step * j));
      return true;
    }
  }
}

// Places of the discard in a chow in the order a rule tries them, with the
// reason each records.
struct ShapeOrder {
  std::array<int, 3> places;  // 0 lowest, 1 middle, 2 highest
  std::array<int, 3> reasons;
};
constexpr ShapeOrder kPlainOrder{{0, 1, 2}, {0, 1, 2}};
constexpr ShapeOrder kShiftedOrder{{0, 2, 1}, {100, 101, 102}};

// A chow of the layout from the left neighbour: the discard at a place of a
// chow not yet melded whose two other tiles are held, while fewer copies of
// it are held than the chows not yet melded use. Each melded chow stands in
// for one listed copy of its chow.
void claim_fixed_chows(int seat, int yaku, const ShapeOrder& order, bool stores_tile) {
  if (!aims_at_any(seat, {yaku})) return;
  const int d = stores_tile ? take_naki_tile() : latest_discard_tile();
  FixedChows c;
  if (!build_layout(yaku, g_ai_target_variant[seat], c) || !may_chow(seat, d)) return;
  std::array<bool, 4> melded{};
  for (int code : g_melds[seat]) {
    if (code == 0 || meld_kind(code) != kMeldChow) continue;
    for (int j = 0; j < c.count; ++j) {
      if (melded[j] || c.lowest[j] != meld_tile(code)) continue;
      melded[j] = true;
      break;
    }
  }
  int wanted = 0;  // copies of the discard the open chows use
  for (int j = 0; j < c.count; ++j) wanted += !melded[j] && d >= c.lowest[j] && d <= c.lowest[j] + 2;
  const HeldCounts n = free_tile_counts(seat);
  if (n[d] >= wanted) return;
  for (int k = 0; k < 3; ++k) {
    const int place = order.places[k];
    for (int j = 0; j < c.count; ++j) {
      const int low = c.lowest[j];
      if (melded[j] || d != low + place) continue;
      if (n[low + (place + 1) % 3] >= 1 && n[low + (place + 2) % 3] >= 1) {
        decide_claim(seat, kNakiChow, chi_shape_at(place), yaku, order.reasons[k]);
        return;
      }
    }
  }
}

// The knitted straight's rest (the hand less one copy of each layout tile)
// already holds its set: a run of three singles or a tile held three times.
bool rest_has_set(const HeldCounts& rest) {
  for (int t = 1; t <= kRed; ++t) {
    if (rest[t] >= 3) return true;
    if (is_suited(t) && rest[t] == 1 && rest[t + 1] == 1 && rest[t + 2] == 1) return true;  // codes 10, 20, 30 hold none
  }
  return false;
}

int pairs_in(const HeldCounts& rest) {
  int pairs = 0;
  for (int t = 1; t <= kRed; ++t) pairs += rest[t] == 2;
  return pairs;
}

}  // namespace

void naki_three_suited_terminal_chows(int seat) {
  claim_fixed_chows(seat, kYaku48ThreeSuitedTerminalChows, kPlainOrder, false);
}
void naki_pure_triple_chow(int seat) { claim_fixed_chows(seat, kYaku53PureTripleChow, kPlainOrder, true); }
void naki_four_pure_shifted_chows(int seat) { claim_fixed_chows(seat, kYaku62FourShiftedChows, kShiftedOrder, false); }
void naki_quadruple_chow(int seat) { claim_fixed_chows(seat, kYaku65QuadrupleChow, kPlainOrder, true); }
void naki_pure_terminal_chows(int seat) { claim_fixed_chows(seat, kYaku68PureTerminalChows, kPlainOrder, false); }

void naki_knitted_straight(int seat) {
  // Kept concealed: no meld at all (every open call is a meld too).
  if (!aims_at_any(seat, {kYaku43KnittedStraight}) || g_melds[seat][0] != 0) return;
  const int d = latest_discard_tile();
  const int row = g_ai_target_variant[seat];
  if (row < 0 || row >= kKnittedArrangements) return;
  HeldCounts rest = free_tile_counts(seat);
  for (int tile : g_knitted_tiles[row])
    if (rest[tile] > 0) --rest[tile];
  if (rest_has_set(rest)) return;
  const int pairs = pairs_in(rest);
  if (may_chow(seat, d)) {
    constexpr std::array<int, 3> kShapes{kChiDiscardLowest, kChiDiscardMiddle, kChiDiscardHighest};
    for (int k = 0; k < 3; ++k) {
      HeldCounts after = rest;
      if (take_chow_partners(after, d, kShapes[k]) && (pairs == 0 || pairs_in(after) >= 1)) {
        decide_claim(seat, kNakiChow, kShapes[k], kYaku43KnittedStraight, 100 + k);
        return;
      }
    }
  }
  if (rest[d] == 2 && pairs >= 2) decide_claim(seat, kNakiPung, 0, kYaku43KnittedStraight, 110);
}
