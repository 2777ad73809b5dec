// Rules 700, 800, 900 and 910 on worked hands.
#include <initializer_list>

#include "base/ai_record.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "com/target/com_target.h"
#include "com/turn/basic_rules.h"
#include "com/turn/planner_state.h"
#include "support/hand_builder.h"
#include "support/rule_fixture.h"

namespace {

constexpr GenericRule kHana = [](int seat, int) { discard_rule_700_hana(seat); };
constexpr GenericRule kDeadTile = [](int seat, int strict) { discard_rule_900_dead_tile(seat, strict); };
constexpr GenericRule kSafeTile = [](int seat, int strict) { discard_rule_910_safe_tile(seat, strict); };
GenericRule thin_suit(int variant) {
  static int v;  // gtest runs one test at a time; the lambda cannot capture
  v = variant;
  return [](int seat, int strict) { discard_rule_800_thin_suit(seat, v, strict); };
}

int tile(const char* text) { return parse_tiles(text).at(0); }

// What the dead-tile rule throws ("" nothing) with `visible` in sight, and its subcode.
struct DeadCase {
  const char* visible;
  const char* dead;
  int subcode;
};

class BasicRules : public RuleTest {
 protected:
  void SetUp() override {
    RuleTest::SetUp();
    g_wall_count = 60;
    g_after_naki_turn = 0;
    for (int p = 0; p < kSeats; ++p) g_ai_target_yaku[p] = 0;
  }
  void meld_others() {
    for (int p = 0; p < kSeats; ++p)
      if (p != kSeat) g_melds[p][0] = make_meld(0, kMeldChow, 1);
  }
  void river(int seat, const char* tiles) {
    for (int t : parse_tiles(tiles)) {
      g_river[seat][g_river_count[seat]++] = t;
      g_discard_history[seat][g_discard_history_count[seat]++] = t;
    }
  }
  int defend() const { return g_seat_state[kSeat].defend; }
  void expect_dead_tiles(const char* hand, std::initializer_list<DeadCase> cases) {
    for (const DeadCase& c : cases) {
      set_hand(hand);
      set_visible(c.visible);
      const Proposal p = run(kDeadTile, 0);
      EXPECT_EQ(p.tile, *c.dead == 0 ? 0 : tile(c.dead)) << c.visible;
      EXPECT_EQ(p.subcode, c.subcode) << c.visible;
    }
  }
};

TEST_F(BasicRules, FlowerFirstExceptAfterOwnCall) {
  set_hand("12m 5p 3f 111z 222z 6f");
  EXPECT_EQ(run(kHana).tile, tile("3f"));
  set_hand("12m 5p 3f 111z 222z");
  g_after_naki_turn = 1;
  EXPECT_EQ(run(kHana).tile, 0);
}

TEST_F(BasicRules, DefenceFlagByWallAndDistance) {
  set_hand("19m 19p 19s 1234567z");
  AI[kSeat].min_shanten = 2;
  g_wall_count = 9;
  run(kDeadTile, 0);
  EXPECT_EQ(defend(), 0);
  g_wall_count = 8;
  run(kDeadTile, 0);
  EXPECT_EQ(defend(), 1) << "normal form, distance 2: defend at 8 tiles or fewer";
  AI[kSeat].min_shanten = 0;
  g_wall_count = 4;
  run(kDeadTile, 0);
  EXPECT_EQ(defend(), 0) << "a ready hand with four tiles left plays on";
  g_wall_count = 3;
  run(kDeadTile, 0);
  EXPECT_EQ(defend(), 1);
  g_ai_target_yaku[kSeat] = 56;
  AI[kSeat].min_shanten_chiitoi = 2;
  g_wall_count = 11;
  run(kDeadTile, 0);
  EXPECT_EQ(defend(), 1);
  g_wall_count = 12;
  run(kDeadTile, 0);
  EXPECT_EQ(defend(), 0) << "seven pairs at distance 2 defends below 12 tiles";
}

TEST_F(BasicRules, StrictPassOnlyAfterAFalseWinOrAnEmptyWall) {
  set_hand("19m 19p 19s 1234567z");
  g_wall_count = 2;
  g_seat_state[kSeat].defend = 0;
  run(kDeadTile, 1);
  EXPECT_EQ(defend(), 0) << "the strict pass leaves the flag alone";
  g_seat_state[kSeat].false_win = 1;
  run(kDeadTile, 1);
  EXPECT_EQ(defend(), 1);
}

TEST_F(BasicRules, DeadTilesOnlyAgainstADangerousTable) {
  set_hand("2m 9p 19s 123456z 7z");
  set_visible("3333m 222m");
  g_wall_count = 3;
  EXPECT_EQ(run(kDeadTile, 0).tile, 0) << "nobody else has called and no honour is gone";
  meld_others();
  const Proposal p = run(kDeadTile, 0);
  EXPECT_EQ(p.tile, tile("2m")) << "the 2 is dead once the 3s are, whatever the 1s";
  EXPECT_EQ(p.reason, 900);
  EXPECT_EQ(p.subcode, 10);
  set_visible("3333m 222m 777z");
  EXPECT_EQ(run(kDeadTile, 0).tile, tile("7z")) << "an honour all of whose copies are accounted for comes first";
}

// A 3 is dead when every run through it lacks a tile whose copies are all
// accounted for: 2 and 4 gone (10), 1 and 4 (11), or 2 and 5 (12). The live
// 5m before it in the pool is never taken.
TEST_F(BasicRules, DeadSuitedTileNeedsEveryRunBlocked) {
  meld_others();
  g_wall_count = 3;
  expect_dead_tiles("5m 3p 9s 1234567z", {
      {"333p 2222p 4444p", "3p", 10},
      {"333p 1111p 4444p", "3p", 11},
      {"333p 2222p 5555p", "3p", 12},
      {"333p 2222p", "", 0},  // 3-4-5 is still open
  });
}

// Nobody else has called: the table turns dangerous with three honour kinds
// wholly visible, or four wholly seen (own copies counted).
TEST_F(BasicRules, DeadHonoursMakeTheTableDangerous) {
  g_wall_count = 3;
  expect_dead_tiles("2m 9p 19s 1234z", {
      {"3333m 222m 5555z 6666z", "", 0},
      {"3333m 222m 5555z 6666z 7777z", "2m", 10},
      {"111z 222z 333z", "", 0},
      {"111z 222z 333z 444z", "1z", 0},  // held once, three visible: all accounted for
  });
}

TEST_F(BasicRules, SafeTilesPreferTheSeatBefore) {
  set_hand("5m 5p 5s 7z 1234z 99s");
  g_seat_state[kSeat].defend = 1;
  river(2, "5s");  // the seat after
  river(3, "5p");  // opposite
  river(0, "5m");  // the seat before
  Proposal p = run(kSafeTile, 0);
  EXPECT_EQ(p.tile, tile("5m"));
  EXPECT_EQ(p.subcode, 0);
  set_hand("5m 5p 5s 7z 1234z 99s");
  set_visible("555m");
  p = run(kSafeTile, 0);
  EXPECT_EQ(p.tile, tile("5p")) << "three copies visible: the latest discard of the seat before waits for sub-rule 20";
  EXPECT_EQ(p.subcode, 2);
  g_seat_state[kSeat].defend = 0;
  EXPECT_EQ(run(kSafeTile, 0).tile, 0) << "only while defending";
}

TEST_F(BasicRules, SafeTileThrownByEveryone) {
  set_hand("5m 5p 5s 7z 1234z 99s");
  g_seat_state[kSeat].defend = 1;
  river(0, "7z 1m");
  river(2, "7z 2m");
  river(3, "7z 3m");
  const Proposal p = run(kSafeTile, 0);
  EXPECT_EQ(p.tile, tile("7z"));
  EXPECT_EQ(p.subcode, 10);
}

TEST_F(BasicRules, ThinSuitStrictTakesOnlyNeutralTiles) {
  set_hand("12m 345p 678p 11z 234z");
  set_not_neutral("12m 2z 3z 4z 1z 3p 4p 5p 6p 7p 8p");
  EXPECT_EQ(run(thin_suit(0), 1).tile, 0);
  const Proposal p = run(thin_suit(3), 0);
  EXPECT_EQ(p.tile, tile("1m")) << "characters held twice while bamboo is void";
  EXPECT_EQ(p.subcode, 3);
}

// A suit held once or twice while either other suit is void, in each suit.
TEST_F(BasicRules, ThinSuitBesideEitherVoidSuit) {
  for (const char* hand : {"12m 345s 678s 11z 234z", "12p 345s 678s 11z 234z", "12s 345p 678p 11z 234z"}) {
    set_hand(hand);
    const Proposal p = run(thin_suit(0), 0);
    EXPECT_EQ(p.tile, parse_tiles(hand).at(0)) << hand;
    EXPECT_EQ(p.subcode, 0) << hand;
  }
}

TEST_F(BasicRules, ThinSuitFallsBackToHonoursThenSingles) {
  set_hand("159m 159p 159s 11z 2z 33z");
  Proposal p = run(thin_suit(1), 0);
  EXPECT_EQ(p.tile, tile("2z"));
  EXPECT_EQ(p.subcode, 101);
  set_hand("13m 159p 159s 66m 8m", "13m 159p 159s 8m");
  p = run(thin_suit(6), 0);
  EXPECT_EQ(p.tile, tile("1p")) << "isolated single: no neighbour within two";
  EXPECT_EQ(p.subcode, 206);
  set_hand("13m 35p 57s 68m", "1m 5p 5s");
  p = run(thin_suit(6), 0);
  EXPECT_EQ(p.tile, tile("1m")) << "one tile two away is still nearly isolated";
  EXPECT_EQ(p.subcode, 306);
}

}  // namespace
