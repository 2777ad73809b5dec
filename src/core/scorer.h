// The pattern scorer: marks every pattern a read hand holds, applies the
// exclusions between patterns and the compound and local switches, and
// totals the points. Over values.
#pragma once

#include <array>

#include "core/win_eval.h"
#include "core/yaku_table.h"

// Scores the reading into `out` (its table fresh first). A reading that is
// not valid finds nothing and totals 0.
void score_hand(const WinReading& r, const WinContext& ctx, const RuleSwitches& rules, Scoring& out);

// score_hand for a valid reading whose tile facts f holds (gather_tile_facts
// in core/pattern_checks.h), under `blocks`: the extraction orders of one
// reading share the facts of its tiles.
struct HandFacts;
void score_blocks(HandFacts& f, const int (&blocks)[kWinBlocks], Scoring& out);

// Everything score_hand reads of its arguments: equal inputs score equally.
struct ScoringInputs {
  int valid, form, seat, tile, by_discard, open, seat_wind, round_wind, wait_count;  // of the reading
  std::array<int, kHandSlots> hand;
  std::array<int, kWinBlocks> blocks;
  WinContext ctx;        // its visible pointer null: the one count read is below
  int win_tile_visible;  // visible copies of the winning tile, the only count the checks read (0 unread)
  RuleSwitches rules;

  bool operator==(const ScoringInputs&) const = default;
};
// Writes every field of `out`: it is built in place where it is kept.
void scoring_inputs_of(const WinReading& r, const WinContext& ctx, const RuleSwitches& rules, ScoringInputs& out);

// The total for the 8-point minimum: points of every found pattern except
// the flowers, never capped.
int yaku_points_without_flowers(const YakuTable& table);
