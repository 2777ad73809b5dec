#include "com/claim/claim_suit_calls.h"

#include <algorithm>
#include <cassert>

#include "base/shanten.h"
#include "base/table_state.h"
#include "com/claim/claim_protocol.h"

namespace {

constexpr std::array<int, kTrialCalls> kTrialReasons{911, 912, 913, 920};

struct CallLayout {
  int meld;       // the simulated MeldCode (source digit 0)
  int marker;     // what the call's slots are marked with
  int uses[2];    // the hand tiles it takes
};

CallLayout layout_of(int call, int discard) {
  switch (call) {
    case kTrialChowHighest: return {make_meld(0, kMeldChow, discard - 2), kChowSlot, {discard - 2, discard - 1}};
    case kTrialChowMiddle: return {make_meld(0, kMeldChow, discard - 1), kChowSlot, {discard - 1, discard + 1}};
    case kTrialChowLowest: return {make_meld(0, kMeldChow, discard), kChowSlot, {discard + 1, discard + 2}};
    default: return {make_meld(0, kMeldPung, discard), kPungSlot, {discard, discard}};
  }
}

// Writes the call onto the seat's hand and melds: the meld in the first
// free meld slot (the decider never runs with four melds), the first slot
// holding each used tile marked, the discard marked in slot 13. False when
// the stripped hand lacks a tile, which also turns away tiles outside the
// discard's suit (a 2 of characters has no 0 below it).
bool place_call(int seat, int call, int discard) {
  const CallLayout c = layout_of(call, discard);
  int* meld = std::find(g_melds[seat], g_melds[seat] + kMeldSlots, 0);
  assert(meld != g_melds[seat] + kMeldSlots);
  for (int tile : c.uses) {
    int* slot = std::find(g_hand[seat], g_hand[seat] + kHandSlots, tile);
    if (suit_of(tile) != suit_of(discard) || !is_playing_tile(tile) || slot == g_hand[seat] + kHandSlots) return false;
    *slot = make_slot(tile, c.marker);
  }
  *meld = c.meld;
  g_hand[seat][kDrawSlot] = make_slot(discard, c.marker);
  return true;
}

// Some discard (a free tile, or an empty slot: none) leaves the hand below `base`.
bool some_discard_below(int seat, int base) {
  for (int slot = 0; slot < kHandSlots; ++slot) {
    if (g_hand[seat][slot] > kRed) continue;
    calc_shanten(seat, slot);
    if (g_shanten_normal < base) return true;
  }
  return false;
}

}  // namespace

bool decide_single_improving_call(int seat, int discard, const TrialCalls& allowed, const StrippedTiles& stripped,
                                  int motive) {
  int improving = -1;
  int count = 0;
  {
    const ClaimTrial trial(seat);
    std::array<int, kHandSlots> hand{};
    std::array<int, kMeldSlots> melds{};
    std::copy(g_hand[seat], g_hand[seat] + kHandSlots, hand.begin());
    std::copy(g_melds[seat], g_melds[seat] + kMeldSlots, melds.begin());
    int emptied = 0;
    for (int& v : hand)
      if (is_free_slot(v) && stripped[v]) v = 0, ++emptied;
    std::copy(hand.begin(), hand.end(), g_hand[seat]);
    calc_shanten(seat, kDrawSlot);
    const int base = std::max(g_shanten_normal, emptied);
    for (int call = 0; call < kTrialCalls; ++call) {
      if (!allowed[call]) continue;
      std::copy(hand.begin(), hand.end(), g_hand[seat]);
      std::copy(melds.begin(), melds.end(), g_melds[seat]);
      if (place_call(seat, call, discard) && some_discard_below(seat, base)) improving = call, ++count;
    }
  }
  if (count != 1) return false;
  if (improving == kTrialPung)
    decide_claim(seat, kNakiPung, 0, motive, kTrialReasons[improving]);
  else
    decide_claim(seat, kNakiChow, kChiDiscardHighest + improving, motive, kTrialReasons[improving]);
  return true;
}
