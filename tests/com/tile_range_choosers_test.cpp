// The tile-range, all-green, chicken-hand, reversible-tiles and all-fives
// choosers on worked hands.
#include <algorithm>
#include <string>

#include "com/aimed/aimed_rules.h"
#include "support/chooser_fixture.h"

namespace {

constexpr int pung_of(int tile) { return 100 * kMeldPung + tile; }
constexpr int chow_at(int lowest) { return 100 * kMeldChow + lowest; }

constexpr AimedChooser kRangeChoosers[] = {
    {40, [](int seat, int) { discard_chicken_hand(seat); }},
    {41, [](int seat, int) { discard_reversible_tiles(seat); }},
    {52, [](int seat, int) { discard_all_fives(seat); }},
    {59, [](int seat, int) { discard_upper_tiles(seat); }},
    {60, [](int seat, int) { discard_middle_tiles(seat); }},
    {61, [](int seat, int) { discard_lower_tiles(seat); }},
    {78, [](int seat, int) { discard_all_green(seat); }},
};

const ChooserCase kRangeCases[] = {
    {"LowerHonourPairFirst", "5m 9m 7p 11z", "1z", 0, {.target = 61}},
    {"LowerRankBeforeSuit", "5m 6p 6s", "6p", 1, {.target = 61}},
    {"LowerNineOfCharactersFirst", "5p 9m 9p", "9m", 1, {.target = 61}},
    {"LowerRankOrder", "5m 6m 7p 8p 9s 1s 4s", "9s", 1, {.target = 61, .then = "8p 7p 6m 5m"}},
    {"UpperThreeFirst", "4m 3p 5s", "3p", 1, {.target = 59}},
    {"UpperRankOrder", "5m 4m 3p 2p 1s 6s 7s", "1s", 1, {.target = 59, .then = "2p 3p 4m 5m"}},
    {"UpperSingleHonourFirst", "11z 2z 5m", "2z", 0, {.target = 59}},
    {"MiddleNineAndOneOneScan", "9m 1p 2p", "9m", 1, {.target = 60}},
    {"MiddleTwoAndEightOneScan", "2m 8p", "2m", 1, {.target = 60}},
    {"MiddleTwoBeforeThree", "3m 2p", "2p", 1, {.target = 60}},
    {"MiddleKeepsFourToSix", "456m 5p", "", 0, {.target = 60}},
    {"MiddleRankOrder", "9m 1p 2p 8p 3s 7s 4m 5m 6m", "9m", 1, {.target = 60, .then = "1p 2p 8p 3s 7s"}},
    {"GreenDragonQuad", "6666z 1z", "6z", 0, {.target = 78}},
    {"GreenQuads", "6666s 8888s 6666z", "6s", 0, {.pool = "6s 8s 6z", .target = 78, .then = "8s 6z"}},
    {"GreenTwoBambooQuadStays", "2222s 3s 4s", "", 0, {.target = 78}},
    {"GreenSingleHonour", "1z 5m", "1z", 10, {.target = 78}},
    {"GreenCharactersBeforeHonourPair", "11z 5m 22s", "5m", 20, {.target = 78}},
    {"GreenHonourPair", "11z 22s", "1z", 30, {.target = 78}},
    {"GreenOtherBamboo", "1s 9s 22s", "1s", 30, {.target = 78}},
    {"GreenBambooStays", "1s 5s 7s 9s 2s 3s 4s 6s 8s", "1s", 30, {.target = 78, .then = "5s 7s 9s"}},
    {"ChickenQuadFirst", "5555m 9m", "5m", 0, {.target = 40}},
    {"ChickenPungOfListedTile", "5m 9m 1z", "5m", 1, {.meld = pung_of(7), .target = 40}},
    {"ChickenPungOfSecondAnchorTile", "5m 9m 1z", "5m", 1, {.meld = pung_of(27), .target = 40}},
    {"ChickenPungOfFirstAnchorTile", "5m 9m 1z", "9m", 10, {.meld = pung_of(26), .target = 40}},
    {"ChickenSecondAnchorTileIsNotListed", "7s 9m", "9m", 10, {.meld = pung_of(7), .target = 40}},
    {"ChickenPastTheAnchorReach", "9s 1z", "9s", 10, {.target = 40}},
    {"ChickenExtensionTileStays", "1m 9m 1z", "9m", 10, {.target = 40}},
    {"ChickenOtherRow", "1m 1z", "1m", 10, {.variant = 5, .target = 40}},
    {"ChickenCoveredAnchor", "4m 5m 6m 7m 11z", "4m", 20, {.meld = chow_at(1), .target = 40}},
    {"ChickenUncoveredAnchorKept", "2m 4m 5m 6m 7m 11z", "", 0, {.target = 40}},
    {"ChickenChowFromTheAnchor", "4m 6p", "6p", 20, {.meld = chow_at(14), .target = 40}},
    {"ChickenUnlistedPair", "22m 1z", "2m", 30, {.target = 40}},
    {"ChickenHonourTriple", "111z 2z", "1z", 40, {.target = 40}},
    {"ChickenHonourPairStays", "11z 2z", "2z", 41, {.target = 40}},
    {"ChickenUnknownRow", "9m", "", 0, {.variant = 12, .target = 40}},
    {"ReversibleQuads", "8888p 9999p 8888s", "8p", 0, {.pool = "8p 9p 8s", .target = 41, .then = "9p 8s"}},
    {"ReversibleMoreQuads", "9999s 5555z 2222s", "2s", 0, {.pool = "2s 9s 5z", .target = 41, .then = "9s 5z"}},
    {"ReversibleHonourBeforeCharacter", "5m 1z", "1z", 10, {.target = 41}},
    {"ReversibleCharacterLeastHeld", "55m 6m 11z", "6m", 11, {.target = 41}},
    {"ReversibleHonourPair", "11z 5z 2s", "1z", 12, {.target = 41}},
    {"ReversibleOneBambooAlone", "1s 4s 5s", "1s", 20, {.target = 41}},
    {"ReversibleOneBambooBesideTwo", "1s 2s 4s 5s", "1s", 30, {.target = 41}},
    {"ReversibleChowTiles", "6p 7p 1s 2s 3s 5s 6s 7s 8s", "6p", 30, {.target = 41, .then = "7p 1s 3s 7s 2s"}},
    {"ReversibleSevenBambooNoFiveOrEight", "6s 7s 9s", "7s", 21, {.target = 41}},
    {"ReversibleSevenBambooNoSixOrEight", "5s 7s 9s", "7s", 21, {.target = 41}},
    {"ReversibleSevenBambooNoSixOrNine", "5s 7s 8s", "7s", 21, {.target = 41}},
    {"ReversibleSevenBambooBesideFiveSix", "5s 6s 7s", "7s", 30, {.target = 41}},
    {"ReversibleSevenBambooBesideFiveEightNine", "5s 7s 8s 9s", "7s", 30, {.target = 41}},
    {"ReversibleSingleWhite", "5z 4s", "5z", 22, {.target = 41}},
    {"ReversibleSingleTwoBamboo", "2s 4s", "2s", 40, {.target = 41}},
    {"ReversibleSurplusTwoDots", "11245p 44s", "2p", 41, {.visible = "1p", .target = 41}},
    {"ReversibleSurplusTwoDotsDeadOne", "11245p 44s", "", 0, {.visible = "11p", .target = 41}},
    {"ReversibleSurplusOneDot", "12245p 44s", "1p", 42, {.target = 41}},
    {"ReversibleSurplusOneDotDeadTwo", "12245p 44s", "", 0, {.visible = "22p", .target = 41}},
    {"ReversibleNoSurplusDot", "1245p 44s", "", 0, {.target = 41}},
    {"FivesHonourBeforeIsolatedOne", "1m 1z 5p", "1z", 0, {.target = 52}},
    {"FivesOneBesideThree", "1m 3m 9p 5s", "9p", 2, {.target = 52}},
    {"FivesIsolatedTwo", "2m 5p", "2m", 3, {.target = 52}},
    {"FivesIsolatedEight", "8p 5s", "8p", 4, {.target = 52}},
    {"FivesTwoBesideOne", "1m 2m 5p", "1m", 11, {.target = 52}},
    {"FivesHonourPair", "11z 5p", "1z", 10, {.target = 52}},
    {"FivesNinePairBeforeTwo", "99p 2m 4m 5s", "9p", 11, {.target = 52}},
    {"FivesTwoBesideThree", "2m 3m 5p", "2m", 11, {.target = 52}},
    {"FivesNoGroup", "5p 5s", "5p", 41, {.target = 52}},
};

// Trial removals in one suit: the same in each suit.
const ChooserCase kFivesTrialCases[] = {
    {"FivesChowThenPartial", "345677m", "7m", 40, {.target = 52, .left = ""}},
    {"FivesPairOfFivesIsNoPung", "34555m", "5m", 51, {.target = 52, .left = "5m"}},
    {"FivesPungOfFives", "555m", "5m", 21, {.target = 52}},
    {"FivesPartialOnly", "45m", "4m", 30, {.target = 52}},
    {"FivesChowBeforePartials", "4556m", "5m", 41, {.target = 52, .left = ""}},
    {"FivesChowRestored", "345m", "", 0, {.target = 52, .left = "345m"}},
    {"FivesQuadOfFives", "5555m", "5m", 41, {.target = 52}},
    {"FivesChowThenPartials", "3445667m", "4m", 30, {.target = 52}},
    {"FivesSecondChowThenPartials", "3555667m", "3m", 30, {.target = 52}},
    {"FivesTwoPartials", "4557m", "4m", 30, {.target = 52}},
    {"FivesPartialOfThreeFour", "34m", "3m", 30, {.target = 52}},
};

}  // namespace

