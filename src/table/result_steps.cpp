#include "table/result_steps.h"

#include "core/tiles.h"
#include "shell/scenes.h"
#include "shell/shell_state.h"
#include "table/new_hand.h"
#include "table/table_state.h"

namespace {
constexpr int kNorthRound = 3;
}  // namespace

bool last_hand_of_match() { return g_round_wind >= kNorthRound && g_first_dealer == next_seat(g_dealer); }

// The statistics and the end-of-hand bookkeeping come with the end of the
// hand; until then the result screens only move on.
void close_win_display() {
  g_scene = SCENE_HAND_RESULT;
  g_scene_frame = 0;
  g_result_panel_hidden = 0;
}

void close_hand_result() {
  g_dealer = next_seat(g_dealer);
  setup_new_hand();
  g_scene = SCENE_DEAL;
  g_scene_frame = 0;
}
