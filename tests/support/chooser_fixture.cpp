#include "support/chooser_fixture.h"

#include <algorithm>
#include <array>

#include "base/ai_record.h"
#include "base/table_state.h"
#include "com/target/com_target.h"
#include "com/turn/planner_state.h"
#include "support/hand_builder.h"

namespace {

bool is_flush_target(int target) { return target == 55 || target == 62 || target == 65 || target == 66; }
bool reloads_hand(int target) { return target == 56 || target == 57 || target == 77; }
bool narrows_pool(int target) { return target == 52 || target == 58 || target == 63 || target == 70 || target == 79; }

std::string describe(const Proposals& p) {
  return p.tiles.empty() ? "nothing" : format_tiles(p.tiles) + " sub " + std::to_string(p.subcode);
}

}  // namespace

void ChooserTest::arrange(const ChooserCase& example, int target) {
  const ChooserSeat& c = example.seat;
  g_dealer = c.dealer;
  g_round_wind = c.round_wind;
  ::set_hand(kSeat, example.hand);
  if (c.meld != 0) {
    add_meld(kSeat, c.meld / 100, c.meld % 100);
    g_seat_state[kSeat].naki_count = 1;
  }
  count_hand_tiles(kSeat);
  if (*c.pool == '\0') {
    build_work_hand(kSeat);
  } else {
    const std::array<int, kHandSlots> slots = make_hand(c.pool);
    std::copy(slots.begin(), slots.end(), g_ai_work_hand);
  }
  set_visible(c.visible);
  AI[kSeat].min_shanten = c.min_shanten;
  std::fill(std::begin(AI[kSeat].hai_syanten), std::end(AI[kSeat].hai_syanten), c.min_shanten);
  set_not_neutral(c.not_neutral);
  AI[kSeat].best_blocks = c.best_blocks;
  set_target(c.target != 0 ? c.target : target, c.variant);
}

Proposals ChooserTest::run_chooser(Chooser rule, int flag) {
  const int target = g_ai_target_yaku[kSeat];
  const int variant = g_ai_target_variant[kSeat];
  std::array<int, kHandSlots> before{};
  std::copy(std::begin(g_ai_work_hand), std::end(g_ai_work_hand), before.begin());
  g_ai_discard_count = 0;
  AI[kSeat].discard_yaku = AI[kSeat].discard_reason = AI[kSeat].discard_subcode = 0;
  rule(kSeat, flag);
  const SeatAiRecord& ai = AI[kSeat];
  EXPECT_EQ(g_ai_target_yaku[kSeat], target);
  EXPECT_EQ(g_ai_target_variant[kSeat], variant) << "the variant is the target's own after the call";
  EXPECT_EQ(ai.discard_reason, 0);
  Proposals got{
      {g_ai_discard_candidates, g_ai_discard_candidates + g_ai_discard_count}, ai.discard_yaku, ai.discard_subcode};
  if (got.tiles.empty()) {
    for (int i = 0; i < kHandSlots && narrows_pool(target); ++i)
      EXPECT_TRUE(g_ai_work_hand[i] == before[i] || g_ai_work_hand[i] == 0) << "a pool slot rewritten";
    EXPECT_TRUE(narrows_pool(target) || std::equal(before.begin(), before.end(), g_ai_work_hand))
        << "nothing proposed, yet the pool changed";
    EXPECT_EQ(ai.discard_yaku + ai.discard_subcode, 0) << "nothing proposed, yet the record changed";
    return got;
  }
  if (!is_flush_target(target)) {
    EXPECT_EQ(got.tiles.size(), 1u) << "a chooser proposes one tile";
  }
  EXPECT_EQ(ai.discard_yaku, is_flush_target(target) ? 55 : target);
  std::array<int, kTileCodes> left{};  // tiles the proposals and the pool may still use
  for (int t = 0; t < kTileCodes; ++t) left[t] = reloads_hand(target) ? g_hand_counts[t] : 0;
  for (int i = 0; i < kHandSlots; ++i) {
    if (reloads_hand(target)) {
      if (is_playing_tile(g_ai_work_hand[i])) --left[g_ai_work_hand[i]];
    } else if (before[i] != g_ai_work_hand[i]) {
      EXPECT_EQ(g_ai_work_hand[i], 0) << "a pool slot changed without being emptied";
      ++left[before[i]];
    }
  }
  for (int tile : got.tiles) {
    EXPECT_TRUE(is_playing_tile(tile)) << tile;
    if (is_playing_tile(tile)) --left[tile];
  }
  EXPECT_TRUE(std::all_of(left.begin(), left.end(), [](int n) { return n >= 0; }))
      << "a proposed tile came from no emptied slot";
  if (!reloads_hand(target) && !narrows_pool(target)) {
    EXPECT_TRUE(std::all_of(left.begin(), left.end(), [](int n) { return n == 0; }))
        << "a slot emptied for no proposal";
  }
  return got;
}

void ChooserTest::check(Chooser rule, int target, const ChooserCase& c) {
  arrange(c, target);
  const Proposals got = run_chooser(rule, c.seat.flag);
  const Proposals want{parse_tiles(c.expect), 0, *c.expect == '\0' ? 0 : c.subcode};
  EXPECT_EQ(describe(got), describe(want)) << c.name << ": hand " << c.hand;
  if (c.seat.left != nullptr) {
    EXPECT_EQ(format_tiles(g_ai_work_hand, kHandSlots), format_tiles(parse_tiles(c.seat.left))) << "the pool left";
  }
  if (c.seat.then == nullptr) return;
  std::vector<int> more;
  for (Proposals p = run_chooser(rule, c.seat.flag); !p.tiles.empty(); p = run_chooser(rule, c.seat.flag))
    more.push_back(p.tiles.front());
  EXPECT_EQ(format_tiles(more), format_tiles(parse_tiles(c.seat.then))) << "what further runs propose";
}

void ChooserTest::check_by_target(std::span<const AimedChooser> choosers, const ChooserCase& c) {
  const auto it = std::find_if(choosers.begin(), choosers.end(), [&](const AimedChooser& a) { return a.target == c.seat.target; });
  ASSERT_NE(it, choosers.end()) << c.name << ": no chooser serves target " << c.seat.target;
  check(it->rule, it->target, c);
}

void PrintTo(const ChooserCase& c, std::ostream* os) { *os << c.name; }

std::string chooser_case_name(const ::testing::TestParamInfo<ChooserCase>& info) { return info.param.name; }
