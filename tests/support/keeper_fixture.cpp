#include "support/keeper_fixture.h"

#include <algorithm>

#include "base/ai_record.h"
#include "base/table_state.h"
#include "com/target/com_target.h"
#include "com/turn/planner_state.h"
#include "support/hand_builder.h"

void KeeperTest::declare(const std::vector<Meld>& melds) {
  for (const Meld& m : melds) add_meld(kSeat, m.kind, m.tile);
  g_seat_state[kSeat].naki_count = static_cast<int>(melds.size());
}

void KeeperTest::set_alternates(const std::vector<std::pair<int, int>>& alternates) {
  for (size_t i = 0; i < alternates.size(); ++i)
    std::tie(g_ai_chow_candidates[kSeat][i], g_ai_chow_candidate_variants[kSeat][i]) = alternates[i];
}

std::string KeeperTest::pool_text() { return format_tiles(g_ai_work_hand, kHandSlots); }

void KeeperTest::check(const KeeperCase& c) {
  set_hand(c.hand, c.pool);
  declare(c.melds);
  set_alternates(c.alternates);
  set_visible(c.visible);
  set_not_neutral(c.not_neutral);
  set_target(c.target, c.variant);
  AI[kSeat].discard_yaku = kOldYaku;
  AI[kSeat].discard_subcode = kOldSubcode;
  // The first copy of each kept tile empties, a tile listed twice two slots.
  std::array<int, kHandSlots> want = c.rebuilds ? make_hand(c.hand) : std::array<int, kHandSlots>{};
  if (!c.rebuilds) std::copy(std::begin(g_ai_work_hand), std::end(g_ai_work_hand), want.begin());
  for (int t : c.rebuilds ? std::vector<int>{} : parse_tiles(c.kept)) {
    auto slot = std::find(want.begin(), want.end(), t);
    ASSERT_NE(slot, want.end()) << c.name << ": a kept tile not in the pool";
    *slot = 0;
  }
  c.keeper(kSeat);
  EXPECT_EQ(pool_text(), format_tiles(want.data(), kHandSlots)) << c.name;
  EXPECT_EQ(AI[kSeat].discard_yaku, c.yaku != 0 ? c.yaku : kOldYaku) << c.name;
  EXPECT_EQ(AI[kSeat].discard_subcode, c.yaku != 0 ? c.subcode : kOldSubcode) << c.name;
  EXPECT_EQ(g_ai_discard_count, 0) << c.name;
}
