#include "table/kong_actions.h"

#include <algorithm>
#include <array>
#include <cassert>

#include "base/ai_record.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/sound.h"
#include "base/table_state.h"
#include "base/waits.h"
#include "core/tiles.h"
#include "table/claim_actions.h"
#include "table/shout.h"
#include "table/win_test.h"

namespace {

constexpr int kComparedWaits = 9;  // waits compared before and after a concealed kong
constexpr int kGoodKongPoints = 6;
constexpr int kGoodKongLiveTiles = 4;

void enter_kong_scene(int seat) {
  g_scene = kong_draw_scene(seat);
  g_scene_frame = 0;
  g_popup_open = 0;
  g_kong_this_turn = 1;
  g_kong_draw_flag = 1;
}

int count_in_hand(int seat, int tile, bool free_only) {
  return static_cast<int>(std::count_if(std::begin(g_hand[seat]), std::end(g_hand[seat]), [&](int slot) {
    return free_only ? slot == tile : slot != 0 && tile_of(slot) == tile;
  }));
}

// Not ready: only an honour, and only for a hand that wants its pungs.
bool honour_kong_wanted(int seat, int tile) {
  if (!is_honour(tile)) return false;
  int honour_pungs = 0;
  for (int honour = kEast; honour <= kRed; ++honour)
    if (count_in_hand(seat, honour, false) >= 3) ++honour_pungs;
  if (honour_pungs >= 2) return true;
  const int aim = g_ai_target_yaku[seat];
  if (std::find(std::begin(kConcealedHonourKongAims), std::end(kConcealedHonourKongAims), aim) !=
      std::end(kConcealedHonourKongAims))
    return true;
  return g_seat_state[seat].naki_count == 0 && aim == 0 && tile == seat_wind_tile(seat, g_dealer) &&
         tile == kEast + g_round_wind;
}

bool some_eval(int seat, bool (*test)(const ReadyDiscardEval&)) {
  return std::any_of(std::begin(g_seat_state[seat].eval), std::end(g_seat_state[seat].eval), test);
}

// Ready: the kong keeps the hand ready and the ready discards are worth it.
bool ready_kong_wanted(int seat, int tile, const std::array<int, kMaxWaits>& waits_before) {
  std::copy(std::begin(g_hand[seat]), std::end(g_hand[seat]), g_wait_hand);
  for (int i = 0; i < kDrawSlot; ++i)
    if (g_wait_hand[i] == tile) g_wait_hand[i] = make_slot(tile, kConcealedKongSlot);
  g_wait_slot = kDrawSlot;
  find_waits();
  if (g_wait_count == 0) return false;
  const bool only_under_8 = !some_eval(seat, [](const ReadyDiscardEval& e) { return e.words[kEvalLive8Plus] > 0; }) &&
                            some_eval(seat, [](const ReadyDiscardEval& e) { return e.words[kEvalLive6Plus] > 0; });
  if (only_under_8) return true;
  const bool same_waits = std::equal(g_waits, g_waits + kComparedWaits, waits_before.begin());
  return same_waits && some_eval(seat, [](const ReadyDiscardEval& e) {
           const int* w = e.words;
           return w[kEvalTile] != 0 && ((w[kEvalMaxPoints] >= kGoodKongPoints && w[kEvalLiveAtMax] >= kGoodKongLiveTiles) ||
                                        (w[kEvalMinPoints] >= kGoodKongPoints && w[kEvalLiveAtMin] >= kGoodKongLiveTiles));
         });
}

bool concealed_kong_wanted(int seat, int tile) {
  if (!is_playing_tile(tile) || count_in_hand(seat, tile, true) != 4) return false;
  if (g_ai_target_yaku[seat] == kNoConcealedKongAim) return false;
  std::copy(std::begin(g_hand[seat]), std::end(g_hand[seat]), g_wait_hand);
  g_wait_slot = kDrawSlot;
  find_waits();
  if (g_wait_count == 0) return honour_kong_wanted(seat, tile);
  std::array<int, kMaxWaits> waits_before{};
  std::copy(g_waits, g_waits + kMaxWaits, waits_before.begin());
  return ready_kong_wanted(seat, tile, waits_before);
}

// Seats that would take a robbing win before the user: those between the
// kong seat and the user in turn order.
bool seat_ahead_of_user_robs(int kong_seat) {
  for (int seat = next_seat(kong_seat); seat != 0; seat = next_seat(seat))
    if (g_robbing_flags[seat] == 1) return true;
  return false;
}

}  // namespace

