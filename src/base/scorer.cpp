#include "base/scorer.h"

#include "base/table_state.h"
#include "base/visible.h"
#include "base/win_eval.h"

void score_yaku() {
  g_win_reading.form = g_hand_form;
  if (g_eval_valid == 1 && g_robbing_kong_flag == 0) count_visible_tiles(g_eval_seat);
  const WinContext ctx = table_context_of(g_eval_seat, g_visible_counts);
  score_hand(g_win_reading, ctx, current_rule_switches(), g_scoring);
  g_win_points = g_eval_total;
}

int yaku_points_without_flowers() { return yaku_points_without_flowers(g_yaku_table); }
