// Template leftover rules 500 to 560 on worked leftovers: the pool is what
// the template keeper left; the hand is the pool unless a row names more.
#include <vector>

#include "base/table_state.h"
#include "com/turn/cascade_places.h"
#include "support/hand_builder.h"
#include "support/rule_fixture.h"

namespace {

template <void (*Rule)(int)>
void as_generic(int seat, int) { Rule(seat); }

GenericRule rule_numbered(int n) {
  switch (n) {
    case 500: return as_generic<discard_rule_500_template_leftover>;
    case 520: return as_generic<discard_rule_520_template_leftover>;
    case 521: return as_generic<discard_rule_521_template_leftover>;
    case 530: return as_generic<discard_rule_530_template_leftover>;
    case 540: return as_generic<discard_rule_540_template_leftover>;
    case 550: return as_generic<discard_rule_550_template_leftover>;
    case 551: return as_generic<discard_rule_551_template_leftover>;
    default: return as_generic<discard_rule_560_only_neutral_kind>;
  }
}

// The rule, the aim, the leftovers, the tile taken ("" none) with its
// sub-code and the sub-code of the mirrored case (-1: not checked; with no
// tile, 0 checks that the mirror takes none either), then the visible
// tiles, the whole hand when it holds more than the leftovers, and the
// pairs of the best reading.
struct Row {
  const char* name;
  int rule, aim;
  const char *pool, *take;
  int sub = 0, mirror = -1;
  const char *visible = "", *hand = "";
  int best_pairs = 1;
};

const Row kRows[] = {
    // 500: six leftovers with a waiting shape: the single two ranks past a pair and a single
    {"R500TwoPairs", 500, 49, "334m 6m 99p", "6m", 0, 10},
    {"R500BeyondPairAtRankFour", 500, 49, "112m 4m 99p", "4m", 0, 10},
    {"R500DeadEdgeRun", 500, 49, "334m 6m 12p", "", 0, 0, "3333p"},
    {"R500NoWaitingShape", 500, 49, "334m 6m 9p 5s", ""},
    {"R500LiveRun", 500, 34, "334m 6m 78p", "6m"},
    {"R500DeadRun", 500, 34, "334m 6m 78p", "", 0, -1, "6666p 9999p"},
    {"R500LiveClosedPair", 500, 49, "334m 6m 13s", "6m"},
    {"R500DeadClosedPair", 500, 49, "334m 6m 13s", "", 0, -1, "2222s"},
    // 520: one pair in the best reading: the single beside a pair and a single
    {"R520", 520, 47, "2234p 67s", "4p", 1, 0},
    {"R520FourLeft", 520, 47, "2234p", "4p", 1},
    {"R520TripleIsNoPairAndSingle", 520, 47, "1m 222m", "", 0, 0},
    {"R520TwoPairs", 520, 47, "2234p 67s", "", 0, -1, "", "", 2},
    {"R520NoOpenRun", 520, 47, "2234p 68s", ""},
    {"R520RunSeenOut", 520, 47, "2234p 67s", "", 0, -1, "555s 88s"},
    // 521: a triplet beside a live two-sided run
    {"R521", 521, 33, "555p 23s", "5p"},
    {"R521RunAtSeven", 521, 33, "555p 78s", "5p"},
    {"R521EdgeRun", 521, 33, "555p 12s", ""},
    {"R521DragonTriplet", 521, 33, "555z 23s", "5z"},
    {"R521ShiftedChowsKeepDragons", 521, 27, "555z 23s", ""},
    {"R521ShiftedChowsKeepRoundWind", 521, 27, "111z 23s", ""},
    {"R521ShiftedChowsGuestWind", 521, 27, "333z 23s", "3z"},
    // 540: seven leftovers, a set and two pairs: which pair to break
    {"R540MiddlePairFirst", 540, 35, "789s 22p 55z", "2p", 920, -1, "", "789s 22p 55z 1m"},
    {"R540MiddleChowHeld", 540, 35, "789s 22p 55z", "5z", 900, -1, "", "789s 22p 55z 345m"},
    {"R540CentreHeld", 540, 35, "789s 22p 55z", "5z", 900, -1, "", "789s 22p 55z 46m 6p"},
    {"R540MiddleTripleHeld", 540, 35, "789s 22p 55z", "5z", 900, -1, "", "789s 22p 55z 333m"},
    {"R540TwoMiddlesAreNoChow", 540, 35, "789s 22p 55z", "2p", 920, -1, "", "789s 22p 55z 45m"},
    {"R540NinesAreNoMiddlePair", 540, 35, "789s 99m 22p", "2p", 920, -1, "", "789s 99m 22p 1m"},
    {"R540HonourTripleHeld", 540, 35, "789s 22p 55z", "2p", 0, -1, "", "789s 22p 555z 456m"},
    {"R540ChowBesidePair", 540, 35, "234s 55s 99m", "9m", 910},
    {"R540TerminalPair", 540, 35, "234s 66p 11m", "1m", 910, -1, "", "234s 66p 11m 456p"},
    {"R540OuterPairFirst", 540, 35, "789s 22p 99m", "9m", 0, -1, "", "789s 22p 99m 456p"},
    {"R540HeldTwiceFirst", 540, 35, "789s 22p 99m", "2p", 0, -1, "", "789s 22p 99m 9m 456p"},
    {"R540NoChowNoTriplet", 540, 35, "23m 55s 99m 4p", ""},
    {"R540FivesInTheLastPass", 540, 35, "55m 55p 789s", "5m", 0},
    {"R540PungPass", 540, 34, "555p 22m 88s", "2m", 100},
    // 530: six or more leftovers read as two groups and singles
    {"R530ChowThenPair", 530, 43, "789m 55p 13s", "1s"},
    {"R530SixLeft", 530, 43, "789m 55p 7p", "7p"},
    {"R530PairThenChow", 530, 43, "1123m 457m", "5m", 10},
    {"R530TripletThenPair", 530, 43, "555p 22m 46s", "4s", 20},
    {"R530HonoursMakeNoChow", 530, 43, "11z 22z 33z", ""},
    {"R530StraySingle", 530, 43, "123m 55p 1s 79s", ""},
    // 550: two pair shapes
    {"R550ShiftedChows", 550, 27, "1m 33m 5m 77m", "3m", 600, 601},
    {"R550ShiftedChowsDeadSide", 550, 27, "1m 33m 5m 77m", "1m", 610, 611, "2222m"},
    {"R550ShiftedChowsDeadUpperSide", 550, 27, "1m 33m 5m 77m", "1m", 610, 611, "4444m"},
    {"R550SpacedPairs", 550, 49, "1m 33m 5m 77m", "1m", 610, 611},
    {"R550EdgeBesidePair", 550, 49, "122m 55p 6p", "1m", 0, 1},
    {"R550EdgeBelowPair", 550, 49, "1m 33m 7p 99p", "1m", 100, 101},
    {"R550TwoBesidePair", 550, 49, "112m 556p", "2m", 200, 201},
    {"R550ThreeBesidePair", 550, 49, "113m 556p", "3m", 300, 301},
    {"R550OuterPassFirst", 550, 49, "5m 77m 3p 55p", "3p", 400, 401},
    {"R550SingleBelowPairLast", 550, 49, "455m 788m", "7m", 500, 501},
    {"R550OnePairShape", 550, 49, "122m 5p 6p 9s", ""},
    // 551: three spaced singles beside a pair shape
    {"R551", 551, 49, "135m 66p 8p", "8p", 9, 0},
    {"R551PairAbove", 551, 49, "135m 7p 88p", "7p", 11, 19},
    {"R551SinglesTouched", 551, 49, "135m 7m 66p", ""},
};

std::vector<RuleCase> cases() {
  std::vector<RuleCase> out;
  for (const Row& r : kRows) {
    const bool whole = *r.hand != '\0';
    out.push_back({.name = r.name, .rule = rule_numbered(r.rule), .hand = whole ? r.hand : r.pool,
                   .pool = whole ? r.pool : "", .visible = r.visible, .target = r.aim, .best_pairs = r.best_pairs,
                   .expect = r.take, .reason = r.rule, .subcode = r.sub, .mirror_subcode = r.mirror});
  }
  return out;
}
// RuleCaseTest's one test (check) is defined with the generic rules' cases.
INSTANTIATE_TEST_SUITE_P(TemplateRules, RuleCaseTest, ::testing::ValuesIn(cases()), case_name);

// 560: an open hand whose leftovers hold exactly one kind that keeps the distance to ready.
TEST_F(RuleTest, OnlyNeutralKindOfAnOpenHand) {
  const GenericRule k560 = rule_numbered(560);
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
  struct {
    int kind, tile;
    const char *hand, *pool, *want;
  } const kCases[] = {
      {kMeldChow, 17, "789s 22p 55z 1m", "789s 22p 55z", "2p reason 540 sub 920"},
      {kMeldChow, 16, "789s 22p 55z 1m", "789s 22p 55z", "5z reason 540 sub 900"},
      {kMeldChow, 12, "789s 22p 55z 1m", "789s 22p 55z", "5z reason 540 sub 900"},
      {kMeldPung, 17, "234s 66p 11m 4p", "234s 66p 11m", "1m reason 540 sub 910"},
      {kMeldChow, 17, "234s 66p 11m 4p", "234s 66p 11m", "1m reason 540 sub 0"},
  };
  for (const auto& c : kCases) {
    SetUp();
    set_target(35);
    set_hand(c.hand, c.pool);
    add_meld(kSeat, c.kind, c.tile);
    EXPECT_EQ(describe(run(rule_numbered(540))), c.want) << c.hand << " with meld " << c.kind << " of " << c.tile;
  }
}

}  // namespace
