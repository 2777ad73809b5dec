// Waiting-tile search: which tiles complete a 13-tile hand, and in which
// hand form. Over values: the hand comes in, the waits go out.
#pragma once

#include "core/tiles.h"

constexpr int kMaxWaits = 13;  // thirteen orphans with thirteen kinds waits on all 13

struct WaitSet {
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
  int tiles[kMaxWaits];
  int count;  // valid entries of tiles; 0 = not ready
  int form;   // HandForm of the waits; kFormNormal also when there are none,
              // and when seven pairs adds a second wait to normal ones
};

// The waits of 14 hand slot values (tile + 100 x SlotMarker, 0 empty) with
// `slot` (0..13) left out: 13 for the waits of slots 0..12, or the slot of a
// tile considered for discarding. A declared meld keeps three marked slots;
// a kong's three slots (markers 3 and 4) stand for all four copies of its
// tile. A hand with fewer than 13 tiles outside the slot has no waits.
// Allocates nothing.
WaitSet waits_of(const int (&hand)[kHandSlots], int slot);
