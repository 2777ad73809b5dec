#include "support/scoring_fixture.h"

#include "base/options.h"
#include "base/scorer.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "base/waits.h"
#include "base/win_eval.h"

void ScoringTest::SetUp() {
  reset_table_state();
  reset_options();
  reset_yaku_switches();
  reset_scorer_state();
  reset_win_eval_state();
  reset_waits_state();
  reset_visible_state();
  g_dealer = 0;
  g_round_wind = 0;
  g_wall_count = kWallLeft;
}
