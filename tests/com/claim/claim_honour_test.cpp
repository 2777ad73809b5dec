// The big dragons and winds: honour pungs at any time; the set beside the
// honours only once every meld is of them, read from the concealed tiles.
#include "com/claim/set_claim_case.h"

namespace set_claims {
namespace {

class HonourClaims : public SetClaimTest {};

TEST_P(HonourClaims, Decide) {
  const Case& c = GetParam();
  set_up(c);
  EXPECT_EQ(run(rule_of(c.target)), c.expect);
}

constexpr MeldSpec kWhitePung{kMeldPung, kWhite, 0};

INSTANTIATE_TEST_SUITE_P(
    Cases, HonourClaims,
    ::testing::Values(
        Case{"DragonPair", 74, 0, "55z 1z 19m 258p 369s", "5z", pung(0), {}, 2},
        Case{"WindPair", 74, 0, "11z 7z 19m 258p 369s", "1z", pung(1), {}, 2},
        Case{"DragonTripleIsNoPair", 74, 0, "555z 19m 258p 369s", "5z", kNone, {}, 2},
        Case{"WindsOwnAndDragons", 73, 0, "44z 6z 19m 258p 369s", "4z", pung(0), {}, 3},
        Case{"WindsDragonPair", 73, 1, "66z 4z 19m 258p 369s", "6z", pung(1), {}, 3},
        Case{"ChowBelowTheDiscard", 74, 0, "23m 66z 77z 19p 59s", "4m", chow(1, 10), {kWhitePung}},
        Case{"OnlyFromTheLeft", 74, 0, "23m 66z 77z 19p 59s", "4m", kNone, {kWhitePung}, 2},
        Case{"NoMeld", 74, 0, "23m 66z 77z 19p 59s 9m", "4m", kNone},
        Case{"MeldOfAnotherGroup", 74, 0, "23m 66z 77z 5s", "4m", kNone, {kWhitePung, {kMeldPung, 19, 0}}},
        Case{"ReadingHasAChow", 74, 0, "23m 789s 66z 77z", "4m", kNone, {kWhitePung}},
        Case{"ReadingHasAPung", 74, 0, "23m 999s 66z 7z", "4m", kNone, {kWhitePung}},
        Case{"ThreeTilesBeside", 74, 0, "223m 66z 7z 19p 9s", "4m", chow(1, 10), {kWhitePung}},
        Case{"FourTilesBeside", 74, 0, "2233m 66z 7z 19p 9s", "4m", kNone, {kWhitePung}},
        Case{"TileBeyondTheThreeStands", 74, 0, "124p 66z 7z 19s 9m", "3p", chow(1, 11), {kWhitePung}},
        Case{"TileBeyondTheFourStops", 74, 0, "235m 66z 7z 19p 9s", "4m", kNone, {kWhitePung}},
        Case{"LoneTileBelow", 74, 0, "2m 66z 77z 19p 9s", "3m", kNone, {kWhitePung}},
        Case{"LoneTileAbove", 74, 0, "4m 66z 77z 19p 9s", "3m", kNone, {kWhitePung}},
        Case{"FourTilesAbove", 74, 0, "6677p 66z 7z 1m 9s", "5p", kNone, {kWhitePung}},
        Case{"ClosedWait", 74, 0, "13m 66z 77z 9p 59s", "2m", chow(2, 12), {kWhitePung}},
        Case{"ClosedWaitAtEight", 74, 0, "79p 66z 77z 1m 9s", "8p", chow(2, 12), {kWhitePung}},
        Case{"ConcealedDragonPungStands", 74, 0, "555z 23m 66z 9p", "4m", chow(1, 10), {{kMeldPung, kRed, 0}}},
        Case{"ChowAboveTheDiscard", 74, 0, "67p 66z 77z 1m 9s 9m", "5p", chow(3, 13), {kWhitePung}},
        Case{"TileBeyondTheSevenStands", 74, 0, "689s 55z 66z 1m 9p", "7s", chow(3, 14), {{kMeldPung, kRed, 0}}},
        Case{"PairBesideAPair", 74, 0, "44m 66z 7z 19p 19s", "4m", pung(20), {kWhitePung}, 2},
        Case{"LonePairNotCalled", 74, 0, "44m 6z 7z 19p 19s 5s", "4m", kNone, {kWhitePung}, 2},
        Case{"WindsEarlyAimNoChow", 73, 1, "23m 22z 33z 19p 59s", "4m", kNone, {{kMeldPung, kEast, 0}}},
        Case{"WindsLateAimChows", 73, 2, "23m 22z 33z 19p 59s", "4m", chow(1, 10), {{kMeldPung, kEast, 0}}},
        Case{"WindsLateAimDragonMeld", 73, 2, "23m 22z 33z 19p 59s", "4m", kNone, {kWhitePung}}),
    case_name);

}  // namespace
}  // namespace set_claims
