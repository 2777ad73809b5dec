// The panels that close a hand: the win panel with the patterns and points
// of the winning hand, the score boxes with the hand's changes, the
// next-hand and suspend buttons and the seat-change diagram. The scene
// handlers of the win (710) and the hand result (700) call the views.
#pragma once

// Win scene 710, one frame: the table; from frame 50 the win panel at
// (180, 245) unless hidden by the right click; then the open wall.
void draw_win_view();

// Hand-result scene 700, one frame: the table, then (unless hidden) the
// four score boxes, the open wall, the buttons and the seat-change diagram.
void draw_hand_result_view();

// The win panel at (x, y): every found pattern (flowers included) with its
// points in two columns of six, the total and, when the 88 cap cut it, the cap line.
void draw_win_panel(int x, int y);

// One seat's box at (x, y): its name, the total before the hand, the change
// and the new total.
void draw_score_change_box(int seat, int x, int y, int total, int change);
