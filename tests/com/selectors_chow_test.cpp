// The chow-pattern selectors on worked hands: templates, levels, the rest
// of the hand, near-ready choices and the list of alternatives.
#include "com/target/selectors.h"
#include "support/aim_case.h"

namespace {

using Call = void (*)(int seat);
constexpr Call kStraight9 = [](int s) { aim_pure_straight(s, 9, 0, 0, 0); };
constexpr Call kStraight9Alt = [](int s) { aim_pure_straight(s, 9, 1, 0, 0); };
constexpr Call kStraight8 = [](int s) { aim_pure_straight(s, 8, 0, 0, 0); };
constexpr Call kStraight8Near = [](int s) { aim_pure_straight(s, 8, 0, 1, 0); };
constexpr Call kStraight7 = [](int s) { aim_pure_straight(s, 7, 0, 0, 0); };
constexpr Call kStraight7Alt = [](int s) { aim_pure_straight(s, 7, 1, 0, 0); };
constexpr Call kPureShifted9 = [](int s) { aim_pure_shifted_chows(s, 9, 0); };
constexpr Call kPureShifted7 = [](int s) { aim_pure_shifted_chows(s, 7, 0); };
constexpr Call kPureShifted7Free = [](int s) { aim_pure_shifted_chows(s, 7, 3); };
constexpr Call kMixedStraight8 = [](int s) { aim_mixed_straight(s, 8, 0, 0, 0); };
constexpr Call kShifted9 = [](int s) { aim_mixed_shifted_chows(s, 9, 0, 0, 0); };
constexpr Call kShifted8 = [](int s) { aim_mixed_shifted_chows(s, 8, 0, 0, 0); };
constexpr Call kShifted9Alt = [](int s) { aim_mixed_shifted_chows(s, 9, 1, 0, 0); };
constexpr Call kShifted6Alt = [](int s) { aim_mixed_shifted_chows(s, 6, 1, 0, 0); };
constexpr Call kTriple9 = [](int s) { aim_mixed_triple_chow(s, 9, 0, 0, 0, 0); };
constexpr Call kTriple9Middle = [](int s) { aim_mixed_triple_chow(s, 9, 0, 0, 0, 1); };
constexpr Call kTriple7 = [](int s) { aim_mixed_triple_chow(s, 7, 0, 0, 0, 0); };
constexpr Call kTriple6 = [](int s) { aim_mixed_triple_chow(s, 6, 0, 0, 0, 0); };
constexpr Call kTriple6Shape2 = [](int s) { aim_mixed_triple_chow(s, 6, 0, 2, 0, 0); };
constexpr Call kTriple7Shape2 = [](int s) { aim_mixed_triple_chow(s, 7, 0, 2, 0, 0); };
constexpr Call kStraight8NearAlt = [](int s) { aim_pure_straight(s, 8, 1, 1, 0); };
constexpr Call kPureShifted6Free = [](int s) { aim_pure_shifted_chows(s, 6, 3); };
constexpr Call kStraight7NearAlt = [](int s) { aim_pure_straight(s, 7, 1, 1, 0); };
constexpr Call kTriple9NoStart = [](int s) { aim_mixed_triple_chow(s, 9, 0, 0, 0, 2); };
constexpr Call kTriple7Spread = [](int s) { aim_mixed_triple_chow(s, 7, 0, 0, 1, 0); };
constexpr Call kStraight9Near = [](int s) { aim_pure_straight(s, 9, 0, 1, 0); };
constexpr Call kTriple6Near = [](int s) { aim_mixed_triple_chow(s, 6, 0, 1, 0, 0); };
constexpr Call kTriple6Alt = [](int s) { aim_mixed_triple_chow(s, 6, 1, 0, 0, 0); };
constexpr Call kTriple6Shape2Alt = [](int s) { aim_mixed_triple_chow(s, 6, 1, 2, 0, 0); };

constexpr const char* kStraightS = "123456789s 11p 45m";
constexpr const char* kStraightNoOne = "23456789m 11p 456s 9p";
constexpr const char* kTwoShifted = "1234m 2345p 3456s 77z";

const AimCase kCases[] = {
    // Levels and the quality of the rest against the distance to ready.
    {.name = "StraightTakesItsSuit", .call = kStraight9, .hand = kStraightS, .expect = "49:2"},
    {.name = "LoneTilesFailCloseToReady", .call = kStraight9, .hand = "123456789m 2m 1p 5s 9p 7z", .expect = "0:0"},
    {.name = "LoneTilesPassFartherOut", .call = kStraight9, .hand = "123456789m 2m 1p 5s 9p 7z", .expect = "49:0",
     .min_shanten = 2},
    {.name = "OnePairIsEnoughAtNine", .call = kStraight9, .hand = "123456789m 11p 5s 9s 7z", .expect = "49:0"},
    {.name = "AClosedShapeIsAPartial", .call = kStraight9, .hand = "123456789m 13p 5s 9s 7z", .expect = "49:0"},
    {.name = "APairBesideAChowIsASetAndAPair", .call = kStraight7, .hand = "3456789s 11234m 5p 9p", .expect = "49:2"},
    {.name = "TwoPairsCountAsOneForAPureStraight", .call = kStraight8, .hand = "12345678m 11p 22s 5p 9s",
     .expect = "0:0"},
    {.name = "RunOfFourTilesReadAsSetAndPair", .call = kStraight7, .hand = "3456789s 1223m 456p", .expect = "49:2"},
    {.name = "CandidateModeSkipsThePartTest", .call = kStraight7Alt, .hand = "3456789s 1223m 456p",
     .expect = "49:2 | | near 1"},
    // Near ready, seen and dead tiles, the latest discard.
    {.name = "NearWithTheFirstTileLive", .call = kStraight8, .hand = kStraightNoOne, .expect = "49:0 | | near 1",
     .visible = "1m 1m"},
    {.name = "ThreeOnesSeenAreNotNear", .call = kStraight8, .hand = kStraightNoOne, .expect = "49:0",
     .visible = "1m 1m 1m"},
    {.name = "NotNearThreeFromReady", .call = kStraight8, .hand = kStraightNoOne, .expect = "49:0", .visible = "1m 1m",
     .min_shanten = 3},
    {.name = "ShapeOneNeedsNearReady", .call = kStraight8Near, .hand = kStraightNoOne, .expect = "0:0",
     .visible = "1m 1m 1m"},
    {.name = "LastOneDiscardedCountsForTheNextSeat", .call = kStraight8, .hand = kStraightNoOne,
     .expect = "49:0", .visible = "1m 1m 1m", .discard = "1m"},
    {.name = "LastOneDiscardedIsDeadForOthers", .call = kStraight8, .hand = kStraightNoOne, .expect = "0:0",
     .visible = "1m 1m 1m", .discard = "1m", .discarder = 2},
    {.name = "ADeadKindOutsideTheTemplateRulesNothingOut", .call = kStraight8, .hand = kStraightNoOne,
     .expect = "49:0 | | near 1", .visible = "7z 7z 7z 7z"},
    {.name = "ADeadKindTheHandCoversRulesNothingOut", .call = kStraight8, .hand = kStraightNoOne,
     .expect = "49:0 | | near 1", .visible = "2m 2m 2m 2m"},
    // Declared melds.
    {.name = "OnePungBesideIsASet", .call = kStraight9, .hand = "123456789m 56s", .expect = "49:0", .melds = "p1p"},
    {.name = "APungOfAStraightTileFillsNoPart", .call = kStraight8, .hand = "23456789m 5p 9p 7z", .expect = "49:0",
     .melds = "p1m"},
    {.name = "AMeldedPartLeavesTheRestAlone", .call = kStraight9, .hand = "4556789m 9p 1z 7z 4z", .expect = "0:0",
     .melds = "c1m"},
    {.name = "TwoPungsRuleEveryTemplateOut", .call = kStraight8, .hand = "12345678m", .expect = "0:0",
     .melds = "p1p p7z"},
    // The keep test and the list beside another target.
    {.name = "BesideALowerTargetAnAlternative", .call = kStraight9, .hand = kStraightS, .expect = "31:2 | 49:2",
     .record = "31:2"},
    {.name = "PureShiftedChowsReplaceALowerTarget", .call = kPureShifted9, .hand = "122333445m 11p 45s 9p",
     .expect = "47:0", .record = "31:1"},
    {.name = "PureShiftedChowsYieldToAMiddleTripleChow", .call = kPureShifted9, .hand = "122333445m 11p 45s 9p",
     .expect = "33:3", .record = "33:3"},
    {.name = "PureShiftedChowsReplaceAnEdgeTripleChow", .call = kPureShifted9, .hand = "122333445m 11p 45s 9p",
     .expect = "47:0", .record = "33:1"},
    {.name = "AnEqualTargetStays", .call = kStraight9, .hand = kStraightS, .expect = "47:3", .record = "47:3"},
    {.name = "CandidateModeOnlyBesideChowAims", .call = kStraight9Alt, .hand = kStraightS, .expect = "31:0",
     .record = "31:0"},
    {.name = "CandidateModeBesideAMiddleTripleChow", .call = kStraight9Alt, .hand = kStraightS,
     .expect = "33:3 | 49:2", .record = "33:3"},
    {.name = "DecideModeYieldsToAMiddleTripleChow", .call = kStraight9, .hand = kStraightS, .expect = "33:3",
     .record = "33:3"},
    {.name = "DecideModeBesideAnEdgeTripleChow", .call = kStraight9, .hand = kStraightS, .expect = "33:1 | 49:2",
     .record = "33:1"},
    {.name = "SettingTheTargetClearsTheList", .call = kStraight9Alt, .hand = kStraightS, .expect = "49:2",
     .record = "0:0 | 35:4"},
    // Coverage order and templates tried more than once.
    {.name = "NinesBeforeEights", .call = kMixedStraight8, .hand = "123m 456s 789p 456p 89s", .expect = "35:1"},
    // The search starts at the best coverage of any template: 8 here, so level 8 finds it and 9 nothing.
    {.name = "BestCoverageEightMeetsLevelEight", .call = kShifted8, .hand = "123m 234p 34s 11z 55z 9m 9p",
     .expect = "27:1 | | near 1"},
    {.name = "BestCoverageEightMissesLevelNine", .call = kShifted9, .hand = "123m 234p 34s 11z 55z 9m 9p",
     .expect = "0:0"},
    {.name = "ShiftedChowsGoOnAfterTheTarget", .call = kShifted9, .hand = kTwoShifted, .expect = "27:1 | 27:2"},
    {.name = "LowerCountsSkipTheTargetItself", .call = kShifted8, .hand = kTwoShifted,
     .expect = "27:1 | 27:2 27:11 27:12 27:21 27:22 | near 1", .min_shanten = 2},
    {.name = "FiveAlternativesAtMost", .call = kShifted6Alt, .hand = "12345m 23456p 3456s",
     .expect = "27:55 | 27:1 27:2 27:12 27:22 27:3", .record = "27:55"},
    {.name = "AnHonourPairHoldsShiftedChowsBack", .call = kShifted6Alt, .hand = "234p 345s 77z 1p 9p 9m",
     .expect = "33:1", .melds = "c1m", .record = "33:1"},
    {.name = "AnHonourPungLetsShiftedChowsIn", .call = kShifted6Alt, .hand = "234p 345s 555z 66z",
     .expect = "33:1 | 27:1 27:11", .melds = "c1m", .record = "33:1"},
    {.name = "NoHonourPairNoHoldingBack", .call = kShifted6Alt, .hand = "234p 345s 1p 9p 9m 1s 9s",
     .expect = "33:1 | 27:1 27:11", .melds = "c1m", .record = "33:1"},
    {.name = "AnHonourPairBesideShiftedChowsAlready", .call = kShifted6Alt, .hand = "234p 345s 55z 1p 9p 9m",
     .expect = "27:55 | 27:1 27:11", .melds = "c1m", .record = "27:55"},
    {.name = "AnHonourMeldLetsShiftedChowsIn", .call = kShifted6Alt, .hand = "234p 345s 66z",
     .expect = "33:1 | 27:1 27:11", .melds = "c1m p5z", .record = "33:1"},
    {.name = "NearFlagAdmitsOnlyNearAlternatives", .call = kShifted9Alt, .hand = kTwoShifted,
     .expect = "49:0 | | near 1", .record = "49:0 | | near 1"},
    {.name = "NearFlagStopsDecideMode", .call = kShifted9, .hand = kTwoShifted, .expect = "23:0 | | near 1",
     .record = "23:0 | | near 1"},
    {.name = "DecideModeBesideOutsideHand", .call = kShifted9, .hand = kTwoShifted, .expect = "23:0 | 27:1 27:2",
     .record = "23:0"},
    // Pure shifted chows: near once near for the call, the shared tiles.
    {.name = "NearOnceNearForTheCall", .call = kPureShifted7Free, .hand = "223334456m 11p 99s 7z",
     .expect = "47:0 | 47:1 | near 1"},
    {.name = "OneSharedMiddleTileWithAnotherOut", .call = kPureShifted7, .hand = "1223445m 11p 99s 567p",
     .expect = "0:0", .visible = "3m"},
    {.name = "ASharedTileOutRulesALayoutOut", .call = kPureShifted7, .hand = "1333445m 11p 99s 567p",
     .expect = "0:0", .visible = "2m"},
    {.name = "ShapeThreeIgnoresTheSharedTile", .call = kPureShifted7Free, .hand = "1333445m 11p 99s 567p",
     .expect = "47:0 | | near 1", .visible = "2m"},
    {.name = "DeadFirstTileRulesALayoutOut", .call = kPureShifted7Free, .hand = "223334456m 11p 99s 7z",
     .expect = "47:1", .visible = "1m 1m 1m 1m"},
    {.name = "OwnMeldedCopiesAreNotOut", .call = kPureShifted9, .hand = "233445m 11p 99s 7z", .expect = "47:0",
     .melds = "c1m", .visible = "3m"},
    {.name = "LevelSixWantsTwoOfTheSharedMiddleTile", .call = kPureShifted6Free, .hand = "1223445m 11p 99s 567p",
     .expect = "0:0"},
    {.name = "TwoOfTheSharedMiddleTileAtLevelSix", .call = kPureShifted6Free, .hand = "12233445m 11p 99s 57p",
     .expect = "47:0 | 47:1 47:5 | near 1"},
    {.name = "AStepTwoLayoutNeedsOnlyItsDoubledTiles", .call = kPureShifted7, .hand = "1245567m 11p 99s 567p",
     .expect = "47:5 | | near 1"},
    {.name = "AStepTwoLayoutLacksASeenDoubledTile", .call = kPureShifted7, .hand = "1245567m 11p 99s 567p",
     .expect = "0:0", .visible = "3m"},
    {.name = "AStepOneLayoutLacksASeenFourth", .call = kPureShifted7, .hand = "1223335m 11p 99s 567p",
     .expect = "0:0", .visible = "4m"},
    // Mixed triple chow: the middle starts, the spread, the shape of the rest.
    {.name = "MiddleOnlySkipsStartOne", .call = kTriple9Middle, .hand = "123m 123p 123s 456m 77z", .expect = "0:0"},
    {.name = "EveryStartTriesStartOne", .call = kTriple9, .hand = "123m 123p 123s 456m 77z", .expect = "33:1"},
    {.name = "SpreadFlagWantsTwoOfEachPart", .call = kTriple7Spread, .hand = "3m 123p 123s 456m 789p 1z",
     .expect = "0:0", .min_shanten = 2},
    {.name = "WithoutSpreadOneOfAPartDoes", .call = kTriple7, .hand = "3m 123p 123s 456m 789p 1z",
     .expect = "33:1", .min_shanten = 2},
    {.name = "TwoRunsWithoutAPungFailCloseToReady", .call = kTriple7, .hand = "123m 123p 3s 456m 789p 1z",
     .expect = "0:0"},
    {.name = "LevelSixFailsCloseToReady", .call = kTriple6, .hand = "123m 12p 3s 456m 789p 11z", .expect = "0:0"},
    {.name = "LevelSixWantsOneOfEachPart", .call = kTriple6, .hand = "123m 12p 3s 456m 789p 11z", .expect = "33:1",
     .min_shanten = 4},
    {.name = "SpreadFlagTakesTwoOfEachPart", .call = kTriple7Spread, .hand = "123m 12p 23s 456m 789p 1z",
     .expect = "33:1", .min_shanten = 2},
    {.name = "ShapeTwoAtSixWantsAPair", .call = kTriple6Shape2, .hand = "123m 12p 3s 456m 789p 1z 2z", .expect = "0:0",
     .min_shanten = 4},
    {.name = "ShapeTwoAtSevenTakesTwoPairs", .call = kTriple7Shape2, .hand = "123m 123p 3s 11z 22z 5m 9p 7z",
     .expect = "33:1", .min_shanten = 2},
    {.name = "ShapeOneAtSevenWantsASetAndAPair", .call = kStraight7NearAlt, .hand = "3456789s 456p 5m 9m 1z 7z",
     .expect = "0:0"},
    {.name = "TwoSetsWithAPungPassCloseToReady", .call = kTriple7, .hand = "123m 12p 23s 456m 777p",
     .expect = "33:1 | | near 1"},
    {.name = "AnyOtherStartFlagTriesNone", .call = kTriple9NoStart, .hand = "123m 123p 123s 456m 77z", .expect = "0:0"},
    {.name = "ShapeTwoAtSixTakesASetAndAPair", .call = kTriple6Shape2, .hand = "123m 12p 3s 456m 11z 9s 7z 4z",
     .expect = "33:1", .min_shanten = 4},
    {.name = "ShapeTwoAtSevenWantsSomething", .call = kTriple7Shape2, .hand = "123m 123p 3s 5m 9p 1z 4z 6z 7z",
     .expect = "0:0", .min_shanten = 4},
    {.name = "ShapeOneAtEightTakesASet", .call = kStraight8NearAlt, .hand = "12345678m 456p 1z 5s 9s",
     .expect = "49:0 | | near 1"},
    // Calls that no template passes, beside their neighbours that pass.
    {.name = "LevelSixTakesAFullRestTwoFromReady", .call = kTriple6, .hand = "123m 12p 3s 456m 789p 11z",
     .expect = "33:1", .min_shanten = 2},
    {.name = "ShapeOneBelowSevenTakesNothing", .call = kTriple6Near, .hand = "123m 12p 3s 456m 789p 11z",
     .expect = "0:0", .min_shanten = 4},
    {.name = "ShapeOneAtNineIsNeverNear", .call = kStraight9Near, .hand = kStraightS, .expect = "0:0"},
    {.name = "ShapeOneTakesNearTwoFromReady", .call = kStraight8Near, .hand = kStraightNoOne,
     .expect = "49:0 | | near 1", .visible = "1m 1m", .min_shanten = 2},
    {.name = "ShapeOneThreeFromReadyTakesNothing", .call = kStraight8Near, .hand = kStraightNoOne, .expect = "0:0",
     .visible = "1m 1m", .min_shanten = 3},
    {.name = "ShapeOneWithTheMissingTileSeenThriceTakesNothing", .call = kStraight8Near, .hand = kStraightNoOne,
     .expect = "0:0", .visible = "1m 1m 1m", .min_shanten = 2},
    {.name = "CandidatesWithoutAShapeTakeALooseRest", .call = kTriple6Alt, .hand = "123m 12p 3s 5m 9p 5s 9s 147z",
     .expect = "33:1"},
    {.name = "CandidatesOfShapeTwoWantASetAndAPair", .call = kTriple6Shape2Alt,
     .hand = "123m 12p 3s 5m 9p 5s 9s 147z", .expect = "0:0"},
    {.name = "ShapeOneAtEightWantsSomething", .call = kStraight8NearAlt, .hand = "12345678m 1p 5s 9p 1z 7z 4z",
     .expect = "0:0"},
};

class ChowAims : public AimCaseTest {};

TEST_P(ChowAims, WorkedHand) { check(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Chow, ChowAims, ::testing::ValuesIn(kCases), aim_case_name);

}  // namespace
