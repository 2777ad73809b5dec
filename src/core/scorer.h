// The pattern scorer: marks every pattern of g_yaku_table that the hand
// prepared by evaluate_win holds, applies the exclusions between patterns
// and the compound and local switches, and totals the points.
#pragma once

#include "core/yaku_table.h"

extern int g_eval_total;           // total after the optional 88 cap, flowers included
extern int g_eval_total_uncapped;  // the same before the cap
// g_win_points (table state) receives g_eval_total as well.

// Scores the hand that the last evaluate_win read. Unless a kong is being
// robbed it first rebuilds the visible counts for the evaluated seat. After
// an evaluation that found no reading every pattern is cleared and the
// totals are 0.
void score_yaku();

// The total for the 8-point minimum: points of every found pattern except
// the flowers, never capped.
int yaku_points_without_flowers();

// Zeroes the totals and puts the pattern table back to its fresh state.
void reset_scorer_state();
