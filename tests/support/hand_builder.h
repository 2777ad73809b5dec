// Compact builders for test hands: "123m 456p 789s 11z 3f" names tiles by
// rank digits followed by a suit letter (m characters, p dots, s bamboo,
// z honours 1-7 = East South West North white green red, f flowers 1-8).
// Spaces are optional separators. A malformed string throws
// std::invalid_argument naming the offending text, so a typo in a test
// fails loudly instead of building a different hand.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/tiles.h"

// Tile codes in the order written.
std::vector<int> parse_tiles(std::string_view text);

// Up to 14 tiles as hand slots (marker 0), sorted ascending, empty slots last.
std::array<int, kHandSlots> make_hand(std::string_view text);

// Writes the seat's g_hand as make_hand does (all 14 slots replaced).
void set_hand(int seat, std::string_view text);

// Declares a meld for the seat: appends its code to the seat's first free
// g_melds entry and puts its three marked slots into empty
// slots of g_hand, then re-sorts the hand. kind is a MeldKind; tile the
// meld's tile (lowest of a chow); source the meld code's source digit
// (-1 picks 1 for a concealed kong and 0 otherwise). Throws
// std::invalid_argument when the hand has no three empty slots, the meld
// list is full or the tile cannot form that meld. Returns the meld code.
int add_meld(int seat, int kind, int tile, int source = -1);

// Sorts 14 slot values ascending with empty slots last, as the table keeps hands.
void sort_hand_slots(int* slots);

// "123m 55z" style text for tile codes (free slots; markers shown as
// "+<marker>" after the tile, empty slots skipped), for readable failures.
std::string format_tiles(const int* slots, int count);
std::string format_tiles(const std::vector<int>& tiles);
