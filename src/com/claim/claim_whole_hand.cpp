#include <algorithm>
#include <cassert>

#include "base/ai_record.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "com/claim/claim_protocol.h"
#include "com/claim/claim_rules.h"
#include "com/hand_terms.h"
#include "com/target/chicken_templates.h"
#include "com/target/com_target.h"
#include "com/turn/rule_shapes.h"
#include "base/yaku_table.h"

// Claims of the chicken hand and all types.

namespace {

// Every anchor's outer tiles stay in its suit: a chow onto an anchor is
// always possible by rank.
static_assert([] {
  for (const auto& row : kChickenTemplates)
    for (int a : row.partials)
      if (rank_of(a) < 2 || rank_of(a) > 7) return false;
  return true;
}());

// The row's listed tiles follow the upper tile of its third anchor.
bool is_listed_tile(const ChickenTemplate& row, int t) {
  return std::find(row.pungs.begin() + 1, row.pungs.end(), t) != row.pungs.end();
}

// A declared chow already holds the anchor starting at `a`.
bool anchor_used(int seat, int a) {
  const int* melds = g_melds[seat];
  return std::any_of(melds, melds + kMeldSlots, [&](int code) {
    return meld_kind(code) == kMeldChow && (meld_tile(code) == a - 1 || meld_tile(code) == a);
  });
}

// The chow that completes an open anchor with the discard at one end. After
// the first call a tile held beyond the chow's far end means the anchor is
// better left to grow the other way.
int chicken_chow_shape(int seat, const ChickenTemplate& row, int t) {
  const int* c = g_hand_counts;
  const bool called = g_seat_state[seat].naki_count >= 1;
  for (int a : row.partials)
    if (t == a + 2 && !anchor_used(seat, a) && c[t - 2] >= 1 && c[t - 1] >= 1 && !(c[t - 3] >= 1 && called))
      return kChiDiscardHighest;
  for (int a : row.partials)
    if (t == a - 1 && !anchor_used(seat, a) && c[t + 1] >= 1 && c[t + 2] >= 1 && !(c[t + 3] >= 1 && called))
      return kChiDiscardLowest;
  return 0;
}

// ------------------------------------------------------------- all types

// Characters, dots, bamboo, winds and dragons.
int tile_type(int tile) { return is_dragon(tile) ? kHonours + 1 : suit_of(tile); }

// Something that scores beside all types: a value honour declared, held three
// times or as a live pair, a terminal held three times or declared as a pung,
// a concealed kong, a melded kong of a terminal or an honour.
bool has_scoring_element(int seat) {
  const int* c = g_hand_counts;
  for (const int* m = g_melds[seat]; m != g_melds[seat] + kMeldSlots; ++m) {  // an empty slot matches nothing
    const int kind = meld_kind(*m), tile = meld_tile(*m);
    if (is_value_honour(seat, tile) || kind == kMeldConcealedKong) return true;
    if (kind == kMeldPung && is_terminal(tile)) return true;
    if (kind == kMeldMeldedKong && is_terminal_or_honour(tile)) return true;
  }
  for (int k = kEast; k <= kRed; ++k)
    if (is_value_honour(seat, k) && (c[k] >= 3 || (c[k] == 2 && seen_by_all(k) < 2))) return true;
  return std::any_of(kPlayingTiles.begin(), kPlayingTiles.end(), [&](int k) {
    return is_terminal(k) && c[k] == 3;
  });
}

// A suit that already has a set: declared, held three times, or a run in hand.
bool suit_has_set(int seat, int suit) {
  const int* c = g_hand_counts;
  const int* melds = g_melds[seat];
  // An empty meld slot would read as characters.
  const auto in_suit = [&](int code) { return code != 0 && suit_of(meld_tile(code)) == suit; };
  if (std::any_of(melds, melds + kMeldSlots, in_suit)) return true;
  for (int r = 1; r <= 9; ++r) {
    const int t = make_tile(suit, r);
    if (c[t] >= 3 || (r <= 7 && c[t] >= 1 && c[t + 1] >= 1 && c[t + 2] >= 1)) return true;
  }
  return false;
}

int all_types_chow_shape(int t) {
  const int* c = g_hand_counts;
  const int r = rank_of(t);
  if (c[t] != 0) return 0;
  if (r >= 3 && c[t - 2] >= 1 && c[t - 1] >= 1) return kChiDiscardHighest;
  if (r >= 2 && r <= 8 && c[t - 1] >= 1 && c[t + 1] >= 1) return kChiDiscardMiddle;
  if (r <= 7 && c[t + 1] >= 1 && c[t + 2] >= 1) return kChiDiscardLowest;
  return 0;
}

bool has_pair_of_other_type(int t) {
  for (int k : kPlayingTiles)
    if (held(k) == 2 && tile_type(k) != tile_type(t)) return true;
  return false;
}

// Nothing scores yet: only a call that brings it.
void claim_scoring_element(int seat, int t) {
  const int n = held(t);
  if (n == 2 && is_value_honour(seat, t)) decide_claim(seat, kNakiPung, 0, kYaku30AllTypes, 100);
  else if (n == 2 && is_terminal(t)) decide_claim(seat, kNakiPung, 0, kYaku30AllTypes, 110);
  else if (n == 3 && is_terminal_or_honour(t)) decide_claim(seat, kNakiKong, 0, kYaku30AllTypes, 120);
}

}  // namespace

void naki_chicken_hand(int seat) {
  if (!aims_at_any(seat, {kYaku40ChickenHand})) return;
  const int t = take_naki_tile();  // an honour is neither chowed nor listed
  const int variant = g_ai_target_variant[seat];
  assert(variant >= 0 && variant < static_cast<int>(kChickenTemplates.size()));  // the selector's row
  const ChickenTemplate& row = kChickenTemplates[variant];
  const int shape = may_chow(seat, t) ? chicken_chow_shape(seat, row, t) : 0;
  if (shape != 0) {
    decide_claim(seat, kNakiChow, shape, kYaku40ChickenHand, shape == kChiDiscardHighest ? 0 : 1);
    return;
  }
  if (g_seat_state[seat].naki_count == 0 && held(t) == 3 && is_listed_tile(row, t))
    decide_claim(seat, kNakiPung, 0, kYaku40ChickenHand, 10);
}

void naki_all_types(int seat) {
  if (!aims_at_any(seat, {kYaku30AllTypes})) return;
  const int t = take_naki_tile();
  if (!has_scoring_element(seat)) {
    claim_scoring_element(seat, t);
    return;
  }
  const int shape = may_chow(seat, t) && !suit_has_set(seat, suit_of(t)) ? all_types_chow_shape(t) : 0;
  if (shape != 0) {
    decide_claim(seat, kNakiChow, shape, kYaku30AllTypes, 9 + shape);  // reasons 10, 11, 12
    return;
  }
  if (held(t) == 2 && (has_pair_of_other_type(t) || AI[seat].best_blocks < 5))
    decide_claim(seat, kNakiPung, 0, kYaku30AllTypes, 200);
}
