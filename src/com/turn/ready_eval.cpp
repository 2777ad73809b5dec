#include <algorithm>
#include <iterator>

#include "base/ai_record.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "base/waits.h"
#include "base/yaku_table.h"
#include "com/hand_terms.h"
#include "com/turn/cascade_places.h"
#include "com/turn/planner_state.h"
#include "com/turn/ready_eval_choice.h"
#include "table/win_test.h"

namespace {

constexpr int kLastTileBonus = 4;  // a wait whose other three copies are in sight

bool passes_gates(int seat) {
  if (g_wall_count < 4) return false;
  return std::none_of(g_hand[seat], g_hand[seat] + kHandSlots, [](int v) { return is_flower(tile_of(v)); });
}

// S: what the seat knows of each tile, its own discard included.
void build_seen(int seat, const int* visible, int* seen) {
  std::copy(visible, visible + kTileCodes, seen);
  for (int v : g_hand[seat])
    if (is_free_slot(v)) ++seen[tile_of(v)];
  for (int code : g_melds[seat])
    if (code != 0 && meld_kind(code) == kMeldConcealedKong) seen[meld_tile(code)] += 4;
}

int wait_kind_found(int kind) {
  int found = kind;
  if (g_yaku_table[kYaku10SingleWait].found == 1) found = 1;
  if (g_yaku_table[kYaku8EdgeWait].found == 1) found = 2;
  if (g_yaku_table[kYaku9ClosedWait].found == 1) found = 3;
  if (g_yaku_table[kYaku56SevenPairs].found == 1) found = 4;
  if (g_yaku_table[kYaku77ThirteenOrphans].found == 1) found = 5;
  if (g_yaku_table[kYaku44LesserHonoursKnitted].found == 1 || g_yaku_table[kYaku57GreaterHonoursKnitted].found == 1)
    found = 6;
  return found;
}

void add_wait(int* r, int points, int live) {
  if (r[kEvalMaxPoints] < points) {
    r[kEvalMaxPoints] = points;
    r[kEvalLiveAtMax] = 0;
  }
  if (r[kEvalMinPoints] == 0 || r[kEvalMinPoints] > points) r[kEvalMinPoints] = points;
  if (points == r[kEvalMaxPoints]) r[kEvalLiveAtMax] += live;
  if (points == r[kEvalMinPoints]) r[kEvalLiveAtMin] += live;
  if (points >= 8) r[kEvalLive8Plus] += live;
  if (points >= 7) r[kEvalLive7Plus] += live;
  if (points >= 6) r[kEvalLive6Plus] += live;
  if (points >= 1) r[kEvalLive1Plus] += live;
  if (points >= 8) r[kEvalValue] += live * std::min(points, 88);
}

// The points of winning on another seat's discard of `wait` with the tile
// in slot 13, or -1 when the hand reads no win with it.
int hypothetical_points(int seat, int wait, const int* visible) {
  const int total = win_points_with(seat, wait, 1);
  if (total == kNotAWait) return -1;
  int points = total;
  if (g_yaku_table[kYaku36ReplacementWin].found == 1) points -= g_yaku_table[kYaku36ReplacementWin].points;
  if (visible[wait] == 3)
    points = g_yaku_table[kYaku40ChickenHand].found == 1 ? kLastTileBonus : points + kLastTileBonus;
  return points;
}

void evaluate_slot(int seat, int slot, const int* visible, const int* seen) {
  int* r = g_seat_state[seat].eval[slot].words;
  const WaitSet waits = waits_of(g_hand[seat], slot);
  r[kEvalTile] = tile_of(g_hand[seat][slot]);
  int saved[kHandSlots];
  std::copy(g_hand[seat], g_hand[seat] + kHandSlots, saved);
  for (int i = 0; i < waits.count; ++i) {
    const int w = waits.tiles[i];
    g_hand[seat][slot] = w;
    if (slot != kDrawSlot) std::swap(g_hand[seat][slot], g_hand[seat][kDrawSlot]);
    const int points = hypothetical_points(seat, w, visible);
    if (points >= 0) {
      add_wait(r, points, 4 - seen[w]);
      r[kEvalWaitKind] = wait_kind_found(r[kEvalWaitKind]);
    }
    std::copy(saved, saved + kHandSlots, g_hand[seat]);
  }
}

void evaluate_hand(int seat) {
  // Scoring rebuilds the visible counts: keep the table as the run found it.
  int visible[kTileCodes];
  std::copy(g_visible_counts, g_visible_counts + kTileCodes, visible);
  int seen[kTileCodes];
  build_seen(seat, visible, seen);
  invalidate_ready_records(seat);
  for (int slot = 0; slot < kHandSlots; ++slot)
    if (is_free_slot(g_hand[seat][slot])) evaluate_slot(seat, slot, visible, seen);
  std::copy(visible, visible + kTileCodes, g_visible_counts);
}

bool any_record(int seat, bool (*test)(const int*)) {
  for (const ReadyDiscardEval& e : g_seat_state[seat].eval)
    if (test(e.words)) return true;
  return false;
}

// False when no ready discard has a live winning tile.
bool update_ready_flags(int seat) {
  SeatState& st = g_seat_state[seat];
  st.ready_discard_now = any_record(seat, [](const int* r) { return r[kEvalLiveAtMax] > 0 || r[kEvalLiveAtMin] > 0; });
  if (st.ready_discard_now == 0) return false;
  if (st.was_ready == 0) st.ready_river_size = g_river_count[seat];
  st.was_ready = 1;
  if (any_record(seat, [](const int* r) { return r[kEvalLive8Plus] > 0; })) {
    if (st.was_ready_8 == 0) st.ready_8_river_size = g_river_count[seat];
    st.was_ready_8 = 1;
  }
  return true;
}


// Commit when the choice is worth it, else every tile kind becomes neutral.
void commit_or_release(int seat, const ReadyChoice& choice) {
  const int* b = g_seat_state[seat].eval[choice.slot].words;
  if (choice.commit == 0 && !(b[kEvalLive6Plus] > 0 && (is_closed_hand(seat) || b[kEvalLive7Plus] > 0))) {
    std::fill(std::begin(AI[seat].hai_syanten) + 1, std::end(AI[seat].hai_syanten), AI[seat].min_shanten);
    return;
  }
  const int tile = b[kEvalTile];
  for (int i = 0; i < kHandSlots; ++i) {
    if (g_ai_work_hand[i] != 0 && g_ai_work_hand[i] == tile) {
      propose_discard(seat, i, 0, choice.subcode);
      return;
    }
  }
}

}  // namespace

void ai_pick_ready_discard(int seat) {
  if (!passes_gates(seat)) return;
  evaluate_hand(seat);
  if (!update_ready_flags(seat)) return;
  ReadyChoice choice{};
  choose_ready_discard(seat, choice);
  commit_or_release(seat, choice);
}

void invalidate_ready_records(int seat) {
  std::fill(std::begin(g_seat_state[seat].eval), std::end(g_seat_state[seat].eval), ReadyDiscardEval{});
}
