// How far a seat's hand fills the chow-pattern templates: worked hands with
// chow melds, the seat's memo reading a changed hand afresh, and what the
// rest of a hand makes.
#include "com/target/chow_fit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/ai_record.h"
#include "base/yaku_table.h"
#include "support/hand_builder.h"
#include "support/table_fixture.h"

namespace {

constexpr int kSeat = 2;

struct CoverageCase {
  const char* name;
  const char* hand;                 // free tiles
  std::vector<const char*> chows;   // chow melds by lowest tile
  int yaku;
  int index;                        // the template, in the order of chow_layouts
  int coverage;
};

// Pure straight templates 0..2 run 123-456-789 in characters, dots, bamboo;
// mixed triple chow 0 is 123 in every suit, 6 is 789; pure shifted chows 0
// is 123-234-345 of characters, 1 is 234-345-456.
const CoverageCase kCases[] = {
    {"AMeldedFirstPartAndSixFree", "456789m 11p 5s", {"1m"}, kYaku49PureStraight, 0, 9},
    {"TheOtherSuitsCountTheirFreeTiles", "456789m 11p 5s", {"1m"}, kYaku49PureStraight, 1, 1},
    {"AMeldFromAMiddleTileFillsNoPart", "156789m 11p", {"2m"}, kYaku49PureStraight, 0, 6},
    {"ASecondEqualMeldFillsNoSecondPart", "56789m 11p", {"1m", "1m"}, kYaku49PureStraight, 0, 8},
    {"TwoMeldedSuitsAndTwoFreeTiles", "23s 789m 11z", {"1m", "1p"}, kYaku33MixedTripleChow, 0, 8},
    {"ARepeatedTileShortOfItsMeldedCopy", "12345m 11p", {"2m"}, kYaku47PureShiftedChows, 0, 8},
    {"NoMeldRepeatedTilesByCopies", "1223345m 11p", {}, kYaku47PureShiftedChows, 0, 7},
    {"TilesBelowTheTemplateCoverNothing", "1123445566m 9p", {}, kYaku47PureShiftedChows, 1, 7},
    {"TheLastTripleChowStartsAtSeven", "789m 789p 78s", {}, kYaku33MixedTripleChow, 6, 8},
};

class ChowFitTest : public TableTest {
 protected:
  int coverage_of(const char* hand, const std::vector<const char*>& chows, int yaku, int index) {
    set_hand(kSeat, hand);
    for (int seat = 0; seat < kSeats; ++seat) std::fill(std::begin(g_melds[seat]), std::end(g_melds[seat]), 0);
    for (const char* low : chows) add_meld(kSeat, kMeldChow, parse_tiles(low).at(0));
    count_hand_tiles(kSeat);
    return chow_fit_memo(kSeat).coverages(yaku)[index];
  }
};

class ChowCoverage : public ChowFitTest, public ::testing::WithParamInterface<CoverageCase> {};

TEST_P(ChowCoverage, CoversThePositionsOfTheWorkedHand) {
  const CoverageCase& c = GetParam();
  EXPECT_EQ(coverage_of(c.hand, c.chows, c.yaku, c.index), c.coverage);
  EXPECT_EQ(chow_fit_memo(kSeat).fit(c.yaku, c.index).coverage, c.coverage);
}

INSTANTIATE_TEST_SUITE_P(Hands, ChowCoverage, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A chow meld from 1m, then one from 4m: the second hand's first part is
// two free tiles, not the earlier meld, and its five characters and one
// meld bound a template in one suit to 8 positions.
TEST_F(ChowFitTest, AMeldOfAnEarlierHandFillsNothingNow) {
  EXPECT_EQ(coverage_of("456789m 11p 5s", {"1m"}, kYaku49PureStraight, 0), 9);
  EXPECT_EQ(coverage_of("12789m 11p 5s 9s", {"4m"}, kYaku49PureStraight, 0), 8);
  EXPECT_EQ(chow_fit_memo(kSeat).best_coverage(kYaku49PureStraight), 8);
  EXPECT_EQ(chow_fit_memo(kSeat).coverage_bound(kYaku49PureStraight), 8);
}

struct BoundCase {
  const char* name;
  const char* hand;
  std::vector<const char*> chows;
  int yaku;
  int bound;  // coverage_bound
  int best;   // best_coverage
};

// One suit: the best chow's kinds three times over, or the suit's copies
// (three of a kind at most) and three per chow meld, the smaller. A part in
// each suit: the best chow of each suit.
const BoundCase kBounds[] = {
    {"SevenCopiesOfOneSuitBoundSeven", "1223345m 19p 19s", {}, kYaku47PureShiftedChows, 7, 7},
    {"SixCopiesOfOneSuitBoundSix", "122334m 19p 19s 1z", {}, kYaku47PureShiftedChows, 6, 6},
    {"AFourthCopyAddsNothing", "1222234m 19p 19s", {}, kYaku47PureShiftedChows, 6, 5},
    {"AChowMeldAddsThree", "12345m 11p", {"2m"}, kYaku47PureShiftedChows, 8, 8},
    {"AChowMeldOfAnotherSuitAddsNothing", "1223345m 19s", {"1p"}, kYaku47PureShiftedChows, 7, 7},
    {"FourCopiesBoundFour", "1245m 2245p", {}, kYaku49PureStraight, 4, 4},
    {"TwoKindsAChowBoundSix", "11224455m 19p", {}, kYaku49PureStraight, 6, 4},
    {"TheBestChowOfEachSuit", "123m 456p 78s 11z", {}, kYaku35MixedStraight, 8, 8},
    {"ASuitWithoutTilesAddsNothing", "123m 456p 11z 99p", {}, kYaku35MixedStraight, 6, 6},
    {"TheBestChowsNeedNotLineUp", "12m 12p 12s 789m 11z", {}, kYaku33MixedTripleChow, 7, 6},
    {"AMeldedChowIsThree", "56p 67s 11z", {"7m"}, kYaku27MixedShiftedChows, 7, 7},
};

class CoverageBound : public ChowFitTest, public ::testing::WithParamInterface<BoundCase> {};

TEST_P(CoverageBound, BoundsTheBestTemplate) {
  const BoundCase& c = GetParam();
  coverage_of(c.hand, c.chows, c.yaku, 0);
  EXPECT_EQ(chow_fit_memo(kSeat).coverage_bound(c.yaku), c.bound);
  EXPECT_EQ(chow_fit_memo(kSeat).best_coverage(c.yaku), c.best);
}

INSTANTIATE_TEST_SUITE_P(Hands, CoverageBound, ::testing::ValuesIn(kBounds),
                         [](const auto& info) { return std::string(info.param.name); });

struct RestCase {
  const char* name;
  const char* rest;
  int other_melds;
  PairCount plain_pair;
  RestShape shape;
};

// Pairs beside a chow count one more.
const RestCase kRests[] = {
    {"APairBelowARunIsASetAndAPair", "11234m 9p", 0, PairCount::kAdd, {1, 0, 1, 0}},
    {"APairAboveARunIsASetAndAPair", "12344m 9p", 0, PairCount::kAdd, {1, 0, 1, 0}},
    {"BesideAMeldThePairAndRunFoldIntoPairs", "11234m 9p", 1, PairCount::kAdd, {1, 0, 2, 0}},
    {"TwoRunsAreTwoSets", "123m 456p", 1, PairCount::kAdd, {3, 0, 0, 0}},
    {"ARunWithADoubledTileIsASetAndAPair", "1223m 456p", 1, PairCount::kAdd, {2, 0, 1, 0}},
    {"AGapBeforeThePairIsNoRun", "1344m", 1, PairCount::kAdd, {1, 0, 1, 1}},
    {"APungBeforeThePairs", "555s 66s", 1, PairCount::kAdd, {2, 1, 1, 0}},
    {"TwoPairsCountTwo", "1133m", 1, PairCount::kAdd, {1, 0, 2, 0}},
    {"TwoPairsCountOneWhereAPairIsAPair", "1133m", 1, PairCount::kSetOne, {1, 0, 1, 0}},
    {"ClosedShapesNeedTheirMiddleAbsent", "13m 79p 2s 4s", 1, PairCount::kAdd, {1, 0, 0, 3}},
    {"ANeighbourShapeBeforeAClosedOne", "124m", 1, PairCount::kAdd, {1, 0, 0, 1}},
    {"ThePairIsTakenBeforeTheNeighbours", "122m", 1, PairCount::kAdd, {1, 0, 1, 0}},
    // 1-2-3 taken leaves a 3 for 3-4-5; two runs over four tiles of 1-2-3 fold into a set and a pair.
    {"ARunTakenLeavesACopyForTheNext", "123345m", 0, PairCount::kAdd, {1, 0, 1, 0}},
};

class RestReading : public ::testing::TestWithParam<RestCase> {};

TEST_P(RestReading, CountsTheShapesOfTheWorkedRest) {
  const RestCase& c = GetParam();
  KindCounts rest{};
  for (int tile : parse_tiles(c.rest)) ++rest[tile];
  const RestShape got = read_rest(rest, c.other_melds, PairCount::kAdd, c.plain_pair);
  EXPECT_EQ(got.sets, c.shape.sets);
  EXPECT_EQ(got.pungs, c.shape.pungs);
  EXPECT_EQ(got.pairs, c.shape.pairs);
  EXPECT_EQ(got.partials, c.shape.partials);
}

INSTANTIATE_TEST_SUITE_P(Rests, RestReading, ::testing::ValuesIn(kRests),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
