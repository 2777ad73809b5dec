// The fixed-pattern keepers on worked hands: what each pattern needs by its
// variant, less what the seat declared, and the pool put back when nothing
// discardable would be left.
#include "base/ai_record.h"
#include "base/visible.h"
#include "com/aimed/aimed_protocol.h"
#include "com/aimed/aimed_rules.h"
#include "support/keeper_fixture.h"

namespace {

constexpr int P = kMeldPung, C = kMeldChow;

class FixedKeeper : public KeeperTest, public ::testing::WithParamInterface<KeeperCase> {};

TEST_P(FixedKeeper, KeepsWhatThePatternStillNeeds) { check(GetParam()); }

const KeeperCase kCases[] = {
    // mixed shifted pungs: row 3 (11 22 3) plus 2, three copies at most
    {"MixedShiftedPungs", keep_mixed_shifted_pungs_tiles, 34, 32, "5555m 333p 4s 9s 7z", "555m 333p 4s", 34},
    {"MixedShiftedPungsDeclared", keep_mixed_shifted_pungs_tiles, 34, 32, "555m 3p 44s 9s 1z", "555m 44s", 34, 0,
     {{P, 13}}},
    {"MixedShiftedPungsFirstRow", keep_mixed_shifted_pungs_tiles, 34, 0, "111m 22p 3s 9s 1z", "111m 22p 3s", 34},
    {"MixedShiftedPungsLastRow", keep_mixed_shifted_pungs_tiles, 34, 56, "777s 88p 9m 1z", "777s 88p 9m", 34},
    {"MixedShiftedPungsOffsetPastSuit", keep_mixed_shifted_pungs_tiles, 34, 57, "888s 99p 1m 1z"},
    {"MixedShiftedPungsNoSeventhRow", keep_mixed_shifted_pungs_tiles, 34, 60, "111s 22p 3m 1z"},
    // knitted straight: one copy of each of the row's nine, no record
    {"KnittedStraight", keep_knitted_straight_tiles, 43, 0, "147m 4m 258p 369s 6s 11z", "147m 258p 369s"},
    {"KnittedStraightOnlyItsTiles", keep_knitted_straight_tiles, 43, 4, "147s 258m 369p 1f"},
    {"KnittedStraightNoSeventhRow", keep_knitted_straight_tiles, 43, 6, "147s 258m 369p 1z"},
    // triple pung: the rank in each suit not declared
    {"TriplePungDeclaredSuit", keep_triple_pung_tiles, 50, 7, "7777m 77p 7s 1z", "777m 77p", 0, 0, {{P, 27}}},
    {"TriplePungNines", keep_triple_pung_tiles, 50, 9, "99m 9p 9s 1z", "99m 9p 9s"},
    {"TriplePungNoRankEleven", keep_triple_pung_tiles, 50, 11, "1p 1s 1z 9m"},
    // three concealed pungs: every kind held three times
    {"ConcealedPungs", keep_concealed_pung_tiles, 51, 0, "555p 111z 88s 123m 9s", "555p 111z"},
    {"ConcealedPungsOnlyItsTiles", keep_concealed_pung_tiles, 51, 0, "555p 666p 1f"},
    // pure triple chow: three chows less the declared ones
    {"PureTripleChowDeclared", keep_pure_triple_chow_tiles, 53, 14, "444555666p 7p 9s", "445566p", 53, 0, {{C, 14}}},
    {"PureTripleChowTwoDeclared", keep_pure_triple_chow_tiles, 53, 1, "1123m 9p 1z", "123m", 53, 0, {{C, 1}, {C, 1}}},
    {"PureTripleChowAllDeclared", keep_pure_triple_chow_tiles, 53, 1, "123m 9p 1z", "", 0, 0, {{C, 1}, {C, 1}, {C, 1}}},
    {"PureTripleChowHighest", keep_pure_triple_chow_tiles, 53, 17, "7789p 1z", "7789p", 53},
    {"PureTripleChowPastSuit", keep_pure_triple_chow_tiles, 53, 18, "889p 1z"},
    // pure shifted pungs
    {"PureShiftedPungs", keep_pure_shifted_pungs_tiles, 54, 3, "3333m 444m 5m 9p", "333m 444m 5m", 54},
    {"PureShiftedPungsDeclared", keep_pure_shifted_pungs_tiles, 54, 3, "333m 55m 9p", "333m 55m", 54, 0, {{P, 4}}},
    {"PureShiftedPungsOnlyItsTiles", keep_pure_shifted_pungs_tiles, 54, 3, "333444555m 1f"},
    {"PureShiftedPungsHighest", keep_pure_shifted_pungs_tiles, 54, 7, "789m 1z", "789m", 54},
    {"PureShiftedPungsPastSuit", keep_pure_shifted_pungs_tiles, 54, 8, "889m 1z"},
    // three-suited terminal chows: the four chows once, the five twice
    {"TerminalChowsDeclaredChow", keep_three_suited_terminal_chows_tiles, 48, 0, "555s 123p 789p 9s", "55s 123p", 0, 0,
     {{C, 17}}},
    {"TerminalChowsRow2", keep_three_suited_terminal_chows_tiles, 48, 2, "55m 123p 789s 19m 1z", "55m 123p 789s"},
    {"TerminalChowsNoRow3", keep_three_suited_terminal_chows_tiles, 48, 3, "12m 55m 123p 789s 1z"},
    // four pure shifted chows: overlapping ranks as often as they occur
    {"FourShiftedChows", keep_four_pure_shifted_chows_tiles, 62, 0, "1223334445566m 1z", "122333444556m", 62},
    {"FourShiftedChowsDeclared", keep_four_pure_shifted_chows_tiles, 62, 0, "1223344556m 9s", "122334456m", 62, 0,
     {{C, 3}}},
    {"FourShiftedChowsSpread", keep_four_pure_shifted_chows_tiles, 62, 24, "123345567789s 11z", "123345567789s", 62},
    {"FourShiftedChowsLayout3", keep_four_pure_shifted_chows_tiles, 62, 13, "456p 567p 678p 789p 12z",
     "456p 567p 678p 789p", 62},
    {"FourShiftedChowsNoLayout5", keep_four_pure_shifted_chows_tiles, 62, 5, "234567m 1z"},
    {"FourShiftedChowsNoSuit3", keep_four_pure_shifted_chows_tiles, 62, 30, "1234567m 1z"},
    // quadruple chow: four chows less the declared ones
    {"QuadrupleChow", keep_quadruple_chow_tiles, 65, 1, "1111m 2222m 333m 12z", "1111m 2222m 333m"},
    {"QuadrupleChowDeclared", keep_quadruple_chow_tiles, 65, 1, "1111m 2222m 33m 5p", "111m 222m 33m", 0, 0, {{C, 1}}},
    // four pure shifted pungs
    {"FourShiftedPungs", keep_four_pure_shifted_pungs_tiles, 66, 11, "111222333444p 55z", "111222333444p"},
    {"FourShiftedPungsDeclared", keep_four_pure_shifted_pungs_tiles, 66, 11, "111333444p 55z", "111333444p", 0, 0,
     {{P, 12}}},
    {"FourShiftedPungsHighest", keep_four_pure_shifted_pungs_tiles, 66, 16, "6789p 1z", "6789p"},
    {"FourShiftedPungsPastSuit", keep_four_pure_shifted_pungs_tiles, 66, 17, "789p 1z"},
    // big four winds: winds neither declared nor held four times, while another tile stays
    {"BigFourWinds", keep_big_four_winds_tiles, 73, 0, "111z 22z 3z 4444z 5m", "111z 22z", 73, 0, {{P, 33}}},
    {"BigFourWindsBesideADragon", keep_big_four_winds_tiles, 73, 0, "111z 5z", "111z", 73},
    {"BigFourWindsOnlyWinds", keep_big_four_winds_tiles, 73, 0, "1111z 222z 333z 444z"},
    // big three dragons
    {"BigThreeDragons", keep_big_three_dragons_tiles, 74, 0, "5z 66z 7777z 12m", "66z", 74, 0, {{P, 35}}},
    {"BigThreeDragonsBesideAWind", keep_big_three_dragons_tiles, 74, 0, "555z 66z 4z", "555z 66z", 74},
    {"BigThreeDragonsOnlyDragons", keep_big_three_dragons_tiles, 74, 0, "555z 66z 1f"},
};
INSTANTIATE_TEST_SUITE_P(FixedKeepers, FixedKeeper, ::testing::ValuesIn(kCases), keeper_case_name);

// The chooser's pick: the most visible tile first, the lower code among
// equally visible ones; an empty slot or a flower is never found.
TEST_F(KeeperTest, PicksMostVisibleThenLowest) {
  set_hand("1m 5p 1z 1f");
  set_visible("1m 55p 1z");
  EXPECT_EQ(pool_slot_of(0), -1);
  EXPECT_EQ(pool_slot_of(41), -1);
  EXPECT_EQ(pool_slot_of(1), 0);
  EXPECT_EQ(pool_slot_of(15), 1);
  EXPECT_EQ(pool_slot_of(9), -1);
  const auto any = [](int) { return true; };
  for (int want : {15, 1, 31}) {
    g_ai_discard_count = 0;
    EXPECT_TRUE(pick_most_visible(kSeat, 23, 12, 3, any));
    EXPECT_EQ(g_ai_discard_candidates[0], want);
  }
  EXPECT_FALSE(pick_most_visible(kSeat, 23, 12, 3, any)) << "the flower is never picked";
  EXPECT_EQ(AI[kSeat].discard_yaku * 100 + AI[kSeat].discard_subcode, 2312);
}

}  // namespace
