// The fixed-layout chow claims and the knitted straight on worked hands for
// seat 1 (left neighbour seat 0). Layouts used: 53/14 = 456p three times;
// 65/7 = 789m four times; 68/2 = 123s and 789s twice; 48/0 = 123m 789m 123p
// 789p, 48/2 = 123p 789p 123s 789s; 62/21 = 234s to 567s, 62/0 = 123m to
// 456m, 62/3 = 456m to 789m, 62/4 = 123m 345m 567m 789m; 43/0 = 147m 258p 369s.
#include "com/claim/chow_claim_case.h"
#include "com/claim/claim_rules.h"

namespace chow_claims {
namespace {

constexpr auto k53 = naki_pure_triple_chow;
constexpr auto k65 = naki_quadruple_chow;
constexpr auto k68 = naki_pure_terminal_chows;
constexpr auto k48 = naki_three_suited_terminal_chows;
constexpr auto k62 = naki_four_pure_shifted_chows;
constexpr auto k43 = naki_knitted_straight;

const Case kCases[] = {
    {"TripleChowHighest", k53, 53, 14, "4566p 19m", "6p", chow(1, 2)},
    {"TripleChowOtherSuit", k53, 53, 14, "4566p 19m", "6s", kNone},
    {"TripleChowNotFromOpposite", k53, 53, 14, "4566p 19m", "6p", kNone, {}, 3},
    {"TripleChowLowest", k53, 53, 14, "45566p 19m", "4p", chow(3, 0)},
    {"TripleChowMiddle", k53, 53, 14, "46p 19m", "5p", chow(2, 1)},
    {"TripleChowTileHeldThreeTimes", k53, 53, 14, "45666p 19m", "6p", kNone},
    {"QuadrupleChowMeldedTwiceOneHeld", k65, 65, 7, "789m 19p", "7m", chow(3, 0), {{kMeldChow, 7, 0}, {kMeldChow, 7, 0}}},
    {"QuadrupleChowMeldedTwiceTwoHeld", k65, 65, 7, "7789m 19p", "7m", kNone, {{kMeldChow, 7, 0}, {kMeldChow, 7, 0}}},
    {"TerminalChowsLowOpen", k68, 68, 2, "23s 89s 55p", "1s", chow(3, 0)},
    {"TerminalChowsLowMeldedTwice", k68, 68, 2, "23s 89s 55p", "1s", kNone, {{kMeldChow, 21, 0}, {kMeldChow, 21, 0}}},
    {"TerminalChowsHighStillOpen", k68, 68, 2, "23s 89s 55p", "7s", chow(3, 0), {{kMeldChow, 21, 0}, {kMeldChow, 21, 0}}},
    {"ThreeSuitedMiddle", k48, 48, 2, "79p 5m", "8p", chow(2, 1)},
    {"ThreeSuitedPairOfFives", k48, 48, 0, "46s 5s", "5s", kNone},
    {"ThreeSuitedMeldedChow", k48, 48, 2, "79p 5m", "8p", kNone, {{kMeldChow, 17, 0}}},
    {"ThreeSuitedTileHeld", k48, 48, 2, "789p 5m", "8p", kNone},
    {"ShiftedChowsTripledTile", k62, 62, 21, "3455s 19m 19p", "5s", chow(1, 101)},
    {"ShiftedChowsMiddleAfterLowestAndHighest", k62, 62, 0, "24m 9p 9s", "3m", chow(2, 102)},
    {"ShiftedChowsTileHeldOnceOfTwo", k62, 62, 3, "456m 9p", "5m", chow(2, 102)},
    {"ShiftedChowsMeldLowersTheNeed", k62, 62, 3, "456m 9p", "5m", kNone, {{kMeldChow, 5, 0}}},
    {"ShiftedChowsTwoRanksApart", k62, 62, 4, "67m 9p", "5m", chow(3, 100)},
    {"ShiftedChowsLayoutPastFour", k62, 62, 5, "12m", "3m", kNone},
    // The knitted straight: chows and pungs for the set and pair beside the layout.
    {"KnittedLowest", k43, 43, 0, "147m 258p 369s 56m 77p", "4m", chow(3, 100)},
    {"KnittedMiddle", k43, 43, 0, "147m 2558p 369s 3p 77s", "4p", chow(2, 101)},
    {"KnittedHighestWithoutPair", k43, 43, 0, "147m 258p 369s 78s 15z", "9s", chow(1, 102)},
    {"KnittedChowKeepsItsPair", k43, 43, 0, "147m 258p 369s 788s 5z", "9s", kNone},
    {"KnittedPungBesideASecondPair", k43, 43, 0, "147m 258p 369s 55z 66z", "5z", pung(110), {}, 2},
    {"KnittedPungNeedsTwoPairs", k43, 43, 0, "147m 258p 369s 55z 6z 7z", "5z", kNone, {}, 2},
    {"KnittedRunAlreadyThere", k43, 43, 0, "147m 258p 369s 567m", "8m", kNone},
    {"KnittedTripleAlreadyThere", k43, 43, 0, "47m 258p 369s 777z 56m", "4m", kNone},
    {"KnittedWithAConcealedKong", k43, 43, 0, "47m 258p 36s 55z 66z", "5z", kNone, {{kMeldConcealedKong, 31, 1}}, 2},
    {"KnittedWithAnOpenCall", k43, 43, 0, "147m 258p 369s 55z 66z", "5z", kNone, {}, 2, {}, 1},
};

class FixedChowClaim : public ClaimCaseTest {};

TEST_P(FixedChowClaim, Decides) {
  const Case& c = GetParam();
  set_up(c);
  EXPECT_EQ(run(c.rule), c.expect);
  const bool stores = c.target == 53 || c.target == 65;
  EXPECT_EQ(g_naki_tile, stores ? parse_tiles(c.discard)[0] : 0);
}
INSTANTIATE_TEST_SUITE_P(Worked, FixedChowClaim, ::testing::ValuesIn(kCases), case_name);

}  // namespace
}  // namespace chow_claims
