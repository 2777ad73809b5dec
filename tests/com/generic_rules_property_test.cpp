// Every generic rule on seeded random table states: the rule contract and
// what each rule may take hold whatever the hand.
#include <algorithm>
#include <array>
#include <random>
#include <vector>

#include "base/ai_record.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "com/target/com_target.h"
#include "com/turn/generic_rules.h"
#include "com/turn/planner_state.h"
#include "com/turn/rule_target.h"
#include "support/hand_builder.h"
#include "support/rule_fixture.h"

namespace {

enum class Takes { Suited, Honour, Any };

struct RuleEntry {
  const char* name;
  GenericRule rule;
  int arg;
  int reason;
  int other_reason;  // a second reason the rule may record, else 0
  Takes takes;
  bool neutral;      // every tile it takes keeps the distance to ready
};

constexpr GenericRule kRule20 = [](int s, int mode) { discard_rule_20_surplus_pairs(s, mode); };
constexpr GenericRule kRule60 = [](int s, int mode) { discard_rule_60_dead_neighbours(s, mode); };
constexpr GenericRule kRule10 = [](int s, int strict) { discard_rule_10_edge_partial(s, strict); };
constexpr GenericRule kRule11 = [](int s, int strict) { discard_rule_11_terminal_closed(s, strict); };
constexpr GenericRule kRule12 = [](int s, int strict) { discard_rule_12_closed_partial(s, strict); };
constexpr GenericRule kRule32 = [](int s, int strict) { discard_rule_32_closed_on_pair(s, strict); };
constexpr GenericRule kRule33 = [](int s, int strict) { discard_rule_33_single_below_pair(s, strict); };
constexpr GenericRule kRule35 = [](int s, int strict) { discard_rule_35_long_shape(s, strict); };

const RuleEntry kRules[] = {
    {"10", kRule10, 0, 10, 0, Takes::Suited, true},
    {"10 strict", kRule10, 1, 10, 0, Takes::Suited, true},
    {"11", kRule11, 0, 11, 0, Takes::Suited, true},
    {"12", kRule12, 0, 12, 0, Takes::Suited, true},
    {"20 mode 0", kRule20, 0, 20, 0, Takes::Any, false},
    {"20 mode 1", kRule20, 1, 20, 0, Takes::Any, false},
    {"20 mode 2", kRule20, 2, 20, 0, Takes::Any, false},
    {"20 mode 3", kRule20, 3, 20, 0, Takes::Any, false},
    {"20 mode 4", kRule20, 4, 20, 0, Takes::Honour, false},
    {"30", [](int s, int) { discard_rule_30_leftover_beside_pairs(s); }, 0, 30, 0, Takes::Suited, true},
    {"31", [](int s, int) { discard_rule_31_lone_three_apart(s); }, 0, 31, 0, Takes::Suited, true},
    {"32", kRule32, 0, 32, 0, Takes::Suited, true},
    {"33", kRule33, 0, 33, 0, Takes::Suited, true},
    {"34", [](int s, int) { discard_rule_34_spaced_singles(s); }, 0, 34, 33, Takes::Suited, true},
    {"35", kRule35, 0, 35, 0, Takes::Suited, true},
    {"41", [](int s, int) { discard_rule_41_adjacent_pairs(s); }, 0, 41, 0, Takes::Suited, true},
    {"42", [](int s, int) { discard_rule_42_simples_shapes(s); }, 0, 42, 0, Takes::Suited, false},
    {"43", [](int s, int) { discard_rule_43_pair_beside_single(s); }, 0, 43, 0, Takes::Suited, true},
    {"44", [](int s, int) { discard_rule_44_pair_gap_single(s); }, 0, 44, 0, Takes::Suited, true},
    {"50", [](int s, int) { discard_rule_50_dead_honour(s); }, 0, 50, 0, Takes::Honour, true},
    {"51", [](int s, int) { discard_rule_51_fourth_honour(s); }, 0, 51, 0, Takes::Honour, true},
    {"52", [](int s, int) { discard_rule_52_single_honours(s); }, 0, 52, 0, Takes::Honour, false},
    {"53", [](int s, int) { discard_rule_53_single_honour(s); }, 0, 53, 0, Takes::Honour, false},
    {"54", [](int s, int) { discard_rule_54_lone_honour_pair(s); }, 0, 54, 0, Takes::Honour, false},
    {"60 mode 0", kRule60, 0, 60, 0, Takes::Suited, false},
    {"60 mode 1", kRule60, 1, 60, 0, Takes::Suited, false},
    {"61", [](int s, int) { discard_rule_61_dead_terminal(s); }, 0, 61, 0, Takes::Suited, false},
    {"62", [](int s, int) { discard_rule_62_dead_two_eight(s); }, 0, 62, 0, Takes::Suited, false},
};

class GenericRuleProperties : public RuleTest {
 protected:
  std::mt19937 rng{20260612};

