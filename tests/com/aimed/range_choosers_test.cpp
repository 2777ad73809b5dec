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
    {"LowerRankOrder", k61, 61, 0, "5m 6m 7p 8p 9s 1s 4s", "", "", {}, "9s", 1, nullptr, "8p 7p 6m 5m"},
    {"UpperThreeFirst", k59, 59, 0, "4m 3p 5s", "", "", {}, "3p", 1},
    {"UpperRankOrder", k59, 59, 0, "5m 4m 3p 2p 1s 6s 7s", "", "", {}, "1s", 1, nullptr, "2p 3p 4m 5m"},
    {"UpperSingleHonourFirst", k59, 59, 0, "11z 2z 5m", "", "", {}, "2z", 0},
    {"MiddleNineAndOneOneScan", k60, 60, 0, "9m 1p 2p", "", "", {}, "9m", 1},
    {"MiddleTwoAndEightOneScan", k60, 60, 0, "2m 8p", "", "", {}, "2m", 1},
    {"MiddleTwoBeforeThree", k60, 60, 0, "3m 2p", "", "", {}, "2p", 1},
    {"MiddleKeepsFourToSix", k60, 60, 0, "456m 5p"},
    {"MiddleRankOrder", k60, 60, 0, "9m 1p 2p 8p 3s 7s 4m 5m 6m", "", "", {}, "9m", 1, nullptr, "1p 2p 8p 3s 7s"},
    {"GreenDragonQuad", k78, 78, 0, "6666z 1z", "", "", {}, "6z", 0},
    {"GreenQuads", k78, 78, 0, "6666s 8888s 6666z", "6s 8s 6z", "", {}, "6s", 0, nullptr, "8s 6z"},
    {"GreenTwoBambooQuadStays", k78, 78, 0, "2222s 3s 4s"},
    {"GreenSingleHonour", k78, 78, 0, "1z 5m", "", "", {}, "1z", 10},
    {"GreenCharactersBeforeHonourPair", k78, 78, 0, "11z 5m 22s", "", "", {}, "5m", 20},
    {"GreenHonourPair", k78, 78, 0, "11z 22s", "", "", {}, "1z", 30},
    {"GreenOtherBamboo", k78, 78, 0, "1s 9s 22s", "", "", {}, "1s", 30},
    {"GreenBambooStays", k78, 78, 0, "1s 5s 7s 9s 2s 3s 4s 6s 8s", "", "", {}, "1s", 30, nullptr, "5s 7s 9s"},
    {"ChickenQuadFirst", k40, 40, 0, "5555m 9m", "", "", {}, "5m", 0},
    {"ChickenPungOfListedTile", k40, 40, 0, "5m 9m 1z", "", "", {pung_of(7)}, "5m", 1},
    {"ChickenPungOfSecondAnchorTile", k40, 40, 0, "5m 9m 1z", "", "", {pung_of(27)}, "5m", 1},
    {"ChickenPungOfFirstAnchorTile", k40, 40, 0, "5m 9m 1z", "", "", {pung_of(26)}, "9m", 10},
    {"ChickenSecondAnchorTileIsNotListed", k40, 40, 0, "7s 9m", "", "", {pung_of(7)}, "9m", 10},
    {"ChickenPastTheAnchorReach", k40, 40, 0, "9s 1z", "", "", {}, "9s", 10},
    {"ChickenExtensionTileStays", k40, 40, 0, "1m 9m 1z", "", "", {}, "9m", 10},
    {"ChickenOtherRow", k40, 40, 5, "1m 1z", "", "", {}, "1m", 10},
    {"ChickenCoveredAnchor", k40, 40, 0, "4m 5m 6m 7m 11z", "", "", {chow_at(1)}, "4m", 20},
    {"ChickenUncoveredAnchorKept", k40, 40, 0, "2m 4m 5m 6m 7m 11z"},
    {"ChickenChowFromTheAnchor", k40, 40, 0, "4m 6p", "", "", {chow_at(14)}, "6p", 20},
    {"ChickenUnlistedPair", k40, 40, 0, "22m 1z", "", "", {}, "2m", 30},
    {"ChickenHonourTriple", k40, 40, 0, "111z 2z", "", "", {}, "1z", 40},
    {"ChickenHonourPairStays", k40, 40, 0, "11z 2z", "", "", {}, "2z", 41},
    {"ChickenUnknownRow", k40, 40, 12, "9m"},
    {"ReversibleQuads", k41, 41, 0, "8888p 9999p 8888s", "8p 9p 8s", "", {}, "8p", 0, nullptr, "9p 8s"},
    {"ReversibleMoreQuads", k41, 41, 0, "9999s 5555z 2222s", "2s 9s 5z", "", {}, "2s", 0, nullptr, "9s 5z"},
    {"ReversibleHonourBeforeCharacter", k41, 41, 0, "5m 1z", "", "", {}, "1z", 10},
    {"ReversibleCharacterLeastHeld", k41, 41, 0, "55m 6m 11z", "", "", {}, "6m", 11},
    {"ReversibleHonourPair", k41, 41, 0, "11z 5z 2s", "", "", {}, "1z", 12},
    {"ReversibleOneBambooAlone", k41, 41, 0, "1s 4s 5s", "", "", {}, "1s", 20},
    {"ReversibleOneBambooBesideTwo", k41, 41, 0, "1s 2s 4s 5s", "", "", {}, "1s", 30},
    {"ReversibleChowTiles", k41, 41, 0, "6p 7p 1s 2s 3s 5s 6s 7s 8s", "", "", {}, "6p", 30, nullptr, "7p 1s 3s 7s 2s"},
    {"ReversibleSevenBambooNoFiveOrEight", k41, 41, 0, "6s 7s 9s", "", "", {}, "7s", 21},
    {"ReversibleSevenBambooNoSixOrEight", k41, 41, 0, "5s 7s 9s", "", "", {}, "7s", 21},
    {"ReversibleSevenBambooNoSixOrNine", k41, 41, 0, "5s 7s 8s", "", "", {}, "7s", 21},
    {"ReversibleSevenBambooBesideFiveSix", k41, 41, 0, "5s 6s 7s", "", "", {}, "7s", 30},
    {"ReversibleSevenBambooBesideFiveEightNine", k41, 41, 0, "5s 7s 8s 9s", "", "", {}, "7s", 30},
    {"ReversibleSingleWhite", k41, 41, 0, "5z 4s", "", "", {}, "5z", 22},
    {"ReversibleSingleTwoBamboo", k41, 41, 0, "2s 4s", "", "", {}, "2s", 40},
    {"ReversibleSurplusTwoDots", k41, 41, 0, "11245p 44s", "", "1p", {}, "2p", 41},
    {"ReversibleSurplusTwoDotsDeadOne", k41, 41, 0, "11245p 44s", "", "11p"},
    {"ReversibleSurplusOneDot", k41, 41, 0, "12245p 44s", "", "", {}, "1p", 42},
    {"ReversibleSurplusOneDotDeadTwo", k41, 41, 0, "12245p 44s", "", "22p"},
    {"ReversibleNoSurplusDot", k41, 41, 0, "1245p 44s"},
    {"FivesHonourBeforeIsolatedOne", k52, 52, 0, "1m 1z 5p", "", "", {}, "1z", 0},
    {"FivesOneBesideThree", k52, 52, 0, "1m 3m 9p 5s", "", "", {}, "9p", 2},
    {"FivesIsolatedTwo", k52, 52, 0, "2m 5p", "", "", {}, "2m", 3},
    {"FivesIsolatedEight", k52, 52, 0, "8p 5s", "", "", {}, "8p", 4},
    {"FivesTwoBesideOne", k52, 52, 0, "1m 2m 5p", "", "", {}, "1m", 11},
    {"FivesHonourPair", k52, 52, 0, "11z 5p", "", "", {}, "1z", 10},
    {"FivesNinePairBeforeTwo", k52, 52, 0, "99p 2m 4m 5s", "", "", {}, "9p", 11},
    {"FivesTwoBesideThree", k52, 52, 0, "2m 3m 5p", "", "", {}, "2m", 11},
    {"FivesNoGroup", k52, 52, 0, "5p 5s", "", "", {}, "5p", 41},
};

