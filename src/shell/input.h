// Mouse input: pointer movement and clicks, routed by scene. A click is judged
// at the position of the previous mouse message (g_mouse_x, g_mouse_y).
#pragma once

void on_mouse_move();
void on_left_click();
void on_right_click();

// True for the front-end, setting, statistics and help scenes.
bool is_front_end_scene(int scene);

// The front-end screens' handlers (title, menu, settings, statistics, help).
void front_end_mouse_move();
void front_end_left_click();
void front_end_right_click();

// The in-play handlers (the hand, the panels and the result screens).
void play_mouse_move();
void play_left_click();
void play_right_click();
