#include "com/target/com_target.h"

#include <cstring>

#include "core/visible.h"

int g_ai_target_yaku[kSeats]{};
int g_ai_target_variant[kSeats]{};
int g_ai_chow_candidates[kSeats][kChowCandidates]{};
int g_ai_chow_candidate_variants[kSeats][kChowCandidates]{};
int g_ai_chow_near_ready[kSeats]{};

void com_select_target(int seat) {
  count_visible_tiles(seat);
  // The characters' target scripts come with the target selection; until
  // then every seat keeps the aim "none" (0), which vetoes nothing.
}

void com_select_target_all_seats() {
  for (int seat = 0; seat < kSeats; ++seat) com_select_target(seat);
}

void reset_com_target_state() {
  std::memset(g_ai_target_yaku, 0, sizeof g_ai_target_yaku);
  std::memset(g_ai_target_variant, 0, sizeof g_ai_target_variant);
  std::memset(g_ai_chow_candidates, 0, sizeof g_ai_chow_candidates);
  std::memset(g_ai_chow_candidate_variants, 0, sizeof g_ai_chow_candidate_variants);
  std::memset(g_ai_chow_near_ready, 0, sizeof g_ai_chow_near_ready);
}
