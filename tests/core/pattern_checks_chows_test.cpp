// The chow patterns counted from the blocks of worked decompositions, each
// check run alone on a fresh table: pure double chows (tiles with exactly
// two chows), mixed double chows, two terminal chows, the short straight's
// pairs three ranks apart (each chow in one pair, taken in block order), and
// the pure triple and quadruple chows. Then whole hands, where the chow
// families limit one another.
#include "core/pattern_checks.h"

#include <gtest/gtest.h>

#include "support/scoring_fixture.h"

namespace {

struct ChowCase {
  const char* label;
  int blocks[kWinBlocks];  // WinMeldCode
  void (*check)(const HandFacts&);
  int id;
  int points;  // 0: not found
};

void PrintTo(const ChowCase& c, std::ostream* os) { *os << c.label; }

const ChowCase kCases[] = {
    {"ShortStraightOfThreeChowsIsOnePair", {101, 104, 107, 311, 19}, check_yaku_4_short_straight, kYaku4ShortStraight, 1},
    {"ShortStraightMiddleChowFirst", {104, 101, 107, 311, 19}, check_yaku_4_short_straight, kYaku4ShortStraight, 1},
    {"ShortStraightTwoFoursBetweenOneAndSeven", {104, 104, 101, 107, 19}, check_yaku_4_short_straight,
     kYaku4ShortStraight, 2},
    {"ShortStraightTwoFoursAndTwoOnes", {104, 101, 104, 101, 19}, check_yaku_4_short_straight, kYaku4ShortStraight, 2},
    {"ShortStraightTwoFoursAndTwoSevens", {107, 104, 107, 104, 19}, check_yaku_4_short_straight, kYaku4ShortStraight,
     2},
    {"ShortStraightTwoAndFiveTwice", {112, 115, 115, 112, 17}, check_yaku_4_short_straight, kYaku4ShortStraight, 2},
    {"ShortStraightThreeAndSixTwice", {103, 106, 106, 311, 9}, check_yaku_4_short_straight, kYaku4ShortStraight, 1},
    {"ShortStraightOnlyInOneSuit", {101, 114, 121, 224, 5}, check_yaku_4_short_straight, kYaku4ShortStraight, 1},
    {"ShortStraightNoneThreeApart", {101, 102, 103, 311, 9}, check_yaku_4_short_straight, kYaku4ShortStraight, 0},
    {"PureDoubleChowTwice", {101, 101, 104, 204, 9}, check_yaku_0_pure_double_chow, kYaku0PureDoubleChow, 2},
    {"PureDoubleChowOnce", {112, 112, 121, 331, 5}, check_yaku_0_pure_double_chow, kYaku0PureDoubleChow, 1},
    {"ChowThreeTimesIsNoPureDouble", {101, 101, 101, 104, 9}, check_yaku_0_pure_double_chow, kYaku0PureDoubleChow, 0},
    {"ChowFourTimesIsNoPureDouble", {102, 102, 202, 102, 5}, check_yaku_0_pure_double_chow, kYaku0PureDoubleChow, 0},
    {"MixedDoubleChowOfThreeChows", {101, 101, 111, 331, 5}, check_yaku_1_mixed_double_chow, kYaku1MixedDoubleChow, 1},
    {"MixedDoubleChowTwoRanks", {101, 111, 104, 214, 5}, check_yaku_1_mixed_double_chow, kYaku1MixedDoubleChow, 2},
    {"RankInThreeSuitsIsNoMixedDouble", {101, 111, 121, 331, 5}, check_yaku_1_mixed_double_chow,
     kYaku1MixedDoubleChow, 0},
    {"TwoTerminalChowsInOneSuit", {101, 207, 112, 331, 5}, check_yaku_2_two_terminal_chows, kYaku2TwoTerminalChows, 1},
    {"TwoTerminalChowsInTwoSuits", {101, 107, 111, 117, 5}, check_yaku_2_two_terminal_chows, kYaku2TwoTerminalChows, 2},
    {"TwoOfEachEndsTheCountAtTwo", {101, 101, 107, 107, 15}, check_yaku_2_two_terminal_chows,
     kYaku2TwoTerminalChows, 2},
    {"OneOnceSevenTwiceIsOneSuit", {101, 107, 107, 114, 25}, check_yaku_2_two_terminal_chows, kYaku2TwoTerminalChows, 1},
    {"OneTwiceSevenOnceIsOneSuit", {101, 101, 107, 114, 25}, check_yaku_2_two_terminal_chows, kYaku2TwoTerminalChows, 1},
    {"RankOneWithoutSevenIsNone", {101, 101, 104, 331, 9}, check_yaku_2_two_terminal_chows, kYaku2TwoTerminalChows, 0},
    {"PureTripleChowInTheLastBlocks", {311, 5, 113, 113, 113}, check_yaku_53_pure_triple_chow, kYaku53PureTripleChow,
     24},
    {"ChowFourTimesIsNoPureTriple", {102, 102, 202, 102, 5}, check_yaku_53_pure_triple_chow, kYaku53PureTripleChow, 0},
    {"QuadrupleChowAfterThePair", {5, 102, 102, 202, 102}, check_yaku_65_quadruple_chow, kYaku65QuadrupleChow, 48},
    {"ChowThreeTimesIsNoQuadruple", {101, 101, 101, 104, 9}, check_yaku_65_quadruple_chow, kYaku65QuadrupleChow, 0},
};

class ChowPatterns : public testing::TestWithParam<ChowCase> {};

TEST_P(ChowPatterns, FoundWithItsPoints) {
  const ChowCase& c = GetParam();
  HandFacts f{};
  YakuTable table;
  gather_block_facts(f, c.blocks, table);
  c.check(f);
  EXPECT_EQ(yaku_found(f, c.id), c.points != 0);
  EXPECT_EQ(table[c.id].found, c.points != 0 ? 1 : 0);
  if (c.points != 0) {
    EXPECT_EQ(table[c.id].points, c.points);
  }
}

INSTANTIATE_TEST_SUITE_P(Blocks, ChowPatterns, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.label); });

