#include "shell/view_inputs.h"

#include <algorithm>
#include <cassert>

#include "com/target/com_target.h"
#include "table/win_record.h"

static_assert(kAimSlots == 1 + kChowCandidates);

bool pattern_found(int id) {
  assert(id >= 0 && id < kYakuCount);
  return g_win_record.found[id] != 0;
}
int pattern_points(int id) {
  assert(id >= 0 && id < kYakuCount);
  return g_win_record.pattern_points[id];
}

int aimed_yaku(int slot) {
  assert(slot >= 0 && slot < kAimSlots);
  return slot == 0 ? g_ai_target_yaku[0] : g_ai_chow_candidates[0][slot - 1];
}

int aimed_variant(int slot) {
  assert(slot >= 0 && slot < kAimSlots);
  return slot == 0 ? g_ai_target_variant[0] : g_ai_chow_candidate_variants[0][slot - 1];
}
