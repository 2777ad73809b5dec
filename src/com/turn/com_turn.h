// The turn of a COM seat after its draw or its claim: one call decides and
// starts exactly one of a self-drawn win, a flower declaration or a discard.
#pragma once

extern int g_ai_drawn_tile;  // slot 13 at the start of the turn: the tile drawn or moved there after a claim

// Seat 1..3, called on every frame of the seat's turn scene.
void com_turn(int seat);

// Discards the tile of the slot: the other slots 0..12 sorted, the tile
// recorded in the river (drawn-and-discarded when it is g_ai_drawn_tile and
// the turn followed a draw), the seat's discarded scene next.
void com_discard(int seat, int slot);

void reset_com_turn_state();
