// The seven-pairs, honours-and-knitted and thirteen-orphans choosers on
// worked hands. Knitted row 0 is 147 characters, 258 dots, 369 bamboo; row 2
// 147 dots, 258 characters, 369 bamboo.
#include <algorithm>
#include <string>
#include <vector>

#include "com/aimed/aimed_rules.h"
#include "support/chooser_fixture.h"
#include "support/hand_builder.h"

namespace {

constexpr int kEastSeat = 1;
constexpr int kSouthRound = 1;

const ChooserCase kSevenPairsCases[] = {
    {"FourPairsHonourFirst", "11p 33p 55s 77s 1m 7m 9p 2s 6z 4z", "6z", 200, {.visible = "66z 111m"}},
    {"FourPairsGroupBeforeVisibility", "1m 4m 55m 2p 6p 77p 9p 66s 9s 33z", "9s", 210, {.visible = "222p 999p 99s"}},
    {"FivePairsNeutralTriple", "11m 33m 55p 77p 222s 4z 6z 9s", "2s", 900},
    {"FivePairsDeadNeutralSingle", "11m 33m 55p 77p 99s 4z 6z 8s 2p", "6z", 910, {.visible = "666z"}},
    {"FivePairsFarTriple", "11m 33m 55p 77p 222s 4z 6z 9s", "2s", 920, {.not_neutral = "2s", .min_shanten = 2}},
    {"FivePairsRunEnd", "11m 55m 99m 11s 678p 99p 7z", "6p", 801},
    {"FivePairsMirroredRunEnd", "11m 55m 99m 11p 678s 55s 7z", "8s", 809},
    {"ReloadDeadSingle", "1m 5p 22m 44m 66p 88p 33s 77s", "5p", 0, {.visible = "555p"}},
    {"ReloadTripleFourthGone", "22m 44m 66p 88p 33s 777s 1m", "7s", 1, {.visible = "7s"}},
    {"VariantVisibilityFirst", "5p 5z 22m 44m 66m 88m 33s 77s", "5z", 127, {.variant = 11, .visible = "55z"}},
    {"FivePairsRemainingTriple", "22m 44m 66p 88p 777s 1m 5z 9p", "7s", 10, {.not_neutral = "7s"}},
    {"MiddleOutAtEqualVisibility", "1m 5p 22m 44m 66p 88p 33s 77s", "5p", 900, {.visible = "11m 55p"}},
    {"VisibilityBeforeMiddle", "1m 5p 22m 44m 66p 88p 33s 77s", "1m", 900,
     {.visible = "11m 5p", .pool = "22m 44m 66p 88p 33s 77s 5p"}},
    {"SuitedBeforeHonour", "5m 5z 11m 44m 66p 88p 33s 77s", "5m", 900, {.visible = "55m 55z"}},
    {"HonourAtVisibility", "1m 5z 22m 44m 66p 88p 33s 77s", "5z", 901, {.visible = "55z"}},
    {"SeenOnceMiddle", "1m 5p 22m 44m 66p 88p 33s 77s", "5p", 910, {.visible = "5p"}},
    {"UnseenMiddleOut", "1m 5p 22m 44m 66p 88p 33s 77s", "5p", 910},
    {"SeenOnceHonour", "5z 22m 44m 66p 88p 33s 77s 4z", "4z", 911, {.visible = "4z"}},
    {"UnseenHonour", "5z 22m 44m 66p 88p 33s 77s 4z", "4z", 911},
    {"AllPairsNothing", "11m 22m 33m 44p 55p 66s 77s", "", 0},
    {"VariantOutOfRange", "1m 5p 22m 44m 66p 88p 33s 77s", "", 0, {.variant = 14}},
};

const ChooserCase kKnittedCases[] = {
    {"HonourQuad", "1111z 147m 258p 369s 5z", "1z", 100},
    {"ThreeHonourPairs", "22z 33z 55z 147m 258p 36s", "2z", 120},
    {"TwoHonourPairsAndTriple", "22z 33z 555z 147m 258p 3s", "2z", 120},
    {"HonourPairBesideTriple", "22z 555z 147m 258p 369s", "2z", 22},
    {"GuestWindTriple", "444z 555z 147m 258p 36s", "4z", 120, {.dealer = kEastSeat, .round_wind = kSouthRound}},
    {"DoubleWindKept", "111z 555z 147m 258p 36s", "5z", 121, {.dealer = kEastSeat}},
    {"SeatWindTriple", "111z 555z 147m 258p 36s", "1z", 122, {.dealer = kEastSeat, .round_wind = kSouthRound}},
    {"IsolatedSurplus", "2m 7m 258p 369s 123456z", "2m", 130},
    {"SurplusBesideRowTile", "12m 7m 258p 369s 12345z", "2m", 130},
    {"EightOrphansLoneMiddleFirst", "9p 5m 147m 2p 369s 12345z", "5m", 130},
    {"EightOrphansKeepTerminal", "9p 147m 25p 369s 12345z", "9p", 11},
    {"SevenOrphansNoExemption", "9p 147m 25p 369s 1234z", "9p", 130},
    {"DeadOrphanNoExemption", "9p 147m 25p 369s 12345z", "9p", 130, {.visible = "7777z"}},
    {"EdgeRunOfSurplus", "12s 147m 258p 6s 12345z", "1s", 141},
    {"LoneNineBesideSeven", "79p 147m 25p 369s 123z", "9p", 150},
    {"TiedRowsBreakTriple", "1m 4p 555p 6p 7p 36s 12345z", "5p", 0},
    {"TiedRowsBreakPair", "1m 4p 55p 6p 7p 36s 12345z", "5p", 2},
    {"TiedRowsFewHonours", "1m 4p 555p 6p 7p 36s 1234z", "4p", 10},
    {"WholeRowByVisibility", "147m 258p 369s 12345z", "8p", 10, {.visible = "88p"}},
    {"OffRowPairBySurplus", "22m 147m 258p 369s 123z", "2m", 32},
    {"OffRowTripleBySurplus", "222m 147m 258p 369s 12z", "2m", 33},
    {"OffRowQuadBySurplus", "2222m 147m 258p 369s 1z", "2m", 34},
    {"RowTripleByCount", "444m 17m 258p 369s 123z", "4m", 20},
    {"VariantOutOfRange", "147m 258p 369s 12345z", "", 0, {.variant = 6}},
};

const ChooserCase kOrphansCases[] = {
    {"MiddlePairFirst", "55p 19m 19p 19s 123456z", "5p", 900},
    {"HonourPairOfTwo", "11m 9m 19p 19s 12345z 77z", "7z", 910},
    {"TerminalPairOfTwo", "11m 99m 19p 19s 12345z 6z", "1m", 911},
    {"TripleOfOne", "111m 5m 9m 19p 19s 12345z", "1m", 10},
    {"MiddleOffRow", "45m 19m 19p 19s 123456z", "5m", 20},
    {"RowMiddleByRank", "14m 9m 19p 19s 1234567z", "4m", 21},
    {"RowSevenLast", "7m 19m 19p 19s 1234567z", "7m", 22},
    {"RowMiddleLast", "2m 19m 19p 19s 1234567z", "2m", 22, {.variant = 2}},
    {"OrphansAndTheirPair", "199m 19p 19s 1234567z", "", 0},
};

class SevenPairs : public ChooserCaseTest {};
TEST_P(SevenPairs, Picks) { check([](int seat, int) { discard_seven_pairs(seat); }, 56, GetParam()); }
INSTANTIATE_TEST_SUITE_P(Steps, SevenPairs, ::testing::ValuesIn(kSevenPairsCases), chooser_case_name);

class HonoursKnitted : public ChooserCaseTest {};
TEST_P(HonoursKnitted, Picks) { check([](int seat, int) { discard_greater_honours_knitted(seat); }, 57, GetParam()); }
INSTANTIATE_TEST_SUITE_P(Steps, HonoursKnitted, ::testing::ValuesIn(kKnittedCases), chooser_case_name);

class ThirteenOrphans : public ChooserCaseTest {};
TEST_P(ThirteenOrphans, Picks) { check([](int seat, int) { discard_thirteen_orphans(seat); }, 77, GetParam()); }
INSTANTIATE_TEST_SUITE_P(Steps, ThirteenOrphans, ::testing::ValuesIn(kOrphansCases), chooser_case_name);

// With a variant, the tiles outside the pairs go by visibility, those off
// the variant's common ground first: one such tile beside six pairs is
// thrown with the variant's first code when it is off, else with the second.
TEST_F(ChooserTest, SevenPairsVariantOffTiles) {
  struct OffSet {
    int variant;
    int code;
    const char* off;
  };
  const OffSet kOffSets[] = {
      {1, 20, "19m 19p 19s 1234567z"}, {2, 21, "2345678m 2345678p 2345678s"},
      {3, 22, "56789m 56789p 56789s 1234567z"}, {4, 23, "12345m 12345p 12345s 1234567z"},
      {5, 22, "56789m 56789p 56789s 1234567z"}, {6, 25, "123789m 123789p 123789s 1234567z"},
      {7, 23, "12345m 12345p 12345s 1234567z"}, {8, 27, "123456789p 123456789s"},
      {9, 28, "123456789m 123456789s"}, {10, 29, "123456789m 123456789p"},
      {11, 27, "123456789p 123456789s"}, {12, 28, "123456789m 123456789s"},
      {13, 29, "123456789m 123456789p"},
  };
  const std::vector<int> pairs_a = parse_tiles("22s 44s 66s 88s 11z 33z");
  for (const OffSet& o : kOffSets) {
    const std::vector<int> off = parse_tiles(o.off);
    for (int tile : kPlayingTiles) {
      const bool in_a = std::count(pairs_a.begin(), pairs_a.end(), tile) > 0;
      const std::string single = format_tiles(std::vector<int>{tile});
      const std::string hand = std::string(in_a ? "22m 44m 66m 88p 55z 77z " : "22s 44s 66s 88s 11z 33z ") + single;
      const bool is_off = std::count(off.begin(), off.end(), tile) > 0;
      SetUp();
      check([](int seat, int) { discard_seven_pairs(seat); }, 56,
            {"", hand.c_str(), single.c_str(), is_off ? o.code : o.code + 100, {.variant = o.variant}});
      if (HasFailure()) return;
    }
  }
}

}  // namespace
