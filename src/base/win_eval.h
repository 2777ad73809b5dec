// The shared win-evaluation area: evaluate_win reads one seat's hand as it
// stands on the table into the reading below, which score_yaku and the rules
// read right after the call (the next evaluation overwrites it). Every win
// test runs three calls in this order: find_waits on the seat's 14 slots with
// g_wait_slot = 13; evaluate_win for a tile that is among the waits;
// score_yaku. The reading itself is core/win_eval.h.
#pragma once

#include "base/waits.h"
#include "core/win_eval.h"

extern WinReading g_win_reading;

// The reading's fields under the names the rules use.
inline int& g_eval_seat = g_win_reading.seat;
inline int& g_eval_tile = g_win_reading.tile;
inline int& g_eval_by_discard = g_win_reading.by_discard;
inline int& g_eval_seat_wind = g_win_reading.seat_wind;
inline int& g_eval_round_wind = g_win_reading.round_wind;
inline int& g_eval_open = g_win_reading.open;
inline auto& g_eval_waits = g_win_reading.waits;
inline int& g_eval_wait_count = g_win_reading.wait_count;
inline auto& g_eval_hand = g_win_reading.hand;
inline auto& g_meld_list = g_win_reading.blocks;
inline int& g_meld_list_count = g_win_reading.block_count;
inline int& g_eval_valid = g_win_reading.valid;
inline auto& g_eval_orders = g_win_reading.orders;

// Reads the seat's hand slots 0-12 and tile in the form find_waits just left
// in g_hand_form, against the table as it stands. A seven-pairs reading
// rewrites g_hand_form, g_waits and g_wait_count to its single wait. The
// scoring area holds the last extraction order scored (run score_yaku
// again), and g_win_points its total. Returns g_eval_valid.
bool evaluate_win(int seat, int tile, int by_discard);

// What an evaluation leaves for a score_evaluated that follows it at once.
struct WinEvaluation {
  bool valid = false;       // what evaluate_win returns
  bool scored_now = false;  // the chosen reading's scoring stands: it read the counts score_yaku would read
  WinContext ctx;           // the table the reading was made against (its visible counts g_visible_counts)
  RuleSwitches rules;       // the switches it was made under
};
// evaluate_win, telling what the scoring right after it may take as done.
WinEvaluation evaluate_win_for_scoring(int seat, int tile, int by_discard);

// The table beside the seat's hand, as the reading and the scorer take it,
// with the given visible counts.
WinContext table_context_of(int seat, const int (&visible)[kTileCodes]);
