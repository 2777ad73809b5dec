// The steps that close a hand as the result screens' clicks take them.
#pragma once

// The last hand of the match: the North round's last dealer.
bool last_hand_of_match();

// Leaving the win display: the win counted in the statistics, the hand
// result (scene 700) next.
void close_win_display();

// Leaving the hand result: the hand's bookkeeping, then the next hand (scene
// 40) or the standings (scene 70).
void close_hand_result();
