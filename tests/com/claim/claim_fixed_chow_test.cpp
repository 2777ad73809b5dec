// The fixed-layout chow claims and the knitted straight on worked hands for
// seat 1 (left neighbour seat 0). Layouts used: 53/14 = 456p three times;
// 65/7 = 789m four times; 68/2 = 123s and 789s twice; 48/0 = 123m 789m 123p
// 789p, 48/2 = 123p 789p 123s 789s; 62/21 = 234s to 567s, 62/0 = 123m to
// 456m, 62/3 = 456m to 789m, 62/4 = 123m 345m 567m 789m; 43/0 = 147m 258p 369s.
#include "base/table_state.h"
#include "com/claim/claim_protocol.h"
#include "com/claim/claim_rules.h"
#include "support/claim_fixture.h"
#include "support/hand_builder.h"

namespace {

constexpr auto k53 = naki_pure_triple_chow;
constexpr auto k65 = naki_quadruple_chow;
constexpr auto k68 = naki_pure_terminal_chows;
constexpr auto k48 = naki_three_suited_terminal_chows;
constexpr auto k62 = naki_four_pure_shifted_chows;
constexpr auto k43 = naki_knitted_straight;

const ClaimCase kCases[] = {
    {"TripleChowHighest", k53, "4566p 19m", "6p", chow(1, 53, 2), 53, 14},
    {"TripleChowOtherSuit", k53, "4566p 19m", "6s", kNoClaim, 53, 14},
    {"TripleChowNotFromOpposite", k53, "4566p 19m", "6p", kNoClaim, 53, 14, {}, 3},
    {"TripleChowLowest", k53, "45566p 19m", "4p", chow(3, 53, 0), 53, 14},
    {"TripleChowMiddle", k53, "46p 19m", "5p", chow(2, 53, 1), 53, 14},
    {"TripleChowTileHeldThreeTimes", k53, "45666p 19m", "6p", kNoClaim, 53, 14},
    {"QuadrupleChowMeldedTwiceOneHeld", k65, "789m 19p", "7m", chow(3, 65, 0), 65, 7, {{kMeldChow, 7, 0}, {kMeldChow, 7, 0}}},
    {"QuadrupleChowMeldedTwiceTwoHeld", k65, "7789m 19p", "7m", kNoClaim, 65, 7, {{kMeldChow, 7, 0}, {kMeldChow, 7, 0}}},
    {"TerminalChowsLowOpen", k68, "23s 89s 55p", "1s", chow(3, 68, 0), 68, 2},
    {"TerminalChowsLowMeldedTwice", k68, "23s 89s 55p", "1s", kNoClaim, 68, 2, {{kMeldChow, 21, 0}, {kMeldChow, 21, 0}}},
    {"TerminalChowsHighStillOpen", k68, "23s 89s 55p", "7s", chow(3, 68, 0), 68, 2, {{kMeldChow, 21, 0}, {kMeldChow, 21, 0}}},
    {"ThreeSuitedMiddle", k48, "79p 5m", "8p", chow(2, 48, 1), 48, 2},
    {"ThreeSuitedLowestOfATerminalChow", k48, "23s 5m", "1s", chow(3, 48, 0), 48, 2},
    {"ThreeSuitedPairOfFives", k48, "46s 5s", "5s", kNoClaim, 48, 0},
    {"ThreeSuitedMeldedChow", k48, "79p 5m", "8p", kNoClaim, 48, 2, {{kMeldChow, 17, 0}}},
    {"ThreeSuitedTileHeld", k48, "789p 5m", "8p", kNoClaim, 48, 2},
    {"ShiftedChowsTripledTile", k62, "3455s 19m 19p", "5s", chow(1, 62, 101), 62, 21},
    {"ShiftedChowsMiddleAfterLowestAndHighest", k62, "24m 9p 9s", "3m", chow(2, 62, 102), 62, 0},
    {"ShiftedChowsTileHeldOnceOfTwo", k62, "456m 9p", "5m", chow(2, 62, 102), 62, 3},
    {"ShiftedChowsMeldLowersTheNeed", k62, "456m 9p", "5m", kNoClaim, 62, 3, {{kMeldChow, 5, 0}}},
    {"ShiftedChowsTwoRanksApart", k62, "89m 1p", "7m", chow(3, 62, 100), 62, 4},
    {"ShiftedChowsBesideAPungOfALowestTile", k62, "467m 9p", "5m", chow(3, 62, 100), 62, 3, {{kMeldPung, 5, 0}}},
    {"ShiftedChowsLayoutPastFour", k62, "12m", "3m", kNoClaim, 62, 5},
    // The knitted straight: chows and pungs for the set and pair beside the layout.
    {"KnittedLowest", k43, "147m 258p 369s 56m 77p", "4m", chow(3, 43, 100), 43, 0},
    {"KnittedMiddle", k43, "147m 2558p 369s 3p 77s", "4p", chow(2, 43, 101), 43, 0},
    {"KnittedHighestWithoutPair", k43, "147m 258p 369s 78s 15z", "9s", chow(1, 43, 102), 43, 0},
    {"KnittedChowKeepsItsPair", k43, "147m 258p 369s 788s 5z", "9s", kNoClaim, 43, 0},
    {"KnittedPungBesideASecondPair", k43, "147m 258p 369s 55z 66z", "5z", pung(43, 110), 43, 0, {}, 2},
    {"KnittedPungNeedsTwoPairs", k43, "147m 258p 369s 55z 6z 7z", "5z", kNoClaim, 43, 0, {}, 2},
    {"KnittedRunAlreadyThere", k43, "147m 258p 369s 567m", "8m", kNoClaim, 43, 0},
    {"KnittedTripleAlreadyThere", k43, "47m 258p 369s 777z 56m", "4m", kNoClaim, 43, 0},
    {"KnittedWithAConcealedKong", k43, "47m 258p 36s 55z 66z", "5z", kNoClaim, 43, 0, {{kMeldConcealedKong, 31, 1}}, 2},
};

class FixedChowClaim : public ClaimCaseTest {};

TEST_P(FixedChowClaim, Decides) {
  const ClaimCase& c = GetParam();
  set_up(c);
  EXPECT_EQ(run(c.rule), c.expect);
  const bool stores = c.target == 53 || c.target == 65;
  EXPECT_EQ(g_naki_tile, stores ? parse_tiles(c.discard)[0] : 0);
}
INSTANTIATE_TEST_SUITE_P(Worked, FixedChowClaim, ::testing::ValuesIn(kCases), claim_case_name);

}  // namespace
