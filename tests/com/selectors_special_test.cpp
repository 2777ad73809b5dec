// The special-form selectors on worked hands (seat 1). Distances to ready
// are {normal, seven pairs, thirteen orphans, honours and knitted}.
#include "com/target/com_target.h"
#include "com/target/selectors.h"
#include "support/aim_fixture.h"

namespace {

constexpr auto kPairs5 = call<aim_seven_pairs, 5>;
constexpr auto kPairs99 = call<aim_seven_pairs, 99>;
constexpr const char* kFourCharacterPairs = "11m 22m 33m 44m 56789p 1z";
constexpr const char* kKnittedTen = "1m 4m 7m 2p 5p 8p 1z 2z 3z 4z 5m 6m 9p 9m";
constexpr const char* kKnittedNine = "1m 4m 7m 2p 5p 8p 1z 2z 3z 8m 5m 6m 9p 9m";

const FixedAimCase kSpecialCases[] = {
    {"PairsSeventhEntryIgnored", kPairs5, "11m 22m 33m 44m 55m 66m 77p", 56, 11},
    {"PairsFourOfAKindTwice", kPairs5, "1111m 22z 33z 44z 5678p", 56, 2},
    {"PairsFallbackFourPairs", kPairs99, kFourCharacterPairs, 56, 11},
    {"PairsFallbackOnlyWithoutATarget", kPairs99, kFourCharacterPairs, 31, 0, {}, "", 0, 31},
    {"PairsReplaceHonoursKnitted", kPairs5, "11m 22m 33m 55m 77m 1234p", 56, 11, {}, "", 0, 57, 3},
    {"PairsMeldStops", kPairs5, "11m 22m 33m 55m 77m 9p", 0, 0, {pung(kWhite)}},
    {"KnittedHonoursTwoDeadTiles", call<aim_greater_honours_knitted, 12>, "1m 4m 9m 2p 5p 3s 6s 1234567z", 57, 0, {},
     "7m 7m 7m 7m 8p 8p 8p 8p"},
    {"KnittedHonoursThreeDeadTiles", call<aim_greater_honours_knitted, 12>, "1m 4m 9m 2p 5p 3s 6s 1234567z", 0, 0, {},
     "7m 7m 7m 7m 8p 8p 8p 8p 9s 9s 9s 9s"},
    {"KnittedHonoursReplaceDragons", call<aim_greater_honours_knitted, 12>, "1m 4m 7m 2p 5p 8p 3s 1234567z", 57, 0, {},
     "", 0, 74, 1},
    {"KnittedHonoursMeldStops", call<aim_greater_honours_knitted, 11>, "1m 4m 7m 2p 5p 8p 3s 6s 9s 2z 3z", 0, 0,
     {pung(kEast)}},
    {"KnittedHonours0TiedWithTheTargetsForm", call<aim_greater_honours_knitted, 0>, kKnittedTen, 57, 0, {}, "", 0, 31,
     0, {2, 2, 3, 2}},
    {"KnittedHonours0BehindSevenPairs", call<aim_greater_honours_knitted, 0>, kKnittedTen, 0, 0, {}, "", 0, 0, 0,
     {3, 1, 3, 2}},
    {"KnittedHonours0TiedWithOrphans", call<aim_greater_honours_knitted, 0>, kKnittedTen, 0, 0, {}, "", 0, 0, 0,
     {3, 2, 2, 2}},
    {"KnittedHonours99NineTiles", call<aim_greater_honours_knitted, 99>, kKnittedNine, 57, 0, {}, "", 0, 0, 0,
     {3, 8, 8, 5}},
    {"KnittedHonours99TooFar", call<aim_greater_honours_knitted, 99>, kKnittedNine, 0, 0, {}, "", 0, 0, 0,
     {8, 8, 8, 6}},
    {"KnittedHonours99TiedWithTheTargetsForm", call<aim_greater_honours_knitted, 99>, kKnittedNine, 31, 0, {}, "", 0,
     31, 0, {5, 8, 8, 5}},
    {"KnittedStraightOneMeld", call<aim_knitted_straight, 9>, "1m 4m 7m 2p 5p 8p 3s 6s 9s 2z 3z", 43, 0, {pung(kEast)}},
    {"KnittedStraightTwoMelds", call<aim_knitted_straight, 8>, "1m 4m 7m 2p 5p 8p 3s 6s", 0, 0,
     {pung(kEast), pung(kSouth)}},
    {"KnittedStraightOneTileGone", call<aim_knitted_straight, 8>, "1m 4m 7m 2p 5p 8p 3s 6s 112233z", 0, 0, {},
     "9s 9s 9s 9s"},
    {"KnittedStraightHonoursFormCloser", call<aim_knitted_straight, 9>, "1m 4m 7m 2p 5p 8p 3s 6s 9s 11z 22z 3z", 0, 0,
     {}, "", 0, 0, 0, {3, 8, 8, 2}},
    {"KnittedStraightTieGoesToTheFirst", call<aim_knitted_straight, 4>, "3p 6p 9p 1m 2m 11z 22z 33z 44z 5z", 43, 1},
};
INSTANTIATE_TEST_SUITE_P(SpecialForms, FixedAimCaseTest, ::testing::ValuesIn(kSpecialCases), fixed_aim_case_name);

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
      {"22m 33m 44p 55p 66s 123z 9s", 0, 1}, {"44m 55p 66s 77s 55s 123z 9m", 1, 1},
      {"22m 33p 44s 55s 11p 123z 9m", 1, 0}, {"11m 22p 33p 44p 55p 6789s", 1, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.hand);
    check_fixed_aim_case({.name = "", .aim = kPairs5, .hand = row.hand, .expect = 56, .expect_variant = row.variant,
                    .tile_range_switch = row.tile_range_switch});
  }
}

}  // namespace
