#include "shell/input.h"

// The front-end screens' clicks are filled in with those screens.
void front_end_mouse_move() {}
void front_end_left_click() {}
void front_end_right_click() {}
