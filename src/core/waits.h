// Waiting-tile search: which tiles complete a 13-tile hand, and in which
// hand form. One shared work area, like every evaluation of the hand: the
// caller fills the two inputs, calls find_waits() and reads the three
// results at once (the next call overwrites them).
#pragma once

#include "core/tiles.h"

constexpr int kMaxWaits = 13;  // thirteen orphans with thirteen kinds waits on all 13

// ---------------------------------------------------------------- inputs
// 14 hand slot values (tile + 100 x SlotMarker, 0 empty), as a rule a copy of
// one seat's g_hand with slot 13 holding the drawn, claimed or considered
// tile. A declared meld keeps three marked slots; a kong's three slots
// (markers 3 and 4) stand for all four copies of its tile.
extern int g_wait_hand[kHandSlots];
// The slot (0..13) left out and replaced by each candidate tile: 13 for the
// waits of slots 0..12, or the slot of a tile considered for discarding.
extern int g_wait_slot;

// --------------------------------------------------------------- results
// The waiting tiles in the order found, the entries behind them 0:
// - normal form (four sets and a pair): ascending tile codes 1-9, 11-19, 21-29, 31-37;
// - seven pairs: the lone tile appended after the normal waits, even when a
//   normal wait already lists it (1122334455667m waits 1m 4m 7m 7m);
// - knitted straight: ascending tile codes (one tile when the arrangement
//   lacks a tile);
// - thirteen orphans: terminal and honour list order (g_terminal_honour_tiles);
// - honours and knitted: the three missing tiles in arrangement order.
// A tile of which the 13 other slots already hold four copies (a declared
// kong counts four) is never a wait in any form.
extern int g_waits[kMaxWaits];
extern int g_wait_count;  // valid entries of g_waits; 0 = not ready
extern int g_hand_form;   // HandForm of the waits; kFormNormal also when there are none,
                          // and when seven pairs adds a second wait to normal ones

// Fills g_waits, g_wait_count and g_hand_form from g_wait_hand and
// g_wait_slot. Pure: touches nothing else and allocates nothing. A hand with
// fewer than 13 tiles outside g_wait_slot has no waits.
void find_waits();

// Zeroes the inputs and results.
void reset_waits_state();
