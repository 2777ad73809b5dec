// What the pung, honour and special-form selectors read alike: the seat's
// declared melds gathered once, the best knitted arrangement of the hand,
// and the write of an aim.
#pragma once

#include <array>
#include <cstddef>

#include "base/ai_record.h"
#include "core/tiles.h"
#include "base/visible.h"

// The seat's declared melds (g_melds) as counts.
struct MeldTally {
  int melds = 0;            // declared melds, 0..4
  int chows = 0;
  int concealed_kongs = 0;
  int melded_kongs = 0;     // melded and added kongs
  std::array<bool, kTileCodes> pung{};  // a pung or kong meld of that tile
};
MeldTally tally_melds(int seat);

// Pung or kong melds of the listed tiles.
template <std::size_t N>
int pung_melds_among(const MeldTally& m, const std::array<int, N>& tiles) {
  int n = 0;
  for (int t : tiles) n += m.pung[t] ? 1 : 0;
  return n;
}

// Sets the seat's target and its variant.
void write_aim(int seat, int yaku, int variant);

struct KnittedBest {
  int arrangement = 0;  // 0..5, the first of the best on ties
  int score = 0;        // tiles of the arrangement present among the free tiles
};

// Scores every knitted arrangement by the kinds of it the hand holds (each
// kind once, g_hand_counts); an arrangement with `dead_limit` or more of its
// kinds fully visible scores 0.
template <std::size_t N>
KnittedBest best_knitted(const std::array<std::array<int, N>, kKnittedArrangements>& arrangements, int dead_limit) {
  KnittedBest best;
  for (int a = 0; a < kKnittedArrangements; ++a) {
    int present = 0;
    int dead = 0;
    for (int t : arrangements[a]) {
      present += g_hand_counts[t] > 0 ? 1 : 0;
      dead += g_visible_counts[t] >= 4 ? 1 : 0;
    }
    const int score = dead >= dead_limit ? 0 : present;
    if (score > best.score) best = {a, score};
  }
  return best;
}
