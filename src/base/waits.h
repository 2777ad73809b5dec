// The shared waits area that the rules read after a search: the caller fills
// the two inputs, calls find_waits() and reads the three results at once
// (the next call overwrites them). The search itself is core/waits.h.
#pragma once

#include "core/waits.h"

struct WaitsArea {
  // Inputs: as a rule a copy of one seat's g_hand with slot 13 holding the
  // drawn, claimed or considered tile, and the slot (0..13) left out.
  int hand[kHandSlots];
  int slot;
  WaitSet found;  // the results
};
extern WaitsArea g_waits_area;

inline auto& g_wait_hand = g_waits_area.hand;
inline int& g_wait_slot = g_waits_area.slot;
inline auto& g_waits = g_waits_area.found.tiles;
inline int& g_wait_count = g_waits_area.found.count;
inline int& g_hand_form = g_waits_area.found.form;

// Fills the three results from waits_of(g_wait_hand, g_wait_slot).
void find_waits();
// The results from a search done elsewhere, and as they stand.
void publish_waits(const WaitSet& w);
inline const WaitSet& current_waits() { return g_waits_area.found; }

// Zeroes the inputs and results.
void reset_waits_state();
