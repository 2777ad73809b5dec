#include "com/turn/safety.h"

#include <algorithm>
#include <cstring>

#include "base/table_state.h"
#include "base/visible.h"
#include "com/hand_terms.h"
#include "com/turn/planner_state.h"
#include "platform/platform.h"

namespace {

constexpr int kMarkScore = 2;  // per other seat against which the tile is safe

bool held_free(int seat, int tile) {
  return tile != 0 && std::find(std::begin(g_hand[seat]), std::end(g_hand[seat]), tile) != std::end(g_hand[seat]);
}

bool preferred_rank(int tile) {
  const int rank = rank_of(tile);
  return tile < 30 && rank >= 1 && rank <= 9 && (rank <= 3 || rank >= 7);
}

// The highest free playing tile, or a flower when only flowers are free; 0 none.
int fallback_tile(int seat) {
  int best = 0, flower = 0;
  for (int slot : g_hand[seat]) {
    if (is_playing_tile(slot)) best = std::max(best, slot);
    if (is_flower(slot) && flower == 0) flower = slot;
  }
  return best != 0 ? best : flower;
}

int choose_candidate(int seat) {
  int best_score = 0, chosen = -1, first_valid = -1;
  for (int i = 0; i < g_ai_discard_count; ++i) {
    const int t = g_ai_discard_candidates[i];
    if (!held_free(seat, t)) continue;
    if (first_valid < 0) first_valid = i;
    int score = 0;
    for (int p = 0; p < kSeats; ++p)
      if (p != seat && t < kTileCodes && g_safe_marks_snapshot[p][t] == 1) score += kMarkScore;
    if (score > best_score) best_score = score, chosen = i;
    if (score == best_score && preferred_rank(t)) chosen = i;
  }
  if (first_valid < 0) return -1;
  if (chosen < 0) {
    chosen = platform::rand15() % g_ai_discard_count;
    if (!held_free(seat, g_ai_discard_candidates[chosen])) chosen = first_valid;
  }
  return chosen;
}

void move_to_slot13(int seat, int tile) {
  int* hand = g_hand[seat];
  *std::find(hand, hand + kHandSlots, tile) = 0;
  std::sort(hand, hand + kHandSlots);
  std::stable_partition(hand, hand + kHandSlots, [](int slot) { return slot != 0; });
  hand[kDrawSlot] = tile;
}

}  // namespace

void mark_safe_vs_four_melds() {
  for (int p = 0; p < kSeats; ++p) {
    if (g_melds[p][kMeldSlots - 1] == 0) continue;
    for (int t = 1; t <= kRed; ++t)
      if (seen_by_all(t) >= 3) g_safe_marks[p][t] = 1;
  }
}

void prepare_discard_tables(int seat) {
  count_visible_tiles(seat);
  for (int p = 0; p < kSeats; ++p)
    for (int t = 1; t <= kRed; ++t) g_safe_marks_snapshot[p][t] = g_safe_marks[p][t];
}

void pick_discard(int seat) {
  int tile = 0;
  const int chosen = choose_candidate(seat);
  if (chosen >= 0) {
    tile = g_ai_discard_candidates[chosen];
  } else {
    tile = fallback_tile(seat);
    if (tile == 0) return;
    std::fill(std::begin(g_ai_discard_candidates), std::end(g_ai_discard_candidates), 0);
    g_ai_discard_candidates[0] = tile;
    g_ai_discard_count = 1;
  }
  const int river_slot = g_river_count[seat];
  if (river_slot >= 0 && river_slot < kRiverCapacity) g_river_slide[seat][river_slot] = kRiverSlideStart;
  move_to_slot13(seat, tile);
}

void clear_safe_marks() { std::memset(g_safe_marks, 0, sizeof g_safe_marks); }
