// Table states for the drawing tests and the screenshots: each starts from
// the program's fresh state (reset_program_state) and writes the table
// records of one moment of a hand. What a test sets up for drawing comes
// after it.
#pragma once

#include <initializer_list>
#include <string_view>

// A hand of `free_tiles`, then the given melds ({kind, tile, source}), then
// `drawn` in slot 13 (0 for none), as the table keeps a hand.
struct MeldSpec {
  int kind, tile, source;
};
void set_hand_with_melds(int seat, std::string_view free_tiles, std::initializer_list<MeldSpec> melds, int drawn);

// Appends discards to a seat's river (every `grey_every`-th one drawn and
// discarded, 0 for none).
void add_discards(int seat, std::string_view tiles, int grey_every = 0);

void set_flowers(int seat, std::string_view flowers);

// Mid-hand: every seat with melds of every kind, flowers, long rivers (seat
// 0 and seat 3 with 25 discards), the user's turn with a drawn tile; dealer
// 2, first dealer 1, south round, scores of both signs.
void build_mid_hand();

// The end of a hand: the mid-hand table won by seat 1 on seat 0's discard
// with seven patterns found, or drawn out (every hand revealed, the banner on).
void build_win();
void build_exhaustive_draw();
