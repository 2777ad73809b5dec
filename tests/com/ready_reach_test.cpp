#include "com/turn/ready_reach.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "base/table_state.h"
#include "core/hai_table.h"
#include "core/waits.h"
#include "support/hai_table_once.h"
#include "support/hand_builder.h"

namespace {

constexpr int kSeat = 1;

class TooFarToGetReady : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    fill_hai_table_once();
  }
  void SetUp() override { reset_table_state(); }
  // The seat's slots 0-12 as written, the tile taken in slot 13.
  static const int (&with_tile(const char* hand, const char* tile))[kHandSlots] {
    set_hand(kSeat, hand);
    g_hand[kSeat][kDrawSlot] = parse_tiles(tile)[0];
    return g_hand[kSeat];
  }
};

// 1111m 3579p 258s 13z is four away in the normal form and in seven pairs,
// five in honours and knitted, eight in thirteen orphans.
TEST_F(TooFarToGetReady, WorkedHands) {
  EXPECT_TRUE(too_far_to_get_ready(with_tile("1111m 3579p 258s 13z", "2z")));
  EXPECT_FALSE(too_far_to_get_ready(with_tile("1111m 3579p 258s 13z", "1m"))) << "a fifth copy";
  EXPECT_TRUE(too_far_to_get_ready(with_tile("123m 456p 789s 1234z", "5z"))) << "two away: three sets, four lone honours";
  EXPECT_FALSE(too_far_to_get_ready(with_tile("123m 456p 789s 11z 2z 3z", "2z"))) << "one away";
  EXPECT_FALSE(too_far_to_get_ready(with_tile("19m 19p 19s 123456z", "7z"))) << "thirteen orphans ready";
  set_hand(kSeat, "456m 79p 258s 13z");
  add_meld(kSeat, kMeldChow, 1);
  EXPECT_TRUE(too_far_to_get_ready(g_hand[kSeat])) << "the meld counts: three away";
  g_hand[kSeat][std::find(g_hand[kSeat], g_hand[kSeat] + kHandSlots, 0) - g_hand[kSeat]] = make_slot(5, kChowSlot);
  EXPECT_FALSE(too_far_to_get_ready(g_hand[kSeat])) << "four marked slots are no whole meld";
  g_hai_table_loaded = 0;
  EXPECT_FALSE(too_far_to_get_ready(with_tile("1111m 3579p 258s 13z", "2z"))) << "no distances yet";
  g_hai_table_loaded = 1;
}

// Against the searches it spares: no discard of a hand it calls too far
// leaves waits, on hands of one suit, two suits and all tiles, with melds.
TEST_F(TooFarToGetReady, NoDiscardOfAHandTooFarLeavesWaits) {
  std::mt19937 rng(44);
  int far = 0, near = 0, ready = 0;
  for (int n = 0; n < 3000; ++n) {
    const int top = n % 3 == 0 ? kRed : (n % 3 == 1 ? 9 : 19);
    std::vector<int> wall;
    for (int t : kPlayingTiles)
      if (t <= top) wall.insert(wall.end(), 4, t);
    std::shuffle(wall.begin(), wall.end(), rng);
    const int melds = n % 4 == 3 ? 1 + static_cast<int>(rng() % 3) : 0;
    std::fill(g_hand[kSeat], g_hand[kSeat] + kHandSlots, 0);
    std::fill(g_melds[kSeat], g_melds[kSeat] + kMeldSlots, 0);
    std::copy(wall.begin(), wall.begin() + 13 - 3 * melds, g_hand[kSeat]);
    for (int m = 0; m < melds; ++m) add_meld(kSeat, kMeldChow, make_tile(m, 1));
    g_hand[kSeat][kDrawSlot] = wall[13];
    bool waits = false;
    for (int slot = 0; slot < kHandSlots; ++slot)
      if (is_free_slot(g_hand[kSeat][slot]) && waits_of(g_hand[kSeat], slot).count > 0) waits = true;
    const bool too_far = too_far_to_get_ready(g_hand[kSeat]);
    ASSERT_FALSE(too_far && waits) << format_tiles(g_hand[kSeat], kHandSlots) << " melds " << melds;
    ++(too_far ? far : near);
    ready += waits;
  }
  EXPECT_GT(far, 500);
  EXPECT_GT(near, 500);
  EXPECT_GT(ready, 100);
}

}  // namespace
