#include "table/shout.h"

#include <algorithm>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/table_state.h"

void pause_for_shout(int seat, int balloon) {
  if (!option_on(opt_voice_balloons)) return;
  g_shout_return_scene = g_scene;
  g_scene = SCENE_SHOUT;
  g_scene_frame = 0;
  g_balloon[seat] = balloon;
}

void shout(int seat, int voice_shout) {
  request_voice(g_seat_character[seat], voice_shout);
  pause_for_shout(seat, balloon_of_shout(voice_shout));
}

int first_flower_of(int seat) {
  const int* slot = std::find_if(std::begin(g_hand[seat]), std::end(g_hand[seat]), [](int s) { return is_flower(s); });
  return slot == std::end(g_hand[seat]) ? 0 : *slot;
}

void declare_flowers(int seat, int first_flower) {
  g_flower_tile = first_flower;
  g_turn_seat = seat;
  g_flower_all = 1;
  if (seat == 0) g_return_scene = SCENE_SEAT0_TURN;
  g_scene = SCENE_FLOWER;
  g_scene_frame = 0;
  pause_for_shout(seat, kBalloonFlower);
}

void shout_pause_phase() {
  ++g_scene_frame;
  if (g_scene_frame < kShoutPauseFrames) return;
  for (int& balloon : g_balloon) balloon = kBalloonNone;
  g_scene = g_shout_return_scene;
  g_scene_frame = 0;
  g_popup_open = 0;
  g_result_panel_hidden = 0;
}
