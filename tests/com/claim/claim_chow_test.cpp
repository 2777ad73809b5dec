// The chow-pattern claim rule on worked hands for seat 1 (left neighbour
// seat 0; value honours East, South and the dragons). Templates used:
// 35/0 = 123m 456p 789s; 49/0, 49/1, 49/2 = 1-9 of m, p, s; 47/0 = 123m
// 234m 345m, 47/24 = 567s 678s 789s; 33/7 = 789 of each suit; 27/1 = 123m
// 234p 345s, 27/2 = 234m 345p 456s, 27/12 = 234m 345s 456p, 27/15 = 567m
// 678s 789p.
#include "com/claim/claim_rules.h"
#include "com/claim/chow_claim_case.h"

namespace chow_claims {
namespace {

constexpr auto R = naki_chow_patterns;

const Case kCases[] = {
    // Template chows: the missing place of a chow, from the left neighbour only.
    {"MiddleOfAnEndChow", R, 35, 0, "13m 456p 789s 1155z 7z", "2m", chow(2, 0)},
    {"LowestOfAChow", R, 35, 0, "23m 56p 789s 1155z 7z 9m", "1m", chow(3, 3)},
    {"LowestBesideAMeldedChow", R, 35, 0, "56p 789s 1155z", "4p", chow(3, 3), {{kMeldChow, 1, 0}}},
    {"MiddleOfTheMiddleChow", R, 35, 0, "123m 46p 789s 1155z 7z", "5p", chow(2, 2)},
    {"MixedTripleChowLowest", R, 33, 7, "89m 789p 789s 1155z", "7m", chow(3, 3)},
    {"HighestOfAChow", R, 35, 0, "123m 456p 78s 1155z 7z", "9s", chow(1, 1)},
    {"TemplateChowNotFromTheRight", R, 35, 0, "23m 456p 789s 1155z 7z", "1m", kNone, {}, 2},
    {"SharedTileCoversOnePlaceOnly", R, 47, 0, "12333445m 19p 19s 5z", "2m", chow(3, 3)},
    {"PureShiftedLayoutFourInBamboo", R, 47, 24, "77889s 9p", "6s", chow(3, 3)},
    {"TemplateChowWhileAChowIsMissing", R, 27, 1, "13m 234p 9m 9s 1p 6z 7z", "2m", chow(2, 0)},
    // A second run of a complete chow while the leftover holds no pair.
    {"SpareLowest", R, 49, 2, "1234456789s 1m 5p 7z", "4s", chow(3, 13)},
    {"SpareMiddle", R, 49, 1, "1223456789p 1m 5s 7z", "2p", chow(2, 12)},
    {"SpareHighest", R, 49, 0, "1234567899m 1p 5s 7z", "9m", chow(1, 11)},
    {"SpareRefusedBesideARunAndPair", R, 49, 1, "1123p 44567m", "1p", kNone},
    {"SpareNotForTheMiddleShiftedChow", R, 47, 0, "12223344m 9p 1s 5s 6z 7z", "2m", kNone},
    // Mixed shifted chows: honour calls.
    {"ValueHonourPung", R, 27, 1, "123m 234p 345s 55z 19p", "5z", pung(800), {}, 2},
    {"ValueHonourPungNotBesideAnOutsideMeld", R, 27, 1, "123m 234p 45s 55z", "5z", kNone, {{kMeldPung, 19, 0}}, 2},
    {"ValueHonourHeldThreeTimesKept", R, 27, 1, "123m 234p 345s 555z 1m", "5z", kNone, {}, 3},
    {"NineHeldThreeTimesKonged", R, 27, 1, "123m 234p 34s 999m 66z", "9m", kong(810), {}, 3},
    {"OneKongedWhenTheTemplateStartsAtTwo", R, 27, 12, "234m 345s 45p 111m 66z", "1m", kong(810), {}, 3},
    {"OneKeptWhenTheTemplateStartsAtOne", R, 27, 1, "23m 234p 345s 111m 66z", "1m", kNone, {}, 3},
    // Mixed shifted chows: moving the template by a rank.
    {"ShiftUp", R, 27, 1, "123m 234p 34s 9m 9s 1p 6z 7z", "4m", chow(1, 703)},
    {"ShiftUpRefusedBelowAMeldedTopChow", R, 27, 1, "123m 234p 9m 9s 6z 7z", "4m", kNone, {{kMeldChow, 23, 0}}},
    {"ShiftDownBesideAMeldedChow", R, 27, 1, "23m 345s 77p 9m 9s 6z", "2s", chow(3, 701), {{kMeldChow, 12, 0}}},
    {"ShiftDownNeedsTheBottomChowUnstarted", R, 27, 1, "123m 345s 77p 9m 9s", "2s", kNone, {{kMeldChow, 12, 0}}},
    {"ShiftUpNeedsBothTiles", R, 27, 1, "13m 234p 34s 9m 9s 1p 6z 7z", "4m", kNone},
    {"ShiftBesideAGuestWindMeld", R, 27, 1, "123m 234p 34s 9m 9s", "4m", chow(1, 703), {{kMeldPung, 34, 0}}},
    {"ShiftRefusedBesideAValueHonourMeld", R, 27, 1, "123m 234p 34s 6z 7z", "4m", kNone, {{kMeldPung, 35, 0}}},
    {"ShiftRefusedBesideAValueHonourTriple", R, 27, 1, "123m 234p 34s 555z 6z 7z", "4m", kNone},
    {"TemplateChowAfterAVetoedShift", R, 27, 1, "123m 234p 34s 555z 6z 7z", "5s", chow(1, 1)},
    {"TemplateChowWhereNoShiftFits", R, 27, 1, "123m 234p 34s 77p 9m 9s 6z", "5s", chow(1, 1)},
    {"ShiftNeedsASuitedPairOutsideTheTemplate", R, 27, 1, "1233m 234p 34s 19p 9s 6z", "4m", kNone},
    {"ShiftRefusedBesideARunWithoutHonourPair", R, 27, 1, "123m 234p 34s 789s 99p", "4m", kNone},
    // The set and the pair outside the template.
    {"OutsideRunBesideAnEmptyChow", R, 35, 0, "123m 789s 4456s", "4s", chow(3, 103)},
    {"OutsideRunBesideAMeldedChow", R, 35, 0, "1m 789s 4456s", "4s", chow(3, 103), {{kMeldChow, 14, 0}}},
    {"OneTileOfAChowClosesTheOutside", R, 35, 0, "1m 456p 789s 4456s", "4s", kNone},
    {"OutsideRunAroundPair", R, 35, 0, "123m 456p 789s 4556s", "5s", chow(2, 102)},
    {"OutsideRunBelowPair", R, 35, 0, "123m 456p 789s 4566s", "6s", chow(1, 101)},
    {"OutsideRunBelowPairBesideARun", R, 35, 0, "23m 456p 789s 34556s", "5s", chow(1, 101)},
    {"OutsideRunAbovePairThreeBelow", R, 35, 0, "123m 456p 789s 2234s", "5s", chow(1, 111)},
    {"OutsideRunBelowPairThreeAbove", R, 35, 0, "123m 456p 789s 2344s", "1s", chow(3, 123)},
    {"OutsideRunBelowATriple", R, 35, 0, "123m 456p 789s 5556m", "4m", chow(3, 203)},
    {"OutsideRunBelowASingleAndATriple", R, 35, 0, "123m 456p 789s 5666m", "4m", chow(3, 203)},
    {"OutsideRunAboveATriple", R, 35, 0, "123m 456p 789s 5556m", "7m", chow(1, 201)},
    {"OutsideRunLowestKeepingAPair", R, 35, 0, "123m 456p 789s 56m 99p", "4m", chow(3, 303)},
    {"OutsideRunMiddleKeepingAPair", R, 35, 0, "123m 456p 789s 46m 99p", "5m", chow(2, 302)},
    {"OutsideRunHighestKeepingAPair", R, 35, 0, "123m 456p 789s 45m 99p", "6m", chow(1, 301)},
    {"OutsideRunRefusedWithoutAPair", R, 35, 0, "123m 456p 789s 556m 1z", "4m", kNone},
    {"PungOfOneOfTwoPairs", R, 35, 0, "123m 456p 789s 99p 55z", "9p", pung(400), {}, 2},
    {"TwoOutsideMeldsCloseTheOutside", R, 35, 0, "123m 4556s", "5s", kNone, {{kMeldPung, 35, 0}, {kMeldPung, 36, 0}}},
    {"OutsideMeldAndTripleCloseTheOutside", R, 35, 0, "123m 456p 5556m", "4m", kNone, {{kMeldPung, 36, 0}}},
    {"TangledRunAndPairCloseTheOutside", R, 35, 0, "123m 4456m 456p", "4m", kNone, {{kMeldPung, 35, 0}}},
    {"ConcealedShiftedChowsShortOfATripledTile", R, 47, 0, "1223445m 99p 78s 15z", "6s", kNone},
    {"ConcealedShiftedChowsHoldingEveryRepeat", R, 47, 0, "1233445m 99p 78s", "6s", chow(3, 303)},
    {"TripleAndPairCloseTheOutside", R, 35, 0, "12m 456p 789s 555m 99p", "9p", kNone, {}, 2},
    // Mixed shifted chows pung a pair only where no chow is lost.
    {"ShiftedPungOfAMiddleTileFromStartTwo", R, 27, 12, "234m 345s 456p 77p 88s", "7p", pung(400), {}, 2},
    {"ShiftedPungFromTheLeftNeighbour", R, 27, 2, "234m 345p 45s 77p 88s 6z", "7p", pung(400)},
    {"ShiftedMiddlePairKeptBesideAShiftFromOne", R, 27, 2, "234m 345p 456s 77p 88s", "7p", kNone, {}, 2, {27, 1}},
    {"ShiftedPungBesideAShiftFromFour", R, 27, 2, "234m 345p 456s 77p 88s", "7p", pung(400), {}, 2, {27, 54}},
    {"ShiftedMiddlePairKeptBesideATerminalPair", R, 27, 2, "234m 345p 456s 77p 11p", "7p", kNone, {}, 2},
    {"ShiftedMiddlePairKeptFromStartOne", R, 27, 1, "123m 234p 345s 77p 88s", "7p", kNone, {}, 2},
    {"ShiftedPungWithAnotherAimInTheList", R, 27, 1, "123m 234p 345s 77p 88s", "7p", pung(400), {}, 2, {31, 2}},
    {"ShiftedPungOfATerminal", R, 27, 15, "567m 678s 789p 11p 33s", "1p", pung(400), {}, 2},
    {"ShiftedTerminalPairKeptBesideAnHonourPair", R, 27, 1, "234p 345s 99p 66z", "9p", kNone, {{kMeldChow, 1, 0}}, 2},
    // A variant past the ranges target selection stores has no template.
    {"ShiftedChowsStartPastFive", R, 27, 6, "68m 1z", "7m", kNone},
    {"PureShiftedLayoutPastSeven", R, 47, 8, "46m 1z", "5m", kNone},
};

class ChowPatternClaim : public ClaimCaseTest {};

TEST_P(ChowPatternClaim, Decides) {
  const Case& c = GetParam();
  set_up(c);
  EXPECT_EQ(run(c.rule), c.expect);
  EXPECT_EQ(g_naki_tile, 0) << "the discard is held locally";
}
INSTANTIATE_TEST_SUITE_P(Worked, ChowPatternClaim, ::testing::ValuesIn(kCases), case_name);

}  // namespace
}  // namespace chow_claims
