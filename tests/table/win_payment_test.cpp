// The win rule and the payments through the win actions: worked hands with
// known points, with and without flowers and the 88 cap, hands under 8
// points refused, and the user's false win.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <numeric>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/table_state.h"
#include "base/yaku_table.h"
#include "flow/claim_offers.h"
#include "support/table_fixture.h"
#include "support/win_case.h"
#include "table/claim_actions.h"
#include "table/win_record.h"
#include "table/win_test.h"

namespace {

// 明槓 1, 単調将 1, 双同刻 2, 断幺 2, 四帰一 2: exactly 8 points, no wind in it.
constexpr const char* kEightPoints = "3 4 5 5 5 5 12 13 14 23 + 23 / [15 15 15 15]";
// 缺一門 1, 圏風刻 2 (East round), 双暗刻 2, 門前清 2: 7 points.
constexpr const char* kSevenPoints = "12 12 12 13 13 17 18 25 26 27 31 31 31 + 16";
// 缺一門 1, 大三元 88: 89 points.
constexpr const char* kBigDragons = "17 18 19 26 26 35 35 37 37 37 + 35 / [36 36 36]";

constexpr int kWinner = 1;  // South: seat 0 deals the East round
constexpr int kDiscarder = 3;

std::array<int, kSeats> changes() { return {g_score_changes[0], g_score_changes[1], g_score_changes[2], g_score_changes[3]}; }

class WinPayments : public PlayTableTest {
 protected:
  void SetUp() override {
    PlayTableTest::SetUp();
    g_dealer = 0;
    g_first_dealer = 0;
    g_round_wind = 0;
    g_wall_count = 60;
    g_scene = seat_check_scene(kDiscarder, 0);
  }
  void give_flowers(int seat, int n) {
    g_options[opt_flowers] = 2;
    g_hana[seat].count = n;
    for (int i = 0; i < n; ++i) g_hana[seat].tiles[i] = kFirstFlower + i;
  }
  // The winner's 13 tiles in place and the winning tile as the discarder's latest discard.
  void offer(int seat, const char* text) {
    WinHand hand = parse_win_hand(text);
    place_win_hand(seat, hand);
    g_hand[seat][kDrawSlot] = 0;
    g_discarder = kDiscarder;
    g_river[kDiscarder][0] = hand.win_tile;
    g_river_count[kDiscarder] = 1;
    g_discard_history[kDiscarder][0] = hand.win_tile;
    g_discard_history_count[kDiscarder] = 1;
  }
  void draw_winning_tile(int seat, const char* text) { place_win_hand(seat, parse_win_hand(text)); }
};

TEST_F(WinPayments, WorkedExamplesOfBothWinKinds) {
  int c[kSeats];
  win_payments(2, 0, 8, c);
  EXPECT_EQ((std::array<int, 4>{c[0], c[1], c[2], c[3]}), (std::array<int, 4>{-16, -8, 32, -8}));
  win_payments(3, kNoPayer, 10, c);
  EXPECT_EQ((std::array<int, 4>{c[0], c[1], c[2], c[3]}), (std::array<int, 4>{-18, -18, -18, 54}));
  // Every column sums to zero, whoever wins and pays and whatever the points.
  for (int points = 8; points <= 400; points += 13)
    for (int winner = 0; winner < kSeats; ++winner)
      for (int payer : {0, 1, 2, 3, kNoPayer}) {
        if (payer == winner) continue;
        win_payments(winner, payer, points, c);
        EXPECT_EQ(std::accumulate(c, c + kSeats, 0), 0);
        EXPECT_EQ(*std::max_element(c, c + kSeats), c[winner]);
      }
}

TEST_F(WinPayments, EightPointsOnADiscardWinAndPay) {
  offer(kWinner, kEightPoints);
  ASSERT_TRUE(try_ron(kWinner));
  EXPECT_EQ(g_scene, SCENE_WIN);
  EXPECT_EQ(g_scene_frame, 0);
  EXPECT_EQ(g_win_points, 8);
  EXPECT_EQ(changes(), (std::array<int, 4>{-8, 32, -8, -16}));
  EXPECT_EQ(g_winner, kWinner);
  EXPECT_EQ(g_dealt_in_seat, kDiscarder);
  EXPECT_EQ(g_seat_state[kWinner].won, 1);
  EXPECT_EQ(g_win_record.winner, kWinner);
  EXPECT_EQ(g_win_record.payer, kDiscarder);
  EXPECT_EQ(g_win_record.concealed, 0) << "a melded kong is an open meld";
  EXPECT_EQ(g_win_record.points_without_flowers, 8);
  for (int id : {kYaku5MeldedKong, kYaku10SingleWait, kYaku15DoublePung, kYaku18AllSimples, kYaku19TileHog})
    EXPECT_EQ(g_win_record.found[id], 1) << id;
  EXPECT_EQ(std::accumulate(std::begin(g_win_record.found), std::end(g_win_record.found), 0), 5);
}

TEST_F(WinPayments, FlowersArePaidButNeverCountTowardTheMinimum) {
  offer(kWinner, kEightPoints);
  give_flowers(kWinner, 2);
  ASSERT_TRUE(try_ron(kWinner));
  EXPECT_EQ(g_win_points, 10);
  EXPECT_EQ(g_win_record.points_without_flowers, 8);
  EXPECT_EQ(g_win_record.found[kYakuFlowers], 1);
  EXPECT_EQ(g_win_record.pattern_points[kYakuFlowers], 2);
  EXPECT_EQ(changes(), (std::array<int, 4>{-8, 34, -8, -18}));
}

TEST_F(WinPayments, SevenPointsWithTwoFlowersAreRefused) {
  offer(kWinner, kSevenPoints);
  give_flowers(kWinner, 2);
  const int scene = g_scene;
  ASSERT_EQ(win_points_with(kWinner, 16, 1), 7);
  EXPECT_FALSE(try_ron(kWinner));
  EXPECT_EQ(g_scene, scene);
  EXPECT_EQ(changes(), (std::array<int, 4>{0, 0, 0, 0}));
  EXPECT_EQ(g_seat_state[kWinner].won, 0);
  EXPECT_EQ(g_river[kDiscarder][0], 16) << "the discard stays for the later claims";
}

TEST_F(WinPayments, TheCapHoldsThePatternsAt88AndLeavesTheFlowers) {
  offer(kWinner, kBigDragons);
  ASSERT_TRUE(try_ron(kWinner));
  EXPECT_EQ(g_win_points, 89) << "no cap without the option";
  EXPECT_EQ(g_score_changes[kWinner], 89 + 24);

  g_options[opt_score_cap] = 1;
  offer(kWinner, kBigDragons);
  ASSERT_TRUE(try_ron(kWinner));
  EXPECT_EQ(g_win_points, 88);
  EXPECT_EQ(g_win_record.points_uncapped, 89);
  EXPECT_EQ(changes(), (std::array<int, 4>{-8, 112, -8, -96}));

  offer(kWinner, kBigDragons);
  give_flowers(kWinner, 2);
  ASSERT_TRUE(try_ron(kWinner));
  EXPECT_EQ(g_win_points, 90);
  EXPECT_EQ(g_win_record.points_uncapped, 91);
  EXPECT_EQ(changes(), (std::array<int, 4>{-8, 114, -8, -98}));
}

TEST_F(WinPayments, SelfDrawnWinsTakeEightPlusThePointsFromEachSeat) {
  // The discard win's patterns with 自摸 1: 9 points.
  draw_winning_tile(kWinner, kEightPoints);
  ASSERT_TRUE(try_tsumo(kWinner));
  EXPECT_EQ(g_win_points, 9);
  EXPECT_EQ(g_win_record.found[kYaku11SelfDrawn], 1);
  EXPECT_EQ(changes(), (std::array<int, 4>{-17, 51, -17, -17}));
  EXPECT_EQ(g_dealt_in_seat, kNoPayer);
  EXPECT_EQ(g_win_record.payer, kNoPayer);

  g_options[opt_score_cap] = 1;
  draw_winning_tile(kWinner, kBigDragons);
  give_flowers(kWinner, 3);
  ASSERT_TRUE(try_tsumo(kWinner));
  EXPECT_EQ(g_win_points, 91) << "88 after the cap and three flowers";
  EXPECT_EQ(changes(), (std::array<int, 4>{-99, 297, -99, -99}));
}

TEST_F(WinPayments, ASelfDrawnChickenHandIsNoWin) {
  // 無番和 on a discard; self-drawn it scores only 自摸.
  draw_winning_tile(kWinner, "3 4 5 14 14 14 17 18 35 35 + 19 / [21 22 23]");
  g_scene = seat_turn_scene(kWinner);
  EXPECT_FALSE(try_tsumo(kWinner));
  EXPECT_EQ(g_scene, seat_turn_scene(kWinner));
  EXPECT_EQ(changes(), (std::array<int, 4>{0, 0, 0, 0}));
}

TEST_F(WinPayments, WithoutTheOptionTheUsersCheapWinIsNothing) {
  g_options[opt_false_win] = 0;
  g_dealer = 2;  // the user sits West: the East pung stays 7 points
  offer(0, kSevenPoints);
  EXPECT_FALSE(try_ron(0));
  EXPECT_EQ(g_seat_state[0].false_win, 0);
  EXPECT_EQ(g_seat_state[0].false_win_timer, 0);
}

// A false win: no payment, the flag and its 400-frame notice, the hand goes
// on, and the user is offered nothing more that hand.
TEST_F(WinPayments, TheUsersFalseWinPaysNothingAndEndsTheOffers) {
  g_options[opt_false_win] = 1;
  g_dealer = 2;
  offer(0, kSevenPoints);
  const int scene = g_scene;
  EXPECT_FALSE(try_ron(0));
  EXPECT_EQ(g_seat_state[0].false_win, 1);
  EXPECT_EQ(g_seat_state[0].false_win_timer, 400);
  EXPECT_EQ(g_scene, scene);
  EXPECT_EQ(changes(), (std::array<int, 4>{0, 0, 0, 0}));
  EXPECT_EQ(g_seat_state[0].won, 0);

  // The same completing tile again, from another seat: no panel.
  g_discarder = 2;
  g_river[2][0] = 16;
  g_river_count[2] = 1;
  g_scene = seat_check_scene(2, 0);
  find_user_naki_options(0, 2);
  EXPECT_NE(g_scene, SCENE_USER_CLAIM);
  EXPECT_EQ(std::count(g_user_naki_options, g_user_naki_options + 4, 1), 0);
}

TEST_F(WinPayments, ASelfDrawnFalseWinLeavesTheTurnGoingOn) {
  g_options[opt_false_win] = 1;
  draw_winning_tile(0, "3 4 5 14 14 14 17 18 35 35 + 19 / [21 22 23]");
  g_scene = seat_turn_scene(0);
  EXPECT_FALSE(try_tsumo(0));
  EXPECT_EQ(g_seat_state[0].false_win, 1);
  EXPECT_EQ(g_seat_state[0].false_win_timer, 400);
  EXPECT_EQ(g_scene, seat_turn_scene(0));
  EXPECT_EQ(changes(), (std::array<int, 4>{0, 0, 0, 0}));
}

}  // namespace
