// The pattern scorer: marks every pattern a read hand holds, applies the
// exclusions between patterns and the compound and local switches, and
// totals the points. Over values.
#pragma once

#include "core/win_eval.h"
#include "core/yaku_table.h"

// Scores the reading into `out` (its table fresh first). A reading that is
// not valid finds nothing and totals 0.
void score_hand(const WinReading& r, const WinContext& ctx, const RuleSwitches& rules, Scoring& out);

// The total for the 8-point minimum: points of every found pattern except
// the flowers, never capped.
int yaku_points_without_flowers(const YakuTable& table);
