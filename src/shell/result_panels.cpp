#include "shell/result_panels.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/table_state.h"
#include "draw/gdi.h"
#include "flow/result.h"
#include "shell/digits.h"
#include "shell/play_layout.h"
#include "shell/sheet_ids.h"
#include "shell/table_view.h"
#include "shell/tile_draw.h"
#include "shell/view_inputs.h"

namespace {

constexpr int kPanelRows = 6;
constexpr int kScoreCap = 88;

struct Point {
  int x, y;
};

constexpr std::array<Point, kSeats> kScoreBoxes{{{280, 475}, {498, 275}, {280, 74}, {62, 275}}};

// Pattern name strips of sheet 126: ids 0..79 in blocks of forty, 80..83 beside them.
Point pattern_name_source(int id) {
  if (id >= 80) return {400, 20 * (id - 80)};
  return {100 * ((id % 40) / 10), 20 * (id % 10) + 200 * (id / 40)};
}

void small_digit(int x, int y, int digit) { blit_bitmap(x, y, 10, 20, kSheetPatternNames, 100 + 10 * digit, 400); }
void points_label(int x, int y) { blit_bitmap(x, y, 20, 20, kSheetPatternNames, 200, 400); }

void draw_pattern_entry(int x, int y, int n, int id) {
  const int column = n / kPanelRows;
  const int row_y = y + 18 + 25 * (n % kPanelRows);
  const Point name = pattern_name_source(id);
  blit_bitmap(x + 20 + 180 * column, row_y, 100, 20, kSheetPatternNames, name.x, name.y);
  const int points = fit_places(pattern_points(id), 2);
  if (points >= 10) small_digit(x + 127 + 170 * column, row_y, points / 10);
  small_digit(x + 139 + 170 * column, row_y, points % 10);
  points_label(x + 150 + 170 * column, row_y);
}

// The four-place numbers of a score box, at row y.
void box_number(int x, int y, int value, bool plus) {
  constexpr int kPlaces = 4;
  const int shown = fit_places(std::abs(value), kPlaces);
  const int first = first_shown_place(shown, kPlaces);
  for (int i = first; i < kPlaces; ++i)
    blit_bitmap(x + 44 + 16 * i, y, 15, 25, kSheetPlate, 15 * digit_in_place(shown, kPlaces, i), 260);
  const int sign_x = x + 44 + 16 * (first - 1);
  if (value < 0)
    blit_bitmap(sign_x, y, 15, 25, kSheetPlate, 150, 260);
  else if (value > 0 && plus)
    blit_bitmap(sign_x, y, 15, 25, kSheetPlate, 165, 260);
}

void draw_result_buttons() {
  if (!option_on(opt_suspend) || is_last_hand_of_match()) return;
  blit_bitmap(465, 470, 220, 60, kSheetResultButtons, 0, 0);
  // The lit look follows the boxes the clicks test.
  if (kNextHandBox.contains(g_mouse_x, g_mouse_y)) blit_bitmap(465, 470, 110, 60, kSheetResultButtons, 0, 60);
  if (kSuspendBox.contains(g_mouse_x, g_mouse_y)) blit_bitmap(575, 470, 110, 60, kSheetResultButtons, 110, 60);
}

void draw_seat_change() {
  if (!option_on(opt_seat_change_display) || g_round_wind >= 3 || !is_last_hand_of_round()) return;
  blit_bitmap(291, 275, 140, 140, kSheetSeatChange, 140 * g_first_dealer, 140 * (g_round_wind % 2));
  blit_bitmap(291, 415, 140, 30, kSheetSeatChange, 140 * g_round_wind, 280);
}

}  // namespace

void draw_win_panel(int x, int y) {
  blit_bitmap(x, y, 360, 220, kSheetWinFrame, 0, 0);
  for (int i = 0; i < 34; ++i) blit_bitmap(x + 10 + 10 * i, y + 163, 10, 20, kSheetPatternNames, 220, 400);
  int n = 0;
  for (int id = 0; id < kYakuCount; ++id)
    if (pattern_found(id)) draw_pattern_entry(x, y, n++, id);
  constexpr int kPlaces = 3;
  const int total = fit_places(g_win_points, kPlaces);
  for (int i = first_shown_place(total, kPlaces); i < kPlaces; ++i)
    blit_bitmap(x + 165 + 12 * i, y + 186, 10, 20, kSheetPatternNames, 100 + 10 * digit_in_place(total, kPlaces, i), 400);
  points_label(x + 200, y + 186);
  const int flowers = pattern_found(kYakuFlowers) ? pattern_points(kYakuFlowers) : 0;
  if (option_on(opt_score_cap) && g_win_points - flowers >= kScoreCap)
    blit_bitmap(x, y + 222, 360, 30, kSheetWinFrame, 0, 220);
}

void draw_score_change_box(int seat, int x, int y, int total, int change) {
  blit_bitmap(x, y, 160, 170, kSheetScoreBox, 0, 0);
  blit_bitmap(x + 40, y + 17, 80, 20, kSheetNameStrips, 0, 20 * g_seat_character[seat]);
  blit_bitmap(x + 10, y + 120, 140, 5, kSheetPlate, 0, 285);
  box_number(x, y + 54, total, false);
  box_number(x, y + 87, change, true);
  box_number(x, y + 130, total + change, false);
}

void draw_win_view() {
  draw_table();
  if (g_scene_frame >= kWinPanelFrame && g_result_panel_hidden == 0) draw_win_panel(180, 245);
  draw_haiyama_open();
}

void draw_hand_result_view() {
  draw_table();
  if (g_result_panel_hidden == 1) return;
  for (int seat = 0; seat < kSeats; ++seat)
    draw_score_change_box(seat, kScoreBoxes[seat].x, kScoreBoxes[seat].y, g_scores[seat], g_score_changes[seat]);
  draw_haiyama_open();
  draw_result_buttons();
  draw_seat_change();
}
