#include "com/turn/planner_state.h"

#include <algorithm>
#include <array>
#include <cassert>

#include "base/ai_record.h"
#include "base/table_state.h"

void build_work_hand(int seat) {
  // Tiles first in ascending order, then the zeros of marked and empty slots.
  std::array<int, kHandSlots> pool{};
  for (int i = 0; i < kHandSlots; ++i) {
    const int slot = g_hand[seat][i];
    pool[i] = slot > 0 && slot < 100 ? slot : 0;
  }
  std::sort(pool.begin(), pool.end(), [](int a, int b) { return a != 0 && (b == 0 || a < b); });
  std::copy(pool.begin(), pool.end(), g_ai_work_hand);
}

namespace {
void append_candidate(int pool_slot) {
  assert(pool_slot >= 0 && pool_slot < kHandSlots && g_ai_work_hand[pool_slot] != 0);
  assert(g_ai_discard_count < kHandSlots);
  g_ai_discard_candidates[g_ai_discard_count++] = g_ai_work_hand[pool_slot];
  g_ai_work_hand[pool_slot] = 0;
}
}  // namespace

void propose_discard(int seat, int pool_slot, int reason, int subcode) {
  append_candidate(pool_slot);
  AI[seat].discard_reason = reason;
  AI[seat].discard_subcode = subcode;
}

void propose_pattern_discard(int seat, int pool_slot, int yaku, int subcode) {
  append_candidate(pool_slot);
  AI[seat].discard_yaku = yaku;
  AI[seat].discard_subcode = subcode;
}
