// The half-flush and full-flush choosers on worked hands; the variant of
// the one-suit chow and pung patterns names the suit in its tens. Seat 1 is
// East with dealer 1.
#include "com/aimed/aimed_rules.h"
#include "support/chooser_fixture.h"

namespace {

constexpr Chooser kHalf = discard_half_flush;
constexpr Chooser kFull = discard_full_flush;
constexpr int kBamboo = 2;
constexpr int kDots = 1;
constexpr int kEastSeat = 1;
constexpr int kPungEast = 231;

const ChooserCase kHalfFlushCases[] = {
    {"DeadHonourFirst", kHalf, 31, "5m 3z 123s 456s 789s 11z", "3z", 10, {.variant = kBamboo, .visible = "333z"}},
    {"RankGroupBeforeSlot", kHalf, 31, "5m 1p 123s 456s 789s 11z", "1p", 50, {.variant = kBamboo}},
    {"JoinedOffSuitOutsideIn", kHalf, 31, "45m 123s 456s 789s 11z", "4m", 51, {.variant = kBamboo}},
    {"FlagSeenHonour", kHalf, 31, "6z 4z 123s 456s 789s 55s", "6z", 30,
     {.variant = kBamboo, .visible = "66z", .flag = 1}},
    {"FlagGuestWindBeforeOwn", kHalf, 31, "2z 1z 123s 456s 789s 55s", "2z", 31,
     {.variant = kBamboo, .visible = "1z", .flag = 1, .dealer = kEastSeat}},
    {"FlagAnyHonour", kHalf, 31, "1z 5z 123s 456s 789s 55s", "5z", 32,
     {.variant = kBamboo, .visible = "5z", .flag = 1, .dealer = kEastSeat}},
    {"LoneHonourPair", kHalf, 31, "77z 123s 456s 789s 55s", "7z", 40, {.variant = kBamboo}},
    {"ThreeHonoursKept", kHalf, 31, "777z 123s 456s 789s 5s", "", 0, {.variant = kBamboo}},
    {"HonourMeldKeepsPair", kHalf, 31, "77z 123s 456s 55s", "", 0, {.variant = kBamboo, .meld = kPungEast}},
    {"SuitOutOfRange", kHalf, 31, "5m 1p 123s 456s 789s 11z", "", 0, {.variant = 3}},
};

const ChooserCase kFullFlushCases[] = {
    {"FirstCopyOfHonourQuad", kFull, 55, "1111z 123p 456p 789p", "1z", 0, {.variant = kDots}},
    {"DeadSingleHonours", kFull, 55, "3z 6z 123p 456p 789p 11p", "3z 6z", 1,
     {.variant = kDots, .visible = "333z 666z"}},
    {"EveryIsolatedSingle", kFull, 55, "1m 9s 123p 456p 789p 11p", "1m 9s", 100, {.variant = kDots}},
    {"GappedSingles", kFull, 55, "1m 3m 123p 456p 789p 11p", "1m 3m", 110, {.variant = kDots}},
    {"OneSidedSingles", kFull, 55, "12m 123p 456p 789p 11p", "1m 2m", 120, {.variant = kDots}},
    {"BothCopiesOfAPair", kFull, 55, "55m 123p 456p 789p 11p", "5m 5m", 11, {.variant = kDots}},
    {"QuadrupleChowSuitInTens", kFull, 65, "5m 1s 345p 345p 345p 99p", "5m 1s", 100, {.variant = 13}},
    {"ShiftedChowsSuitInTens", kFull, 62, "55p 123s 234s 345s 456s", "5p 5p", 12, {.variant = 24}},
    {"LoneSeenHonourKept", kFull, 55, "5z 123p 456p 789p 11p", "", 0, {.variant = kDots, .visible = "5z"}},
    {"FlagSeenHonours", kFull, 55, "4z 5z 123p 456p 789p 11p", "4z 5z", 20,
     {.variant = kDots, .visible = "44z 55z", .flag = 1}},
    {"FlagGuestWinds", kFull, 55, "1z 3z 4z 123p 456p 789p 1p", "3z 4z", 21,
     {.variant = kDots, .flag = 1, .dealer = kEastSeat}},
    {"FlagLeastSeenHonours", kFull, 55, "1z 5z 123p 456p 789p 11p", "5z", 22,
     {.variant = kDots, .visible = "5z", .flag = 1, .dealer = kEastSeat}},
    {"TwoHonourSlots", kFull, 55, "2z 5z 123p 456p 789p 11p", "2z 5z", 23, {.variant = kDots}},
    {"PungVariantOutOfRange", kFull, 66, "55m 123p 456p 789p 11p", "", 0, {.variant = 31}},
};

class HalfFlush : public ChooserCaseTest {};
TEST_P(HalfFlush, Picks) { check(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Steps, HalfFlush, ::testing::ValuesIn(kHalfFlushCases), chooser_case_name);

class FullFlush : public ChooserCaseTest {};
TEST_P(FullFlush, Picks) { check(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Steps, FullFlush, ::testing::ValuesIn(kFullFlushCases), chooser_case_name);

}  // namespace
