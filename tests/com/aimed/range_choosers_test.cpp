// The tile-range, all-green, chicken-hand, reversible-tiles and all-fives
// choosers on worked hands.
#include "com/aimed/aimed_rules.h"
#include "support/chooser_fixture.h"

namespace {

constexpr Chooser k59 = discard_upper_tiles, k60 = discard_middle_tiles, k61 = discard_lower_tiles;
constexpr Chooser k78 = discard_all_green, k40 = discard_chicken_hand, k41 = discard_reversible_tiles;
constexpr Chooser k52 = discard_all_fives;

const ChooserCase kRangeCases[] = {
    {"LowerHonourPairFirst", k61, 61, 0, "5m 9m 7p 11z", "", "", {}, "1z", 0},
    {"LowerRankBeforeSuit", k61, 61, 0, "5m 6p 6s", "", "", {}, "6p", 1},
    {"LowerNineOfCharactersFirst", k61, 61, 0, "5p 9m 9p", "", "", {}, "9m", 1},
    {"UpperThreeFirst", k59, 59, 0, "4m 3p 5s", "", "", {}, "3p", 1},
    {"UpperSingleHonourFirst", k59, 59, 0, "11z 2z 5m", "", "", {}, "2z", 0},
    {"MiddleNineAndOneOneScan", k60, 60, 0, "9m 1p 2p", "", "", {}, "9m", 1},
    {"MiddleTwoAndEightOneScan", k60, 60, 0, "2m 8p", "", "", {}, "2m", 1},
    {"MiddleTwoBeforeThree", k60, 60, 0, "3m 2p", "", "", {}, "2p", 1},
    {"MiddleKeepsFourToSix", k60, 60, 0, "456m 5p"},
    {"GreenDragonQuad", k78, 78, 0, "6666z 1z", "", "", {}, "6z", 0},
    {"GreenTwoBambooQuadStays", k78, 78, 0, "2222s 3s 4s"},
    {"GreenSingleHonour", k78, 78, 0, "1z 5m", "", "", {}, "1z", 10},
    {"GreenCharactersBeforeHonourPair", k78, 78, 0, "11z 5m 22s", "", "", {}, "5m", 20},
    {"GreenHonourPair", k78, 78, 0, "11z 22s", "", "", {}, "1z", 30},
    {"GreenOtherBamboo", k78, 78, 0, "1s 9s 22s", "", "", {}, "1s", 30},
    {"ChickenPungOfListedTile", k40, 40, 0, "5m 9m 1z", "", "", {pung_of(7)}, "5m", 1},
    {"ChickenPungOfSecondAnchorTile", k40, 40, 0, "5m 9m 1z", "", "", {pung_of(27)}, "5m", 1},
    {"ChickenPungOfFirstAnchorTile", k40, 40, 0, "5m 9m 1z", "", "", {pung_of(26)}, "9m", 10},
    {"ChickenExtensionTileStays", k40, 40, 0, "1m 9m 1z", "", "", {}, "9m", 10},
    {"ChickenOtherRow", k40, 40, 5, "1m 1z", "", "", {}, "1m", 10},
    {"ChickenCoveredAnchor", k40, 40, 0, "4m 5m 6m 7m 11z", "", "", {chow_at(1)}, "4m", 20},
    {"ChickenUncoveredAnchorKept", k40, 40, 0, "4m 5m 6m 7m 11z"},
    {"ChickenUnlistedPair", k40, 40, 0, "22m 1z", "", "", {}, "2m", 30},
    {"ChickenHonourTriple", k40, 40, 0, "111z 2z", "", "", {}, "1z", 40},
    {"ChickenHonourPairStays", k40, 40, 0, "11z 2z", "", "", {}, "2z", 41},
    {"ChickenUnknownRow", k40, 40, 12, "9m"},
    {"ReversibleQuad", k41, 41, 0, "2222s 5m", "", "", {}, "2s", 0},
    {"ReversibleHonourBeforeCharacter", k41, 41, 0, "5m 1z", "", "", {}, "1z", 10},
    {"ReversibleCharacterLeastHeld", k41, 41, 0, "55m 6m 11z", "", "", {}, "6m", 11},
    {"ReversibleHonourPair", k41, 41, 0, "11z 5z 2s", "", "", {}, "1z", 12},
    {"ReversibleOneBambooAlone", k41, 41, 0, "1s 4s 5s", "", "", {}, "1s", 20},
    {"ReversibleOneBambooBesideTwo", k41, 41, 0, "1s 2s 4s 5s", "", "", {}, "1s", 30},
    {"ReversibleSevenBambooAlone", k41, 41, 0, "5s 7s", "", "", {}, "7s", 21},
    {"ReversibleSingleWhite", k41, 41, 0, "5z 4s", "", "", {}, "5z", 22},
    {"ReversibleSingleTwoBamboo", k41, 41, 0, "2s 4s", "", "", {}, "2s", 40},
    {"ReversibleSurplusTwoDots", k41, 41, 0, "11245p 44s", "", "1p", {}, "2p", 41},
    {"ReversibleSurplusTwoDotsDeadOne", k41, 41, 0, "11245p 44s", "", "11p"},
    {"ReversibleSurplusOneDot", k41, 41, 0, "12245p 44s", "", "", {}, "1p", 42},
    {"FivesHonourBeforeIsolatedOne", k52, 52, 0, "1m 1z 5p", "", "", {}, "1z", 0},
    {"FivesOneBesideThree", k52, 52, 0, "1m 3m 9p 5s", "", "", {}, "9p", 2},
    {"FivesIsolatedTwo", k52, 52, 0, "2m 5p", "", "", {}, "2m", 3},
    {"FivesIsolatedEight", k52, 52, 0, "8p 5s", "", "", {}, "8p", 4},
    {"FivesTwoBesideOne", k52, 52, 0, "1m 2m 5p", "", "", {}, "1m", 11},
    {"FivesHonourPair", k52, 52, 0, "11z 5p", "", "", {}, "1z", 10},
    {"FivesNinePairBeforeTwo", k52, 52, 0, "99p 2m 4m 5s", "", "", {}, "9p", 11},
    {"FivesChowThenPartial", k52, 52, 0, "345677m", "", "", {}, "7m", 40, ""},
    {"FivesPairOfFivesIsNoPung", k52, 52, 0, "34555m", "", "", {}, "5m", 51, "5m"},
    {"FivesNoGroup", k52, 52, 0, "5p 5s", "", "", {}, "5p", 41},
    {"FivesPungOfFives", k52, 52, 0, "555m", "", "", {}, "5m", 21},
    {"FivesPartialOnly", k52, 52, 0, "45m", "", "", {}, "4m", 30},
    {"FivesChowBeforePartials", k52, 52, 0, "4556m", "", "", {}, "5m", 41, ""},
    {"FivesChowRestored", k52, 52, 0, "345m", "", "", {}, "", 0, "345m"},
};

}  // namespace

INSTANTIATE_TEST_SUITE_P(Ranges, ChooserCaseTest, ::testing::ValuesIn(kRangeCases), chooser_case_name);
