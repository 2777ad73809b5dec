// Kongs in a seat's own turn and robbing an added kong: meld codes and slot
// marks, who may rob and in what order, and the replacement draw.
#include <algorithm>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/table_state.h"
#include "com/target/com_target.h"
#include "support/hand_builder.h"
#include "support/table_fixture.h"
#include "table/kong_actions.h"

namespace {

class Kongs : public PlayTableTest {
 protected:
  // The kong seat holds a pung of 5p and has drawn the fourth; the wall is
  // planted with `draws` next.
  void pung_of_5p_and_the_fourth(int seat, const char* rest, const std::vector<int>& draws = {}) {
    set_hand(seat, rest);
    add_meld(seat, kMeldPung, 15, 1);
    g_hand[seat][kDrawSlot] = 15;
    plant_wall(draws);
    g_scene = seat_turn_scene(seat);
    g_scene_frame = 0;
  }
};

constexpr const char* kJunk0 = "17m 289p 369s 1234z 5z";
constexpr const char* kJunk = "19m 19p 47s 567z 22p 8s 6z";
constexpr const char* kWaits5pA = "46p 111s 222s 333s 99s";
constexpr const char* kWaits5pB = "46p 777s 888s 123m 99m";

TEST_F(Kongs, AddedKongRobbedByAComSeatTurnsBackIntoItsPung) {
  set_hand(0, kJunk0);
  set_hand(2, kWaits5pA);
  set_hand(3, kJunk);
  pung_of_5p_and_the_fourth(1, "123m 456m 789m 1z");
  ASSERT_TRUE(try_added_kan(1));
  EXPECT_EQ(g_scene, SCENE_KONG_DRAW1);
  EXPECT_EQ(g_melds[1][0], 1415) << "an added kong keeps its pung's source";
  EXPECT_EQ(format_tiles(g_hand[1], kHandSlots), "123456789m 1z 555p(4)");
  EXPECT_EQ(g_kong_tile, 15);
  EXPECT_EQ(g_kong_this_turn, 1);
  EXPECT_EQ(g_robbing_flags[2], 1);
  EXPECT_EQ(g_robbing_flags[0] + g_robbing_flags[3], 0);
  EXPECT_EQ(run_until_scene(SCENE_WIN, 12), 10);
  EXPECT_EQ(g_winner, 2);
  EXPECT_EQ(g_dealt_in_seat, 1);
  EXPECT_EQ(g_hand[2][kDrawSlot], 15);
  EXPECT_EQ(g_melds[1][0], 1215);
  EXPECT_EQ(format_tiles(g_hand[1], kHandSlots), "123456789m 1z 555p(2)") << "the hand slots are a pung again";
  EXPECT_EQ(g_score_changes[2], g_win_points + 24);
  EXPECT_EQ(g_score_changes[1], -8 - g_win_points);
  EXPECT_EQ(g_robbing_kong_flag, 0);
}

TEST_F(Kongs, TheUserIsOfferedTheRobbingWin) {
  set_hand(0, kWaits5pA);
  set_hand(1, kJunk);
  set_hand(3, kJunk0);
  pung_of_5p_and_the_fourth(2, "123m 456m 789m 1z");
  ASSERT_TRUE(try_added_kan(2));
  ASSERT_EQ(g_scene, SCENE_USER_ROB_KONG);
  EXPECT_EQ(g_return_scene, SCENE_KONG_DRAW2);
  EXPECT_EQ(g_user_naki_options[0], 1);
  g_robbing_flags[0] = 1;
  g_scene = g_return_scene;
  EXPECT_EQ(run_until_scene(SCENE_WIN, 12), 10);
  EXPECT_EQ(g_winner, 0);
  EXPECT_EQ(g_dealt_in_seat, 2);
}

// Seats 2 and 3 both rob seat 1's kong before the user could: the user is
// not offered a win that cannot happen.
TEST_F(Kongs, NoRobbingOfferWhenASeatAheadOfTheUserRobs) {
  set_hand(0, "46p 444m 555m 666m 77z");
  set_hand(2, kWaits5pA);
  set_hand(3, kWaits5pB);
  pung_of_5p_and_the_fourth(1, "123m 789m 1234z");
  ASSERT_TRUE(try_added_kan(1));
  EXPECT_EQ(g_scene, SCENE_KONG_DRAW1);
  EXPECT_EQ(g_robbing_flags[2] + g_robbing_flags[3], 2);
  EXPECT_EQ(run_until_scene(SCENE_WIN, 12), 10);
  EXPECT_EQ(g_winner, 2);
}

TEST_F(Kongs, RobbersWinInTurnOrderAfterTheKongSeat) {
  set_hand(0, kJunk0);
  set_hand(1, kWaits5pA);
  set_hand(2, kWaits5pB);
  pung_of_5p_and_the_fourth(3, "123m 456m 789m 1z");
  ASSERT_TRUE(try_added_kan(3));
  EXPECT_EQ(g_robbing_flags[1] + g_robbing_flags[2], 2);
  EXPECT_EQ(run_until_scene(SCENE_WIN, 12), 10);
  EXPECT_EQ(g_winner, 1);
  EXPECT_EQ(g_dealt_in_seat, 3);
  EXPECT_EQ(g_seat_state[2].won, 0);
}

TEST_F(Kongs, AnUnrobbedAddedKongDrawsItsReplacementAtFrame20) {
  set_hand(0, kJunk0);
  set_hand(2, kJunk);
  set_hand(3, "258m 28p 258s 456m 7s 3p");
  pung_of_5p_and_the_fourth(1, "123m 456m 789m 1z", parse_tiles("9s"));
  ASSERT_TRUE(try_added_kan(1));
  run_frames(19);
  EXPECT_EQ(g_hand[1][kDrawSlot], 0);
  EXPECT_EQ(g_kong_tile, 15);
  run_frames(1);
  EXPECT_EQ(g_hand[1][kDrawSlot], 29);
  EXPECT_EQ(g_kong_tile, 0);
  EXPECT_EQ(g_kong_draw_flag, 1);
  EXPECT_EQ(run_until_scene(SCENE_SEAT1_TURN, 12), 10);
  EXPECT_EQ(g_scene_frame, 0);
}

TEST_F(Kongs, NoAddedKongWithoutItsPung) {
  set_hand(1, "123m 456m 789m 1z 55p 6z");
  g_hand[1][kDrawSlot] = 15;
  EXPECT_FALSE(try_added_kan(1));
  EXPECT_EQ(g_kong_this_turn, 0);
  EXPECT_EQ(g_melds[1][0], 0);
}

// Seat 1 deals in the East round and draws its fourth East: with no call
// and no aim it declares the concealed kong; a seat waiting on East cannot
// rob it.
TEST_F(Kongs, ConcealedKongOfTheDoubleWindCannotBeRobbed) {
  g_dealer = 1;
  g_round_wind = 0;
  set_hand(0, "17m 289p 369s 5z 22s 66z");
  set_hand(1, "111z 19m 19p 19s 234z 5z");
  set_hand(2, "19m 19p 19s 2345677z");
  set_hand(3, "258m 258p 258s 456m 7s");
  g_hand[1][kDrawSlot] = kEast;
  plant_wall(parse_tiles("3m"));
  g_scene = SCENE_SEAT1_TURN;
  ASSERT_TRUE(try_concealed_kan(1));
  EXPECT_EQ(g_melds[1][0], 1331);
  EXPECT_EQ(format_tiles(g_hand[1], kHandSlots), "19m 19p 19s 2345z 111z(3)");
  EXPECT_EQ(g_kong_tile, kEast);
  EXPECT_EQ(g_seat_state[1].naki_count, 1);
  EXPECT_EQ(g_seat_state[1].open_naki_count, 0);
  EXPECT_EQ(std::count(g_robbing_flags, g_robbing_flags + kSeats, 1), 0);
  EXPECT_EQ(run_until_scene(SCENE_SEAT1_TURN, 32), 30);
  EXPECT_EQ(g_hand[1][kDrawSlot], 3);
}

TEST_F(Kongs, ConcealedKongDeclinedWhenItHelpsNothing) {
  set_hand(1, "555p 19m 19p 19s 234z 5z");
  g_hand[1][kDrawSlot] = 15;
  EXPECT_FALSE(try_concealed_kan(1)) << "not ready and no honour";
  set_hand(1, "111z 19m 19p 19s 234z 5z");
  g_hand[1][kDrawSlot] = kEast;
  g_dealer = 2;  // East is no longer seat 1's wind
  EXPECT_FALSE(try_concealed_kan(1));
  g_ai_target_yaku[1] = 28;  // an aim that wants pungs
  EXPECT_TRUE(try_concealed_kan(1));
}

}  // namespace
