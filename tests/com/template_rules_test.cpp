// Template leftover rules 500 to 560 on worked leftovers. Unless a case
// names a pool, the hand is what the template keeper left in the pool.
#include "com/turn/cascade_places.h"
#include "support/hand_builder.h"
#include "support/rule_fixture.h"
#include "table/table_state.h"

namespace {

template <void (*Rule)(int)>
void as_generic(int seat, int) { Rule(seat); }

constexpr GenericRule k500 = as_generic<discard_rule_500_template_leftover>;
constexpr GenericRule k520 = as_generic<discard_rule_520_template_leftover>;
constexpr GenericRule k521 = as_generic<discard_rule_521_template_leftover>;
constexpr GenericRule k530 = as_generic<discard_rule_530_template_leftover>;
constexpr GenericRule k540 = as_generic<discard_rule_540_template_leftover>;
constexpr GenericRule k550 = as_generic<discard_rule_550_template_leftover>;
constexpr GenericRule k551 = as_generic<discard_rule_551_template_leftover>;

const RuleCase kCases[] = {
    // 500: six leftovers holding a waiting shape; the single past a pair and a single
    {.name = "R500TwoPairs", .rule = k500, .hand = "334m 6m 99p", .target = 49, .expect = "6m", .reason = 500,
     .mirror_subcode = 10},
    {.name = "R500BeyondPairAtRankFour", .rule = k500, .hand = "112m 4m 99p", .target = 49, .expect = "4m",
     .reason = 500, .mirror_subcode = 10},
    {.name = "R500DeadEdgeRun", .rule = k500, .hand = "334m 6m 12p", .visible = "3333p", .target = 49,
     .mirror_subcode = 0},
    {.name = "R500NoWaitingShape", .rule = k500, .hand = "334m 6m 9p 5s", .target = 49},
    {.name = "R500LiveRun", .rule = k500, .hand = "334m 6m 78p", .target = 34, .expect = "6m", .reason = 500},
    {.name = "R500DeadRun", .rule = k500, .hand = "334m 6m 78p", .visible = "6666p 9999p", .target = 34},
    {.name = "R500LiveClosedPair", .rule = k500, .hand = "334m 6m 13s", .target = 49, .expect = "6m", .reason = 500},
    {.name = "R500SingleHonourHeld", .rule = k500, .hand = "334m 6m 99p 1z", .pool = "334m 6m 99p", .target = 49},
    {.name = "R500OtherAim", .rule = k500, .hand = "334m 6m 99p", .target = 50},
    // 520: one pair in the best reading; the single beside a pair and a single
    {.name = "R520", .rule = k520, .hand = "2234p 67s", .target = 47, .expect = "4p", .reason = 520, .subcode = 1,
     .mirror_subcode = 0},
    {.name = "R520FourLeft", .rule = k520, .hand = "2234p", .target = 47, .expect = "4p", .reason = 520, .subcode = 1},
    {.name = "R520TripleIsNoPairAndSingle", .rule = k520, .hand = "1m 222m", .target = 47, .mirror_subcode = 0},
    {.name = "R520NoOpenRun", .rule = k520, .hand = "2234p 68s", .target = 47},
    {.name = "R520RunSeenOut", .rule = k520, .hand = "2234p 67s", .visible = "555s 88s", .target = 47},
    {.name = "R520TwoPairs", .rule = k520, .hand = "2234p 67s", .target = 47, .best_pairs = 2},
    {.name = "R520NotForShiftedPungs", .rule = k520, .hand = "2234p 67s", .target = 34},
    // 521: a triplet and a live two-sided run
    {.name = "R521", .rule = k521, .hand = "555p 23s", .target = 33, .expect = "5p", .reason = 521},
    {.name = "R521RunAtSeven", .rule = k521, .hand = "555p 78s", .target = 33, .expect = "5p", .reason = 521},
    {.name = "R521EdgeRun", .rule = k521, .hand = "555p 12s", .target = 33},
    {.name = "R521DragonTriplet", .rule = k521, .hand = "555z 23s", .target = 33, .expect = "5z", .reason = 521},
    {.name = "R521ShiftedChowsKeepDragons", .rule = k521, .hand = "555z 23s", .target = 27},
    {.name = "R521ShiftedChowsKeepRoundWind", .rule = k521, .hand = "111z 23s", .target = 27},
    {.name = "R521ShiftedChowsGuestWind", .rule = k521, .hand = "333z 23s", .target = 27, .expect = "3z",
     .reason = 521},
    // 540: seven leftovers, a set and two pairs
    {.name = "R540MiddlePairFirst", .rule = k540, .hand = "789s 22p 55z 1m", .pool = "789s 22p 55z", .target = 35,
     .expect = "2p", .reason = 540, .subcode = 920},
    {.name = "R540MiddleChowHeld", .rule = k540, .hand = "789s 22p 55z 345m", .pool = "789s 22p 55z", .target = 35,
     .expect = "5z", .reason = 540, .subcode = 900},
    {.name = "R540CentreHeld", .rule = k540, .hand = "789s 22p 55z 46m 6p", .pool = "789s 22p 55z", .target = 35,
     .expect = "5z", .reason = 540, .subcode = 900},
    {.name = "R540ChowBesidePair", .rule = k540, .hand = "234s 55s 99m", .target = 35, .expect = "9m", .reason = 540,
     .subcode = 910},
    {.name = "R540TerminalPair", .rule = k540, .hand = "234s 66p 11m 456p", .pool = "234s 66p 11m", .target = 35,
     .expect = "1m", .reason = 540, .subcode = 910},
    {.name = "R540OuterPairFirst", .rule = k540, .hand = "789s 22p 99m 456p", .pool = "789s 22p 99m", .target = 35,
     .expect = "9m", .reason = 540, .subcode = 0},
    {.name = "R540MiddleTripleHeld", .rule = k540, .hand = "789s 22p 55z 333m", .pool = "789s 22p 55z", .target = 35,
     .expect = "5z", .reason = 540, .subcode = 900},
    {.name = "R540HeldTwiceFirst", .rule = k540, .hand = "789s 22p 999m 456p", .pool = "789s 22p 99m", .target = 35,
     .expect = "2p", .reason = 540},
    {.name = "R540NoChowNoTriplet", .rule = k540, .hand = "23m 55s 99m 4p", .target = 35},
    {.name = "R540PungPass", .rule = k540, .hand = "555p 22m 88s", .target = 34, .expect = "2m", .reason = 540,
     .subcode = 100},
    // 530: six or more leftovers read as two groups and singles
    {.name = "R530ChowThenPair", .rule = k530, .hand = "789m 55p 13s", .target = 43, .expect = "1s", .reason = 530},
    {.name = "R530PairThenChow", .rule = k530, .hand = "1123m 457m", .target = 43, .expect = "5m", .reason = 530,
     .subcode = 10},
    {.name = "R530TripletThenPair", .rule = k530, .hand = "555p 22m 46s", .target = 43, .expect = "4s", .reason = 530,
     .subcode = 20},
    {.name = "R530SixLeft", .rule = k530, .hand = "789m 55p 7p", .target = 43, .expect = "7p", .reason = 530},
    {.name = "R530HonoursMakeNoChow", .rule = k530, .hand = "11z 22z 33z", .target = 43},
    {.name = "R530StraySingle", .rule = k530, .hand = "123m 55p 1s 79s", .target = 43},
    // 550: two pair shapes
    {.name = "R550ShiftedChows", .rule = k550, .hand = "1m 33m 5m 77m", .target = 27, .expect = "3m", .reason = 550,
     .subcode = 600, .mirror_subcode = 601},
    {.name = "R550ShiftedChowsDeadSide", .rule = k550, .hand = "1m 33m 5m 77m", .visible = "2222m", .target = 27,
     .expect = "1m", .reason = 550, .subcode = 610, .mirror_subcode = 611},
    {.name = "R550ShiftedChowsDeadUpperSide", .rule = k550, .hand = "1m 33m 5m 77m", .visible = "4444m", .target = 27,
     .expect = "1m", .reason = 550, .subcode = 610, .mirror_subcode = 611},
    {.name = "R550SpacedPairs", .rule = k550, .hand = "1m 33m 5m 77m", .target = 49, .expect = "1m", .reason = 550,
     .subcode = 610, .mirror_subcode = 611},
    {.name = "R550EdgeBesidePair", .rule = k550, .hand = "122m 55p 6p", .target = 49, .expect = "1m", .reason = 550,
     .mirror_subcode = 1},
    {.name = "R550TwoBesidePair", .rule = k550, .hand = "112m 556p", .target = 49, .expect = "2m", .reason = 550,
     .subcode = 200, .mirror_subcode = 201},
    {.name = "R550ThreeBesidePair", .rule = k550, .hand = "113m 556p", .target = 49, .expect = "3m", .reason = 550,
     .subcode = 300, .mirror_subcode = 301},
    {.name = "R550EdgeBelowPair", .rule = k550, .hand = "1m 33m 7p 99p", .target = 49, .expect = "1m", .reason = 550,
     .subcode = 100, .mirror_subcode = 101},
    {.name = "R550OuterPassFirst", .rule = k550, .hand = "5m 77m 3p 55p", .target = 49, .expect = "3p", .reason = 550,
     .subcode = 400, .mirror_subcode = 401},
    {.name = "R550SingleBelowPairLast", .rule = k550, .hand = "455m 788m", .target = 49, .expect = "7m", .reason = 550,
     .subcode = 500, .mirror_subcode = 501},
    {.name = "R550OnePairShape", .rule = k550, .hand = "122m 5p 6p 9s", .target = 49},
    // 551: three spaced singles beside a pair shape
    {.name = "R551", .rule = k551, .hand = "135m 66p 8p", .target = 49, .expect = "8p", .reason = 551, .subcode = 9,
     .mirror_subcode = 0},
    {.name = "R551PairAbove", .rule = k551, .hand = "135m 7p 88p", .target = 49, .expect = "7p", .reason = 551,
     .subcode = 11, .mirror_subcode = 19},
    {.name = "R551SinglesTouched", .rule = k551, .hand = "135m 7m 66p", .target = 49},
};
// RuleCaseTest's one test (check) is defined with the generic rules' cases.
INSTANTIATE_TEST_SUITE_P(TemplateRules, RuleCaseTest, ::testing::ValuesIn(kCases), case_name);

// 560: an open hand whose leftovers hold exactly one kind that keeps the distance to ready.
TEST_F(RuleTest, OnlyNeutralKindOfAnOpenHand) {
  constexpr GenericRule k560 = as_generic<discard_rule_560_only_neutral_kind>;
  set_hand("19m 5p 5p 7s 11z", "", kMeldPung);
  set_target(34);
  set_not_neutral("1m 7s 1z");
  g_seat_state[kSeat].naki_count = 1;
  EXPECT_EQ(describe(run(k560)), "nothing") << "two neutral kinds";
  set_not_neutral("9m");
  g_seat_state[kSeat].naki_count = 0;
  EXPECT_EQ(describe(run(k560)), "nothing") << "a hand without calls";
  g_seat_state[kSeat].naki_count = 1;
  EXPECT_EQ(describe(run(k560)), "5p reason 560 sub 0");
}

// 540 after declared melds: a chow from rank 2 to 6 or a pung of ranks 2
// to 8 rules out the middle pairs; a chow from 7 holds a terminal.
TEST_F(RuleTest, SurplusPairsAfterDeclaredMelds) {
  constexpr GenericRule k540 = as_generic<discard_rule_540_template_leftover>;
  struct {
    int kind, tile;
    const char *hand, *pool, *want;
  } const kCases[] = {
      {kMeldChow, 17, "789s 22p 55z 1m", "789s 22p 55z", "2p reason 540 sub 920"},
      {kMeldChow, 16, "789s 22p 55z 1m", "789s 22p 55z", "5z reason 540 sub 900"},
      {kMeldPung, 17, "234s 66p 11m 4p", "234s 66p 11m", "1m reason 540 sub 910"},
      {kMeldChow, 17, "234s 66p 11m 4p", "234s 66p 11m", "1m reason 540 sub 0"},
  };
  for (const auto& c : kCases) {
    SetUp();
    set_target(35);
    set_hand(c.hand, c.pool);
    add_meld(kSeat, c.kind, c.tile);
    EXPECT_EQ(describe(run(k540)), c.want) << c.hand << " with meld " << c.kind << " of " << c.tile;
  }
}

}  // namespace
