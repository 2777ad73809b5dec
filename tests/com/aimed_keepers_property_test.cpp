// Every keeper of an aimed pattern and every template leftover rule on
// seeded random seats: the keeper contract (only pool slots zeroed, never a
// candidate, never a pool left without a tile unless it gives the hand back
// whole) and nothing at all while the seat aims elsewhere.
#include <algorithm>
#include <array>
#include <random>
#include <vector>

#include "com/aimed/aimed_rules.h"
#include "com/target/com_target.h"
#include "com/turn/cascade_places.h"
#include "com/turn/planner_state.h"
#include "core/ai_record.h"
#include "core/visible.h"
#include "support/hand_builder.h"
#include "support/keeper_fixture.h"
#include "table/table_state.h"

namespace {

using Pool = std::array<int, kHandSlots>;

struct Entry {
  const char* name;
  Keeper rule;
  std::vector<int> ids;  // the aims it answers to
  std::vector<int> records;  // what it may write as discard_yaku; for the template rules, the reason
  bool rule_takes = false;   // a template leftover rule: proposes, keeps nothing
};

const Entry kEntries[] = {
    {"chow template", keep_chow_template, {27, 33, 35, 47, 49}, {27, 33, 35, 47, 49}},
    {"mixed shifted pungs", keep_mixed_shifted_pungs_tiles, {34}, {34}},
    {"knitted straight", keep_knitted_straight_tiles, {43}, {}},
    {"triple pung", keep_triple_pung_tiles, {50}, {}},
    {"concealed pungs", keep_concealed_pung_tiles, {51}, {}},
    {"pure triple chow", keep_pure_triple_chow_tiles, {53}, {53}},
    {"pure shifted pungs", keep_pure_shifted_pungs_tiles, {54}, {54}},
    {"terminal chows", keep_three_suited_terminal_chows_tiles, {48}, {}},
    {"four shifted chows", keep_four_pure_shifted_chows_tiles, {62}, {62}},
    {"quadruple chow", keep_quadruple_chow_tiles, {65}, {}},
    {"four shifted pungs", keep_four_pure_shifted_pungs_tiles, {66}, {}},
    {"big four winds", keep_big_four_winds_tiles, {73}, {73}},
    {"big three dragons", keep_big_three_dragons_tiles, {74}, {74}},
    {"leftover shapes", keep_leftover_shapes, {27, 33, 34, 35, 43, 47, 49}, {90}},
    {"leftover shapes b", keep_leftover_shapes_b, {27, 33, 34, 35, 43, 47, 49}, {91}},
    {"leftover pairs", keep_leftover_pairs, {27, 33, 34, 35, 43, 47, 49}, {93}},
    {"leftover pair a", keep_leftover_pair_a, {27, 33, 34, 35, 43, 47, 49}, {}},
    {"pairs or seven pairs", keep_pairs_or_chiitoi, {27}, {56}},
    {"leftover pair b", keep_leftover_pair_b, {27, 33, 34, 35, 43, 47, 49}, {}},
    {"500", discard_rule_500_template_leftover, {27, 33, 34, 35, 43, 47, 49}, {500}, true},
    {"520", discard_rule_520_template_leftover, {27, 33, 35, 43, 47, 49}, {520}, true},
    {"521", discard_rule_521_template_leftover, {27, 33, 35, 43, 47, 49}, {521}, true},
    {"540", discard_rule_540_template_leftover, {27, 33, 34, 35, 43, 47, 49}, {540}, true},
    {"530", discard_rule_530_template_leftover, {27, 33, 34, 35, 43, 47, 49}, {530}, true},
    {"550", discard_rule_550_template_leftover, {27, 33, 34, 35, 43, 47, 49}, {550}, true},
    {"551", discard_rule_551_template_leftover, {27, 33, 34, 35, 43, 47, 49}, {551}, true},
    {"560", discard_rule_560_only_neutral_kind, {27, 33, 34, 35, 43, 47, 49}, {560}, true},
};

bool holds(const std::vector<int>& list, int x) { return std::find(list.begin(), list.end(), x) != list.end(); }

// Everything a rule may touch, to compare before and after.
struct Snapshot {
  Pool pool;
  int count, yaku, reason, subcode, target, variant;
  bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(int seat) {
  Snapshot s{};
  std::copy(std::begin(g_ai_work_hand), std::end(g_ai_work_hand), s.pool.begin());
  s.count = g_ai_discard_count;
  s.yaku = AI[seat].discard_yaku;
  s.reason = AI[seat].discard_reason;
  s.subcode = AI[seat].discard_subcode;
  s.target = g_ai_target_yaku[seat];
  s.variant = g_ai_target_variant[seat];
  return s;
}

bool has_tile(const Pool& p) { return std::any_of(p.begin(), p.end(), is_playing_tile); }

class AimedRuleProperties : public KeeperTest {
 protected:
  std::mt19937 rng{20260613};
  int roll(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

  // A random small group of one suit (mostly the hand's): a chow, a pair,
  // a triplet, partials, a single, a run of four, spaced singles, a pair
  // beside a single or a chow; the groups of one kind may be honours.
  std::vector<int> random_group(int suit) {
    static const std::vector<std::vector<int>> kGroups{{0, 1, 2}, {0, 0},    {0, 0, 0}, {0, 1},    {0, 2},    {0},
                                                       {0, 1, 2, 3}, {0, 2, 4}, {0, 0, 1}, {0, 1, 1}, {0, 0, 2}, {0, 2, 2},
                                                       {0, 0, 1, 2}, {0, 1, 2, 2}};
    const std::vector<int>& group = kGroups[roll(static_cast<int>(kGroups.size()))];
    const int span = group.back();
    const bool honour = span == 0 && roll(5) == 0;
    const int first = honour ? kEast + roll(7) : make_tile(roll(3) == 0 ? roll(3) : suit, 1 + roll(9 - span));
    std::vector<int> tiles;
    for (int offset : group) tiles.push_back(first + offset);
    return tiles;
  }

  // A legal hand of random groups, sometimes with a declared meld; the
  // first groups (two to nine tiles) left in the pool as the template
  // keeper would leave them; a random aim, variant (out of range now and
  // then) and alternates.
  void random_seat(int aim) {
    SetUp();
    const int melds = roll(3) == 0 ? 1 : 0;
    const int free_tiles = 14 - 3 * melds, suit = roll(3), pool_size = 2 + roll(8);
    std::vector<int> tiles, pool;
    std::array<int, kTileCodes> held{};
    while (static_cast<int>(tiles.size()) < free_tiles) {
      for (int t : random_group(suit)) {
        if (static_cast<int>(tiles.size()) == free_tiles || held[t] == 4) break;
        ++held[t];
        tiles.push_back(t);
        if (static_cast<int>(tiles.size()) <= pool_size) pool.push_back(t);
      }
    }
    int* hand = g_hand[kSeat];
    std::fill(hand, hand + kHandSlots, 0);
    std::copy(tiles.begin(), tiles.end(), hand);
    if (melds) {
      const int t = make_tile(suit, 1 + roll(7));
      add_meld(kSeat, held[t] == 0 && roll(2) ? kMeldPung : kMeldChow, t);
      g_seat_state[kSeat].naki_count = 1;
    }
    sort_hand_slots(hand);
    count_hand_tiles(kSeat);
    std::sort(pool.begin(), pool.end());
    std::fill(std::begin(g_ai_work_hand), std::end(g_ai_work_hand), 0);
    std::copy(pool.begin(), pool.end(), g_ai_work_hand);
    for (int t : kPlayingTiles) {
      g_visible_counts[t] = roll(std::max(1, 5 - g_hand_counts[t]));
      g_seen_counts[t] = g_visible_counts[t] + g_hand_counts[t];
    }
    AI[kSeat].min_shanten = roll(3);
    for (int& d : AI[kSeat].hai_syanten) d = AI[kSeat].min_shanten + roll(2);
    AI[kSeat].best_pairs = roll(3);
    set_target(aim, roll(8) == 0 ? roll(120) - 20 : roll(60));
    const int alternates = roll(7) % 6;
    for (int i = 0; i < alternates; ++i) {
      constexpr int kChowIds[] = {27, 33, 35, 47, 49};
      g_ai_chow_candidates[kSeat][i] = kChowIds[roll(5)];
      g_ai_chow_candidate_variants[kSeat][i] = roll(60);
    }
    AI[kSeat].discard_yaku = kOldYaku;
    AI[kSeat].discard_subcode = kOldSubcode;
  }

  void check_keeper(const Entry& e, const Snapshot& before, const Snapshot& after) {
    EXPECT_EQ(after.count, 0) << "a keeper proposes nothing";
    EXPECT_EQ(after.reason, before.reason);
    if (after.yaku != before.yaku || after.subcode != before.subcode) {
      EXPECT_TRUE(holds(e.records, after.yaku)) << after.yaku;
      const bool plan_code = after.yaku >= 90 || after.yaku == 56;
      const bool records_subcode = e.records.size() == 1;
      if (records_subcode) {
        EXPECT_EQ(after.subcode, plan_code ? kOldYaku : 0);
      } else {
        EXPECT_EQ(after.subcode, kOldSubcode) << "the chow template keeper writes no sub-code";
      }
    }
    if (after.target != before.target || after.variant != before.variant) {
      EXPECT_EQ(e.rule, keep_pairs_or_chiitoi);
      EXPECT_EQ(after.target, 56);
      EXPECT_EQ(after.variant, 0);
    }
    build_work_hand(kSeat);
    Pool whole{};
    std::copy(std::begin(g_ai_work_hand), std::end(g_ai_work_hand), whole.begin());
    const bool rebuilt = (e.rule == keep_leftover_pair_b || e.rule == keep_pairs_or_chiitoi) && after.pool == whole;
    if (rebuilt) return;
    EXPECT_TRUE(after.target == before.target) << "the aim changes only with the hand given back";
    for (int i = 0; i < kHandSlots; ++i)
      EXPECT_TRUE(after.pool[i] == before.pool[i] || after.pool[i] == 0) << "slot " << i << " changed, not zeroed";
    if (has_tile(before.pool)) {
      EXPECT_TRUE(has_tile(after.pool)) << "the pool left without a tile";
    }
  }

  void check_rule(const Entry& e, const Snapshot& before, const Snapshot& after) {
    EXPECT_LE(after.count, 1);
    const int changed = static_cast<int>(std::mismatch(before.pool.begin(), before.pool.end(), after.pool.begin()).first -
                                         before.pool.begin());
    if (after.count == 0) {
      EXPECT_TRUE(after == before);
      return;
    }
    EXPECT_TRUE(holds(e.records, after.reason));
    EXPECT_EQ(g_ai_discard_candidates[0], before.pool[changed]);
    EXPECT_EQ(after.pool[changed], 0);
    EXPECT_TRUE(std::equal(after.pool.begin() + changed + 1, after.pool.end(), before.pool.begin() + changed + 1));
    for (int t = kEast; t <= kRed; ++t) EXPECT_NE(g_hand_counts[t], 1) << "an honour held once stops the rule";
  }
};

TEST_F(AimedRuleProperties, KeepTheirContractOnRandomSeats) {
  constexpr int kAims[] = {0, 23, 27, 33, 34, 35, 43, 47, 48, 49, 50, 51, 53, 54, 56, 62, 65, 66, 73, 74};
  std::vector<int> acted(std::size(kEntries));
  for (int round = 0; round < 10000; ++round) {
    constexpr int kTemplateAims[] = {27, 33, 34, 35, 43, 47, 49};
    const int aim = roll(2) == 0 ? kTemplateAims[roll(7)] : kAims[roll(static_cast<int>(std::size(kAims)))];
    for (size_t i = 0; i < std::size(kEntries); ++i) {
      const Entry& e = kEntries[i];
      random_seat(aim);
      const Snapshot before = snapshot(kSeat);
      e.rule(kSeat);
      const Snapshot after = snapshot(kSeat);
      SCOPED_TRACE(::testing::Message() << e.name << ", aim " << aim << " variant " << before.variant << ", round "
                                        << round << ", pool " << format_tiles(before.pool.data(), kHandSlots));
      if (!holds(e.ids, aim)) {
        EXPECT_TRUE(after == before) << "a rule of another aim changed something";
      } else if (e.rule_takes) {
        check_rule(e, before, after);
      } else {
        check_keeper(e, before, after);
      }
      acted[i] += !(after == before);
      if (::testing::Test::HasFailure()) return;
    }
  }
  // A rule that never acts on thousands of seats tests nothing here.
  for (size_t i = 0; i < std::size(kEntries); ++i) EXPECT_GT(acted[i], 0) << kEntries[i].name;
}

}  // namespace
