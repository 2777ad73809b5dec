#include "shell/view_inputs.h"

#include <algorithm>
#include <cassert>

#include "com/target/com_target.h"

static_assert(kAimSlots == 1 + kChowCandidates);

ShownPattern g_view_yaku[kYakuCount];

bool pattern_found(int id) { return g_view_yaku[id].found != 0; }
int pattern_points(int id) { return g_view_yaku[id].points; }

int aimed_yaku(int slot) {
  assert(slot >= 0 && slot < kAimSlots);
  return slot == 0 ? g_ai_target_yaku[0] : g_ai_chow_candidates[0][slot - 1];
}

int aimed_variant(int slot) {
  assert(slot >= 0 && slot < kAimSlots);
  return slot == 0 ? g_ai_target_variant[0] : g_ai_chow_candidate_variants[0][slot - 1];
}

void reset_view_inputs_state() { std::fill(std::begin(g_view_yaku), std::end(g_view_yaku), ShownPattern{}); }
