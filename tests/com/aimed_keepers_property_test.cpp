// Every keeper of an aimed pattern and every template leftover rule on
// seeded random seats: a keeper only zeroes pool slots, never proposes and
// never leaves the pool without a tile unless it gives the whole hand back;
// a template rule proposes at most one pool tile under its own number; and
// no rule touches anything while the seat aims elsewhere.
#include <algorithm>
#include <array>
#include <random>
#include <vector>

#include "base/ai_record.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "com/aimed/aimed_rules.h"
#include "com/target/com_target.h"
#include "com/turn/cascade_places.h"
#include "com/turn/planner_state.h"
#include "support/hand_builder.h"
#include "support/keeper_fixture.h"

namespace {

using Pool = std::array<int, kHandSlots>;
const std::vector<int> kTemplateAims{27, 33, 34, 35, 43, 47, 49};
const std::vector<int> kChowAims{27, 33, 35, 43, 47, 49};
constexpr int kAimedPattern = -1;

struct Entry {
  Keeper rule;
  std::vector<int> ids;  // the aims it answers to
  int writes;            // the discard_yaku a keeper may write (0 none) or a rule's reason (500 up)
};

const Entry kEntries[] = {
    {keep_chow_template, {27, 33, 35, 47, 49}, kAimedPattern}, {keep_mixed_shifted_pungs_tiles, {34}, 34},
    {keep_knitted_straight_tiles, {43}, 0}, {keep_triple_pung_tiles, {50}, 0}, {keep_concealed_pung_tiles, {51}, 0},
    {keep_pure_triple_chow_tiles, {53}, 53}, {keep_pure_shifted_pungs_tiles, {54}, 54},
    {keep_three_suited_terminal_chows_tiles, {48}, 0}, {keep_four_pure_shifted_chows_tiles, {62}, 62},
    {keep_quadruple_chow_tiles, {65}, 0}, {keep_four_pure_shifted_pungs_tiles, {66}, 0},
    {keep_big_four_winds_tiles, {73}, 73}, {keep_big_three_dragons_tiles, {74}, 74},
    {keep_leftover_shapes, kTemplateAims, 90}, {keep_leftover_shapes_b, kTemplateAims, 91},
    {keep_leftover_pairs, kTemplateAims, 93}, {keep_leftover_pair_a, kTemplateAims, 0},
    {keep_pairs_or_chiitoi, {27}, 56}, {keep_leftover_pair_b, kTemplateAims, 0},
    {discard_rule_500_template_leftover, kTemplateAims, 500}, {discard_rule_520_template_leftover, kChowAims, 520},
    {discard_rule_521_template_leftover, kChowAims, 521}, {discard_rule_540_template_leftover, kTemplateAims, 540},
    {discard_rule_530_template_leftover, kTemplateAims, 530}, {discard_rule_550_template_leftover, kTemplateAims, 550},
    {discard_rule_551_template_leftover, kTemplateAims, 551}, {discard_rule_560_only_neutral_kind, kTemplateAims, 560},
};

// Everything a rule may touch.
struct State {
  Pool pool;
  int count, yaku, reason, subcode, target, variant;
  bool operator==(const State&) const = default;
};

State state() {
  State s{{}, g_ai_discard_count, AI[1].discard_yaku, AI[1].discard_reason, AI[1].discard_subcode,
          g_ai_target_yaku[1], g_ai_target_variant[1]};
  std::copy(std::begin(g_ai_work_hand), std::end(g_ai_work_hand), s.pool.begin());
  return s;
}

bool has_tile(const Pool& p) { return std::any_of(p.begin(), p.end(), is_playing_tile); }

class AimedRuleProperties : public KeeperTest {
 protected:
  std::mt19937 rng{20260613};
  int roll(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

  // A random small group, mostly of the hand's suit: a chow, pairs,
  // partials, singles, runs, spaced singles, a pair beside a single or a
  // chow; groups of one kind may be honours.
  std::vector<int> random_group(int suit) {
    static const std::vector<std::vector<int>> kGroups{
        {0, 1, 2}, {0, 0}, {0, 0, 0}, {0, 1}, {0, 2}, {0}, {0, 1, 2, 3}, {0, 2, 4},
        {0, 0, 1}, {0, 1, 1}, {0, 0, 2}, {0, 2, 2}, {0, 0, 1, 2}, {0, 1, 2, 2}};
    const std::vector<int>& group = kGroups[roll(static_cast<int>(kGroups.size()))];
    const bool honour = group.back() == 0 && roll(5) == 0;
    const int first = honour ? kEast + roll(7) : make_tile(roll(3) == 0 ? roll(3) : suit, 1 + roll(9 - group.back()));
    std::vector<int> tiles;
    for (int offset : group) tiles.push_back(first + offset);
    return tiles;
  }

  // A legal hand of random groups, now and then beside a declared meld; its
  // first two to nine tiles left in the pool as a template keeper leaves
  // them; a random variant (out of range now and then) and alternates.
  void random_seat(int aim) {
    SetUp();
    const bool meld = roll(3) == 0;
    const int free_tiles = meld ? 11 : 14, suit = roll(3), pool_size = 2 + roll(8);
    std::vector<int> tiles;
    std::array<int, kTileCodes> held{};
    while (static_cast<int>(tiles.size()) < free_tiles)
      for (int t : random_group(suit))
        if (static_cast<int>(tiles.size()) < free_tiles && held[t] < 4) ++held[t], tiles.push_back(t);
    std::fill(g_hand[kSeat], g_hand[kSeat] + kHandSlots, 0);
    std::copy(tiles.begin(), tiles.end(), g_hand[kSeat]);
    if (meld) {
      const int t = make_tile(suit, 1 + roll(7));
      add_meld(kSeat, held[t] == 0 && roll(2) ? kMeldPung : kMeldChow, t);
      g_seat_state[kSeat].naki_count = 1;
    }
    count_hand_tiles(kSeat);
    std::sort(tiles.begin(), tiles.begin() + pool_size);
    std::fill(std::begin(g_ai_work_hand), std::end(g_ai_work_hand), 0);
    std::copy(tiles.begin(), tiles.begin() + pool_size, g_ai_work_hand);
    for (int t : kPlayingTiles) g_seen_counts[t] = (g_visible_counts[t] = roll(5 - g_hand_counts[t])) + g_hand_counts[t];
    AI[kSeat].min_shanten = roll(3);
    for (int& d : AI[kSeat].hai_syanten) d = AI[kSeat].min_shanten + roll(2);
    AI[kSeat].best_pairs = roll(3);
    set_target(aim, roll(8) == 0 ? roll(120) - 20 : roll(60));
    std::vector<std::pair<int, int>> alternates(roll(7) % 6);
    for (auto& [id, variant] : alternates) id = kChowAims[roll(6)], variant = roll(60);
    set_alternates(alternates);
    AI[kSeat].discard_yaku = kOldYaku;
  }

  void check_keeper(const Entry& e, const State& before, const State& after) {
    EXPECT_EQ(after.count, 0) << "a keeper proposes nothing";
    const int writes = e.writes == kAimedPattern ? before.target : e.writes;
    EXPECT_TRUE(after.yaku == before.yaku || after.yaku == writes) << after.yaku;
    build_work_hand(kSeat);
    const bool whole_hand = std::equal(after.pool.begin(), after.pool.end(), g_ai_work_hand);
    const bool gives_back = (e.rule == keep_leftover_pair_b || e.rule == keep_pairs_or_chiitoi) && whole_hand;
    const bool to_seven_pairs = gives_back && after.target == 56 && after.variant == 0;
    EXPECT_TRUE(after.target == before.target || to_seven_pairs);
    if (gives_back) return;
    for (int i = 0; i < kHandSlots; ++i) EXPECT_TRUE(after.pool[i] == before.pool[i] || after.pool[i] == 0) << i;
    EXPECT_TRUE(!has_tile(before.pool) || has_tile(after.pool)) << "the pool left without a tile";
  }

  void check_rule(const Entry& e, const State& before, const State& after) {
    ASSERT_LE(after.count, 1);
    if (after.count == 0) {
      EXPECT_TRUE(after == before);
      return;
    }
    EXPECT_EQ(after.reason, e.writes);
    int emptied = 0;
    for (int i = 0; i < kHandSlots; ++i) {
      if (after.pool[i] == before.pool[i]) continue;
      ++emptied;
      EXPECT_TRUE(after.pool[i] == 0 && before.pool[i] == g_ai_discard_candidates[0]);
    }
    EXPECT_EQ(emptied, 1);
    for (int t = kEast; t <= kRed; ++t) EXPECT_NE(g_hand_counts[t], 1) << "an honour held once stops the rule";
  }
};

TEST_F(AimedRuleProperties, KeepTheirContractOnRandomSeats) {
  constexpr int kAims[] = {0, 23, 27, 33, 34, 35, 43, 47, 48, 49, 50, 51, 53, 54, 56, 62, 65, 66, 73, 74};
  std::vector<int> acted(std::size(kEntries));
  for (int round = 0; round < 10000; ++round) {
    const int aim = roll(2) == 0 ? kTemplateAims[roll(7)] : kAims[roll(static_cast<int>(std::size(kAims)))];
    for (size_t i = 0; i < std::size(kEntries); ++i) {
      const Entry& e = kEntries[i];
      random_seat(aim);
      const State before = state();
      e.rule(kSeat);
      const State after = state();
      SCOPED_TRACE(::testing::Message() << "entry " << i << ", aim " << aim << " variant " << before.variant
                                        << ", pool " << format_tiles(before.pool.data(), kHandSlots));
      if (std::find(e.ids.begin(), e.ids.end(), aim) == e.ids.end()) {
        EXPECT_TRUE(after == before) << "a rule of another aim changed something";
      } else if (e.writes >= 500) {
        check_rule(e, before, after);
      } else {
        check_keeper(e, before, after);
      }
      acted[i] += !(after == before);
      if (::testing::Test::HasFailure()) return;
    }
  }
  // A rule that never acts on thousands of seats tests nothing here.
  for (size_t i = 0; i < std::size(kEntries); ++i) EXPECT_GT(acted[i], 0) << "entry " << i;
}

}  // namespace
