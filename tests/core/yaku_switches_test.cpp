// Each compound and local switch scored on and off over one hand: the two
// scorings differ in exactly the patterns the switch names.
#include <gtest/gtest.h>

#include "base/scorer.h"
#include "base/table_state.h"
#include "support/scoring_fixture.h"

namespace {

enum class Table { kPlain, kKongDrawLastTile, kFirstTurn, kOthersDiscarded };

struct SwitchCase {
  const char* label;
  bool local;  // g_local_yaku, else g_rule_yaku
  int word;
  const char* hand;
  int by_discard;
  Table table;
  Found only_on;   // patterns found with the word at 1 and not at 0
  Found only_off;  // patterns found with the word at 0 and not at 1
};

void PrintTo(const SwitchCase& c, std::ostream* os) { *os << c.label; }

class SwitchPairs : public ScoringTest, public ::testing::WithParamInterface<SwitchCase> {
 protected:
  void set_table(Table table) {
    switch (table) {
      case Table::kPlain:
        return;
      case Table::kKongDrawLastTile:
        g_kong_draw_flag = 1;
        g_wall_count = 0;
        return;
      case Table::kFirstTurn:
        return;  // no meld and no discard anywhere: the fixture's table
      case Table::kOthersDiscarded:
        g_river[0][0] = 31;
        g_river_count[0] = 1;
        return;
    }
  }
  Found score_with(int value) {
    const SwitchCase& c = GetParam();
    (c.local ? g_local_yaku[c.word] : g_rule_yaku[c.word]) = value;
    const WinScore s = win(c.hand, c.by_discard);
    EXPECT_TRUE(s.listed && s.valid);
    return s.found;
  }
};

Found minus(const Found& a, const Found& b) {
  Found out;
  for (const auto& [id, points] : a)
    if (!b.count(id) || b.at(id) != points) out[id] = points;
  return out;
}

TEST_P(SwitchPairs, DifferOnlyInTheSwitchedPatterns) {
  set_table(GetParam().table);
  const Found on = score_with(1);
  const Found off = score_with(0);
  EXPECT_EQ(minus(on, off), GetParam().only_on) << "on: " << describe_patterns(on) << "\noff: " << describe_patterns(off);
  EXPECT_EQ(minus(off, on), GetParam().only_off) << "on: " << describe_patterns(on) << "\noff: " << describe_patterns(off);
}

constexpr int kDiscard = 1;
constexpr int kSelfDrawn = 0;
const Found kFullyConcealed{{kYaku25FullyConcealed, 4}};
const Found kSelfDrawnOnly{{kYaku11SelfDrawn, 1}};

INSTANTIATE_TEST_SUITE_P(CompoundSwitches, SwitchPairs, ::testing::Values(
    SwitchCase{"0 四暗刻 with 不求人", false, kRuleFourConcealedFullyConcealed,
               "2 2 2 15 15 27 27 27 29 29 31 31 31 + 29", kSelfDrawn, Table::kPlain, kFullyConcealed, kSelfDrawnOnly},
    SwitchCase{"1 九蓮宝灯 with 不求人", false, kRuleNineGatesFullyConcealed, "1 1 1 2 3 4 5 6 7 8 9 9 9 + 2",
               kSelfDrawn, Table::kPlain, kFullyConcealed, kSelfDrawnOnly},
    SwitchCase{"2 十三幺 with 不求人", false, kRuleThirteenOrphansFullyConcealed,
               "1 9 11 19 21 29 31 32 33 34 35 36 37 + 31", kSelfDrawn, Table::kPlain, kFullyConcealed, kSelfDrawnOnly},
    SwitchCase{"3 七対 with 不求人", false, kRuleSevenPairsFullyConcealed, "2 2 4 4 5 5 6 6 21 21 27 27 29 + 29",
               kSelfDrawn, Table::kPlain, kFullyConcealed, kSelfDrawnOnly},
    SwitchCase{"3 連七対 with 不求人", false, kRuleSevenPairsFullyConcealed,
               "22 22 23 23 24 24 25 25 26 26 27 27 28 + 28", kSelfDrawn, Table::kPlain, kFullyConcealed,
               kSelfDrawnOnly},
    SwitchCase{"4 全不靠 with 不求人", false, kRuleHonoursKnittedFullyConcealed,
               "1 7 12 18 23 26 29 31 33 34 35 36 37 + 15", kSelfDrawn, Table::kPlain, kFullyConcealed, kSelfDrawnOnly},
    SwitchCase{"4 七星不靠 with 不求人", false, kRuleHonoursKnittedFullyConcealed,
               "1 7 12 23 26 29 31 32 33 34 35 36 37 + 18", kSelfDrawn, Table::kPlain, kFullyConcealed, kSelfDrawnOnly},
    SwitchCase{"5 七対 with 五門斉", false, kRuleSevenPairsAllTypes, "2 2 5 5 18 18 24 24 31 31 35 37 37 + 35",
               kDiscard, Table::kPlain, {{kYaku30AllTypes, 6}}, {}},
    SwitchCase{"6 七対 with 推不倒", false, kRuleSevenPairsReversible, "11 11 12 12 14 14 15 15 22 22 24 24 35 + 35",
               kDiscard, Table::kPlain, {{kYaku41ReversibleTiles, 8}}, {{kYaku6OneVoidedSuit, 1}}},
    // Mended: the one-voided-suit came back even on a one-suit hand.
    SwitchCase{"6 七対 with 推不倒, one suit", false, kRuleSevenPairsReversible,
               "11 11 12 12 13 13 14 14 15 15 18 18 19 + 19", kDiscard, Table::kPlain, {{kYaku41ReversibleTiles, 8}}, {}},
    SwitchCase{"7 七対 with 全大", false, kRuleSevenPairsTileRange, "8 8 9 17 17 18 18 19 19 27 27 29 29 + 9",
               kDiscard, Table::kPlain, {{kYaku59UpperTiles, 24}}, {}},
    SwitchCase{"8 七対 with 無字", false, kRuleSevenPairsNoHonours, "2 2 4 4 5 5 6 6 21 21 27 27 29 + 29", kDiscard,
               Table::kPlain, {{kYaku7NoHonours, 1}}, {}},
    SwitchCase{"9 七対 with 缺一門", false, kRuleSevenPairsOneVoidedSuit, "2 2 4 4 5 5 6 6 21 21 27 27 29 + 29",
               kDiscard, Table::kPlain, {{kYaku6OneVoidedSuit, 1}}, {}},
    SwitchCase{"10 組合竜 won on a knitted tile", false, kRuleKnittedStraightWaits,
               "21 24 27 2 5 8 13 16 19 28 29 1 1 + 27", kDiscard, Table::kPlain, {{kYaku8EdgeWait, 1}}, {}},
    SwitchCase{"11 三風刻 with a guest wind", false, kRuleWindPungsTerminal,
               "13 14 15 29 29 31 31 31 32 32 + 32 / [34 34 34]", kDiscard, Table::kPlain,
               {{kYaku3TerminalHonourPung, 1}}, {}},
    SwitchCase{"11 小四喜 with a guest wind", false, kRuleWindPungsTerminal,
               "13 14 15 32 32 32 33 33 34 34 + 34 / [31 31 31]", kDiscard, Table::kPlain,
               {{kYaku3TerminalHonourPung, 1}}, {}},
    SwitchCase{"12 槓上開花 on the last tile", false, kRuleReplacementLastDraw, "2 3 4 14 15 16 22 22 25 26 + 27 / [9 9 9 9]",
               kSelfDrawn, Table::kKongDrawLastTile, {{kYaku38LastDraw, 8}}, {}}));

INSTANTIATE_TEST_SUITE_P(LocalSwitches, SwitchPairs, ::testing::Values(
    SwitchCase{"天和", true, kLocalHeavenlyHand, "1 2 3 4 5 6 7 8 9 14 15 23 23 + 13", kSelfDrawn, Table::kFirstTurn,
               {{kYaku81HeavenlyHand, 88}}, kFullyConcealed},
    SwitchCase{"地和", true, kLocalEarthlyHand, "1 2 3 4 5 6 7 8 9 14 15 23 23 + 13", kSelfDrawn,
               Table::kOthersDiscarded, {{kYaku82EarthlyHand, 88}}, kFullyConcealed},
    SwitchCase{"人和", true, kLocalHumanHand, "1 2 3 4 5 6 7 8 9 14 15 23 23 + 13", kDiscard, Table::kOthersDiscarded,
               {{kYaku83HumanHand, 88}}, {{kYaku21ConcealedHand, 2}}}));

// The local patterns need a table without melds and an empty river of the
// winner, and give way to each other in their order.
TEST_F(ScoringTest, LocalPatternsNeedTheFirstTurnAndGiveWayInOrder) {
  g_local_yaku = {1, 1, 1};
  const char* hand = "1 2 3 4 5 6 7 8 9 14 15 23 23 + 13";
  EXPECT_TRUE(win(hand, 0).found.count(kYaku81HeavenlyHand));
  EXPECT_FALSE(win(hand, 0).found.count(kYaku82EarthlyHand));
  g_river[0][0] = 31;
  g_river_count[0] = 1;
  EXPECT_TRUE(win(hand, 0).found.count(kYaku82EarthlyHand));
  EXPECT_TRUE(win(hand, 1).found.count(kYaku83HumanHand));
  g_river_count[kSeat] = 1;
  for (int by_discard : {0, 1}) {
    const Found f = win(hand, by_discard).found;
    EXPECT_FALSE(f.count(kYaku81HeavenlyHand) || f.count(kYaku82EarthlyHand) || f.count(kYaku83HumanHand));
  }
  g_river_count[kSeat] = 0;
  g_melds[3][0] = make_meld(1, kMeldConcealedKong, 37);
  const Found f = win(hand, 0).found;
  EXPECT_FALSE(f.count(kYaku82EarthlyHand)) << "a concealed kong anywhere is a declared meld";
}

// Mended: a self-drawn closed 一色双竜会 with word 3 off kept the 自摸 that
// seven pairs had turned 不求人 into, and scored both.
TEST_F(ScoringTest, PureTerminalChowsAreNeverSevenPairsForTheSwitch) {
  const Found want{{kYaku25FullyConcealed, 4}, {kYaku68PureTerminalChows, 64}};
  for (int word : {1, 0}) {
    g_rule_yaku[kRuleSevenPairsFullyConcealed] = word;
    const WinScore s = win("1 1 2 2 3 3 5 5 7 7 8 8 9 + 9", 0);
    EXPECT_EQ(s.found, want) << "word " << word << ": " << describe_patterns(s.found);
    EXPECT_EQ(s.total, 68);
  }
}

}  // namespace
