// The big dragons and winds: honour pungs at any time; the set beside the
// honours only once every meld is of them, read from the concealed tiles.
#include "com/claim/claim_rules.h"
#include "core/tiles.h"
#include "support/claim_fixture.h"

namespace {

constexpr MeldSpec kWhitePung{kMeldPung, kWhite, 0};

INSTANTIATE_TEST_SUITE_P(HonourPatterns, ClaimCaseTest, ::testing::Values(
    ClaimCase{"DragonPair", naki_big_three_dragons, "55z 1z 19m 258p 369s", "5z", pung(74, 0), 74, 0, {}, 2},
    ClaimCase{"WindPair", naki_big_three_dragons, "11z 7z 19m 258p 369s", "1z", pung(74, 1), 74, 0, {}, 2},
    ClaimCase{"DragonTripleIsNoPair", naki_big_three_dragons, "555z 19m 258p 369s", "5z", kNoClaim, 74, 0, {}, 2},
    ClaimCase{"WindsOwnAndDragons", naki_big_four_winds, "44z 6z 19m 258p 369s", "4z", pung(73, 0), 73, 0, {}, 3},
    ClaimCase{"WindsDragonPair", naki_big_four_winds, "66z 4z 19m 258p 369s", "6z", pung(73, 1), 73, 1, {}, 3},
    ClaimCase{"ChowBelowTheDiscard", naki_big_three_dragons, "23m 66z 77z 19p 59s", "4m", chow(1, 74, 10), 74, 0, {kWhitePung}},
    ClaimCase{"OnlyFromTheLeft", naki_big_three_dragons, "23m 66z 77z 19p 59s", "4m", kNoClaim, 74, 0, {kWhitePung}, 2},
    ClaimCase{"NoMeld", naki_big_three_dragons, "23m 66z 77z 19p 59s 9m", "4m", kNoClaim, 74, 0},
    ClaimCase{"MeldOfAnotherGroup", naki_big_three_dragons, "23m 66z 77z 5s", "4m", kNoClaim, 74, 0, {kWhitePung, {kMeldPung, 19, 0}}},
    ClaimCase{"ReadingHasAChow", naki_big_three_dragons, "23m 789s 66z 77z", "4m", kNoClaim, 74, 0, {kWhitePung}},
    ClaimCase{"ReadingHasAPung", naki_big_three_dragons, "23m 999s 66z 7z", "4m", kNoClaim, 74, 0, {kWhitePung}},
    ClaimCase{"ThreeTilesBeside", naki_big_three_dragons, "223m 66z 7z 19p 9s", "4m", chow(1, 74, 10), 74, 0, {kWhitePung}},
    ClaimCase{"FourTilesBeside", naki_big_three_dragons, "2233m 66z 7z 19p 9s", "4m", kNoClaim, 74, 0, {kWhitePung}},
    ClaimCase{"TileBeyondTheThreeStands", naki_big_three_dragons, "124p 66z 7z 19s 9m", "3p", chow(1, 74, 11), 74, 0, {kWhitePung}},
    ClaimCase{"TileBeyondTheFourStops", naki_big_three_dragons, "235m 66z 7z 19p 9s", "4m", kNoClaim, 74, 0, {kWhitePung}},
    ClaimCase{"LoneTileBelow", naki_big_three_dragons, "2m 66z 77z 19p 9s", "3m", kNoClaim, 74, 0, {kWhitePung}},
    ClaimCase{"LoneTileAbove", naki_big_three_dragons, "4m 66z 77z 19p 9s", "3m", kNoClaim, 74, 0, {kWhitePung}},
    ClaimCase{"FourTilesAbove", naki_big_three_dragons, "6677p 66z 7z 1m 9s", "5p", kNoClaim, 74, 0, {kWhitePung}},
    ClaimCase{"ClosedWait", naki_big_three_dragons, "13m 66z 77z 9p 59s", "2m", chow(2, 74, 12), 74, 0, {kWhitePung}},
    ClaimCase{"ClosedWaitAtEight", naki_big_three_dragons, "79p 66z 77z 1m 9s", "8p", chow(2, 74, 12), 74, 0, {kWhitePung}},
    ClaimCase{"ClosedWaitThreeTiles", naki_big_three_dragons, "355m 66z 7z 19p 9s", "4m", chow(2, 74, 12), 74, 0, {kWhitePung}},
    ClaimCase{"ClosedWaitFourTiles", naki_big_three_dragons, "3355m 66z 7z 9p", "4m", kNoClaim, 74, 0, {kWhitePung}},
    ClaimCase{"ConcealedDragonPungStands", naki_big_three_dragons, "555z 23m 66z 9p", "4m", chow(1, 74, 10), 74, 0, {{kMeldPung, kRed, 0}}},
    ClaimCase{"ChowAboveTheDiscard", naki_big_three_dragons, "67p 66z 77z 1m 9s 9m", "5p", chow(3, 74, 13), 74, 0, {kWhitePung}},
    ClaimCase{"TileBeyondTheSevenStands", naki_big_three_dragons, "689s 55z 66z 1m 9p", "7s", chow(3, 74, 14), 74, 0, {{kMeldPung, kRed, 0}}},
    ClaimCase{"PairBesideAPair", naki_big_three_dragons, "44m 66z 7z 19p 19s", "4m", pung(74, 20), 74, 0, {kWhitePung}, 2},
    ClaimCase{"LonePairNotCalled", naki_big_three_dragons, "44m 6z 7z 19p 19s 5s", "4m", kNoClaim, 74, 0, {kWhitePung}, 2},
    ClaimCase{"WindsFirstAimNoChow", naki_big_four_winds, "23m 22z 33z 19p 59s", "4m", kNoClaim, 73, 0, {{kMeldPung, kEast, 0}}},
    ClaimCase{"WindsEarlyAimNoChow", naki_big_four_winds, "23m 22z 33z 19p 59s", "4m", kNoClaim, 73, 1, {{kMeldPung, kEast, 0}}},
    ClaimCase{"WindsLateAimChows", naki_big_four_winds, "23m 22z 33z 19p 59s", "4m", chow(1, 73, 10), 73, 2, {{kMeldPung, kEast, 0}}},
    ClaimCase{"WindsLateAimDragonMeld", naki_big_four_winds, "23m 22z 33z 19p 59s", "4m", kNoClaim, 73, 2, {kWhitePung}}),
    claim_case_name);

}  // namespace
