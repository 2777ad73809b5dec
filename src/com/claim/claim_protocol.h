// What every claim rule shares: the discard under evaluation, the decision
// it writes, the copy counts and the chow gate, and the trial guard that puts
// a seat's hand and melds back after a simulated call.
#pragma once

#include <array>

#include "core/tiles.h"
#include "core/waits.h"
#include "com/hand_terms.h"

struct ClaimProtocolState {
  int decided = 0;  // 1 once a rule of the running decision has decided; the chain stops there
  int tile = 0;     // the discard under evaluation (1..37), stored by the rules
};
extern ClaimProtocolState g_claim_protocol_state;

inline auto& g_naki_decided = g_claim_protocol_state.decided;
inline auto& g_naki_tile = g_claim_protocol_state.tile;

enum NakiCall : int { kNakiPung = 1, kNakiChow = 2, kNakiKong = 3 };

// The chow shapes: where the discard sits in the chow.
enum ChiShape : int { kChiDiscardHighest = 1, kChiDiscardMiddle = 2, kChiDiscardLowest = 3 };
// The shape with the discard at place p of its chow: 0 lowest, 1 middle, 2 highest.
constexpr int chi_shape_at(int place) { return kChiDiscardLowest - place; }
static_assert(chi_shape_at(0) == kChiDiscardLowest && chi_shape_at(2) == kChiDiscardHighest);
// The ranks of a chow's two hand tiles (which 0 the lower, 1 the higher)
// counted from the discard, for a chow of shape `shape`.
constexpr int chi_partner_offset(int shape, int which) {
  const int lowest = shape - kChiDiscardLowest;  // -2, -1 or 0
  if (which == 0) return lowest == 0 ? 1 : lowest;
  return lowest == -2 ? -1 : lowest + 2;
}
static_assert(chi_partner_offset(kChiDiscardHighest, 0) == -2 && chi_partner_offset(kChiDiscardHighest, 1) == -1);
static_assert(chi_partner_offset(kChiDiscardMiddle, 0) == -1 && chi_partner_offset(kChiDiscardMiddle, 1) == 1);
static_assert(chi_partner_offset(kChiDiscardLowest, 0) == 1 && chi_partner_offset(kChiDiscardLowest, 1) == 2);

// Stores the latest discard (g_discarder's last river entry, offer mark
// dropped) in g_naki_tile and returns it.
int take_naki_tile();

// The seat's free hand slots (of all 14) holding `tile`.
int free_copies(int seat, int tile);

// Per tile code, the seat's free hand slots (of all 14) holding it: the
// counts the decider prepares in g_hand_counts, taken from the hand itself.
using HeldCounts = KindCounts;
HeldCounts free_tile_counts(int seat);

// Takes one copy of each of the two hand tiles of a chow of shape `shape` on
// the discard from `counts`; false, counts untouched, when the chow would
// leave the suit or a tile is missing.
bool take_chow_partners(HeldCounts& counts, int discard, int shape);

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

  // The hand and melds as the rule found them.
  const std::array<int, kHandSlots>& hand() const { return hand_; }
  const std::array<int, kMeldSlots>& melds() const { return melds_; }
  // Puts them back now, between two trials (the counts are left alone).
  void put_back() const;

 private:
  int seat_;
  std::array<int, kHandSlots> hand_;
  std::array<int, kMeldSlots> melds_;
};

// The waits of the seat's slots 0-12 (slot 13 is the replaced slot and is
// cleared in the work area); none when the seat is not ready.
WaitSet seat_ready_waits(int seat);

// The points without flowers of winning on a discard of `tile` with the
// seat's slots 0-12, the pattern table left for the caller to read (all
// clear and 0 when the tile completes nothing). The scorer rebuilds the
// visible and seen counts for the seat's hand as it stands.
int score_win_on(int seat, int tile);
// score_win_on with the search of slots 0-12 already done: `waits` is what
// seat_ready_waits would find now. The waits depend on the tiles of those
// slots alone, not on their order, so one search serves every wait of a
// hand and every order of its tiles.
int score_win_with(int seat, int tile, const WaitSet& waits);

// A wait whose other three copies are visible (the last-tile pattern): a hand
// that is only a chicken hand counts 4, its chicken-hand flag cleared; any
// other hand counts 4 more.
constexpr int kLastTileBonus = 4;
bool is_last_tile(int tile);
int last_tile_value(int total);

// The best value among the waits of the seat's ready hand of which a copy is
// left for it to win on (seen fewer than 4 times), last tiles valued as
// above; 0 when not ready or every wait is used up.
int best_live_ready_value(int seat);

// The seat's 14 hand slots that hold a flower.
int flowers_in_hand(int seat);
