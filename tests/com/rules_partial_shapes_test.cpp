// Rules 10 to 12 on worked hands. Filler honours (111z 222z 333z) stand in
// for the rest of a hand: they are never neighbours of a suited tile.
#include "com/turn/generic_rules.h"
#include "support/rule_fixture.h"

namespace {

constexpr GenericRule kRule10 = [](int seat, int strict) { discard_rule_10_edge_partial(seat, strict); };
constexpr GenericRule kRule11 = [](int seat, int strict) { discard_rule_11_terminal_closed(seat, strict); };
constexpr GenericRule kRule12 = [](int seat, int strict) { discard_rule_12_closed_partial(seat, strict); };

const RuleCase kRule10Cases[] = {
    {.name = "LeastLiveCompletingTileFirst", .rule = kRule10, .hand = "12m 12p 5s 111z 222z 333z", .visible = "3333p",
     .expect = "1p", .reason = 10, .subcode = 0, .mirror_subcode = 1},
    {.name = "EqualCountsLowerSlot", .rule = kRule10, .hand = "12m 12p 5s 111z 222z 333z", .expect = "1m", .reason = 10},
    {.name = "FourthRankHeldSecondPass", .rule = kRule10, .hand = "124m 5s 111z 222z 333z 4z", .expect = "1m",
     .reason = 10, .subcode = 10, .mirror_subcode = 11},
    {.name = "IsolatedEdgeBeforeFourthRankHeld", .rule = kRule10, .hand = "124m 12p 111z 222z 333z",
     .visible = "3333m", .expect = "1p", .reason = 10, .subcode = 0, .mirror_subcode = 1},
    {.name = "NotNeutralNeverTaken", .rule = kRule10, .hand = "12m 5s 111z 222z 333z 44z", .not_neutral = "1m",
     .mirror_subcode = 0},
    {.name = "ShapeReadOnThePool", .rule = kRule10, .hand = "123m 5p 111z 222z 333z 4z",
     .pool = "12m 5p 111z 222z 333z 4z", .expect = "1m", .reason = 10, .mirror_subcode = 1},
    {.name = "PartnerKeptOutOfPool", .rule = kRule10, .hand = "12m 5p 111z 222z 333z 44z",
     .pool = "1m 5p 111z 222z 333z 44z"},
    {.name = "PairIsNoPartial", .rule = kRule10, .hand = "112m 5p 111z 222z 333z 4z"},
    {.name = "StrictNeedsAnAim", .rule = kRule10, .arg = 1, .hand = "12m 5p 111z 222z 333z 44z", .best_blocks = 6},
    {.name = "StrictNeedsSixBlocks", .rule = kRule10, .arg = 1, .hand = "12m 5p 111z 222z 333z 44z", .target = 49,
     .best_blocks = 5},
    {.name = "StrictOpen", .rule = kRule10, .arg = 1, .hand = "12m 5p 111z 222z 333z 44z", .target = 49,
     .best_blocks = 6, .expect = "1m", .reason = 10},
};

const RuleCase kRule11Cases[] = {
    {.name = "LowerSlotOnTie", .rule = kRule11, .hand = "13m 79m 111z 222z 333z 4z", .expect = "1m", .reason = 11},
    {.name = "MoreVisibleMiddleFirst", .rule = kRule11, .hand = "13m 79m 111z 222z 333z 4z", .visible = "88m",
     .expect = "9m", .reason = 11, .subcode = 1},
    {.name = "FourBesideQualifies", .rule = kRule11, .hand = "134m 111z 222z 333z 44z", .expect = "1m", .reason = 11,
     .mirror_subcode = 1},
    {.name = "RunIsNoClosedPartial", .rule = kRule11, .hand = "123m 111z 222z 333z 44z", .mirror_subcode = 0},
    {.name = "StrictNeedsAnAim", .rule = kRule11, .arg = 1, .hand = "13m 111z 222z 333z 444z", .best_blocks = 7},
};

const RuleCase kRule12Cases[] = {
    {.name = "ThreeOfThreeFiveSevenOnTie", .rule = kRule12, .hand = "357m 111z 222z 333z 44z", .expect = "3m",
     .reason = 12},
    {.name = "SevenWhenItsMiddleIsMoreSeen", .rule = kRule12, .hand = "357m 111z 222z 333z 44z", .visible = "66m",
     .expect = "7m", .reason = 12, .subcode = 1, .mirror_subcode = 0},
    {.name = "FiveNeverTaken", .rule = kRule12, .hand = "357m 111z 222z 333z 44z", .not_neutral = "37m",
     .mirror_subcode = 0},
    {.name = "TwoBlocksTheFourAsLowerTile", .rule = kRule12, .hand = "246m 111z 222z 333z 44z", .visible = "5555m",
     .expect = "6m", .reason = 12, .subcode = 1, .mirror_subcode = 0},
    {.name = "PairedPartnerSecondPass", .rule = kRule12, .hand = "355m 111z 222z 333z 44z", .expect = "3m",
     .reason = 12, .subcode = 10, .mirror_subcode = 11},
    {.name = "SeenCountsTheHandsMiddleTile", .rule = kRule12, .hand = "345m 79p 111z 222z 33z",
     .pool = "35m 79p 111z 222z 33z", .expect = "3m", .reason = 12},
    {.name = "TerminalsFirstAtEqualSeen", .rule = kRule12, .hand = "46m 79p 111z 222z 333z", .expect = "9p",
     .reason = 12, .subcode = 1},
    {.name = "NineOfTheSuitBelowIsNoNeighbour", .rule = kRule12, .hand = "13p 9m 111z 222z 333z", .expect = "1p",
     .reason = 12},
    {.name = "StrictNeedsSixBlocks", .rule = kRule12, .arg = 1, .hand = "35m 111z 222z 333z 444z", .target = 27,
     .best_blocks = 5},
};

}  // namespace

TEST_P(RuleCaseTest, Proposes) { check(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Rule10, RuleCaseTest, ::testing::ValuesIn(kRule10Cases), case_name);
INSTANTIATE_TEST_SUITE_P(Rule11, RuleCaseTest, ::testing::ValuesIn(kRule11Cases), case_name);
INSTANTIATE_TEST_SUITE_P(Rule12, RuleCaseTest, ::testing::ValuesIn(kRule12Cases), case_name);
