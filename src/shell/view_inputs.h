// What the table view reads from records whose owners are not in the
// program yet: the scorer's pattern table of the last scored hand. It is read
// through one accessor here, so that when its owner lands only this file
// changes (the stand-in record below then goes). The patterns the user's
// advisor aims at come from seat 0's target record.
#pragma once

#include "core/tiles.h"

// One row of the last scored hand's pattern table.
struct ShownPattern {
  int found;   // 1 when the hand holds the pattern
  int points;  // its points then
};

// Stand-in for the pattern table of the winning hand, by pattern id.
extern ShownPattern g_view_yaku[kYakuCount];

// Slot 0 the aimed pattern of seat 0, slots 1 to 5 its chow-candidate targets.
constexpr int kAimSlots = 6;

bool pattern_found(int id);
int pattern_points(int id);

int aimed_yaku(int slot);     // 0 none
int aimed_variant(int slot);

void reset_view_inputs_state();
