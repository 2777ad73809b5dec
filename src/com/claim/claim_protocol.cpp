#include "com/claim/claim_protocol.h"

#include <algorithm>

#include "core/ai_record.h"
#include "core/visible.h"
#include "table/claim_actions.h"
#include "table/table_state.h"

int g_naki_decided;
int g_naki_tile;

int take_naki_tile() {
  g_naki_tile = latest_discard_tile();
  return g_naki_tile;
}

int free_copies(int seat, int tile) { return static_cast<int>(std::count(g_hand[seat], g_hand[seat] + kHandSlots, tile)); }

TileCounts free_tile_counts(int seat) {
  TileCounts counts{};
  for (int slot : g_hand[seat])
    if (is_playing_tile(slot)) ++counts[slot];
  return counts;
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

void reset_claim_protocol_state() {
  g_naki_decided = 0;
  g_naki_tile = 0;
}
