// The tile facts of worked hands: which tiles are held, held twice or more,
// held exactly four times, and which whole-hand tile ranges the hand keeps.
#include "core/pattern_checks.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

constexpr std::uint64_t kEveryOnly = kOnlySimples | kOnlyUpperFour | kOnlyLowerFour | kOnlyMiddle | kOnlyEven |
                                     kOnlyTerminals | kOnlyGreen | kOnlyReversible | kOnlyNearFive;

struct FactsCase {
  const char* label;
  int hand[kHandSlots];  // slot values; a marked slot counts its tile
  std::initializer_list<int> held;
  std::initializer_list<int> twice;
  std::initializer_list<int> four;
  std::uint64_t only;  // the kOnly needs the hand keeps
};

void PrintTo(const FactsCase& c, std::ostream* os) { *os << c.label; }

std::uint64_t mask_of(std::initializer_list<int> tiles) {
  std::uint64_t m = 0;
  for (int t : tiles) m |= std::uint64_t{1} << t;
  return m;
}

const FactsCase kCases[] = {
    {"ThirteenOrphansPair",
     {1, 1, 9, 11, 19, 21, 29, 31, 32, 33, 34, 35, 36, 37},
     {1, 9, 11, 19, 21, 29, 31, 32, 33, 34, 35, 36, 37},
     {1},
     {},
     0},
    {"FourfoldInEveryLane",
     {2, 2, 2, 2, 18, 18, 18, 18, 33, 33, 33, 33, 37, 37},
     {2, 18, 33, 37},
     {2, 18, 33, 37},
     {2, 18, 33},
     0},
    {"FiveCopiesAreNotFourfold",
     {5, 5, 5, 5, 5, 15, 15, 15, 15, 15, 25, 25, 25, 25},
     {5, 15, 25},
     {5, 15, 25},
     {25},
     kOnlySimples | kOnlyMiddle | kOnlyNearFive},
    {"MarkedSlotsCountTheirTile",
     {5, 11, 12, 13, 22, 22, 31, 31, 101, 102, 103, 205, 205, 205},
     {1, 2, 3, 5, 11, 12, 13, 22, 31},
     {5, 22, 31},
     {5},
     0},
    {"AllGreen",
     {22, 22, 23, 23, 24, 24, 26, 26, 26, 28, 28, 36, 36, 36},
     {22, 23, 24, 26, 28, 36},
     {22, 23, 24, 26, 28, 36},
     {},
     kOnlyGreen},
    {"EvenReversibleSimples",
     {12, 12, 14, 14, 18, 18, 22, 22, 24, 24, 26, 26, 28, 28},
     {12, 14, 18, 22, 24, 26, 28},
     {12, 14, 18, 22, 24, 26, 28},
     {},
     kOnlySimples | kOnlyEven | kOnlyReversible},
    // Free tiles only: equal tiles side by side, runs at either end.
    {"FourfoldRunEndsTheHand",
     {1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 19, 19, 19, 19},
     {1, 2, 3, 4, 5, 6, 7, 8, 9, 19},
     {9, 19},
     {19},
     0},
    {"FourfoldRunStartsTheHandAFiveFollows",
     {3, 3, 3, 3, 6, 6, 6, 6, 6, 7, 7, 8, 8, 8},
     {3, 6, 7, 8},
     {3, 6, 7, 8},
     {3},
     kOnlySimples},
    {"NeighbouringCodesInLongRuns",
     {2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 4, 31, 31, 31},
     {2, 3, 4, 31},
     {2, 3, 4, 31},
     {3},
     0},
    {"OnlyTheLastPair",
     {11, 12, 13, 14, 15, 16, 17, 18, 19, 21, 22, 23, 29, 29},
     {11, 12, 13, 14, 15, 16, 17, 18, 19, 21, 22, 23, 29},
     {29},
     {},
     0},
    {"OneTileFourteenTimes",
     {5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5},
     {5},
     {5},
     {},
     kOnlySimples | kOnlyMiddle | kOnlyNearFive},
};

class TileFactsOf : public testing::TestWithParam<FactsCase> {};

TEST_P(TileFactsOf, CountsAndRanges) {
  const FactsCase& c = GetParam();
  WinReading r{};
  std::copy(std::begin(c.hand), std::end(c.hand), r.hand);
  r.valid = 1;
  const WinContext ctx{};
  const RuleSwitches rules;
  HandFacts f;
  gather_tile_facts(f, r, ctx, rules);
  EXPECT_EQ(f.tiles_held, mask_of(c.held));
  EXPECT_EQ(f.tiles_twice, mask_of(c.twice));
  EXPECT_EQ(f.tiles_fourfold, mask_of(c.four));
  EXPECT_EQ(f.reading_needs & kEveryOnly, c.only);
  EXPECT_EQ((f.reading_needs & kFourfold) != 0, c.four.size() != 0);
}

INSTANTIATE_TEST_SUITE_P(Hands, TileFactsOf, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
