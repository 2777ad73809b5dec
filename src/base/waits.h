// The shared waits area that the rules read after a search: the caller fills
// the two inputs, calls find_waits() and reads the three results at once
// (the next call overwrites them). The search itself is core/waits.h.
#pragma once

#include "core/waits.h"

// ---------------------------------------------------------------- inputs
// As a rule a copy of one seat's g_hand with slot 13 holding the drawn,
// claimed or considered tile.
extern int g_wait_hand[kHandSlots];
// The slot (0..13) left out and replaced by each candidate tile.
extern int g_wait_slot;

// --------------------------------------------------------------- results
extern int g_waits[kMaxWaits];  // WaitSet::tiles
extern int g_wait_count;        // WaitSet::count
extern int g_hand_form;         // WaitSet::form

// Fills the three results from waits_of(g_wait_hand, g_wait_slot).
void find_waits();
// The results from a search done elsewhere, and back as a value.
void publish_waits(const WaitSet& w);
WaitSet current_waits();

// Zeroes the inputs and results.
void reset_waits_state();
