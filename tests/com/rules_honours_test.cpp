// Rules 50 to 54 on worked hands. Seat 1 is South with dealer 0, North with
// dealer 2 and East with dealer 1.
#include "com/turn/generic_rules.h"
#include "support/rule_fixture.h"

namespace {

constexpr GenericRule kRule50 = [](int seat, int) { discard_rule_50_dead_honour(seat); };
constexpr GenericRule kRule51 = [](int seat, int) { discard_rule_51_fourth_honour(seat); };
constexpr GenericRule kRule52 = [](int seat, int) { discard_rule_52_single_honours(seat); };
constexpr GenericRule kRule53 = [](int seat, int) { discard_rule_53_single_honour(seat); };
constexpr GenericRule kRule54 = [](int seat, int) { discard_rule_54_lone_honour_pair(seat); };

constexpr int kNorthSeatDealer = 2;
constexpr int kEastSeatDealer = 1;
constexpr int kSouthRound = 1;

const RuleCase kHonourCases[] = {
    {.name = "Rule50SingleWithThreeVisible", .rule = kRule50, .hand = "2z 7z 123m 456p", .visible = "777z",
     .expect = "7z", .reason = 50},
    {.name = "Rule50PairWithTwoVisibleKept", .rule = kRule50, .hand = "77z 123m 456p", .visible = "77z"},
    {.name = "Rule50NotNeutralKept", .rule = kRule50, .hand = "7z 123m 456p", .visible = "777z", .not_neutral = "7z"},
    {.name = "Rule51FourOfAKind", .rule = kRule51, .hand = "5555z 123m 456p", .expect = "5z", .reason = 51},
    {.name = "Rule51SevenPairsKeepsIt", .rule = kRule51, .hand = "5555z 123m 456p", .target = 56},
    {.name = "Rule52OneWindSetGivesUpAWind", .rule = kRule52, .hand = "111z 2z 5z 3p 5p 79s", .expect = "2z",
     .reason = 52, .subcode = 10, .dealer = kNorthSeatDealer},
    {.name = "Rule52OneWindSetKeepsDragons", .rule = kRule52, .hand = "111z 5z 3p 5p 79s", .dealer = kNorthSeatDealer},
    {.name = "Rule52WindAndDragonPairsKeepAll", .rule = kRule52, .hand = "22z 66z 3z 4z 123m"},
    {.name = "Rule52NoSetGuestWindFirst", .rule = kRule52, .hand = "2z 3z 5z 123m", .expect = "3z", .reason = 52},
    {.name = "Rule52NoSetMostVisibleFirst", .rule = kRule52, .hand = "2z 3z 5z 123m", .visible = "5z", .expect = "5z",
     .reason = 52, .subcode = 1},
    {.name = "Rule52TwoWindSetsGiveUpADragon", .rule = kRule52, .hand = "111z 222z 5z 6z 123m", .expect = "5z",
     .reason = 52, .subcode = 20},
    {.name = "Rule53GuestWindFirst", .rule = kRule53, .hand = "1z 3z 7z 123m", .expect = "3z", .reason = 53},
    {.name = "Rule53DoubleWindKeptLongest", .rule = kRule53, .hand = "1z 7z 123m", .expect = "7z", .reason = 53,
     .subcode = 1, .dealer = kEastSeatDealer},
    {.name = "Rule53MostVisibleFirst", .rule = kRule53, .hand = "1z 3z 7z 123m", .visible = "11z", .expect = "1z",
     .reason = 53, .subcode = 2},
    {.name = "Rule54LiveDoubleWindPairKept", .rule = kRule54, .hand = "22z 123m 456p 789s", .visible = "2z",
     .round_wind = kSouthRound},
    {.name = "Rule54HalfDeadDoubleWindPairBroken", .rule = kRule54, .hand = "22z 123m 456p 789s", .visible = "22z",
     .expect = "2z", .reason = 54, .round_wind = kSouthRound},
    {.name = "Rule54ShiftedChowsNeedsTwoPairs", .rule = kRule54, .hand = "66z 123m 456p 789s", .target = 27,
     .best_blocks = 6, .best_pairs = 1},
    {.name = "Rule54ShiftedChowsBreaksIt", .rule = kRule54, .hand = "66z 123m 456p 789s", .target = 27,
     .best_blocks = 6, .best_pairs = 2, .expect = "6z", .reason = 54},
    {.name = "Rule54HonourMeldKeepsIt", .rule = kRule54, .hand = "66z 123m 45p", .pung = 35},
    {.name = "Rule54SecondHonourKindKeepsIt", .rule = kRule54, .hand = "66z 1z 123m 45p"},
};

}  // namespace

INSTANTIATE_TEST_SUITE_P(Honours, RuleCaseTest, ::testing::ValuesIn(kHonourCases), case_name);
