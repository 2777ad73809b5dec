// The special-form selectors on worked hands (seat 1). Distances to ready
// are {normal, seven pairs, thirteen orphans, honours and knitted}.
#include <string>

#include "com/target/com_target.h"
#include "com/target/selectors.h"
#include "core/tiles.h"
#include "support/aim_case.h"

namespace {

constexpr auto kPairs5 = call<aim_seven_pairs, 5>;
constexpr auto kPairs99 = call<aim_seven_pairs, 99>;
constexpr const char* kFourCharacterPairs = "11m 22m 33m 44m 56789p 1z";
constexpr const char* kKnittedTen = "1m 4m 7m 2p 5p 8p 1z 2z 3z 4z 5m 6m 9p 9m";
constexpr const char* kKnittedNine = "1m 4m 7m 2p 5p 8p 1z 2z 3z 8m 5m 6m 9p 9m";

const AimCase kSpecialCases[] = {
    {.name = "PairsSeventhEntryIgnored", .call = kPairs5, .hand = "11m 22m 33m 44m 55m 66m 77p", .expect = "56:11",
      .min_shanten = 8},
    {.name = "PairsFourOfAKindTwice", .call = kPairs5, .hand = "1111m 22z 33z 44z 5678p", .expect = "56:2",
      .min_shanten = 8},
    {.name = "PairsFallbackFourPairs", .call = kPairs99, .hand = kFourCharacterPairs, .expect = "56:11",
      .min_shanten = 8},
    {.name = "PairsFallbackOnlyWithoutATarget", .call = kPairs99, .hand = kFourCharacterPairs, .expect = "31:0",
      .record = "31:0", .min_shanten = 8},
    {.name = "PairsReplaceHonoursKnitted", .call = kPairs5, .hand = "11m 22m 33m 55m 77m 1234p", .expect = "56:11",
      .record = "57:3", .min_shanten = 8},
    {.name = "PairsMeldStops", .call = kPairs5, .hand = "11m 22m 33m 55m 77m 9p", .expect = "0:0", .melds = "p5z",
      .min_shanten = 8},
    {.name = "KnittedHonoursTwoDeadTiles", .call = call<aim_greater_honours_knitted, 12>,
      .hand = "1m 4m 9m 2p 5p 3s 6s 1234567z", .expect = "57:0", .visible = "7m 7m 7m 7m 8p 8p 8p 8p",
      .min_shanten = 8},
    {.name = "KnittedHonoursThreeDeadTiles", .call = call<aim_greater_honours_knitted, 12>,
      .hand = "1m 4m 9m 2p 5p 3s 6s 1234567z", .expect = "0:0", .visible = "7m 7m 7m 7m 8p 8p 8p 8p 9s 9s 9s 9s",
      .min_shanten = 8},
    {.name = "KnittedHonoursReplaceDragons", .call = call<aim_greater_honours_knitted, 12>,
      .hand = "1m 4m 7m 2p 5p 8p 3s 1234567z", .expect = "57:0", .record = "74:1", .min_shanten = 8},
    {.name = "KnittedHonoursMeldStops", .call = call<aim_greater_honours_knitted, 11>,
      .hand = "1m 4m 7m 2p 5p 8p 3s 6s 9s 2z 3z", .expect = "0:0", .melds = "p1z", .min_shanten = 8},
    {.name = "KnittedHonours0TiedWithTheTargetsForm", .call = call<aim_greater_honours_knitted, 0>,
      .hand = kKnittedTen, .expect = "57:0", .record = "31:0", .min_shanten = 2, .min_shanten_kokushi = 3,
      .min_shanten_knitted = 2, .min_shanten_chiitoi = 2},
    {.name = "KnittedHonours0BehindSevenPairs", .call = call<aim_greater_honours_knitted, 0>, .hand = kKnittedTen,
      .expect = "0:0", .min_shanten = 3, .min_shanten_kokushi = 3, .min_shanten_knitted = 2, .min_shanten_chiitoi = 1},
    {.name = "KnittedHonours0TiedWithOrphans", .call = call<aim_greater_honours_knitted, 0>, .hand = kKnittedTen,
      .expect = "0:0", .min_shanten = 3, .min_shanten_kokushi = 2, .min_shanten_knitted = 2, .min_shanten_chiitoi = 2},
    {.name = "KnittedHonours99NineTiles", .call = call<aim_greater_honours_knitted, 99>, .hand = kKnittedNine,
      .expect = "57:0", .min_shanten = 3, .min_shanten_knitted = 5},
    {.name = "KnittedHonours99TooFar", .call = call<aim_greater_honours_knitted, 99>, .hand = kKnittedNine,
      .expect = "0:0", .min_shanten = 8, .min_shanten_knitted = 6},
    {.name = "KnittedHonours99TiedWithTheTargetsForm", .call = call<aim_greater_honours_knitted, 99>,
      .hand = kKnittedNine, .expect = "31:0", .record = "31:0", .min_shanten = 5, .min_shanten_knitted = 5},
    {.name = "KnittedStraightOneMeld", .call = call<aim_knitted_straight, 9>,
      .hand = "1m 4m 7m 2p 5p 8p 3s 6s 9s 2z 3z", .expect = "43:0", .melds = "p1z", .min_shanten = 8},
    {.name = "KnittedStraightTwoMelds", .call = call<aim_knitted_straight, 8>, .hand = "1m 4m 7m 2p 5p 8p 3s 6s",
      .expect = "0:0", .melds = "p1z p2z", .min_shanten = 8},
    {.name = "KnittedStraightOneTileGone", .call = call<aim_knitted_straight, 8>,
      .hand = "1m 4m 7m 2p 5p 8p 3s 6s 112233z", .expect = "0:0", .visible = "9s 9s 9s 9s", .min_shanten = 8},
    {.name = "KnittedStraightHonoursFormCloser", .call = call<aim_knitted_straight, 9>,
      .hand = "1m 4m 7m 2p 5p 8p 3s 6s 9s 11z 22z 3z", .expect = "0:0", .min_shanten = 3, .min_shanten_knitted = 2},
    {.name = "KnittedStraightTieGoesToTheFirst", .call = call<aim_knitted_straight, 4>,
      .hand = "3p 6p 9p 1m 2m 11z 22z 33z 44z 5z", .expect = "43:1", .min_shanten = 8},
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
      {"22m 33m 44p 55p 66s 123z 9s", 0, 1}, {"44m 55p 66s 77s 55s 123z 9m", 1, 1},
      {"22m 33p 44s 55s 11p 123z 9m", 1, 0}, {"11m 22p 33p 44p 55p 6789s", 1, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.hand);
    const std::string expect = "56:" + std::to_string(row.variant);
    check_aim_case({.name = "", .call = kPairs5, .hand = row.hand, .expect = expect.c_str(), .min_shanten = 8,
                    .tile_range_switch = row.tile_range_switch});
  }
}

}  // namespace
