#include "com/aimed/chooser_scans.h"
#include "com/hand_terms.h"

bool is_two_triples_four_pairs() {
  int triples = 0;
  int pairs = 0;
  for (int tile : kPlayingTiles) {
    triples += held(tile) == 3 ? 1 : 0;
    pairs += held(tile) == 2 ? 1 : 0;
  }
  return triples == 2 && pairs == 4;
}

void keep_loosest_tiles() {
  int tiles = 0;
  int in_triples = 0;
  int in_pairs = 0;
  each_pool_tile([&](int, int tile) {
    ++tiles;
    in_triples += held(tile) == 3 ? 1 : 0;
    in_pairs += held(tile) == 2 ? 1 : 0;
    return false;
  });
  if (in_triples + in_pairs < tiles) {
    zero_pool_where([](int tile) { return held(tile) >= 2; });
  } else if (in_triples < tiles) {
    zero_pool_where([](int tile) { return held(tile) == 3; });
  }
}
