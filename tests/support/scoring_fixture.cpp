#include "support/scoring_fixture.h"

#include "base/table_state.h"
#include "shell/program_state.h"

void ScoringTest::SetUp() {
  reset_program_state();
  g_dealer = 0;
  g_round_wind = 0;
  g_wall_count = kWallLeft;
}
