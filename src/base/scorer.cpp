#include "base/scorer.h"

#include "base/table_state.h"
#include "base/visible.h"
#include "base/win_eval.h"
#include "core/clear.h"

namespace {

// Only normal readings are kept, so other forms skip the comparison.
bool kept_scoring_of(const WinContext& ctx, const RuleSwitches& rules) {
  if (g_scoring_memo.held != 1 || g_win_reading.form != g_scoring_memo.inputs.form) return false;
  ScoringInputs now;
  scoring_inputs_of(g_win_reading, ctx, rules, now);
  return g_scoring_memo.inputs == now;
}

// score_yaku against the table and switches given, which must be those of
// the table as it stands.
void score_against(const WinContext& ctx, const RuleSwitches& rules) {
  g_win_reading.form = g_hand_form;
  if (g_eval_valid == 1 && g_robbing_kong_flag == 0) count_visible_tiles(g_eval_seat);
  if (kept_scoring_of(ctx, rules))
    copy_small(g_scoring, g_scoring_memo.result);
  else
    score_hand(g_win_reading, ctx, rules, g_scoring);
  g_win_points = g_eval_total;
}

}  // namespace

void score_yaku() { score_against(table_context_of(g_eval_seat, g_visible_counts), current_rule_switches()); }

// A kept scoring left the reading's form, the scoring and the win points as
// scoring again would leave them.
void score_evaluated(const WinEvaluation& e) {
  if (!e.scored_now) score_against(e.ctx, e.rules);
}

void remember_scoring(const WinReading& r, const WinContext& ctx, const RuleSwitches& rules) {
  g_scoring_memo.held = 1;
  scoring_inputs_of(r, ctx, rules, g_scoring_memo.inputs);
  copy_small(g_scoring_memo.result, g_scoring);
}

int yaku_points_without_flowers() { return yaku_points_without_flowers(g_yaku_table); }
