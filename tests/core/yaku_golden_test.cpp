// Worked hands, most of them drawn in the scoring-pattern help list (a hand
// drawn twice is kept once), scored by hand: the winner sits South in the East round and
// wins on a discard unless the row says otherwise. Where the list draws a
// concealed kong face down, the row names a tile that adds no pattern of
// its own.
#include <gtest/gtest.h>

#include <numeric>

#include "base/scorer.h"
#include "base/win_eval.h"
#include "support/scoring_fixture.h"

namespace {

constexpr int kDiscard = 1;
constexpr int kSelfDrawn = 0;

struct GoldenHand {
  const char* label;
  const char* hand;
  int by_discard;
  Found found;
  int total;
};

void PrintTo(const GoldenHand& g, std::ostream* os) { *os << g.label << ": " << g.hand; }

class GoldenHands : public ScoringTest, public ::testing::WithParamInterface<GoldenHand> {};

TEST_P(GoldenHands, ScoresItsPatternsAndTotal) {
  const GoldenHand& g = GetParam();
  const int listed_sum =
      std::accumulate(g.found.begin(), g.found.end(), 0, [](int s, const auto& kv) { return s + kv.second; });
  ASSERT_EQ(listed_sum, g.total) << "the row's own patterns and total disagree";
  const WinScore s = win(g.hand, g.by_discard);
  ASSERT_TRUE(s.listed) << "the winning tile is not among the waits";
  ASSERT_TRUE(s.valid);
  EXPECT_EQ(s.found, g.found) << "found: " << describe_patterns(s.found) << "\nwanted: " << describe_patterns(g.found);
  EXPECT_EQ(s.total, g.total);
  EXPECT_EQ(yaku_points_without_flowers(), g.total);
}

// ids 0-11
INSTANTIATE_TEST_SUITE_P(ChowFamiliesAndWaits, GoldenHands, ::testing::Values(
    GoldenHand{"一般高", "1 1 2 2 3 3 11 11 15 15 22 23 24 + 15", kDiscard,
               {{kYaku0PureDoubleChow, 1}, {kYaku7NoHonours, 1}, {kYaku21ConcealedHand, 2}}, 4},
    GoldenHand{"喜相逢", "1 2 3 6 7 8 11 12 13 19 19 23 24 + 25", kDiscard,
               {{kYaku1MixedDoubleChow, 1}, {kYaku20AllChows, 2}, {kYaku21ConcealedHand, 2}}, 5},
    GoldenHand{"老少副", "1 2 3 7 8 9 12 12 14 15 22 23 24 + 16", kDiscard,
               {{kYaku2TwoTerminalChows, 1}, {kYaku20AllChows, 2}, {kYaku21ConcealedHand, 2}}, 5},
    GoldenHand{"幺九刻", "5 6 7 9 9 9 12 13 14 22 23 34 34 + 21", kDiscard,
               {{kYaku3TerminalHonourPung, 1}, {kYaku21ConcealedHand, 2}}, 3},
    GoldenHand{"連六", "1 2 3 4 5 6 13 13 17 18 25 26 27 + 19", kDiscard,
               {{kYaku4ShortStraight, 1}, {kYaku20AllChows, 2}, {kYaku21ConcealedHand, 2}}, 5},
    GoldenHand{"明槓", "4 4 4 7 8 9 11 11 23 24 + 25 / [17 17 17 17]", kDiscard,
               {{kYaku5MeldedKong, 1}, {kYaku7NoHonours, 1}}, 2},
    GoldenHand{"缺一門 (sets)", "12 12 12 13 13 17 18 25 26 27 31 31 31 + 16", kDiscard,
               {{kYaku6OneVoidedSuit, 1}, {kYaku13PrevalentWind, 2}, {kYaku16TwoConcealedPungs, 2},
                {kYaku21ConcealedHand, 2}}, 7},
    GoldenHand{"缺一門 (pairs)", "2 2 4 4 5 5 6 6 21 21 27 27 29 + 29", kDiscard,
               {{kYaku6OneVoidedSuit, 1}, {kYaku7NoHonours, 1}, {kYaku56SevenPairs, 24}}, 26},
    GoldenHand{"無字", "4 4 4 12 13 14 19 19 25 26 26 27 27 + 28", kDiscard,
               {{kYaku7NoHonours, 1}, {kYaku21ConcealedHand, 2}}, 3},
    // 7 7 8 9 waits on 7 alone: the edge wait of 789, not a single wait.
    GoldenHand{"辺張", "2 3 4 5 6 7 17 17 18 19 24 25 26 + 17", kDiscard,
               {{kYaku4ShortStraight, 1}, {kYaku8EdgeWait, 1}, {kYaku20AllChows, 2}, {kYaku21ConcealedHand, 2}}, 6},
    GoldenHand{"辺張 (two waits)", "1 2 2 2 14 15 16 17 18 19 23 24 25 + 3", kDiscard,
               {{kYaku4ShortStraight, 1}, {kYaku20AllChows, 2}, {kYaku21ConcealedHand, 2}}, 5},
    // 2 3 3 4 waits on 3 alone; the pair reading wins over the closed wait.
    GoldenHand{"坎張", "1 2 3 6 7 8 12 13 13 14 17 18 19 + 13", kDiscard,
               {{kYaku6OneVoidedSuit, 1}, {kYaku10SingleWait, 1}, {kYaku20AllChows, 2}, {kYaku21ConcealedHand, 2}}, 6},
    GoldenHand{"坎張 (two waits)", "7 7 7 9 12 13 14 18 18 18 24 25 26 + 8", kDiscard,
               {{kYaku7NoHonours, 1}, {kYaku21ConcealedHand, 2}}, 3},
    GoldenHand{"単調将", "1 2 2 3 13 14 15 15 16 17 34 34 34 + 2", kDiscard,
               {{kYaku3TerminalHonourPung, 1}, {kYaku6OneVoidedSuit, 1}, {kYaku10SingleWait, 1},
                {kYaku21ConcealedHand, 2}}, 5},
    GoldenHand{"単調将 (two waits)", "4 4 4 9 9 9 14 15 16 17 27 28 29 + 14", kDiscard,
               {{kYaku3TerminalHonourPung, 1}, {kYaku7NoHonours, 1}, {kYaku16TwoConcealedPungs, 2},
                {kYaku21ConcealedHand, 2}}, 6}));

// ids 12-35
INSTANTIATE_TEST_SUITE_P(SetsHonoursAndSimpleHands, GoldenHands, ::testing::Values(
    GoldenHand{"箭刻", "1 2 3 13 13 16 17 18 25 25 35 35 35 + 13", kDiscard,
               {{kYaku12DragonPung, 2}, {kYaku21ConcealedHand, 2}}, 4},
    GoldenHand{"圏風刻", "2 3 3 4 4 5 14 14 27 28 29 31 31 + 31", kDiscard,
               {{kYaku13PrevalentWind, 2}, {kYaku21ConcealedHand, 2}}, 4},
    GoldenHand{"門風刻", "2 4 6 6 6 11 12 13 25 25 32 32 32 + 3", kDiscard,
               {{kYaku9ClosedWait, 1}, {kYaku14SeatWind, 2}, {kYaku16TwoConcealedPungs, 2},
                {kYaku21ConcealedHand, 2}}, 7},
    GoldenHand{"双同刻", "7 8 9 12 13 14 14 14 25 25 + 11 / [4 4 4 4]", kDiscard,
               {{kYaku5MeldedKong, 1}, {kYaku7NoHonours, 1}, {kYaku15DoublePung, 2}}, 4},
    GoldenHand{"双暗刻", "5 6 7 14 15 23 23 23 26 26 37 37 37 + 13", kDiscard,
               {{kYaku12DragonPung, 2}, {kYaku16TwoConcealedPungs, 2}, {kYaku21ConcealedHand, 2}}, 6},
    GoldenHand{"暗槓", "2 3 13 14 15 21 22 23 37 37 + 1 / (28 28 28 28)", kDiscard,
               {{kYaku1MixedDoubleChow, 1}, {kYaku17ConcealedKong, 2}, {kYaku21ConcealedHand, 2}}, 5},
    GoldenHand{"断幺", "5 6 7 8 8 8 14 15 22 23 24 27 27 + 13", kDiscard,
               {{kYaku18AllSimples, 2}, {kYaku21ConcealedHand, 2}}, 4},
    GoldenHand{"四帰一 (sets)", "3 4 5 5 5 5 12 13 14 23 + 23 / [15 15 15 15]", kDiscard,
               {{kYaku5MeldedKong, 1}, {kYaku10SingleWait, 1}, {kYaku15DoublePung, 2}, {kYaku18AllSimples, 2},
                {kYaku19TileHog, 2}}, 8},
    GoldenHand{"四帰一 (pairs)", "3 3 7 7 13 13 13 13 24 24 31 31 32 + 32", kDiscard,
               {{kYaku19TileHog, 2}, {kYaku56SevenPairs, 24}}, 26},
    // The fourth 14 sits in a concealed chow beside the declared pung's three.
    GoldenHand{"四帰一 (declared pung)", "2 3 4 6 7 8 13 14 15 26 + 26 / [14 14 14]", kDiscard,
               {{kYaku10SingleWait, 1}, {kYaku18AllSimples, 2}, {kYaku19TileHog, 2}}, 5},
    GoldenHand{"平和", "2 3 4 13 14 15 15 16 17 21 22 23 24 + 21", kDiscard,
               {{kYaku1MixedDoubleChow, 1}, {kYaku20AllChows, 2}, {kYaku21ConcealedHand, 2}}, 5},
    GoldenHand{"双明槓 (two melded)", "2 2 2 14 15 16 17 + 17 / [28 28 28 28] / [1 1 1 1]", kDiscard,
               {{kYaku3TerminalHonourPung, 1}, {kYaku7NoHonours, 1}, {kYaku22TwoMeldedKongs, 4}}, 6},
    GoldenHand{"双明槓 (one concealed)", "23 24 25 26 27 28 29 + 23 / (5 5 5 5) / [14 14 14 14]", kDiscard,
               {{kYaku4ShortStraight, 1}, {kYaku7NoHonours, 1}, {kYaku17ConcealedKong, 2},
                {kYaku22TwoMeldedKongs, 4}}, 8},
    GoldenHand{"全帯幺 (honours)", "1 2 3 29 29 34 34 34 37 37 + 29 / [11 12 13]", kDiscard,
               {{kYaku1MixedDoubleChow, 1}, {kYaku3TerminalHonourPung, 2}, {kYaku23OutsideHand, 4},
                {kYaku30AllTypes, 6}}, 13},
    GoldenHand{"全帯幺 (suits)", "1 2 3 7 8 9 12 13 19 19 19 21 21 + 11", kDiscard,
               {{kYaku1MixedDoubleChow, 1}, {kYaku2TwoTerminalChows, 1}, {kYaku3TerminalHonourPung, 1},
                {kYaku7NoHonours, 1}, {kYaku21ConcealedHand, 2}, {kYaku23OutsideHand, 4}}, 10},
    GoldenHand{"双箭刻", "1 2 3 14 15 22 22 37 37 37 + 13 / [36 36 36]", kDiscard,
               {{kYaku26TwoDragonPungs, 6}}, 6},
    GoldenHand{"三色三歩高", "2 3 4 13 14 15 24 25 26 32 32 35 35 + 32", kDiscard,
               {{kYaku14SeatWind, 2}, {kYaku21ConcealedHand, 2}, {kYaku27MixedShiftedChows, 6},
                {kYaku30AllTypes, 6}}, 16},
    GoldenHand{"碰碰和", "4 4 4 12 12 25 25 25 29 29 + 12 / [32 32 32]", kDiscard,
               {{kYaku14SeatWind, 2}, {kYaku16TwoConcealedPungs, 2}, {kYaku28AllPungs, 6}}, 10},
    GoldenHand{"五門斉 (sets)", "3 4 5 24 25 34 34 34 37 37 + 23 / [11 11 11]", kDiscard,
               {{kYaku1MixedDoubleChow, 1}, {kYaku3TerminalHonourPung, 2}, {kYaku30AllTypes, 6}}, 9},
    GoldenHand{"五門斉 (pairs)", "2 2 5 5 18 18 24 24 31 31 35 37 37 + 35", kDiscard,
               {{kYaku30AllTypes, 6}, {kYaku56SevenPairs, 24}}, 30},
    GoldenHand{"混一色 (sets)", "1 2 2 3 3 4 6 7 31 31 31 32 32 + 5", kDiscard,
               {{kYaku4ShortStraight, 1}, {kYaku13PrevalentWind, 2}, {kYaku21ConcealedHand, 2},
                {kYaku31HalfFlush, 6}}, 11},
    GoldenHand{"混一色 (pairs)", "11 11 12 12 15 15 18 18 32 32 36 36 37 + 37", kDiscard,
               {{kYaku31HalfFlush, 6}, {kYaku56SevenPairs, 24}}, 30},
    GoldenHand{"全求人", "37 + 37 / [1 2 3] / [23 23 23 23] / [7 8 9] / [32 32 32]", kDiscard,
               {{kYaku2TwoTerminalChows, 1}, {kYaku5MeldedKong, 1}, {kYaku6OneVoidedSuit, 1}, {kYaku14SeatWind, 2},
                {kYaku32MeldedHand, 6}}, 11},
    GoldenHand{"双暗槓", "5 6 7 11 12 13 14 + 11 / (22 22 22 22) / (26 26 26 26)", kDiscard,
               {{kYaku7NoHonours, 1}, {kYaku21ConcealedHand, 2}, {kYaku29TwoConcealedKongs, 8}}, 11},
    GoldenHand{"三色三同順", "4 5 6 14 15 16 19 19 24 25 26 33 33 + 19", kDiscard,
               {{kYaku3TerminalHonourPung, 1}, {kYaku21ConcealedHand, 2}, {kYaku33MixedTripleChow, 8}}, 11},
    GoldenHand{"三色三節高", "7 7 7 19 19 19 28 28 37 37 + 28 / [33 33 33]", kDiscard,
               {{kYaku3TerminalHonourPung, 2}, {kYaku16TwoConcealedPungs, 2}, {kYaku28AllPungs, 6},
                {kYaku30AllTypes, 6}, {kYaku34MixedShiftedPungs, 8}}, 24},
    GoldenHand{"花竜", "4 5 6 11 12 13 27 28 29 31 + 31 / [35 35 35]", kDiscard,
               {{kYaku10SingleWait, 1}, {kYaku12DragonPung, 2}, {kYaku30AllTypes, 6}, {kYaku35MixedStraight, 8}},
               17}));

// ids 36-46 with the chicken hand
INSTANTIATE_TEST_SUITE_P(ChickenKnittedAndFourTiles, GoldenHands, ::testing::Values(
    GoldenHand{"無番和", "3 4 5 14 14 14 17 18 35 35 + 19 / [21 22 23]", kDiscard, {{kYaku40ChickenHand, 8}}, 8},
    GoldenHand{"推不倒", "13 14 15 18 18 24 25 26 35 35 + 35 / [11 11 11]", kDiscard,
               {{kYaku3TerminalHonourPung, 1}, {kYaku12DragonPung, 2}, {kYaku41ReversibleTiles, 8}}, 11},
    GoldenHand{"三風刻", "13 14 15 29 29 31 31 31 32 32 + 32 / [34 34 34]", kDiscard,
               {{kYaku6OneVoidedSuit, 1}, {kYaku13PrevalentWind, 2}, {kYaku14SeatWind, 2},
                {kYaku42BigThreeWinds, 12}}, 17},
    GoldenHand{"組合竜", "1 4 7 12 15 18 23 26 29 33 33 36 36 + 36", kDiscard,
               {{kYaku12DragonPung, 2}, {kYaku21ConcealedHand, 2}, {kYaku30AllTypes, 6},
                {kYaku43KnittedStraight, 12}}, 22},
    GoldenHand{"全不靠", "1 7 12 18 23 26 29 31 33 34 35 36 37 + 15", kDiscard,
               {{kYaku44LesserHonoursKnitted, 12}}, 12},
    GoldenHand{"大干五", "6 7 8 17 17 19 19 19 26 27 28 29 29 + 29", kDiscard,
               {{kYaku1MixedDoubleChow, 1}, {kYaku3TerminalHonourPung, 2}, {kYaku15DoublePung, 2},
                {kYaku21ConcealedHand, 2}, {kYaku45UpperFour, 12}}, 19},
    GoldenHand{"小干五", "1 2 3 4 11 11 11 12 13 14 21 22 23 + 1", kDiscard,
               {{kYaku1MixedDoubleChow, 1}, {kYaku3TerminalHonourPung, 1}, {kYaku21ConcealedHand, 2},
                {kYaku46LowerFour, 12}}, 16}));

// ids 47-61
INSTANTIATE_TEST_SUITE_P(LargerPatterns, GoldenHands, ::testing::Values(
    GoldenHand{"一色三歩高 (steps of one)", "1 2 2 3 3 3 4 4 5 14 15 22 22 + 16", kDiscard,
               {{kYaku20AllChows, 2}, {kYaku21ConcealedHand, 2}, {kYaku47PureShiftedChows, 16}}, 20},
    GoldenHand{"一色三歩高 (steps of two)", "12 13 14 14 15 16 16 17 18 32 32 37 37 + 37", kDiscard,
               {{kYaku12DragonPung, 2}, {kYaku21ConcealedHand, 2}, {kYaku31HalfFlush, 6},
                {kYaku47PureShiftedChows, 16}}, 26},
    GoldenHand{"三色双竜会", "1 2 3 7 8 9 11 12 13 17 18 19 25 + 25", kDiscard,
               {{kYaku10SingleWait, 1}, {kYaku21ConcealedHand, 2}, {kYaku48ThreeSuitedTerminalChows, 16}}, 19},
    GoldenHand{"清竜", "1 2 3 4 5 6 7 8 9 14 15 23 23 + 13", kDiscard,
               {{kYaku20AllChows, 2}, {kYaku21ConcealedHand, 2}, {kYaku49PureStraight, 16}}, 20},
    GoldenHand{"三同刻", "2 3 4 7 7 11 11 11 21 21 + 21 / [1 1 1]", kDiscard,
               {{kYaku3TerminalHonourPung, 3}, {kYaku7NoHonours, 1}, {kYaku50TriplePung, 16}}, 20},
    GoldenHand{"三暗刻", "1 2 3 4 7 7 7 19 19 19 25 25 25 + 4", kDiscard,
               {{kYaku3TerminalHonourPung, 1}, {kYaku7NoHonours, 1}, {kYaku21ConcealedHand, 2},
                {kYaku51ThreeConcealedPungs, 16}}, 20},
    GoldenHand{"全帯五", "3 4 5 5 5 14 15 23 24 24 25 25 26 + 13", kDiscard,
               {{kYaku20AllChows, 2}, {kYaku21ConcealedHand, 2}, {kYaku33MixedTripleChow, 8},
                {kYaku52AllFives, 16}}, 28},
    // Drawn under 一色三同順 too: read as three chows it scores 28, as three
    // pungs 43, which wins.
    GoldenHand{"一色三節高", "3 3 3 4 4 4 5 5 5 12 13 25 25 + 11", kDiscard,
               {{kYaku7NoHonours, 1}, {kYaku21ConcealedHand, 2}, {kYaku51ThreeConcealedPungs, 16},
                {kYaku54PureShiftedPungs, 24}}, 43},
    GoldenHand{"清一色 (sets)", "3 4 5 5 6 6 7 7 8 9 + 9 / [2 3 4]", kDiscard,
               {{kYaku4ShortStraight, 2}, {kYaku20AllChows, 2}, {kYaku55FullFlush, 24}}, 28},
    GoldenHand{"清一色 (pairs)", "11 11 13 13 14 14 14 14 17 17 18 19 19 + 18", kDiscard,
               {{kYaku19TileHog, 2}, {kYaku55FullFlush, 24}, {kYaku56SevenPairs, 24}}, 50},
    GoldenHand{"七対", "2 2 9 9 9 13 13 18 18 27 27 35 35 + 9", kDiscard,
               {{kYaku19TileHog, 2}, {kYaku56SevenPairs, 24}}, 26},
    GoldenHand{"七星不靠", "1 7 12 23 26 29 31 32 33 34 35 36 37 + 18", kDiscard,
               {{kYaku57GreaterHonoursKnitted, 24}}, 24},
    GoldenHand{"全双刻", "4 4 4 16 16 18 18 18 22 22 + 16 / [28 28 28]", kDiscard,
               {{kYaku15DoublePung, 2}, {kYaku16TwoConcealedPungs, 2}, {kYaku58AllEvenPungs, 24}}, 28},
    GoldenHand{"全大", "7 8 9 9 9 17 17 18 18 18 27 28 29 + 9", kDiscard,
               {{kYaku1MixedDoubleChow, 1}, {kYaku3TerminalHonourPung, 1}, {kYaku16TwoConcealedPungs, 2},
                {kYaku19TileHog, 2}, {kYaku21ConcealedHand, 2}, {kYaku59UpperTiles, 24}}, 32},
    GoldenHand{"全中", "4 4 5 5 5 14 15 15 15 15 16 24 25 + 26", kDiscard,
               {{kYaku1MixedDoubleChow, 1}, {kYaku15DoublePung, 2}, {kYaku16TwoConcealedPungs, 2},
                {kYaku19TileHog, 2}, {kYaku21ConcealedHand, 2}, {kYaku60MiddleTiles, 24}}, 33},
    GoldenHand{"全小", "1 1 2 2 3 3 11 12 13 13 13 21 21 + 21", kDiscard,
               {{kYaku0PureDoubleChow, 1}, {kYaku1MixedDoubleChow, 1}, {kYaku3TerminalHonourPung, 1},
                {kYaku21ConcealedHand, 2}, {kYaku61LowerTiles, 24}}, 29}));

// ids 62-79
INSTANTIATE_TEST_SUITE_P(HighestPatterns, GoldenHands, ::testing::Values(
    GoldenHand{"一色四歩高 (steps of one)", "1 2 2 3 3 4 4 6 18 18 + 5 / [3 4 5]", kDiscard,
               {{kYaku6OneVoidedSuit, 1}, {kYaku9ClosedWait, 1}, {kYaku20AllChows, 2}, {kYaku62FourShiftedChows, 32}},
               36},
    GoldenHand{"一色四歩高 (steps of two)", "21 22 23 23 24 24 25 25 26 27 27 28 29 + 24", kDiscard,
               {{kYaku20AllChows, 2}, {kYaku21ConcealedHand, 2}, {kYaku55FullFlush, 24},
                {kYaku62FourShiftedChows, 32}}, 60},
    GoldenHand{"混幺九 (sets)", "1 1 19 19 19 21 21 34 34 34 + 1 / [37 37 37]", kDiscard,
               {{kYaku12DragonPung, 2}, {kYaku16TwoConcealedPungs, 2}, {kYaku30AllTypes, 6},
                {kYaku63TerminalsHonours, 32}}, 42},
    GoldenHand{"混幺九 (pairs)", "1 1 9 9 11 11 29 29 31 31 33 33 36 + 36", kDiscard,
               {{kYaku30AllTypes, 6}, {kYaku56SevenPairs, 24}, {kYaku63TerminalsHonours, 32}}, 62},
    GoldenHand{"三槓", "4 5 6 7 + 7 / [27 27 27 27] / (12 12 12 12) / (15 15 15 15)", kDiscard,
               {{kYaku18AllSimples, 2}, {kYaku29TwoConcealedKongs, 8}, {kYaku64ThreeKongs, 32}}, 42},
    GoldenHand{"一色四同順", "1 1 2 2 3 14 14 + 3 / [1 2 3] / [1 2 3]", kDiscard,
               {{kYaku6OneVoidedSuit, 1}, {kYaku8EdgeWait, 1}, {kYaku20AllChows, 2}, {kYaku46LowerFour, 12},
                {kYaku65QuadrupleChow, 48}}, 64},
    GoldenHand{"一色四節高", "2 2 4 4 4 29 29 + 2 / [1 1 1] / [3 3 3]", kDiscard,
               {{kYaku3TerminalHonourPung, 1}, {kYaku6OneVoidedSuit, 1}, {kYaku7NoHonours, 1},
                {kYaku66FourShiftedPungs, 48}}, 51},
    GoldenHand{"小三元", "17 18 19 25 26 27 35 35 36 36 + 36 / [37 37 37]", kDiscard,
               {{kYaku6OneVoidedSuit, 1}, {kYaku67LittleThreeDragons, 64}}, 65},
    GoldenHand{"一色双竜会", "21 22 23 25 25 27 28 28 29 29 + 27 / [21 22 23]", kDiscard,
               {{kYaku8EdgeWait, 1}, {kYaku68PureTerminalChows, 64}}, 65},
    GoldenHand{"小四喜", "13 14 15 32 32 32 33 33 34 34 + 34 / [31 31 31]", kDiscard,
               {{kYaku13PrevalentWind, 2}, {kYaku14SeatWind, 2}, {kYaku31HalfFlush, 6},
                {kYaku69LittleFourWinds, 64}}, 74},
    GoldenHand{"字一色 (sets)", "32 32 32 34 34 35 35 35 37 37 + 34 / [31 31 31]", kDiscard,
               {{kYaku12DragonPung, 2}, {kYaku13PrevalentWind, 2}, {kYaku14SeatWind, 2},
                {kYaku16TwoConcealedPungs, 2}, {kYaku42BigThreeWinds, 12}, {kYaku70AllHonours, 64}}, 84},
    GoldenHand{"字一色 (pairs)", "31 31 32 32 33 33 34 34 35 35 36 36 37 + 37", kDiscard,
               {{kYaku56SevenPairs, 24}, {kYaku70AllHonours, 64}}, 88},
    GoldenHand{"四暗刻", "2 2 2 15 15 27 27 27 29 29 31 31 31 + 29", kSelfDrawn,
               {{kYaku3TerminalHonourPung, 1}, {kYaku13PrevalentWind, 2}, {kYaku25FullyConcealed, 4},
                {kYaku71FourConcealedPungs, 64}}, 71},
    GoldenHand{"清幺九 (sets)", "1 1 1 19 19 19 21 21 29 29 + 29 / [9 9 9]", kDiscard,
               {{kYaku16TwoConcealedPungs, 2}, {kYaku50TriplePung, 16}, {kYaku72AllTerminals, 64}}, 82},
    GoldenHand{"清幺九 (pairs)", "1 1 9 9 11 19 19 21 21 21 21 29 29 + 11", kDiscard,
               {{kYaku56SevenPairs, 24}, {kYaku72AllTerminals, 64}}, 88},
    GoldenHand{"大四喜", "27 27 31 31 32 32 32 34 34 34 + 31 / [33 33 33]", kDiscard,
               {{kYaku16TwoConcealedPungs, 2}, {kYaku31HalfFlush, 6}, {kYaku73BigFourWinds, 88}}, 96},
    GoldenHand{"大三元", "17 18 19 26 26 35 35 37 37 37 + 35 / [36 36 36]", kDiscard,
               {{kYaku6OneVoidedSuit, 1}, {kYaku74BigThreeDragons, 88}}, 89},
    GoldenHand{"連七対", "22 22 23 23 24 24 25 25 26 26 27 27 28 + 28", kDiscard,
               {{kYaku18AllSimples, 2}, {kYaku75SevenShiftedPairs, 88}}, 90},
    GoldenHand{"四槓", "23 + 23 / [3 3 3 3] / (17 17 17 17) / (25 25 25 25) / [34 34 34 34]", kDiscard,
               {{kYaku3TerminalHonourPung, 1}, {kYaku29TwoConcealedKongs, 8}, {kYaku76FourKongs, 88}}, 97},
    GoldenHand{"十三幺", "1 9 11 19 21 29 31 32 33 34 35 36 37 + 31", kDiscard, {{kYaku77ThirteenOrphans, 88}}, 88},
    GoldenHand{"緑一色 (sets)", "22 22 23 23 24 26 26 36 36 36 + 24 / [28 28 28]", kDiscard,
               {{kYaku0PureDoubleChow, 1}, {kYaku12DragonPung, 2}, {kYaku31HalfFlush, 6}, {kYaku78AllGreen, 88}}, 97},
    GoldenHand{"緑一色 (pairs)", "22 22 23 23 24 24 26 26 26 28 28 36 36 + 26", kDiscard,
               {{kYaku31HalfFlush, 6}, {kYaku56SevenPairs, 24}, {kYaku78AllGreen, 88}}, 118},
    GoldenHand{"九蓮宝灯", "1 1 1 2 3 4 5 6 7 8 9 9 9 + 2", kDiscard,
               {{kYaku4ShortStraight, 1}, {kYaku16TwoConcealedPungs, 2}, {kYaku79NineGates, 88}}, 91}));

// Hands of the special forms and their neighbours: nine gates completed by
// each rank (the best reading of the fourteen tiles counts), honours and
// knitted with five and seven honours, a self-drawn thirteen orphans, and a
// nine-gates shape with a declared pung, which is no nine gates.
INSTANTIATE_TEST_SUITE_P(SpecialForms, GoldenHands, ::testing::Values(
    GoldenHand{"九蓮宝灯 +1", "1 1 1 2 3 4 5 6 7 8 9 9 9 + 1", kDiscard,
               {{kYaku19TileHog, 2}, {kYaku49PureStraight, 16}, {kYaku79NineGates, 88}}, 106},
    GoldenHand{"九蓮宝灯 +3", "1 1 1 2 3 4 5 6 7 8 9 9 9 + 3", kDiscard,
               {{kYaku4ShortStraight, 1}, {kYaku79NineGates, 88}}, 89},
    GoldenHand{"九蓮宝灯 +4", "1 1 1 2 3 4 5 6 7 8 9 9 9 + 4", kDiscard,
               {{kYaku4ShortStraight, 1}, {kYaku79NineGates, 88}}, 89},
    GoldenHand{"九蓮宝灯 +5", "1 1 1 2 3 4 5 6 7 8 9 9 9 + 5", kDiscard,
               {{kYaku16TwoConcealedPungs, 2}, {kYaku79NineGates, 88}}, 90},
    GoldenHand{"九蓮宝灯 +6", "1 1 1 2 3 4 5 6 7 8 9 9 9 + 6", kDiscard,
               {{kYaku4ShortStraight, 1}, {kYaku79NineGates, 88}}, 89},
    GoldenHand{"九蓮宝灯 +7", "1 1 1 2 3 4 5 6 7 8 9 9 9 + 7", kDiscard,
               {{kYaku4ShortStraight, 1}, {kYaku79NineGates, 88}}, 89},
    GoldenHand{"九蓮宝灯 +8", "1 1 1 2 3 4 5 6 7 8 9 9 9 + 8", kDiscard,
               {{kYaku4ShortStraight, 1}, {kYaku16TwoConcealedPungs, 2}, {kYaku79NineGates, 88}}, 91},
    GoldenHand{"九蓮宝灯 +9", "1 1 1 2 3 4 5 6 7 8 9 9 9 + 9", kDiscard,
               {{kYaku19TileHog, 2}, {kYaku49PureStraight, 16}, {kYaku79NineGates, 88}}, 106},
    GoldenHand{"清一色, not 九蓮宝灯 (declared pung)", "2 3 4 5 6 7 8 9 9 9 + 5 / [1 1 1]", kDiscard,
               {{kYaku3TerminalHonourPung, 2}, {kYaku55FullFlush, 24}}, 26},
    GoldenHand{"全不靠 with five honours", "1 4 7 12 15 18 23 26 29 31 32 33 35 + 37", kDiscard,
               {{kYaku43KnittedStraight, 12}, {kYaku44LesserHonoursKnitted, 12}}, 24},
    GoldenHand{"七星不靠 self-drawn", "1 7 12 23 26 29 31 32 33 34 35 36 37 + 18", kSelfDrawn,
               {{kYaku25FullyConcealed, 4}, {kYaku57GreaterHonoursKnitted, 24}}, 28},
    GoldenHand{"十三幺 self-drawn", "1 9 11 19 21 29 31 32 33 34 35 36 37 + 37", kSelfDrawn,
               {{kYaku25FullyConcealed, 4}, {kYaku77ThirteenOrphans, 88}}, 92}));

// Seven shifted pairs from each start rank, 3 to 9 in every suit, each
// window won on another pair. The 88 takes the place of 清一色 (and of the
// 無字 that 清一色 had cleared), 七対, 門前清 and 単調将; only 断幺, on the
// 2-to-8 window, stands beside it.
INSTANTIATE_TEST_SUITE_P(SevenShiftedPairsWindows, GoldenHands, ::testing::Values(
    GoldenHand{"連七対 1 to 7", "1 1 2 2 3 3 4 4 5 5 6 6 7 + 7", kDiscard, {{kYaku75SevenShiftedPairs, 88}}, 88},
    GoldenHand{"連七対 1 to 7 on the 1", "21 22 22 23 23 24 24 25 25 26 26 27 27 + 21", kDiscard,
               {{kYaku75SevenShiftedPairs, 88}}, 88},
    GoldenHand{"連七対 2 to 8", "12 12 13 13 14 14 15 16 16 17 17 18 18 + 15", kDiscard,
               {{kYaku18AllSimples, 2}, {kYaku75SevenShiftedPairs, 88}}, 90},
    GoldenHand{"連七対 3 to 9", "3 3 4 4 5 5 6 6 7 7 8 8 9 + 9", kDiscard, {{kYaku75SevenShiftedPairs, 88}}, 88},
    GoldenHand{"連七対 3 to 9 on the 6", "13 13 14 14 15 15 16 17 17 18 18 19 19 + 16", kDiscard,
               {{kYaku75SevenShiftedPairs, 88}}, 88},
    GoldenHand{"連七対 3 to 9 on the 3", "23 24 24 25 25 26 26 27 27 28 28 29 29 + 23", kDiscard,
               {{kYaku75SevenShiftedPairs, 88}}, 88}));

// Hands that are no win: the tile after "+" completes nothing. Evaluated
// anyway, they must score nothing at all, not a chicken hand.
class NotAWin : public ScoringTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(NotAWin, FindsNoReadingAndScoresNothing) {
  const WinScore s = win(GetParam());
  EXPECT_FALSE(s.listed);
  EXPECT_FALSE(s.valid);
  EXPECT_TRUE(s.found.empty()) << describe_patterns(s.found);
  EXPECT_EQ(s.total, 0);
}

INSTANTIATE_TEST_SUITE_P(HelpListRows, NotAWin, ::testing::Values(
    "5 6 13 14 15 21 22 23 26 27 28 34 34 + 34",
    "3 3 4 4 5 5 12 13 25 25 + 21 / [3 4 5]",
    // Twelve kinds of terminals and honours and a pair wait on the
    // thirteenth kind only; an honours-and-knitted hand holds no pair.
    "1 1 9 11 19 21 29 31 32 33 34 35 36 + 36",
    "1 4 7 12 15 18 23 26 29 31 32 33 35 + 35"));

}  // namespace
