// The centre of the table: round-wind plate, dice, wall count, the
// characters' names and the four scores, or, while the pointer rests on the
// centre, every other seat's lead over the user.
#pragma once

constexpr int kCentreViewFrames = 90;  // the difference view outlasts the pointer by this many drawings

struct TableCentreState {
  int view_frames = 0;  // drawings left of the difference view; 0 off (new hand: 0)
};
extern TableCentreState g_table_centre_state;

inline auto& g_centre_view_frames = g_table_centre_state.view_frames;

void draw_table_centre();

// One seat's score cells facing that seat: the value clamped to -9999..9999,
// four places, a minus sign before a negative value and, with `plus`, a plus
// sign before a positive one; then the points label.
void draw_seat_score(int seat, int value, bool plus);

void reset_table_centre_state();
