#include "support/rule_fixture.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "base/ai_record.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "com/turn/planner_state.h"
#include "com/turn/rule_target.h"
#include "shell/program_state.h"
#include "support/hand_builder.h"

void RuleTest::SetUp() {
  reset_program_state();
  SeatAiRecord& ai = AI[kSeat];
  ai.min_shanten = 1;
  std::fill(std::begin(ai.hai_syanten), std::end(ai.hai_syanten), 1);
  ai.best_blocks = 4;
  ai.best_pairs = 1;
}

void RuleTest::set_hand(std::string_view hand, std::string_view pool, int pung) {
  ::set_hand(kSeat, hand);
  if (pung != 0) add_meld(kSeat, kMeldPung, pung);
  count_hand_tiles(kSeat);
  if (pool.empty()) {
    build_work_hand(kSeat);
  } else {
    const std::array<int, kHandSlots> slots = make_hand(pool);
    std::copy(slots.begin(), slots.end(), g_ai_work_hand);
  }
  set_visible("");
}

void RuleTest::set_visible(std::string_view tiles) {
  std::memset(g_visible_counts, 0, sizeof g_visible_counts);
  for (int t : parse_tiles(tiles)) ++g_visible_counts[t];
  for (int t = 0; t < kTileCodes; ++t) g_seen_counts[t] = g_visible_counts[t] + g_hand_counts[t];
}

void RuleTest::set_not_neutral(std::string_view tiles) {
  for (int t : parse_tiles(tiles)) AI[kSeat].hai_syanten[t] = AI[kSeat].min_shanten + 1;
}

void RuleTest::set_target(int yaku, int variant) {
  g_ai_target_yaku[kSeat] = yaku;
  g_ai_target_variant[kSeat] = variant;
}

Proposal RuleTest::run(GenericRule rule, int arg) {
  std::array<int, kHandSlots> before{};
  std::copy(std::begin(g_ai_work_hand), std::end(g_ai_work_hand), before.begin());
  AI[kSeat].discard_reason = 0;
  AI[kSeat].discard_subcode = 0;
  g_ai_discard_count = 0;
  rule(kSeat, arg);
  EXPECT_LE(g_ai_discard_count, 1) << "a rule proposes at most one tile";
  if (g_ai_discard_count == 0) {
    EXPECT_TRUE(std::equal(before.begin(), before.end(), g_ai_work_hand)) << "nothing proposed, yet the pool changed";
    return {0, AI[kSeat].discard_reason, AI[kSeat].discard_subcode};
  }
  const int tile = g_ai_discard_candidates[0];
  int changed = 0;
  for (int i = 0; i < kHandSlots; ++i) {
    if (before[i] == g_ai_work_hand[i]) continue;
    ++changed;
    EXPECT_EQ(before[i], tile) << "the emptied pool slot held another tile";
    EXPECT_EQ(g_ai_work_hand[i], 0) << "the proposed tile's slot is not emptied";
  }
  EXPECT_EQ(changed, 1) << "exactly one pool slot empties";
  return {tile, AI[kSeat].discard_reason, AI[kSeat].discard_subcode};
}

std::string describe(const Proposal& p) {
  if (p.tile == 0) return "nothing";
  return format_tiles(std::vector<int>{p.tile}) + " reason " + std::to_string(p.reason) + " sub " + std::to_string(p.subcode);
}

namespace {

// The tiles of `text` with every suited rank r read as 10 - r.
std::string mirror_text(const char* text) {
  std::vector<int> tiles = parse_tiles(text);
  for (int& t : tiles)
    if (is_suited(t)) t = make_tile(suit_of(t), 10 - rank_of(t));
  std::sort(tiles.begin(), tiles.end());
  return format_tiles(tiles);
}

}  // namespace

void RuleTest::check_once(const RuleCase& c, bool mirrored) {
  const auto text = [&](const char* t) { return mirrored ? mirror_text(t) : std::string(t); };
  g_dealer = c.dealer;
  g_round_wind = c.round_wind;
  set_hand(text(c.hand), text(c.pool), c.pung);
  set_visible(text(c.visible));
  set_not_neutral(text(c.not_neutral));
  set_target(c.target, c.target_variant);
  AI[kSeat].best_blocks = c.best_blocks;
  AI[kSeat].best_pairs = c.best_pairs;
  const Proposal got = run(c.rule, c.arg);
  const std::string expect = text(c.expect);
  const Proposal want{expect.empty() ? 0 : parse_tiles(expect).at(0), expect.empty() ? 0 : c.reason,
                      expect.empty() ? 0 : mirrored ? c.mirror_subcode : c.subcode};
  EXPECT_EQ(describe(got), describe(want)) << c.name << (mirrored ? " mirrored" : "") << ": hand " << text(c.hand)
                                           << ", pool " << (*c.pool ? text(c.pool) : text(c.hand));
}

void RuleTest::check(const RuleCase& c) {
  check_once(c, false);
  if (c.mirror_subcode < 0) return;
  SetUp();
  check_once(c, true);
}

std::string case_name(const ::testing::TestParamInfo<RuleCase>& info) { return info.param.name; }

void PrintTo(const RuleCase& c, std::ostream* os) { *os << c.name; }
