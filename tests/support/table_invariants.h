// What holds in every frame of a hand: tiles conserved, the wall only
// shrinking from its end, melds matching their marked slots, hand sizes
// fitting the scene, river and flower records well formed. Each broken rule
// is one line of text, so a test can assert on the list and print it.
#pragma once

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

// Every tile off the wall: hands, the fourth tile of each kong, live river
// entries and flowers set aside.
std::vector<PlacedTile> tiles_off_the_wall();

// One violation a line, for failure messages.
std::string join_lines(const std::vector<std::string>& lines);
