// The outside-hand and all-types choosers on worked hands, their steps in
// order. Seat 1 is South in the East round unless the dealer moves.
#include "com/aimed/aimed_rules.h"
#include "support/chooser_fixture.h"

namespace {

constexpr int kEastSeat = 1;
constexpr int kNorthSeat = 2;
constexpr int kPungEast = 231;
constexpr int kPungWhite = 235;
constexpr int kPungNinePin = 219;
constexpr int kChow234Pin = 112;

const ChooserCase kOutsideCases[] = {
    {"DeadSeatWindFirst", "2z 5m 11p 123s 789s 99m", "2z", 900, {.variant = 1, .visible = "222z"}},
    {"HonourQuad", "5555z 5m 11p 123s", "5z", 910},
    {"TerminalQuadFullHand", "1111m 5p 99p 789s 11z", "1m", 921, {.best_blocks = 5}},
    {"TerminalQuadNotBelowFiveBlocks", "1111m 5p 99p 789s 11z", "5p", 5},
    {"NineQuadFullHand", "9999p 5m 11s 789m", "9p", 929, {.best_blocks = 5}},
    {"RouteOneGuestWind", "3z 5p 123m 789s 11p", "3z", 100, {.variant = 1}},
    {"RouteZeroFiveFirst", "3z 5p 123m 789s 11p", "5p", 5},
    {"RouteOneAnyHonour", "5z 5p 123m 789s 11p", "5z", 101, {.variant = 1}},
    {"LoneThreeBesideDeadOne", "3p 789s 11z 123m", "3p", 201, {.visible = "1111p"}},
    {"TwoBesideDeadThree", "12p 789m 123s 11z 555z", "2p", 212, {.visible = "3333p"}},
    {"ThreeBesideDeadTwo", "34p 789m 123s 11z", "3p", 218, {.visible = "2222p"}},
    {"FourOfTwoThreeKeptWithoutCall", "234s 789m 111p 11z", "2s", 962},
    {"FourOfTwoThreeAfterCall", "234s 789m 111p 11z", "4s", 14, {.meld = kPungNinePin}},
    {"SixOfSevenEightAfterCall", "678s 123m 999p 11z", "6s", 16, {.meld = kPungWhite}},
    {"TwoAboveItsOne", "1p 22p 789m 111s 11z", "2p", 122},
    {"TwoTripleWithoutOne", "222p 789m 111s 11z", "2p", 112},
    {"RouteOneGuestWindPair", "33z 789m 111s 55z 12p", "3z", 120, {.variant = 1}},
    {"RouteOneHonourPair", "22z 789m 111s 55z 12p", "2z", 121, {.variant = 1}},
    {"TwoCodeScanSlotOrder", "88m 999m 111p 22p 11z", "8m", 908},
    {"ThreePairBesidePungOfOne", "111p 33p 789m 111s 11z", "3p", 903},
    {"LoneTwoFullHand", "2p 789m 111s 11z", "2p", 132, {.best_blocks = 5}},
    {"LoneTwoBelowFiveBlocks", "2p 789m 111s 11z", "2p", 152},
    {"GuestWindBeforeDragon", "1z 3z 5z 123m 789p 11s", "3z", 800, {.dealer = kEastSeat}},
    {"DragonBeforeDoubleWind", "1z 5z 123m 789p 11s", "5z", 810, {.dealer = kEastSeat}},
    {"DoubleWindMoreVisible", "1z 3z 123m 789p 11s", "1z", 820, {.visible = "1z", .dealer = kEastSeat}},
    {"SeatWindWhenRoundDiffers", "2z 5z 123m 789p 11s", "2z", 820},
    {"OnePairWithTwoThree", "11p 23p 789m 111s 55z", "1p", 21, {.visible = "11p", .best_blocks = 5}},
    {"NothingBelowFiveBlocks", "11p 23p 789m 111s 55z", "", 0, {.visible = "11p"}},
    {"LoneOne", "1p 789m 111s 55z", "1p", 701},
    {"LoneTerminalMostVisible", "1p 9s 789m 111s 55z", "9s", 709, {.visible = "99s"}},
    {"TwoPairBesideOnePair", "11p 22p 789m 111s 11z", "2p", 902},
    {"ThreePairBesideOnePair", "11p 33p 789m 111s 11z", "3p", 913},
    {"SevenPairBesideNinePair", "77p 99p 123m 999s 11z", "7p", 917},
    {"ClosedThreeBySeenTwo", "13p 789m 111s 55z", "3p", 933},
    {"ClosedEdgeBySeenThree", "12p 789m 123s 11z 555z", "2p", 922, {.visible = "33p"}},
    {"PairedEdgeBySeenThree", "11p 22p 3p 789m 111s 55z", "2p", 942},
    {"PairedSevenBesideNines", "77p 8p 99p 123m 999s 55z", "7p", 957},
    {"OpenEdgeDeadOneIgnoresDistance", "23p 789m 111s 11z", "2p", 962,
     {.visible = "1111p", .not_neutral = "2p", .best_blocks = 5}},
    {"EdgeAboveNothingFullHand", "12m 23p 789m 111s 55z", "2p", 162, {.not_neutral = "2m 2p", .best_blocks = 5}},
};

// 123m and 789s settle as held chows; the East pair (the round wind, dealer
// 0) keeps the honour steps quiet.
const ChooserCase kAllTypesCases[] = {
    {"QuadFirst", "1111z 3z 123m 456p 78s", "1z", 0},
    {"DeadSingleHonour", "3z 123m 456p 78s", "3z", 1, {.visible = "333z"}},
    {"GuestWindBesideWindPung", "4z 123m 456p 78s", "4z", 10, {.meld = kPungEast}},
    {"OwnWindBesideWindPung", "4z 123m 456p 78s", "4z", 11, {.meld = kPungEast, .dealer = kNorthSeat}},
    {"GuestWindBesideWindPair", "11z 3z 123m 456p 78s", "3z", 10},
    {"DragonSingleBesideDragonPair", "55z 6z 123m 456p 78s", "6z", 12},
    {"WindPairHalfDead", "11z 33z 123m 456p 78s", "3z", 20, {.visible = "33z"}},
    {"DragonPairHalfDead", "66z 77z 123m 456p 78s", "7z", 21, {.visible = "77z"}},
    {"WindPairBesideWindTriple", "111z 33z 123m 456p 78s", "3z", 30},
    {"DragonPairBesideDragonTriple", "555z 66z 123m 456p 78s", "6z", 31},
    {"LiveSeatWindPair", "11z 22z 123m 456p 78s", "2z", 40, {.visible = "2z", .dealer = kEastSeat}},
    {"LiveRoundWindPair", "11z 22z 123m 456p 78s", "2z", 41, {.visible = "2z"}},
    {"SeenSeatWindPair", "11z 22z 123m 456p 78s", "2z", 42, {.visible = "1z 2z", .dealer = kEastSeat}},
    {"SeenRoundWindPair", "11z 33z 123m 456p 78s", "3z", 43, {.visible = "1z"}},
    {"OtherWindBesideSeenPair", "33z 44z 123m 456p 78s", "3z", 50, {.visible = "4z"}},
    {"OtherDragonBesidePair", "55z 66z 123m 456p 78s", "6z", 51},
    {"WindPairBesideWindMeld", "33z 123m 456p 78s", "3z", 700, {.meld = kPungEast}},
    {"DragonPairBesideDragonMeld", "66z 123m 456p 78s", "6z", 701, {.meld = kPungWhite}},
    {"WindTripleBesideWindTriple", "333z 444z 123m 45p", "4z", 710},
    {"DeclaredSuitFirst", "7p 123m 789s 11z 55z", "7p", 0, {.meld = kChow234Pin}},
    {"OpenSideBesideTriple", "555p 9p 123m 78s 11z 55z", "9p", 10},
    {"LowerSideOpenBesideTriple", "34p 555p 123m 789s 11z", "3p", 10},
    {"ClosedBesideTriple", "444p 5p 666p 123m 11z", "5p", 11, {.pool = "5p 123m 11z"}},
    {"OpenSideBesideChow", "123m 5m 456p 78s 11z", "5m", 20},
    {"CopyInsideChow", "1223m 456p 78s 11z", "2m", 21},
    {"SettledChowSuitPassedOver", "123m 55p 77p 11z 55z", "5p", 312},
    {"LoneOneInLongSuit", "1m 55m 9m 456p 78s 11z", "1m", 31},
    {"LoneNineInLongSuit", "44m 5m 9m 123p 789s 11z", "9m", 39},
    {"LoneTwoInLongSuit", "2p 66p 8p 123m 789s 11z", "2p", 42},
    {"LoneEightInLongSuit", "2p 44p 8p 123m 789s 11z", "8p", 48},
    {"OneBesideTwoAndFour", "124p 123m 789s 11z", "1p", 101},
    {"NineBesideSixSeven", "679p 123m 789s 11z", "9p", 119},
    {"TwoBesideFourFive", "2p 45p 123m 789s 11z", "2p", 121},
    {"SixBesideEightNinePair", "6p 8p 99p 123m 789s 11z", "6p", 121},
    {"LoneOneBesidePair", "1m 55m 456p 789s 11z", "1m", 200},
    {"LoneTileBesideNinePair", "5p 99p 123m 789s 11z", "5p", 200},
    {"LoneTileBesideLiveGap", "68p 2p 123m 789s 11z", "2p", 200},
    {"LoneTileBesideDeadGap", "68p 2p 123m 789s 11z", "2p", 312, {.visible = "7777p"}},
    {"OneTwoBesidePair", "12m 55m 123p 789s 11z", "1m", 221},
    {"OneTwoBesideGap", "12m 79m 123p 789s 11z", "1m", 221},
    {"EightNineBesidePair", "89p 55p 123m 789s 11z", "9p", 229},
    {"EightNineBesideRun", "89p 45p 123m 789s 11z", "9p", 229},
    {"SingleOneGapAboveOther", "557p 123m 789s 11z", "7p", 230},
    {"SingleOneGapFromOther", "1p 3p 55p 789m 123s 11z", "1p", 230},
    {"SingleBetweenPairs", "33m 5m 77m 123p 789s 11z", "5m", 240},
    {"OutsideDoubledRun", "223p 56p 123m 789s 11z", "5p", 300},
    {"OutsideRunBesideSingleHonour", "23p 56p 123m 789s 1z", "5p", 303},
    {"OutsideDoubledGap", "335p 6p 123m 789s 11z", "6p", 301},
    {"OutsideDoubledLowGap", "224p 5p 123m 789s 11z", "5p", 301},
    {"OutsideDoubledEdgeRun", "112p 45p 123m 789s 11z", "4p", 302},
    {"OutsideRun", "23p 56p 123m 789s 11z", "5p", 311},
    {"EndOfSpacedSingles", "1357p 123m 789s 11z", "1p", 313},
    {"TopEndOfSpacedSingles", "3579p 123m 789s 11z", "9p", 314},
    {"BesidePairOnly", "55p 88p 123m 789s 11z", "8p", 310},
};

class OutsideHand : public ChooserCaseTest {};
TEST_P(OutsideHand, Picks) { check([](int seat, int) { discard_outside_hand(seat); }, 23, GetParam()); }
INSTANTIATE_TEST_SUITE_P(Steps, OutsideHand, ::testing::ValuesIn(kOutsideCases), chooser_case_name);

class AllTypes : public ChooserCaseTest {};
TEST_P(AllTypes, Picks) { check([](int seat, int) { discard_all_types(seat); }, 30, GetParam()); }
INSTANTIATE_TEST_SUITE_P(Steps, AllTypes, ::testing::ValuesIn(kAllTypesCases), chooser_case_name);

}  // namespace
