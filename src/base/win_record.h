// The win as it stood when it was declared: who won, who pays, the points
// and the patterns found. Taken once, at the win, from the scorer's results,
// so that the evaluations that run afterwards (advice, targets, drawing)
// cannot change what the result screens show, what is paid and what the
// statistics book.
#pragma once

#include "core/tiles.h"

constexpr int kNoPayer = 9;           // g_dealt_in_seat of a self-drawn win and of a draw
constexpr int kBaseWinPayment = 8;    // every seat pays it for any win
constexpr int kScoreCapPoints = 88;   // the optional cap of a hand's total

struct WinRecord {
  int winner;                  // seat 0..3
  int payer;                   // seat that discarded or made the robbed kong; kNoPayer when self-drawn
  int concealed;               // 1 when the winner declared no chow, pung or melded kong
  int points;                  // total with flowers, after the optional cap (g_win_points)
  int points_uncapped;         // the same before the cap
  int points_without_flowers;  // what the 8-point minimum reads
  int found[kYakuCount];       // 1 for each pattern id the hand holds, flowers included
  int pattern_points[kYakuCount];  // its points (a count for the counted patterns); 0 when not found
};
extern WinRecord g_win_record;  // the hand's win; meaningful while g_hand_drawn is 0 after a win
