// Win evaluation: prepares a complete 14-tile hand of one seat for the
// scorer. Every win test runs three calls in this order: find_waits on the
// seat's 14 slots with g_wait_slot = 13; evaluate_win for a tile that is
// among the waits; score_yaku. The results below are shared areas that the
// next evaluation overwrites: read them right after the call.
#pragma once

#include <array>

#include "core/tiles.h"
#include "core/waits.h"

constexpr int kWinBlocks = 5;          // four sets and a pair
constexpr int kExtractionOrders = 6;   // the block-kind orders the normal reading tries

// ------------------------------------------------------------- the arguments
extern int g_eval_seat;        // winning seat 0..3
extern int g_eval_tile;        // winning tile (HaiCode)
extern int g_eval_by_discard;  // 1 on another seat's discard or a robbed kong, 0 self-drawn

// ------------------------------------------------------- what the scorer reads
extern int g_eval_seat_wind;   // the seat's wind index 0 East .. 3 North
extern int g_eval_round_wind;  // the wind round 0 East .. 3 North
extern int g_eval_open;        // 1 when the seat has a chow, pung or melded kong declared
extern int g_eval_waits[kMaxWaits];  // copy of g_waits (after the seven-pairs reading)
extern int g_eval_wait_count;  // copy of g_wait_count; 1 for a seven-pairs reading
extern int g_eval_hand[kHandSlots];  // hand slots 0-12 and the winning tile, sorted ascending
// The chosen decomposition as WinMeldCode blocks: for the normal form the
// four sets and the pair in extraction order; for the knitted straight block
// 0 the pair and block 1 the set; all 0 for the other forms.
extern int g_meld_list[kWinBlocks];
extern int g_meld_list_count;  // non-zero blocks of g_meld_list
// 1 when the last evaluate_win found a reading of the hand; 0 leaves the
// scorer finding nothing and scoring 0.
extern int g_eval_valid;

// One extraction order's reading: {found, its total, its five blocks}.
struct EvalOrderRecord {
  int found;   // 1 when the order decomposed the hand
  int points;  // g_eval_total of its scoring
  int blocks[kWinBlocks];
};
// Work area of the normal reading, indexed by extraction order.
extern std::array<EvalOrderRecord, kExtractionOrders> g_eval_orders;

// Reads the hand made of the seat's hand slots 0-12 and tile, with the
// form find_waits just left in g_hand_form. Settles seven pairs against the
// normal reading (g_hand_form may become 1, and then g_waits / g_wait_count
// hold the single wait), and for the normal form keeps the decomposition of
// the best-scoring extraction order, the lowest order on equal totals (the
// pattern table then holds the last scored order: run score_yaku again).
// Returns true and sets g_eval_valid when the hand has a reading in its
// form; false when the tile does not complete it.
bool evaluate_win(int seat, int tile, int by_discard);

// Zeroes every area above.
void reset_win_eval_state();
