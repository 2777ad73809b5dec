// Scoring the hand that the last evaluate_win read, into the shared scoring
// area (base/yaku_table.h); the scorer itself is core/scorer.h.
#pragma once

#include "base/win_eval.h"
#include "base/yaku_table.h"
#include "core/scorer.h"

inline int& g_eval_total = g_scoring.total;                    // after the optional 88 cap, flowers included
inline int& g_eval_total_uncapped = g_scoring.total_uncapped;  // the same before the cap
// g_win_points (table state) receives g_eval_total as well.

// score_yaku's last scoring, kept apart with what it was scored from, so
// that score_yaku on the same is a copy (the shared area itself may have
// been changed by its readers since). A win test leaves it alone.
struct ScoringMemo {
  int held = 0;           // 1 once a scoring is kept
  ScoringInputs inputs{};
  Scoring result;
};
extern ScoringMemo g_scoring_memo;
void reset_scoring_memo();

// Scores the shared reading (base/win_eval.h) in the form g_hand_form holds,
// against the table as it stands. Unless a kong is being robbed the visible
// counts are first rebuilt for the evaluated seat (the last-tile pattern
// reads them, and they stay so).
void score_yaku();
// score_yaku right after the evaluation that returned `e`, nothing changed
// since: when that evaluation kept the chosen reading's scoring, the shared
// area holds the result as it stands; otherwise it scores against the table
// and switches `e` carries.
void score_evaluated(const WinEvaluation& e);

// The total for the 8-point minimum of the last scoring.
int yaku_points_without_flowers();
