#include "table/claim_actions.h"

#include <algorithm>
#include <cassert>
#include <utility>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/seat_eval.h"
#include "base/table_state.h"
#include "core/tiles.h"
#include "table/kong_actions.h"
#include "table/shout.h"
#include "table/win_record.h"
#include "table/win_test.h"

namespace {

int& latest_discard_entry() {
  const int count = g_river_count[g_discarder];
  assert(count >= 1 && count <= kRiverCapacity);
  return g_river[g_discarder][count - 1];
}

// A claimed discard leaves the river; one won on stays as a blank entry.
void take_discard_into_meld() {
  latest_discard_entry() = 0;
  --g_river_count[g_discarder];
}

// Marks `copies` free copies of tile among slots 0-12, the first ones first.
void mark_free_copies(int seat, int tile, int copies, int marker) {
  for (int i = 0; i < kDrawSlot && copies > 0; ++i) {
    if (g_hand[seat][i] != tile) continue;
    g_hand[seat][i] = make_slot(tile, marker);
    --copies;
  }
}

int meld_count(int seat) {
  return static_cast<int>(std::count_if(std::begin(g_melds[seat]), std::end(g_melds[seat]), [](int m) { return m != 0; }));
}

// A completing tile under 8 points: only the user with false wins on
// declares it, and is barred from winning for the rest of the hand.
void declare_false_win() {
  g_seat_state[0].false_win = 1;
  g_seat_state[0].false_win_timer = kFalseWinNoticeFrames;
  shout(0, VOICE_FUU);
}

bool false_win_allowed(int seat) { return seat == 0 && option_on(opt_false_win); }

// After a pung or chow: the hand sorted, the last free tile moved into slot
// 13 as the tile to play, and the claimer's turn without a draw.
void finish_claim(int seat, int voice_shout) {
  std::sort(g_hand[seat], g_hand[seat] + kHandSlots);
  const int last_free = kDrawSlot - 3 * meld_count(seat);
  assert(last_free >= 0);
  std::swap(g_hand[seat][last_free], g_hand[seat][kDrawSlot]);
  take_discard_into_meld();
  g_scene = seat_turn_scene(seat);
  g_scene_frame = 0;
  g_popup_lock_after_naki = 1;
  g_after_naki_turn = 1;
  g_discard_not_drawn = 1;
  ++g_seat_state[seat].naki_count;
  ++g_seat_state[seat].open_naki_count;
  g_seat_state[seat].just_claimed = 1;
  refresh_hand_evaluations();
  shout(seat, voice_shout);
}

}  // namespace

int latest_discard_tile() { return tile_of(latest_discard_entry()); }

int declare_meld(int seat, int code) {
  int* free_entry = std::find(std::begin(g_melds[seat]), std::end(g_melds[seat]), 0);
  assert(free_entry != std::end(g_melds[seat]));
  *free_entry = code;
  const int entry = static_cast<int>(free_entry - g_melds[seat]);
  g_meld_slide[seat][entry] = 14;
  return entry;
}

void settle_discard_win(int winner, int tile, int payer) {
  g_hand[winner][kDrawSlot] = tile;
  settle_win(winner, payer);
  shout(winner, VOICE_FUU);
}

bool try_ron(int seat) {
  const int tile = latest_discard_tile();
  const int points = win_points_with(seat, tile, 1);
  if (points == kNotAWait) return false;
  if (points < kMinimumWinPoints) {
    if (!false_win_allowed(seat)) return false;
    latest_discard_entry() = tile;
    declare_false_win();
    return false;
  }
  latest_discard_entry() = 0;
  settle_discard_win(seat, tile, g_discarder);
  return true;
}

bool try_tsumo(int seat) {
  const int points = win_points_with(seat, g_hand[seat][kDrawSlot], 0);
  if (points == kNotAWait) return false;
  if (points < kMinimumWinPoints) {
    if (false_win_allowed(seat)) declare_false_win();
    return false;
  }
  settle_win(seat, kNoPayer);
  shout(seat, VOICE_FUU);
  return true;
}

void do_pon(int seat) {
  const int tile = latest_discard_tile();
  declare_meld(seat, make_meld(claim_source(g_discarder, seat), kMeldPung, tile));
  mark_free_copies(seat, tile, 2, kPungSlot);
  g_hand[seat][kDrawSlot] = make_slot(tile, kPungSlot);
  finish_claim(seat, VOICE_PON);
}

void do_chi(int seat, int variant) {
  assert(variant >= 1 && variant <= 3);
  const int tile = latest_discard_tile();
  const int lowest = tile + variant - 3;
  // The source digit is where the claimed tile sits in the run: 0 lowest .. 2 highest.
  declare_meld(seat, make_meld(3 - variant, kMeldChow, lowest));
  for (int run_tile = lowest; run_tile < lowest + 3; ++run_tile)
    if (run_tile != tile) mark_free_copies(seat, run_tile, 1, kChowSlot);
  g_hand[seat][kDrawSlot] = make_slot(tile, kChowSlot);
  finish_claim(seat, VOICE_CHI);
}

void do_kan_on_discard(int seat) {
  const int tile = latest_discard_tile();
  declare_meld(seat, make_meld(claim_source(g_discarder, seat), kMeldMeldedKong, tile));
  mark_free_copies(seat, tile, 3, kMeldedKongSlot);
  std::sort(g_hand[seat], g_hand[seat] + kDrawSlot);
  take_discard_into_meld();
  g_scene = kong_draw_scene(seat);
  g_scene_frame = 0;
  g_popup_open = 0;
  ++g_seat_state[seat].naki_count;
  ++g_seat_state[seat].open_naki_count;
  g_kong_draw_flag = 1;
  clear_robbing_flags();
  shout(seat, VOICE_KAN);
}
