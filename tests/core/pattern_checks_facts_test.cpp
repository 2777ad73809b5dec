// The tile facts of worked hands: which tiles are held, held twice or more,
// held exactly four times, and which whole-hand tile ranges the hand keeps;
// and the block facts of worked decompositions.
#include "core/pattern_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <iterator>

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
    // Free tiles of ranks 3 to 7 only; the declared 234p chow's 2p breaks that.
    {"AMarkedChowsTileBreaksANeed",
     {3, 3, 3, 4, 5, 6, 15, 16, 17, 25, 25, 112, 113, 114},
     {3, 4, 5, 6, 12, 13, 14, 15, 16, 17, 25},
     {3, 25},
     {},
     kOnlySimples},
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
  scan_reading(r);
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


// The block facts of worked decompositions: how many chows start at each
// tile, the sets by tile, the concealed ones, the counts, what every block
// and some block is, and the needs that follow from the blocks.
struct BlockCase {
  const char* label;
  int blocks[kWinBlocks];  // WinMeldCode
  std::initializer_list<int> chows[4];  // tiles that start at least one, two, three, four chows
  std::initializer_list<int> sets;
  std::initializer_list<int> concealed_chows;
  std::initializer_list<int> concealed_sets;
  int counts[7];  // chow, set, concealed set, concealed kong, melded kong, dragon set and wind set blocks
  int pair_tile;
  int every;  // BlockTraits
  int some;
  std::uint64_t needs;  // of kBlockNeeds
  std::initializer_list<int> inside_chow;  // winning tiles that lie inside a concealed chow
};

void PrintTo(const BlockCase& c, std::ostream* os) { *os << c.label; }

constexpr std::uint64_t kBlockNeeds = kTwoChows | kThreeChows | kOneSet | kTwoSets | kThreeSets | kKong | kHonourSet |
                                      kTwinChows | kTerminalChows | kOutsideBlocks | kFourChows | kNoChows |
                                      kTwinChowsOrNoBlocks | kOnlyChows;
constexpr int kEverySuit = kCharactersBlock | kDotsBlock | kBambooBlock;
constexpr int kTerminalTiles = kTerminalTileBlock | kTerminalOrHonourTileBlock;

const BlockCase kBlockCases[] = {
    {"ChowFourTimes",
     {102, 102, 202, 102, 5},
     {{2}, {2}, {2}, {2}},
     {},
     {2},
     {},
     {4, 0, 0, 0, 0, 0, 0},
     5,
     kCharactersBlock,
     kCharactersBlock | kFiveBlock,
     kTwoChows | kThreeChows | kFourChows | kOnlyChows | kTwinChows | kTwinChowsOrNoBlocks,
     {2, 3, 4}},
    {"FourChowsShiftedOneApart",
     {101, 102, 203, 104, 9},
     {{1, 2, 3, 4}, {}, {}, {}},
     {},
     {1, 2, 4},
     {},
     {4, 0, 0, 0, 0, 0, 0},
     9,
     kCharactersBlock,
     kCharactersBlock | kOutsideBlock | kFiveBlock | kTerminalTiles,
     kTwoChows | kThreeChows | kFourChows | kOnlyChows,
     {1, 2, 3, 4, 5, 6}},
    {"TerminalChowsBesideTerminalSets",
     {101, 207, 311, 629, 31},
     {{1, 7}, {}, {}, {}},
     {11, 29},
     {1},
     {11},
     {2, 2, 1, 0, 1, 0, 0},
     31,
     kOutsideBlock,
     kOutsideBlock | kTerminalTiles | kHonourBlock | kEverySuit,
     kTwoChows | kOneSet | kTwoSets | kKong | kTerminalChows | kOutsideBlocks,
     {1, 2, 3}},
    {"ChowThreeTimesBesideADragonKong",
     {113, 113, 113, 535, 25},
     {{13}, {13}, {13}, {}},
     {35},
     {13},
     {35},
     {3, 1, 1, 1, 0, 1, 0},
     25,
     0,
     kFiveBlock | kDotsBlock | kBambooBlock | kOutsideBlock | kTerminalOrHonourTileBlock | kHonourBlock,
     kTwoChows | kThreeChows | kOneSet | kKong | kHonourSet | kTwinChows | kTwinChowsOrNoBlocks,
     {13, 14, 15}},
    {"ThreeWindSets",
     {431, 332, 634, 121, 37},
     {{21}, {}, {}, {}},
     {31, 32, 34},
     {21},
     {32},
     {1, 3, 1, 0, 1, 0, 3},
     37,
     kOutsideBlock | kTerminalOrHonourTileBlock,
     kOutsideBlock | kTerminalTiles | kHonourBlock | kBambooBlock,
     kOneSet | kTwoSets | kThreeSets | kKong | kHonourSet | kOutsideBlocks,
     {21, 22, 23}},
    // A knitted straight's pair and set; the empty blocks are none of the traits.
    {"PairAndSetOnly",
     {29, 418, 0, 0, 0},
     {{}, {}, {}, {}},
     {18},
     {},
     {},
     {0, 1, 0, 0, 0, 0, 0},
     29,
     0,
     kOutsideBlock | kTerminalTiles | kBambooBlock | kDotsBlock,
     kOneSet | kNoChows,
     {}},
    // A knitted straight's chow and pair.
    {"ChowAndPairOnly",
     {127, 15, 0, 0, 0},
     {{27}, {}, {}, {}},
     {},
     {27},
     {},
     {1, 0, 0, 0, 0, 0, 0},
     15,
     0,
     kBambooBlock | kOutsideBlock | kDotsBlock | kFiveBlock,
     kOnlyChows,
     {27, 28, 29}},
    {"NoBlocks", {0, 0, 0, 0, 0}, {{}, {}, {}, {}}, {}, {}, {}, {0, 0, 0, 0, 0, 0, 0}, 0, 0, 0,
     kNoChows | kTwinChowsOrNoBlocks, {}},
};

class BlockFactsOf : public testing::TestWithParam<BlockCase> {};

TEST_P(BlockFactsOf, MasksCountsAndNeeds) {
  const BlockCase& c = GetParam();
  HandFacts f{};
  f.by_discard = 1;
  YakuTable table;
  gather_block_facts(f, c.blocks, table);
  for (int k = 0; k < 4; ++k) EXPECT_EQ(f.chow_tiles[k], mask_of(c.chows[k])) << "at least " << k + 1;
  EXPECT_EQ(f.set_tiles, mask_of(c.sets));
  EXPECT_EQ(f.concealed_chow_tiles, mask_of(c.concealed_chows));
  EXPECT_EQ(f.concealed_set_tiles, mask_of(c.concealed_sets));
  const int counts[7] = {f.chow_blocks,  f.set_blocks,  f.concealed_sets, f.concealed_kongs,
                         f.melded_kongs, f.dragon_sets, f.wind_sets};
  EXPECT_TRUE(std::equal(std::begin(counts), std::end(counts), std::begin(c.counts)));
  EXPECT_EQ(f.pair_tile, c.pair_tile);
  EXPECT_EQ(f.every_block, c.every);
  EXPECT_EQ(f.some_block, c.some);
  EXPECT_EQ(f.needs & kBlockNeeds, c.needs);
  for (int t = 0; t <= kRed; ++t) {
    f.win_tile = t;
    EXPECT_EQ(win_tile_in_concealed_chow(f), mask_of(c.inside_chow) >> t & 1) << "winning tile " << t;
  }
}

INSTANTIATE_TEST_SUITE_P(Blocks, BlockFactsOf, testing::ValuesIn(kBlockCases),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