  int roll(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

  // A legal hand from a shuffled set of 136 tiles, sometimes with a declared
  // pung; visible copies within what is left; a pool with some tiles kept.
  void random_state() {
    SetUp();
    std::vector<int> tiles;
    for (int t : kPlayingTiles)
      for (int k = 0; k < 4; ++k) tiles.push_back(t);
    std::shuffle(tiles.begin(), tiles.end(), rng);
    const bool pung = roll(4) == 0;
    const int free_tiles = pung ? 11 : 13 + roll(2);
    int* hand = g_hand[kSeat];
    std::fill(hand, hand + kHandSlots, 0);
    std::copy(tiles.begin(), tiles.begin() + free_tiles, hand);
    sort_hand_slots(hand);
    count_hand_tiles(kSeat);
    int pung_tile = 0;
    if (pung) {
      pung_tile = *std::find_if(tiles.begin() + free_tiles, tiles.end(), [](int t) { return g_hand_counts[t] == 0; });
      add_meld(kSeat, kMeldPung, pung_tile);
    }
    build_work_hand(kSeat);
    for (int& slot : g_ai_work_hand)
      if (roll(4) == 0) slot = 0;

    for (int t : kPlayingTiles) {
      const int melded = t == pung_tile ? 3 : 0;
      // Biased toward the ends so that dead tiles occur often.
      const int left = 4 - g_hand_counts[t] - melded;
      g_visible_counts[t] = melded + (roll(2) == 0 ? left : roll(left + 1));
      g_seen_counts[t] = g_visible_counts[t] + g_hand_counts[t];
    }
    SeatAiRecord& ai = AI[kSeat];
    ai.min_shanten = roll(4);
    for (int& d : ai.hai_syanten) d = ai.min_shanten + (roll(3) == 0 ? 1 : 0);
    ai.best_blocks = 3 + roll(5);
    ai.best_pairs = roll(5);
    constexpr std::array<int, 7> kAims{0, 0, 0, 27, 49, 56, 33};
    g_ai_target_yaku[kSeat] = kAims[roll(7)];
    g_ai_target_variant[kSeat] = 10 * roll(6) + 1 + roll(5);
    if (roll(3) == 0) {
      g_ai_chow_candidates[kSeat][0] = 27;
      g_ai_chow_candidate_variants[kSeat][0] = 10 * roll(6) + 1 + roll(5);
    }
    g_dealer = roll(4);
    g_round_wind = roll(4);
    g_ai_pung_meld_count = roll(2);
  }
};

TEST_F(GenericRuleProperties, EveryProposalKeepsTheRuleContract) {
  std::array<int, std::size(kRules)> fired{};
  for (int round = 0; round < 3000; ++round) {
    random_state();
    std::array<int, kHandSlots> pool{};
    std::copy(std::begin(g_ai_work_hand), std::end(g_ai_work_hand), pool.begin());
    for (size_t r = 0; r < std::size(kRules); ++r) {
      const RuleEntry& e = kRules[r];
      SCOPED_TRACE(::testing::Message() << "rule " << e.name << ", round " << round << ", pool "
                                        << format_tiles(pool.data(), kHandSlots));
      std::copy(pool.begin(), pool.end(), g_ai_work_hand);
      const Proposal p = run(e.rule, e.arg);  // at most one tile, its pool slot emptied
      if (p.tile == 0) continue;
      ++fired[r];
      EXPECT_TRUE(p.reason == e.reason || (e.other_reason != 0 && p.reason == e.other_reason));
      if (e.takes == Takes::Suited) {
        EXPECT_TRUE(is_suited(p.tile));
      } else if (e.takes == Takes::Honour) {
        EXPECT_TRUE(is_honour(p.tile));
      }
      if (e.neutral) {
        EXPECT_EQ(AI[kSeat].hai_syanten[p.tile], AI[kSeat].min_shanten);
      }
      // The mode is in the sub-code, but for the dead single that both
      // modes of rule 60 test alike.
      const bool dead_single = e.reason == 60 && (p.subcode == 902 || p.subcode == 908);
      if ((e.reason == 20 || e.reason == 60) && !dead_single) {
        EXPECT_EQ(p.subcode / 1000, e.arg) << p.subcode;
      }
      if (::testing::Test::HasFailure()) return;
    }
  }
  // A rule that never fires on thousands of hands tests nothing here.
  for (size_t r = 0; r < std::size(kRules); ++r) EXPECT_GT(fired[r], 0) << "rule " << kRules[r].name;
}

}  // namespace
