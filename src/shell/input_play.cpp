#include "shell/input.h"

// The in-play clicks are filled in with the user's turn.
void play_mouse_move() {}
void play_left_click() {}
void play_right_click() {}
