#include "flow/new_hand.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/view_requests.h"
#include "com/turn/com_turn.h"
#include "platform/platform.h"

static_assert(kDrawFrames.size() == kOptionRanges[opt_com_speed].max + 1);

namespace {


void clear_turn_records() {
  g_pick = 0;
  g_result_panel_hidden = 0;
  g_popup_open = 0;
  g_popup_hover = 0;
  g_popup_lock_after_naki = 0;
  g_hand_drawn = 0;
  g_after_naki_turn = 0;
  g_deal_step = 0;
  g_sort_frame = 0;
  g_winner = 0;
  g_kong_tile = 0;
  g_robbing_kong_flag = 0;
  g_draw_banner = 0;
  g_hands_revealed = 0;
  g_shown_points = 0;
  g_suggested_discard = 0;
  g_user_action = 0;
  // These outlive a hand that ends on a kong replacement, a robbing win, a
  // claim or an exhaustive draw; left set, the next hand would score a
  // replacement win it never made or act on a stale claim.
  g_kong_draw_flag = 0;
  g_kong_this_turn = 0;
  g_discard_not_drawn = 0;
  std::memset(g_naki_flags, 0, sizeof g_naki_flags);
  std::memset(g_robbing_flags, 0, sizeof g_robbing_flags);
  // Every caller enters the deal next, which counts its frames from 0.
  g_scene_frame = 0;
}

void clear_seat_records(int seat) {
  g_balloon[seat] = 0;
  SeatState fresh{};
  std::copy(std::begin(g_seat_state[seat].eval), std::end(g_seat_state[seat].eval), fresh.eval);
  g_seat_state[seat] = fresh;
  std::fill(std::begin(g_hand[seat]), std::end(g_hand[seat]), 0);
  std::fill(std::begin(g_melds[seat]), std::end(g_melds[seat]), 0);
  std::fill(std::begin(g_meld_slide[seat]), std::end(g_meld_slide[seat]), 0);
  std::fill(std::begin(g_river[seat]), std::end(g_river[seat]), 0);
  std::fill(std::begin(g_river_slide[seat]), std::end(g_river_slide[seat]), 0);
  std::fill(std::begin(g_river_tsumogiri[seat]), std::end(g_river_tsumogiri[seat]), 0);
  std::fill(std::begin(g_discard_history[seat]), std::end(g_discard_history[seat]), 0);
  g_river_count[seat] = 0;
  g_discard_history_count[seat] = 0;
}

void build_and_shuffle_wall() {
  std::copy(kWallImage.begin(), kWallImage.end(), g_wall);
  g_wall_count = kPlayingWallTiles + (option(opt_flowers) != kFlowersOff ? kFlowerWallTiles : 0);
  for (int i = g_wall_count; i >= 2; --i) {
    const int j = platform::rand15() % i;
    std::swap(g_wall[i - 1], g_wall[j]);
  }
}

}  // namespace

void setup_new_hand() {
  clear_turn_records();
  request_table_view_reset();
  g_options[opt_open_wall] = 0;  // off at each hand start
  // option() clamps: the speed word comes from a file and indexes the table.
  g_draw_anim_frames = kDrawFrames[option(opt_com_speed)];
  g_dice[0] = platform::rand15() % 6;
  g_dice[1] = platform::rand15() % 6;
  g_dealt_in_seat = 9;
  for (int seat = 0; seat < kSeats; ++seat) clear_seat_records(seat);
  clear_com_hand_records();
  build_and_shuffle_wall();
  for (HanaRecord& hana : g_hana) hana = HanaRecord{};
}
