// The seven-pairs, honours-and-knitted and thirteen-orphans choosers on
// worked hands. Knitted row 0 is 147 characters, 258 dots, 369 bamboo; row 2
// 147 dots, 258 characters, 369 bamboo.
#include "com/aimed/aimed_rules.h"
#include "support/chooser_fixture.h"

namespace {

constexpr Chooser kPairs = [](int seat, int) { discard_seven_pairs(seat); };
constexpr Chooser kKnitted = [](int seat, int) { discard_greater_honours_knitted(seat); };
constexpr Chooser kOrphans = [](int seat, int) { discard_thirteen_orphans(seat); };
constexpr int kEastSeat = 1;
constexpr int kSouthRound = 1;

const ChooserCase kSevenPairsCases[] = {
    {"FourPairsHonourFirst", kPairs, 56, "11p 33p 55s 77s 1m 7m 9p 2s 6z 4z", "6z", 200, {.visible = "66z 111m"}},
    {"FourPairsGroupBeforeVisibility", kPairs, 56, "11m 44m 66s 33z 2p 9s 6p 7p 5m 3m", "9s", 210, {.visible = "222p"}},
    {"FivePairsNeutralTriple", kPairs, 56, "11m 33m 55p 77p 222s 4z 6z 9s", "2s", 900},
    {"FivePairsDeadNeutralSingle", kPairs, 56, "11m 33m 55p 77p 99s 4z 6z 8s 2p", "6z", 910, {.visible = "666z"}},
    {"FivePairsFarTriple", kPairs, 56, "11m 33m 55p 77p 222s 4z 6z 9s", "2s", 920,
     {.not_neutral = "2s", .min_shanten = 2}},
    {"FivePairsRunEnd", kPairs, 56, "11m 55m 99m 11p 234s 55s 7z", "2s", 801},
    {"FivePairsMirroredRunEnd", kPairs, 56, "11m 55m 99m 11p 678s 55s 7z", "8s", 809},
    {"ReloadDeadSingle", kPairs, 56, "1m 5p 22m 44m 66p 88p 33s 77s", "5p", 0, {.visible = "555p"}},
    {"ReloadTripleFourthGone", kPairs, 56, "22m 44m 66p 88p 33s 777s 1m", "7s", 1, {.visible = "7s"}},
    {"VariantOffSetFirst", kPairs, 56, "1m 5p 22m 44m 66p 88p 33s 77s", "1m", 20, {.variant = 1}},
    {"VariantVisibilityFirst", kPairs, 56, "5p 5z 22m 44m 66m 88m 33s 77s", "5z", 127,
     {.variant = 11, .visible = "55z"}},
    {"FivePairsRemainingTriple", kPairs, 56, "22m 44m 66p 88p 777s 1m 5z 9p", "7s", 10, {.not_neutral = "7s"}},
    {"MiddleOutAtEqualVisibility", kPairs, 56, "1m 5p 22m 44m 66p 88p 33s 77s", "5p", 900, {.visible = "11m 55p"}},
    {"VisibilityBeforeMiddle", kPairs, 56, "1m 5p 22m 44m 66p 88p 33s 77s", "1m", 900,
     {.visible = "11m 5p", .pool = "22m 44m 66p 88p 33s 77s 5p"}},
    {"SuitedBeforeHonour", kPairs, 56, "5m 5z 11m 44m 66p 88p 33s 77s", "5m", 900, {.visible = "55m 55z"}},
    {"HonourAtVisibility", kPairs, 56, "1m 5z 22m 44m 66p 88p 33s 77s", "5z", 901, {.visible = "55z"}},
    {"UnseenMiddleOut", kPairs, 56, "1m 5p 22m 44m 66p 88p 33s 77s", "5p", 910},
    {"UnseenHonour", kPairs, 56, "5z 22m 44m 66p 88p 33s 77s 4z", "4z", 911},
    {"AllPairsNothing", kPairs, 56, "11m 22m 33m 44p 55p 66s 77s", "", 0},
    {"VariantOutOfRange", kPairs, 56, "1m 5p 22m 44m 66p 88p 33s 77s", "", 0, {.variant = 14}},
};

const ChooserCase kKnittedCases[] = {
    {"HonourQuad", kKnitted, 57, "1111z 147m 258p 369s 5z", "1z", 100},
    {"ThreeHonourPairs", kKnitted, 57, "22z 33z 55z 147m 258p 36s", "2z", 120},
    {"GuestWindTriple", kKnitted, 57, "444z 555z 147m 258p 36s", "4z", 120,
     {.dealer = kEastSeat, .round_wind = kSouthRound}},
    {"DoubleWindKept", kKnitted, 57, "111z 555z 147m 258p 36s", "5z", 121, {.dealer = kEastSeat}},
    {"SeatWindTriple", kKnitted, 57, "111z 555z 147m 258p 36s", "1z", 122,
     {.dealer = kEastSeat, .round_wind = kSouthRound}},
    {"IsolatedSurplus", kKnitted, 57, "2m 7m 258p 369s 123456z", "2m", 130},
    {"EightOrphansKeepTerminal", kKnitted, 57, "9p 147m 25p 369s 12345z", "9p", 11},
    {"DeadOrphanNoExemption", kKnitted, 57, "9p 147m 25p 369s 12345z", "9p", 130, {.visible = "7777z"}},
    {"TiedRowsBreakTriple", kKnitted, 57, "1m 4p 555p 6p 7p 36s 12345z", "5p", 0},
    {"WholeRowByVisibility", kKnitted, 57, "147m 258p 369s 12345z", "8p", 10, {.visible = "88p"}},
    {"OffRowPairBySurplus", kKnitted, 57, "22m 147m 258p 369s 123z", "2m", 32},
    {"RowTripleByCount", kKnitted, 57, "444m 17m 258p 369s 123z", "4m", 20},
};

const ChooserCase kOrphansCases[] = {
    {"MiddlePairFirst", kOrphans, 77, "55p 19m 19p 19s 123456z", "5p", 900},
    {"HonourPairOfTwo", kOrphans, 77, "11m 9m 19p 19s 12345z 77z", "7z", 910},
    {"TerminalPairOfTwo", kOrphans, 77, "11m 99m 19p 19s 12345z 6z", "1m", 911},
    {"TripleOfOne", kOrphans, 77, "111m 9m 19p 19s 123456z", "1m", 10},
    {"MiddleOffRow", kOrphans, 77, "45m 19m 19p 19s 123456z", "5m", 20},
    {"RowMiddleLast", kOrphans, 77, "2m 19m 19p 19s 1234567z", "2m", 22, {.variant = 2}},
    {"OrphansAndTheirPair", kOrphans, 77, "199m 19p 19s 1234567z", "", 0},
};

class SevenPairs : public ChooserCaseTest {};
TEST_P(SevenPairs, Picks) { check(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Steps, SevenPairs, ::testing::ValuesIn(kSevenPairsCases), chooser_case_name);

class HonoursKnitted : public ChooserCaseTest {};
TEST_P(HonoursKnitted, Picks) { check(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Steps, HonoursKnitted, ::testing::ValuesIn(kKnittedCases), chooser_case_name);

class ThirteenOrphans : public ChooserCaseTest {};
TEST_P(ThirteenOrphans, Picks) { check(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Steps, ThirteenOrphans, ::testing::ValuesIn(kOrphansCases), chooser_case_name);

}  // namespace
