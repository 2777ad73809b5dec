// The outside hand by route (the variant): value-honour pungs and honour
// kongs always; the terminal-run chows from their fixed shapes; the pungs of
// terminal and honour pairs. Seat 1's value honours are East, South and the
// dragons; with dealer 1 it sits East in the East round.
#include "com/claim/set_claim_case.h"

namespace set_claims {
namespace {

class OutsideClaims : public SetClaimTest {};

TEST_P(OutsideClaims, Decide) {
  const Case& c = GetParam();
  set_up(c);
  EXPECT_EQ(run(rule_of(c.target)), c.expect);
}

constexpr MeldSpec kNinePung{kMeldPung, 19, 0};

INSTANTIATE_TEST_SUITE_P(
    Routes, OutsideClaims,
    ::testing::Values(
        Case{"MiddleTileNever", 23, 0, "4466m 55p", "5m", kNone, {}, 0, "", -1, 3},
        Case{"DragonPairOnPungRoute", 23, 3, "77z 19m", "7z", pung(0), {}, 2},
        Case{"DragonPairOnChowRoute", 23, 1, "77z 19m", "7z", pung(0), {}, 2},
        Case{"HonourTripleKong", 23, 1, "333z 19m", "3z", kong(301), {}, 2},
        Case{"PungRouteTerminalPair", 23, 3, "99m 1z", "9m", pung(300), {}, 2},
        Case{"PungRouteGuestWindPair", 23, 3, "33z 9m", "3z", pung(300), {}, 2},
        Case{"PungRouteNoChow", 23, 3, "12m 9p", "3m", kNone},
        Case{"WindRouteBeforeACall", 23, 2, "99m 1p", "9m", kNone, {}, 2},
        Case{"WindRouteAfterACall", 23, 2, "99m 1p", "9m", pung(410), {kNinePung}, 2},
        Case{"WindRouteDoubledWindHeld", 23, 2, "111z 99m", "9m", pung(410), {}, 2, "", -1, 4, 1},
        Case{"WindRouteDoubledWindPair", 23, 2, "11z 99m", "9m", kNone, {}, 2, "", -1, 4, 1},
        Case{"WindRouteDoubledWindMelded", 23, 2, "99m", "9m", pung(410), {{kMeldConcealedKong, kEast, 1}}, 2, "", 0,
             4, 1},
        Case{"WindRouteOtherMeld", 23, 2, "99m 1p", "9m", kNone, {{kMeldConcealedKong, kNorth, 1}}, 2, "", 0, 4, 1},
        Case{"WindRouteWindNotDoubled", 23, 2, "222z 99m", "9m", kNone, {}, 2},
        Case{"ChowRouteNoPung", 23, 1, "99m 1p", "9m", kNone, {}, 2},
        Case{"OtherRoutePung", 23, 0, "99m 1p", "9m", pung(410), {}, 2},
        Case{"TerminalPairManyBlocks", 23, 0, "99m 5p", "9m", kNone, {}, 2, "", -1, 5},
        Case{"TwoOutsidePairs", 23, 0, "99m 11p", "9m", pung(410), {}, 2, "", -1, 5},
        Case{"PairInsideARunDoesNotCount", 23, 0, "99m 1123p", "9m", kNone, {}, 2, "", -1, 5},
        Case{"GuestWindPair", 23, 4, "33z 5p", "3z", pung(410), {}, 2}),
    case_name);

INSTANTIATE_TEST_SUITE_P(
    Chows, OutsideClaims,
    ::testing::Values(
        Case{"PairedOne", 23, 0, "1123p 9m 5s", "2p", chow(2, 102), {}, 0, "", -1, 3},
        Case{"PairedOneThreeSeenOnce", 23, 0, "1123p 9m 5s", "2p", chow(2, 102), {}, 0, "3p", -1, 3},
        Case{"PairedOneThreeUsedUp", 23, 0, "1123p 9m 5s", "2p", kNone, {}, 0, "33p", -1, 3},
        Case{"PairedOneFourBlocksNoPair", 23, 0, "1123p 9m 5s", "2p", kNone},
        Case{"PairedOneFourBlocksPair", 23, 0, "1123p 99m", "2p", chow(2, 102)},
        Case{"PairedOneOnlyFromTheLeft", 23, 0, "1123p 9m 5s", "2p", kNone, {}, 2, "", -1, 3},
        Case{"PairedOneByThree", 23, 0, "1123p 9m", "3p", chow(1, 103), {}, 0, "", -1, 3},
        Case{"PairedOneByThreeTwoUsedUp", 23, 0, "1123p 9m", "3p", kNone, {}, 0, "22p", -1, 3},
        Case{"PairedNineBySeven", 23, 0, "7899s 1m", "7s", chow(3, 107), {}, 0, "", -1, 3},
        Case{"PairedNineBySevenEightUsedUp", 23, 0, "7899s 1m", "7s", kNone, {}, 0, "88s", -1, 3},
        Case{"PairedNineByEight", 23, 0, "7899s 1m", "8s", chow(2, 108), {}, 0, "", -1, 3},
        Case{"PairedNineEightUsedUp", 23, 0, "7899s 1m", "8s", kNone, {}, 0, "77s", -1, 3},
        Case{"DoublePairOnes", 23, 0, "11p 33p 9m", "2p", chow(2, 112), {}, 0, "", -1, 5},
        Case{"DoublePairNines", 23, 0, "77s 99s 1m", "8s", chow(2, 118), {}, 0, "", -1, 5},
        Case{"DoublePairSixBlocks", 23, 0, "11p 33p 9m", "2p", kNone, {}, 0, "", -1, 6},
        Case{"RunToThree", 23, 0, "12m 9p", "3m", chow(1, 101), {}, 0, "", -1, 6},
        Case{"RunToNine", 23, 0, "78m 1p", "9m", chow(1, 101), {}, 0, "", -1, 6},
        Case{"RunToTwo", 23, 0, "13m 9p", "2m", chow(2, 102), {}, 0, "", -1, 6},
        Case{"RunToEight", 23, 0, "79m 1p", "8m", chow(2, 102), {}, 0, "", -1, 6},
        Case{"RunToOne", 23, 0, "23m 9p", "1m", chow(3, 103), {}, 0, "", -1, 6},
        Case{"RunToSeven", 23, 0, "89m 1p", "7m", chow(3, 103), {}, 0, "", -1, 6},
        Case{"RunAfterACompleteRun", 23, 0, "11223m", "3m", chow(1, 101), {}, 0, "", -1, 6},
        Case{"RunToTwoAfterACompleteRun", 23, 0, "11233m", "2m", chow(2, 102), {}, 0, "", -1, 6},
        Case{"RunAfterACompleteHighRun", 23, 0, "77889s", "9s", chow(1, 101), {}, 0, "", -1, 6},
        Case{"PairedEdgeIsNoRun", 23, 0, "112m", "3m", kNone, {}, 0, "", -1, 6},
        Case{"PairedEightIsNoRun", 23, 0, "799m", "8m", kNone, {}, 0, "", -1, 6},
        Case{"RunOnlyFromTheLeft", 23, 0, "12m 9p", "3m", kNone, {}, 3, "", -1, 6}),
    case_name);

}  // namespace
}  // namespace set_claims
