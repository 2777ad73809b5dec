// The outside hand by route (the variant): value-honour pungs and honour
// kongs always; the terminal-run chows from their fixed shapes; the pungs of
// terminal and honour pairs. Seat 1's value honours are East, South and the
// dragons; with dealer 1 it sits East in the East round.
#include "com/claim/claim_rules.h"
#include "core/tiles.h"
#include "support/claim_fixture.h"

namespace {

constexpr MeldSpec kNinePung{kMeldPung, 19, 0};

INSTANTIATE_TEST_SUITE_P(OutsideRoutes, ClaimCaseTest, ::testing::Values(
    ClaimCase{"MiddleTileNever", naki_outside_hand, "4466m 55p", "5m", kNoClaim, 23, 0, {}, 0, "", -1, 3},
    ClaimCase{"DragonPairOnPungRoute", naki_outside_hand, "77z 19m", "7z", pung(23, 0), 23, 3, {}, 2},
    ClaimCase{"DragonPairOnChowRoute", naki_outside_hand, "77z 19m", "7z", pung(23, 0), 23, 1, {}, 2},
    ClaimCase{"HonourTripleKong", naki_outside_hand, "333z 19m", "3z", kong(23, 301), 23, 1, {}, 2},
    ClaimCase{"PungRouteTerminalPair", naki_outside_hand, "99m 1z", "9m", pung(23, 300), 23, 3, {}, 2},
    ClaimCase{"PungRouteGuestWindPair", naki_outside_hand, "33z 9m", "3z", pung(23, 300), 23, 3, {}, 2},
    ClaimCase{"PungRouteNoChow", naki_outside_hand, "12m 9p", "3m", kNoClaim, 23, 3},
    ClaimCase{"WindRouteBeforeACall", naki_outside_hand, "99m 1p", "9m", kNoClaim, 23, 2, {}, 2},
    ClaimCase{"WindRouteAfterACall", naki_outside_hand, "99m 1p", "9m", pung(23, 410), 23, 2, {kNinePung}, 2},
    ClaimCase{"WindRouteDoubledWindHeld", naki_outside_hand, "111z 99m", "9m", pung(23, 410), 23, 2, {}, 2, "", -1, 4, 1},
    ClaimCase{"WindRouteDoubledWindPair", naki_outside_hand, "11z 99m", "9m", kNoClaim, 23, 2, {}, 2, "", -1, 4, 1},
    ClaimCase{"WindRouteDoubledWindMelded", naki_outside_hand, "99m", "9m", pung(23, 410), 23, 2, {{kMeldConcealedKong, kEast, 1}}, 2, "", 0, 4, 1},
    ClaimCase{"WindRouteOtherMeld", naki_outside_hand, "99m 1p", "9m", kNoClaim, 23, 2, {{kMeldConcealedKong, kNorth, 1}}, 2, "", 0, 4, 1},
    ClaimCase{"WindRouteWindNotDoubled", naki_outside_hand, "222z 99m", "9m", kNoClaim, 23, 2, {}, 2},
    ClaimCase{"ChowRouteNoPung", naki_outside_hand, "99m 1p", "9m", kNoClaim, 23, 1, {}, 2},
    ClaimCase{"OtherRoutePung", naki_outside_hand, "99m 1p", "9m", pung(23, 410), 23, 0, {}, 2},
    ClaimCase{"TerminalPairManyBlocks", naki_outside_hand, "99m 5p", "9m", kNoClaim, 23, 0, {}, 2, "", -1, 5},
    ClaimCase{"TwoOutsidePairs", naki_outside_hand, "99m 11p", "9m", pung(23, 410), 23, 0, {}, 2, "", -1, 5},
    ClaimCase{"PairInsideARunDoesNotCount", naki_outside_hand, "99m 1123p", "9m", kNoClaim, 23, 0, {}, 2, "", -1, 5},
    ClaimCase{"GuestWindPair", naki_outside_hand, "33z 5p", "3z", pung(23, 410), 23, 4, {}, 2}),
    claim_case_name);

INSTANTIATE_TEST_SUITE_P(OutsideChows, ClaimCaseTest, ::testing::Values(
    ClaimCase{"PairedOne", naki_outside_hand, "1123p 9m 5s", "2p", chow(2, 23, 102), 23, 0, {}, 0, "", -1, 3},
    ClaimCase{"PairedOneThreeSeenOnce", naki_outside_hand, "1123p 9m 5s", "2p", chow(2, 23, 102), 23, 0, {}, 0, "3p", -1, 3},
    ClaimCase{"PairedOneThreeUsedUp", naki_outside_hand, "1123p 9m 5s", "2p", kNoClaim, 23, 0, {}, 0, "33p", -1, 3},
    ClaimCase{"PairedOneFourBlocksNoPair", naki_outside_hand, "1123p 9m 5s", "2p", kNoClaim, 23, 0, {}, 0, "", -1, 4},
    ClaimCase{"PairedOneFourBlocksPair", naki_outside_hand, "1123p 99m", "2p", chow(2, 23, 102), 23, 0, {}, 0, "", -1, 4},
    ClaimCase{"PairedOneOnlyFromTheLeft", naki_outside_hand, "1123p 9m 5s", "2p", kNoClaim, 23, 0, {}, 2, "", -1, 3},
    ClaimCase{"PairedOneByThree", naki_outside_hand, "1123p 9m", "3p", chow(1, 23, 103), 23, 0, {}, 0, "", -1, 3},
    ClaimCase{"PairedOneByThreeTwoUsedUp", naki_outside_hand, "1123p 9m", "3p", kNoClaim, 23, 0, {}, 0, "22p", -1, 3},
    ClaimCase{"PairedNineBySeven", naki_outside_hand, "7899s 1m", "7s", chow(3, 23, 107), 23, 0, {}, 0, "", -1, 3},
    ClaimCase{"PairedNineBySevenEightUsedUp", naki_outside_hand, "7899s 1m", "7s", kNoClaim, 23, 0, {}, 0, "88s", -1, 3},
    ClaimCase{"PairedNineByEight", naki_outside_hand, "7899s 1m", "8s", chow(2, 23, 108), 23, 0, {}, 0, "", -1, 3},
    ClaimCase{"PairedNineEightUsedUp", naki_outside_hand, "7899s 1m", "8s", kNoClaim, 23, 0, {}, 0, "77s", -1, 3},
    ClaimCase{"DoublePairOnes", naki_outside_hand, "11p 33p 9m", "2p", chow(2, 23, 112), 23, 0, {}, 0, "", -1, 5},
    ClaimCase{"DoublePairNines", naki_outside_hand, "77s 99s 1m", "8s", chow(2, 23, 118), 23, 0, {}, 0, "", -1, 5},
    ClaimCase{"DoublePairSixBlocks", naki_outside_hand, "11p 33p 9m", "2p", kNoClaim, 23, 0, {}, 0, "", -1, 6},
    ClaimCase{"RunToThree", naki_outside_hand, "12m 9p", "3m", chow(1, 23, 101), 23, 0, {}, 0, "", -1, 6},
    ClaimCase{"RunToNine", naki_outside_hand, "78m 1p", "9m", chow(1, 23, 101), 23, 0, {}, 0, "", -1, 6},
    ClaimCase{"RunToTwo", naki_outside_hand, "13m 9p", "2m", chow(2, 23, 102), 23, 0, {}, 0, "", -1, 6},
    ClaimCase{"RunToEight", naki_outside_hand, "79m 1p", "8m", chow(2, 23, 102), 23, 0, {}, 0, "", -1, 6},
    ClaimCase{"RunToOne", naki_outside_hand, "23m 9p", "1m", chow(3, 23, 103), 23, 0, {}, 0, "", -1, 6},
    ClaimCase{"RunToSeven", naki_outside_hand, "89m 1p", "7m", chow(3, 23, 103), 23, 0, {}, 0, "", -1, 6},
    ClaimCase{"RunAfterACompleteRun", naki_outside_hand, "11223m", "3m", chow(1, 23, 101), 23, 0, {}, 0, "", -1, 6},
    ClaimCase{"RunToTwoAfterACompleteRun", naki_outside_hand, "11233m", "2m", chow(2, 23, 102), 23, 0, {}, 0, "", -1, 6},
    ClaimCase{"RunAfterACompleteHighRun", naki_outside_hand, "77889s", "9s", chow(1, 23, 101), 23, 0, {}, 0, "", -1, 6},
    ClaimCase{"PairedEdgeIsNoRun", naki_outside_hand, "112m", "3m", kNoClaim, 23, 0, {}, 0, "", -1, 6},
    ClaimCase{"PairedEightIsNoRun", naki_outside_hand, "799m", "8m", kNoClaim, 23, 0, {}, 0, "", -1, 6},
    ClaimCase{"RunOnlyFromTheLeft", naki_outside_hand, "12m 9p", "3m", kNoClaim, 23, 0, {}, 3, "", -1, 6}),
    claim_case_name);

}  // namespace
