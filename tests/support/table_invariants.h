// What holds in every frame of a hand: tiles conserved, the wall only
// shrinking from its end, melds matching their marked slots, hand sizes
// fitting the scene, river and flower records well formed. Each broken rule
// is one line of text, so a test can assert on the list and print it.
#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "base/table_state.h"

class TableInvariants {
 public:
  // Remembers the wall as the hand starts (after the shuffle, or after a
  // test plants its own wall) and whether flowers are in play.
  void begin_hand();

  // Every violation in the current table state. Before begin_hand the wall
  // history is not checked. Remembers the wall count, so that a later call
  // catches a wall that grew.
  std::vector<std::string> check();

 private:
  bool started_ = false;
  bool flowers_on_ = true;
  std::array<int, kWallCapacity> wall_{};
  int wall_count_ = 0;
};

// A tile held off the wall and the place that holds it: a seat (-1 the
// wall) and what of it ("hand", "river", "wall entry" with an index).
struct PlacedTile {
  int tile;
  int seat;
  const char* what;
  int index = -1;
  std::string where() const;  // "seat 2: river"
};

// Calls visit(PlacedTile) for every tile off the wall: hands, the fourth
// tile of each kong, live river entries and flowers set aside.
template <typename Visit>
void for_each_tile_off_the_wall(Visit visit) {
  for (int seat = 0; seat < kSeats; ++seat) {
    for (int slot : g_hand[seat])
      if (slot != 0) visit(PlacedTile{tile_of(slot), seat, "hand"});
    for (int meld : g_melds[seat])
      if (meld != 0 && is_kong_meld(meld)) visit(PlacedTile{meld_tile(meld), seat, "kong"});
    for (int i = 0; i < std::clamp(g_river_count[seat], 0, kRiverCapacity); ++i)
      if (g_river[seat][i] != 0) visit(PlacedTile{tile_of(g_river[seat][i]), seat, "river"});
    for (int i = 0; i < std::clamp(g_hana[seat].count, 0, kMaxFlowers); ++i)
      visit(PlacedTile{g_hana[seat].tiles[i], seat, "flower record"});
  }
}

// The same tiles as a list.
std::vector<PlacedTile> tiles_off_the_wall();

// One violation a line, for failure messages.
std::string join_lines(const std::vector<std::string>& lines);