void clear_robbing_flags() { std::fill(std::begin(g_robbing_flags), std::end(g_robbing_flags), 0); }

bool try_added_kan(int seat) {
  const int tile = g_hand[seat][kDrawSlot];
  int entry = -1;
  for (int i = 0; i < kMeldSlots; ++i)
    if (g_melds[seat][i] != 0 && meld_kind(g_melds[seat][i]) == kMeldPung && meld_tile(g_melds[seat][i]) == tile) entry = i;
  if (entry < 0 || !is_playing_tile(tile)) return false;
  for (int i = 0; i < kDrawSlot; ++i)
    if (g_hand[seat][i] == make_slot(tile, kPungSlot)) g_hand[seat][i] = make_slot(tile, kMeldedKongSlot);
  g_melds[seat][entry] += kAddedKongStep;
  g_hand[seat][kDrawSlot] = 0;
  g_kong_tile = tile + 100 * entry;
  enter_kong_scene(seat);
  ++g_seat_state[seat].naki_count;
  ++g_seat_state[seat].open_naki_count;
  check_robbing_kan(seat);
  shout(seat, VOICE_KAN);
  return true;
}

bool try_concealed_kan(int seat) {
  const int tile = g_hand[seat][kDrawSlot];
  if (!concealed_kong_wanted(seat, tile)) return false;
  const int entry = declare_meld(seat, make_meld(1, kMeldConcealedKong, tile));
  for (int i = 0; i < kDrawSlot; ++i)
    if (g_hand[seat][i] == tile) g_hand[seat][i] = make_slot(tile, kConcealedKongSlot);
  std::sort(g_hand[seat], g_hand[seat] + kDrawSlot);
  g_hand[seat][kDrawSlot] = 0;
  g_kong_tile = tile + 100 * entry;
  enter_kong_scene(seat);
  ++g_seat_state[seat].naki_count;
  clear_robbing_flags();
  shout(seat, VOICE_KAN);
  return true;
}

void check_robbing_kan(int kong_seat) {
  std::array<int, kHandSlots> saved{};
  std::copy(std::begin(g_wait_hand), std::end(g_wait_hand), saved.begin());
  g_return_scene = g_scene;
  g_discarder = kong_seat;
  clear_robbing_flags();
  for (int seat = 1; seat < kSeats; ++seat)
    if (seat != kong_seat) check_com_robbing_kan(seat);
  if (kong_seat != 0 && !seat_ahead_of_user_robs(kong_seat)) check_user_robbing_kan(0);
  std::copy(saved.begin(), saved.end(), g_wait_hand);
}

void check_com_robbing_kan(int seat) {
  if (is_wait_of(seat, tile_of(g_kong_tile))) g_robbing_flags[seat] = 1;
}

void check_user_robbing_kan(int seat) {
  if (g_seat_state[seat].false_win == 1 || !is_wait_of(seat, tile_of(g_kong_tile))) return;
  g_return_scene = g_scene;
  g_scene = SCENE_USER_ROB_KONG;
  g_user_naki_options[0] = 1;
  g_user_naki_options[1] = g_user_naki_options[2] = g_user_naki_options[3] = 0;
  request_se(SE_NAKI);
}

bool ron_by_robbing_kan(int seat) {
  const int tile = tile_of(g_kong_tile);
  g_robbing_kong_flag = 1;
  g_kong_draw_flag = 0;
  const int points = win_points_with(seat, tile, 1);
  g_robbing_kong_flag = 0;
  g_kong_draw_flag = 1;
  if (points == kNotAWait) return false;
  // The robbed kong is a pung again, in its meld and in its hand slots.
  const int kong_seat = g_discarder;
  g_melds[kong_seat][g_kong_tile / 100] -= kAddedKongStep;
  for (int i = 0; i < kDrawSlot; ++i)
    if (g_hand[kong_seat][i] == make_slot(tile, kMeldedKongSlot)) g_hand[kong_seat][i] = make_slot(tile, kPungSlot);
  settle_discard_win(seat, tile, kong_seat);
  return true;
}
