// The claims on a discard before they are carried out: the COM seats'
// flags checked against their hands, and the user's claim panel offered.
#pragma once

constexpr int kOfferMark = 200;  // added to the river entry offered to the user

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

// The two hand tiles (which 0 the lower, 1 the higher) of chow shape
// `variant` on `tile`: 1 the tile as the highest, 2 the middle, 3 the lowest.
constexpr int chow_partner(int tile, int variant, int which) {
  const int lowest = tile + variant - 3;
  const int first = lowest == tile ? lowest + 1 : lowest;
  const int second = lowest + 2 == tile ? lowest + 1 : lowest + 2;
  return which == 0 ? first : second;
}
static_assert(chow_partner(5, 1, 0) == 3 && chow_partner(5, 1, 1) == 4);
static_assert(chow_partner(5, 2, 0) == 4 && chow_partner(5, 2, 1) == 6);
static_assert(chow_partner(5, 3, 0) == 6 && chow_partner(5, 3, 1) == 7);
