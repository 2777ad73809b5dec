// The special-form selectors on worked hands (seat 1). Distances to ready
// are {normal, seven pairs, thirteen orphans, honours and knitted}.
#include "com/target/com_target.h"
#include "com/target/selectors.h"
#include "support/aim_fixture.h"

namespace {

constexpr auto kPairs5 = call<aim_seven_pairs, 5>;
constexpr auto kPairs99 = call<aim_seven_pairs, 99>;
constexpr const char* kFourCharacterPairs = "11m 22m 33m 44m 56789p 1z";
constexpr const char* kFiveCharacterPairs = "11m 22m 33m 55m 77m 1234p";
constexpr const char* kKnittedFourteen = "1m 4m 7m 2p 5p 8p 3s 1234567z";
constexpr const char* kKnittedTen = "1m 4m 7m 2p 5p 8p 1z 2z 3z 4z 5m 6m 9p 9m";
constexpr const char* kKnittedNine = "1m 4m 7m 2p 5p 8p 1z 2z 3z 8m 5m 6m 9p 9m";
constexpr const char* kKnittedStraight = "1m 4m 7m 2p 5p 8p 3s 6s 9s 11z 22z 3z";

const AimCase kSpecialCases[] = {
    {.name = "PairsSeventhEntryIgnored", .aim = kPairs5, .hand = "11m 22m 33m 44m 55m 66m 77p", .expect = 56,
     .expect_variant = 11},
    {.name = "PairsFourOfAKindTwice", .aim = kPairs5, .hand = "1111m 22z 33z 44z 5678p", .expect = 56,
     .expect_variant = 2},
    {.name = "PairsFourAreNotFive", .aim = kPairs5, .hand = kFourCharacterPairs},
    {.name = "PairsFallbackFourPairs", .aim = kPairs99, .hand = kFourCharacterPairs, .expect = 56,
     .expect_variant = 11},
    {.name = "PairsFallbackOnlyWithoutATarget", .aim = kPairs99, .hand = kFourCharacterPairs, .target = 31,
     .expect = 31},
    {.name = "PairsFallbackThreePairs", .aim = kPairs99, .hand = "11m 22m 33m 456789p 12z"},
    {.name = "PairsReplaceHonoursKnitted", .aim = kPairs5, .hand = kFiveCharacterPairs, .target = 57, .variant = 3,
     .expect = 56, .expect_variant = 11},
    {.name = "PairsKeepAnEqualAim", .aim = kPairs5, .hand = kFiveCharacterPairs, .target = 55, .variant = 1,
     .expect = 55, .expect_variant = 1},
    {.name = "PairsMeldStops", .aim = kPairs5, .hand = "11m 22m 33m 55m 77m 9p", .melds = {pung(kWhite)}},
    {.name = "KnittedHonoursFourteen", .aim = call<aim_greater_honours_knitted, 12>, .hand = kKnittedFourteen,
     .expect = 57},
    {.name = "KnittedHonoursBestArrangement", .aim = call<aim_greater_honours_knitted, 12>,
     .hand = "1p 4p 7p 2s 5s 8s 3m 1234567z", .expect = 57, .expect_variant = 3},
    {.name = "KnittedHonoursTwoDeadTiles", .aim = call<aim_greater_honours_knitted, 12>,
     .hand = "1m 4m 9m 2p 5p 3s 6s 1234567z", .visible = "7m 7m 7m 7m 8p 8p 8p 8p", .expect = 57},
    {.name = "KnittedHonoursThreeDeadTiles", .aim = call<aim_greater_honours_knitted, 12>,
     .hand = "1m 4m 9m 2p 5p 3s 6s 1234567z", .visible = "7m 7m 7m 7m 8p 8p 8p 8p 9s 9s 9s 9s"},
    {.name = "KnittedHonoursReplaceDragons", .aim = call<aim_greater_honours_knitted, 12>, .hand = kKnittedFourteen,
     .target = 74, .variant = 1, .expect = 57},
    {.name = "KnittedHonoursMeldStops", .aim = call<aim_greater_honours_knitted, 11>,
     .hand = "1m 4m 7m 2p 5p 8p 3s 6s 9s 2z 3z", .melds = {pung(kEast)}},
    {.name = "KnittedHonours0Closest", .aim = call<aim_greater_honours_knitted, 0>, .hand = kKnittedTen,
     .shanten = {1, 2, 3, 2}, .expect = 57},
    {.name = "KnittedHonours0NineTiles", .aim = call<aim_greater_honours_knitted, 0>, .hand = kKnittedNine,
     .shanten = {1, 2, 3, 2}},
    {.name = "KnittedHonours0BehindTheTargetsForm", .aim = call<aim_greater_honours_knitted, 0>, .hand = kKnittedTen,
     .target = 31, .shanten = {1, 2, 3, 2}, .expect = 31},
    {.name = "KnittedHonours0BehindSevenPairs", .aim = call<aim_greater_honours_knitted, 0>, .hand = kKnittedTen,
     .shanten = {3, 1, 3, 2}},
    {.name = "KnittedHonours0TiedWithOrphans", .aim = call<aim_greater_honours_knitted, 0>, .hand = kKnittedTen,
     .shanten = {3, 2, 2, 2}},
    {.name = "KnittedHonours99NineTiles", .aim = call<aim_greater_honours_knitted, 99>, .hand = kKnittedNine,
     .shanten = {3, 8, 8, 5}, .expect = 57},
    {.name = "KnittedHonours99TooFar", .aim = call<aim_greater_honours_knitted, 99>, .hand = kKnittedNine,
     .shanten = {8, 8, 8, 6}},
    {.name = "KnittedHonours99TiedWithTheTargetsForm", .aim = call<aim_greater_honours_knitted, 99>,
     .hand = kKnittedNine, .target = 31, .shanten = {5, 8, 8, 5}, .expect = 31},
    {.name = "KnittedStraightNine", .aim = call<aim_knitted_straight, 9>, .hand = kKnittedStraight, .expect = 43},
    {.name = "KnittedStraightOneMeld", .aim = call<aim_knitted_straight, 9>, .hand = "1m 4m 7m 2p 5p 8p 3s 6s 9s 2z 3z",
     .melds = {pung(kEast)}, .expect = 43},
    {.name = "KnittedStraightTwoMelds", .aim = call<aim_knitted_straight, 8>, .hand = "1m 4m 7m 2p 5p 8p 3s 6s",
     .melds = {pung(kEast), pung(kSouth)}},
    {.name = "KnittedStraightOneTileGone", .aim = call<aim_knitted_straight, 8>,
     .hand = "1m 4m 7m 2p 5p 8p 3s 6s 112233z", .visible = "9s 9s 9s 9s"},
    {.name = "KnittedStraightHonoursFormCloser", .aim = call<aim_knitted_straight, 9>, .hand = kKnittedStraight,
     .shanten = {3, 8, 8, 2}},
    {.name = "KnittedStraightTieGoesToTheFirst", .aim = call<aim_knitted_straight, 4>,
     .hand = "3p 6p 9p 1m 2m 11z 22z 33z 44z 5z", .expect = 43, .expect_variant = 1},
};
INSTANTIATE_TEST_SUITE_P(SpecialForms, AimCaseTest, ::testing::ValuesIn(kSpecialCases), aim_case_name);

// The seven-pairs variant: the first row of the table that all of the first
// six pairs fit, the number-range rows only while seven pairs combines with
// the tile ranges.
TEST(SevenPairsVariant, FirstRowThatHolds) {
  const struct {
    const char* hand;
    int tile_range_switch;
    int variant;
  } rows[] = {
      {"11m 99p 11z 22z 33z 5678m", 1, 2},  {"11m 22m 33m 55m 77m 1234p", 1, 11},
      {"11p 22p 33p 55p 77p 1234m", 1, 12}, {"11s 22s 33s 55s 77s 1234m", 1, 13},
      {"11m 22m 33p 11s 22s 567z 4p", 1, 5}, {"11m 22m 33p 11s 22s 567z 4p", 0, 0},
      {"44m 55p 66s 44s 55s 123z 9m", 1, 6}, {"77m 88p 99s 77s 88s 123z 1m", 1, 7},
      {"11m 22m 33p 44s 22s 567z 9p", 1, 3}, {"66m 77p 88s 99s 66s 123z 1m", 1, 4},
      {"11m 55m 33m 11z 22z 5678p", 1, 8},   {"11p 55p 33p 11z 22z 5678m", 1, 9},
      {"11s 55s 33s 11z 22z 5678m", 1, 10},  {"22m 33m 44p 55p 66s 123z 9s", 1, 1},
      {"22m 33m 44p 55p 66s 123z 9s", 0, 1}, {"11m 22m 44p 55s 99s 567z 8p", 1, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.hand);
    check_aim_case({.name = "", .aim = kPairs5, .hand = row.hand, .tile_range_switch = row.tile_range_switch,
                    .expect = 56, .expect_variant = row.variant});
  }
}

}  // namespace
