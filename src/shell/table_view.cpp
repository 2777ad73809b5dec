#include "shell/table_view.h"

#include <array>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/table_state.h"
#include "draw/gdi.h"
#include "shell/aim_preview.h"
#include "shell/digits.h"
#include "shell/sheet_ids.h"
#include "shell/shell_state.h"
#include "shell/table_centre.h"
#include "shell/tile_draw.h"

namespace {

struct Point {
  int x, y;
};

constexpr std::array<Point, kSeats> kBalloons{{{280, 540}, {505, 320}, {280, 100}, {55, 320}}};
constexpr std::array<Point, kSeats> kDealInMarkers{{{330, 605}, {605, 350}, {330, 70}, {55, 350}}};

constexpr int kNoticeKindGrey = 3;
constexpr int kNoticeKindKnitted = 4;
constexpr int kFalseWinNoticeFrom = 360;  // the long notice shows while the timer is 360..1
constexpr Point kMessage{100, 610};       // where the notices under the hand stand

void draw_balloons() {
  if (!option_on(opt_voice_balloons)) return;
  for (int seat = 0; seat < kSeats; ++seat) {
    const int balloon = g_balloon[seat];
    if (balloon < 1 || balloon > 5) continue;
    const Point at = kBalloons[seat];
    blit_bitmap(at.x, at.y, 160, 80, kSheetBalloons, 0, 400, platform::Rop::And);
    blit_bitmap(at.x, at.y, 160, 80, kSheetBalloons, 0, 80 * (balloon - 1), platform::Rop::Or);
  }
}

void draw_key_notice() {
  if (g_notice_frames <= 0) return;
  if (g_notice_kind == kNoticeKindGrey) {
    const int grey = option(opt_tsumogiri_grey);
    blit_bitmap(5, 685, 140 - 15 * grey, 30, kSheetNotices, 0, 60 + 30 * grey);
  } else if (g_notice_kind == kNoticeKindKnitted) {
    constexpr std::array<int, 3> kWidths{180, 180, 210};
    const int support = option(opt_knitted_support);
    blit_bitmap(5, 685, kWidths[support], 30, kSheetNotices, 0, 120 + 30 * support);
  }
}

void draw_deal_in_marker() {
  if (g_scene == SCENE_HAND_RESULT && g_result_panel_hidden == 0) return;
  if (g_dealt_in_seat < 0 || g_dealt_in_seat >= kSeats) return;
  const Point at = kDealInMarkers[g_dealt_in_seat];
  blit_bitmap(at.x, at.y, 60, 30, kSheetNotices, 0, 0);
}

// The long notice from the 41st drawing after a false win, then the short
// label for the rest of the hand.
void draw_false_win() {
  SeatState& me = g_seat_state[0];
  if (me.false_win_timer >= 1 && me.false_win_timer <= kFalseWinNoticeFrom)
    blit_bitmap(kMessage.x, kMessage.y, 450, 30, kSheetButtons, 0, 150);
  else if (me.false_win == 1 && me.false_win_timer <= 0)
    blit_bitmap(kMessage.x, kMessage.y, 80, 30, kSheetButtons, 240, 120);
  if (me.false_win_timer > 0) --me.false_win_timer;
}

void draw_shown_points() {
  const int display = option(opt_win_score_display);
  if (display == kWinScoreOff || g_seat_state[0].false_win != 0 || g_after_naki_turn != 0 || g_shown_points < 1) return;
  const int flowers = g_hana[0].count;
  if (display == kWinScorePoints || flowers == 0)
    blit_bitmap(kMessage.x, kMessage.y, 90, 30, kSheetButtons, 340, 90);
  else
    blit_bitmap(kMessage.x, kMessage.y, 110, 30, kSheetButtons, 320, 120);
  constexpr int kPlaces = 3;
  const int value = fit_places(g_shown_points, kPlaces);
  for (int i = first_shown_place(value, kPlaces); i < kPlaces; ++i)
    blit_bitmap(138 + 10 * i, 610, 8, 30, kSheetButtons, 241 + 10 * digit_in_place(value, kPlaces, i), 90);
  if (display == 2 && flowers > 0) blit_bitmap(178, 610, 8, 30, kSheetButtons, 241 + 10 * (flowers % 10), 90);
}

void draw_defence_notice() {
  const SeatState& me = g_seat_state[0];
  if (option(opt_ai_tile_choice) == kAdvisorCom1 && me.defend == 1 && me.false_win == 0)
    blit_bitmap(kMessage.x, kMessage.y, 110, 30, kSheetButtons, 300, 60);
}

bool aim_buttons_shown() {
  const SeatState& me = g_seat_state[0];
  return option_on(opt_ai_target_display) && me.defend == 0 && me.false_win == 0 && g_shown_points == 0;
}

}  // namespace

void draw_exhaustive_banner() { blit_bitmap(270, 325, 180, 70, kSheetDrawBanner, 0, 0); }

void draw_table() {
  draw_background(kBackgroundTable);
  draw_table_centre();
  for (int seat = 0; seat < kSeats; ++seat) draw_sutehai(seat);
  for (int seat = 0; seat < kSeats; ++seat) draw_hana(seat);
  for (int seat = 0; seat < kSeats; ++seat) draw_tehai(seat);
  if (g_draw_banner == 1) draw_exhaustive_banner();
  draw_balloons();
  draw_key_notice();
  draw_deal_in_marker();
  draw_false_win();
  draw_shown_points();
  draw_defence_notice();
  if (aim_buttons_shown()) draw_aim_buttons();
  draw_haiyama_open();
}

void reset_table_view_state() { reset_table_centre_state(); }
