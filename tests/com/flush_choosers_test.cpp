// The half-flush and full-flush choosers on worked hands; the variant of
// the one-suit chow and pung patterns names the suit in its tens.
#include "com/aimed/aimed_rules.h"
#include "support/chooser_fixture.h"

namespace {

constexpr int kDots = 1;
constexpr int kBamboo = 2;
constexpr int kEastSeat = 1;
constexpr int kPungEast = 231;

const ChooserCase kHalfFlushCases[] = {
    {"HonourQuad", "1111z 5m 123s 456s 789s", "1z", 0, {.variant = kBamboo}},
    {"DeadHonourFirst", "5m 3z 123s 456s 789s 11z", "3z", 10, {.variant = kBamboo, .visible = "333z"}},
    {"RankGroupBeforeSlot", "5m 1p 123s 456s 789s 11z", "1p", 50, {.variant = kBamboo}},
    {"JoinedOffSuitOutsideIn", "45m 123s 456s 789s 11z", "4m", 51, {.variant = kBamboo}},
    {"FlagSeenHonour", "6z 4z 123s 456s 789s 55s", "6z", 30, {.variant = kBamboo, .visible = "66z", .flag = 1}},
    {"FlagGuestWindBeforeOwn", "2z 3z 1z 123s 456s 789s 5s", "3z", 31,
     {.variant = kBamboo, .visible = "1z 3z", .flag = 1, .dealer = kEastSeat}},
    {"FlagAnyHonour", "1z 5z 123s 456s 789s 55s", "1z", 32,
     {.variant = kBamboo, .visible = "1z", .pool = "1z 5z", .flag = 1, .dealer = kEastSeat}},
    {"LoneHonourPair", "77z 123s 456s 789s 55s", "7z", 40, {.variant = kBamboo}},
    {"ThreeHonoursKept", "777z 123s 456s 789s 5s", "", 0, {.variant = kBamboo}},
    {"HonourMeldKeepsPair", "77z 123s 456s 55s", "", 0, {.variant = kBamboo, .meld = kPungEast}},
    {"CharactersKept", "1p 123m 456m 789m 11z", "1p", 50},
    {"SuitOutOfRange", "5m 1p 123s 456s 789s 11z", "", 0, {.variant = 3}},
};

const ChooserCase kFullFlushCases[] = {
    {"FirstCopyOfHonourQuad", "1111z 5m 123p 456p 789p", "1z", 0, {.variant = kDots}},
    {"DeadSingleHonour", "3z 5m 123p 456p 789p 11p", "3z", 1, {.variant = kDots, .visible = "333z"}},
    {"EveryIsolatedSingle", "1m 9s 123p 456p 789p 11p", "1m 9s", 100, {.variant = kDots}},
    {"GappedSingles", "1m 3m 123p 456p 789p 11p", "1m 3m", 110, {.variant = kDots}},
    {"GappedSingle", "11m 3m 123p 456p 789p 1p", "3m", 110, {.variant = kDots}},
    {"OneSidedSingles", "123m 123p 456p 789p 11p", "1m 3m", 120, {.variant = kDots}},
    {"OneSidedSingle", "1m 22m 123p 456p 789p 1p", "1m", 120, {.variant = kDots}},
    {"BothCopiesOfAPair", "55m 123p 456p 789p 11p", "5m 5m", 11, {.variant = kDots}},
    {"JoinedSingleBeforePair", "123m 55s 123p 456p 78p", "2m", 11, {.variant = kDots, .pool = "2m 55s 123p 456p 78p"}},
    {"EveryCopyOfAQuad", "5555m 123p 456p 789p", "5m 5m 5m 5m", 11, {.variant = kDots}},
    {"QuadrupleChowSuitInTens", "5m 1s 345p 345p 345p 99p", "5m 1s", 100, {.variant = 13, .target = 65}},
    {"ShiftedChowsSuitInTens", "55p 123s 234s 345s 456s", "5p 5p", 12, {.variant = 24, .target = 62}},
    {"LoneSeenHonourKept", "5z 123p 456p 789p 11p", "", 0, {.variant = kDots, .visible = "5z"}},
    {"FlagSeenHonours", "4z 5z 123p 456p 789p 11p", "4z 5z", 20, {.variant = kDots, .visible = "44z 55z", .flag = 1}},
    {"FlagSeenHonour", "4z 5z 123p 456p 789p 11p", "4z", 20, {.variant = kDots, .visible = "44z 5z", .flag = 1}},
    {"FlagGuestWinds", "1z 3z 4z 123p 456p 789p 1p", "3z 4z", 21, {.variant = kDots, .flag = 1, .dealer = kEastSeat}},
    {"FlagLeastSeenHonours", "1z 5z 123p 456p 789p 11p", "5z", 22,
     {.variant = kDots, .visible = "5z", .flag = 1, .dealer = kEastSeat}},
    {"TwoHonourSlots", "2z 7z 123p 456p 789p 11p", "2z 7z", 23, {.variant = kDots, .pool = "2z 7z"}},
    {"PungVariantOutOfRange", "55m 123p 456p 789p 11p", "", 0, {.variant = 31, .target = 66}},
};

class HalfFlush : public ChooserCaseTest {};
TEST_P(HalfFlush, Picks) { check(discard_half_flush, 31, GetParam()); }
INSTANTIATE_TEST_SUITE_P(Steps, HalfFlush, ::testing::ValuesIn(kHalfFlushCases), chooser_case_name);

class FullFlush : public ChooserCaseTest {};
TEST_P(FullFlush, Picks) { check(discard_full_flush, 55, GetParam()); }
INSTANTIATE_TEST_SUITE_P(Steps, FullFlush, ::testing::ValuesIn(kFullFlushCases), chooser_case_name);

}  // namespace