// Trial removals in one suit: the same in each suit.
const ChooserCase kFivesTrialCases[] = {
    {"FivesChowThenPartial", k52, 52, 0, "345677m", "", "", {}, "7m", 40, ""},
    {"FivesPairOfFivesIsNoPung", k52, 52, 0, "34555m", "", "", {}, "5m", 51, "5m"},
    {"FivesPungOfFives", k52, 52, 0, "555m", "", "", {}, "5m", 21},
    {"FivesPartialOnly", k52, 52, 0, "45m", "", "", {}, "4m", 30},
    {"FivesChowBeforePartials", k52, 52, 0, "4556m", "", "", {}, "5m", 41, ""},
    {"FivesChowRestored", k52, 52, 0, "345m", "", "", {}, "", 0, "345m"},
    {"FivesQuadOfFives", k52, 52, 0, "5555m", "", "", {}, "5m", 41},
    {"FivesChowThenPartials", k52, 52, 0, "3445667m", "", "", {}, "4m", 30},
    {"FivesSecondChowThenPartials", k52, 52, 0, "3555667m", "", "", {}, "3m", 30},
    {"FivesTwoPartials", k52, 52, 0, "4557m", "", "", {}, "4m", 30},
    {"FivesPartialOfThreeFour", k52, 52, 0, "34m", "", "", {}, "3m", 30},
};

}  // namespace

class ChooserEverySuitTest : public ChooserCaseTest {};

TEST_P(ChooserEverySuitTest, Proposes) {
  for (int shift = 0; shift < 3; ++shift) {
    SetUp();
    check(GetParam(), shift);
  }
}

INSTANTIATE_TEST_SUITE_P(Ranges, ChooserCaseTest, ::testing::ValuesIn(kRangeCases), chooser_case_name);
INSTANTIATE_TEST_SUITE_P(FivesTrials, ChooserEverySuitTest, ::testing::ValuesIn(kFivesTrialCases), chooser_case_name);
