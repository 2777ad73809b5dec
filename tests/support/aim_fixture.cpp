#include "support/aim_fixture.h"

#include <algorithm>

#include "com/target/com_target.h"
#include "base/ai_record.h"
#include "base/visible.h"
#include "base/yaku_switches.h"
#include "base/yaku_table.h"
#include "support/hand_builder.h"
#include "support/test_workdir.h"
#include "base/table_state.h"

void PrintTo(const FixedAimCase& c, std::ostream* os) { *os << c.name; }

std::string fixed_aim_case_name(const ::testing::TestParamInfo<FixedAimCase>& info) { return info.param.name; }

namespace {

constexpr int kSeat = 1;

void set_up_aim_case(const FixedAimCase& c) {
  constexpr int kOther = 2;  // whose river shows the seen tiles
  reset_program_state();
  set_hand(kSeat, c.hand);
  for (int code : c.melds)
    if (code != 0) add_meld(kSeat, meld_kind(code), meld_tile(code), meld_source(code));
  const int melds = static_cast<int>(std::count_if(c.melds.begin(), c.melds.end(), [](int m) { return m != 0; }));
  g_seat_state[kSeat].naki_count = c.calls >= 0 ? c.calls : melds;
  g_seat_state[kSeat].open_naki_count =
      static_cast<int>(std::count_if(c.melds.begin(), c.melds.end(), [](int m) { return is_open_meld(m); }));
  for (int t : parse_tiles(c.visible)) g_river[kOther][g_river_count[kOther]++] = t;
  g_discarder = 0;
  if (c.latest != 0) g_river[0][g_river_count[0]++] = c.latest;
  SeatAiRecord& ai = AI[kSeat];
  ai.min_shanten = c.shanten[0];
  ai.min_shanten_chiitoi = c.shanten[1];
  ai.min_shanten_kokushi = c.shanten[2];
  ai.min_shanten_knitted = c.shanten[3];
  g_rule_yaku[kRuleSevenPairsTileRange] = c.tile_range_switch;
  g_round_wind = c.round_wind;
  count_hand_tiles(kSeat);
  count_visible_tiles(kSeat);
  g_ai_target_yaku[kSeat] = c.target;
  g_ai_target_variant[kSeat] = c.variant;
}

}  // namespace

void check_fixed_aim_case(const FixedAimCase& c) {
  set_up_aim_case(c);
  c.aim(kSeat);
  EXPECT_EQ(g_ai_target_yaku[kSeat], c.expect);
  EXPECT_EQ(g_ai_target_variant[kSeat], c.expect_variant);
}
