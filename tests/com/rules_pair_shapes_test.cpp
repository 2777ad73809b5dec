// Rules 41 to 44 on worked hands.
#include "com/turn/generic_rules.h"
#include "support/rule_fixture.h"

namespace {

constexpr GenericRule kRule41 = [](int seat, int) { discard_rule_41_adjacent_pairs(seat); };
constexpr GenericRule kRule42 = [](int seat, int) { discard_rule_42_simples_shapes(seat); };
constexpr GenericRule kRule43 = [](int seat, int) { discard_rule_43_pair_beside_single(seat); };
constexpr GenericRule kRule44 = [](int seat, int) { discard_rule_44_pair_gap_single(seat); };

const RuleCase kRule41Cases[] = {
    {.name = "InnerPairOfOneTwoWithManyTerminals", .rule = kRule41, .hand = "1122m 59p 17s", .expect = "2m",
     .reason = 41, .subcode = 10, .mirror_subcode = 10},
    {.name = "TerminalPairOfOneTwoWithFewTerminals", .rule = kRule41, .hand = "1122m 5p 7s", .expect = "1m",
     .reason = 41, .subcode = 10, .mirror_subcode = 10},
    {.name = "PairNearerTheFiveManyTerminals", .rule = kRule41, .hand = "2233m 59p 17s", .expect = "3m", .reason = 41,
     .subcode = 10},
    {.name = "PairNearerTheFiveFewTerminals", .rule = kRule41, .hand = "2233m 5p 7s", .expect = "3m", .reason = 41,
     .subcode = 10},
    {.name = "TileTwoRanksOffRefusesThePair", .rule = kRule41, .hand = "33446m 5p 7s"},
    {.name = "MoreVisibleLowerPair", .rule = kRule41, .hand = "33446m 5p 7s", .visible = "3m", .expect = "3m",
     .reason = 41, .subcode = 0, .mirror_subcode = 1},
    {.name = "MoreVisibleUpperPairRefused", .rule = kRule41, .hand = "33446m 5p 7s", .visible = "4m"},
    {.name = "RunsSetAsideWhole", .rule = kRule41, .hand = "1112223m 5p 7s"},
    {.name = "NotNeutralKept", .rule = kRule41, .hand = "2233m 5p 7s", .not_neutral = "3m"},
};

const RuleCase kRule42Cases[] = {
    {.name = "PairAboveSingle", .rule = kRule42, .hand = "344m 77p 5s", .expect = "4m", .reason = 42, .subcode = 0,
     .mirror_subcode = 1},
    {.name = "PairBelowSingle", .rule = kRule42, .hand = "445m 77p 5s", .expect = "4m", .reason = 42, .subcode = 1},
    {.name = "OnePlainPairIsNotEnough", .rule = kRule42, .hand = "344m 8p 5s"},
    {.name = "LiveValueHonourPairIsEnough", .rule = kRule42, .hand = "344m 8p 5s 77z", .expect = "4m", .reason = 42},
    {.name = "HalfDeadValueHonourPairIsNot", .rule = kRule42, .hand = "344m 8p 5s 77z", .visible = "77z"},
    {.name = "AimKeepingPairShapes", .rule = kRule42, .hand = "344m 77p 5s", .target = 49},
    {.name = "LoneTerminalBesidePairOfTwos", .rule = kRule42, .hand = "122p 456m 678s 5m", .not_neutral = "1p",
     .expect = "1p", .reason = 42, .subcode = 100, .mirror_subcode = 101},
    {.name = "LoneTerminalNeedsNoAim", .rule = kRule42, .hand = "122p 456m 678s 5m", .not_neutral = "1p2p",
     .target = 62},
};

const RuleCase kRule43Cases[] = {
    {.name = "ThreePairs", .rule = kRule43, .hand = "344m 77p 22s", .expect = "4m", .reason = 43, .subcode = 0,
     .mirror_subcode = 1},
    {.name = "TwoPlainPairsNothing", .rule = kRule43, .hand = "344m 77p 5s"},
    {.name = "TerminalShapeLeftToRule42", .rule = kRule43, .hand = "122m 77p 55s 9s"},
};

const RuleCase kRule44Cases[] = {
    {.name = "SingleTwoBelowPair", .rule = kRule44, .hand = "355m 77p 22s", .expect = "5m", .reason = 44,
     .subcode = 0, .mirror_subcode = 1},
    {.name = "PairTwoBelowSingle", .rule = kRule44, .hand = "335m 77p 22s", .expect = "3m", .reason = 44,
     .subcode = 1},
    {.name = "FilledGapIsNoShape", .rule = kRule44, .hand = "3455m 77p 22s"},
};

}  // namespace

INSTANTIATE_TEST_SUITE_P(Rule41, RuleCaseTest, ::testing::ValuesIn(kRule41Cases), case_name);
INSTANTIATE_TEST_SUITE_P(Rule42, RuleCaseTest, ::testing::ValuesIn(kRule42Cases), case_name);
INSTANTIATE_TEST_SUITE_P(Rule43, RuleCaseTest, ::testing::ValuesIn(kRule43Cases), case_name);
INSTANTIATE_TEST_SUITE_P(Rule44, RuleCaseTest, ::testing::ValuesIn(kRule44Cases), case_name);
