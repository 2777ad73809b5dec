// Settling a win: the record taken from the scorer's results
// (base/win_record.h) and the payments.
#pragma once

#include "base/win_record.h"
#include "core/tiles.h"

// The payments of a win with total P: on a discard or a robbed kong the
// winner gets P + 24, the payer loses 8 + P and each other seat 8; a
// self-drawn win takes 8 + P from each of the three. Every column sums to 0.
void win_payments(int winner, int payer, int points, int (&changes)[kSeats]);

// Ends the hand with a win for the scorer's last evaluation: the record
// taken, g_win_points, the payments into g_score_changes, g_winner,
// g_dealt_in_seat, the winner's `won`, and the win scene (710, frame 0)
// with its panel shown and the pop-up closed. Called right after the
// scorer ran for the winner's hand.
void settle_win(int winner, int payer);
