#include "com/target/selectors.h"
#include "support/selector_fixture.h"

namespace {

class RangeSelectors : public SelectorTest {};
TEST_P(RangeSelectors, LeaveTheTargetOfTheirRules) { check(GetParam()); }

constexpr TargetSelector lo = aim_lower_tiles, mid = aim_middle_tiles, up = aim_upper_tiles, fives = aim_all_fives,
                         rev = aim_reversible_tiles;
constexpr TargetSelector green = [](int seat, int) { aim_all_green(seat); };
// Exactly four groups and six fives, beside a lone 2 and 9.
constexpr const char* kFivesHand = "345m 55m 456p 567s 5s 2m 9p";

// name, selector, threshold or level, free tiles, target, variant, melds, river, latest discard, distance, far forms, prior aim.
INSTANTIATE_TEST_SUITE_P(Hands, RangeSelectors, ::testing::Values(
  SelectorCase{"LowerTilesCountTheFours", lo, 12, "1234m 1234p 1234s 6m 1z", 61, 0},
  SelectorCase{"LowerTilesClosedRunAboveTheRange", lo, 12, "1234m 456m 123p 1234s", 0},
  SelectorCase{"LowerTilesOpenHandSkipsTheRunTest", lo, 12, "1234m 456m 1234s", 61, 0, "c1p"},
  SelectorCase{"LowerTilesConcealedKongKeepsItClosed", lo, 12, "1234m 456m 1234s", 0, 0, "k1p"},
  SelectorCase{"LowerTilesClosedPungAboveTheRange", lo, 11, "1234m 123p 1234s 999m", 0},
  SelectorCase{"LowerTilesHonourPung", lo, 11, "1234m 1234p 123s", 0, 0, "p1z"},
  SelectorCase{"UpperTiles", up, 12, "6789m 6789p 6789s 11z", 59, 0},
  SelectorCase{"UpperTilesChowOfFive", up, 13, "6789p 6789s 789m", 0, 0, "c5m"},
  SelectorCase{"UpperTilesChowOfSix", up, 13, "6789p 6789s 789m", 59, 0, "c6m"},
  SelectorCase{"MiddleTilesAllowRunThreeFourFive", mid, 13, "345m 456m 456p 456s 55p", 60, 0},
  SelectorCase{"MiddleTilesRunTwoThreeFour", mid, 12, "234m 456m 456p 456s 55p", 0},

  SelectorCase{"AllFivesClosedHand", fives, 1, kFivesHand, 52, 0},
  SelectorCase{"AllFivesReplaceMiddleTiles", fives, 1, kFivesHand, 52, 0, "", "", "", 1, 13, 60},
  SelectorCase{"AllFivesFarFromReadyAtLevelOne", fives, 1, kFivesHand, 0, 0, "", "", "", 2},
  SelectorCase{"AllFivesFarFromReadyAtLevelZero", fives, 0, kFivesHand, 52, 0, "", "", "", 2},
  SelectorCase{"AllFivesClosedHandWithoutAFive", fives, 0, "345556m 455567s 46p", 0},
  SelectorCase{"AllFivesClosedHandWithATerminalRun", fives, 0, "123455p 4556m 5566s", 0},
  SelectorCase{"AllFivesRunsBeforeShapes", fives, 0, "3455m 3455p 3455s 1z 2z", 0},
  SelectorCase{"AllFivesLonePairOfFives", fives, 0, "55m 345p 67p 456s 5s 5p 6p 1z", 0},
  SelectorCase{"AllFivesThreeGroups", fives, 0, "4555m 455p 5s 123456z", 0},
  SelectorCase{"AllFivesOpenHand", fives, 0, "45m 55m 56p 45s", 52, 0, "c3m c4p"},
  SelectorCase{"AllFivesChowOfTwo", fives, 0, "45m 55m 56p 45s", 0, 0, "c2m c4p"},
  SelectorCase{"AllFivesChowOfSix", fives, 0, "45m 55m 56p 45s", 0, 0, "c6m c4p"},

  SelectorCase{"AllGreen", green, 0, "223344666888s 66z", 78, 0},
  SelectorCase{"AllGreenPairsNotAChow", green, 0, "2244s 666s 66z 8s 1z 2z 3z 4z", 78, 0},
  SelectorCase{"AllGreenThreeHonourPairs", green, 0, "234666s 88s 11z 77z 66z", 0},
  SelectorCase{"AllGreenTwoHonourPairs", green, 0, "2234666888s 11z 66z", 78, 0},
  SelectorCase{"AllGreenTwoGroups", green, 0, "234s 666s 28s 1z 2z 3z 4z 5z 7z", 0},
  SelectorCase{"AllGreenShapeTwoThree", green, 0, "666s 888s 23s 66z 1z 2z 3z 4z", 78, 0},
  SelectorCase{"AllGreenShapeThreeFour", green, 0, "666s 888s 34s 66z 1z 2z 3z 4z", 78, 0},
  SelectorCase{"AllGreenShapeTwoFour", green, 0, "666s 888s 24s 66z 1z 2z 3z 4z", 78, 0},
  SelectorCase{"AllGreenHonourPung", green, 0, "22234s 666s 888s 111z", 0},
  SelectorCase{"AllGreenThreeOfAnOddBamboo", green, 0, "555s 234s 666s 888s 66z", 0},
  SelectorCase{"AllGreenChowOfThree", green, 0, "234666888s 66z", 0, 0, "c3s"},
  SelectorCase{"AllGreenChowOfTwo", green, 0, "234666888s 66z", 78, 0, "c2s"},
  SelectorCase{"AllGreenEightShown", green, 0, "223344666888s 66z", 0, 0, "", "22s 33s 44s 6s 8s"},
  SelectorCase{"AllGreenSevenShown", green, 0, "223344666888s 66z", 78, 0, "", "22s 33s 44s 6s"},

  SelectorCase{"ReversibleLevelZero", rev, 0, "123p 345p 456s 55z 88s 9p", 41, 0},
  SelectorCase{"ReversibleLevelOne", rev, 1, "123p 345p 456s 55z 88s 9p", 41, 0},
  SelectorCase{"ReversibleLevelOneFarFromReady", rev, 1, "123p 345p 456s 55z 88s 9p", 0, 0, "", "", "", 2},
  SelectorCase{"ReversibleLevelTwo", rev, 2, "123p 345p 55z 88s 19p 29s", 41, 0, "", "", "", 2},
  SelectorCase{"ReversibleLevelTwoFarFromReady", rev, 2, "123p 345p 55z 88s 19p 29s", 0, 0, "", "", "", 3},
  SelectorCase{"ReversibleHonoursAreNeverStrays", rev, 0, "123p 345p 55z 88s 1z 2z 3z 4z", 41, 0, "", "", "", 0},
  SelectorCase{"ReversibleOneSetFourPairs", rev, 0, "123p 55z 88s 22s 99s 1z 2z 3z", 41, 0},
  SelectorCase{"ReversibleOneSetThreePartials", rev, 0, "123p 9p 55z 88s 46s 9s 1z 2z 3z", 0},
  SelectorCase{"ReversibleFourSetsAtLevelOne", rev, 1, "123p 345p 456s 555z 9p 2s", 41, 0},
  // Each two-tile shape of reversible tiles is one partial: one set and four, or two sets and two, make a target.
  SelectorCase{"ReversibleShapesOneTwoFourFive", rev, 0, "555z 12p 45p 4556s 1z 2z", 41, 0},
  SelectorCase{"ReversibleShapesTwoThree", rev, 0, "555z 999p 23p 45s 1z 2z 3z", 41, 0},
  SelectorCase{"ReversibleShapesThreeFour", rev, 0, "555z 999p 34p 56s 1z 2z 3z", 41, 0},
  SelectorCase{"ReversibleGapsOneThree", rev, 0, "555z 999p 13p 46s 1z 2z 3z", 41, 0},
  SelectorCase{"ReversibleGapsTwoFour", rev, 0, "555z 999p 24p 46s 1z 2z 3z", 41, 0},
  SelectorCase{"ReversibleGapsThreeFive", rev, 0, "555z 999p 35p 1z 2z 3z 4z 6z", 0},
  SelectorCase{"ReversibleGapsThreeFiveBesideAShape", rev, 0, "555z 999p 35p 45s 1z 2z 3z", 41, 0},
  SelectorCase{"ReversibleTooManyStrays", rev, 0, "123p 345p 456s 55z 789m", 0},
  SelectorCase{"ReversibleChowOfThreeBamboo", rev, 0, "123p 345p 55z 88s 9p", 0, 0, "c3s"},
  SelectorCase{"ReversibleChowOfFourBamboo", rev, 0, "123p 345p 55z 88s 9p", 41, 0, "c4s"}),
  selector_case_name);

}  // namespace
