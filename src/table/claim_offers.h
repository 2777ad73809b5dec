// The claims on a discard before they are carried out: the COM seats'
// flags checked against their hands, and the user's claim panel offered.
#pragma once

// Drops every pung, chow and kong flag that the seat's free tiles cannot
// make on the latest discard of g_discarder.
void recheck_naki_flags();

// Fills g_user_naki_options (and g_chi_shapes, g_chi_positions) for the
// user on the discard of `discarder` and opens the claim panel (scene 560)
// when a row is enabled and no COM seat would take the discard first.
void find_user_naki_options(int seat, int discarder);

// Free copies of tile in the seat's slots 0..last_slot.
int free_copies(int seat, int tile, int last_slot);

// True when the seat's free tiles can chow the tile in shape variant 1..3
// (the tile as the highest, middle or lowest of the run).
bool chow_shape_possible(int seat, int tile, int variant);
