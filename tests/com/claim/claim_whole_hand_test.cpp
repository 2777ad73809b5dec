// The chicken hand's anchors and listed tiles (template row 0: anchors 2-3,
// 14-15, 26-27; listed 5 6 7 8 12 17 18 22 23 24) and all types, which calls
// first for something that scores beside the pattern.
#include "com/claim/set_claim_case.h"

namespace set_claims {
namespace {

class WholeHandClaims : public SetClaimTest {};

TEST_P(WholeHandClaims, Decide) {
  const Case& c = GetParam();
  set_up(c);
  EXPECT_EQ(run(rule_of(c.target)), c.expect);
}

constexpr MeldSpec kEastPung{kMeldPung, kEast, 0};

INSTANTIATE_TEST_SUITE_P(
    Chicken, WholeHandClaims,
    ::testing::Values(
        Case{"HonourNever", 40, 0, "111z 23m", "1z", kNone},
        Case{"AnchorHighest", 40, 0, "23m 99p 1z", "4m", chow(1, 0)},
        Case{"AnchorLowest", 40, 0, "23m 99p 1z", "1m", chow(3, 1)},
        Case{"AnchorHighestAfterACall", 40, 0, "23m 99p", "4m", chow(1, 0), {kEastPung}},
        Case{"AnchorLowestAfterACall", 40, 0, "23m 99p", "1m", chow(3, 1), {kEastPung}},
        Case{"AnchorLowerTileOnly", 40, 0, "2m 99p 1z", "1m", kNone},
        Case{"AnchorUpperTileOnly", 40, 0, "3m 99p 1z", "1m", kNone},
        Case{"OnlyFromTheLeft", 40, 0, "23m 99p 1z", "4m", kNone, {}, 2},
        Case{"AnchorInChowBelow", 40, 0, "23m 99p", "4m", kNone, {{kMeldChow, 1, 0}}},
        Case{"AnchorInChowAbove", 40, 0, "23m 99p", "1m", kNone, {{kMeldChow, 2, 0}}},
        Case{"OtherAnchorInChow", 40, 0, "23m 99p", "4m", chow(1, 0), {{kMeldChow, 13, 0}}},
        Case{"FarTileBeforeACall", 40, 0, "123m 99p", "4m", chow(1, 0)},
        Case{"FarTileAfterACall", 40, 0, "123m 99p", "4m", kNone, {kEastPung}},
        Case{"FarTileAboveAfterACall", 40, 0, "234m 99p", "1m", kNone, {kEastPung}},
        Case{"FarTileAboveBeforeACall", 40, 0, "234m 99p", "1m", chow(3, 1)},
        Case{"ListedTileNotChowed", 40, 0, "67m 99p", "5m", kNone},
        Case{"ListedTriple", 40, 0, "555m 99p", "5m", pung(10), {}, 2},
        Case{"ListedPair", 40, 0, "55m 99p", "5m", kNone, {}, 2},
        Case{"ListedTripleAfterACall", 40, 0, "555m 99p", "5m", kNone, {kEastPung}, 2},
        Case{"AnchorTileNotListed", 40, 0, "777s 99p", "7s", kNone, {}, 2},
        Case{"RowFiveAnchor", 40, 5, "56m 99p", "7m", chow(1, 0)},
        Case{"RowZeroNoSuchAnchor", 40, 0, "56m 99p", "7m", kNone},
        Case{"RowFiveListed", 40, 5, "222m 99p", "2m", pung(10), {}, 2},
        Case{"RowZeroAnchorTile", 40, 0, "222m 99p", "2m", kNone, {}, 2}),
    case_name);

// Seat 1's value honours: East (the round), South (its own) and the dragons.
// The pung of a middle pair with a reading of four blocks shows whether
// something scores.
INSTANTIATE_TEST_SUITE_P(
    AllTypes, WholeHandClaims,
    ::testing::Values(
        Case{"OwnWindLivePairScores", 30, 0, "22z 19m 5p 9s 3z 6z", "2z", kNone, {}, 2, "", -1, 5},
        Case{"OwnWindLivePairFewBlocks", 30, 0, "22z 19m 5p 9s 3z 6z", "2z", pung(200), {}, 2},
        Case{"OwnWindDeadPairCalled", 30, 0, "22z 19m 5p 9s 3z 6z", "2z", pung(100), {}, 2, "2z"},
        Case{"GuestWindPairNotCalled", 30, 0, "33z 19m 5p 9s 6z", "3z", kNone, {}, 2},
        Case{"MiddlePairNotCalled", 30, 0, "55p 19m 9s 3z 6z", "5p", kNone, {}, 2},
        Case{"TerminalPairCalled", 30, 0, "99p 1m 5s 3z 6z", "9p", pung(110), {}, 2},
        Case{"GuestWindTripleKong", 30, 0, "333z 1m 5s 6z", "3z", kong(120), {}, 2},
        Case{"DragonLivePair", 30, 0, "66z 55m 3z 19p", "5m", pung(200), {}, 2, "", -1, 5},
        Case{"DragonDeadPair", 30, 0, "66z 55m 3z 19p", "5m", kNone, {}, 2, "66z"},
        Case{"TerminalTriple", 30, 0, "111m 55p 9s 3z", "5p", pung(200), {}, 2},
        Case{"TerminalPung", 30, 0, "55p 1m 9s 3z", "5p", pung(200), {{kMeldPung, 9, 0}}, 2},
        Case{"SimplePung", 30, 0, "55p 1m 9s 3z", "5p", kNone, {{kMeldPung, 5, 0}}, 2},
        Case{"GuestWindPung", 30, 0, "55p 1m 9s 3z", "5p", kNone, {{kMeldPung, kWest, 0}}, 2},
        Case{"RoundWindPung", 30, 0, "55p 1m 9s 3z", "5p", pung(200), {kEastPung}, 2},
        Case{"ConcealedKong", 30, 0, "55p 1m 9s 3z", "5p", pung(200), {{kMeldConcealedKong, 5, 1}}, 2},
        Case{"SimpleMeldedKong", 30, 0, "55p 1m 9s 3z", "5p", kNone, {{kMeldMeldedKong, 5, 0}}, 2},
        Case{"HonourMeldedKong", 30, 0, "55p 1m 9s 3z", "5p", pung(200), {{kMeldMeldedKong, kWest, 0}}, 2},
        Case{"ChowIntoOpenSuit", 30, 0, "555z 13m 9p 5s", "2m", chow(2, 11)},
        Case{"ChowHighest", 30, 0, "555z 124m 9p", "3m", chow(1, 10)},
        Case{"ChowLowest", 30, 0, "555z 89m 1p", "7m", chow(3, 12)},
        Case{"SuitWithRun", 30, 0, "555z 13m 789m 9p", "2m", kNone},
        Case{"SuitWithTriple", 30, 0, "555z 13m 999m 9p", "2m", kNone},
        Case{"SuitWithMeld", 30, 0, "555z 13m 9p", "2m", kNone, {{kMeldChow, 7, 0}}},
        Case{"PairOfAnotherSuit", 30, 0, "555z 44p 77m 1s", "4p", pung(200), {}, 2, "", -1, 5},
        Case{"PairOfTheSameSuit", 30, 0, "555z 44p 77p 1s", "4p", kNone, {}, 2, "", -1, 5},
        Case{"SameSuitFewBlocks", 30, 0, "555z 44p 77p 1s", "4p", pung(200), {}, 2},
        Case{"WindBesideDragonPair", 30, 0, "555z 33z 66z 1m", "3z", pung(200), {}, 2, "", -1, 5},
        Case{"WindBesideWindPair", 30, 0, "555z 33z 44z 1m", "3z", kNone, {}, 2, "", -1, 5},
        Case{"DragonBesideDragonPair", 30, 0, "555z 66z 77z 1m", "6z", kNone, {}, 2, "", -1, 5}),
    case_name);

}  // namespace
}  // namespace set_claims
