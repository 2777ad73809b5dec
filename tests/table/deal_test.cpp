#include <algorithm>
#include <array>
#include <vector>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/sound.h"
#include "flow/deal.h"
#include "support/hand_builder.h"
#include "support/table_fixture.h"

namespace {

using Hands = std::array<std::array<int, kHandSlots>, kSeats>;

// Who receives the i-th tile off the wall: three rounds in which each seat
// from the dealer takes four tiles into its next four slots, then one tile
// each into slot 12.
Hands expected_deal(const std::vector<int>& wall, int dealer) {
  Hands hands{};
  for (int i = 0; i < 52; ++i) {
    const int tile = wall[wall.size() - 1 - i];
    if (i < 48)
      hands[(dealer + i / 4 % 4) % 4][4 * (i / 16) + i % 4] = tile;
    else
      hands[(dealer + i - 48) % 4][12] = tile;
  }
  return hands;
}

int tiles_held(int seat) {
  return static_cast<int>(std::count_if(std::begin(g_hand[seat]), std::end(g_hand[seat]), [](int s) { return s != 0; }));
}

class Deal : public TableTest, public ::testing::WithParamInterface<int> {};

TEST_P(Deal, EachSeatFromTheDealerTakesFourThenOne) {
  const int dealer = GetParam();
  start_hand(dealer);
  const std::vector<int> wall(g_wall, g_wall + g_wall_count);

  run_frames(kDealWaitFrames + kDealFirstBlock);
  for (int seat = 0; seat < kSeats; ++seat) EXPECT_EQ(tiles_held(seat), 0) << "nothing dealt before the first step";
  run_frames(1);
  EXPECT_EQ(tiles_held(dealer), 4);
  EXPECT_EQ(g_deal_step, kDealFirstBlock + 1);
  run_frames(kDealLastSingle - kDealFirstBlock);
  EXPECT_EQ(g_wall_count, static_cast<int>(wall.size()) - 52);
  EXPECT_EQ(g_se_request[SE_OPEN], 0);
  const Hands expected = expected_deal(wall, dealer);
  for (int seat = 0; seat < kSeats; ++seat)
    EXPECT_TRUE(std::equal(expected[seat].begin(), expected[seat].end(), g_hand[seat]))
        << "seat " << seat << " holds " << format_tiles(g_hand[seat], kHandSlots) << ", expected "
        << format_tiles(expected[seat].data(), kHandSlots);

  EXPECT_EQ(run_until_scene(SCENE_SORT_HANDS), kDealEnd - kDealLastSingle);
  EXPECT_EQ(g_se_request[SE_OPEN], 1);
  EXPECT_EQ(g_deal_step, kDealEnd + 1);
}

TEST_P(Deal, SortThenInitialFlowersFromTheDealer) {
  const int dealer = GetParam();
  start_hand(dealer);
  ASSERT_EQ(run_until_scene(SCENE_SORT_HANDS), kDealWaitFrames + kDealEnd + 1);
  const Hands dealt = [] {
    Hands h{};
    for (int seat = 0; seat < kSeats; ++seat) std::copy(g_hand[seat], g_hand[seat] + kHandSlots, h[seat].begin());
    return h;
  }();
  run_frames(kSortAtFrame - 1);
  for (int seat = 0; seat < kSeats; ++seat) EXPECT_TRUE(std::equal(dealt[seat].begin(), dealt[seat].end(), g_hand[seat]));
  run_frames(1);
  for (int seat = 0; seat < kSeats; ++seat) {
    std::array<int, kHandSlots> sorted = dealt[seat];
    std::sort(sorted.begin(), sorted.begin() + 13);
    EXPECT_TRUE(std::equal(sorted.begin(), sorted.end(), g_hand[seat])) << "seat " << seat;
  }
  EXPECT_EQ(run_until_scene(SCENE_INITIAL_FLOWERS), kSortEndFrame - kSortAtFrame);
  EXPECT_EQ(g_turn_seat, dealer);
  EXPECT_EQ(g_scene_frame, 0);
}

INSTANTIATE_TEST_SUITE_P(EveryDealer, Deal, ::testing::Values(0, 1, 2, 3));

// Seat 1 deals; it holds two flowers, seat 3 one; the wall's next tiles are
// 4f 5m 6m 7m.
class InitialFlowers : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    g_dealer = 1;
    set_hand(0, "789m 789p 123s 44z 77z");
    set_hand(1, "123m 456p 789s 11z 1f 2f");
    set_hand(2, "123m 456p 789s 22z 55z");
    set_hand(3, "456m 123p 456s 33z 6z 3f");
    plant_wall(parse_tiles("4f 5m 6m 7m"));
    g_scene = SCENE_INITIAL_FLOWERS;
    g_turn_seat = g_dealer;
  }
  int start_count() const { return 144 - 4 * 13; }
};

