// Totals, the 88 cap and the flowers; the table-dependent patterns; and the
// rules' own edge cases that pin a number.
#include <gtest/gtest.h>

#include "base/options.h"
#include "base/scorer.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "base/win_eval.h"
#include "support/scoring_fixture.h"

namespace {

constexpr const char* kBigFourWinds96 = "27 27 31 31 32 32 32 34 34 34 + 31 / [33 33 33]";
// 四暗刻 64, 不求人 4, 双暗槓 8, 三色三節高 8, 圏風刻 2, 幺九刻 1.
constexpr const char* kFourConcealed87 = "31 31 31 23 23 12 12 + 23 / (2 2 2 2) / (11 11 11 11)";
constexpr const char* kSeatWind7 = "2 4 6 6 6 11 12 13 25 25 32 32 32 + 3";

class Totals : public ScoringTest {
 protected:
  void set_flowers(int n) { g_hana[kSeat].count = n; }
  void set_cap(int on) { g_options[opt_score_cap] = on; }
};

TEST_F(Totals, CapLeavesTheFlowersOnTop) {
  set_flowers(3);
  set_cap(0);
  WinScore s = win(kBigFourWinds96);
  EXPECT_EQ(s.found.at(kYaku80Flowers), 3);
  EXPECT_EQ(s.total, 99);
  EXPECT_EQ(g_eval_total_uncapped, 99);
  set_cap(1);
  s = win(kBigFourWinds96);
  EXPECT_EQ(s.total, 91);
  EXPECT_EQ(g_eval_total_uncapped, 99);
  EXPECT_EQ(g_win_points, 91);
  EXPECT_EQ(yaku_points_without_flowers(), 96);
}

TEST_F(Totals, FlowersDoNotReachTheCap) {
  set_flowers(3);
  set_cap(1);
  const WinScore s = win(kFourConcealed87, 0);
  EXPECT_EQ(yaku_points_without_flowers(), 87);
  EXPECT_EQ(s.total, 90);
  EXPECT_EQ(g_win_points, 90);
  set_flowers(2);
  EXPECT_EQ(win("1 9 11 19 21 29 31 32 33 34 35 36 37 + 31").total, 90) << "88 exactly is not lowered";
}

TEST_F(Totals, FlowersNeverCountTowardTheMinimum) {
  set_flowers(3);
  const WinScore s = win(kSeatWind7);
  EXPECT_EQ(yaku_points_without_flowers(), 7);
  EXPECT_EQ(s.total, 10);
  EXPECT_LT(yaku_points_without_flowers(), 8);
}

TEST_F(Totals, FlowersOffOrNoneSetAsideFindNoFlowerPattern) {
  set_flowers(5);
  g_options[opt_flowers] = 0;
  WinScore s = win(kSeatWind7);
  EXPECT_FALSE(s.found.count(kYaku80Flowers));
  EXPECT_EQ(s.total, 7);
  g_options[opt_flowers] = 1;
  set_flowers(0);
  s = win(kSeatWind7);
  EXPECT_FALSE(s.found.count(kYaku80Flowers));
}

// Other subsystems read the fixed points of a pattern from the table: only
// the counted ids ever hold anything else.
TEST_F(Totals, PointsColumnKeepsTheUnitPoints) {
  set_flowers(2);
  for (const char* hand : {"1 2 3 29 29 34 34 34 37 37 + 29 / [11 12 13]", "1 1 2 2 3 3 11 12 13 13 13 21 21 + 21",
                           kBigFourWinds96, "5 6 13 14 15 21 22 23 26 27 28 34 34 + 34"}) {
    win(hand);
    for (int id = 0; id < kYakuCount; ++id) {
      const bool counted = id <= kYaku4ShortStraight || id == kYaku15DoublePung || id == kYaku19TileHog ||
                           id == kYaku80Flowers;
      if (!counted) {
        EXPECT_EQ(g_yaku_table[id].points, kYakuUnitPoints[id]) << id;
      }
    }
  }
}

// ------------------------------------------------ patterns of the table
constexpr const char* kPureStraight = "1 2 3 4 5 6 7 8 9 14 15 23 23 + 13";
constexpr const char* kOpenHand = "2 3 4 14 15 16 22 22 25 26 + 27 / [9 9 9 9]";

TEST_F(Totals, LastTileCountsTheDiscardItself) {
  g_river[0][0] = g_river[0][1] = 13;
  g_river[2][0] = 13;
  g_river_count[0] = 2;
  g_river_count[2] = 1;
  g_river[3][0] = 13;  // the winning discard, still in its river
  g_river_count[3] = 1;
  EXPECT_TRUE(win(kPureStraight, 1).found.count(kYaku24LastTile));
  g_river_count[3] = 0;  // self-drawn: three copies seen elsewhere
  EXPECT_TRUE(win(kPureStraight, 0).found.count(kYaku24LastTile));
  EXPECT_FALSE(win(kPureStraight, 1).found.count(kYaku24LastTile));
  g_river_count[3] = 1;
  g_robbing_kong_flag = 1;
  g_visible_counts[13] = 0;
  const WinScore robbed = win(kPureStraight, 1);
  EXPECT_FALSE(robbed.found.count(kYaku24LastTile));
  EXPECT_TRUE(robbed.found.count(kYaku37RobbingKong));
  EXPECT_EQ(g_visible_counts[13], 0) << "no recount while a kong is robbed";
}

TEST_F(Totals, LastDrawLastClaimAndReplacementWins) {
  g_wall_count = 0;
  Found f = win(kOpenHand, 0).found;
  EXPECT_TRUE(f.count(kYaku38LastDraw) && !f.count(kYaku11SelfDrawn));
  f = win(kOpenHand, 1).found;
  EXPECT_TRUE(f.count(kYaku39LastClaim) && !f.count(kYaku38LastDraw));
  g_wall_count = 20;
  g_kong_draw_flag = 1;
  f = win(kOpenHand, 0).found;
  EXPECT_TRUE(f.count(kYaku36ReplacementWin) && !f.count(kYaku11SelfDrawn) && !f.count(kYaku38LastDraw));
  g_kong_draw_flag = 0;
  EXPECT_TRUE(win(kOpenHand, 0).found.count(kYaku11SelfDrawn));
}

// ------------------------------------------------------- edge cases
struct EdgeHand {
  const char* label;
  const char* hand;
  int by_discard;
  Found found;
  int total;
};

void PrintTo(const EdgeHand& e, std::ostream* os) { *os << e.label; }

class EdgeHands : public ScoringTest, public ::testing::WithParamInterface<EdgeHand> {};

TEST_P(EdgeHands, ScoreAsTheRulesPinThem) {
  const EdgeHand& e = GetParam();
  const WinScore s = win(e.hand, e.by_discard);
  ASSERT_TRUE(s.listed && s.valid);
  EXPECT_EQ(s.found, e.found) << describe_patterns(s.found);
  EXPECT_EQ(s.total, e.total);
}

INSTANTIATE_TEST_SUITE_P(Rules, EdgeHands, ::testing::Values(
    EdgeHand{"two double chows: 一般高 scores 2, 連六 then 1", "2 3 4 4 5 5 6 6 19 19 + 1 / [1 2 3]", 1,
             {{kYaku0PureDoubleChow, 2}, {kYaku4ShortStraight, 1}, {kYaku6OneVoidedSuit, 1}, {kYaku20AllChows, 2}}, 6},
    EdgeHand{"花竜 keeps the first of two chow families", "1 2 3 11 12 13 14 15 16 27 28 29 33 + 33", 1,
             {{kYaku1MixedDoubleChow, 1}, {kYaku10SingleWait, 1}, {kYaku21ConcealedHand, 2},
              {kYaku35MixedStraight, 8}}, 12},
    EdgeHand{"清竜 with a run twice keeps 一般高 over 連六", "1 2 3 4 4 5 5 6 6 7 8 9 31 + 31", 1,
             {{kYaku0PureDoubleChow, 1}, {kYaku10SingleWait, 1}, {kYaku21ConcealedHand, 2}, {kYaku31HalfFlush, 6},
              {kYaku49PureStraight, 16}}, 26},
    EdgeHand{"discard completes a pung that also reads into a run", "4 4 7 7 7 19 19 19 24 25 25 25 26 + 25", 1,
             {{kYaku3TerminalHonourPung, 1}, {kYaku7NoHonours, 1}, {kYaku19TileHog, 2}, {kYaku21ConcealedHand, 2},
              {kYaku51ThreeConcealedPungs, 16}}, 22},
    EdgeHand{"四暗刻 on a discard not on the pair", "2 2 2 15 15 27 27 27 29 29 31 31 31 + 29", 1,
             {{kYaku3TerminalHonourPung, 1}, {kYaku13PrevalentWind, 2}, {kYaku21ConcealedHand, 2},
              {kYaku28AllPungs, 6}, {kYaku51ThreeConcealedPungs, 16}}, 27},
    EdgeHand{"四暗刻 on a discard on the pair", "2 2 2 15 27 27 27 29 29 29 31 31 31 + 15", 1,
             {{kYaku3TerminalHonourPung, 1}, {kYaku10SingleWait, 1}, {kYaku13PrevalentWind, 2},
              {kYaku71FourConcealedPungs, 64}}, 68},
    // Patterns across suits need only two of them.
    EdgeHand{"喜相逢 in a hand of two suits", "1 2 3 5 5 11 12 13 15 16 31 31 31 + 17", 1,
             {{kYaku1MixedDoubleChow, 1}, {kYaku6OneVoidedSuit, 1}, {kYaku13PrevalentWind, 2},
              {kYaku21ConcealedHand, 2}}, 6},
    EdgeHand{"双同刻 and 喜相逢 in a hand of two suits", "2 3 4 5 5 5 9 12 13 14 15 15 15 + 9", 1,
             {{kYaku1MixedDoubleChow, 1}, {kYaku6OneVoidedSuit, 1}, {kYaku7NoHonours, 1}, {kYaku10SingleWait, 1},
              {kYaku15DoublePung, 2}, {kYaku16TwoConcealedPungs, 2}, {kYaku21ConcealedHand, 2}}, 10},
    EdgeHand{"一色双竜会 of declared chows", "1 2 3 5 + 5 / [1 2 3] / [7 8 9] / [7 8 9]", 1,
             {{kYaku10SingleWait, 1}, {kYaku68PureTerminalChows, 64}}, 65}));

// 1112345678999 waits on every tile of its suit and is 九蓮宝灯 whichever
// completes it; never 清一色, 門前清 or 幺九刻 beside it.
class NineGates : public ScoringTest, public ::testing::WithParamInterface<int> {};

TEST_P(NineGates, ScoresOnEveryWinningTile) {
  const WinScore s = win("11 11 11 12 13 14 15 16 17 18 19 19 19 + " + std::to_string(GetParam()));
  ASSERT_TRUE(s.listed && s.valid);
  EXPECT_EQ(g_eval_wait_count, 9);
  EXPECT_EQ(s.found.count(kYaku79NineGates), 1u) << describe_patterns(s.found);
  for (int id : {kYaku3TerminalHonourPung, kYaku21ConcealedHand, kYaku55FullFlush}) EXPECT_FALSE(s.found.count(id)) << id;
}

INSTANTIATE_TEST_SUITE_P(Dots, NineGates, ::testing::Range(11, 20));

}  // namespace
