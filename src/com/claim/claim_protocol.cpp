#include "com/claim/claim_protocol.h"

#include <algorithm>

#include "base/ai_record.h"
#include "base/scorer.h"
#include "base/visible.h"
#include "base/waits.h"
#include "base/win_eval.h"
#include "base/yaku_table.h"
#include "table/claim_actions.h"
#include "base/table_state.h"
#include "com/hand_terms.h"

int take_naki_tile() {
  g_naki_tile = latest_discard_tile();
  return g_naki_tile;
}

int free_copies(int seat, int tile) { return static_cast<int>(std::count(g_hand[seat], g_hand[seat] + kHandSlots, tile)); }

HeldCounts free_tile_counts(int seat) {
  HeldCounts counts{};
  for (int slot : g_hand[seat])
    if (is_playing_tile(slot)) ++counts[slot];
  return counts;
}

bool take_chow_partners(HeldCounts& counts, int discard, int shape) {
  const int lowest_rank = rank_of(discard) + shape - kChiDiscardLowest;
  if (!is_suited(discard) || lowest_rank < 1 || lowest_rank > 7) return false;
  const int low = discard + chi_partner_offset(shape, 0), high = discard + chi_partner_offset(shape, 1);
  if (counts[low] < 1 || counts[high] < 1) return false;
  --counts[low];
  --counts[high];
  return true;
}

bool may_chow(int seat, int tile) { return g_discarder == (seat + 3) % kSeats && is_suited(tile); }

void decide_claim(int seat, NakiCall call, int chi_shape, int motive, int reason) {
  g_naki_flags[seat][call] = 1;
  if (call == kNakiChow) g_chi_variant[seat] = chi_shape;
  g_naki_decided = 1;
  AI[seat].naki_yaku = motive;
  AI[seat].naki_reason = reason;
}

ClaimTrial::ClaimTrial(int seat) : seat_(seat) {
  std::copy(g_hand[seat], g_hand[seat] + kHandSlots, hand_.begin());
  std::copy(g_melds[seat], g_melds[seat] + kMeldSlots, melds_.begin());
}

ClaimTrial::~ClaimTrial() {
  std::copy(hand_.begin(), hand_.end(), g_hand[seat_]);
  std::copy(melds_.begin(), melds_.end(), g_melds[seat_]);
  count_visible_tiles(seat_);
}

void ClaimTrial::put_back() const {
  std::copy(hand_.begin(), hand_.end(), g_hand[seat_]);
  std::copy(melds_.begin(), melds_.end(), g_melds[seat_]);
}

namespace {

// The search inputs as ready_waits sets them: slots 0-12, slot 13 cleared.
void set_ready_wait_inputs(int seat) {
  std::copy(g_hand[seat], g_hand[seat] + kDrawSlot, g_wait_hand);
  g_wait_hand[kDrawSlot] = 0;
  g_wait_slot = kDrawSlot;
}

}  // namespace

WaitSet seat_ready_waits(int seat) {
  set_ready_wait_inputs(seat);
  find_waits();
  return current_waits();
}

int score_win_on(int seat, int tile) { return score_win_with(seat, tile, seat_ready_waits(seat)); }

int score_win_with(int seat, int tile, const WaitSet& waits) {
  set_ready_wait_inputs(seat);
  publish_waits(waits);  // the hand form that evaluate_win_for_scoring reads
  score_evaluated(evaluate_win_for_scoring(seat, tile, 1));
  return yaku_points_without_flowers();
}

bool is_last_tile(int tile) { return seen_by_all(tile) == 3; }

int last_tile_value(int total) {
  YakuEntry& chicken = g_yaku_table[kYaku40ChickenHand];
  if (chicken.found != 1) return total + kLastTileBonus;
  chicken.found = 0;
  return kLastTileBonus;
}

int best_live_ready_value(int seat) {
  const WaitSet waits = seat_ready_waits(seat);
  int best = 0;
  for (int i = 0; i < waits.count; ++i) {
    const int w = waits.tiles[i];
    if (g_seen_counts[w] >= 4) continue;
    int total = score_win_with(seat, w, waits);
    if (is_last_tile(w)) total = last_tile_value(total);
    best = std::max(best, total);
  }
  return best;
}

int flowers_in_hand(int seat) {
  return static_cast<int>(std::count_if(g_hand[seat], g_hand[seat] + kHandSlots, [](int v) { return is_flower(v); }));
}
