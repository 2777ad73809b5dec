// What every claim rule shares: the discard under evaluation, the decision
// it writes, the copy counts and the chow gate, and the trial guard that puts
// a seat's hand and melds back after a simulated call.
#pragma once

#include <array>

#include "core/tiles.h"

// 1 once a rule of the running decision has decided; the chain stops there.
extern int g_naki_decided;
// The discard under evaluation (1..37), stored by the rules.
extern int g_naki_tile;

enum NakiCall : int { kNakiPung = 1, kNakiChow = 2, kNakiKong = 3 };

// The chow shapes: where the discard sits in the chow.
enum ChiShape : int { kChiDiscardHighest = 1, kChiDiscardMiddle = 2, kChiDiscardLowest = 3 };
// The shape with the discard at place p of its chow: 0 lowest, 1 middle, 2 highest.
constexpr int chi_shape_at(int place) { return kChiDiscardLowest - place; }
static_assert(chi_shape_at(0) == kChiDiscardLowest && chi_shape_at(2) == kChiDiscardHighest);

// Stores the latest discard (g_discarder's last river entry, offer mark
// dropped) in g_naki_tile and returns it.
int take_naki_tile();

// The seat's free hand slots (of all 14) holding `tile`.
int free_copies(int seat, int tile);

// Per tile code, the seat's free hand slots (of all 14) holding it: the
// counts the decider prepares in g_hand_counts, taken from the hand itself.
using TileCounts = std::array<int, kTileCodes>;
TileCounts free_tile_counts(int seat);

// A chow is claimed only from the seat's left neighbour and only for a suited tile.
bool may_chow(int seat, int tile);

// Sets the one flag of `call` (with the chow shape for a chow), marks the
// decision taken and records motive and reason in the seat's record.
void decide_claim(int seat, NakiCall call, int chi_shape, int motive, int reason);

// For a rule that tries a call on the seat's hand and melds: everything is
// put back and the visible and seen counts rebuilt for the seat on every way
// out of the rule.
class ClaimTrial {
 public:
  explicit ClaimTrial(int seat);
  ~ClaimTrial();
  ClaimTrial(const ClaimTrial&) = delete;
  ClaimTrial& operator=(const ClaimTrial&) = delete;

 private:
  int seat_;
  std::array<int, kHandSlots> hand_;
  std::array<int, kMeldSlots> melds_;
};

void reset_claim_protocol_state();
