#include "table/win_test.h"

#include <algorithm>

#include "base/scorer.h"
#include "base/table_state.h"
#include "base/waits.h"
#include "base/win_eval.h"

bool is_wait_of(int seat, int tile) {
  std::copy(std::begin(g_hand[seat]), std::end(g_hand[seat]), g_wait_hand);
  g_wait_slot = kDrawSlot;
  find_waits();
  return std::find(g_waits, g_waits + g_wait_count, tile) != g_waits + g_wait_count;
}

int win_points_with(int seat, int tile, int by_discard) {
  if (!is_wait_of(seat, tile)) return kNotAWait;
  const WinEvaluation evaluation = evaluate_win_for_scoring(seat, tile, by_discard);
  if (!evaluation.valid) return kNotAWait;
  score_evaluated(evaluation);
  return yaku_points_without_flowers();
}
