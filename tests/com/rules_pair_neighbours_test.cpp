// Rules 30 to 35 on worked hands; most cases are checked mirrored as well.
#include "com/turn/generic_rules.h"
#include "support/rule_fixture.h"

namespace {

constexpr GenericRule kRule30 = [](int seat, int) { discard_rule_30_leftover_beside_pairs(seat); };
constexpr GenericRule kRule31 = [](int seat, int) { discard_rule_31_lone_three_apart(seat); };
constexpr GenericRule kRule32 = [](int seat, int strict) { discard_rule_32_closed_on_pair(seat, strict); };
constexpr GenericRule kRule33 = [](int seat, int strict) { discard_rule_33_single_below_pair(seat, strict); };
constexpr GenericRule kRule34 = [](int seat, int) { discard_rule_34_spaced_singles(seat); };
constexpr GenericRule kRule35 = [](int seat, int strict) { discard_rule_35_long_shape(seat, strict); };

const RuleCase kRule30Cases[] = {
    {.name = "RunOfConcealedPairs", .rule = kRule30, .hand = "4455m 111z 222z 333z 4z",
     .pool = "45m 111z 222z 333z 4z", .expect = "4m", .reason = 30, .subcode = 100, .mirror_subcode = 101},
    {.name = "RunAloneInTheHand", .rule = kRule30, .hand = "45m 111z 222z 333z 44z", .expect = "4m", .reason = 30,
     .subcode = 0, .mirror_subcode = 1},
    {.name = "RunOpenOnTheOuterSide", .rule = kRule30, .hand = "456m 111z 222z 333z 4z",
     .pool = "45m 111z 222z 333z 4z", .expect = "4m", .reason = 30, .subcode = 10, .mirror_subcode = 11},
    {.name = "RunOfPairsInALongerShape", .rule = kRule30, .hand = "344556m 111z 222z", .pool = "45m 111z 222z",
     .expect = "4m", .reason = 30, .subcode = 110},
    {.name = "RunOfPairsTowardNineIsNoMirror", .rule = kRule30, .hand = "35566788m 111z 2z", .pool = "567m 111z 2z",
     .expect = "6m", .reason = 30, .subcode = 111},
    {.name = "NotNeutralKept", .rule = kRule30, .hand = "45m 111z 222z 333z 44z", .not_neutral = "45m"},
};

const RuleCase kRule31Cases[] = {
    {.name = "SingleBelowATwoTileRun", .rule = kRule31, .hand = "134m 111z 222z 333z 44z", .expect = "1m",
     .reason = 31, .subcode = 0, .mirror_subcode = 1},
    {.name = "LongerRunNothing", .rule = kRule31, .hand = "1345m 111z 222z 333z 4z", .mirror_subcode = 0},
    {.name = "NotNeutralKept", .rule = kRule31, .hand = "134m 111z 222z 333z 44z", .not_neutral = "1m"},
};

const RuleCase kRule32Cases[] = {
    {.name = "SingleBesideClosedPartialOnPair", .rule = kRule32, .hand = "2455m 111z 222z 333z 4z", .expect = "2m",
     .reason = 32, .subcode = 0, .mirror_subcode = 1},
    {.name = "PoolTileBeyondBlocks", .rule = kRule32, .hand = "24557m 111z 222z 333z", .mirror_subcode = 0},
    {.name = "ShapeReadOnTheConcealedHand", .rule = kRule32, .hand = "2455m 111z 222z 333z 4z",
     .pool = "2m 111z 222z 333z 4z", .expect = "2m", .reason = 32},
    {.name = "StrictNeedsAPair", .rule = kRule32, .arg = 1, .hand = "2455m 111z 222z 333z 4z", .target = 49,
     .best_blocks = 6, .best_pairs = 0},
    {.name = "StrictOpen", .rule = kRule32, .arg = 1, .hand = "2455m 111z 222z 333z 4z", .target = 49,
     .best_blocks = 6, .best_pairs = 1, .expect = "2m", .reason = 32},
};

const RuleCase kRule33Cases[] = {
    {.name = "TerminalBelowPairFirst", .rule = kRule33, .hand = "1224m 111z 222z 333z 4z", .expect = "1m",
     .reason = 33, .subcode = 901, .mirror_subcode = 909},
    {.name = "SingleBelowGappedPair", .rule = kRule33, .hand = "1334m 111z 222z 333z 4z", .expect = "1m", .reason = 33,
     .subcode = 0, .mirror_subcode = 1},
    {.name = "StrictNeedsAnAim", .rule = kRule33, .arg = 1, .hand = "1334m 111z 222z 333z 4z", .best_blocks = 6},
};

const RuleCase kRule34Cases[] = {
    {.name = "PairBetweenSingles", .rule = kRule34, .hand = "3557m 1234567z 9p", .best_pairs = 2,
     .expect = "5m", .reason = 34, .subcode = 0, .mirror_subcode = 0},
    {.name = "OpenHandSkipsThePair", .rule = kRule34, .hand = "3557m 222z 33z 4z", .best_pairs = 2, .expect = "3m",
     .reason = 33, .subcode = 10, .pung = 31},
    {.name = "FourConcealedPairsSkipThePair", .rule = kRule34, .hand = "3557m 11z 22z 33z", .pool = "3557m",
     .best_pairs = 2, .expect = "3m", .reason = 33, .subcode = 10},
    {.name = "SingleTwoBelowPair", .rule = kRule34, .hand = "1335m 111z 222z 333z 4z", .expect = "1m", .reason = 33,
     .subcode = 10, .mirror_subcode = 11},
    {.name = "ChainOfPairs", .rule = kRule34, .hand = "1223446m 111z 222z 3z", .expect = "2m", .reason = 33,
     .subcode = 110, .mirror_subcode = 111},
};

const RuleCase kRule35Cases[] = {
    {.name = "OneGapChainEndingInPair", .rule = kRule35, .hand = "1355m 111z 222z 333z 4z", .expect = "1m",
     .reason = 35, .subcode = 0, .mirror_subcode = 1},
    {.name = "StrictNeedsAPair", .rule = kRule35, .arg = 1, .hand = "1355m 111z 222z 333z 4z", .target = 49,
     .best_blocks = 6, .best_pairs = 0},
};

}  // namespace

INSTANTIATE_TEST_SUITE_P(Rule30, RuleCaseTest, ::testing::ValuesIn(kRule30Cases), case_name);
INSTANTIATE_TEST_SUITE_P(Rule31, RuleCaseTest, ::testing::ValuesIn(kRule31Cases), case_name);
INSTANTIATE_TEST_SUITE_P(Rule32, RuleCaseTest, ::testing::ValuesIn(kRule32Cases), case_name);
INSTANTIATE_TEST_SUITE_P(Rule33, RuleCaseTest, ::testing::ValuesIn(kRule33Cases), case_name);
INSTANTIATE_TEST_SUITE_P(Rule34, RuleCaseTest, ::testing::ValuesIn(kRule34Cases), case_name);
INSTANTIATE_TEST_SUITE_P(Rule35, RuleCaseTest, ::testing::ValuesIn(kRule35Cases), case_name);
