// What the table view reads from records whose owners are not in the
// program yet: the scorer's pattern table of the last scored hand and the
// patterns the user's COM advisor aims at. Each is read through one accessor
// here, so that when its owner lands only this file changes (the stand-in
// records below then go).
#pragma once

#include "core/tiles.h"

// One row of the last scored hand's pattern table.
struct ShownPattern {
  int found;   // 1 when the hand holds the pattern
  int points;  // its points then
};

// Stand-in for the scorer's pattern table (g_yaku_table), by pattern id.
extern ShownPattern g_view_yaku[kYakuCount];

// Stand-in for seat 0's COM target record: slot 0 the aimed pattern id and
// its variant (g_ai_target_yaku[0], g_ai_target_variant[0]), slots 1 to 5 the
// first five chow-candidate targets and their variants.
constexpr int kAimSlots = 6;
extern int g_view_aim_yaku[kAimSlots];
extern int g_view_aim_variant[kAimSlots];

bool pattern_found(int id);
int pattern_points(int id);

int aimed_yaku(int slot);     // 0 none
int aimed_variant(int slot);

void reset_view_inputs_state();
