// Carrying out a seat's decision on a discard or on its own draw: wins,
// pung, chow and the melded kong of a discard. Each writes the meld, marks
// the hand slots, updates the counters, shouts and stores the next scene.
// The discard in question is the last river entry of g_discarder.
#pragma once

// Win on the discard when it completes slots 0-12 with at least 8 points.
// Under 8 points a COM seat (or the user without false wins) does nothing;
// the user with false wins on is marked and shouts without winning.
// True when the hand was won.
bool try_ron(int seat);

// Self-drawn win on the tile in slot 13; as try_ron otherwise.
bool try_tsumo(int seat);

// Pung or chow of the discard; the claimer's turn follows without a draw,
// its last free tile standing in slot 13. variant 1..3: the discard as the
// highest, middle or lowest tile of the run.
void do_pon(int seat);
void do_chi(int seat, int variant);

// Melded kong of the discard; the kong replacement scene follows.
void do_kan_on_discard(int seat);

// ------------------------------------------------ shared with the kong actions
// The tile of g_discarder's latest discard (its offer mark dropped).
int latest_discard_tile();

// Appends the meld code to the seat's first free meld entry (slide-in 14);
// returns the entry.
int declare_meld(int seat, int code);

// The win on a discard or a robbed kong: `tile` to the winner's slot 13, the
// win scene, the payments with `payer` paying for the hand, the shout.
void settle_discard_win(int winner, int tile, int payer);

// Every seat pays 8 for any win.
constexpr int kBaseWinPayment = 8;
constexpr int kFalseWinNoticeFrames = 400;