class RangeChoosers : public ChooserCaseTest {};
TEST_P(RangeChoosers, Picks) { check_by_target(kRangeChoosers, GetParam()); }
INSTANTIATE_TEST_SUITE_P(Steps, RangeChoosers, ::testing::ValuesIn(kRangeCases), chooser_case_name);

// The trial removals read every suit alike: each case, written in
// characters, holds in dots and in bamboo too.
class FivesTrials : public ChooserCaseTest {};
TEST_P(FivesTrials, PicksInEverySuit) {
  for (const char suit : {'m', 'p', 's'}) {
    const auto in_suit = [suit](const char* text) {
      std::string moved = text;
      std::replace(moved.begin(), moved.end(), 'm', suit);
      return moved;
    };
    ChooserCase c = GetParam();
    const std::string hand = in_suit(c.hand), expect = in_suit(c.expect), left = in_suit(c.seat.left ? c.seat.left : "");
    c.hand = hand.c_str();
    c.expect = expect.c_str();
    if (c.seat.left != nullptr) c.seat.left = left.c_str();
    SetUp();
    check([](int seat, int) { discard_all_fives(seat); }, 52, c);
  }
}
INSTANTIATE_TEST_SUITE_P(Steps, FivesTrials, ::testing::ValuesIn(kFivesTrialCases), chooser_case_name);
