// The chow patterns counted from the blocks of worked decompositions, each
// check run alone on a fresh table: pure double chows (tiles with exactly
// two chows), mixed double chows, two terminal chows, the short straight's
// pairs three ranks apart (each chow in one pair, taken in block order), and
// the pure triple and quadruple chows.
#include "core/pattern_checks.h"

#include <gtest/gtest.h>

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

}  // namespace
