// The distance to ready and the waiting-tile search judge the same hands from
// two sides: a 13-tile hand is at distance 0 in some form exactly when it has
// a wait. The one gap is a hand whose only wait is a tile of which it already
// holds every copy: the distance counts shapes, the waits count live tiles.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "base/shanten.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "base/waits.h"
#include "support/distance_reference.h"
#include "support/hai_table_once.h"
#include "support/hand_builder.h"

namespace {

struct Meld {
  int kind;
  int tile;
};

struct TestHand {
  std::vector<int> free;  // concealed tiles
  std::vector<Meld> melds;
};

// Copies of `tile` held or declared (a kong is four).
int copies(const TestHand& h, int tile) {
  int n = static_cast<int>(std::count(h.free.begin(), h.free.end(), tile));
  for (const Meld& m : h.melds) {
    if (m.kind == kMeldChow) n += tile >= m.tile && tile <= m.tile + 2;
    else if (m.tile == tile) n += is_kong_meld(make_meld(0, m.kind, m.tile)) ? 4 : 3;
  }
  return n;
}

// Four sets and a pair within four copies of every tile, some sets declared.
TestHand complete_normal_hand(std::mt19937& rng) {
  for (;;) {
    TestHand h;
    const int declared = static_cast<int>(rng() % 3);
    bool fits = true;
    for (int s = 0; s < 4 && fits; ++s) {
      const int t = kPlayingTiles[rng() % kPlayingTiles.size()];
      const bool chow = is_suited(t) && rank_of(t) <= 7 && rng() % 2;
      std::vector<int> tiles = chow ? std::vector<int>{t, t + 1, t + 2} : std::vector<int>{t, t, t};
      for (int x : tiles) fits = fits && copies(h, x) + std::count(tiles.begin(), tiles.end(), x) <= 4;
      if (!fits) break;
      if (s < declared) {
        const int kind = chow ? kMeldChow : (rng() % 3 == 0 ? kMeldConcealedKong + static_cast<int>(rng() % 2) : kMeldPung);
        if (is_kong_meld(make_meld(0, kind, t)) && copies(h, t) > 0) fits = false;
        h.melds.push_back({kind, t});
      } else {
        h.free.insert(h.free.end(), tiles.begin(), tiles.end());
      }
    }
    const int pair = kPlayingTiles[rng() % kPlayingTiles.size()];
    if (!fits || copies(h, pair) > 2) continue;
    h.free.insert(h.free.end(), 2, pair);
    return h;
  }
}

TestHand complete_closed_hand(std::mt19937& rng) {
  TestHand h;
  switch (rng() % 4) {
    case 0: {  // seven pairs, a kind sometimes twice
      while (h.free.size() < 14) {
        const int t = kPlayingTiles[rng() % kPlayingTiles.size()];
        if (copies(h, t) <= 2) h.free.insert(h.free.end(), 2, t);
      }
      break;
    }
    case 1:  // thirteen orphans
      h.free.assign(g_terminal_honour_tiles.begin(), g_terminal_honour_tiles.end());
      h.free.push_back(g_terminal_honour_tiles[rng() % 13]);
      break;
    case 2: {  // knitted straight: an arrangement, a set and a pair
      const auto& k = g_knitted_tiles[rng() % kKnittedArrangements];
      h.free.assign(k.begin(), k.end());
      const int t = kPlayingTiles[rng() % kPlayingTiles.size()];
      if (is_suited(t) && rank_of(t) <= 7 && rng() % 2) h.free.insert(h.free.end(), {t, t + 1, t + 2});
      else h.free.insert(h.free.end(), 3, t);
      h.free.insert(h.free.end(), 2, kPlayingTiles[rng() % kPlayingTiles.size()]);
      for (int x : h.free)
        if (copies(h, x) > 4) return complete_closed_hand(rng);
      break;
    }
    default: {  // honours and knitted: 14 of the 16 tiles
      const auto& tiles = g_knitted_honour_tiles[rng() % kKnittedArrangements];
      std::vector<int> all(tiles.begin(), tiles.end());
      std::shuffle(all.begin(), all.end(), rng);
      h.free.assign(all.begin(), all.begin() + 14);
    }
  }
  return h;
}

// A complete hand less one tile (ready), sometimes with one more tile changed.
TestHand test_hand(std::mt19937& rng) {
  TestHand h = rng() % 3 == 0 ? complete_closed_hand(rng) : complete_normal_hand(rng);
  std::shuffle(h.free.begin(), h.free.end(), rng);
  h.free.pop_back();
  if (rng() % 2) {
    const int t = kPlayingTiles[rng() % kPlayingTiles.size()];
    if (copies(h, t) < 4) h.free.back() = t;
  }
  return h;
}

void seat_hand(const TestHand& h) {
  std::fill(g_hand[0], g_hand[0] + kHandSlots, 0);
  std::fill(g_melds[0], g_melds[0] + kMeldSlots, 0);
  std::copy(h.free.begin(), h.free.end(), g_hand[0]);
  sort_hand_slots(g_hand[0]);
  for (const Meld& m : h.melds) add_meld(0, m.kind, m.tile);
}

// The hand would be four sets and a pair with a fifth copy of a tile it holds four of.
bool only_wait_is_exhausted(const TestHand& h) {
  std::vector<int> counts(kTileCodes, 0);
  for (int t : h.free) ++counts[t];
  for (int t : kPlayingTiles) {
    if (copies(h, t) < 4) continue;
    ++counts[t];
    const bool complete = reference_normal_distance(counts.data(), static_cast<int>(h.melds.size())) == -1;
    --counts[t];
    if (complete) return true;
  }
  return false;
}

TEST(ShantenAndWaits, DistanceZeroExactlyWhenThereIsAWait) {
  fill_hai_table_once();
  reset_table_state();
  reset_visible_state();
  std::mt19937 rng(5);
  int ready = 0;
  int exhausted = 0;
  for (int n = 0; n < 40000; ++n) {
    const TestHand h = test_hand(rng);
    seat_hand(h);
    calc_shanten(0, kDrawSlot);
    const int distance = std::min({g_shanten_normal, g_shanten_chiitoi, g_shanten_kokushi, g_shanten_knitted});
    std::copy(g_hand[0], g_hand[0] + kHandSlots, g_wait_hand);
    g_wait_slot = kDrawSlot;
    find_waits();
    ASSERT_GE(distance, 0) << format_tiles(g_hand[0], kHandSlots);
    if (distance == 0 && g_wait_count == 0 && only_wait_is_exhausted(h)) {
      ++exhausted;
      continue;
    }
    ASSERT_EQ(distance == 0, g_wait_count > 0) << format_tiles(g_hand[0], kHandSlots) << " distance " << distance;
    ready += distance == 0;
  }
  EXPECT_GT(ready, 10000);
  EXPECT_GT(exhausted, 0);
}

}  // namespace
