#include "shell/table_centre.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "base/scene_state.h"
#include "base/table_state.h"
#include "draw/gdi.h"
#include "shell/digits.h"
#include "shell/sheet_ids.h"
#include "shell/tile_draw.h"

namespace {

constexpr int kScorePlaces = 4;
constexpr int kScoreLimit = 9999;
constexpr int kMinusCell = 10;  // the signs follow the ten digits in each run
constexpr int kPlusCell = 11;

struct Point {
  int x, y;
};

constexpr std::array<Point, kSeats> kWindPlate{{{206, 469}, {475, 474}, {474, 200}, {205, 206}}};
constexpr std::array<std::array<Point, 2>, kSeats> kDice{{
    {{{205, 510}, {227, 510}}},
    {{{521, 468}, {521, 490}}},
    {{{473, 169}, {495, 169}}},
    {{{179, 200}, {179, 222}}},
}};

// Score cells of one seat, all on sheet 102. Cell c (digit 0..9, minus 10,
// plus 11) is at source (sx + dsx c, sy + dsy c).
struct ScoreLayout {
  int sx, sy, dsx, dsy, w, h;
  Point digit0;
  int step_x, step_y;            // digit place i at digit0 + step i
  Point minus, plus;             // signs at these + sign_step j (j = digits shown - 1)
  int sign_step_x, sign_step_y;
  bool has_plus;
  Point label_source, label;
  int label_w, label_h;
};

constexpr std::array<ScoreLayout, kSeats> kScores{{
    {0, 210, 15, 0, 15, 25, {321, 417}, 16, 0, {352, 417}, {0, 0}, -16, 0, false, {180, 210}, {388, 417}, 20, 25},
    {245, 0, 0, 15, 25, 15, {439, 385}, 0, -16, {439, 353}, {439, 354}, 0, 16, true, {245, 180}, {439, 314}, 25, 20},
    {0, 235, 15, 0, 15, 25, {380, 279}, -16, 0, {348, 279}, {349, 279}, 16, 0, true, {180, 235}, {310, 279}, 20, 25},
    {220, 0, 0, 15, 25, 15, {257, 319}, 0, 16, {257, 351}, {256, 351}, 0, -16, true, {220, 180}, {257, 386}, 25, 20},
}};

void score_cell(const ScoreLayout& l, int cell, int x, int y) {
  blit_bitmap(x, y, l.w, l.h, kSheetPlate, l.sx + l.dsx * cell, l.sy + l.dsy * cell);
}

void update_centre_view() {
  const bool inside = g_mouse_x >= 250 && g_mouse_x <= 470 && g_mouse_y >= 270 && g_mouse_y <= 450;
  if (inside)
    g_centre_view_frames = kCentreViewFrames;
  else if (g_centre_view_frames > 0)
    --g_centre_view_frames;
}

void draw_wind_and_dice() {
  const Point plate = kWindPlate[g_first_dealer & 3];
  blit_bitmap(plate.x, plate.y, 40, 40, kSheetWindDice, 40 * g_first_dealer, 40 * g_round_wind);
  draw_shadow(plate.x + 40, plate.y, 2, 39);
  for (int i = 0; i < 2; ++i) {
    const Point die = kDice[g_dealer & 3][i];
    blit_bitmap(die.x, die.y, 20, 25, kSheetWindDice, 20 * g_dice[i], 160 + 25 * i);
    draw_shadow(die.x + 20, die.y + 5, 4, 20);
  }
}

void draw_wall_count() {
  constexpr int kPlaces = 3;
  blit_bitmap(250, 270, 220, 180, kSheetPlate, 0, 0);
  blit_bitmap(326, 346, 20, 30, kSheetPlate, 200, 180);
  const int value = fit_places(g_wall_count, kPlaces);
  for (int i = first_shown_place(value, kPlaces); i < kPlaces; ++i)
    blit_bitmap(328 + 21 * i, 346, 20, 30, kSheetPlate, 20 * digit_in_place(value, kPlaces, i), 180);
}

void draw_names() {
  const int* c = g_seat_character;
  blit_bitmap(320, 389, 80, 20, kSheetNames, 0, 20 * c[0]);
  blit_bitmap(413, 320, 20, 80, kSheetNames, 20 * c[1], 140);
  blit_bitmap(320, 310, 80, 20, kSheetNames, 80, 20 * c[2]);
  blit_bitmap(289, 320, 20, 80, kSheetNames, 20 * c[3], 220);
}

}  // namespace

void draw_seat_score(int seat, int value, bool plus) {
  const ScoreLayout& l = kScores[seat];
  value = std::clamp(value, -kScoreLimit, kScoreLimit);
  const int shown = std::abs(value);
  const int first = first_shown_place(shown, kScorePlaces);
  for (int i = first; i < kScorePlaces; ++i)
    score_cell(l, digit_in_place(shown, kScorePlaces, i), l.digit0.x + l.step_x * i, l.digit0.y + l.step_y * i);
  const int j = kScorePlaces - 1 - first;
  if (value < 0)
    score_cell(l, kMinusCell, l.minus.x + l.sign_step_x * j, l.minus.y + l.sign_step_y * j);
  else if (value > 0 && plus && l.has_plus)
    score_cell(l, kPlusCell, l.plus.x + l.sign_step_x * j, l.plus.y + l.sign_step_y * j);
  blit_bitmap(l.label.x, l.label.y, l.label_w, l.label_h, kSheetPlate, l.label_source.x, l.label_source.y);
}

void draw_table_centre() {
  update_centre_view();
  draw_wind_and_dice();
  draw_wall_count();
  draw_names();
  const bool difference = g_centre_view_frames > 0;
  for (int seat = 0; seat < kSeats; ++seat) {
    if (!difference)
      draw_seat_score(seat, g_scores[seat], false);
    else
      draw_seat_score(seat, seat == 0 ? 0 : g_scores[seat] - g_scores[0], true);
  }
}
