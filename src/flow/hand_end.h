// The end of a hand and of the match: the hand's statistics and payments,
// the dealer's rotation (it never repeats: a match is 16 hands), the wind
// rounds with their seat changes, and the standings.
#pragma once

constexpr int kWindRounds = 4;
constexpr int kLastRound = kWindRounds - 1;  // the North round

// The click on the hand result (and the suspension, which runs it before it
// writes the match): statistics, score changes paid, the dealer moved on,
// the round and the seats changed when the round ends; then the next hand
// (scene 40, setup_new_hand) or the standings (scene 70) after the 16th.
void finish_hand();

// A wind round has just begun (g_round_wind 1..3): the players change seats
// around the round's first dealer (characters and scores move together),
// then the user is brought back to seat 0 by turning the table, the first
// dealer and the dealer turning with it.
void change_seats();

// The match end: g_standings by final score, ties going to the seat met
// first in turn order from the dealer; each character's match statistics;
// scene 70, frame 0.
void close_match();
