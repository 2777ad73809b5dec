// Rules 60 to 62 on worked hands.
#include "com/turn/generic_rules.h"
#include "support/rule_fixture.h"

namespace {

constexpr GenericRule kRule60 = [](int seat, int mode) { discard_rule_60_dead_neighbours(seat, mode); };
constexpr GenericRule kRule61 = [](int seat, int) { discard_rule_61_dead_terminal(seat); };
constexpr GenericRule kRule62 = [](int seat, int) { discard_rule_62_dead_two_eight(seat); };

constexpr const char* kDotsHand = "2555678999p 5s 1z";  // ten dots or more: a one-suit hand
constexpr int kShiftedChowsFromOne = 1;                  // 123m 234p 345s

const RuleCase kRule60Cases[] = {
    {.name = "DeadSingleEvenIfNotNeutral", .rule = kRule60, .hand = "5m 111z 222z 3z", .visible = "4444m 7777m",
     .not_neutral = "5m", .expect = "5m", .reason = 60, .subcode = 902, .mirror_subcode = 908},
    {.name = "Mode1DeadSingleInTheFlushSuit", .rule = kRule60, .arg = 1, .hand = kDotsHand, .visible = "1111p 4444p",
     .expect = "2p", .reason = 60, .subcode = 902},
    {.name = "Mode1SparesTheFlushSuit", .rule = kRule60, .arg = 1, .hand = kDotsHand, .expect = "5s", .reason = 60,
     .subcode = 1000},
    {.name = "Mode0TakesTheFlushSuitToo", .rule = kRule60, .arg = 0, .hand = kDotsHand, .expect = "2p", .reason = 60,
     .subcode = 0},
    {.name = "Mode1NeedsAOneSuitHand", .rule = kRule60, .arg = 1, .hand = "2555678p 5s 1z 99m"},
    {.name = "Mode1NothingWithADeclaredMeld", .rule = kRule60, .arg = 1, .hand = "2555678999p", .visible = "1111p 4444p",
     .pung = 31},
    {.name = "LoneTerminalOfAConcealedHand", .rule = kRule60, .hand = "1m 456p 345s 678s 5m", .expect = "1m",
     .reason = 60, .subcode = 900, .mirror_subcode = 900},
    {.name = "BareEndOfALongConcealedShape", .rule = kRule60, .hand = "344567m 111z 2z", .pool = "4m 111z 2z",
     .expect = "4m", .reason = 60, .subcode = 900, .mirror_subcode = 901},
    {.name = "ShiftedChowsTileBeforeIsolatedTerminal", .rule = kRule60, .hand = "9p 3s 57z", .target = 27,
     .expect = "3s", .reason = 60, .subcode = 910, .target_variant = kShiftedChowsFromOne},
    {.name = "IsolatedTerminalWithoutTheAim", .rule = kRule60, .hand = "9p 3s 57z", .expect = "9p", .reason = 60},
    {.name = "FewerConcealedCopiesBeforeNeutral", .rule = kRule60, .hand = "13m 99p 5z", .pool = "1m 9p 5z",
     .not_neutral = "1m", .expect = "1m", .reason = 60, .subcode = 320},
    {.name = "ConcealedNeighbourLast", .rule = kRule60, .hand = "12m 5z", .pool = "1m 5z", .expect = "1m",
     .reason = 60, .subcode = 10},
};

const RuleCase kRule61Cases[] = {
    {.name = "DeadTerminal", .rule = kRule61, .hand = "1s 456m 111z 22z 3z", .visible = "2222s", .not_neutral = "1s",
     .expect = "1s", .reason = 61, .subcode = 901, .mirror_subcode = 909},
    {.name = "TerminalOfAGappedChainWithSixBlocks", .rule = kRule61, .hand = "1246s 111z 222z 3z", .best_blocks = 6,
     .expect = "1s", .reason = 61, .subcode = 801, .mirror_subcode = 809},
    {.name = "GappedChainNeedsSixBlocks", .rule = kRule61, .hand = "1246s 111z 222z 3z", .best_blocks = 5},
    {.name = "IsolatedTerminal", .rule = kRule61, .hand = "1s 5s 111z 222z", .expect = "1s", .reason = 61},
    {.name = "EdgeAndGapMostVisibleThreeFirst", .rule = kRule61, .hand = "124m 124p 5z", .visible = "33p",
     .expect = "1p", .reason = 61, .subcode = 101, .mirror_subcode = 109},
    {.name = "TerminalBeforeARunOfTwo", .rule = kRule61, .hand = "134m 5z", .expect = "1m", .reason = 61,
     .subcode = 111, .mirror_subcode = 119},
    {.name = "TerminalBesideAPung", .rule = kRule61, .hand = "12224m 5z", .expect = "1m", .reason = 61,
     .subcode = 121, .mirror_subcode = 129},
    {.name = "TerminalBesideALongRun", .rule = kRule61, .hand = "124567m 5z", .expect = "1m", .reason = 61,
     .subcode = 30, .mirror_subcode = 31},
};

const RuleCase kRule62Cases[] = {
    {.name = "DeadEight", .rule = kRule62, .hand = "8p 111z 222z 3z", .visible = "7777p", .expect = "8p",
     .reason = 62, .subcode = 908, .mirror_subcode = 902},
    {.name = "ThreeVisibleIsNotDead", .rule = kRule62, .hand = "24p 111z 222z", .visible = "333p"},
    {.name = "IsolatedTwo", .rule = kRule62, .hand = "2p 111z 222z", .expect = "2p", .reason = 62,
     .mirror_subcode = 0},
    {.name = "MiddleTilesLeftAlone", .rule = kRule62, .hand = "3p 5m 7s 111z 222z"},
};

}  // namespace

INSTANTIATE_TEST_SUITE_P(Rule60, RuleCaseTest, ::testing::ValuesIn(kRule60Cases), case_name);
INSTANTIATE_TEST_SUITE_P(Rule61, RuleCaseTest, ::testing::ValuesIn(kRule61Cases), case_name);
INSTANTIATE_TEST_SUITE_P(Rule62, RuleCaseTest, ::testing::ValuesIn(kRule62Cases), case_name);
