// Choosing the computer players' aims: the entry points that fill the target
// record (base/ai_record.h) through the character's target script, and the
// tests the selectors share.
#pragma once

#include <initializer_list>

#include "base/ai_record.h"
#include "base/visible.h"
#include "base/yaku_table.h"
#include "core/tiles.h"

// Rechooses the seat's target through the script of its character (the
// user's seat and COM1 share COM1's); visible counts first. A character
// outside 0..6 runs no script.
void com_select_target(int seat);
void com_select_target_all_seats();

// The six characters' scripts. A seat with four declared melds keeps its
// previous choice; otherwise the visible counts and g_hand_counts are rebuilt
// for the seat and the record is cleared before the script runs.
void select_target_com1(int seat);
void select_target_com2(int seat);
void select_target_com3(int seat);
void select_target_com4(int seat);
void select_target_com5(int seat);
void select_target_com6(int seat);
// The script of character 0..6 (0 and 1 both COM1's); any other runs none.
void select_target_of_character(int character, int seat);

// The keep test every selector starts with: true when the seat already aims
// at a pattern worth at least as many points as `yaku`.
// Inline: every selector call of a script run starts with it.
inline bool keeps_current_target(int seat, int yaku) {
  const int current = g_ai_target_yaku[seat];
  return current > 0 && g_yaku_table[current].points >= g_yaku_table[yaku].points;
}

// True when the seat aims at one of the ids: the gate of every rule of an
// aimed pattern and of every claim rule of one.
bool aims_at_any(int seat, std::initializer_list<int> ids);

// The latest discard: the last river tile of g_discarder, 0 when that river is empty.
int target_latest_discard();
// The latest discard when the seat is the one that could chow it, else 0.
int latest_discard_for_chow(int seat);
// A kind held exactly twice (g_hand_counts) with fewer than 2 copies
// visible, or fewer than 3 when it is the latest discard.
// Inline: the selectors ask it of every kind in their loops, and most kinds
// are not held twice.
inline bool is_live_pair(int tile) {
  if (!is_playing_tile(tile) || g_hand_counts[tile] != 2) return false;
  return g_visible_counts[tile] < (tile == target_latest_discard() ? 3 : 2);
}
// All four copies visible.
bool is_dead_tile(int tile);

// Clears the record of every seat (a new hand).
void clear_target_records();

void reset_com_target_state();
