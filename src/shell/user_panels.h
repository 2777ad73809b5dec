// The user's pop-ups and choices, drawn over the table by their scenes'
// handlers: the own-turn pop-up (210), the claim and rob-the-kong panels
// (560, 570) and the kong and chow choices (810, 820).
#pragma once

// While g_popup_open: the frame and the win, kong and flower rows, each lit
// when enabled and hovered.
void draw_turn_popup();

// While g_popup_open: the frame and the win, pung, chow and kong rows.
void draw_claim_panel();

// The prompt and the tiles of the hovered kong candidate in their other look.
void draw_kong_choice();

// The prompt and, once a shape is hovered, its two tiles in their other look.
void draw_chow_choice();
