// The whole-hand selectors on worked hands: all types, the chicken hand
// (every template row), the melded hand. Seat 1 is South with dealer 0.
#include "com/target/selectors.h"
#include "support/aim_case.h"

namespace {

using Call = void (*)(int seat);
constexpr Call kAllTypes0 = [](int s) { aim_all_types(s, 0); };
constexpr Call kAllTypes1 = [](int s) { aim_all_types(s, 1); };
constexpr Call kAllTypes2 = [](int s) { aim_all_types(s, 2); };
constexpr Call kAllTypes3 = [](int s) { aim_all_types(s, 3); };
constexpr Call kAllTypes5 = [](int s) { aim_all_types(s, 5); };
constexpr Call kChicken = [](int s) { aim_chicken_hand(s); };
constexpr Call kMelded = [](int s) { aim_melded_hand(s); };

constexpr const char* kFourSets = "123m 456p 789s 111z 55z";
constexpr const char* kThreeSuitsWindPair = "123m 456p 789s 11z 5z 6z 9p";
constexpr const char* kPartialInBamboo = "123m 456p 111z 12s 5z 9m 9p";

const AimCase kCases[] = {
    // All types: sets and pairs per type at levels 3 and 5.
    {.name = "FourTypesWithASet", .call = kAllTypes3, .hand = kFourSets, .expect = "30:0"},
    {.name = "ThreeSetsTwoPairs", .call = kAllTypes3, .hand = "123m 456p 789s 11z 55z 7z", .expect = "30:0"},
    {.name = "ThreeSetsAndOnePairWantLevelFive", .call = kAllTypes3, .hand = kThreeSuitsWindPair, .expect = "0:0"},
    {.name = "LevelFiveTakesThreeSetsAndOnePair", .call = kAllTypes5, .hand = kThreeSuitsWindPair, .expect = "30:0"},
    {.name = "ALivePartialCompletesAType", .call = kAllTypes5, .hand = kPartialInBamboo, .expect = "30:0"},
    {.name = "AClosedPartialReadsItsOwnMiddle", .call = kAllTypes5, .hand = "123m 456p 111z 13s 5z 9m 7p",
     .expect = "30:0", .visible = "4s 4s 4s 4s"},
    {.name = "ADeadPartialCountsForNothing", .call = kAllTypes5, .hand = kPartialInBamboo, .expect = "0:0",
     .visible = "3s 3s 3s 3s"},
    {.name = "TwoSetsAndThreePairs", .call = kAllTypes3, .hand = "123m 9m 456p 9p 11s 22z 55z", .expect = "30:0"},
    {.name = "ThreeSetsAndAnHonourPairAtLevelThree", .call = kAllTypes3, .hand = "123m 456p 111z 55z 1s 5s 9s",
     .expect = "30:0"},
    {.name = "NearerToThirteenOrphansLeftAlone", .call = kAllTypes3, .hand = kFourSets, .expect = "0:0",
     .min_shanten_kokushi = 0},
    {.name = "OtherFormsAsFarAndFourAway", .call = kAllTypes3, .hand = kFourSets, .expect = "30:0",
     .min_shanten = 4, .min_shanten_kokushi = 4},
    {.name = "KnittedThreeAwayLeftAlone", .call = kAllTypes3, .hand = kFourSets, .expect = "0:0",
     .min_shanten_knitted = 3},
    // All types anchored on the honours at levels 0 to 2.
    {.name = "LevelTwoNeedsOnlyTheHonours", .call = kAllTypes2, .hand = "33z 777z 123m 1p 5p 1s 5s 9s", .expect = "30:0"},
    {.name = "LevelZeroNeedsTwoSuits", .call = kAllTypes0, .hand = "33z 777z 123m 1p 5p 1s 5s 9s", .expect = "0:0"},
    // An 8-9 reads its one outer tile, the 7: all four 7s out leave it no group.
    {.name = "EightNineBesideADeadSeven", .call = kAllTypes0, .hand = "11z 55z 123m 89p 1s 5s 9m 3z", .expect = "0:0",
     .visible = "7p 7p 7p 7p"},
    {.name = "EightNineBesideALiveSeven", .call = kAllTypes0, .hand = "11z 55z 123m 89p 1s 5s 9m 3z", .expect = "30:0",
     .visible = "7p 7p 7p"},
    {.name = "LevelZeroWithTwoSuits", .call = kAllTypes0, .hand = "33z 777z 12p 13s 5m 9m 4z 6z", .expect = "30:0"},
    {.name = "TwoTerminalPungsMarkTheHand", .call = kAllTypes1, .hand = "33z 55z 123s 4z", .expect = "30:0",
     .melds = "p1m p9p", .visible = "5z 5z"},
    {.name = "TwoSimplePungsMarkNothing", .call = kAllTypes1, .hand = "33z 55z 123s 4z", .expect = "0:0",
     .melds = "p2m p8p", .visible = "5z 5z"},
    {.name = "ATypeWithoutTilesStopsFourSets", .call = kAllTypes3, .hand = "123m 456p 789s 111z 9m", .expect = "0:0"},
    {.name = "TwoDragonMeldsStopIt", .call = kAllTypes2, .hand = "33z 123m 1p 5s", .expect = "0:0",
     .melds = "p5z p6z"},
    // The chicken hand: each template row, first row that fits.
    {.name = "ChickenRow0", .call = kChicken, .hand = "23m 45p 67s 222p 11z 3z 4z", .expect = "40:0"},
    {.name = "ChickenRow1", .call = kChicken, .hand = "34m 56p 78s 222s 11z 3z 4z", .expect = "40:1"},
    {.name = "ChickenRow2", .call = kChicken, .hand = "23m 45s 67p 222p 11z 3z 4z", .expect = "40:2"},
    {.name = "ChickenRow3", .call = kChicken, .hand = "34m 56s 78p 222s 11z 3z 4z", .expect = "40:3"},
    {.name = "ChickenRow4", .call = kChicken, .hand = "23p 45m 67s 222m 11z 3z 4z", .expect = "40:4"},
    {.name = "ChickenRow5", .call = kChicken, .hand = "34p 56m 78s 222m 11z 3z 4z", .expect = "40:5"},
    {.name = "ChickenRow6", .call = kChicken, .hand = "23p 45s 67m 222m 11z 3z 4z", .expect = "40:6"},
    {.name = "ChickenRow7", .call = kChicken, .hand = "34p 56s 78m 222m 11z 3z 4z", .expect = "40:7"},
    {.name = "ChickenRow8", .call = kChicken, .hand = "23s 45p 67m 222m 11z 3z 4z", .expect = "40:8"},
    {.name = "ChickenRow9", .call = kChicken, .hand = "34s 56p 78m 222m 11z 3z 4z", .expect = "40:9"},
    {.name = "ChickenRow10", .call = kChicken, .hand = "23s 45m 67p 222m 11z 3z 4z", .expect = "40:10"},
    {.name = "ChickenRow11", .call = kChicken, .hand = "34s 56m 78p 222m 77z 3z 4z", .expect = "40:11"},
    {.name = "ChickenWantsAnHonourPair", .call = kChicken, .hand = "23m 45p 67s 222p 1z 2z 3z", .expect = "0:0"},
    {.name = "ChickenRefusesAKong", .call = kChicken, .hand = "23m 45p 67s 11z 3z", .expect = "0:0", .melds = "g2p"},
    {.name = "AChowOneBelowFillsAPartial", .call = kChicken, .hand = "45p 67s 222p 11z 3z", .expect = "40:0",
     .melds = "c1m"},
    {.name = "AnUnmatchedMeldRulesRowsOut", .call = kChicken, .hand = "23m 45p 67s 11z 3z 2s", .expect = "0:0",
     .melds = "c5m"},
    {.name = "BothEndsOutLeaveAPartialOpen", .call = kChicken, .hand = "23m 45p 67s 222p 11z 3z 4z", .expect = "0:0",
     .visible = "1111m 4444m"},
    {.name = "OneEndOutKeepsAPartial", .call = kChicken, .hand = "23m 45p 67s 222p 11z 3z 4z", .expect = "40:0",
     .visible = "1111m"},
    // The melded hand: never without a call, never over a target.
    {.name = "NoCallNoMeldedHand", .call = kMelded, .hand = "345p 567s 66p 88s 234m", .expect = "0:0"},
    {.name = "ATargetStays", .call = kMelded, .hand = "345p 567s 66p 88s", .expect = "31:0", .melds = "p5z",
     .record = "31:0"},
    {.name = "AValueHonourPungScoresTwo", .call = kMelded, .hand = "345p 567s 66p 88s", .expect = "32:0",
     .melds = "p5z"},
    {.name = "AllSimplesRoute", .call = kMelded, .hand = "345p 567s 66p 88s", .expect = "32:2", .melds = "c2m"},
    {.name = "AllChowsRoute", .call = kMelded, .hand = "345p 567s 66p 88s", .expect = "32:1", .melds = "c1m"},
    {.name = "ATerminalHeldTakesTheChowRoute", .call = kMelded, .hand = "345p 567s 66p 8s 9s", .expect = "32:1",
     .melds = "c2m"},
    {.name = "TwoPlainChowsTakeTheSimpleRoute", .call = kMelded, .hand = "456s 88s 44p 5s", .expect = "32:2",
     .melds = "c2m c3p"},
    {.name = "ASimplePungTakesTheSimpleRoute", .call = kMelded, .hand = "234m 456s 678s 66m", .expect = "32:2",
     .melds = "p5p"},
    {.name = "APungAndATerminalTakeNoRoute", .call = kMelded, .hand = "123m 456s 678s 66m", .expect = "0:0",
     .melds = "p5p"},
    {.name = "AOneAndSevenChowPairAloneFallShort", .call = kMelded, .hand = "55z 456p 789s", .expect = "0:0",
     .melds = "c1m c7m"},
    {.name = "NeitherRouteNorBonus", .call = kMelded, .hand = "123m 456s 78s 11z", .expect = "0:0", .melds = "p5p"},
    {.name = "ADoublePungOfFivesScores", .call = kMelded, .hand = "123s 78s 11z 9m", .expect = "32:0",
     .melds = "p5m p5p"},
    // The winds and the dragons each need a tile in hand or a meld.
    {.name = "ADragonMeldIsTheDragonType", .call = kAllTypes3, .hand = "123m 456p 789s 11z", .expect = "30:0",
     .melds = "p5z"},
    {.name = "AWindMeldIsTheWindType", .call = kAllTypes3, .hand = "123m 456p 789s 55z", .expect = "30:0",
     .melds = "p1z"},
    {.name = "ChowsTogetherScore", .call = kMelded, .hand = "55z 789s", .expect = "32:0", .melds = "c1m c2m c1p"},
    {.name = "APungInsideAChowScores", .call = kMelded, .hand = "55z 456p 78s 9s", .expect = "32:0",
     .melds = "p3m c3m"},
    {.name = "AConcealedKongStopsIt", .call = kMelded, .hand = "345p 567s 66p 88s", .expect = "0:0", .melds = "k5z"},
};

class WholeHandAims : public AimCaseTest {};

TEST_P(WholeHandAims, WorkedHand) { check(GetParam()); }
INSTANTIATE_TEST_SUITE_P(WholeHand, WholeHandAims, ::testing::ValuesIn(kCases), aim_case_name);

}  // namespace
