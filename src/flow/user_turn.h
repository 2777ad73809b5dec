// The user's seat: the own turn with its pop-up (scene 210), the claim and
// rob-the-kong panels (560, 570) and the kong and chow choices (810, 820).
// The shell draws the table and their pop-up; the clicks that act in them
// come through the input handlers and the actions below.
#pragma once

// Scene 210, one frame: the targets chosen again, the drawn tile's points
// for the pop-up and the advisor's discard. The other four scenes only wait
// for clicks.
void user_turn_phase();

// Pop-up rows of the own turn: g_user_naki_options [1] self-drawn win,
// [2] kong ([3] flower is the caller's); g_kan_choice = 0.
void find_user_turn_options();

// The flower row of the own-turn pop-up: enabled while the user's 14 slots
// hold at least one flower, no more than the wall can replace, and the
// turn does not follow a pung or chow.
bool user_flower_row_enabled();

// The user discards the tile of the slot (0..13): river and discard history,
// the hand sorted with its gap in slot 13, the discarded scene (211).
void discard_user_slot(int slot);

// The user sets aside the flower `tile` (one flower) or, with all = 1,
// every flower held: the flower scene, through the shout pause.
void declare_user_flower(int tile, int all);
