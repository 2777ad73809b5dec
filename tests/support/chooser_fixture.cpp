#include "support/chooser_fixture.h"

#include <algorithm>

#include "com/target/com_target.h"
#include "com/turn/planner_state.h"
#include "core/ai_record.h"
#include "support/hand_builder.h"

Proposal ChooserTest::run_chooser(Chooser chooser) {
  std::array<int, kHandSlots> before{};
  std::copy(std::begin(g_ai_work_hand), std::end(g_ai_work_hand), before.begin());
  const int target = g_ai_target_yaku[kSeat];
  const int variant = g_ai_target_variant[kSeat];
  AI[kSeat].discard_yaku = AI[kSeat].discard_reason = AI[kSeat].discard_subcode = 0;
  g_ai_discard_count = 0;
  chooser(kSeat);
  EXPECT_EQ(g_ai_target_yaku[kSeat], target);
  EXPECT_EQ(g_ai_target_variant[kSeat], variant);
  EXPECT_EQ(AI[kSeat].discard_reason, 0);
  for (int i = 0; i < kHandSlots; ++i)
    EXPECT_TRUE(g_ai_work_hand[i] == before[i] || g_ai_work_hand[i] == 0) << "pool slot " << i << " rewritten";
  EXPECT_LE(g_ai_discard_count, 1);
  if (g_ai_discard_count == 0) return {0, AI[kSeat].discard_yaku, AI[kSeat].discard_subcode};
  const int tile = g_ai_discard_candidates[0];
  EXPECT_TRUE(is_playing_tile(tile)) << tile;
  bool emptied = false;
  for (int i = 0; i < kHandSlots; ++i) emptied |= before[i] == tile && g_ai_work_hand[i] == 0;
  EXPECT_TRUE(emptied) << "no pool slot of " << tile << " emptied";
  return {tile, AI[kSeat].discard_yaku, AI[kSeat].discard_subcode};
}

void ChooserTest::check(const ChooserCase& c) {
  set_hand(c.hand, c.pool);
  for (int code : c.melds)
    if (code != 0) add_meld(kSeat, meld_kind(code), meld_tile(code));
  set_visible(c.visible);
  set_target(c.target, c.variant);
  const Proposal got = run_chooser(c.chooser);
  const bool none = *c.expect == '\0';
  const Proposal want{none ? 0 : parse_tiles(c.expect).at(0), none ? 0 : c.target, none ? 0 : c.subcode};
  EXPECT_EQ(describe(got), describe(want)) << "hand " << c.hand;
  if (c.left == nullptr) return;
  EXPECT_EQ(format_tiles(g_ai_work_hand, kHandSlots), format_tiles(parse_tiles(c.left))) << "the pool left";
}

void PrintTo(const ChooserCase& c, std::ostream* os) { *os << c.name; }
std::string chooser_case_name(const ::testing::TestParamInfo<ChooserCase>& info) { return info.param.name; }
