#include "support/keeper_fixture.h"

#include <algorithm>
#include <array>

#include "com/target/com_target.h"
#include "com/turn/planner_state.h"
#include "core/ai_record.h"
#include "support/hand_builder.h"
#include "table/table_state.h"

void PrintTo(const KeeperCase& c, std::ostream* os) { *os << c.name; }

std::string keeper_case_name(const ::testing::TestParamInfo<KeeperCase>& info) { return info.param.name; }

void KeeperTest::declare(const std::vector<Meld>& melds) {
  for (const Meld& m : melds) add_meld(kSeat, m.kind, m.tile);
  g_seat_state[kSeat].naki_count = static_cast<int>(melds.size());
}

void KeeperTest::set_alternates(const std::vector<std::pair<int, int>>& alternates) {
  for (size_t i = 0; i < alternates.size(); ++i) {
    g_ai_chow_candidates[kSeat][i] = alternates[i].first;
    g_ai_chow_candidate_variants[kSeat][i] = alternates[i].second;
  }
}

std::string KeeperTest::pool_text() { return format_tiles(g_ai_work_hand, kHandSlots); }

std::string KeeperTest::pool_without(const char* tiles) {
  std::array<int, kHandSlots> pool{};
  std::copy(std::begin(g_ai_work_hand), std::end(g_ai_work_hand), pool.begin());
  for (int t : parse_tiles(tiles)) {
    auto slot = std::find(pool.begin(), pool.end(), t);
    if (slot == pool.end()) return "no " + format_tiles(std::vector<int>{t}) + " in the pool";
    *slot = 0;
  }
  return format_tiles(pool.data(), kHandSlots);
}

void KeeperTest::check(const KeeperCase& c) {
  set_hand(c.hand, c.pool);
  declare(c.melds);
  set_alternates(c.alternates);
  set_visible(c.visible);
  set_not_neutral(c.not_neutral);
  set_target(c.target, c.variant);
  AI[kSeat].discard_yaku = kOldYaku;
  AI[kSeat].discard_subcode = kOldSubcode;
  std::string want = pool_without(c.kept);
  if (c.rebuilds) want = format_tiles(make_hand(c.hand).data(), kHandSlots);
  c.keeper(kSeat);
  EXPECT_EQ(pool_text(), want) << c.name;
  EXPECT_EQ(AI[kSeat].discard_yaku, c.yaku != 0 ? c.yaku : kOldYaku) << c.name;
  EXPECT_EQ(AI[kSeat].discard_subcode, c.yaku != 0 ? c.subcode : kOldSubcode) << c.name;
  EXPECT_EQ(g_ai_discard_count, 0) << c.name;
}