TEST_F(InitialFlowers, NoneSetAsideStaysOneFramePerSeat) {
  g_options[opt_flowers_after_deal] = 0;
  EXPECT_EQ(run_until_scene(SCENE_SEAT1_DRAW), 4);
  EXPECT_EQ(g_hana[1].count, 0);
  EXPECT_EQ(format_tiles(g_hand[1], kHandSlots), "123m 456p 789s 11z 12f");
  EXPECT_EQ(g_wall_count, start_count());
  EXPECT_EQ(g_se_request[SE_HANA], 0);
}

TEST_F(InitialFlowers, OncePassLeavesAReplacementFlowerInTheHand) {
  g_options[opt_flowers_after_deal] = 1;
  run_frames(kInitialFlowerSetAside);
  EXPECT_EQ(g_hand[1][11], 0);
  EXPECT_EQ(g_hand[1][12], 0);
  EXPECT_EQ(g_hana[1].pending, 2);
  EXPECT_EQ(g_se_request[SE_HANA], 1);
  run_frames(kInitialFlowerReplace - kInitialFlowerSetAside);
  EXPECT_EQ(g_hand[1][11], 44) << "the replacement takes the slot its flower left";
  EXPECT_EQ(g_hand[1][12], 5);
  EXPECT_EQ(g_hana[1].pending, 0);

  // Seat 1 to frame 26, seat 2 one frame, seat 3 26 frames, seat 0 one.
  EXPECT_EQ(run_until_scene(SCENE_SEAT1_DRAW), kInitialFlowerNextSeat - kInitialFlowerReplace + 1 + 26 + 1);
  EXPECT_EQ(format_tiles(g_hana[1].tiles, g_hana[1].count), "12f");
  EXPECT_EQ(format_tiles(g_hana[3].tiles, g_hana[3].count), "3f");
  EXPECT_EQ(format_tiles(g_hand[3], kHandSlots), "456m 123p 456s 336z 6m");
  EXPECT_EQ(g_wall_count, start_count() - 3);
  EXPECT_EQ(g_turn_seat, 1);
}

TEST_F(InitialFlowers, RepeatedPassSetsAsideReplacementFlowersToo) {
  g_options[opt_flowers_after_deal] = 2;
  EXPECT_EQ(run_until_scene(SCENE_SEAT1_DRAW), kInitialFlowerReplace + 26 + 1 + 26 + 1);
  EXPECT_EQ(format_tiles(g_hana[1].tiles, g_hana[1].count), "124f");
  EXPECT_EQ(format_tiles(g_hand[1], kHandSlots), "123m 456p 789s 11z 65m");
  EXPECT_EQ(format_tiles(g_hand[3], kHandSlots), "456m 123p 456s 336z 7m");
  EXPECT_EQ(g_wall_count, start_count() - 4);
}

TEST_F(InitialFlowers, WallRunningOutAmongReplacementsEndsTheHand) {
  g_options[opt_flowers_after_deal] = 1;
  g_hana[0] = HanaRecord{{44, 45, 46, 47, 48}, 5, 0};
  plant_wall(parse_tiles("5m"), 1);
  EXPECT_EQ(run_until_scene(SCENE_EXHAUSTIVE_DRAW), kInitialFlowerReplace);
  EXPECT_EQ(g_wall_count, 0);
  EXPECT_EQ(g_hand[1][11], 5);
  EXPECT_EQ(g_scene_frame, 0);
}

// Seeded hands from the set-up to the dealer's draw, every frame checked.
TEST_F(TableTest, SeededHandsReachTheDealersDraw) {
  for (int mode = 0; mode <= 2; ++mode) {
    for (int hand = 0; hand < 8; ++hand) {
      SCOPED_TRACE(testing::Message() << "after-deal mode " << mode << ", hand " << hand);
      g_options[opt_flowers_after_deal] = mode;
      g_options[opt_flowers] = hand % 4 == 3 ? 0 : 2;
      const int dealer = hand % 4;
      start_hand(dealer);
      ASSERT_GT(run_until_scene(seat_draw_scene(dealer)), 0);
      int set_aside = 0;
      for (int seat = 0; seat < kSeats; ++seat) {
        set_aside += g_hana[seat].count;
        EXPECT_EQ(tiles_held(seat), 13);
        EXPECT_EQ(g_hana[seat].pending, 0);
        const bool has_flower = std::any_of(std::begin(g_hand[seat]), std::end(g_hand[seat]), is_flower);
        if (mode == 2) {
          EXPECT_FALSE(has_flower) << "seat " << seat;
        }
      }
      if (mode == 0) {
        EXPECT_EQ(set_aside, 0);
      }
      EXPECT_EQ(g_wall_count, (hand % 4 == 3 ? 136 : 144) - 52 - set_aside);
    }
  }
}

}  // namespace
