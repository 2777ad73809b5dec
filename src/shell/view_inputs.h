// What the table view reads through accessors: the patterns of the winning
// hand, from the record taken when the win was declared (never the scorer's
// table, which later evaluations overwrite), and the patterns the user's
// advisor aims at, from seat 0's target record.
#pragma once

#include "core/tiles.h"

// Slot 0 the aimed pattern of seat 0, slots 1 to 5 its chow-candidate targets.
constexpr int kAimSlots = 6;

bool pattern_found(int id);
int pattern_points(int id);

int aimed_yaku(int slot);     // 0 none
int aimed_variant(int slot);
