#include "base/scorer.h"

#include "base/table_state.h"
#include "base/visible.h"
#include "base/win_eval.h"
#include "core/clear.h"

namespace {

// What score_yaku and score_evaluated do before scoring: the reading takes
// the form the waits hold, and the counts are rebuilt for the seat.
void prepare_scoring() {
  g_win_reading.form = g_hand_form;
  if (g_eval_valid == 1 && g_robbing_kong_flag == 0) count_visible_tiles(g_eval_seat);
}

}  // namespace

void score_yaku() {
  prepare_scoring();
  const WinContext ctx = table_context_of(g_eval_seat, g_visible_counts);
  ScoringInputs now;
  scoring_inputs_of(g_win_reading, ctx, current_rule_switches(), now);
  if (g_scoring_memo.held == 1 && g_scoring_memo.inputs == now) {
    copy_small(g_scoring, g_scoring_memo.result);
  } else {
    score_hand(g_win_reading, ctx, now.rules, g_scoring);
    g_scoring_memo.held = 1;
    g_scoring_memo.inputs = now;
    copy_small(g_scoring_memo.result, g_scoring);
  }
  g_win_points = g_eval_total;
}

// A kept scoring left the reading's form, the scoring and the win points as
// scoring again would leave them.
void score_evaluated(const WinEvaluation& e) {
  if (e.scored_now) return;
  prepare_scoring();
  score_hand(g_win_reading, e.ctx, e.rules, g_scoring);
  g_win_points = g_eval_total;
}

int yaku_points_without_flowers() { return yaku_points_without_flowers(g_yaku_table); }
