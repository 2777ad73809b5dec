// The table view drawn after every table scene and inside the scenes that
// draw themselves: background, centre, every seat's tiles, and the overlays
// the table state calls for.
#pragma once

// The whole table, once per frame. Counts down what the drawing counts: the
// river and meld slide-in offsets, the user's false-win timer and the
// centre's difference view.
void draw_table();

// The exhaustive-draw banner (shown by the table while g_draw_banner is 1).
void draw_exhaustive_banner();

// Resets the view's own state (the centre's difference view); part of the new-hand reset.
void reset_table_view_state();
