#include "com/target/com_target.h"

#include <algorithm>
#include <cstring>

#include "base/ai_record.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "base/yaku_table.h"
#include "com/hand_terms.h"
#include "com/target/target_script.h"

namespace {

void clear_seat_target(int seat) {
  g_ai_target_yaku[seat] = 0;
  g_ai_target_variant[seat] = 0;
  std::memset(g_ai_chow_candidates[seat], 0, sizeof g_ai_chow_candidates[seat]);
  std::memset(g_ai_chow_candidate_variants[seat], 0, sizeof g_ai_chow_candidate_variants[seat]);
  g_ai_chow_near_ready[seat] = 0;
}

// A seat with four melds waits on one tile: its aim stays as it was.
bool keeps_aim_at_four_melds(int seat) { return g_melds[seat][kMeldSlots - 1] != 0; }

// The script of character 1..6 once the seat's visible counts are made.
void run_script_on_counted_table(int seat, int character) {
  count_hand_tiles(seat);
  clear_seat_target(seat);
  run_target_script(seat, character);
}

void select_target(int seat, int character) {
  if (keeps_aim_at_four_melds(seat)) return;
  count_visible_tiles(seat);
  run_script_on_counted_table(seat, character);
}

// The script that character 0..6 runs (COM1's for the user), 0 for none.
int script_of_character(int character) {
  if (character < 0 || character > 6) return 0;
  return character >= 2 ? character : 1;
}

}  // namespace

void select_target_com1(int seat) { select_target(seat, 1); }
void select_target_com2(int seat) { select_target(seat, 2); }
void select_target_com3(int seat) { select_target(seat, 3); }
void select_target_com4(int seat) { select_target(seat, 4); }
void select_target_com5(int seat) { select_target(seat, 5); }
void select_target_com6(int seat) { select_target(seat, 6); }

void select_target_of_character(int character, int seat) {
  // No character has a script beyond 0..6: such a seat keeps its record.
  const int script = script_of_character(character);
  if (script != 0) select_target(seat, script);
}

void com_select_target(int seat) {
  // The counts are made for every seat, also one whose aim stays.
  count_visible_tiles(seat);
  const int script = script_of_character(g_seat_character[seat]);
  if (script != 0 && !keeps_aim_at_four_melds(seat)) run_script_on_counted_table(seat, script);
}

void com_select_target_all_seats() {
  for (int seat = 0; seat < kSeats; ++seat) com_select_target(seat);
}

bool aims_at_any(int seat, std::initializer_list<int> ids) {
  return std::find(ids.begin(), ids.end(), g_ai_target_yaku[seat]) != ids.end();
}

int target_latest_discard() {
  const int d = g_discarder;
  if (d < 0 || d >= kSeats || g_river_count[d] <= 0 || g_river_count[d] > kRiverCapacity) return 0;
  return g_river[d][g_river_count[d] - 1] % 100;
}

int latest_discard_for_chow(int seat) { return seat == next_seat(g_discarder) ? target_latest_discard() : 0; }

bool is_dead_tile(int tile) { return is_playing_tile(tile) && seen_by_all(tile) >= 4; }

void clear_target_records() {
  for (int seat = 0; seat < kSeats; ++seat) clear_seat_target(seat);
}

void reset_com_target_state() {
  clear_target_records();
  reset_target_script_state();
}
