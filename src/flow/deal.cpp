#include "flow/deal.h"

#include <algorithm>
#include <cassert>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/seat_eval.h"
#include "base/sound.h"
#include "base/table_state.h"
#include "com/target/com_target.h"
#include "core/tiles.h"
#include "flow/wall.h"
#include "table/shout.h"

namespace {

// Deal step k (0..11): four tiles to one seat, each seat in turn from the
// dealer receiving slots 0-3, then 4-7, then 8-11.
void deal_block(int k) {
  const int seat = (g_dealer + k) % kSeats;
  const int first_slot = 4 * (k / kSeats);
  for (int i = 0; i < 4; ++i) g_hand[seat][first_slot + i] = take_wall_tile();
}

// Deal step k (12..15): the thirteenth tile, slot 12, dealer first.
void deal_single(int k) { g_hand[(g_dealer + k) % kSeats][kDealtTiles - 1] = take_wall_tile(); }

bool holds_flower(int seat) { return first_flower_of(seat) != kNoTile; }

int first_empty_slot(int seat) {
  for (int i = 0; i < kHandSlots; ++i)
    if (g_hand[seat][i] == 0) return i;
  return -1;
}

void set_aside_slot(int seat, int slot) {
  HanaRecord& hana = g_hana[seat];
  assert(hana.count < kMaxFlowers);
  hana.tiles[hana.count++] = g_hand[seat][slot];
  g_hand[seat][slot] = 0;
}

// Every flower of the seat goes to its record; each is owed a replacement.
void set_aside_all_flowers(int seat) {
  g_hana[seat].pending = 0;
  for (int i = 0; i < kHandSlots; ++i) {
    if (!is_flower(g_hand[seat][i])) continue;
    set_aside_slot(seat, i);
    ++g_hana[seat].pending;
  }
  request_se(SE_HANA);
}

// One wall tile into the seat's first empty slot.
void draw_into_empty_slot(int seat) {
  const int slot = first_empty_slot(seat);
  assert(slot >= 0);
  g_hand[seat][slot] = take_wall_tile();
}

// Draws every owed replacement. An empty wall with replacements still owed
// ends the hand as an exhaustive draw rather than leave holes in the hand;
// returns false then.
bool draw_pending_replacements(int seat) {
  HanaRecord& hana = g_hana[seat];
  while (hana.pending >= 1) {
    if (check_wall_exhausted()) return false;
    draw_into_empty_slot(seat);
    --hana.pending;
  }
  return true;
}

void leave_initial_flowers_for_next_seat() {
  g_turn_seat = next_seat(g_turn_seat);
  g_scene_frame = 0;
  if (g_turn_seat != g_dealer) return;
  com_select_target_all_seats();
  g_scene = seat_draw_scene(g_dealer);
}

// The user's replacement was a flower again and flowers are set aside
// automatically: the scene starts over for it, through the shout pause when
// balloons are on.
void restart_for_user_flower() {
  g_flower_tile = first_flower_of(0);
  g_flower_all = 1;
  g_return_scene = SCENE_SEAT0_TURN;
  g_scene = SCENE_FLOWER;
  g_scene_frame = 0;
  if (!option_on(opt_voice_balloons)) return;
  g_shout_return_scene = SCENE_FLOWER;
  g_scene = SCENE_SHOUT;
  g_balloon[0] = kBalloonFlower;
}

// Frame 1 of the flower scene.
void set_aside_declared(int seat) {
  if (g_flower_all == 1) {
    set_aside_all_flowers(seat);
    return;
  }
  const int* slot = std::find(std::begin(g_hand[seat]), std::end(g_hand[seat]), g_flower_tile);
  if (slot == std::end(g_hand[seat])) return;
  set_aside_slot(seat, static_cast<int>(slot - g_hand[seat]));
  request_se(SE_HANA);
}

// Frame 6 of the flower scene; false when it left the scene.
bool replace_declared(int seat) {
  g_pick = 0;
  g_kong_draw_flag = 0;
  if (g_flower_all == 1) {
    if (!draw_pending_replacements(seat)) return false;
  } else if (first_empty_slot(seat) >= 0) {
    // Only a flower actually set aside frees a slot; without one there is
    // nothing to replace.
    if (check_wall_exhausted()) return false;
    draw_into_empty_slot(seat);
  }
  if (seat == 0 && option(opt_flowers) == kFlowersAutomatic && holds_flower(0)) {
    restart_for_user_flower();
    return false;
  }
  return true;
}

// Frame c after the opening wait: a block of four or a single tile on even
// c, the move to the sort at kDealEnd.
void deal_step(int c) {
  ++g_scene_frame;
  g_deal_step = c + 1;
  if (c % 2 != 0) return;
  if (c >= kDealFirstBlock && c <= kDealLastBlock) deal_block((c - kDealFirstBlock) / 2);
  if (c > kDealLastBlock && c <= kDealLastSingle) deal_single((c - kDealFirstBlock) / 2);
  if (c == kDealEnd) {
    g_scene = SCENE_SORT_HANDS;
    g_scene_frame = 0;
    g_sort_frame = 0;
    request_se(SE_OPEN);
  }
}

}  // namespace

void scene_deal() {
  if (g_scene_frame < kDealWaitFrames) {
    ++g_scene_frame;
  } else {
    deal_step(g_scene_frame - kDealWaitFrames);
  }
}

void scene_sort_hands() {
  ++g_sort_frame;
  if (g_sort_frame == kSortAtFrame)
    for (int seat = 0; seat < kSeats; ++seat) std::sort(g_hand[seat], g_hand[seat] + kDealtTiles);
  if (g_sort_frame == kSortEndFrame) {
    g_turn_seat = g_dealer;
    g_scene = SCENE_INITIAL_FLOWERS;
    g_scene_frame = 0;
  }
}

void scene_initial_flowers() {
  const int seat = g_turn_seat;
  const int mode = option(opt_flowers_after_deal);
  ++g_scene_frame;
  if (g_scene_frame == kInitialFlowerSetAside) {
    if (mode == kDealtFlowersKept || !holds_flower(seat))
      g_scene_frame = kInitialFlowerNextSeat;
    else
      set_aside_all_flowers(seat);
  }
  if (g_scene_frame == kInitialFlowerReplace) {
    g_pick = 0;
    if (draw_pending_replacements(seat) && mode == kDealtFlowersAndReplacementsSetAside && holds_flower(seat)) g_scene_frame = 0;
  }
  if (g_scene_frame == kInitialFlowerNextSeat) leave_initial_flowers_for_next_seat();
}

bool hana_phase() {
  const int seat = g_turn_seat;
  ++g_scene_frame;
  if (g_scene_frame == kFlowerSetAside) set_aside_declared(seat);
  if (g_scene_frame == kFlowerWallTest && check_wall_exhausted()) return false;
  if (g_scene_frame == kFlowerReplace && !replace_declared(seat)) return false;
  if (g_scene_frame == (seat == 0 ? kFlowerEndUser : kFlowerEndCom)) {
    com_select_target_all_seats();
    g_scene = seat_turn_scene(seat);
    g_scene_frame = 0;
    refresh_hand_evaluations();
    return false;
  }
  return true;
}
