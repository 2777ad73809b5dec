#include <algorithm>
#include <array>

#include "base/ai_record.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "com/claim/claim_protocol.h"
#include "com/claim/claim_rules.h"
#include "com/hand_terms.h"
#include "com/target/com_target.h"
#include "com/turn/rule_shapes.h"
#include "base/yaku_table.h"

// Claims of the outside hand: value-honour pungs and honour kongs on every
// route, then by route the chows that complete a terminal run and the pungs
// of terminal and honour pairs.

namespace {

// The routes of the aim (its variant) that the rule tells apart.
constexpr int kTerminalChowRoute = 1;  // no terminal or honour pungs
constexpr int kWindRoute = 2;          // waits for the seat's own doubled wind
constexpr int kPungRoute = 3;          // pungs only

using Counts = KindCounts;


// Sets aside every complete 1-2-3 and 7-8-9.
void remove_terminal_runs(Counts& c) {
  for (int suit = kCharacters; suit <= kBamboo; ++suit)
    for (int low : {make_tile(suit, 1), make_tile(suit, 7)})
      while (c[low] >= 1 && c[low + 1] >= 1 && c[low + 2] >= 1) --c[low], --c[low + 1], --c[low + 2];
}


struct Chow {
  int shape;  // ChiShape, 0 none
  int reason;
};

// A chow that makes a terminal run from a pair of the terminal beside two
// singles (the pair stays as the hand's pair), while the tile the run still
// lacks beside it is not used up.
Chow paired_terminal_chow(int t, const Counts& b) {
  const int* vis = g_visible_counts;
  switch (rank_of(t)) {
    case 2:
      if (b[t - 1] == 2 && b[t] == 1 && b[t + 1] == 1 && vis[t + 1] < 2) return {kChiDiscardMiddle, 102};
      break;
    case 3:
      if (b[t - 2] == 2 && b[t - 1] == 1 && b[t] == 1 && vis[t - 1] < 2) return {kChiDiscardHighest, 103};
      break;
    case 7:
      if (b[t] == 1 && b[t + 1] == 1 && b[t + 2] == 2 && vis[t + 1] < 2) return {kChiDiscardLowest, 107};
      break;
    case 8:
      if (b[t - 1] == 1 && b[t] == 1 && b[t + 1] == 2 && vis[t - 1] < 2) return {kChiDiscardMiddle, 108};
      break;
  }
  return {};
}

// The middle of a terminal run between two pairs.
Chow double_pair_chow(int t, const Counts& b) {
  const int r = rank_of(t);
  if ((r == 2 || r == 8) && b[t - 1] == 2 && b[t] == 0 && b[t + 1] == 2) return {kChiDiscardMiddle, 110 + r};
  return {};
}

// A terminal run completed from the tiles outside the complete ones.
Chow terminal_run_chow(int t, const Counts& b) {
  if (b[t] != 0) return {};
  switch (rank_of(t)) {
    case 3:
      if (b[t - 2] == 1 && b[t - 1] >= 1) return {kChiDiscardHighest, 101};
      break;
    case 9:
      if (b[t - 2] >= 1 && b[t - 1] >= 1) return {kChiDiscardHighest, 101};
      break;
    case 2:
      if (b[t - 1] == 1 && b[t + 1] >= 1) return {kChiDiscardMiddle, 102};
      break;
    case 8:
      if (b[t - 1] >= 1 && b[t + 1] == 1) return {kChiDiscardMiddle, 102};
      break;
    case 1:
      if (b[t + 1] >= 1 && b[t + 2] >= 1) return {kChiDiscardLowest, 103};
      break;
    case 7:
      if (b[t + 1] >= 1 && b[t + 2] == 1) return {kChiDiscardLowest, 103};
      break;
  }
  return {};
}

// Before its first call the wind route waits for the seat's wind doubled as
// the round's, held three times or declared.
bool wind_route_open(int seat) {
  const int wind = seat_wind(seat);
  if (wind != round_wind()) return false;
  const int* melds = g_melds[seat];
  return held(wind) >= 3 ||
         std::any_of(melds, melds + kMeldSlots, [&](int code) { return meld_tile(code) == wind; });
}

// The chows and pungs of every route but the pung route. `pairs` is the
// number of terminal and honour pairs outside the complete terminal runs.
void claim_by_shape(int seat, int t, int variant, int pairs) {
  Counts b = free_tile_counts();
  const int blocks = AI[seat].best_blocks;
  Chow chow{};
  if (may_chow(seat, t)) {
    if (blocks < 4 || (blocks == 4 && pairs >= 1)) chow = paired_terminal_chow(t, b);
    if (chow.shape == 0 && blocks < 6) chow = double_pair_chow(t, b);
  }
  remove_terminal_runs(b);
  if (chow.shape == 0 && may_chow(seat, t)) chow = terminal_run_chow(t, b);
  if (chow.shape != 0) {
    decide_claim(seat, kNakiChow, chow.shape, kYaku23OutsideHand, chow.reason);
    return;
  }
  // Three copies of an honour were taken as a kong before any route.
  if (variant != kTerminalChowRoute && is_terminal_or_honour(t) && b[t] == 2 && (pairs >= 2 || blocks < 5))
    decide_claim(seat, kNakiPung, 0, kYaku23OutsideHand, 410);
}

}  // namespace

void naki_outside_hand(int seat) {
  if (!aims_at_any(seat, {kYaku23OutsideHand})) return;
  // A 4, 5 or 6 meets no case below: it is neither a value honour nor part
  // of a terminal run.
  const int t = take_naki_tile();
  const int n = held(t);
  if (n == 2 && is_value_honour(seat, t)) {
    decide_claim(seat, kNakiPung, 0, kYaku23OutsideHand, 0);
    return;
  }
  if (n == 3 && is_honour(t)) {
    decide_claim(seat, kNakiKong, 0, kYaku23OutsideHand, 301);
    return;
  }
  const int variant = g_ai_target_variant[seat];
  if (variant == kWindRoute && g_seat_state[seat].naki_count == 0 && !wind_route_open(seat)) return;
  if (variant == kPungRoute) {
    if (n == 2 && is_terminal_or_honour(t)) decide_claim(seat, kNakiPung, 0, kYaku23OutsideHand, 300);
    return;
  }
  Counts a = free_tile_counts();
  remove_terminal_runs(a);
  const auto pairs = std::count_if(kPlayingTiles.begin(), kPlayingTiles.end(),
                                   [&](int k) { return is_terminal_or_honour(k) && a[k] == 2; });
  claim_by_shape(seat, t, variant, static_cast<int>(pairs));
}
