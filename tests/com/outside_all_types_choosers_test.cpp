// The outside-hand and all-types choosers on worked hands, their steps in
// order. Seat 1 is South in the East round with dealer 0, East with dealer
// 1, North with dealer 2.
#include "com/aimed/aimed_rules.h"
#include "support/chooser_fixture.h"

namespace {

constexpr Chooser kOutside = [](int seat, int) { discard_outside_hand(seat); };
constexpr Chooser kTypes = [](int seat, int) { discard_all_types(seat); };
constexpr int kEastSeat = 1;
constexpr int kNorthSeat = 2;
constexpr int kPungEast = 231;
constexpr int kPungNinePin = 219;
constexpr int kChow234Pin = 112;

// Both scans keep the shapes 2-3 / 7-8 when a 1 / a 9 stands beside them.
const ChooserCase kOutsideCases[] = {
    {"DeadSeatWindFirst", kOutside, 23, "2z 5m 11p 123s 789s 99m", "2z", 900, {.variant = 1, .visible = "222z"}},
    {"HonourQuad", kOutside, 23, "5555z 5m 11p 123s", "5z", 910},
    {"TerminalQuadFullHand", kOutside, 23, "1111m 5p 99p 789s 11z", "1m", 921, {.best_blocks = 5}},
    {"TerminalQuadNotBelowFiveBlocks", kOutside, 23, "1111m 5p 99p 789s 11z", "5p", 5},
    {"NineQuadFullHand", kOutside, 23, "9999p 5m 11s 789m", "9p", 929, {.best_blocks = 5}},
    {"RouteOneGuestWind", kOutside, 23, "3z 5p 123m 789s 11p", "3z", 100, {.variant = 1}},
    {"RouteZeroFiveFirst", kOutside, 23, "3z 5p 123m 789s 11p", "5p", 5},
    {"RouteOneAnyHonour", kOutside, 23, "5z 5p 123m 789s 11p", "5z", 101, {.variant = 1}},
    {"LoneThreeBesideDeadOne", kOutside, 23, "3p 789s 11z 123m", "3p", 201, {.visible = "1111p"}},
    {"TwoBesideDeadThree", kOutside, 23, "12p 789m 123s 11z 555z", "2p", 212, {.visible = "3333p"}},
    {"FourOfTwoThreeKeptWithoutCall", kOutside, 23, "234s 789m 111p 11z", "2s", 962},
    {"FourOfTwoThreeAfterCall", kOutside, 23, "234s 789m 111p 11z", "4s", 14, {.meld = kPungNinePin}},
    {"TwoAboveItsOne", kOutside, 23, "1p 22p 789m 111s 11z", "2p", 122},
    {"TwoTripleWithoutOne", kOutside, 23, "222p 789m 111s 11z", "2p", 112},
    {"RouteOneGuestWindPair", kOutside, 23, "33z 789m 111s 55z 12p", "3z", 120, {.variant = 1}},
    {"RouteOneHonourPair", kOutside, 23, "22z 789m 111s 55z 12p", "2z", 121, {.variant = 1}},
    {"TwoCodeScanSlotOrder", kOutside, 23, "88m 999m 111p 22p 11z", "8m", 908},
    {"ThreePairBesidePungOfOne", kOutside, 23, "111p 33p 789m 111s 11z", "3p", 903},
    {"LoneTwoFullHand", kOutside, 23, "2p 789m 111s 11z", "2p", 132, {.best_blocks = 5}},
    {"LoneTwoBelowFiveBlocks", kOutside, 23, "2p 789m 111s 11z", "2p", 152},
    {"GuestWindBeforeDragon", kOutside, 23, "1z 3z 5z 123m 789p 11s", "3z", 800, {.dealer = kEastSeat}},
    {"DragonBeforeDoubleWind", kOutside, 23, "1z 5z 123m 789p 11s", "5z", 810, {.dealer = kEastSeat}},
    {"DoubleWindMoreVisible", kOutside, 23, "1z 3z 123m 789p 11s", "1z", 820, {.visible = "1z", .dealer = kEastSeat}},
    {"SeatWindWhenRoundDiffers", kOutside, 23, "2z 5z 123m 789p 11s", "2z", 820},
    {"OnePairWithTwoThree", kOutside, 23, "11p 23p 789m 111s 55z", "1p", 21, {.visible = "11p", .best_blocks = 5}},
    {"NothingBelowFiveBlocks", kOutside, 23, "11p 23p 789m 111s 55z", "", 0, {.visible = "11p"}},
    {"LoneTerminalMostVisible", kOutside, 23, "1p 9s 789m 111s 55z", "9s", 709, {.visible = "99s"}},
    {"TwoPairBesideOnePair", kOutside, 23, "11p 22p 789m 111s 11z", "2p", 902},
    {"ThreePairBesideOnePair", kOutside, 23, "11p 33p 789m 111s 11z", "3p", 913},
    {"OpenEdgeDeadOneIgnoresDistance", kOutside, 23, "23p 789m 111s 11z", "2p", 962,
     {.visible = "1111p", .not_neutral = "2p"}},
    {"EdgeAboveNothingFullHand", kOutside, 23, "23p 789m 111s 55z", "2p", 162, {.not_neutral = "2p", .best_blocks = 5}},
};

const ChooserCase kAllTypesCases[] = {
    {"QuadFirst", kTypes, 30, "1111z 123m 456p 789s", "1z", 0},
    {"GuestWindBesideWindPung", kTypes, 30, "4z 123m 456p 78s", "4z", 10, {.meld = kPungEast}},
    {"OwnWindBesideWindPung", kTypes, 30, "4z 123m 456p 78s", "4z", 11, {.meld = kPungEast, .dealer = kNorthSeat}},
    {"WindPairHalfDead", kTypes, 30, "11z 33z 123m 456p 78s", "3z", 20, {.visible = "33z"}},
    {"DragonPairHalfDead", kTypes, 30, "55z 66z 123m 456p 78s", "6z", 21, {.visible = "66z"}},
    {"LiveSeatWindPair", kTypes, 30, "11z 22z 123m 456p 78s", "2z", 40, {.visible = "2z", .dealer = kEastSeat}},
    {"LiveRoundWindPair", kTypes, 30, "11z 22z 123m 456p 78s", "2z", 41, {.visible = "2z"}},
    {"OtherWindBesideSeenPair", kTypes, 30, "33z 44z 123m 456p 78s", "3z", 50, {.visible = "4z"}},
    {"WindPairBesideWindMeld", kTypes, 30, "33z 123m 456p 78s", "3z", 700, {.meld = kPungEast}},
    {"WindTripleBesideWindTriple", kTypes, 30, "333z 444z 123m 45p", "4z", 710},
    {"DeclaredSuitFirst", kTypes, 30, "7p 123m 789s 11z 55z", "7p", 0, {.meld = kChow234Pin}},
    {"OpenSideBesideTriple", kTypes, 30, "555p 9p 123m 78s 11z 55z", "9p", 10},
    {"ClosedBesideTriple", kTypes, 30, "444p 5p 666p 123m 11z", "5p", 11, {.pool = "5p 123m 11z"}},
    {"OpenSideBesideChow", kTypes, 30, "123m 5m 456p 78s 11z", "5m", 20},
    {"CopyInsideChow", kTypes, 30, "1223m 456p 78s 11z", "2m", 21},
    {"SettledChowSuitPassedOver", kTypes, 30, "123m 55p 77p 11z 55z", "5p", 312},
    {"LoneOneBesidePair", kTypes, 30, "1m 55m 456p 789s 11z", "1m", 200},
    {"LoneOneInLongSuit", kTypes, 30, "1m 55m 9m 456p 78s 11z", "1m", 31},
    {"OneTwoBesidePair", kTypes, 30, "12p 55p 123m 789s 11z", "1p", 221},
    {"EightNineBesidePair", kTypes, 30, "89p 55p 123m 789s 11z", "9p", 229},
    {"OutsideDoubledRun", kTypes, 30, "223p 56p 123m 789s 11z", "5p", 300},
};

class OutsideHand : public ChooserCaseTest {};
TEST_P(OutsideHand, Picks) { check(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Steps, OutsideHand, ::testing::ValuesIn(kOutsideCases), chooser_case_name);

class AllTypes : public ChooserCaseTest {};
TEST_P(AllTypes, Picks) { check(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Steps, AllTypes, ::testing::ValuesIn(kAllTypesCases), chooser_case_name);

}  // namespace
