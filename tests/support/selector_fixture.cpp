#include "support/selector_fixture.h"

#include <algorithm>
#include <stdexcept>

#include "com/target/com_target.h"
#include "base/ai_record.h"
#include "base/visible.h"
#include "base/yaku_table.h"
#include "support/hand_builder.h"
#include "base/table_state.h"

namespace {

// Another pattern worth exactly as many points.
int equal_points_pattern(int yaku) {
  for (int id = 1; id < kYakuFlowers; ++id)
    if (id != yaku && yaku_unit_points(id) == yaku_unit_points(yaku)) return id;
  throw std::logic_error("no pattern of equal points");
}

void declare_melds(int seat, const char* text) {
  static constexpr std::string_view kKinds = "cpkm";  // chow, pung, concealed kong, melded kong
  const std::string s(text);
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == ' ') continue;
    const size_t kind = kKinds.find(s[i]);
    if (kind == std::string_view::npos || i + 2 >= s.size()) throw std::invalid_argument(s);
    add_meld(seat, static_cast<int>(kind) + kMeldChow, parse_tiles(s.substr(i + 1, 2)).at(0));
    i += 2;
  }
  SeatState& state = g_seat_state[seat];
  for (int code : g_melds[seat]) {
    state.naki_count += code != 0;
    state.open_naki_count += is_open_meld(code);
  }
}

void add_to_river(int seat, int tile) { g_river[seat][g_river_count[seat]++] = tile; }

}  // namespace

std::string selector_case_name(const ::testing::TestParamInfo<SelectorCase>& info) { return info.param.name; }

void SelectorTest::run(const SelectorCase& c, int prior, int prior_variant) {
  reset_table_state();
  reset_ai_record_state();
  reset_visible_state();
  reset_com_target_state();
  set_hand(kSeat, c.hand);
  declare_melds(kSeat, c.melds);
  for (int t : parse_tiles(c.visible)) add_to_river((kSeat + 2) % kSeats, t);
  // Without a discard the discarder's river stays empty: no latest discard.
  g_discarder = *c.discard ? (kSeat + 3) % kSeats : kSeat;
  for (int t : parse_tiles(c.discard)) add_to_river(g_discarder, t);
  count_visible_tiles(kSeat);
  count_hand_tiles(kSeat);
  AI[kSeat].min_shanten = c.min_shanten;
  AI[kSeat].min_shanten_kokushi = c.far_forms;
  AI[kSeat].min_shanten_knitted = c.far_forms;
  g_ai_target_yaku[kSeat] = prior;
  g_ai_target_variant[kSeat] = prior_variant;
  c.aim(kSeat, c.arg);
}

void SelectorTest::check(const SelectorCase& c) {
  run(c, c.prior, 0);
  const int want = c.target != 0 ? c.target : c.prior;
  EXPECT_EQ(g_ai_target_yaku[kSeat], want) << c.name;
  EXPECT_EQ(g_ai_target_variant[kSeat], c.target != 0 ? c.variant : 0) << c.name;
  if (c.target == 0 || c.prior != 0) return;
  // A target of as many points stays; one of fewer points gives way.
  const int equal = equal_points_pattern(c.target);
  run(c, equal, 7);
  EXPECT_EQ(g_ai_target_yaku[kSeat], equal) << c.name << " beside " << equal;
  EXPECT_EQ(g_ai_target_variant[kSeat], 7) << c.name << " beside " << equal;
  // The half flush reads the variant beside it: the earlier aim's is left at 0.
  run(c, kYaku23OutsideHand, 0);
  EXPECT_EQ(g_ai_target_yaku[kSeat], c.target) << c.name << " beside 23";
  EXPECT_EQ(g_ai_target_variant[kSeat], c.variant) << c.name << " beside 23";
}