// Won on a discard, scored whole: once one of 一般高, 喜相逢, 老少副, 連六
// scores 2, each later one scores 1.
struct FamilyHand {
  const char* label;
  const char* hand;
  Found found;
  int total;
};

void PrintTo(const FamilyHand& h, std::ostream* os) { *os << h.label << ": " << h.hand; }

class ChowFamilyHands : public ScoringTest, public ::testing::WithParamInterface<FamilyHand> {};

TEST_P(ChowFamilyHands, ScoreTheFamiliesTogether) {
  const FamilyHand& h = GetParam();
  const WinScore s = win(h.hand);
  ASSERT_TRUE(s.listed && s.valid);
  EXPECT_EQ(s.found, h.found) << describe_patterns(s.found);
  EXPECT_EQ(s.total, h.total);
}

INSTANTIATE_TEST_SUITE_P(Hands, ChowFamilyHands, ::testing::Values(
    // 789 twice is one 一般高; 123 once with 789 makes one suit of 老少副: 7, short of a win.
    FamilyHand{"TerminalChowsBesideADoubledSeven", "1 2 3 7 8 9 7 8 9 14 15 16 25 + 25",
               {{kYaku0PureDoubleChow, 1}, {kYaku2TwoTerminalChows, 1}, {kYaku10SingleWait, 1},
                {kYaku20AllChows, 2}, {kYaku21ConcealedHand, 2}}, 7},
    // Ranks 1 and 7 in two suits: 喜相逢 of four chows scores 2, so 老少副 of two suits scores 1.
    FamilyHand{"TwoSuitsOfTerminalChows", "1 2 3 7 8 9 11 12 13 17 18 19 22 + 22",
               {{kYaku1MixedDoubleChow, 2}, {kYaku2TwoTerminalChows, 1}, {kYaku10SingleWait, 1},
                {kYaku20AllChows, 2}, {kYaku21ConcealedHand, 2}}, 8},
    // 123 and 789 both twice: 一般高 twice scores 2; the suit's 老少副 then 1.
    FamilyHand{"BothTerminalChowsTwice", "1 2 3 7 7 8 8 9 9 25 + 25 / [1 2 3]",
               {{kYaku0PureDoubleChow, 2}, {kYaku2TwoTerminalChows, 1}, {kYaku6OneVoidedSuit, 1},
                {kYaku10SingleWait, 1}, {kYaku20AllChows, 2}}, 7},
    // 一色三同順 takes 一般高 away and holds 喜相逢 of four chows to 1.
    FamilyHand{"PureTripleChowBesideAMixedDouble", "1 1 2 2 3 3 11 12 13 29 + 29 / [1 2 3]",
               {{kYaku1MixedDoubleChow, 1}, {kYaku10SingleWait, 1}, {kYaku20AllChows, 2},
                {kYaku23OutsideHand, 4}, {kYaku53PureTripleChow, 24}}, 32}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
