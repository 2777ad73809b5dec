// The win test every claim and self-drawn win runs: is the tile among the
// waits of the seat's slots 0 to 12, and what does the hand score with it.
#pragma once

constexpr int kNotAWait = -1;
constexpr int kMinimumWinPoints = 8;  // flowers never count toward it

// The points without flowers of the seat's slots 0-12 completed by `tile`
// (by_discard 1 for another seat's discard or a robbed kong, 0 for the own
// draw), or kNotAWait when the tile completes nothing. Leaves the scorer's
// table and g_win_points for that hand. Slot 13 is never read.
int win_points_with(int seat, int tile, int by_discard);

// True when `tile` is among the waits of the seat's slots 0-12 (no scoring).
bool is_wait_of(int seat, int tile);
