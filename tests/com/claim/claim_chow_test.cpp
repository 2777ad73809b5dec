// The chow-pattern claim rule on worked hands for seat 1 (left neighbour
// seat 0; value honours East, South and the dragons). Templates used:
// 35/0 = 123m 456p 789s; 49/0, 49/1, 49/2 = 1-9 of m, p, s; 47/0 = 123m
// 234m 345m, 47/24 = 567s 678s 789s; 33/7 = 789 of each suit; 27/1 = 123m
// 234p 345s, 27/2 = 234m 345p 456s, 27/12 = 234m 345s 456p, 27/15 = 567m
// 678s 789p.
#include "base/table_state.h"
#include "com/claim/claim_protocol.h"
#include "com/claim/claim_rules.h"
#include "com/target/com_target.h"
#include "support/claim_fixture.h"

namespace {

constexpr auto R = naki_chow_patterns;

const ClaimCase kCases[] = {
    // Template chows: the missing place of a chow, from the left neighbour only.
    {"MiddleOfAnEndChow", R, "13m 456p 789s 1155z 7z", "2m", chow(2, 35, 0), 35, 0},
    {"LowestOfAChow", R, "23m 56p 789s 1155z 7z 9m", "1m", chow(3, 35, 3), 35, 0},
    // A melded template chow covers all three of its places.
    {"NoHighestPlaceInAMeldedChow", R, "456789m 1155z", "3m", kNoClaim, 49, 0, {{kMeldChow, 1, 0}}},
    {"NoLowestPlaceInAMeldedChow", R, "456789m 1155z", "1m", kNoClaim, 49, 0, {{kMeldChow, 1, 0}}},
    {"LowestBesideAMeldedChow", R, "56p 789s 1155z", "4p", chow(3, 35, 3), 35, 0, {{kMeldChow, 1, 0}}},
    {"MiddleOfTheMiddleChow", R, "123m 46p 789s 1155z 7z", "5p", chow(2, 35, 2), 35, 0},
    {"MixedTripleChowLowest", R, "89m 789p 789s 1155z", "7m", chow(3, 33, 3), 33, 7},
    {"HighestOfAChow", R, "123m 456p 78s 1155z 7z", "9s", chow(1, 35, 1), 35, 0},
    {"TemplateChowNotFromTheRight", R, "23m 456p 789s 1155z 7z", "1m", kNoClaim, 35, 0, {}, 2},
    {"SharedTileCoversOnePlaceOnly", R, "12333445m 19p 19s 5z", "2m", chow(3, 47, 3), 47, 0},
    {"PureShiftedLayoutFourInBamboo", R, "77889s 9p", "6s", chow(3, 47, 3), 47, 24},
    {"TemplateChowWhileAChowIsMissing", R, "13m 234p 9m 9s 1p 6z 7z", "2m", chow(2, 27, 0), 27, 1},
    // A second run of a complete chow while the leftover holds no pair.
    {"SpareLowest", R, "1234456789s 1m 5p 7z", "4s", chow(3, 49, 13), 49, 2},
    {"SpareMiddle", R, "1223456789p 1m 5s 7z", "2p", chow(2, 49, 12), 49, 1},
    {"SpareHighest", R, "1234567899m 1p 5s 7z", "9m", chow(1, 49, 11), 49, 0},
    {"SpareRefusedBesideARunAndPair", R, "1123p 44567m", "1p", kNoClaim, 49, 1},
    {"SpareNotForTheMiddleShiftedChow", R, "12223344m 9p 1s 5s 6z 7z", "2m", kNoClaim, 47, 0},
    // Mixed shifted chows: honour calls.
    {"ValueHonourPung", R, "123m 234p 345s 55z 19p", "5z", pung(27, 800), 27, 1, {}, 2},
    {"ValueHonourPungNotBesideAnOutsideMeld", R, "123m 234p 45s 55z", "5z", kNoClaim, 27, 1, {{kMeldPung, 19, 0}}, 2},
    {"ValueHonourHeldThreeTimesKept", R, "123m 234p 345s 555z 1m", "5z", kNoClaim, 27, 1, {}, 3},
    {"NineHeldThreeTimesKonged", R, "123m 234p 34s 999m 66z", "9m", kong(27, 810), 27, 1, {}, 3},
    {"OneKongedWhenTheTemplateStartsAtTwo", R, "234m 345s 45p 111m 66z", "1m", kong(27, 810), 27, 12, {}, 3},
    {"OneKeptWhenTheTemplateStartsAtOne", R, "23m 234p 345s 111m 66z", "1m", kNoClaim, 27, 1, {}, 3},
    // Mixed shifted chows: moving the template by a rank.
    {"ShiftUp", R, "123m 234p 34s 9m 9s 1p 6z 7z", "4m", chow(1, 27, 703), 27, 1},
    {"ShiftUpRefusedBelowAMeldedTopChow", R, "123m 234p 9m 9s 6z 7z", "4m", kNoClaim, 27, 1, {{kMeldChow, 23, 0}}},
    {"ShiftDownBesideAMeldedChow", R, "23m 34s 77p 9m 9s 6z", "2s", chow(3, 27, 701), 27, 1, {{kMeldChow, 12, 0}}},
    {"ShiftDownNeedsTwoThirdsOfTheBottomChow", R, "3m 345s 77p 9m 9s 6z", "2s", kNoClaim, 27, 1, {{kMeldChow, 12, 0}}},
    {"ShiftDownNeedsTheBottomChowUnstarted", R, "123m 345s 77p 9m 9s", "2s", kNoClaim, 27, 1, {{kMeldChow, 12, 0}}},
    {"ShiftUpNeedsBothTiles", R, "13m 234p 34s 9m 9s 1p 6z 7z", "4m", kNoClaim, 27, 1},
    {"ShiftBesideAGuestWindMeld", R, "123m 234p 34s 9m 9s", "4m", chow(1, 27, 703), 27, 1, {{kMeldPung, 34, 0}}},
    {"ShiftRefusedBesideAValueHonourMeld", R, "123m 234p 34s 6z 7z", "4m", kNoClaim, 27, 1, {{kMeldPung, 35, 0}}},
    {"ShiftRefusedBesideAValueHonourTriple", R, "123m 234p 34s 555z 6z 7z", "4m", kNoClaim, 27, 1},
    {"TemplateChowAfterAVetoedShift", R, "123m 234p 34s 555z 6z 7z", "5s", chow(1, 27, 1), 27, 1},
    {"TemplateChowWhereNoShiftFits", R, "123m 234p 34s 77p 9m 9s 6z", "5s", chow(1, 27, 1), 27, 1},
    {"ShiftNeedsASuitedPairOutsideTheTemplate", R, "1233m 234p 34s 19p 9s 6z", "4m", kNoClaim, 27, 1},
    {"ShiftRefusedBesideARunWithoutHonourPair", R, "123m 234p 34s 789s 99p", "4m", kNoClaim, 27, 1},
    // The set and the pair outside the template.
    {"OutsideRunBesideAnEmptyChow", R, "123m 789s 4456s", "4s", chow(3, 35, 103), 35, 0},
    {"OutsideRunBesideAMeldedChow", R, "1m 789s 4456s", "4s", chow(3, 35, 103), 35, 0, {{kMeldChow, 14, 0}}},
    {"OneTileOfAChowClosesTheOutside", R, "1m 456p 789s 4456s", "4s", kNoClaim, 35, 0},
    {"OutsideRunAroundPair", R, "123m 456p 789s 4556s", "5s", chow(2, 35, 102), 35, 0},
    {"OutsideRunBelowPair", R, "123m 456p 789s 4566s", "6s", chow(1, 35, 101), 35, 0},
    {"OutsideRunBelowPairBesideARun", R, "23m 456p 789s 34556s", "5s", chow(1, 35, 101), 35, 0},
    {"OutsideRunAbovePairThreeBelow", R, "123m 456p 789s 2234s", "5s", chow(1, 35, 111), 35, 0},
    {"OutsideRunBelowPairThreeAbove", R, "123m 456p 789s 2344s", "1s", chow(3, 35, 123), 35, 0},
    {"OutsideRunBelowATriple", R, "123m 456p 789s 5556m", "4m", chow(3, 35, 203), 35, 0},
    {"OutsideRunBelowASingleAndATriple", R, "123m 456p 789s 5666m", "4m", chow(3, 35, 203), 35, 0},
    {"OutsideRunAboveATriple", R, "123m 456p 789s 5556m", "7m", chow(1, 35, 201), 35, 0},
    {"OutsideRunLowestKeepingAPair", R, "123m 456p 789s 56m 99p", "4m", chow(3, 35, 303), 35, 0},
    {"OutsideRunMiddleKeepingAPair", R, "123m 456p 789s 46m 99p", "5m", chow(2, 35, 302), 35, 0},
    {"OutsideRunHighestKeepingAPair", R, "123m 456p 789s 45m 99p", "6m", chow(1, 35, 301), 35, 0},
    {"OutsideRunRefusedWithoutAPair", R, "123m 456p 789s 556m 1z", "4m", kNoClaim, 35, 0},
    {"PungOfOneOfTwoPairs", R, "123m 456p 789s 99p 55z", "9p", pung(35, 400), 35, 0, {}, 2},
    {"TwoOutsideMeldsCloseTheOutside", R, "123m 4556s", "5s", kNoClaim, 35, 0, {{kMeldPung, 35, 0}, {kMeldPung, 36, 0}}},
    {"OutsideMeldAndTripleCloseTheOutside", R, "123m 456p 5556m", "4m", kNoClaim, 35, 0, {{kMeldPung, 36, 0}}},
    {"TangledRunAndPairCloseTheOutside", R, "123m 4456m 456p", "4m", kNoClaim, 35, 0, {{kMeldPung, 35, 0}}},
    {"ConcealedShiftedChowsShortOfATripledTile", R, "1223445m 99p 78s 15z", "6s", kNoClaim, 47, 0},
    {"MeldedShiftedChowsShortOfATripledTile", R, "23445m 99p 78s", "6s", chow(3, 47, 303), 47, 0, {{kMeldChow, 1, 0}}},
    {"ConcealedShiftedChowsHoldingEveryRepeat", R, "1233445m 99p 78s", "6s", chow(3, 47, 303), 47, 0},
    {"TripleAndPairCloseTheOutside", R, "12m 456p 789s 555m 99p", "9p", kNoClaim, 35, 0, {}, 2},
    // Mixed shifted chows pung a pair only where no chow is lost.
    {"ShiftedPungOfAMiddleTileFromStartTwo", R, "234m 345s 456p 77p 88s", "7p", pung(27, 400), 27, 12, {}, 2},
    {"ShiftedPungFromTheLeftNeighbour", R, "234m 345p 45s 77p 88s 6z", "7p", pung(27, 400), 27, 2},
    {"ShiftedMiddlePairKeptBesideATerminalPair", R, "234m 345p 456s 77p 11p", "7p", kNoClaim, 27, 2, {}, 2},
    {"ShiftedMiddlePairKeptFromStartOne", R, "123m 234p 345s 77p 88s", "7p", kNoClaim, 27, 1, {}, 2},
    {"ShiftedPungOfATerminal", R, "567m 678s 789p 11p 33s", "1p", pung(27, 400), 27, 15, {}, 2},
    {"ShiftedTerminalPairKeptBesideAnHonourPair", R, "234p 345s 99p 66z", "9p", kNoClaim, 27, 1, {{kMeldChow, 1, 0}}, 2},
    // A variant past the ranges target selection stores has no template.
    {"ShiftedChowsStartPastFive", R, "68m 1z", "7m", kNoClaim, 27, 6},
    {"PureShiftedLayoutPastSeven", R, "46m 1z", "5m", kNoClaim, 47, 8},
};

class ChowPatternClaim : public ClaimCaseTest {};

TEST_P(ChowPatternClaim, Decides) {
  set_up(GetParam());
  EXPECT_EQ(run(R), GetParam().expect);
  EXPECT_EQ(g_naki_tile, 0) << "the discard is held locally";
}
INSTANTIATE_TEST_SUITE_P(Worked, ChowPatternClaim, ::testing::ValuesIn(kCases), claim_case_name);

// Pattern 27's pair pung while the candidate list holds another aim (during
// a candidate run, the target exchanged out) or a mixed shifted chows start.
TEST_F(ClaimTest, ShiftedChowsPungByTheCandidates) {
  const struct { int id, variant; ClaimResult expect; } kLists[] = {
      {0, 0, pung(27, 400)}, {31, 2, pung(27, 400)}, {27, 1, kNoClaim}, {27, 54, pung(27, 400)}};
  for (const auto& list : kLists) {
    SetUp();
    set_up({"", R, "234m 345p 456s 77p 88s", "7p", {}, 27, 2, {}, 2});
    g_ai_chow_candidates[kSeat][2] = list.id;
    g_ai_chow_candidate_variants[kSeat][2] = list.variant;
    EXPECT_EQ(run(R), list.expect) << list.id << "/" << list.variant;
  }
}

}  // namespace
