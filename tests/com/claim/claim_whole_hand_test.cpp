// The chicken hand's anchors and listed tiles (template row 0: anchors 2-3,
// 14-15, 26-27; listed 5 6 7 8 12 17 18 22 23 24) and all types, which calls
// first for something that scores beside the pattern.
#include "com/claim/claim_rules.h"
#include "core/tiles.h"
#include "support/claim_fixture.h"

namespace {

constexpr MeldSpec kEastPung{kMeldPung, kEast, 0};

INSTANTIATE_TEST_SUITE_P(ChickenHand, ClaimCaseTest, ::testing::Values(
    ClaimCase{"HonourNever", naki_chicken_hand, "111z 23m", "1z", kNoClaim, 40, 0},
    ClaimCase{"AnchorHighest", naki_chicken_hand, "23m 99p 1z", "4m", chow(1, 40, 0), 40, 0},
    ClaimCase{"AnchorLowest", naki_chicken_hand, "23m 99p 1z", "1m", chow(3, 40, 1), 40, 0},
    ClaimCase{"AnchorHighestAfterACall", naki_chicken_hand, "23m 99p", "4m", chow(1, 40, 0), 40, 0, {kEastPung}},
    ClaimCase{"AnchorLowestAfterACall", naki_chicken_hand, "23m 99p", "1m", chow(3, 40, 1), 40, 0, {kEastPung}},
    ClaimCase{"AnchorLowerTileOnly", naki_chicken_hand, "2m 99p 1z", "1m", kNoClaim, 40, 0},
    ClaimCase{"AnchorUpperTileOnly", naki_chicken_hand, "3m 99p 1z", "1m", kNoClaim, 40, 0},
    ClaimCase{"OnlyFromTheLeft", naki_chicken_hand, "23m 99p 1z", "4m", kNoClaim, 40, 0, {}, 2},
    ClaimCase{"AnchorInChowBelow", naki_chicken_hand, "23m 99p", "4m", kNoClaim, 40, 0, {{kMeldChow, 1, 0}}},
    ClaimCase{"AnchorInChowAbove", naki_chicken_hand, "23m 99p", "1m", kNoClaim, 40, 0, {{kMeldChow, 2, 0}}},
    ClaimCase{"OtherAnchorInChow", naki_chicken_hand, "23m 99p", "4m", chow(1, 40, 0), 40, 0, {{kMeldChow, 13, 0}}},
    ClaimCase{"FarTileBeforeACall", naki_chicken_hand, "123m 99p", "4m", chow(1, 40, 0), 40, 0},
    ClaimCase{"FarTileAfterACall", naki_chicken_hand, "123m 99p", "4m", kNoClaim, 40, 0, {kEastPung}},
    ClaimCase{"FarTileAboveAfterACall", naki_chicken_hand, "234m 99p", "1m", kNoClaim, 40, 0, {kEastPung}},
    ClaimCase{"FarTileAboveBeforeACall", naki_chicken_hand, "234m 99p", "1m", chow(3, 40, 1), 40, 0},
    ClaimCase{"ListedTileNotChowed", naki_chicken_hand, "67m 99p", "5m", kNoClaim, 40, 0},
    ClaimCase{"ListedTriple", naki_chicken_hand, "555m 99p", "5m", pung(40, 10), 40, 0, {}, 2},
    ClaimCase{"ListedPair", naki_chicken_hand, "55m 99p", "5m", kNoClaim, 40, 0, {}, 2},
    ClaimCase{"ListedTripleAfterACall", naki_chicken_hand, "555m 99p", "5m", kNoClaim, 40, 0, {kEastPung}, 2},
    ClaimCase{"AnchorTileNotListed", naki_chicken_hand, "777s 99p", "7s", kNoClaim, 40, 0, {}, 2},
    ClaimCase{"RowFiveAnchor", naki_chicken_hand, "56m 99p", "7m", chow(1, 40, 0), 40, 5},
    ClaimCase{"RowZeroNoSuchAnchor", naki_chicken_hand, "56m 99p", "7m", kNoClaim, 40, 0},
    ClaimCase{"RowFiveListed", naki_chicken_hand, "222m 99p", "2m", pung(40, 10), 40, 5, {}, 2},
    ClaimCase{"RowZeroAnchorTile", naki_chicken_hand, "222m 99p", "2m", kNoClaim, 40, 0, {}, 2}),
    claim_case_name);

// Seat 1's value honours: East (the round), South (its own) and the dragons.
// The pung of a middle pair with a reading of four blocks shows whether
// something scores.
INSTANTIATE_TEST_SUITE_P(AllTypes, ClaimCaseTest, ::testing::Values(
    ClaimCase{"OwnWindLivePairScores", naki_all_types, "22z 19m 5p 9s 3z 6z", "2z", kNoClaim, 30, 0, {}, 2, "", -1, 5},
    ClaimCase{"OwnWindLivePairFewBlocks", naki_all_types, "22z 19m 5p 9s 3z 6z", "2z", pung(30, 200), 30, 0, {}, 2},
    ClaimCase{"OwnWindDeadPairCalled", naki_all_types, "22z 19m 5p 9s 3z 6z", "2z", pung(30, 100), 30, 0, {}, 2, "2z"},
    ClaimCase{"GuestWindPairNotCalled", naki_all_types, "33z 19m 5p 9s 6z", "3z", kNoClaim, 30, 0, {}, 2},
    ClaimCase{"MiddlePairNotCalled", naki_all_types, "55p 19m 9s 3z 6z", "5p", kNoClaim, 30, 0, {}, 2},
    ClaimCase{"TerminalPairCalled", naki_all_types, "99p 1m 5s 3z 6z", "9p", pung(30, 110), 30, 0, {}, 2},
    ClaimCase{"GuestWindTripleKong", naki_all_types, "333z 1m 5s 6z", "3z", kong(30, 120), 30, 0, {}, 2},
    ClaimCase{"DragonLivePair", naki_all_types, "66z 55m 3z 19p", "5m", pung(30, 200), 30, 0, {}, 2, "", -1, 5},
    ClaimCase{"DragonDeadPair", naki_all_types, "66z 55m 3z 19p", "5m", kNoClaim, 30, 0, {}, 2, "66z"},
    ClaimCase{"TerminalTriple", naki_all_types, "111m 55p 9s 3z", "5p", pung(30, 200), 30, 0, {}, 2},
    ClaimCase{"TerminalPung", naki_all_types, "55p 1m 9s 3z", "5p", pung(30, 200), 30, 0, {{kMeldPung, 9, 0}}, 2},
    ClaimCase{"SimplePung", naki_all_types, "55p 1m 9s 3z", "5p", kNoClaim, 30, 0, {{kMeldPung, 5, 0}}, 2},
    ClaimCase{"GuestWindPung", naki_all_types, "55p 1m 9s 3z", "5p", kNoClaim, 30, 0, {{kMeldPung, kWest, 0}}, 2},
    ClaimCase{"RoundWindPung", naki_all_types, "55p 1m 9s 3z", "5p", pung(30, 200), 30, 0, {kEastPung}, 2},
    ClaimCase{"ConcealedKong", naki_all_types, "55p 1m 9s 3z", "5p", pung(30, 200), 30, 0, {{kMeldConcealedKong, 5, 1}}, 2},
    ClaimCase{"SimpleMeldedKong", naki_all_types, "55p 1m 9s 3z", "5p", kNoClaim, 30, 0, {{kMeldMeldedKong, 5, 0}}, 2},
    ClaimCase{"HonourMeldedKong", naki_all_types, "55p 1m 9s 3z", "5p", pung(30, 200), 30, 0, {{kMeldMeldedKong, kWest, 0}}, 2},
    ClaimCase{"ChowIntoOpenSuit", naki_all_types, "555z 13m 9p 5s", "2m", chow(2, 30, 11), 30, 0},
    ClaimCase{"ChowHighest", naki_all_types, "555z 124m 9p", "3m", chow(1, 30, 10), 30, 0},
    ClaimCase{"ChowLowest", naki_all_types, "555z 89m 1p", "7m", chow(3, 30, 12), 30, 0},
    ClaimCase{"SuitWithRun", naki_all_types, "555z 13m 789m 9p", "2m", kNoClaim, 30, 0},
    ClaimCase{"SuitWithTriple", naki_all_types, "555z 13m 999m 9p", "2m", kNoClaim, 30, 0},
    ClaimCase{"SuitWithMeld", naki_all_types, "555z 13m 9p", "2m", kNoClaim, 30, 0, {{kMeldChow, 7, 0}}},
    ClaimCase{"PairOfAnotherSuit", naki_all_types, "555z 44p 77m 1s", "4p", pung(30, 200), 30, 0, {}, 2, "", -1, 5},
    ClaimCase{"PairOfTheSameSuit", naki_all_types, "555z 44p 77p 1s", "4p", kNoClaim, 30, 0, {}, 2, "", -1, 5},
    ClaimCase{"SameSuitFewBlocks", naki_all_types, "555z 44p 77p 1s", "4p", pung(30, 200), 30, 0, {}, 2},
    ClaimCase{"BambooBesideDragonPair", naki_all_types, "555z 44s 66z 1m", "4s", pung(30, 200), 30, 0, {}, 2, "", -1, 5},
    ClaimCase{"WindBesideDragonPair", naki_all_types, "555z 33z 66z 1m", "3z", pung(30, 200), 30, 0, {}, 2, "", -1, 5},
    ClaimCase{"WindBesideWindPair", naki_all_types, "555z 33z 44z 1m", "3z", kNoClaim, 30, 0, {}, 2, "", -1, 5},
    ClaimCase{"DragonBesideDragonPair", naki_all_types, "555z 66z 77z 1m", "6z", kNoClaim, 30, 0, {}, 2, "", -1, 5}),
    claim_case_name);

}  // namespace
