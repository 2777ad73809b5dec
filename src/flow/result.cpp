#include "flow/result.h"

#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/sound.h"
#include "base/table_state.h"
#include "flow/hand_end.h"
#include "table/win_record.h"


void exhaustive_draw_phase() {
  const int frame = ++g_scene_frame;
  g_draw_banner = frame <= kDrawBannerFrames ? 1 : 0;
  if (frame == kDrawRevealFrame) g_hands_revealed = 1;
  if (frame < kDrawResultFrame) return;
  for (int& change : g_score_changes) change = 0;
  g_hand_drawn = 1;
  g_scene = SCENE_HAND_RESULT;
  g_scene_frame = 0;
}

void win_phase() {
  if (g_scene_frame < kWinPanelFrame) ++g_scene_frame;
  if (g_scene_frame == kWinRevealFrame) {
    g_seat_state[g_win_record.winner].hand_revealed = 1;
    g_hands_revealed = 1;
    request_se(SE_OPEN);
  }
}

bool win_scene_takes_clicks() { return g_scene == SCENE_WIN && g_scene_frame >= kWinPanelFrame; }

void toggle_result_panel() { g_result_panel_hidden = g_result_panel_hidden == 1 ? 0 : 1; }

bool is_last_hand_of_round() { return (g_dealer + 1) % kSeats == g_first_dealer; }
bool is_last_hand_of_match() { return g_round_wind >= kLastRound && is_last_hand_of_round(); }
