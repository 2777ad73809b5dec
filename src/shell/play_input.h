// The in-play mouse handlers, one entry point per scene and button. Each
// reads the pointer position of the previous mouse message (g_mouse_x,
// g_mouse_y); input.h routes the messages here.
#pragma once

#include "shell/play_layout.h"

// The user's hand slot (0..13) under the point among the slots `eligible`
// accepts; -1 for none. Neighbouring boxes share two columns, where the
// higher slot wins; slot 13 wins over all.
int user_slot_under(int x, int y, bool (*eligible)(int slot));

// Opens the own-turn pop-up or a claim panel centred on the pointer, kept
// inside the window, with no row or tile marked yet.
void open_popup_at_pointer(int half_height, int max_y);

// Own turn (210): hand tile or pop-up row; discard, flower or row; pop-up.
void hover_turn();
void click_turn();
void toggle_turn_popup();

// Claim and robbing panels (560, 570).
void hover_claim_panel();
void click_claim_panel();
void click_robbing_panel();
void toggle_claim_panel();

// Kong and chow choices (810, 820).
void hover_kong_choice();
void click_kong_choice();
void leave_kong_choice();
void hover_chow_choice();
void click_chow_choice();
void leave_chow_choice();

// Result screens (700, 710); their right click is the table's panel toggle.
void hover_hand_result();
void click_hand_result();
void click_win_display();
