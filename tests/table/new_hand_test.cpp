#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "base/ai_record.h"
#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "flow/new_hand.h"
#include "platform/platform.h"
#include "support/table_fixture.h"

namespace {

struct Replay {
  std::array<int, 2> dice;
  std::vector<int> wall;
  int next_draw;  // the generator's next number after the set-up
};

// The set-up's random use written out from the rules: dice first, then a
// Fisher-Yates pass from the top of a wall built in code order.
Replay replay_setup(std::uint32_t seed, bool flowers) {
  platform::rand_seed(seed);
  Replay r;
  r.dice = {platform::rand15() % 6, platform::rand15() % 6};
  for (int tile = 1; tile <= 37; ++tile)
    if (tile % 10 != 0)
      for (int copy = 0; copy < 4; ++copy) r.wall.push_back(tile);
  if (flowers)
    for (int flower = 41; flower <= 48; ++flower) r.wall.push_back(flower);
  for (int i = static_cast<int>(r.wall.size()); i >= 2; --i) std::swap(r.wall[i - 1], r.wall[platform::rand15() % i]);
  r.next_draw = platform::rand15();
  return r;
}

class NewHand : public TableTest, public ::testing::WithParamInterface<std::pair<std::uint32_t, int>> {};

TEST_P(NewHand, DiceAndWallFollowTheSeededDraws) {
  const auto [seed, flowers] = GetParam();
  g_options[opt_flowers] = flowers;
  platform::rand_seed(seed);
  setup_new_hand();
  const int next_draw = platform::rand15();

  const Replay expected = replay_setup(seed, flowers != 0);
  EXPECT_EQ(g_dice[0], expected.dice[0]);
  EXPECT_EQ(g_dice[1], expected.dice[1]);
  ASSERT_EQ(g_wall_count, static_cast<int>(expected.wall.size()));
  EXPECT_TRUE(std::equal(expected.wall.begin(), expected.wall.end(), g_wall));
  EXPECT_EQ(next_draw, expected.next_draw) << "the set-up drew a different number of random numbers";
  if (flowers == 0) {
    for (int i = 136; i < 144; ++i) EXPECT_EQ(g_wall[i], 41 + i - 136) << "flowers stay out of play at the end";
  }
  g_scene = SCENE_DEAL;
  invariants.begin_hand();
  expect_invariants();
}

INSTANTIATE_TEST_SUITE_P(Seeds, NewHand,
                         ::testing::Values(std::pair{1u, 2}, std::pair{20260611u, 1}, std::pair{7u, 0},
                                           std::pair{0xdeadbeefu, 0}));

TEST_F(TableTest, NewHandClearsThePreviousHand) {
  g_scores[2] = 30;
  g_dealer = 3;
  g_round_wind = 1;
  g_seat_character[1] = 4;
  g_hand[1][5] = 212;
  g_melds[1][0] = make_meld(0, kMeldPung, 12);
  g_river[3][0] = 7;
  g_river_count[3] = 1;
  g_discard_history_count[3] = 1;
  g_hana[2] = HanaRecord{{41, 42}, 2, 1};
  g_balloon[0] = 5;
  g_seat_state[1].false_win = 1;
  g_seat_state[1].ready_8_river_size = 9;
  g_seat_state[1].eval[3].words[0] = 77;
  g_dealt_in_seat = 2;
  g_winner = 3;
  g_hand_drawn = 1;
  g_scene_frame = 50;
  g_options[opt_open_wall] = 1;
  // A hand that ended on a kong replacement, a robbing win or during a claim.
  g_kong_draw_flag = 1;
  g_kong_this_turn = 1;
  g_discard_not_drawn = 1;
  g_naki_flags[2][1] = 1;
  g_robbing_flags[3] = 1;
  g_robbing_kong_flag = 1;
  AI[2].discard_reason = 52;
  AI[2].relax_level = 7;
  AI[3].naki_yaku = 31;
  AI[3].naki_reason = 900;

  setup_new_hand();

  EXPECT_EQ(g_hand[1][5], 0);
  EXPECT_EQ(g_melds[1][0], 0);
  EXPECT_EQ(g_river[3][0], 0);
  EXPECT_EQ(g_river_count[3], 0);
  EXPECT_EQ(g_discard_history_count[3], 0);
  EXPECT_EQ(g_hana[2].count, 0);
  EXPECT_EQ(g_hana[2].tiles[1], 0);
  EXPECT_EQ(g_hana[2].pending, 0);
  EXPECT_EQ(g_balloon[0], 0);
  EXPECT_EQ(g_seat_state[1].false_win, 0);
  EXPECT_EQ(g_seat_state[1].ready_8_river_size, 0);
  EXPECT_EQ(g_seat_state[1].eval[3].words[0], 0) << "a new hand invalidates the ready-discard records";
  EXPECT_EQ(g_dealt_in_seat, 9);
  EXPECT_EQ(g_winner, 0);
  EXPECT_EQ(g_hand_drawn, 0);
  EXPECT_EQ(g_scene_frame, 0) << "the deal counts its frames from 0";
  EXPECT_EQ(g_options[opt_open_wall], 0);
  EXPECT_EQ(g_kong_draw_flag, 0);
  EXPECT_EQ(g_kong_this_turn, 0);
  EXPECT_EQ(g_discard_not_drawn, 0);
  EXPECT_EQ(g_naki_flags[2][1], 0);
  EXPECT_EQ(g_robbing_flags[3], 0);
  EXPECT_EQ(g_robbing_kong_flag, 0);
  EXPECT_EQ(AI[2].discard_reason, 0) << "the decision record starts empty";
  EXPECT_EQ(AI[2].relax_level, 0);
  EXPECT_EQ(AI[3].naki_yaku, 0);
  EXPECT_EQ(AI[3].naki_reason, 0);
  // The match records survive.
  EXPECT_EQ(g_scores[2], 30);
  EXPECT_EQ(g_dealer, 3);
  EXPECT_EQ(g_round_wind, 1);
  EXPECT_EQ(g_seat_character[1], 4);
}

TEST_F(TableTest, NewHandDrawSpeedFromTheOptionClampedWhenOutOfRange) {
  for (int speed = 0; speed <= 5; ++speed) {
    g_options[opt_com_speed] = speed;
    setup_new_hand();
    EXPECT_EQ(g_draw_anim_frames, 4 * (speed + 1));
  }
  // A word read from a file may be anything; it falls back to the default speed 2.
  for (int bad : {6, -1, 1000}) {
    g_options[opt_com_speed] = bad;
    setup_new_hand();
    EXPECT_EQ(g_draw_anim_frames, 12) << "speed word " << bad;
  }
}

}  // namespace
